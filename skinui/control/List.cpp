// CListUI: routing of children to header and body, layout, selection, keys,
// expansion and attributes.
#include "skinui/control/List.h"

#include <cstdlib>
#include <cstring>

#include "skinui/control/ListBody.h"
#include "skinui/control/ListHeader.h"
#include "skinui/control/ListItemAttributes.h"
#include "skinui/control/ScrollBar.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {

CListUI::CListUI() {
    m_pList = new CListBodyUI(this);
    m_pHeader = new CListHeaderUI;
    CVerticalLayoutUI::Add(m_pHeader);
    CVerticalLayoutUI::Add(m_pList);
}

const char* CListUI::GetTypeName() const { return "ListUI"; }

void* CListUI::AsInterface(const char* name) {
    if (name && strcmp(name, "List") == 0) return static_cast<CListUI*>(this);
    if (name && strcmp(name, "IList") == 0) return static_cast<IListUI*>(this);
    if (name && strcmp(name, "IListOwner") == 0) return static_cast<IListOwnerUI*>(this);
    return CVerticalLayoutUI::AsInterface(name);
}

UINT CListUI::GetInputFlags() const { return 0; }

CContainerUI* CListUI::GetList() const { return m_pList; }

void CListUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    CVerticalLayoutUI::SetManager(manager, parent, init);
    // The body's bars are made once a manager can style them; skin attributes may drop them.
    if (manager && !m_bBarsMade) {
        m_bBarsMade = true;
        m_pList->EnableScrollBars(true, true);
    }
}

// --- Layout ----------------------------------------------------------------------------

void CListUI::PlaceHeader() {
    const RECT inner = InsetItemRect();
    const bool shown = m_pHeader->IsVisible();
    RECT rcHeader = m_pHeader->GetPos();
    if (!shown) {
        // A hidden header still places its items so the columns exist.
        for (int i = 0; i < m_pHeader->GetCount(); ++i) m_pHeader->GetItemAt(i)->SetVisibleByParent(true);
        rcHeader = RECT{inner.left, inner.top, inner.right, inner.top};
    }
    m_pHeader->SetPos(rcHeader);
    const int dx = m_pList->GetScrollPos().cx;
    int columns = 0;
    for (int i = 0; i < m_pHeader->GetCount(); ++i) {
        CControlUI* item = m_pHeader->GetItemAt(i);
        if (!item->IsVisible() || item->IsFloat()) continue;
        RECT rc = item->GetPos();
        if (dx != 0) {
            OffsetRect(&rc, -dx, 0);
            item->SetPos(rc);
        }
        if (columns < kListMaxColumns) m_ListInfo.rcColumn[columns++] = rc;
    }
    m_ListInfo.nColumns = columns;
    if (!shown) {
        for (int i = 0; i < m_pHeader->GetCount(); ++i) m_pHeader->GetItemAt(i)->SetVisibleByParent(false);
    }
}

void CListUI::SetPos(RECT rc) {
    CControlUI::SetPos(rc);
    const RECT inner = InsetItemRect();
    int headerHeight = 0;
    if (m_pHeader->IsVisible()) {
        headerHeight = m_pHeader->MeasureSize(SIZE{inner.right - inner.left, inner.bottom - inner.top}).cy;
        m_pHeader->SetPos(RECT{inner.left, inner.top, inner.right, inner.top + headerHeight});
    }
    // Columns before rows: container items line up with the header.
    PlaceHeader();
    m_pList->SetPos(RECT{inner.left, inner.top + headerHeight, inner.right, inner.bottom});
}

// --- Children --------------------------------------------------------------------------

IListItemUI* CListUI::ListItemAt(int index) const {
    CControlUI* control = m_pList->GetItemAt(index);
    return control ? static_cast<IListItemUI*>(control->AsInterface("ListItem")) : nullptr;
}

