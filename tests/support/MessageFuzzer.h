// Random mouse, key, timer, size and private messages sent to a window from a
// fixed seed, checking after each batch that it still answers. Messages that
// carry pointers are left out, and so are the ones a caller names (those that
// end the window on purpose).
#pragma once

#include <windows.h>

#include <algorithm>
#include <random>
#include <vector>

namespace testsupport {

struct MessageFuzzResult {
    unsigned sent = 0;
    bool ended = false;          // the window went away (by a button it hit)
    bool stoppedAnswering = false;
};

class MessageFuzzer {
public:
    MessageFuzzer(unsigned seed, std::vector<UINT> excluded) : m_random(seed), m_excluded(std::move(excluded)) {}

    // Sends `count` messages to `window`, dispatching what they post between
    // batches; stops early when the window ends or stops answering.
    MessageFuzzResult Run(HWND window, unsigned count) {
        MessageFuzzResult result;
        for (unsigned i = 0; i < count; ++i) {
            if (!IsWindow(window)) {
                result.ended = true;
                return result;
            }
            UINT msg = 0;
            WPARAM wParam = 0;
            LPARAM lParam = 0;
            Pick(window, msg, wParam, lParam);
            if (std::find(m_excluded.begin(), m_excluded.end(), msg) != m_excluded.end()) continue;
            if (msg == WM_SIZE && Below(2)) {
                // A real size change, not only the message.
                SetWindowPos(window, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            } else {
                SendMessageA(window, msg, wParam, lParam);
            }
            ++result.sent;
            if (i % 16 == 15) {
                Pump();
                if (!IsWindow(window)) {
                    result.ended = true;
                    return result;
                }
                DWORD_PTR answer = 0;
                if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer)) {
                    result.stoppedAnswering = true;
                    return result;
                }
            }
        }
        Pump();
        result.ended = !IsWindow(window);
        return result;
    }

    unsigned Below(unsigned n) { return n == 0 ? 0 : static_cast<unsigned>(m_random() % n); }

private:
    static void Pump() {
        MSG msg;
        for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    LPARAM Point(HWND window) {
        RECT client = {};
        GetClientRect(window, &client);
        const int x = static_cast<int>(Below(client.right + 80)) - 40;
        const int y = static_cast<int>(Below(client.bottom + 80)) - 40;
        return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
    }

    void Pick(HWND window, UINT& msg, WPARAM& wParam, LPARAM& lParam) {
        static const UINT kMouse[] = {WM_MOUSEMOVE,   WM_LBUTTONDOWN, WM_LBUTTONUP,   WM_LBUTTONDBLCLK,
                                      WM_RBUTTONDOWN, WM_RBUTTONUP,   WM_MOUSEHOVER,  WM_MOUSELEAVE,
                                      WM_MOUSEWHEEL,  WM_SETCURSOR,   WM_CONTEXTMENU, WM_NCMOUSEMOVE};
        static const UINT kKeys[] = {WM_KEYDOWN, WM_KEYUP, WM_CHAR};
        static const WPARAM kVirtualKeys[] = {VK_RETURN, VK_TAB, VK_ESCAPE, VK_SPACE, VK_BACK, VK_DELETE,
                                              VK_LEFT,   VK_UP,  VK_RIGHT,  VK_DOWN,  VK_HOME, VK_END,
                                              VK_PRIOR,  VK_NEXT, 'A',      'Z',      '0',     VK_F5};
        static const UINT kOther[] = {WM_SETFOCUS, WM_KILLFOCUS, WM_CAPTURECHANGED, WM_ACTIVATE, WM_ENABLE,
                                      WM_SHOWWINDOW, WM_NCACTIVATE, WM_SYSCOLORCHANGE};
        switch (Below(6)) {
            case 0:
            case 1:
                msg = kMouse[Below(sizeof(kMouse) / sizeof(kMouse[0]))];
                wParam = msg == WM_MOUSEWHEEL ? MAKEWPARAM(0, static_cast<WORD>(Below(2) ? WHEEL_DELTA : -WHEEL_DELTA))
                                              : (msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0);
                if (msg == WM_SETCURSOR) {
                    wParam = reinterpret_cast<WPARAM>(window);
                    lParam = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
                } else {
                    lParam = Point(window);
                }
                break;
            case 2:
                msg = kKeys[Below(3)];
                wParam = msg == WM_CHAR ? static_cast<WPARAM>(0x20 + Below(0xE0))
                                        : kVirtualKeys[Below(sizeof(kVirtualKeys) / sizeof(kVirtualKeys[0]))];
                lParam = 1;
                break;
            case 3:
                msg = WM_TIMER;
                wParam = Below(4) == 0 ? static_cast<WPARAM>(m_random()) : Below(0x810);
                break;
            case 4:
                msg = WM_SIZE;
                wParam = Below(4) == 0 ? SIZE_MINIMIZED : (Below(2) ? SIZE_MAXIMIZED : SIZE_RESTORED);
                lParam = MAKELPARAM(static_cast<WORD>(Below(4) == 0 ? Below(4) : Below(1600)),
                                    static_cast<WORD>(Below(4) == 0 ? Below(4) : Below(1200)));
                break;
            default:
                if (Below(2)) {
                    msg = kOther[Below(sizeof(kOther) / sizeof(kOther[0]))];
                    wParam = 0;
                } else {
                    // Private messages, the window's own among them.
                    msg = Below(2) ? WM_USER + Below(0x800) : WM_APP + Below(8);
                    wParam = Below(3) == 0 ? static_cast<WPARAM>(m_random()) : Below(200);
                }
                lParam = 0;
                break;
        }
    }

    std::mt19937 m_random;
    std::vector<UINT> m_excluded;
};

}  // namespace testsupport
