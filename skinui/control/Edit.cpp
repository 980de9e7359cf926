// CEditUI: attributes, the events that make and feed the native edit window,
// and painting of the text, placeholder and hover border.
#include "skinui/control/Edit.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "skinui/control/EditWnd.h"
#include "skinui/control/NativeWindowHost.h"
#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {
namespace {

constexpr UINT kFocusedBit = 0x01;
constexpr UINT kDisabledBit = 0x04;
constexpr UINT kHotBit = 0x08;
constexpr DWORD kPlaceholderColor = 0xFF7F7F7F;

// One mask character per character of `text`, double-byte characters included.
std::string Masked(const char* text, char mask) {
    std::string masked;
    for (const char* p = text; *p;) {
        masked += mask;
        const char* next = ::CharNextA(p);
        p = next > p ? next : p + 1;
    }
    return masked;
}

}  // namespace

CEditUI::CEditUI() {
    SetTextPadding(RECT{4, 3, 4, 3});
    SetBkColor(0xFFFFFFFF);
}

CEditUI::~CEditUI() { native_host::Close(m_pWindow); }

const char* CEditUI::GetTypeName() const { return "EditUI"; }

void* CEditUI::AsInterface(const char* name) {
    if (name && strcmp(name, "Edit") == 0) return static_cast<CEditUI*>(this);
    return CLabelUI::AsInterface(name);
}

UINT CEditUI::GetInputFlags() const {
    return IsEnabled() ? static_cast<UINT>(INPUT_TAB_STOP | INPUT_WANTS_CURSOR) : 0u;
}

HWND CEditUI::GetNativeWindow() const {
    return m_pWindow ? m_pWindow->GetHWND() : nullptr;
}

bool CEditUI::EnsureNativeWindow() {
    if (!m_pWindow) m_pWindow = CEditWnd::Open(this);
    return m_pWindow != nullptr;
}

void CEditUI::SetText(const char* text) {
    CLabelUI::SetText(text);
    if (m_pWindow) ::SetWindowTextA(m_pWindow->GetHWND(), m_sText);
}

void CEditUI::SetPos(RECT rc) {
    CLabelUI::SetPos(rc);
    native_host::FollowControl(m_pWindow);
}

void CEditUI::SetVisible(bool visible) {
    CLabelUI::SetVisible(visible);
    native_host::LeaveIfHidden(*this, m_pWindow != nullptr);
}

void CEditUI::SetVisibleByParent(bool visible) {
    CLabelUI::SetVisibleByParent(visible);
    native_host::LeaveIfHidden(*this, m_pWindow != nullptr);
}

void CEditUI::SetEnabled(bool enabled) {
    CLabelUI::SetEnabled(enabled);
    if (IsEnabled()) m_uButtonState &= ~kDisabledBit;
    else m_uButtonState = kDisabledBit;
}

void CEditUI::SetMaxChar(UINT maxChar) {
    m_uMaxChar = maxChar;
    if (m_pWindow) ::SendMessageA(m_pWindow->GetHWND(), EM_LIMITTEXT, m_uMaxChar, 0);
}

void CEditUI::SetReadOnly(bool readOnly) {
    if (m_bReadOnly == readOnly) return;
    m_bReadOnly = readOnly;
    if (m_pWindow) ::SendMessageA(m_pWindow->GetHWND(), EM_SETREADONLY, m_bReadOnly, 0);
    Invalidate();
}

void CEditUI::SetPasswordMode(bool password) {
    if (m_bPasswordMode == password) return;
    m_bPasswordMode = password;
    Invalidate();
}

