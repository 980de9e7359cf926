// CTextUI: link hit tests, hover repaints, measuring wrapped text and
// painting that collects the link rectangles.
#include "skinui/control/Text.h"

#include <algorithm>
#include <cstring>

#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {

CTextUI::CTextUI() {
    m_uTextStyle = DT_WORDBREAK;
    m_rcTextPadding.left = 2;
    m_rcTextPadding.right = 2;
}

CTextUI::~CTextUI() = default;

const char* CTextUI::GetTypeName() const { return "TextUI"; }

void* CTextUI::AsInterface(const char* name) {
    if (name && strcmp(name, "Text") == 0) return static_cast<CTextUI*>(this);
    return CLabelUI::AsInterface(name);
}

UINT CTextUI::GetInputFlags() const {
    return IsEnabled() && m_nLinks > 0 ? UINT{INPUT_WANTS_CURSOR} : 0u;
}

int CTextUI::LinkAt(POINT pt) const {
    for (int i = 0; i < m_nLinks; ++i) {
        if (PtInRect(&m_rcLinks[i], pt)) return i;
    }
    return -1;
}

void CTextUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        if (m_pParent) m_pParent->HandleEvent(event);
        else CLabelUI::HandleEvent(event);
        return;
    }
    const int link = LinkAt(event.ptMouse);
    switch (event.Type) {
        case EV_SETCURSOR:
            if (link >= 0) {
                ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
                return;
            }
            break;
        case EV_BUTTONDOWN:
        case EV_DBLCLICK:
            if ((event.Type == EV_BUTTONDOWN || IsEnabled()) && link >= 0) {
                Invalidate();
                return;
            }
            break;
        case EV_BUTTONUP:
            if (IsEnabled() && link >= 0) {
                if (m_pManager) m_pManager->SendNotification(this, "link", static_cast<WPARAM>(link));
                return;
            }
            break;
        case EV_CONTEXTMENU:
            return;
        case EV_MOUSEMOVE:
            if (IsEnabled() && m_nLinks > 0 && link != m_nHoverLink) {
                m_nHoverLink = link;
                Invalidate();
                return;
            }
            break;
        case EV_MOUSELEAVE:
            if (IsEnabled() && m_nLinks > 0 && m_nHoverLink != -1) {
                m_nHoverLink = -1;
                Invalidate();
                return;
            }
            break;
        default:
            break;
    }
    CLabelUI::HandleEvent(event);
}

SIZE CTextUI::MeasureSize(SIZE available) {
    const int width = std::max<int>(m_cxyFixed.cx, available.cx);
    RECT rc = {m_rcTextPadding.left, 0, width - m_rcTextPadding.right, 9999};
    HDC dc = m_pManager ? m_pManager->PaintDC() : nullptr;
    if (m_bShowHtml) {
        int links = 0;
        CSkinRender::DrawMarkupText(dc, m_pManager, rc, m_sText, 0, nullptr, nullptr, links,
                                    DT_CALCRECT | m_uTextStyle);
    } else {
        CSkinRender::DrawPlainText(dc, m_pManager, rc, m_sText, 0, m_iFont, DT_CALCRECT | m_uTextStyle);
    }
    SIZE size;
    size.cx = (rc.right - rc.left) + m_rcTextPadding.left + m_rcTextPadding.right;
    size.cy = m_cxyFixed.cy != 0 ? m_cxyFixed.cy : (rc.bottom - rc.top) + m_rcTextPadding.top + m_rcTextPadding.bottom;
    return size;
}

void CTextUI::PaintText(HDC hDC) {
    if (m_sText.IsEmpty()) {
        m_nLinks = 0;
        return;
    }
    ResolveDefaultColors();
    RECT rc = TextRect();
    m_nLinks = kMaxLinks;
    const DWORD color = IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor;
    if (m_bShowHtml) {
        CSkinRender::DrawMarkupText(hDC, m_pManager, rc, m_sText, color, m_rcLinks, m_sLinks, m_nLinks, m_uTextStyle);
    } else {
        CSkinRender::DrawPlainText(hDC, m_pManager, rc, m_sText, color, m_iFont, m_uTextStyle);
    }
}

}  // namespace SkinUI
