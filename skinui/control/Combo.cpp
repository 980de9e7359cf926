// CComboUI: the item list it owns, selection by keys and wheel, opening the
// drop-down, and painting of the shown item.
#include "skinui/control/Combo.h"

#include <cstdlib>
#include <cstring>

#include "skinui/control/Button.h"
#include "skinui/control/ComboWnd.h"
#include "skinui/control/ListItemAttributes.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {

CComboUI::CComboUI() = default;

CComboUI::~CComboUI() {
    // The items must be home before the container deletes them.
    CloseDropDownNow();
}

const char* CComboUI::GetTypeName() const { return "ComboUI"; }

void* CComboUI::AsInterface(const char* name) {
    if (name && strcmp(name, "Combo") == 0) return static_cast<CComboUI*>(this);
    if (name && strcmp(name, "IListOwner") == 0) return static_cast<IListOwnerUI*>(this);
    return CContainerUI::AsInterface(name);
}

UINT CComboUI::GetInputFlags() const { return INPUT_TAB_STOP; }

HWND CComboUI::GetDropDownWindow() const { return m_pWindow ? m_pWindow->GetHWND() : nullptr; }

void CComboUI::CloseDropDownNow() {
    if (!m_pWindow) return;
    CComboWnd* window = m_pWindow;
    m_pWindow = nullptr;
    m_uButtonState &= ~UISTATE_PUSHED;
    window->DestroyForOwner();
}

bool CComboUI::Activate() {
    if (!CControlUI::Activate()) return false;
    if (m_pWindow) return true;
    m_pWindow = CComboWnd::Open(this);
    if (!m_pWindow) return false;
    m_uButtonState |= UISTATE_PUSHED;
    if (m_pManager) m_pManager->SendNotification(this, "dropdown");
    Invalidate();
    return true;
}

void CComboUI::SetEnabled(bool enabled) {
    CContainerUI::SetEnabled(enabled);
    if (!IsEnabled()) {
        m_uButtonState = 0;
        if (m_pWindow) m_pWindow->Close();
    }
}

void CComboUI::SetPos(RECT rc) {
    CControlUI::SetPos(rc);
    // The items are painted only into the combo (the selected one) or the
    // drop-down; here they have no place of their own.
    if (m_pWindow && m_pWindow->ItemsLent()) return;
    const RECT none = {0, 0, 0, 0};
    for (int i = 0; i < m_items.Count(); ++i) {
        if (!::IsRectEmpty(&Child(i)->GetPos())) Child(i)->SetPos(none);
    }
}

CControlUI* CComboUI::FindControl(FINDCONTROLPROC proc, LPVOID data, UINT flags) {
    // The items are never under a point of this window, even while the
    // drop-down gives them places in its own.
    if (flags & FIND_AT_POINT) return CControlUI::FindControl(proc, data, flags);
    return CContainerUI::FindControl(proc, data, flags);
}

// --- Items -----------------------------------------------------------------------------

IListItemUI* CComboUI::ListItemAt(int index) const {
    CControlUI* control = GetItemAt(index);
    return control ? static_cast<IListItemUI*>(control->AsInterface("ListItem")) : nullptr;
}

void CComboUI::Renumber(int from) {
    for (int i = from < 0 ? 0 : from; i < m_items.Count(); ++i) {
        if (IListItemUI* item = ListItemAt(i)) item->SetItemIndex(i);
    }
}

bool CComboUI::Add(CControlUI* control) {
    if (!control) return false;
    CloseDropDownNow();
    if (IListItemUI* item = static_cast<IListItemUI*>(control->AsInterface("ListItem"))) {
        item->SetItemOwner(this);
        item->SetItemIndex(m_items.Count());
    }
    return CContainerUI::Add(control);
}

bool CComboUI::AddAt(CControlUI* control, int index) {
    CloseDropDownNow();
    if (!CContainerUI::AddAt(control, index)) return false;
    if (IListItemUI* item = static_cast<IListItemUI*>(control->AsInterface("ListItem"))) item->SetItemOwner(this);
    Renumber(index);
    if (m_iCurSel >= index) ++m_iCurSel;
    return true;
}

bool CComboUI::SetItemIndex(CControlUI* control, int index) {
    const int old = GetItemIndex(control);
    if (old < 0) return false;
    CloseDropDownNow();
    CControlUI* selected = GetItemAt(m_iCurSel);
    if (!CContainerUI::SetItemIndex(control, index)) return false;
    Renumber(0);
    // The selection stays on the same item.
    if (selected) m_iCurSel = GetItemIndex(selected);
    return true;
}

