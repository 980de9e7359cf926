// CPaintManagerUI: window messages into control events, painting through the
// back buffer, hot control and hover, tooltips, keyboard pre-filtering.
#include <windowsx.h>

#include <cstring>

#include "skinui/control/Control.h"
#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {
namespace {

constexpr UINT kDelayedDeleteMessage = WM_APP + 1;
constexpr UINT kReflectOffset = 0x2000;

POINT PointOf(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// The dirty-rectangle pen of "showdirty", made once for the process.
HPEN DirtyPen() {
    static const PenHandle pen(CreatePen(PS_SOLID, 1, RGB(220, 0, 0)));
    return pen.get();
}

CControlUI* CALLBACK FirstPendingLayout(CControlUI* control, LPVOID) {
    return control->IsLayoutPending() ? control : nullptr;
}

// The shortcut search of WM_SYSCHAR: see PreFilterMessage.
struct ShortcutSearch {
    char key;
    bool found = false;
};

CControlUI* CALLBACK VisitForShortcut(CControlUI* control, LPVOID data) {
    auto* search = static_cast<ShortcutSearch*>(data);
    if (!control->IsVisible()) return nullptr;
    if (!search->found) {
        const char shortcut = static_cast<char>(toupper(static_cast<unsigned char>(control->GetShortcut())));
        if (shortcut && shortcut == search->key) search->found = true;
    }
    if (search->found && !strstr(control->GetTypeName(), "LabelUI")) return control;
    return nullptr;
}

}  // namespace

WORD CPaintManagerUI::KeyState() const {
    WORD state = 0;
    if (GetKeyState(VK_CONTROL) < 0) state |= KEYSTATE_CONTROL;
    if (GetKeyState(VK_RBUTTON) < 0) state |= KEYSTATE_RBUTTON;
    if (GetKeyState(VK_LBUTTON) < 0) state |= KEYSTATE_LBUTTON;
    if (GetKeyState(VK_SHIFT) < 0) state |= KEYSTATE_SHIFT;
    if (GetKeyState(VK_MENU) < 0) state |= KEYSTATE_ALT;
    return state;
}

void CPaintManagerUI::DispatchTo(CControlUI* control, TControlEvent& event) {
    if (!control) return;
    event.dwTimestamp = GetTickCount();
    control->DispatchEvent(event);
}

bool CPaintManagerUI::HandleWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!m_hWndPaint) return false;
    DeliverQueuedNotifications();

    for (int i = 0; i < m_aMessageFilters.Count(); ++i) {
        bool handled = false;
        const LRESULT filtered =
            static_cast<IMessageFilterUI*>(m_aMessageFilters[i])->MessageHandler(msg, wParam, lParam, handled);
        if (handled) {
            result = filtered;
            return true;
        }
    }

    switch (msg) {
        case kDelayedDeleteMessage: {
            CSkinPtrArray doomed(m_aDelayedCleanup);
            m_aDelayedCleanup.Clear();
            for (int i = 0; i < doomed.Count(); ++i) delete static_cast<CControlUI*>(doomed[i]);
            break;
        }
        case WM_SIZE: {
            if (m_pFocus) {
                TControlEvent event;
                event.Type = EV_WINDOWSIZE;
                event.pSender = m_pFocus;
                DispatchTo(m_pFocus, event);
            }
            if (m_pRoot) m_pRoot->RequestLayout();
            result = 0;
            return true;
        }
        case WM_PAINT:
            Paint();
            result = 0;
            return true;
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_PRINTCLIENT: {
            if (!m_pRoot) break;
            HDC dc = reinterpret_cast<HDC>(wParam);
            RECT client;
            GetClientRect(m_hWndPaint, &client);
            {
                SavedDcState saved(dc);
                m_pRoot->Paint(dc, client);
            }
            if (lParam & PRF_CHILDREN) {
                for (HWND child = GetWindow(m_hWndPaint, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                    RECT rc;
                    GetWindowRect(child, &rc);
                    MapWindowPoints(HWND_DESKTOP, m_hWndPaint, reinterpret_cast<POINT*>(&rc), 2);
                    SavedDcState saved(dc);
                    OffsetViewportOrgEx(dc, rc.left, rc.top, nullptr);
                    SendMessageA(child, WM_PRINT, wParam, lParam | PRF_CLIENT);
                }
            }
            result = 0;
            return true;
        }
        case WM_CLOSE: {
            TControlEvent event;
            event.ptMouse = m_ptLastMousePos;
            if (m_pEventHover) {
                event.Type = EV_MOUSELEAVE;
                event.pSender = m_pEventHover;
                DispatchTo(m_pEventHover, event);
            }
            if (m_pEventClick) {
                event.Type = EV_BUTTONUP;
                event.pSender = m_pEventClick;
                DispatchTo(m_pEventClick, event);
            }
            FocusControl(nullptr);
            HWND owner = GetWindow(m_hWndPaint, GW_OWNER);
            if (owner) ::SetFocus(owner);
            break;
        }
        case WM_SETCURSOR: {
            if (LOWORD(lParam) != HTCLIENT) break;
            if (m_bMouseCapture) {
                result = TRUE;
                return true;
            }
            POINT pt;
            GetCursorPos(&pt);
            ScreenToClient(m_hWndPaint, &pt);
            CControlUI* control = FindControl(pt);
            if (!control || !(control->GetInputFlags() & INPUT_WANTS_CURSOR)) break;
            TControlEvent event;
            event.Type = EV_SETCURSOR;
            event.wParam = wParam;
            event.lParam = lParam;
            event.ptMouse = pt;
            event.wKeyState = KeyState();
            DispatchTo(control, event);
            result = TRUE;
            return true;
        }
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            if (m_szMinWindow.cx > 0) info->ptMinTrackSize.x = m_szMinWindow.cx;
            if (m_szMinWindow.cy > 0) info->ptMinTrackSize.y = m_szMinWindow.cy;
            if (m_szMaxWindow.cx > 0) info->ptMaxTrackSize.x = m_szMaxWindow.cx;
            if (m_szMaxWindow.cy > 0) info->ptMaxTrackSize.y = m_szMaxWindow.cy;
            break;
        }
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (!header) break;
            result = SendMessageA(header->hwndFrom, msg + kReflectOffset, wParam, lParam);
            return true;
        }
        case WM_COMMAND:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC: {
            if (!lParam) break;
            result = SendMessageA(reinterpret_cast<HWND>(lParam), msg + kReflectOffset, wParam, lParam);
            return true;
        }
        case WM_CONTEXTMENU: {
            if (!m_pEventClick) break;
            POINT pt = PointOf(lParam);
            ScreenToClient(m_hWndPaint, &pt);
            m_ptLastMousePos = pt;
            ReleaseMouse();
            TControlEvent event;
            event.Type = EV_CONTEXTMENU;
            event.pSender = m_pEventClick;
            event.ptMouse = pt;
            event.wKeyState = static_cast<WORD>(wParam);
            event.lParam = reinterpret_cast<LPARAM>(m_pEventClick);
            CControlUI* pressed = m_pEventClick;
            m_pEventClick = nullptr;
            DispatchTo(pressed, event);
            break;
        }
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR: {
            CControlUI* target = msg == WM_KEYUP ? m_pEventKey : m_pFocus;
            if (!target) break;
            TControlEvent event;
            event.Type = msg == WM_KEYDOWN ? EV_KEYDOWN : (msg == WM_KEYUP ? EV_KEYUP : EV_CHAR);
            event.chKey = static_cast<char>(wParam);
            event.ptMouse = m_ptLastMousePos;
            event.wKeyState = KeyState();
            event.wParam = wParam;
            event.lParam = lParam;
            if (msg == WM_KEYDOWN) m_pEventKey = target;
            if (msg == WM_KEYUP) m_pEventKey = nullptr;
            DispatchTo(target, event);
            break;
        }
        case WM_TIMER: {
            for (int i = 0; i < m_aTimers.Count(); ++i) {
                auto* timer = static_cast<TimerInfo*>(m_aTimers[i]);
                if (timer->hWnd == m_hWndPaint && timer->uWinTimer == LOWORD(wParam) && !timer->bKilled) {
                    TControlEvent event;
                    event.Type = EV_TIMER;
                    event.pSender = timer->pSender;
                    event.wParam = timer->nLocalID;
                    event.lParam = lParam;
                    event.ptMouse = m_ptLastMousePos;
                    DispatchTo(timer->pSender, event);
                    break;
                }
            }
            break;
        }
        case WM_MOUSEMOVE:
            OnMouseMove(PointOf(lParam));
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN: {
            ::SetFocus(m_hWndPaint);
            const POINT pt = PointOf(lParam);
            m_ptLastMousePos = pt;
            CControlUI* control = FindControl(pt);
            if (!control || control->GetManager() != this) break;
            m_pEventClick = control;
            if (msg != WM_LBUTTONDBLCLK) control->SetFocus();
            CaptureMouse();
            TControlEvent event;
            event.Type = msg == WM_LBUTTONDOWN ? EV_BUTTONDOWN
                                               : (msg == WM_RBUTTONDOWN ? EV_RBUTTONDOWN : EV_DBLCLICK);
            event.pSender = control;
            event.ptMouse = pt;
            event.wParam = wParam;
            event.lParam = lParam;
            event.wKeyState = static_cast<WORD>(wParam);
            DispatchTo(control, event);
            break;
        }
        case WM_LBUTTONUP: {
            const POINT pt = PointOf(lParam);
            m_ptLastMousePos = pt;
            if (!m_pEventClick) break;
            ReleaseMouse();
            TControlEvent event;
            event.Type = EV_BUTTONUP;
            event.pSender = m_pEventClick;
            event.ptMouse = pt;
            event.wParam = wParam;
            event.lParam = lParam;
            event.wKeyState = static_cast<WORD>(wParam);
            CControlUI* pressed = m_pEventClick;
            m_pEventClick = nullptr;
            DispatchTo(pressed, event);
            break;
        }
        case WM_MOUSEWHEEL: {
            POINT pt = PointOf(lParam);
            ScreenToClient(m_hWndPaint, &pt);
            m_ptLastMousePos = pt;
            CControlUI* control = FindControl(pt);
            if (!control || control->GetManager() != this) break;
            TControlEvent event;
            event.Type = EV_SCROLLWHEEL;
            event.pSender = control;
            event.ptMouse = pt;
            event.wParam = GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? 1 : 0;
            event.lParam = lParam;
            event.wKeyState = KeyState();
            DispatchTo(control, event);
            SendMessageA(m_hWndPaint, WM_MOUSEMOVE, 0, MAKELPARAM(m_ptLastMousePos.x, m_ptLastMousePos.y));
            break;
        }
        case WM_MOUSEHOVER: {
            m_bMouseTracking = false;
            const POINT pt = PointOf(lParam);
            CControlUI* control = FindControl(pt);
            if (!control) break;
            if (m_pEventHover) {
                TControlEvent event;
                event.Type = EV_MOUSEHOVER;
                event.pSender = m_pEventHover;
                event.ptMouse = pt;
                DispatchTo(m_pEventHover, event);
            }
            if (!control->GetToolTip().IsEmpty()) ShowToolTip(control);
            result = 0;
            return true;
        }
        case WM_MOUSELEAVE: {
            HideToolTip();
            if (m_bMouseTracking) SendMessageA(m_hWndPaint, WM_MOUSEMOVE, 0, MAKELPARAM(-1, -1));
            m_bMouseTracking = false;
            break;
        }
        default:
            break;
    }

    DeliverQueuedNotifications();
    return false;
}

