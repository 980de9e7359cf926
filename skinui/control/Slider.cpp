// CSliderUI: thumb geometry, value from a point, dragging, the wheel and the
// thumb images.
#include "skinui/control/Slider.h"

#include <cstdlib>
#include <cstring>

#include "skinui/control/Button.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {

CSliderUI::CSliderUI() {
    m_uTextStyle = DT_CENTER | DT_SINGLELINE;
}

CSliderUI::~CSliderUI() = default;

const char* CSliderUI::GetTypeName() const { return "SliderUI"; }

void* CSliderUI::AsInterface(const char* name) {
    if (name && strcmp(name, "Slider") == 0) return static_cast<CSliderUI*>(this);
    return CProgressUI::AsInterface(name);
}

UINT CSliderUI::GetInputFlags() const {
    return IsEnabled() ? UINT{INPUT_WANTS_CURSOR} : 0u;
}

void CSliderUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!IsEnabled()) m_uButtonState = 0;
}

RECT CSliderUI::GetThumbRect() const {
    const RECT& r = m_rcItem;
    const int tw = m_szThumb.cx;
    const int th = m_szThumb.cy;
    const int range = m_nMax - m_nMin;
    RECT thumb;
    if (m_bHorizontal) {
        thumb.left = r.left + (r.right - r.left - tw) * (m_nValue - m_nMin) / range;
        thumb.top = (r.bottom + r.top - th) / 2;
    } else {
        thumb.left = (r.right + r.left - tw) / 2;
        thumb.top = r.bottom - (r.bottom - r.top - th) * (m_nValue - m_nMin) / range - th;
    }
    thumb.right = thumb.left + tw;
    thumb.bottom = thumb.top + th;
    return thumb;
}

int CSliderUI::ValueAt(POINT pt) const {
    const RECT& r = m_rcItem;
    const int tw = m_szThumb.cx;
    const int th = m_szThumb.cy;
    if (m_bHorizontal) {
        if (pt.x >= r.right - tw / 2) return m_nMax;
        if (pt.x <= r.left + tw / 2) return m_nMin;
        return m_nMin + (pt.x - r.left - tw / 2) * (m_nMax - m_nMin) / (r.right - r.left - tw);
    }
    if (pt.y >= r.bottom - th / 2) return m_nMin;
    if (pt.y <= r.top + th / 2) return m_nMax;
    return m_nMin + (m_nMax - m_nMin) * (r.bottom - th / 2 - pt.y) / (r.bottom - r.top - th);
}

void CSliderUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        if (m_pParent) m_pParent->HandleEvent(event);
        else CLabelUI::HandleEvent(event);
        return;
    }
    switch (event.Type) {
        case EV_BUTTONDOWN:
        case EV_DBLCLICK:
            if (IsEnabled()) {
                const RECT thumb = GetThumbRect();
                if (PtInRect(&thumb, event.ptMouse)) m_uButtonState |= UISTATE_CAPTURED;
            }
            return;
        case EV_BUTTONUP:
            m_uButtonState &= ~UISTATE_CAPTURED;
            m_nValue = ValueAt(event.ptMouse);
            if (m_pManager) m_pManager->SendNotification(this, "valuechanged");
            Invalidate();
            return;
        case EV_CONTEXTMENU:
            return;
        case EV_SCROLLWHEEL:
            if (LOWORD(event.wParam) == 0 || LOWORD(event.wParam) == 1) {
                // Not clamped here: the next paint brings the value back into range.
                SetValue(m_nValue + (LOWORD(event.wParam) == 0 ? m_nStep : -m_nStep));
                if (m_pManager) m_pManager->SendNotification(this, "valuechanged");
                return;
            }
            break;
        case EV_MOUSEMOVE:
            if (m_uButtonState & UISTATE_CAPTURED) {
                m_nValue = ValueAt(event.ptMouse);
                Invalidate();
            }
            return;
        case EV_SETCURSOR: {
            const RECT thumb = GetThumbRect();
            if (IsEnabled() && PtInRect(&thumb, event.ptMouse)) {
                ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
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

void CSliderUI::SetThumbImage(const char* descriptor) { m_sThumbImage = descriptor; Invalidate(); }
void CSliderUI::SetThumbHotImage(const char* descriptor) { m_sThumbHotImage = descriptor; Invalidate(); }
void CSliderUI::SetThumbPushedImage(const char* descriptor) { m_sThumbPushedImage = descriptor; Invalidate(); }

void CSliderUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    if (is("thumbimage")) SetThumbImage(value);
    else if (is("thumbhotimage")) SetThumbHotImage(value);
    else if (is("thumbpushedimage")) SetThumbPushedImage(value);
    else if (is("thumbsize")) SetThumbSize(attr::ParseSize(value));
    else if (is("step")) SetChangeStep(atoi(value));
    else CProgressUI::SetAttribute(name, value);
}

void CSliderUI::PaintStateImages(HDC hDC) {
    CProgressUI::PaintStateImages(hDC);
    RECT thumb = GetThumbRect();
    OffsetRect(&thumb, -m_rcItem.left, -m_rcItem.top);
    m_sImageModify.Format("dest='%d,%d,%d,%d'", static_cast<int>(thumb.left), static_cast<int>(thumb.top),
                          static_cast<int>(thumb.right), static_cast<int>(thumb.bottom));
    if (m_uButtonState & (UISTATE_CAPTURED | UISTATE_HOT)) {
        CSkinString& image = (m_uButtonState & UISTATE_CAPTURED) ? m_sThumbPushedImage : m_sThumbHotImage;
        if (!image.IsEmpty()) {
            if (DrawImage(hDC, image, m_sImageModify)) return;
            image.Clear();
        }
    }
    if (!m_sThumbImage.IsEmpty() && !DrawImage(hDC, m_sThumbImage, m_sImageModify)) m_sThumbImage.Clear();
}

}  // namespace SkinUI