void CListUI::Renumber(int from, int to) {
    for (int i = from; i <= to && i < m_pList->GetCount(); ++i) {
        if (IListItemUI* item = ListItemAt(i)) item->SetItemIndex(i);
    }
}

CControlUI* CListUI::GetItemAt(int index) const { return m_pList->GetItemAt(index); }
int CListUI::GetItemIndex(CControlUI* control) const { return m_pList->GetItemIndex(control); }
int CListUI::GetCount() const { return m_pList->GetCount(); }

bool CListUI::Add(CControlUI* control) {
    if (!control) return false;
    if (control->AsInterface("ListHeader")) {
        if (m_pHeader == control) return true;
        // The built-in header gives way only while it is still empty.
        if (m_pHeader->GetCount() != 0) return false;
        CVerticalLayoutUI::Remove(m_pHeader);
        m_pHeader = static_cast<CListHeaderUI*>(control);
        m_ListInfo.nColumns = m_pHeader->GetCount() < kListMaxColumns ? m_pHeader->GetCount() : kListMaxColumns;
        return CVerticalLayoutUI::AddAt(control, 0);
    }
    if (strcmp(control->GetTypeName(), "ListHeaderItemUI") == 0) {
        const bool added = m_pHeader->Add(control);
        m_ListInfo.nColumns = m_pHeader->GetCount() < kListMaxColumns ? m_pHeader->GetCount() : kListMaxColumns;
        return added;
    }
    if (IListItemUI* item = static_cast<IListItemUI*>(control->AsInterface("ListItem"))) {
        item->SetItemOwner(this);
        item->SetItemIndex(m_pList->GetCount());
    }
    return m_pList->Add(control);
}

bool CListUI::AddAt(CControlUI* control, int index) {
    if (!control) return false;
    if (control->AsInterface("ListHeader") || strcmp(control->GetTypeName(), "ListHeaderItemUI") == 0)
        return Add(control);
    if (!m_pList->AddAt(control, index)) return false;
    if (IListItemUI* item = static_cast<IListItemUI*>(control->AsInterface("ListItem"))) {
        item->SetItemOwner(this);
        item->SetItemIndex(index);
    }
    Renumber(index + 1, m_pList->GetCount() - 1);
    if (m_iCurSel >= index) ++m_iCurSel;
    if (m_iExpandedItem >= index) ++m_iExpandedItem;
    return true;
}

bool CListUI::SetItemIndex(CControlUI* control, int index) {
    const int old = m_pList->GetItemIndex(control);
    if (old < 0) return false;
    if (old == index) return true;
    IListItemUI* selected = ListItemAt(m_iCurSel);
    if (!m_pList->SetItemIndex(control, index)) return false;
    Renumber(old < index ? old : index, old < index ? index : old);
    // The selection stays on the same item.
    if (selected) m_iCurSel = selected->ItemIndex();
    return true;
}

bool CListUI::Remove(CControlUI* control) {
    if (!control) return false;
    if (control->AsInterface("ListHeader") && control == m_pHeader) return false;
    if (control->AsInterface("ListHeaderItem")) {
        const bool removed = m_pHeader->Remove(control);
        m_ListInfo.nColumns = m_pHeader->GetCount() < kListMaxColumns ? m_pHeader->GetCount() : kListMaxColumns;
        return removed;
    }
    const int index = m_pList->GetItemIndex(control);
    if (index < 0) return false;
    if (!m_pList->RemoveAt(index)) return false;
    Renumber(index, m_pList->GetCount() - 1);
    if (index == m_iExpandedItem) m_iExpandedItem = -1;
    else if (index < m_iExpandedItem) --m_iExpandedItem;
    if (index == m_iCurSel && m_iCurSel >= 0) {
        m_iCurSel = -1;
        SelectItem(FindSelectableItem(index, false));
    } else if (index < m_iCurSel) {
        --m_iCurSel;
    }
    return true;
}

