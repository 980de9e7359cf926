// CEditWnd: creation over the owning edit control, the reflected edit
// notifications and colours, Enter, and the self-closing on focus loss.
#include "skinui/control/EditWnd.h"

#include <string>

#include "skinui/control/Edit.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {
namespace {

// The paint manager reflects child notifications back at this offset.
constexpr UINT kReflectOffset = 0x2000;

COLORREF ToColorRef(DWORD argb) {
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

}  // namespace

CEditWnd* CEditWnd::Open(CEditUI* owner) {
    auto* window = new CEditWnd;
    if (window->Init(owner)) return window;
    // Without a native window nobody else would ever delete it.
    if (!window->m_hWnd) delete window;
    return nullptr;
}

const char* CEditWnd::WindowClassName() const { return "EditWnd"; }
const char* CEditWnd::GetSuperClassName() const { return "Edit"; }

HFONT CEditWnd::OwnerFont() const {
    CPaintManagerUI* manager = m_pOwner ? m_pOwner->GetManager() : nullptr;
    return manager ? manager->FontByIndex(m_pOwner->GetFont()) : nullptr;
}

RECT CEditWnd::CalcPos() const {
    const RECT& item = m_pOwner->GetPos();
    const RECT padding = m_pOwner->GetTextPadding();
    RECT rc = {item.left + padding.left, item.top + padding.top, item.right - padding.right,
               item.bottom - padding.bottom};
    CPaintManagerUI* manager = m_pOwner->GetManager();
    if (!manager) return rc;
    const LONG fontHeight = manager->FontInfoByIndex(m_pOwner->GetFont())->tm.tmHeight;
    if (fontHeight > 0 && fontHeight < rc.bottom - rc.top) {
        rc.top += (rc.bottom - rc.top - fontHeight) / 2;
        rc.bottom = rc.top + fontHeight;
    }
    return rc;
}

bool CEditWnd::Init(CEditUI* owner) {
    m_pOwner = owner;
    CPaintManagerUI* manager = owner ? owner->GetManager() : nullptr;
    if (!manager || !manager->PaintWindow()) return false;
    DWORD style = WS_CHILD | ES_AUTOHSCROLL;
    if (owner->IsPasswordMode()) style |= ES_PASSWORD;
    if (!Create(manager->PaintWindow(), nullptr, style, 0, CalcPos())) return false;

    ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(OwnerFont()), 0);
    ::SendMessageA(m_hWnd, EM_LIMITTEXT, owner->GetMaxChar(), 0);
    if (owner->IsPasswordMode())
        ::SendMessageA(m_hWnd, EM_SETPASSWORDCHAR, static_cast<unsigned char>(owner->GetPasswordChar()), 0);
    ::SetWindowTextA(m_hWnd, owner->m_sText);
    ::SendMessageA(m_hWnd, EM_SETMODIFY, FALSE, 0);
    ::SendMessageA(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    ::EnableWindow(m_hWnd, owner->IsEnabled());
    ::SendMessageA(m_hWnd, EM_SETREADONLY, owner->IsReadOnly(), 0);
    const LONG_PTR current = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, current | static_cast<LONG_PTR>(owner->GetNativeStyles()));
    ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    ::SetFocus(m_hWnd);
    m_bInit = true;
    return true;
}

void CEditWnd::Detach() {
    m_pOwner = nullptr;
}

void CEditWnd::OnEditChanged() {
    if (!m_bInit || !m_pOwner) return;
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowTextA(m_hWnd, &text[0], length + 1);
    // The native window already shows the text: no repaint of the control.
    m_pOwner->m_sText = text.c_str();
    if (CPaintManagerUI* manager = m_pOwner->GetManager()) manager->SendNotification(m_pOwner, "textchanged");
}

LRESULT CEditWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_KILLFOCUS:
            PostMessage(WM_CLOSE);
            break;
        case WM_CLOSE:
            // The focus came back before the close arrived: stay.
            if (::GetFocus() == m_hWnd) return 0;
            break;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                if (m_pOwner && m_pOwner->GetManager()) m_pOwner->GetManager()->SendNotification(m_pOwner, "return");
                return 0;
            }
            break;
        case WM_CHAR:
            // A single-line edit beeps at the Enter character; "return" already answered it.
            if (wParam == '\r') return 0;
            break;
        case WM_COMMAND + kReflectOffset:
            if (HIWORD(wParam) == EN_CHANGE) {
                OnEditChanged();
                return 0;
            }
            if (HIWORD(wParam) == EN_UPDATE) {
                ::InvalidateRect(m_hWnd, nullptr, FALSE);
                return 0;
            }
            return 0;
        case WM_CTLCOLOREDIT + kReflectOffset:
        case WM_CTLCOLORSTATIC + kReflectOffset: {
            if (!m_pOwner || m_pOwner->GetNativeEditBkColor() == 0xFFFFFFFF)
                return ::DefWindowProcA(m_hWnd, msg - kReflectOffset, wParam, lParam);
            HDC dc = reinterpret_cast<HDC>(wParam);
            ::SetBkMode(dc, TRANSPARENT);
            DWORD textColor = m_pOwner->GetTextColor();
            if (textColor == 0 && m_pOwner->GetManager()) textColor = m_pOwner->GetManager()->DefaultFontColor();
            ::SetTextColor(dc, ToColorRef(textColor));
            if (!m_hBkBrush) m_hBkBrush.reset(::CreateSolidBrush(ToColorRef(m_pOwner->GetNativeEditBkColor())));
            return reinterpret_cast<LRESULT>(m_hBkBrush.get());
        }
        default:
            break;
    }
    return CWindowWnd::HandleMessage(msg, wParam, lParam);
}

void CEditWnd::OnFinalMessage(HWND) {
    if (m_pOwner) {
        m_pOwner->Invalidate();
        m_pOwner->m_pWindow = nullptr;
    }
    delete this;
}

}  // namespace SkinUI
