// CListElementUI: the base of the list's leaf items: index, owner, selection,
// expansion, activation and the shared item background.
#pragma once

#include "skinui/control/Control.h"
#include "skinui/control/ListInterfaces.h"

namespace SkinUI {

class SKINUI_API CListElementUI : public CControlUI, public IListItemUI {
public:
    CListElementUI();

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    UINT GetInputFlags() const override;
    bool Activate() override;
    void SetVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;

    int ItemIndex() const override { return m_iIndex; }
    void SetItemIndex(int index) override { m_iIndex = index; }
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

namespace detail {
// The item background every kind of list item paints: colour, state image,
// own background image, the list's item image, separator line.
SKINUI_API void DrawListItemBackground(CControlUI& item, HDC hDC, const RECT& rcItem, IListOwnerUI* owner,
                                       int index, bool selected, UINT buttonState, CSkinString& ownBkImage);
// The item text colour for the state, after the same rules as the background.
SKINUI_API DWORD ListItemTextColor(const CControlUI& item, const TListInfoUI& info, bool selected,
                                   UINT buttonState);
// Shared mouse handling of label and container items; true when consumed.
bool HandleListItemMouse(CControlUI& item, IListItemUI& listItem, UINT& buttonState, TControlEvent& event);
// Selection and folding as every item does them, over the item's own fields.
bool SelectListItem(CControlUI& item, IListOwnerUI* owner, int index, bool& selected, bool select);
void DropHiddenSelection(const CControlUI& item, IListOwnerUI* owner, int index, bool& selected);
bool ExpandListItem(CControlUI& item, bool& expanded, bool expand);
// A double click, or Enter, on an enabled item activates it.
bool ActivatesListItem(const CControlUI& item, const TControlEvent& event);
}  // namespace detail

}  // namespace SkinUI
