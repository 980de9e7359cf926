// CDateTimeUI: the date text and the events that make the native picker.
#include "skinui/control/DateTime.h"

#include <cstdio>
#include <cstring>

#include <commctrl.h>

#include "skinui/control/DateTimeWnd.h"
#include "skinui/control/NativeWindowHost.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {

CDateTimeUI::CDateTimeUI() {
    ::GetLocalTime(&m_sysTime);
    m_nDTUpdateFlag = DT_UPDATE;
    UpdateText();
    m_nDTUpdateFlag = DT_NONE;
}

CDateTimeUI::~CDateTimeUI() { native_host::Close(m_pWindow); }

const char* CDateTimeUI::GetTypeName() const { return "DateTimeUI"; }

void* CDateTimeUI::AsInterface(const char* name) {
    if (name && strcmp(name, "DateTime") == 0) return static_cast<CDateTimeUI*>(this);
    return CLabelUI::AsInterface(name);
}

HWND CDateTimeUI::GetNativeWindow() const {
    return m_pWindow ? m_pWindow->GetHWND() : nullptr;
}

void CDateTimeUI::SetTime(const SYSTEMTIME& time) {
    m_sysTime = time;
    m_nDTUpdateFlag = DT_UPDATE;
    UpdateText();
    m_nDTUpdateFlag = DT_NONE;
    if (m_pWindow) ::SendMessageA(m_pWindow->GetHWND(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&m_sysTime));
}

void CDateTimeUI::UpdateText() {
    if (m_nDTUpdateFlag == DT_DELETE) {
        SetText("");
    } else if (m_nDTUpdateFlag == DT_UPDATE) {
        char text[32];
        snprintf(text, sizeof(text), "%4d-%02d-%02d", m_sysTime.wYear, m_sysTime.wMonth, m_sysTime.wDay);
        SetText(text);
    }
}

bool CDateTimeUI::EnsureNativeWindow() {
    m_pWindow = CDateTimeWnd::Open(this, m_pWindow);
    return m_pWindow != nullptr;
}

void CDateTimeUI::SetPos(RECT rc) {
    CLabelUI::SetPos(rc);
    native_host::FollowControl(m_pWindow);
}

void CDateTimeUI::SetVisible(bool visible) {
    CLabelUI::SetVisible(visible);
    native_host::LeaveIfHidden(*this, m_pWindow != nullptr);
}

void CDateTimeUI::SetVisibleByParent(bool visible) {
    CLabelUI::SetVisibleByParent(visible);
    native_host::LeaveIfHidden(*this, m_pWindow != nullptr);
}

void CDateTimeUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        if (m_pParent) m_pParent->HandleEvent(event);
        else CLabelUI::HandleEvent(event);
        return;
    }
    const bool enabled = IsEnabled();
    switch (event.Type) {
        case EV_SETCURSOR:
            if (!enabled) break;
            ::SetCursor(::LoadCursor(nullptr, IDC_IBEAM));
            return;
        case EV_WINDOWSIZE:
            if (m_pWindow && m_pManager) m_pManager->FocusLater(this);
            return;
        case EV_SCROLLWHEEL:
            if (m_pWindow) return;
            break;
        case EV_SETFOCUS:
            if (!enabled) break;
            m_bFocused = true;
            EnsureNativeWindow();
            Invalidate();
            return;
        case EV_KILLFOCUS:
            if (!enabled) break;
            m_bFocused = false;
            Invalidate();
            return;
        case EV_BUTTONDOWN:
        case EV_RBUTTONDOWN:
        case EV_DBLCLICK:
            if (!enabled) break;
            if (m_pManager) m_pManager->ReleaseMouse();
            if (IsFocused() && !m_pWindow) EnsureNativeWindow();
            return;
        case EV_MOUSEMOVE:
        case EV_BUTTONUP:
        case EV_CONTEXTMENU:
        case EV_MOUSEENTER:
        case EV_MOUSELEAVE:
            return;
        default:
            break;
    }
    CLabelUI::HandleEvent(event);
}

}  // namespace SkinUI
