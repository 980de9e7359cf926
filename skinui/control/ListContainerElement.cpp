// CListContainerElementUI: selection, events, painting and column alignment.
#include "skinui/control/ListContainerElement.h"

#include <cstring>

#include "skinui/control/ListElement.h"
#include "skinui/control/ListHeader.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {

CListContainerElementUI::CListContainerElementUI() = default;

const char* CListContainerElementUI::GetTypeName() const { return "ListContainerElementUI"; }

void* CListContainerElementUI::AsInterface(const char* name) {
    if (name && strcmp(name, "ListItem") == 0) return static_cast<IListItemUI*>(this);
    if (name && strcmp(name, "ListContainerElement") == 0) return static_cast<CListContainerElementUI*>(this);
    return CContainerUI::AsInterface(name);
}

UINT CListContainerElementUI::GetInputFlags() const { return 0; }

bool CListContainerElementUI::Activate() {
    if (!CContainerUI::Activate()) return false;
    if (m_pManager) m_pManager->SendNotification(this, "itemactivate");
    return true;
}

void CListContainerElementUI::SetVisible(bool visible) {
    CContainerUI::SetVisible(visible);
    detail::DropHiddenSelection(*this, m_pOwner, m_iIndex, m_bSelected);
}

void CListContainerElementUI::SetEnabled(bool enabled) {
    CContainerUI::SetEnabled(enabled);
    if (!IsEnabled()) m_uButtonState = 0;
}

bool CListContainerElementUI::Select(bool select) {
    return detail::SelectListItem(*this, m_pOwner, m_iIndex, m_bSelected, select);
}

bool CListContainerElementUI::Expand(bool expand) { return detail::ExpandListItem(*this, m_bExpanded, expand); }

void CListContainerElementUI::SetPos(RECT rc) {
    CContainerUI::SetPos(rc);
    auto* list = dynamic_cast<IListUI*>(m_pOwner);
    CListHeaderUI* header = list ? list->GetHeader() : nullptr;
    if (!header || header->GetCount() == 0) return;
    // Children follow the header's columns, keeping their own top and bottom.
    const int columns = header->GetCount();
    for (int i = 0; i < m_items.Count() && i < columns; ++i) {
        CControlUI* child = Child(i);
        if (!child->IsVisible() || child->IsFloat()) continue;
        const RECT& column = header->GetItemAt(i)->GetPos();
        RECT placed = child->GetPos();
        placed.left = column.left;
        placed.right = column.right;
        child->SetPos(placed);
    }
}

void CListContainerElementUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        if (m_pOwner) m_pOwner->HandleEvent(event);
        else CContainerUI::HandleEvent(event);
        return;
    }
    if (detail::ActivatesListItem(*this, event)) {
        Activate();
        Invalidate();
        return;
    }
    if (detail::HandleListItemMouse(*this, *this, m_uButtonState, event)) return;
    if (m_pOwner) m_pOwner->HandleEvent(event);
    else CContainerUI::HandleEvent(event);
}

void CListContainerElementUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    if (strcmp(name, "selected") == 0) Select(true);
    else CContainerUI::SetAttribute(name, value);
}

void CListContainerElementUI::DrawItemText(HDC, const RECT&) {}

void CListContainerElementUI::DrawItemBackground(HDC hDC, const RECT& rcItem) {
    detail::DrawListItemBackground(*this, hDC, rcItem, m_pOwner, m_iIndex, m_bSelected, m_uButtonState, m_sBkImage);
}

void CListContainerElementUI::Paint(HDC hDC, const RECT& rcDirty) {
    if (!IntersectRect(&m_rcPaint, &rcDirty, &m_rcItem)) return;
    DrawItemBackground(hDC, m_rcItem);
    CContainerUI::Paint(hDC, rcDirty);
}

}  // namespace SkinUI
