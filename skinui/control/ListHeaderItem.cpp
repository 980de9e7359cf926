// CListHeaderItemUI: separator drags, header clicks, state images and text.
#include "skinui/control/ListHeaderItem.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "skinui/control/Button.h"
#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {

CListHeaderItemUI::CListHeaderItemUI() = default;

const char* CListHeaderItemUI::GetTypeName() const { return "ListHeaderItemUI"; }

void* CListHeaderItemUI::AsInterface(const char* name) {
    if (name && strcmp(name, "ListHeaderItem") == 0) return static_cast<CListHeaderItemUI*>(this);
    return CControlUI::AsInterface(name);
}

UINT CListHeaderItemUI::GetInputFlags() const {
    return IsEnabled() && m_bDragable ? UINT{INPUT_WANTS_CURSOR} : 0u;
}

void CListHeaderItemUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!IsEnabled()) m_uButtonState = 0;
}

void CListHeaderItemUI::SetDragable(bool dragable) {
    m_bDragable = dragable;
    if (!m_bDragable) m_uButtonState &= ~UISTATE_CAPTURED;
}

void CListHeaderItemUI::SetSepWidth(int width) { m_iSepWidth = width; Invalidate(); }
void CListHeaderItemUI::SetTextColor(DWORD color) { m_dwTextColor = color; Invalidate(); }
void CListHeaderItemUI::SetTextPadding(RECT rc) { m_rcTextPadding = rc; Invalidate(); }
void CListHeaderItemUI::SetFont(int index) { m_iFont = index; Invalidate(); }
void CListHeaderItemUI::SetShowHtml(bool show) { m_bShowHtml = show; Invalidate(); }

RECT CListHeaderItemUI::GetThumbRect() const {
    if (m_iSepWidth >= 0) return RECT{m_rcItem.right - kSeparatorZone, m_rcItem.top, m_rcItem.right, m_rcItem.bottom};
    return RECT{m_rcItem.left, m_rcItem.top, m_rcItem.left + kSeparatorZone, m_rcItem.bottom};
}

void CListHeaderItemUI::RequestListLayout() {
    CControlUI* header = GetParent();
    CControlUI* list = header ? header->GetParent() : nullptr;
    if (list) list->RequestLayout();
    else RequestParentLayout();
}

void CListHeaderItemUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        if (m_pParent) m_pParent->HandleEvent(event);
        else CControlUI::HandleEvent(event);
        return;
    }
    switch (event.Type) {
        case EV_SETFOCUS:
        case EV_KILLFOCUS:
            Invalidate();
            return;
        case EV_BUTTONDOWN:
        case EV_DBLCLICK: {
            if (!IsEnabled()) return;
            const RECT zone = GetThumbRect();
            if (m_bDragable && PtInRect(&zone, event.ptMouse)) {
                m_uButtonState |= UISTATE_CAPTURED;
                m_ptLastMouse = event.ptMouse;
            } else {
                m_uButtonState |= UISTATE_PUSHED;
                if (m_pManager) m_pManager->SendNotification(this, "headerclick");
                Invalidate();
            }
            return;
        }
        case EV_BUTTONUP:
            if (m_uButtonState & UISTATE_CAPTURED) {
                m_uButtonState &= ~UISTATE_CAPTURED;
                RequestListLayout();
            } else if (m_uButtonState & UISTATE_PUSHED) {
                m_uButtonState &= ~UISTATE_PUSHED;
                Invalidate();
            }
            return;
        case EV_MOUSEMOVE:
            if (m_uButtonState & UISTATE_CAPTURED) {
                // From the width asked for so far: moves may come faster than layouts.
                const int current = m_cxyFixed.cx != 0 ? m_cxyFixed.cx : static_cast<int>(m_rcItem.right - m_rcItem.left);
                const int moved = event.ptMouse.x - m_ptLastMouse.x;
                const int width = m_iSepWidth >= 0 ? current + moved : current - moved;
                if (width > GetMinWidth()) {
                    m_cxyFixed.cx = width;
                    m_ptLastMouse = event.ptMouse;
                    RequestListLayout();
                }
            }
            return;
        case EV_SETCURSOR: {
            const RECT zone = GetThumbRect();
            if (IsEnabled() && m_bDragable && PtInRect(&zone, event.ptMouse)) {
                ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
                return;
            }
            break;
        }
        case EV_MOUSEENTER:
            if (IsEnabled()) {
                m_uButtonState |= UISTATE_HOT;
                Invalidate();
            }
            return;
        case EV_MOUSELEAVE:
            if (IsEnabled()) {
                m_uButtonState &= ~UISTATE_HOT;
                Invalidate();
            }
            return;
        default:
            break;
    }
    CControlUI::HandleEvent(event);
}