bool CListUI::RemoveAt(int index) {
    CControlUI* control = m_pList->GetItemAt(index);
    return control ? Remove(control) : false;
}

void CListUI::RemoveAll() {
    m_iCurSel = -1;
    m_iExpandedItem = -1;
    m_pList->RemoveAll();
}

// --- Selection and expansion -------------------------------------------------------------

bool CListUI::SelectItem(int index, bool takeFocus) {
    if (index == m_iCurSel) return true;
    const int previous = m_iCurSel;
    if (m_iCurSel >= 0) {
        if (IListItemUI* item = ListItemAt(m_iCurSel)) item->Select(false);
        m_iCurSel = -1;
    }
    if (index < 0) return false;
    CControlUI* control = m_pList->GetItemAt(index);
    if (!control || !control->IsVisible() || !control->IsEnabled()) return false;
    IListItemUI* item = static_cast<IListItemUI*>(control->AsInterface("ListItem"));
    if (!item) return false;
    m_iCurSel = index;
    if (!item->Select(true)) {
        m_iCurSel = -1;
        return false;
    }
    EnsureVisible(m_iCurSel);
    if (takeFocus) control->SetFocus();
    if (m_pManager) m_pManager->SendNotification(this, "itemselect", static_cast<WPARAM>(m_iCurSel), previous);
    return true;
}

bool CListUI::ExpandItem(int index, bool expand) {
    if (m_iExpandedItem >= 0 && !m_ListInfo.bMultiExpandable) {
        if (IListItemUI* item = ListItemAt(m_iExpandedItem)) item->Expand(false);
        m_iExpandedItem = -1;
    }
    if (expand) {
        IListItemUI* item = ListItemAt(index);
        if (!item) return false;
        if (!item->Expand(true)) return false;
        m_iExpandedItem = index;
    } else if (IListItemUI* item = ListItemAt(index)) {
        item->Expand(false);
    }
    RequestLayout();
    return true;
}

void CListUI::EnsureVisible(int index) {
    CControlUI* control = m_pList->GetItemAt(index);
    if (!control) return;
    const RECT item = control->GetPos();
    const RECT body = m_pList->GetPos();
    const RECT inset = m_pList->GetInset();
    const LONG top = body.top + inset.top;
    LONG bottom = body.bottom - inset.bottom;
    if (CScrollBarUI* bar = m_pList->GetHorizontalScrollBar(); bar && bar->IsVisible()) bottom -= bar->GetFixedHeight();
    int dy = 0;
    if (item.top < top) dy = item.top - top;
    else if (item.bottom >= bottom) dy = item.bottom - bottom;
    if (dy == 0) return;
    SIZE pos = m_pList->GetScrollPos();
    pos.cy += dy;
    m_pList->SetScrollPos(pos);
}

int CListUI::FindSelectableItem(int index, bool forward) const { return m_pList->FindSelectableItem(index, forward); }

// --- Events ------------------------------------------------------------------------------

void CListUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        if (m_pParent) m_pParent->HandleEvent(event);
        else CVerticalLayoutUI::HandleEvent(event);
        return;
    }
    switch (event.Type) {
        case EV_SETFOCUS:
            m_bFocused = true;
            Invalidate();
            return;
        case EV_KILLFOCUS:
            m_bFocused = false;
            Invalidate();
            return;
        case EV_KEYDOWN:
            switch (static_cast<unsigned char>(event.chKey)) {
                case VK_RETURN:
                    if (CControlUI* selected = m_pList->GetItemAt(m_iCurSel)) selected->Activate();
                    return;
                case VK_UP: SelectItem(FindSelectableItem(m_iCurSel - 1, false), true); return;
                case VK_DOWN: SelectItem(FindSelectableItem(m_iCurSel + 1, true), true); return;
                case VK_PRIOR: ScrollPageUp(); return;
                case VK_NEXT: ScrollPageDown(); return;
                case VK_HOME: SelectItem(FindSelectableItem(0, false), true); return;
                case VK_END: SelectItem(FindSelectableItem(GetCount() - 1, true), true); return;
                default: break;
            }
            break;
        case EV_SCROLLWHEEL: {
            const bool down = LOWORD(event.wParam) == SB_LINEDOWN;
            if (m_bScrollSelect) SelectItem(FindSelectableItem(m_iCurSel + (down ? 1 : -1), down), true);
            else if (down) ScrollLineDown();
            else ScrollLineUp();
            return;
        }
        default:
            break;
    }
    CVerticalLayoutUI::HandleEvent(event);
}

