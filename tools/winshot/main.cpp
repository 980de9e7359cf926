// winshot: waits for a program's top-level window, saves a screenshot of it,
// and can then send it a message (the store client ends on 0x802).
//   winshot <window class> <FILE.png> [--wait SECONDS] [--settle MS] [--send MESSAGE]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "skinui/core/GdiHandles.h"
#include "tools/common/PngFile.h"

namespace {

constexpr int kMaxWaitSeconds = 120;
constexpr int kMaxSettleMs = 60000;

int Usage() {
    fprintf(stderr, "usage: winshot <window class> <FILE.png> [--wait SECONDS] [--settle MS] [--send MESSAGE]\n");
    return 2;
}

HWND WaitForVisibleWindow(const char* className, int waitSeconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(waitSeconds) * 1000;
    do {
        HWND hwnd = FindWindowA(className, nullptr);
        if (hwnd && IsWindowVisible(hwnd)) return hwnd;
        Sleep(100);
    } while (GetTickCount64() < deadline);
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const char* className = argv[1];
    const char* output = argv[2];
    int waitSeconds = 30;
    int settleMs = 1500;
    long message = 0;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return Usage();
        const char* value = argv[++i];
        if (arg == "--wait") {
            waitSeconds = atoi(value);
            if (waitSeconds <= 0 || waitSeconds > kMaxWaitSeconds) return Usage();
        } else if (arg == "--settle") {
            settleMs = atoi(value);
            if (settleMs < 0 || settleMs > kMaxSettleMs) return Usage();
        } else if (arg == "--send") {
            message = strtol(value, nullptr, 0);
            if (message <= 0 || message > 0xFFFF) return Usage();
        } else {
            return Usage();
        }
    }

    HWND hwnd = WaitForVisibleWindow(className, waitSeconds);
    if (!hwnd) {
        fprintf(stderr, "winshot: no visible window of class %s within %d s\n", className, waitSeconds);
        return 1;
    }
    // Let the first paint (and the browser's first page) settle.
    Sleep(static_cast<DWORD>(settleMs));
    SetForegroundWindow(hwnd);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(200);

    RECT rect;
    GetWindowRect(hwnd, &rect);
    SkinUI::WindowDc screen = SkinUI::GetWindowDc(nullptr);
    const bool saved = screen && tools::SaveDcAreaAsPng(screen.get(), rect, output);
    if (!saved) {
        fprintf(stderr, "winshot: cannot save %s\n", output);
        return 1;
    }
    printf("winshot: saved %ldx%ld pixels of %s into %s\n", rect.right - rect.left, rect.bottom - rect.top,
           className, output);
    if (message) PostMessageA(hwnd, static_cast<UINT>(message), 0, 0);
    return 0;
}