void CEditUI::SetPasswordChar(char ch) {
    if (m_cPasswordChar == ch) return;
    m_cPasswordChar = ch;
    if (m_pWindow && m_bPasswordMode)
        ::SendMessageA(m_pWindow->GetHWND(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(ch), 0);
    Invalidate();
}

void CEditUI::SetNumberOnly(bool numberOnly) {
    if (numberOnly) m_dwNativeStyles |= ES_NUMBER;
    else m_dwNativeStyles &= ~static_cast<DWORD>(ES_NUMBER);
}

void CEditUI::SetNativeEditBkColor(DWORD color) { m_dwEditbkColor = color; }

void CEditUI::SetPlaceholder(const char* text) {
    m_sPlaceholder = text;
    Invalidate();
}

void CEditUI::SetHoverBorderColor(DWORD color) {
    m_dwHoverBorderColor = color;
    Invalidate();
}

void CEditUI::SetNormalImage(const char* descriptor) {
    m_sNormalImage = descriptor;
    Invalidate();
}

void CEditUI::SetHotImage(const char* descriptor) {
    m_sHotImage = descriptor;
    Invalidate();
}

void CEditUI::SetFocusedImage(const char* descriptor) {
    m_sFocusedImage = descriptor;
    Invalidate();
}

void CEditUI::SetDisabledImage(const char* descriptor) {
    m_sDisabledImage = descriptor;
    Invalidate();
}

void CEditUI::SetSel(long start, long end) {
    if (m_pWindow) ::SendMessageA(m_pWindow->GetHWND(), EM_SETSEL, start, end);
}

void CEditUI::SetSelAll() {
    if (!m_pWindow) return;
    int length = ::GetWindowTextLengthA(m_pWindow->GetHWND());
    if (length == 0) length = 1;
    SetSel(0, length);
}

void CEditUI::HandleEvent(TControlEvent& event) {
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
            // Made again at the new place once the layout has run.
            if (m_pWindow && m_pManager) m_pManager->FocusLater(this);
            return;
        case EV_SCROLLWHEEL:
            if (m_pWindow) return;
            break;
        case EV_SETFOCUS:
            if (!enabled) break;
            m_bFocused = true;
            m_uButtonState |= kFocusedBit;
            EnsureNativeWindow();
            Invalidate();
            return;
        case EV_KILLFOCUS:
            if (!enabled) break;
            m_bFocused = false;
            m_uButtonState &= ~kFocusedBit;
            Invalidate();
            return;
        case EV_MOUSEMOVE:
            m_bHovering = PtInRect(&m_rcItem, event.ptMouse) != FALSE;
            return;
        case EV_MOUSEENTER:
        case EV_MOUSELEAVE:
            m_bHovering = event.Type == EV_MOUSEENTER && PtInRect(&m_rcItem, event.ptMouse);
            if (enabled) {
                if (event.Type == EV_MOUSEENTER) m_uButtonState |= kHotBit;
                else m_uButtonState &= ~kHotBit;
                Invalidate();
            }
            return;
        case EV_BUTTONDOWN:
        case EV_RBUTTONDOWN:
        case EV_DBLCLICK:
            if (!enabled) break;
            if (m_pManager) m_pManager->ReleaseMouse();
            if (IsFocused() && EnsureNativeWindow() && ::GetFocus() != m_pWindow->GetHWND()) {
                // The press moved the keyboard focus to the paint window; the
                // native window keeps its place instead of closing under the user.
                ::SetFocus(m_pWindow->GetHWND());
            }
            if (!PtInRect(&m_rcItem, event.ptMouse)) return;
            SetSelAll();
            return;
        case EV_BUTTONUP:
        case EV_CONTEXTMENU:
            return;
        default:
            break;
    }
    CLabelUI::HandleEvent(event);
}

void CEditUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    if (is("readonly")) SetReadOnly(attr::ParseBool(value));
    else if (is("numberonly")) SetNumberOnly(attr::ParseBool(value));
    else if (is("password")) SetPasswordMode(attr::ParseBool(value));
    else if (is("maxchar")) SetMaxChar(static_cast<UINT>(atoi(value)));
    else if (is("normalimage")) SetNormalImage(value);
    else if (is("hotimage")) SetHotImage(value);
    else if (is("focusedimage")) SetFocusedImage(value);
    else if (is("disabledimage")) SetDisabledImage(value);
    else if (is("nativebkcolor")) SetNativeEditBkColor(attr::ParseHexColor(value));
    else if (is("placeholder")) SetPlaceholder(value);
    else if (is("hoverbordercolor")) SetHoverBorderColor(attr::ParseHexColor(value));
    else CLabelUI::SetAttribute(name, value);
}

SIZE CEditUI::MeasureSize(SIZE available) {
    if (m_cxyFixed.cy != 0 || !m_pManager) return CControlUI::MeasureSize(available);
    return SIZE{m_cxyFixed.cx, m_pManager->FontInfoByIndex(m_iFont)->tm.tmHeight + 6};
}

void CEditUI::PaintStateImages(HDC hDC) {
    if (!IsEnabled()) m_uButtonState |= kDisabledBit;
    else m_uButtonState &= ~kDisabledBit;
    CSkinString* state = nullptr;
    if (m_uButtonState & kDisabledBit) state = &m_sDisabledImage;
    else if (m_uButtonState & kFocusedBit) state = &m_sFocusedImage;
    else if (m_uButtonState & kHotBit) state = &m_sHotImage;
    if (state && !state->IsEmpty()) {
        if (!DrawImage(hDC, *state)) state->Clear();
        return;
    }
    if (!m_sNormalImage.IsEmpty() && !DrawImage(hDC, m_sNormalImage)) m_sNormalImage.Clear();
}

void CEditUI::PaintText(HDC hDC) {
    ResolveDefaultColors();
    RECT rc = TextRect();
    if (m_sText.IsEmpty()) {
        if (m_sPlaceholder.IsEmpty() || !IsEnabled()) return;
        CSkinRender::DrawPlainText(hDC, m_pManager, rc, m_sPlaceholder, kPlaceholderColor, m_iFont,
                                   m_uTextStyle | DT_SINGLELINE);
        return;
    }
    const std::string shown = m_bPasswordMode ? Masked(m_sText, m_cPasswordChar) : std::string(m_sText);
    const DWORD color = IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor;
    CSkinRender::DrawPlainText(hDC, m_pManager, rc, shown.c_str(), color, m_iFont, m_uTextStyle | DT_SINGLELINE);
}

void CEditUI::PaintBorder(HDC hDC) {
    if (m_bHovering && m_nBorderSize > 0 && m_dwHoverBorderColor != 0) {
        const DWORD color = GetAdjustedColor(m_dwHoverBorderColor);
        if (m_cxyBorderRound.cx > 0 || m_cxyBorderRound.cy > 0)
            CSkinRender::DrawRoundRect(hDC, m_rcItem, m_nBorderSize, m_cxyBorderRound.cx, m_cxyBorderRound.cy, color);
        else
            CSkinRender::DrawRect(hDC, m_rcItem, m_nBorderSize, color);
        return;
    }
    CLabelUI::PaintBorder(hDC);
}

}  // namespace SkinUI
