// Helpers for container and scroll bar tests: controls built from attribute
// lists, and a window's control timer driven by hand instead of by the clock.
#pragma once

#include <windows.h>

#include <string>

#include "skinui/control/Control.h"
#include "skinui/core/GdiHandles.h"

namespace testsupport {

// A control of type T with the attribute list applied, as a skin would make it.
template <typename T = SkinUI::CControlUI>
T* MakeControl(const char* attributes) {
    T* control = new T;
    control->ApplyAttributes(attributes);
    return control;
}

// The window timer behind the single control timer running in `hwnd`. It is
// killed, so that only the WM_TIMER messages the test sends drive it; the
// paint manager still knows it by this identifier. 0xFFFF when none runs.
inline UINT TakeOverWindowTimer(HWND hwnd) {
    for (UINT id = 0; id < 255; ++id) {
        if (KillTimer(hwnd, id)) return id;
    }
    return 0xFFFF;
}

inline void SendTimerTicks(HWND hwnd, UINT id, int count) {
    for (int i = 0; i < count; ++i) SendMessageA(hwnd, WM_TIMER, id, 0);
}

// A pixel as the window shows it on screen (0xRRGGBB): unlike a print of the
// client area this includes what the paint manager draws after the tree.
inline DWORD ScreenPixel(HWND hwnd, int x, int y) {
    SkinUI::WindowDc dc = SkinUI::GetWindowDc(hwnd);
    const COLORREF color = GetPixel(dc.get(), x, y);
    return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

inline std::string RectText(const RECT& rc) {
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

}  // namespace testsupport
