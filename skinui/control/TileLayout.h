// CTileLayoutUI: a grid of equal cells, as many columns as "itemsize" fits
// (or "columns" when no item width is set).
#pragma once

#include "skinui/control/Container.h"

namespace SkinUI {

class SKINUI_API CTileLayoutUI : public CContainerUI {
public:
    CTileLayoutUI();

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    void SetPos(RECT rc) override;
    void SetAttribute(const char* name, const char* value) override;

    SIZE GetItemSize() const { return m_szItem; }
    void SetItemSize(SIZE size);
    int GetColumns() const { return m_nColumns; }
    void SetColumns(int columns);

protected:
    SIZE m_szItem = {0, 0};
    int m_nColumns = 1;
};

}  // namespace SkinUI
