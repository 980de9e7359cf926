// CTabLayoutUI: page selection, visibility of pages and "tabselect".
#include "skinui/control/TabLayout.h"

#include <cstdlib>
#include <cstring>

#include "skinui/core/PaintManager.h"

namespace SkinUI {
CTabLayoutUI::CTabLayoutUI() = default;

const char* CTabLayoutUI::GetTypeName() const { return "TabLayoutUI"; }

void* CTabLayoutUI::AsInterface(const char* name) {
    if (name && strcmp(name, "TabLayout") == 0) return static_cast<CTabLayoutUI*>(this);
    return CContainerUI::AsInterface(name);
}

bool CTabLayoutUI::Add(CControlUI* control) {
    const bool added = CContainerUI::Add(control);
    if (!added) return added;
    if (m_iCurSel == -1 && control->IsVisible()) m_iCurSel = GetItemIndex(control);
    else control->SetVisible(false);
    return added;
}

bool CTabLayoutUI::AddAt(CControlUI* control, int index) {
    const bool added = CContainerUI::AddAt(control, index);
    if (!added) return added;
    if (m_iCurSel == -1 && control->IsVisible()) m_iCurSel = GetItemIndex(control);
    else if (m_iCurSel == -1 || m_iCurSel < index) control->SetVisible(false);
    else ++m_iCurSel;
    return added;
}

bool CTabLayoutUI::Remove(CControlUI* control) {
    if (!control) return false;
    const int index = GetItemIndex(control);
    const bool removed = CContainerUI::Remove(control);
    if (!removed) return false;
    if (m_iCurSel == index) {
        if (GetCount() > 0) {
            m_iCurSel = 0;
            GetItemAt(0)->SetVisible(true);
        } else {
            m_iCurSel = -1;
        }
        RequestParentLayout();
    } else if (m_iCurSel > index) {
        --m_iCurSel;
    }
    return removed;
}

void CTabLayoutUI::RemoveAll() {
    m_iCurSel = -1;
    CContainerUI::RemoveAll();
    RequestParentLayout();
}

bool CTabLayoutUI::SelectItem(int index) {
    if (index < 0 || index >= GetCount()) return false;
    if (index == m_iCurSel) return true;
    const int previous = m_iCurSel;
    m_iCurSel = index;
    for (int i = 0; i < m_items.Count(); ++i) {
        CControlUI* child = Child(i);
        if (i == index) {
            child->SetVisible(true);
            child->SetFocus();
            SetPos(m_rcItem);
        } else {
            child->SetVisible(false);
        }
    }
    RequestParentLayout();
    if (m_pManager) {
        m_pManager->MoveFocus(true);
        m_pManager->SendNotification(this, "tabselect", static_cast<WPARAM>(m_iCurSel), static_cast<LPARAM>(previous));
    }
    return true;
}

void CTabLayoutUI::SetPos(RECT rcPos) {
    // Only the selected page is placed; the container's layout would place all.
    CControlUI::SetPos(rcPos);
    RECT rc = InsetItemRect();
    for (int i = 0; i < m_items.Count(); ++i) {
        CControlUI* child = Child(i);
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) {
            PlaceFloatChild(i);
            continue;
        }
        if (i != m_iCurSel) continue;
        const RECT p = child->GetPadding();
        const RECT cell = {rc.left + p.left, rc.top + p.top, rc.right - p.right, rc.bottom - p.bottom};
        const LONG cellWidth = cell.right - cell.left;
        const LONG cellHeight = cell.bottom - cell.top;
        SIZE sz = child->MeasureSize(SIZE{cellWidth, cellHeight});
        if (sz.cx == 0) sz.cx = cellWidth > 0 ? cellWidth : 0;
        if (sz.cy == 0) sz.cy = cellHeight > 0 ? cellHeight : 0;
        sz.cx = detail::ClampSize(sz.cx, child->GetMinWidth(), child->GetMaxWidth());
        sz.cy = detail::ClampSize(sz.cy, child->GetMinHeight(), child->GetMaxHeight());
        child->SetPos(RECT{cell.left, cell.top, cell.left + sz.cx, cell.top + sz.cy});
    }
}

void CTabLayoutUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    if (strcmp(name, "selectedid") == 0) SelectItem(atoi(value));
    CContainerUI::SetAttribute(name, value);
}

}  // namespace SkinUI
