// CButtonUI: the press/click protocol, keyboard activation and the choice of
// state image and text colour.
#include "skinui/control/Button.h"

#include <cstring>

#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {

CButtonUI::CButtonUI() {
    m_uTextStyle = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
}

CButtonUI::~CButtonUI() = default;

const char* CButtonUI::GetTypeName() const { return "ButtonUI"; }

void* CButtonUI::AsInterface(const char* name) {
    if (name && strcmp(name, "Button") == 0) return static_cast<CButtonUI*>(this);
    return CLabelUI::AsInterface(name);
}

UINT CButtonUI::GetInputFlags() const {
    return (IsKeyboardEnabled() ? UINT{INPUT_TAB_STOP} : 0u) | (IsEnabled() ? UINT{INPUT_WANTS_CURSOR} : 0u);
}

bool CButtonUI::Activate() {
    if (!CControlUI::Activate()) return false;
    if (m_pManager) m_pManager->SendNotification(this, "click");
    return true;
}

void CButtonUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!IsEnabled()) m_uButtonState = 0;
}

SIZE CButtonUI::MeasureSize(SIZE available) {
    if (m_cxyFixed.cy != 0 || !m_pManager) return CControlUI::MeasureSize(available);
    return SIZE{m_cxyFixed.cx, m_pManager->FontInfoByIndex(m_iFont)->tm.tmHeight + 8};
}

void CButtonUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        if (m_pParent) m_pParent->HandleEvent(event);
        else CLabelUI::HandleEvent(event);
        return;
    }
    const bool inside = PtInRect(&m_rcItem, event.ptMouse) != FALSE;
    switch (event.Type) {
        case EV_SETFOCUS:
        case EV_KILLFOCUS:
            Invalidate();
            break;
        case EV_KEYDOWN:
            if (IsKeyboardEnabled() && (event.chKey == ' ' || event.chKey == '\r')) {
                Activate();
                return;
            }
            break;
        case EV_BUTTONDOWN:
        case EV_DBLCLICK:
            if (inside && IsEnabled()) {
                m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
                Invalidate();
                if (event.Type == EV_BUTTONDOWN && m_pManager) m_pManager->SendNotification(this, "btndown");
            }
            return;
        case EV_MOUSEMOVE:
            if (m_uButtonState & UISTATE_CAPTURED) {
                if (inside) m_uButtonState |= UISTATE_PUSHED;
                else m_uButtonState &= ~UISTATE_PUSHED;
                Invalidate();
            }
            return;
        case EV_BUTTONUP:
            if (m_uButtonState & UISTATE_CAPTURED) {
                if (inside) Activate();
                m_uButtonState &= ~(UISTATE_PUSHED | UISTATE_CAPTURED);
                Invalidate();
                if (m_pManager) m_pManager->SendNotification(this, "btnup");
            }
            return;
        case EV_CONTEXTMENU:
            if (IsMenuUsed() && m_pManager) m_pManager->SendNotification(this, "menu", event.wParam, event.lParam);
            return;
        case EV_MOUSEENTER:
            if (IsEnabled()) {
                m_uButtonState |= UISTATE_HOT;
                Invalidate();
            }
            break;
        case EV_MOUSELEAVE:
            if (IsEnabled()) {
                m_uButtonState &= ~UISTATE_HOT;
                Invalidate();
            }
            break;
        case EV_SETCURSOR:
            ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
            return;
        case EV_RBUTTONDOWN:
            if (inside && IsEnabled()) {
                m_uButtonState |= UISTATE_HOT;
                Invalidate();
                if (m_pManager) m_pManager->SendNotification(this, "rclick");
            }
            return;
        default:
            break;
    }
    CLabelUI::HandleEvent(event);
}

void CButtonUI::SetNormalImage(const char* descriptor) { m_sNormalImage = descriptor; Invalidate(); }
void CButtonUI::SetHotImage(const char* descriptor) { m_sHotImage = descriptor; Invalidate(); }
void CButtonUI::SetHotForeImage(const char* descriptor) { m_sHotForeImage = descriptor; Invalidate(); }
void CButtonUI::SetPushedImage(const char* descriptor) { m_sPushedImage = descriptor; Invalidate(); }
void CButtonUI::SetFocusedImage(const char* descriptor) { m_sFocusedImage = descriptor; Invalidate(); }
void CButtonUI::SetDisabledImage(const char* descriptor) { m_sDisabledImage = descriptor; Invalidate(); }

void CButtonUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    if (is("normalimage")) SetNormalImage(value);
    else if (is("hotimage")) SetHotImage(value);
    else if (is("pushedimage")) SetPushedImage(value);
    else if (is("focusedimage")) SetFocusedImage(value);
    else if (is("disabledimage")) SetDisabledImage(value);
    else if (is("foreimage")) SetForeImage(value);
    else if (is("hotforeimage")) SetHotForeImage(value);
    else if (is("hotbkcolor")) SetHotBkColor(attr::ParseHexColor(value));
    else if (is("hottextcolor")) SetHotTextColor(attr::ParseHexColor(value));
    else if (is("pushedtextcolor")) SetPushedTextColor(attr::ParseHexColor(value));
    else if (is("focusedtextcolor")) SetFocusedTextColor(attr::ParseHexColor(value));
    else CLabelUI::SetAttribute(name, value);
}

void CButtonUI::RefreshFocusAndEnabledBits() {
    if (IsFocused()) m_uButtonState |= UISTATE_FOCUSED;
    else m_uButtonState &= ~UISTATE_FOCUSED;
    if (!IsEnabled()) m_uButtonState |= UISTATE_DISABLED;
    else m_uButtonState &= ~UISTATE_DISABLED;
}

bool CButtonUI::DrawOrForget(HDC hDC, CSkinString& descriptor) {
    if (DrawImage(hDC, descriptor)) return true;
    descriptor.Clear();
    return false;
}

void CButtonUI::PaintStateImages(HDC hDC) {
    RefreshFocusAndEnabledBits();
    bool normal = true;
    if ((m_uButtonState & UISTATE_DISABLED) && !m_sDisabledImage.IsEmpty() && DrawOrForget(hDC, m_sDisabledImage)) {
        normal = false;
    } else if (m_uButtonState & UISTATE_DISABLED) {
        // No disabled image (or it failed): the normal step.
    } else if (m_uButtonState & UISTATE_PUSHED) {
        if (!m_sPushedImage.IsEmpty()) {
            DrawOrForget(hDC, m_sPushedImage);
            normal = false;
        }
    } else if (m_uButtonState & UISTATE_HOT) {
        if (!m_sHotImage.IsEmpty()) {
            DrawOrForget(hDC, m_sHotImage);
            if (!m_sHotForeImage.IsEmpty()) {
                DrawOrForget(hDC, m_sHotForeImage);
                return;
            }
            normal = false;
        } else if (m_dwHotBkColor != 0) {
            CSkinRender::DrawColor(hDC, m_rcPaint, GetAdjustedColor(m_dwHotBkColor));
            return;
        }
    } else if ((m_uButtonState & UISTATE_FOCUSED) && !m_sFocusedImage.IsEmpty()) {
        if (DrawOrForget(hDC, m_sFocusedImage)) normal = false;
    }
    if (normal && !m_sNormalImage.IsEmpty()) DrawOrForget(hDC, m_sNormalImage);
    if (!m_sForeImage.IsEmpty()) DrawOrForget(hDC, m_sForeImage);
}

void CButtonUI::PaintText(HDC hDC) {
    RefreshFocusAndEnabledBits();
    ResolveDefaultColors();
    if (m_sText.IsEmpty()) return;
    RECT rc = TextRect();
    DWORD color;
    if ((m_uButtonState & UISTATE_PUSHED) && m_dwPushedTextColor != 0) color = m_dwPushedTextColor;
    else if ((m_uButtonState & UISTATE_HOT) && m_dwHotTextColor != 0) color = m_dwHotTextColor;
    else if ((m_uButtonState & UISTATE_FOCUSED) && m_dwFocusedTextColor != 0) color = m_dwFocusedTextColor;
    else color = IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor;
    if (m_bShowHtml) {
        int links = 0;
        CSkinRender::DrawMarkupText(hDC, m_pManager, rc, m_sText, color, nullptr, nullptr, links, m_uTextStyle);
    } else {
        CSkinRender::DrawPlainText(hDC, m_pManager, rc, m_sText, color, m_iFont, m_uTextStyle);
    }
}

}  // namespace SkinUI