void CPaintManagerUI::OnMouseMove(POINT pt) {
    if (!m_bMouseTracking) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_HOVER | TME_LEAVE, m_hWndPaint, 400};
        if (m_hwndTooltip) track.dwHoverTime = static_cast<DWORD>(SendMessageA(m_hwndTooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
        _TrackMouseEvent(&track);
        m_bMouseTracking = true;
    }
    m_ptLastMousePos = pt;
    CControlUI* control = FindControl(pt);
    if (control && control->GetManager() != this) return;

    TControlEvent event;
    event.ptMouse = pt;
    if (control != m_pEventHover && m_pEventHover) {
        event.Type = EV_MOUSELEAVE;
        event.pSender = m_pEventHover;
        CControlUI* leaving = m_pEventHover;
        m_pEventHover = nullptr;
        DispatchTo(leaving, event);
        HideToolTip();
    }
    if (control && control != m_pEventHover) {
        event.Type = EV_MOUSEENTER;
        event.pSender = control;
        DispatchTo(control, event);
        m_pEventHover = control;
    }
    CControlUI* target = m_pEventClick ? m_pEventClick : control;
    if (target) {
        event.Type = EV_MOUSEMOVE;
        event.pSender = target;
        DispatchTo(target, event);
    }
}

void CPaintManagerUI::ShowToolTip(CControlUI* control) {
    const CSkinString tip = control->GetToolTip();
    static char text[1024];  // the tool keeps a pointer to its text
    lstrcpynA(text, tip, sizeof(text));
    m_ToolTip = TOOLINFOA{};
    m_ToolTip.cbSize = sizeof(TOOLINFOA);
    m_ToolTip.uFlags = TTF_IDISHWND;
    m_ToolTip.hwnd = m_hWndPaint;
    m_ToolTip.uId = reinterpret_cast<UINT_PTR>(m_hWndPaint);
    m_ToolTip.hinst = Instance();
    m_ToolTip.lpszText = text;
    m_ToolTip.rect = control->GetPos();
    if (!m_hwndTooltip) {
        m_hwndTooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                        m_hWndPaint, nullptr, Instance(), nullptr);
        if (!m_hwndTooltip) return;
        SendMessageA(m_hwndTooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&m_ToolTip));
    }
    SendMessageA(m_hwndTooltip, TTM_SETMAXTIPWIDTH, 0, control->GetToolTipWidth());
    SendMessageA(m_hwndTooltip, TTM_SETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&m_ToolTip));
    SendMessageA(m_hwndTooltip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&m_ToolTip));
}

