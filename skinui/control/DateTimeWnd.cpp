// CDateTimeWnd: creation and re-initialisation over the owner, reading the
// picked date back, and the keys that clear or cancel.
#include "skinui/control/DateTimeWnd.h"

#include <commctrl.h>

#include "skinui/control/DateTime.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {

CDateTimeWnd* CDateTimeWnd::Open(CDateTimeUI* owner, CDateTimeWnd* existing) {
    CDateTimeWnd* window = existing ? existing : new CDateTimeWnd;
    if (window->Init(owner)) return window;
    if (!window->m_hWnd) delete window;
    return nullptr;
}

const char* CDateTimeWnd::WindowClassName() const { return "DateTimeWnd"; }
const char* CDateTimeWnd::GetSuperClassName() const { return DATETIMEPICK_CLASSA; }

RECT CDateTimeWnd::CalcPos() const {
    return m_pOwner->GetPos();
}

bool CDateTimeWnd::Init(CDateTimeUI* owner) {
    m_pOwner = owner;
    CPaintManagerUI* manager = owner ? owner->GetManager() : nullptr;
    if (!manager || !manager->PaintWindow()) return false;
    m_pOwner->m_nDTUpdateFlag = CDateTimeUI::DT_NONE;
    if (!m_hWnd) {
        static const bool registered = [] {
            INITCOMMONCONTROLSEX init = {sizeof(init), ICC_DATE_CLASSES};
            return ::InitCommonControlsEx(&init) != FALSE;
        }();
        (void)registered;
        if (!Create(manager->PaintWindow(), nullptr, WS_CHILD, 0, CalcPos())) return false;
        ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(manager->FontByIndex(owner->GetFont())), TRUE);
    }
    if (owner->m_sText.IsEmpty()) ::GetLocalTime(&owner->m_sysTime);
    ::SendMessageA(m_hWnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&owner->m_sysTime));
    ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    ::SetFocus(m_hWnd);
    m_bInit = true;
    return true;
}

void CDateTimeWnd::Detach() {
    m_pOwner = nullptr;
}

bool CDateTimeWnd::IsOwnCalendar(HWND window) const {
    if (!window) return false;
    HWND calendar = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, DTM_GETMONTHCAL, 0, 0));
    return calendar && (window == calendar || ::IsChild(calendar, window));
}

LRESULT CDateTimeWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_KILLFOCUS: {
            if (IsOwnCalendar(reinterpret_cast<HWND>(wParam))) break;
            if (m_pOwner && m_pOwner->m_nDTUpdateFlag == CDateTimeUI::DT_NONE) {
                SYSTEMTIME picked = {};
                if (::SendMessageA(m_hWnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&picked)) == GDT_VALID)
                    m_pOwner->m_sysTime = picked;
                m_pOwner->m_nDTUpdateFlag = CDateTimeUI::DT_UPDATE;
                m_pOwner->UpdateText();
            }
            PostMessage(WM_CLOSE);
            break;
        }
        case WM_KEYUP:
            if (!m_pOwner) break;
            if (wParam == VK_BACK || wParam == VK_DELETE) {
                m_pOwner->m_nDTUpdateFlag = CDateTimeUI::DT_DELETE;
                m_pOwner->UpdateText();
            } else if (wParam == VK_ESCAPE) {
                m_pOwner->m_nDTUpdateFlag = CDateTimeUI::DT_KEEP;
            }
            break;
        default:
            break;
    }
    return CWindowWnd::HandleMessage(msg, wParam, lParam);
}

void CDateTimeWnd::OnFinalMessage(HWND) {
    if (m_pOwner) {
        m_pOwner->Invalidate();
        m_pOwner->m_pWindow = nullptr;
    }
    delete this;
}

}  // namespace SkinUI
