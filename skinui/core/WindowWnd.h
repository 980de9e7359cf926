// CWindowWnd wraps one native window: class registration (own or
// super-classed), creation with the object as parameter, and routing of
// every message to HandleMessage.
#pragma once

#include <windows.h>

#include "skinui/core/SkinDefs.h"

namespace SkinUI {

class SKINUI_API CWindowWnd {
public:
    CWindowWnd() = default;
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;

    virtual const char* WindowClassName() const = 0;                        // 0
    virtual const char* GetSuperClassName() const;                          // 1
    virtual UINT GetClassStyle() const;                                     // 2
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);  // 3
    virtual void OnFinalMessage(HWND hwnd);                                 // 4
    virtual ~CWindowWnd();

    HWND GetHWND() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    HWND Create(HWND parent, const char* name, DWORD style, DWORD exStyle, int x = CW_USEDEFAULT,
                int y = CW_USEDEFAULT, int cx = CW_USEDEFAULT, int cy = CW_USEDEFAULT, HMENU menu = nullptr);
    HWND Create(HWND parent, const char* name, DWORD style, DWORD exStyle, const RECT& rc,
                HMENU menu = nullptr);
    void ShowWindow(bool show = true, bool takeFocus = true);
    void CenterWindow();
    void Close(UINT code = IDOK);
    LRESULT SendMessageA(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

protected:
    bool RegisterWindowClass();
    bool RegisterSuperclass();
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    WNDPROC m_OldWndProc = ::DefWindowProcA;
    bool m_bSubclassed = false;
};

}  // namespace SkinUI
