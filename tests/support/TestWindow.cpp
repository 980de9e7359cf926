// The test window: a plain window class whose procedure hands every message
// to the paint manager first.
#include "tests/support/TestWindow.h"

#include "skinui/core/GdiHandles.h"

namespace testsupport {
namespace {

constexpr const char* kClassName = "SkinUITestWindow";

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
}

}  // namespace

TestWindow::TestWindow(int width, int height, bool show) {
    RegisterOnce();
    RECT rc = {0, 0, width, height};
    AdjustWindowRectEx(&rc, WS_POPUP, FALSE, 0);
    m_hwnd = CreateWindowExA(0, kClassName, "test", WS_POPUP | WS_CLIPCHILDREN, 50, 50,
                             rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TestWindow::WindowProc));
    m_manager.AttachWindow(m_hwnd);
    if (show) {
        ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
        Pump();
    }
}

TestWindow::~TestWindow() {
    SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
    DestroyWindow(m_hwnd);
    Pump();
}

LRESULT CALLBACK TestWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self) {
        self->received.push_back(msg);
        LRESULT result = 0;
        if (self->m_manager.HandleWindowMessage(msg, wParam, lParam, result)) return result;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void TestWindow::Pump() {
    MSG msg;
    for (int i = 0; i < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (!SkinUI::CPaintManagerUI::PreTranslate(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void TestWindow::Paint() {
    InvalidateRect(m_hwnd, nullptr, FALSE);
    UpdateWindow(m_hwnd);
}

std::vector<uint32_t> TestWindow::Capture(int& width, int& height) {
    RECT rc;
    GetClientRect(m_hwnd, &rc);
    width = rc.right;
    height = rc.bottom;
    void* bits = nullptr;
    SkinUI::BitmapHandle bitmap = SkinUI::CreateTopDownDib(nullptr, width, height, &bits);
    SkinUI::MemoryDc dc(CreateCompatibleDC(nullptr));
    std::vector<uint32_t> pixels;
    if (!bitmap || !dc) return pixels;
    {
        SkinUI::SelectGuard select(dc.get(), bitmap.get());
        SendMessageA(m_hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
        GdiFlush();
        const uint32_t* p = static_cast<const uint32_t*>(bits);
        pixels.assign(p, p + static_cast<size_t>(width) * height);
    }
    for (uint32_t& px : pixels) px &= 0x00FFFFFF;
    return pixels;
}

uint32_t TestWindow::Pixel(int x, int y) {
    int w = 0, h = 0;
    const std::vector<uint32_t> pixels = Capture(w, h);
    if (x < 0 || y < 0 || x >= w || y >= h) return 0xFFFFFFFF;
    return pixels[static_cast<size_t>(y) * w + x];
}

}  // namespace testsupport
