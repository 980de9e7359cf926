// Records and interfaces shared by the paint manager, the controls and the
// windows: events, notifications, message filters, search and input flags.
#pragma once

#include <windows.h>

#include "skinui/core/SkinDefs.h"
#include "skinui/core/SkinString.h"

namespace SkinUI {

class CControlUI;

// Event kinds: key kinds lie strictly between 2 and 7, mouse kinds between 8 and 19.
enum EventKind {
    EV_KEYDOWN = 3,
    EV_KEYUP = 4,
    EV_CHAR = 5,
    EV_SYSKEY = 6,
    EV_MOUSEMOVE = 9,
    EV_MOUSELEAVE = 10,
    EV_MOUSEENTER = 11,
    EV_MOUSEHOVER = 12,
    EV_BUTTONDOWN = 13,
    EV_BUTTONUP = 14,
    EV_RBUTTONDOWN = 15,
    EV_DBLCLICK = 16,
    EV_CONTEXTMENU = 17,
    EV_SCROLLWHEEL = 18,
    EV_KILLFOCUS = 20,
    EV_SETFOCUS = 21,
    EV_WINDOWSIZE = 22,
    EV_SETCURSOR = 23,
    EV_TIMER = 24,
};

constexpr bool IsKeyEvent(int kind) { return kind > 2 && kind < 7; }
constexpr bool IsMouseEvent(int kind) { return kind > 8 && kind < 19; }

// Key state bits of key, cursor and wheel events.
enum KeyState : WORD {
    KEYSTATE_LBUTTON = 0x01,
    KEYSTATE_RBUTTON = 0x02,
    KEYSTATE_SHIFT = 0x04,
    KEYSTATE_CONTROL = 0x08,
    KEYSTATE_ALT = 0x20,
};

struct TControlEvent {
    int Type = 0;
    CControlUI* pSender = nullptr;
    DWORD dwTimestamp = 0;
    POINT ptMouse = {0, 0};
    char chKey = 0;
    WORD wKeyState = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

struct tagTNotifyUI {
    CSkinString sType;
    CSkinString sVirtualWnd;
    CControlUI* pSender = nullptr;
    DWORD dwTimestamp = 0;
    POINT ptMouse = {0, 0};
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
using TNotifyUI = tagTNotifyUI;

class INotifyUI {
public:
    virtual void Notify(TNotifyUI& msg) = 0;

protected:
    ~INotifyUI() = default;
};

class IMessageFilterUI {
public:
    virtual LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) = 0;

protected:
    ~IMessageFilterUI() = default;
};

class ITranslateAccelerator {
public:
    // 0 means the message was translated.
    virtual LRESULT TranslateAccel(MSG* pMsg) = 0;

protected:
    ~ITranslateAccelerator() = default;
};

// FindControl flags.
enum : UINT {
    FIND_ALL = 0x00000000,
    FIND_VISIBLE_ONLY = 0x00000001,
    FIND_ENABLED_ONLY = 0x00000002,
    FIND_AT_POINT = 0x00000004,
    FIND_LAST_CHILD_FIRST = 0x00000008,
    FIND_SELF_FIRST = 0x80000000,
};

// GetInputFlags bits.
enum : UINT {
    INPUT_TAB_STOP = 0x1,
    INPUT_WANTS_CURSOR = 0x2,
    INPUT_WANTS_RETURN = 0x4,
};

using FINDCONTROLPROC = CControlUI*(CALLBACK*)(CControlUI*, LPVOID);

}  // namespace SkinUI