void CPaintManagerUI::HideToolTip() {
    if (m_hwndTooltip) SendMessageA(m_hwndTooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&m_ToolTip));
}

void CPaintManagerUI::DeleteBackBuffers() {
    m_bBufferStale = true;
    m_offscreen.Reset();
    m_hbmpLayered.reset();
    m_hDcLayered.reset();
}

void CPaintManagerUI::LayoutPending() {
    if (!m_bUpdateNeeded) return;
    m_bUpdateNeeded = false;
    // Controls may have moved anywhere.
    m_bBufferStale = true;
    RECT client;
    GetClientRect(m_hWndPaint, &client);
    if (IsRectEmpty(&client)) return;
    if (m_pRoot->IsLayoutPending()) {
        m_pRoot->SetPos(client);
        DeleteBackBuffers();
    } else {
        // Each pending control lays out its own subtree from its current place.
        for (int guard = 0; guard < 100000; ++guard) {
            CControlUI* pending = m_pRoot->FindControl(FirstPendingLayout, nullptr, FIND_VISIBLE_ONLY | FIND_SELF_FIRST);
            if (!pending) break;
            pending->SetPos(pending->GetPos());
        }
    }
    if (m_bFirstLayout) {
        m_bFirstLayout = false;
        SendNotification(m_pRoot, "windowinit");
    }
}