// --- Scrolling, all the body's -----------------------------------------------------------

SIZE CListUI::GetScrollPos() const { return m_pList->GetScrollPos(); }
SIZE CListUI::GetScrollRange() const { return m_pList->GetScrollRange(); }
void CListUI::SetScrollPos(SIZE pos) { m_pList->SetScrollPos(pos); }
void CListUI::ScrollLineUp() { m_pList->ScrollLineUp(); }
void CListUI::ScrollLineDown() { m_pList->ScrollLineDown(); }
void CListUI::ScrollPageUp() { m_pList->ScrollPageUp(); }
void CListUI::ScrollPageDown() { m_pList->ScrollPageDown(); }
void CListUI::ScrollToTop() { m_pList->ScrollToTop(); }
void CListUI::ScrollToBottom() { m_pList->ScrollToBottom(); }
void CListUI::ScrollLineLeft() { m_pList->ScrollLineLeft(); }
void CListUI::ScrollLineRight() { m_pList->ScrollLineRight(); }
void CListUI::ScrollPageLeft() { m_pList->ScrollPageLeft(); }
void CListUI::ScrollPageRight() { m_pList->ScrollPageRight(); }
void CListUI::ScrollToLeft() { m_pList->ScrollToLeft(); }
void CListUI::ScrollToRight() { m_pList->ScrollToRight(); }
void CListUI::EnableScrollBars(bool vertical, bool horizontal) { m_pList->EnableScrollBars(vertical, horizontal); }
CScrollBarUI* CListUI::GetVerticalScrollBar() const { return m_pList->GetVerticalScrollBar(); }
CScrollBarUI* CListUI::GetHorizontalScrollBar() const { return m_pList->GetHorizontalScrollBar(); }

// --- Attributes --------------------------------------------------------------------------

void CListUI::SetItemFont(int index) {
    m_ListInfo.nFont = index;
    RequestLayout();
}

void CListUI::SetItemTextStyle(UINT style) {
    m_ListInfo.uTextStyle = style;
    Invalidate();
}

void CListUI::SetItemTextPadding(RECT rc) {
    m_ListInfo.rcTextPadding = rc;
    RequestLayout();
}

void CListUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    TListInfoUI& info = m_ListInfo;
    if (is("header")) m_pHeader->SetVisible(strcmp(value, "hidden") != 0);
    else if (is("headerbkimage")) m_pHeader->SetBkImage(value);
    else if (is("scrollselect")) SetScrollSelect(attr::ParseBool(value));
    else if (is("multiexpanding")) info.bMultiExpandable = attr::ParseBool(value);
    else if (is("itemendellipsis"))
        SetItemTextStyle(attr::ParseBool(value) ? (info.uTextStyle | DT_END_ELLIPSIS) : (info.uTextStyle & ~DT_END_ELLIPSIS));
    else if (is("vscrollbar") || is("hscrollbar") || is("vscrollbarstyle") || is("hscrollbarstyle")) {
        m_bBarsMade = true;
        m_pList->SetAttribute(name, value);
    } else if (!ApplyItemAttribute(*this, info, name, value)) {
        CVerticalLayoutUI::SetAttribute(name, value);
    }
    Invalidate();
}

}  // namespace SkinUI
