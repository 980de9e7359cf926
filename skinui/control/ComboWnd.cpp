// CComboWnd: placement of the drop-down, lending the combo's items to its
// list, keys, wheel and clicks, and handing everything back on close.
#include "skinui/control/ComboWnd.h"

#include <cstring>

#include "skinui/control/Button.h"
#include "skinui/control/Combo.h"
#include "skinui/control/ScrollBar.h"
#include "skinui/control/VerticalLayout.h"

namespace SkinUI {
namespace {

// Sent to the combo's window when a close button inside an item is clicked.
constexpr UINT kItemCloseButtonMessage = WM_USER + 100;

CControlUI* CALLBACK ForgetInManager(CControlUI* control, LPVOID manager) {
    static_cast<CPaintManagerUI*>(manager)->ReleaseControl(control);
    return nullptr;
}

RECT PrimaryWorkArea() {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    const POINT origin = {0, 0};
    if (::GetMonitorInfoA(::MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), &info)) return info.rcWork;
    RECT work = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return work;
}

}  // namespace

CComboWnd* CComboWnd::Open(CComboUI* owner) {
    auto* window = new CComboWnd;
    if (window->Init(owner)) return window;
    // Once a native window existed its final message deleted the object.
    if (!window->m_hWnd) delete window;
    return nullptr;
}

const char* CComboWnd::WindowClassName() const { return "ComboWnd"; }

bool CComboWnd::Init(CComboUI* owner) {
    m_pOwner = owner;
    CPaintManagerUI* manager = owner ? owner->GetManager() : nullptr;
    if (!manager || !manager->PaintWindow()) return false;
    m_iOldSel = owner->GetCurSel();

    const RECT& item = owner->GetPos();
    RECT rc = item;
    const SIZE box = owner->GetDropBoxSize();
    if (box.cx > 0) rc.right = rc.left + box.cx;
    const SIZE available = {rc.right - rc.left, box.cy};
    int height = 0;
    for (int i = 0; i < owner->GetCount(); ++i) {
        CControlUI* child = owner->GetItemAt(i);
        if (!child->IsVisible()) continue;
        height += child->MeasureSize(available).cy;
    }
    height += 4;
    if (height > box.cy) height = box.cy;
    rc.top = item.bottom;
    rc.bottom = rc.top + height;

    HWND paint = manager->PaintWindow();
    ::MapWindowPoints(paint, HWND_DESKTOP, reinterpret_cast<POINT*>(&rc), 2);
    if (rc.bottom > PrimaryWorkArea().bottom) {
        POINT top = {item.left, item.top};
        ::ClientToScreen(paint, &top);
        rc.bottom = top.y;
        rc.top = rc.bottom - height;
    }

    if (!Create(paint, nullptr, WS_POPUP, WS_EX_TOOLWINDOW, rc)) return false;
    HWND topLevel = paint;
    while (HWND parent = ::GetParent(topLevel)) topLevel = parent;
    ShowWindow();
    ::SendMessageA(topLevel, WM_NCACTIVATE, TRUE, 0);
    return true;
}

void CComboWnd::OnCreate() {
    CPaintManagerUI* ownerManager = m_pOwner->GetManager();
    m_pm.AttachWindow(m_hWnd);
    m_pm.BorrowResources(ownerManager);
    // Fonts by index are never looked up in the owner, so the items' font
    // indexes get the same fonts here.
    for (int i = 0; i < ownerManager->FontCount(); ++i) {
        const TSkinFont* font = ownerManager->FontInfoByIndex(i);
        m_pm.RegisterFont(font->sFontName, font->iSize, font->bBold, font->bUnderline, font->bItalic);
    }

    m_pLayout = new CVerticalLayoutUI;
    m_pLayout->SetManager(&m_pm, nullptr, false);
    if (const char* defaults = ownerManager->ClassDefaults("VerticalLayout")) m_pLayout->ApplyAttributes(defaults);
    m_pLayout->SetInset({1, 1, 1, 1});
    m_pLayout->SetBkColor(0xFFFFFFFF);
    m_pLayout->SetBorderColor(0xFFCCCCCC);
    m_pLayout->SetBorderSize(1);
    // The items stay the combo's: the list only shows them.
    m_pLayout->SetAutoDestroy(false);
    m_pLayout->EnableScrollBars();
    m_pLayout->ApplyAttributes(m_pOwner->GetDropBoxAttributeList());
    m_pm.AttachRoot(m_pLayout);
    for (int i = 0; i < m_pOwner->GetCount(); ++i) m_pLayout->Add(m_pOwner->GetItemAt(i));
    m_bItemsLent = true;
}

void CComboWnd::ReturnItems() {
    if (!m_bItemsLent) return;
    m_bItemsLent = false;
    // The list's manager must not keep pointing at controls it no longer shows.
    m_pLayout->FindControl(&ForgetInManager, &m_pm, FIND_ALL);
    if (m_pOwner) {
        for (int i = 0; i < m_pOwner->GetCount(); ++i)
            m_pOwner->GetItemAt(i)->SetManager(m_pOwner->GetManager(), m_pOwner, false);
    }
    m_pLayout->RemoveAll();
}