bool CComboUI::Remove(CControlUI* control) {
    const int index = GetItemIndex(control);
    if (index < 0) return false;
    CloseDropDownNow();
    if (!CContainerUI::Remove(control)) return false;
    Renumber(index);
    if (index == m_iCurSel) m_iCurSel = -1;
    else if (index < m_iCurSel) --m_iCurSel;
    Invalidate();
    return true;
}

bool CComboUI::RemoveAt(int index) {
    CControlUI* control = GetItemAt(index);
    return control ? Remove(control) : false;
}

void CComboUI::RemoveAll() {
    CloseDropDownNow();
    m_iCurSel = -1;
    CContainerUI::RemoveAll();
}

// --- Selection -----------------------------------------------------------------------------

bool CComboUI::SelectItem(int index, bool takeFocus) {
    // Keys and wheel in the open box move the selection and leave it open.
    if (m_pWindow && !m_bNavigating) m_pWindow->Close();
    if (index == m_iCurSel) return true;
    const int previous = m_iCurSel;
    if (m_iCurSel >= 0) {
        if (IListItemUI* item = ListItemAt(m_iCurSel)) item->Select(false);
        m_iCurSel = -1;
    }
    if (index < 0 || m_items.Count() == 0) {
        // Escape in the open box going back to no selection: whoever heard
        // of the moves must hear of this one too.
        if (m_bNavigating && previous >= 0 && m_pManager)
            m_pManager->SendNotification(this, "itemselect", static_cast<WPARAM>(-1), previous);
        Invalidate();
        return false;
    }
    if (index >= m_items.Count()) index = m_items.Count() - 1;
    CControlUI* control = Child(index);
    IListItemUI* item = static_cast<IListItemUI*>(control->AsInterface("ListItem"));
    if (!item || !control->IsVisible() || !control->IsEnabled()) {
        Invalidate();
        return false;
    }
    m_iCurSel = index;
    if (m_pWindow || takeFocus) control->SetFocus();
    item->Select(true);
    if (m_pManager) m_pManager->SendNotification(this, "itemselect", static_cast<WPARAM>(m_iCurSel), previous);
    Invalidate();
    return true;
}

void CComboUI::Navigate(TControlEvent& event) {
    m_bNavigating = true;
    HandleEvent(event);
    m_bNavigating = false;
}

// --- Events ------------------------------------------------------------------------------

void CComboUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        if (m_pParent) m_pParent->HandleEvent(event);
        else CControlUI::HandleEvent(event);
        return;
    }
    // A target of -1 means there is nothing to move to: the selection stays.
    const auto moveTo = [this](int target) {
        if (target >= 0) SelectItem(target);
    };
    switch (event.Type) {
        case EV_SETFOCUS:
        case EV_KILLFOCUS:
            CControlUI::HandleEvent(event);
            Invalidate();
            return;
        case EV_BUTTONDOWN:
            if (IsEnabled()) {
                // Pushed means open: a box that could not open must not look pushed for good.
                Activate();
                m_uButtonState |= UISTATE_CAPTURED;
                if (m_pWindow) m_uButtonState |= UISTATE_PUSHED;
            }
            return;
        case EV_BUTTONUP:
            if (m_uButtonState & UISTATE_CAPTURED) {
                m_uButtonState &= ~UISTATE_CAPTURED;
                Invalidate();
            }
            return;
        case EV_MOUSEENTER:
            if (IsEnabled() && ::PtInRect(&m_rcItem, event.ptMouse)) {
                m_uButtonState |= UISTATE_HOT;
                Invalidate();
            }
            return;
        case EV_MOUSELEAVE:
            if (m_uButtonState & UISTATE_HOT) {
                m_uButtonState &= ~UISTATE_HOT;
                Invalidate();
            }
            return;
        case EV_MOUSEMOVE:
        case EV_CONTEXTMENU:
            return;
        case EV_KEYDOWN:
            switch (static_cast<unsigned char>(event.chKey)) {
                case VK_UP:
                case VK_PRIOR: moveTo(FindSelectableItem(m_iCurSel - 1, false)); return;
                case VK_DOWN:
                case VK_NEXT: moveTo(FindSelectableItem(m_iCurSel + 1, true)); return;
                case VK_HOME: moveTo(FindSelectableItem(0, false)); return;
                case VK_END: moveTo(FindSelectableItem(m_items.Count() - 1, true)); return;
                case VK_F4: Activate(); return;
                default: break;
            }
            break;
        case EV_SCROLLWHEEL: {
            const bool down = LOWORD(event.wParam) == SB_LINEDOWN;
            moveTo(FindSelectableItem(m_iCurSel + (down ? 1 : -1), down));
            return;
        }
        default:
            break;
    }
    CControlUI::HandleEvent(event);
}