void CPaintManagerUI::Paint() {
    RECT update = {0, 0, 0, 0};
    if (!GetUpdateRect(m_hWndPaint, &update, FALSE)) return;
    if (!m_pRoot) {
        PAINTSTRUCT ps;
        BeginPaint(m_hWndPaint, &ps);
        EndPaint(m_hWndPaint, &ps);
        return;
    }
    if (m_bLayered) {
        PAINTSTRUCT ps;
        BeginPaint(m_hWndPaint, &ps);
        PaintLayered(ps.hdc);
        EndPaint(m_hWndPaint, &ps);
        return;
    }

    LayoutPending();
    if (m_bFocusNeeded) MoveFocus(true);

    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWndPaint, &ps);
    if (m_bOffscreenPaint) {
        if (!m_offscreen) {
            const SIZE size = ClientSize();
            m_offscreen.Create(m_hDcPaint.get(), size.cx, size.cy);
            m_bBufferStale = true;
        }
        if (m_offscreen) {
            HDC offscreen = m_offscreen.Dc();
            // Redraw only what changed since the buffer was last drawn. What
            // controls invalidate while they paint stays for the next paint.
            if (!m_bKeepBackBuffer) m_bBufferStale = true;
            RECT redraw = ps.rcPaint;
            if (!m_bBufferStale) ::IntersectRect(&redraw, &ps.rcPaint, &m_rcStale);
            TrimStaleArea(ps.rcPaint);
            if (!::IsRectEmpty(&redraw)) {
                SavedDcState saved(offscreen);
                // Nothing outside may change: that part of the buffer stays valid.
                ::IntersectClipRect(offscreen, redraw.left, redraw.top, redraw.right, redraw.bottom);
                m_pRoot->Paint(offscreen, redraw);
                for (int i = 0; i < m_aPostPaintControls.Count(); ++i)
                    static_cast<CControlUI*>(m_aPostPaintControls[i])->PaintOverlay(offscreen, redraw);
            }
            BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                   ps.rcPaint.bottom - ps.rcPaint.top, offscreen, ps.rcPaint.left,
                   ps.rcPaint.top, SRCCOPY);
        }
    } else {
        SavedDcState saved(dc);
        m_pRoot->Paint(dc, ps.rcPaint);
    }
    if (m_bShowUpdateRect) {
        SelectGuard pen(dc, DirtyPen());
        SelectGuard brush(dc, GetStockObject(HOLLOW_BRUSH));
        Rectangle(dc, update.left, update.top, update.right, update.bottom);
    }
    EndPaint(m_hWndPaint, &ps);
    if (m_bUpdateNeeded) ::InvalidateRect(m_hWndPaint, nullptr, FALSE);
}

