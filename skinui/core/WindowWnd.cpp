// CWindowWnd: registration, creation, the two window procedures, centring.
#include "skinui/core/WindowWnd.h"

#include "skinui/core/PaintManager.h"

namespace SkinUI {
namespace {

constexpr const char* kObjectProperty = "WndX";

HINSTANCE ToolkitInstance() {
    HINSTANCE instance = CPaintManagerUI::Instance();
    return instance ? instance : GetModuleHandleA(nullptr);
}

bool Registered(ATOM atom) {
    return atom != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

CWindowWnd::~CWindowWnd() = default;

const char* CWindowWnd::GetSuperClassName() const { return nullptr; }
UINT CWindowWnd::GetClassStyle() const { return 0; }

LRESULT CWindowWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcA(m_OldWndProc, m_hWnd, msg, wParam, lParam);
}

void CWindowWnd::OnFinalMessage(HWND) {}

bool CWindowWnd::RegisterWindowClass() {
    WNDCLASSA wc = {};
    wc.style = GetClassStyle();
    wc.lpfnWndProc = &CWindowWnd::WindowProc;
    wc.hInstance = ToolkitInstance();
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = WindowClassName();
    return Registered(::RegisterClassA(&wc));
}

bool CWindowWnd::RegisterSuperclass() {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    if (!::GetClassInfoExA(nullptr, GetSuperClassName(), &wc) &&
        !::GetClassInfoExA(ToolkitInstance(), GetSuperClassName(), &wc))
        return false;
    m_OldWndProc = wc.lpfnWndProc;
    wc.lpfnWndProc = &CWindowWnd::ControlProc;
    wc.hInstance = ToolkitInstance();
    wc.lpszClassName = WindowClassName();
    return Registered(::RegisterClassExA(&wc));
}

HWND CWindowWnd::Create(HWND parent, const char* name, DWORD style, DWORD exStyle, int x, int y, int cx,
                        int cy, HMENU menu) {
    if (GetSuperClassName() ? !RegisterSuperclass() : !RegisterWindowClass()) return nullptr;
    m_hWnd = ::CreateWindowExA(exStyle, WindowClassName(), name, style, x, y, cx, cy, parent, menu,
                               ToolkitInstance(), this);
    return m_hWnd;
}

HWND CWindowWnd::Create(HWND parent, const char* name, DWORD style, DWORD exStyle, const RECT& rc, HMENU menu) {
    return Create(parent, name, style, exStyle, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, menu);
}

void CWindowWnd::ShowWindow(bool show, bool takeFocus) {
    if (!::IsWindow(m_hWnd)) return;
    ::ShowWindow(m_hWnd, show ? (takeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE) : SW_HIDE);
}

void CWindowWnd::CenterWindow() {
    if (!::IsWindow(m_hWnd)) return;
    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoA(::MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT area = monitor.rcWork;
    RECT reference = area;
    if (owner && !::IsIconic(owner)) ::GetWindowRect(owner, &reference);

    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    int x = (reference.left + reference.right) / 2 - width / 2;
    int y = (reference.top + reference.bottom) / 2 - height / 2;
    if (x < area.left) x = area.left;
    else if (x + width > area.right) x = area.right - width;
    if (y < area.top) y = area.top;
    else if (y + height > area.bottom) y = area.bottom - height;
    ::SetWindowPos(m_hWnd, nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWindowWnd::Close(UINT code) {
    if (::IsWindow(m_hWnd)) ::PostMessageA(m_hWnd, WM_CLOSE, code, 0);
}

LRESULT CWindowWnd::SendMessageA(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(m_hWnd, msg, wParam, lParam);
}

LRESULT CWindowWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageA(m_hWnd, msg, wParam, lParam);
}

namespace {

// The end of a window: the previous procedure first, then the object lets go.
LRESULT FinalMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, WNDPROC previous,
                     bool subclassed, bool property) {
    const LRESULT result = ::CallWindowProcA(previous, hwnd, msg, wParam, lParam);
    if (property) ::RemovePropA(hwnd, kObjectProperty);
    else ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    if (subclassed) ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    return result;
}

}  // namespace

LRESULT CALLBACK CWindowWnd::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWindowWnd* self = nullptr;
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        self = static_cast<CWindowWnd*>(create->lpCreateParams);
        self->m_hWnd = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<CWindowWnd*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (msg == WM_NCDESTROY && self) {
            const LRESULT result =
                FinalMessage(hwnd, msg, wParam, lParam, self->m_OldWndProc, self->m_bSubclassed, false);
            self->m_hWnd = nullptr;
            self->OnFinalMessage(hwnd);
            return result;
        }
    }
    if (!self) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    return self->HandleMessage(msg, wParam, lParam);
}

LRESULT CALLBACK CWindowWnd::ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWindowWnd* self = nullptr;
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        self = static_cast<CWindowWnd*>(create->lpCreateParams);
        self->m_hWnd = hwnd;
        ::SetPropA(hwnd, kObjectProperty, self);
    } else {
        self = static_cast<CWindowWnd*>(::GetPropA(hwnd, kObjectProperty));
        if (msg == WM_NCDESTROY && self) {
            const LRESULT result =
                FinalMessage(hwnd, msg, wParam, lParam, self->m_OldWndProc, self->m_bSubclassed, true);
            self->m_hWnd = nullptr;
            self->OnFinalMessage(hwnd);
            return result;
        }
    }
    if (!self) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    return self->HandleMessage(msg, wParam, lParam);
}

}  // namespace SkinUI