SIZE CListHeaderItemUI::MeasureSize(SIZE) {
    if (m_cxyFixed.cy != 0 || !m_pManager) return m_cxyFixed;
    return SIZE{m_cxyFixed.cx, m_pManager->BaseFontInfo()->tm.tmHeight + 14};
}

void CListHeaderItemUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    if (is("dragable")) SetDragable(attr::ParseBool(value));
    else if (is("sepwidth")) SetSepWidth(atoi(value));
    else if (is("align")) {
        if (strstr(value, "left")) {
            m_uTextStyle &= ~(DT_CENTER | DT_RIGHT);
            m_uTextStyle |= DT_LEFT;
        }
        if (strstr(value, "center")) {
            m_uTextStyle &= ~(DT_LEFT | DT_RIGHT);
            m_uTextStyle |= DT_CENTER;
        }
        if (strstr(value, "right")) {
            m_uTextStyle &= ~(DT_LEFT | DT_CENTER);
            m_uTextStyle |= DT_RIGHT;
        }
    } else if (is("endellipsis")) {
        if (attr::ParseBool(value)) m_uTextStyle |= DT_END_ELLIPSIS;
        else m_uTextStyle &= ~DT_END_ELLIPSIS;
    } else if (is("font")) SetFont(atoi(value));
    else if (is("textcolor")) SetTextColor(attr::ParseHexColor(value));
    else if (is("textpadding")) SetTextPadding(attr::ParseRect(value));
    else if (is("showhtml")) SetShowHtml(attr::ParseBool(value));
    else if (is("normalimage")) SetNormalImage(value);
    else if (is("hotimage")) SetHotImage(value);
    else if (is("pushedimage")) SetPushedImage(value);
    else if (is("focusedimage")) SetFocusedImage(value);
    else if (is("sepimage")) SetSepImage(value);
    else CControlUI::SetAttribute(name, value);
}

bool CListHeaderItemUI::DrawOrForget(HDC hDC, CSkinString& descriptor, const char* modifier) {
    if (descriptor.IsEmpty()) return false;
    if (DrawImage(hDC, descriptor, modifier)) return true;
    descriptor.Clear();
    return false;
}

void CListHeaderItemUI::PaintStateImages(HDC hDC) {
    if (IsFocused()) m_uButtonState |= UISTATE_FOCUSED;
    else m_uButtonState &= ~UISTATE_FOCUSED;
    bool drawn = false;
    if (m_uButtonState & UISTATE_PUSHED) drawn = DrawOrForget(hDC, m_sPushedImage);
    else if (m_uButtonState & UISTATE_HOT) drawn = DrawOrForget(hDC, m_sHotImage);
    else if (m_uButtonState & UISTATE_FOCUSED) drawn = DrawOrForget(hDC, m_sFocusedImage);
    if (!drawn) DrawOrForget(hDC, m_sNormalImage);

    if (m_sSepImage.IsEmpty()) return;
    // The separator image sits in the separator's width at its edge, in item coordinates.
    const int width = m_iSepWidth >= 0 ? m_iSepWidth : -m_iSepWidth;
    const int itemWidth = m_rcItem.right - m_rcItem.left;
    const int left = m_iSepWidth >= 0 ? itemWidth - width : 0;
    char modifier[64];
    snprintf(modifier, sizeof(modifier), "dest='%d,%d,%d,%d'", left, 0, left + width,
             static_cast<int>(m_rcItem.bottom - m_rcItem.top));
    DrawOrForget(hDC, m_sSepImage, modifier);
}

void CListHeaderItemUI::PaintText(HDC hDC) {
    if (m_sText.IsEmpty()) return;
    DWORD color = m_dwTextColor;
    if (color == 0 && m_pManager) color = m_pManager->DefaultFontColor();
    RECT rc = m_rcItem;
    rc.left += m_rcTextPadding.left;
    rc.top += m_rcTextPadding.top;
    rc.right -= m_rcTextPadding.right;
    rc.bottom -= m_rcTextPadding.bottom;
    if (m_bShowHtml) {
        int links = 0;
        CSkinRender::DrawMarkupText(hDC, m_pManager, rc, m_sText, color, nullptr, nullptr, links, m_uTextStyle);
    } else {
        CSkinRender::DrawPlainText(hDC, m_pManager, rc, m_sText, color, m_iFont, m_uTextStyle);
    }
}

}  // namespace SkinUI