void CComboWnd::DestroyForOwner() {
    ReturnItems();
    m_pOwner = nullptr;
    // Called back from one of our own messages: the window goes once that returns.
    if (m_iDepth > 0) PostMessage(WM_CLOSE);
    else ::DestroyWindow(m_hWnd);
}

void CComboWnd::EnsureSelectionVisible() {
    if (!m_pOwner || !m_pLayout || !m_bItemsLent) return;
    CControlUI* item = m_pOwner->GetItemAt(m_pOwner->GetCurSel());
    if (!item) return;
    const RECT pos = item->GetPos();
    const RECT inner = m_pLayout->GetInnerRect();
    if (::IsRectEmpty(&inner)) return;
    int dy = 0;
    if (pos.top < inner.top) dy = pos.top - inner.top;
    else if (pos.bottom > inner.bottom) dy = pos.bottom - inner.bottom;
    if (dy == 0) return;
    SIZE scroll = m_pLayout->GetScrollPos();
    scroll.cy += dy;
    m_pLayout->SetScrollPos(scroll);
}

void CComboWnd::OnButtonUp(LPARAM lParam) {
    const POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    CControlUI* control = m_pm.FindControl(pt);
    if (!control || strcmp(control->GetTypeName(), "ScrollBarUI") == 0) return;
    if (m_pOwner && strcmp(control->GetTypeName(), "VLComboBoxCloseBtn") == 0) {
        int index = -1;
        if (CControlUI* parent = control->GetParent()) {
            if (auto* item = static_cast<IListItemUI*>(parent->AsInterface("ListItem"))) index = item->ItemIndex();
        }
        if (CPaintManagerUI* manager = m_pOwner->GetManager())
            ::PostMessageA(manager->PaintWindow(), kItemCloseButtonMessage, static_cast<WPARAM>(index), lParam);
    }
    PostMessage(WM_KILLFOCUS);
}

LRESULT CComboWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    ++m_iDepth;
    const LRESULT result = Dispatch(msg, wParam, lParam);
    // The window may have ended inside; the object goes after the last message.
    if (--m_iDepth == 0 && m_bGone) delete this;
    return result;
}

LRESULT CComboWnd::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_CLOSE: {
            // The manager first lets go of hover, press and focus on the items.
            LRESULT ignored = 0;
            if (m_bItemsLent) m_pm.HandleWindowMessage(msg, wParam, lParam, ignored);
            ReturnItems();
            if (m_pOwner) {
                m_pOwner->SetPos(m_pOwner->GetPos());
                m_pOwner->SetFocus();
            }
            return CWindowWnd::HandleMessage(msg, wParam, lParam);
        }
        case WM_KILLFOCUS:
            if (reinterpret_cast<HWND>(wParam) != m_hWnd) PostMessage(WM_CLOSE);
            break;
        case WM_LBUTTONUP:
            OnButtonUp(lParam);
            break;
        case WM_KEYDOWN:
            if (!m_pOwner) break;
            if (wParam == VK_RETURN) {
                PostMessage(WM_KILLFOCUS);
                return 0;
            }
            if (wParam == VK_ESCAPE) {
                m_pOwner->m_bNavigating = true;
                m_pOwner->SelectItem(m_iOldSel);
                m_pOwner->m_bNavigating = false;
                PostMessage(WM_KILLFOCUS);
                return 0;
            }
            {
                TControlEvent event;
                event.Type = EV_KEYDOWN;
                event.pSender = m_pOwner;
                event.chKey = static_cast<char>(wParam);
                event.wParam = wParam;
                event.lParam = lParam;
                event.dwTimestamp = ::GetTickCount();
                m_pOwner->Navigate(event);
            }
            EnsureSelectionVisible();
            return 0;
        case WM_MOUSEWHEEL: {
            if (!m_pOwner) break;
            TControlEvent event;
            event.Type = EV_SCROLLWHEEL;
            event.pSender = m_pOwner;
            event.wParam = MAKEWPARAM(GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? SB_LINEDOWN : SB_LINEUP, 0);
            event.lParam = lParam;
            event.dwTimestamp = ::GetTickCount();
            m_pOwner->Navigate(event);
            EnsureSelectionVisible();
            return 0;
        }
        default:
            break;
    }
    LRESULT result = 0;
    if (m_pm.HandleWindowMessage(msg, wParam, lParam, result)) return result;
    return CWindowWnd::HandleMessage(msg, wParam, lParam);
}

void CComboWnd::OnFinalMessage(HWND) {
    ReturnItems();
    if (m_pOwner) {
        m_pOwner->m_pWindow = nullptr;
        m_pOwner->m_uButtonState &= ~UISTATE_PUSHED;
        m_pOwner->Invalidate();
        m_pOwner = nullptr;
    }
    m_bGone = true;
    if (m_iDepth == 0) delete this;
}

}  // namespace SkinUI