namespace {

// `from` less `part`, when what is left is a rectangle; otherwise unchanged
// (a larger stale area only costs a larger redraw).
void SubtractOnce(RECT& from, const RECT& part) {
    RECT left;
    if (::SubtractRect(&left, &from, &part)) from = left;
    else ::SetRectEmpty(&from);
}

}  // namespace

void CPaintManagerUI::TrimStaleArea(const RECT& redrawn) {
    if (m_bBufferStale) {
        RECT client;
        GetClientRect(m_hWndPaint, &client);
        // A partial paint of a stale buffer leaves the rest stale.
        if (::EqualRect(&redrawn, &client)) {
            m_bBufferStale = false;
            ::SetRectEmpty(&m_rcStale);
        } else {
            m_bBufferStale = false;
            m_rcStale = client;
            SubtractOnce(m_rcStale, redrawn);
        }
        return;
    }
    SubtractOnce(m_rcStale, redrawn);
}

void CPaintManagerUI::PaintLayered(HDC) {
    LONG_PTR exStyle = GetWindowLongPtrA(m_hWndPaint, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED)) SetWindowLongPtrA(m_hWndPaint, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);

    LayoutPending();
    if (m_bFocusNeeded) MoveFocus(true);

    RECT client;
    GetClientRect(m_hWndPaint, &client);
    const SIZE size = {client.right, client.bottom};
    m_hbmpLayered.reset();
    m_hDcLayered.reset(CreateCompatibleDC(m_hDcPaint.get()));
    void* bits = nullptr;
    m_hbmpLayered = CreateTopDownDib(m_hDcPaint.get(), size.cx, size.cy, &bits);
    if (!m_hDcLayered || !m_hbmpLayered) return;
    SelectGuard select(m_hDcLayered.get(), m_hbmpLayered.get());
    {
        SavedDcState saved(m_hDcLayered.get());
        m_pRoot->Paint(m_hDcLayered.get(), client);
    }
    RECT window;
    GetWindowRect(m_hWndPaint, &window);
    POINT position = {window.left, window.top};
    POINT source = {0, 0};
    SIZE windowSize = size;
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(m_hWndPaint, m_hDcPaint.get(), &position, &windowSize, m_hDcLayered.get(), &source, 0,
                        &blend, ULW_ALPHA);
}

bool CPaintManagerUI::PreFilterMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT&) {
    for (int i = 0; i < m_aPreMessageFilters.Count(); ++i) {
        bool handled = false;
        static_cast<IMessageFilterUI*>(m_aPreMessageFilters[i])->MessageHandler(msg, wParam, 0, handled);
        if (handled) return true;
    }
    switch (msg) {
        case WM_KEYDOWN: {
            if (wParam != VK_TAB) return false;
            // A rich edit that takes Tab answers to "WantTab".
            if (m_pFocus && m_pFocus->IsVisible() && m_pFocus->IsEnabled() &&
                strstr(m_pFocus->GetTypeName(), "RichEditUI") && m_pFocus->AsInterface("WantTab"))
                return false;
            MoveFocus(GetKeyState(VK_SHIFT) >= 0);
            return true;
        }
        case WM_SYSKEYDOWN: {
            if (!m_pFocus) return false;
            TControlEvent event;
            event.Type = EV_SYSKEY;
            event.chKey = static_cast<char>(wParam);
            event.ptMouse = m_ptLastMousePos;
            event.wKeyState = KeyState();
            event.wParam = wParam;
            DispatchTo(m_pFocus, event);
            return false;
        }
        case WM_SYSCHAR: {
            if (!m_pRoot) return false;
            ShortcutSearch search{static_cast<char>(toupper(static_cast<unsigned char>(wParam)))};
            CControlUI* control = m_pRoot->FindControl(VisitForShortcut, &search,
                                                       FIND_ENABLED_ONLY | FIND_LAST_CHILD_FIRST | FIND_SELF_FIRST);
            if (control) {
                control->SetFocus();
                control->Activate();
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

}  // namespace SkinUI
