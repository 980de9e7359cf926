// CCheckBoxUI: an option under its own type name.
#pragma once

#include "skinui/control/Option.h"

namespace SkinUI {

class SKINUI_API CCheckBoxUI : public COptionUI {
public:
    const char* GetTypeName() const override;
    bool GetCheck() const { return IsSelected(); }
};

}  // namespace SkinUI
