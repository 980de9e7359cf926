// WindowImplBase: creation with the skin, hit testing, rounded region, the
// system buttons and the message routing of a skinned window.
#include "skinui/core/WindowImplBase.h"

#include <windowsx.h>

#include <cstdlib>
#include <cstring>

#include "skinui/control/Control.h"

namespace SkinUI {
namespace {

// A "ZIPRES" archive stays in memory for the rest of the process.
const void* CopyZipResource(const char* id, unsigned& size) {
    HINSTANCE instance = CPaintManagerUI::Instance();
    HRSRC resource = FindResourceA(instance, id, "ZIPRES");
    if (!resource) return nullptr;
    HGLOBAL loaded = LoadResource(instance, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    size = SizeofResource(instance, resource);
    if (!data || size == 0) return nullptr;
    void* copy = malloc(size);
    if (copy) memcpy(copy, data, size);
    return copy;
}

bool IsDragExemptControl(const char* typeName) {
    for (const char* exempt : {"ButtonUI", "FadeButtonUI", "OptionUI", "TextUI"}) {
        if (lstrcmpiA(typeName, exempt) == 0) return true;
    }
    return false;
}

}  // namespace

WindowImplBase::~WindowImplBase() = default;

UINT WindowImplBase::GetClassStyle() const { return CS_DBLCLKS; }
void WindowImplBase::OnInitWindow() {}
UILIB_RESOURCETYPE WindowImplBase::GetResourceType() const { return SkinFromFolder; }
CSkinString WindowImplBase::GetZIPFileName() const { return CSkinString(); }
const char* WindowImplBase::GetResourceID() const { return ""; }
CControlUI* WindowImplBase::CreateControl(const char*) { return nullptr; }

LONG WindowImplBase::GetStyle() {
    return static_cast<LONG>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CAPTION));
}

void WindowImplBase::OnFinalMessage(HWND) {
    m_PaintManager.RemovePreFilter(this);
    m_PaintManager.RemoveNotifyTarget(this);
    if (CControlUI* root = m_PaintManager.RootControl()) m_PaintManager.ReleaseControl(root);
}

LRESULT WindowImplBase::OnDefaultKey(WPARAM key) {
    if (key == VK_ESCAPE) {
        Close(1);
        return 1;
    }
    return 0;
}

LRESULT WindowImplBase::MessageHandler(UINT msg, WPARAM wParam, LPARAM, bool&) {
    if (msg == WM_KEYDOWN &&
        (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_UP || wParam == VK_DOWN))
        return OnDefaultKey(wParam);
    return 0;
}

const SKIN_MSGMAP* WindowImplBase::GetThisMessageMap() {
    static const TMsgMapEntry entries[] = {MapEntry("click", "", &WindowImplBase::OnClick), MapEnd()};
    static const SKIN_MSGMAP map = {&CNotifyPump::GetThisMessageMap, entries};
    return &map;
}

const SKIN_MSGMAP* WindowImplBase::GetMessageMap() const {
    return GetThisMessageMap();
}

void WindowImplBase::Notify(TNotifyUI& msg) {
    LoopDispatch(msg);
}

void WindowImplBase::OnClick(TNotifyUI& msg) {
    if (!msg.pSender) return;
    const CSkinString name = msg.pSender->GetName();
    if (name == "closebtn") Close(1);
    else if (name == "minbtn") SendMessageA(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    else if (name == "maxbtn") SendMessageA(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    else if (name == "restorebtn") SendMessageA(WM_SYSCOMMAND, SC_RESTORE, 0);
}

LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnNcActivate(UINT, WPARAM wParam, LPARAM, BOOL& handled) {
    if (::IsIconic(m_hWnd)) handled = FALSE;
    return wParam == 0 ? 1 : 0;
}

LRESULT WindowImplBase::OnNcCalcSize(UINT, WPARAM, LPARAM, BOOL&) { return 0; }
LRESULT WindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, BOOL&) { return 0; }

LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, BOOL&) {
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ScreenToClient(m_hWnd, &pt);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    if (!::IsZoomed(m_hWnd)) {
        const RECT border = m_PaintManager.ResizeBorders();
        const bool left = pt.x < client.left + border.left;
        const bool right = pt.x > client.right - border.right;
        if (pt.y < client.top + border.top) return left ? HTTOPLEFT : (right ? HTTOPRIGHT : HTTOP);
        if (pt.y > client.bottom - border.bottom) return left ? HTBOTTOMLEFT : (right ? HTBOTTOMRIGHT : HTBOTTOM);
        if (left) return HTLEFT;
        if (right) return HTRIGHT;
    }
    const RECT caption = m_PaintManager.CaptionArea();
    if (pt.x >= client.left + caption.left && pt.x < client.right - caption.right && pt.y >= caption.top &&
        pt.y < caption.bottom) {
        CControlUI* control = m_PaintManager.FindControl(pt);
        if (control && !IsDragExemptControl(control->GetTypeName())) return HTCAPTION;
    }
    return HTCLIENT;
}

LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, BOOL& handled) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    info->ptMaxPosition.x = work.left - monitor.rcMonitor.left;
    info->ptMaxPosition.y = work.top - monitor.rcMonitor.top;
    info->ptMaxTrackSize.x = work.right - work.left;
    info->ptMaxTrackSize.y = work.bottom - work.top;
    info->ptMinTrackSize.x = m_PaintManager.MinTrackSize().cx;
    info->ptMinTrackSize.y = m_PaintManager.MinTrackSize().cy;
    handled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnMouseWheel(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnMouseHover(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnSize(UINT, WPARAM, LPARAM, BOOL& handled) {
    const SIZE corner = m_PaintManager.CornerSize();
    if (!::IsIconic(m_hWnd) && (corner.cx != 0 || corner.cy != 0)) {
        RECT rc;
        ::GetWindowRect(m_hWnd, &rc);
        ::OffsetRect(&rc, -rc.left, -rc.top);
        RegionHandle region(::CreateRoundRectRgn(rc.left, rc.top, rc.right + 1, rc.bottom + 1, corner.cx, corner.cy));
        // The window owns the region once it is set.
        if (region && ::SetWindowRgn(m_hWnd, region.get(), TRUE)) region.release();
    }
    handled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnChar(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnSysCommand(UINT msg, WPARAM wParam, LPARAM lParam, BOOL&) {
    if (wParam == SC_CLOSE) return 0;
    return CWindowWnd::HandleMessage(msg, wParam, lParam);
}

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, BOOL&) {
    const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE,
                        (style & ~static_cast<LONG_PTR>(WS_CAPTION)) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    ::SetWindowPos(m_hWnd, nullptr, client.left, client.top, client.right - client.left, client.bottom - client.top,
                   SWP_FRAMECHANGED);

    m_PaintManager.AttachWindow(m_hWnd);
    m_PaintManager.AddPreFilter(this);

    switch (GetResourceType()) {
        case SkinFromZipFile:
            CPaintManagerUI::SetResourceZip(GetZIPFileName(), true);
            break;
        case SkinFromZipResource: {
            unsigned size = 0;
            const void* zip = CopyZipResource(GetResourceID(), size);
            if (!zip) return 0;
            CPaintManagerUI::SetResourceZip(zip, size);
            break;
        }
        default:
            break;
    }

    CSkinBuilder builder;
    CControlUI* root = nullptr;
    if (GetResourceType() == SkinFromResource) {
        const unsigned id = static_cast<unsigned>(strtoul(SkinFile(), nullptr, 10)) & 0xFFFF;
        root = builder.Build(MAKEINTRESOURCEA(id), "xml", this, &m_PaintManager);
    } else {
        root = builder.Build(SkinFile(), nullptr, this, &m_PaintManager);
    }
    if (!root) {
        ::MessageBoxA(nullptr, "Fail to load resource", "SkinUI", MB_ICONERROR);
        ::ExitProcess(1);
    }
    m_PaintManager.AttachRoot(root);
    m_PaintManager.AddNotifyTarget(this);
    OnInitWindow();
    return 0;
}

LRESULT WindowImplBase::OnKeyDown(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}
LRESULT WindowImplBase::OnKillFocus(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}
LRESULT WindowImplBase::OnSetFocus(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}
LRESULT WindowImplBase::OnLButtonDown(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}
LRESULT WindowImplBase::OnLButtonUp(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}
LRESULT WindowImplBase::OnMouseMove(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}
LRESULT WindowImplBase::HandleCustomMessage(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}

LRESULT WindowImplBase::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    using Handler = LRESULT (WindowImplBase::*)(UINT, WPARAM, LPARAM, BOOL&);
    Handler handler = nullptr;
    switch (msg) {
        case WM_CREATE: handler = &WindowImplBase::OnCreate; break;
        case WM_CLOSE: handler = &WindowImplBase::OnClose; break;
        case WM_DESTROY: handler = &WindowImplBase::OnDestroy; break;
        case WM_NCACTIVATE: handler = &WindowImplBase::OnNcActivate; break;
        case WM_NCCALCSIZE: handler = &WindowImplBase::OnNcCalcSize; break;
        case WM_NCPAINT: handler = &WindowImplBase::OnNcPaint; break;
        case WM_NCHITTEST: handler = &WindowImplBase::OnNcHitTest; break;
        case WM_GETMINMAXINFO: handler = &WindowImplBase::OnGetMinMaxInfo; break;
        case WM_MOUSEWHEEL: handler = &WindowImplBase::OnMouseWheel; break;
        case WM_SIZE: handler = &WindowImplBase::OnSize; break;
        case WM_CHAR: handler = &WindowImplBase::OnChar; break;
        case WM_SYSCOMMAND: handler = &WindowImplBase::OnSysCommand; break;
        case WM_KEYDOWN: handler = &WindowImplBase::OnKeyDown; break;
        case WM_KILLFOCUS: handler = &WindowImplBase::OnKillFocus; break;
        case WM_SETFOCUS: handler = &WindowImplBase::OnSetFocus; break;
        case WM_LBUTTONUP: handler = &WindowImplBase::OnLButtonUp; break;
        case WM_LBUTTONDOWN: handler = &WindowImplBase::OnLButtonDown; break;
        case WM_MOUSEMOVE: handler = &WindowImplBase::OnMouseMove; break;
        case WM_MOUSEHOVER: handler = &WindowImplBase::OnMouseHover; break;
        default: break;
    }
    BOOL handled = TRUE;
    if (handler) {
        const LRESULT result = (this->*handler)(msg, wParam, lParam, handled);
        if (handled) return result;
    }
    handled = FALSE;
    const LRESULT custom = HandleCustomMessage(msg, wParam, lParam, handled);
    if (handled) return custom;
    LRESULT result = 0;
    if (m_PaintManager.HandleWindowMessage(msg, wParam, lParam, result)) return result;
    return CWindowWnd::HandleMessage(msg, wParam, lParam);
}

}  // namespace SkinUI
