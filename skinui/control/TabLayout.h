// CTabLayoutUI: a stack of pages of which only the selected one is shown.
#pragma once

#include "skinui/control/Container.h"

namespace SkinUI {

class SKINUI_API CTabLayoutUI : public CContainerUI {
public:
    CTabLayoutUI();

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    void SetPos(RECT rc) override;
    void SetAttribute(const char* name, const char* value) override;

    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;
    bool Remove(CControlUI* control) override;
    void RemoveAll() override;

    int GetSelectedIndex() const { return m_iCurSel; }
    // Shows the page, hides the others and sends "tabselect"; false for an
    // index out of range.
    bool SelectItem(int index);

protected:
    int m_iCurSel = -1;
};

}  // namespace SkinUI
