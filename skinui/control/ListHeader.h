// CListHeaderUI: the row of column items above a list's body.
#pragma once

#include "skinui/control/HorizontalLayout.h"

namespace SkinUI {

class SKINUI_API CListHeaderUI : public CHorizontalLayoutUI {
public:
    CListHeaderUI();

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    SIZE MeasureSize(SIZE available) override;
};

}  // namespace SkinUI
