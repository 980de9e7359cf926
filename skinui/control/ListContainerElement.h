// CListContainerElementUI: a list item that is a container, its children
// lined up with the list's header columns.
#pragma once

#include "skinui/control/Container.h"
#include "skinui/control/ListInterfaces.h"

namespace SkinUI {

class SKINUI_API CListContainerElementUI : public CContainerUI, public IListItemUI {
public:
    CListContainerElementUI();

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    UINT GetInputFlags() const override;
    bool Activate() override;
    void SetVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void SetPos(RECT rc) override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    void Paint(HDC hDC, const RECT& rcDirty) override;

    int ItemIndex() const override { return m_iIndex; }
    void SetItemIndex(int index) override { m_iIndex = index; }
    bool SetItemIndex(CControlUI* control, int index) override { return CContainerUI::SetItemIndex(control, index); }
    IListOwnerUI* ItemOwner() const override { return m_pOwner; }
    void SetItemOwner(IListOwnerUI* owner) override { m_pOwner = owner; }
    bool IsSelected() const override { return m_bSelected; }
    bool Select(bool select = true) override;
    bool IsExpanded() const override { return m_bExpanded; }
    bool Expand(bool expand = true) override;
    void DrawItemText(HDC hDC, const RECT& rcItem) override;
    void DrawItemBackground(HDC hDC, const RECT& rcItem) override;

    UINT GetButtonState() const { return m_uButtonState; }

protected:
    int m_iIndex = -1;
    bool m_bSelected = false;
    bool m_bExpanded = false;
    UINT m_uButtonState = 0;
    IListOwnerUI* m_pOwner = nullptr;
};

}  // namespace SkinUI