// --- Attributes ----------------------------------------------------------------------------

void CComboUI::SetTextPadding(RECT rc) {
    m_rcTextPadding = rc;
    Invalidate();
}

void CComboUI::SetNormalImage(const char* descriptor) {
    m_sNormalImage = descriptor;
    Invalidate();
}
void CComboUI::SetHotImage(const char* descriptor) {
    m_sHotImage = descriptor;
    Invalidate();
}
void CComboUI::SetPushedImage(const char* descriptor) {
    m_sPushedImage = descriptor;
    Invalidate();
}
void CComboUI::SetFocusedImage(const char* descriptor) {
    m_sFocusedImage = descriptor;
    Invalidate();
}
void CComboUI::SetDisabledImage(const char* descriptor) {
    m_sDisabledImage = descriptor;
    Invalidate();
}

void CComboUI::SetItemFont(int index) {
    m_ListInfo.nFont = index;
    Invalidate();
}

void CComboUI::SetItemTextStyle(UINT style) {
    m_ListInfo.uTextStyle = style;
    Invalidate();
}

void CComboUI::SetItemTextPadding(RECT rc) {
    m_ListInfo.rcTextPadding = rc;
    Invalidate();
}

void CComboUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    if (is("textpadding")) SetTextPadding(attr::ParseRect(value));
    else if (is("normalimage")) SetNormalImage(value);
    else if (is("hotimage")) SetHotImage(value);
    else if (is("pushedimage")) SetPushedImage(value);
    else if (is("focusedimage")) SetFocusedImage(value);
    else if (is("disabledimage")) SetDisabledImage(value);
    else if (is("dropbox")) SetDropBoxAttributeList(value);
    else if (is("dropboxsize")) SetDropBoxSize(attr::ParseSize(value));
    else if (!ApplyItemAttribute(*this, m_ListInfo, name, value)) CContainerUI::SetAttribute(name, value);
}

// --- Painting --------------------------------------------------------------------------------

void CComboUI::Paint(HDC hDC, const RECT& rcDirty) {
    // The items are never painted as children here.
    CControlUI::Paint(hDC, rcDirty);
}

void CComboUI::PaintStateImages(HDC hDC) {
    const auto drawOrForget = [&](CSkinString& descriptor) {
        if (descriptor.IsEmpty()) return false;
        if (DrawImage(hDC, descriptor)) return true;
        descriptor.Clear();
        return false;
    };
    if (!IsEnabled()) {
        if (drawOrForget(m_sDisabledImage)) return;
    } else if (m_uButtonState & UISTATE_PUSHED) {
        if (drawOrForget(m_sPushedImage)) return;
    } else if (m_uButtonState & UISTATE_HOT) {
        if (drawOrForget(m_sHotImage)) return;
    } else if (IsFocused()) {
        if (drawOrForget(m_sFocusedImage)) return;
    }
    drawOrForget(m_sNormalImage);
}

void CComboUI::PaintText(HDC hDC) {
    const RECT rc = {m_rcItem.left + m_rcTextPadding.left, m_rcItem.top + m_rcTextPadding.top,
                     m_rcItem.right - m_rcTextPadding.right, m_rcItem.bottom - m_rcTextPadding.bottom};
    PaintSelectedItem(hDC, rc);
}

void CComboUI::PaintSelectedItem(HDC hDC, const RECT& rc) {
    CControlUI* item = GetItemAt(m_iCurSel);
    if (!item) return;
    RECT dirty;
    if (!::IntersectRect(&dirty, &m_rcPaint, &rc)) return;
    // Moving the item for this one paint must not invalidate anything, or
    // the window would repaint forever: it moves while it has no manager.
    CPaintManagerUI* manager = item->GetManager();
    CControlUI* parent = item->GetParent();
    const RECT home = item->GetPos();
    item->SetManager(nullptr, parent, false);
    item->SetPos(rc);
    item->SetManager(manager, parent, false);
    item->Paint(hDC, dirty);
    item->SetManager(nullptr, parent, false);
    item->SetPos(home);
    item->SetManager(manager, parent, false);
}

}  // namespace SkinUI
