// A real top-level window under Xvfb with a paint manager attached, for
// toolkit tests: messages go through the manager as a skinned window's would.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "skinui/core/PaintManager.h"

namespace testsupport {

class TestWindow {
public:
    explicit TestWindow(int width = 400, int height = 300, bool show = true);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return m_hwnd; }
    SkinUI::CPaintManagerUI& Manager() { return m_manager; }

    // Dispatches what is queued for this thread (bounded, never blocks).
    void Pump();
    // Sends a paint now, as the window would get it.
    void Paint();
    // The client area as the window would paint it, as 0xAARRGGBB pixels
    // (alpha dropped), through WM_PRINTCLIENT.
    std::vector<uint32_t> Capture(int& width, int& height);
    uint32_t Pixel(int x, int y);

    // Messages this window received, in order (for tests of the raw flow).
    std::vector<UINT> received;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    SkinUI::CPaintManagerUI m_manager;
};

// Mouse message lParam for a client point.
inline LPARAM PointParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

}  // namespace testsupport
