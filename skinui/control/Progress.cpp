// CProgressUI: value rules and the fill drawn from the fore image.
#include "skinui/control/Progress.h"

#include <cstdlib>
#include <cstring>

namespace SkinUI {

CProgressUI::CProgressUI() {
    m_uTextStyle = DT_CENTER | DT_SINGLELINE;
    SetFixedHeight(12);
}

CProgressUI::~CProgressUI() = default;

const char* CProgressUI::GetTypeName() const { return "ProgressUI"; }

void* CProgressUI::AsInterface(const char* name) {
    if (name && strcmp(name, "Progress") == 0) return static_cast<CProgressUI*>(this);
    return CLabelUI::AsInterface(name);
}

void CProgressUI::SetHorizontal(bool horizontal) {
    if (m_bHorizontal == horizontal) return;
    m_bHorizontal = horizontal;
    Invalidate();
}

void CProgressUI::SetStretchForeImage(bool stretch) {
    if (m_bStretchForeImage == stretch) return;
    m_bStretchForeImage = stretch;
    Invalidate();
}

// No clamping here: the next paint corrects the range and the value.
void CProgressUI::SetMinValue(int value) { m_nMin = value; Invalidate(); }
void CProgressUI::SetMaxValue(int value) { m_nMax = value; Invalidate(); }
void CProgressUI::SetValue(int value) { m_nValue = value; Invalidate(); }

void CProgressUI::SetForeImage(const char* descriptor) {
    if (m_sProgressForeImage == (descriptor ? descriptor : "")) return;
    m_sProgressForeImage = descriptor;
    Invalidate();
}

void CProgressUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    if (is("foreimage")) SetForeImage(value);
    else if (is("hor")) SetHorizontal(attr::ParseBool(value));
    else if (is("min")) SetMinValue(atoi(value));
    else if (is("max")) SetMaxValue(atoi(value));
    else if (is("value")) SetValue(atoi(value));
    else if (is("isstretchfore")) SetStretchForeImage(attr::ParseBool(value));
    else CLabelUI::SetAttribute(name, value);
}

void CProgressUI::PaintStateImages(HDC hDC) {
    if (m_nMax <= m_nMin) m_nMax = m_nMin + 1;
    if (m_nValue > m_nMax) m_nValue = m_nMax;
    if (m_nValue < m_nMin) m_nValue = m_nMin;

    const int width = m_rcItem.right - m_rcItem.left;
    const int height = m_rcItem.bottom - m_rcItem.top;
    const int range = m_nMax - m_nMin;
    RECT fill = {0, 0, width, height};
    if (m_bHorizontal) fill.right = width * (m_nValue - m_nMin) / range;
    else fill.top = height * (m_nMax - m_nValue) / range;

    if (m_sProgressForeImage.IsEmpty()) return;
    if (m_bStretchForeImage) {
        m_sForeImageModify.Format("dest='%d,%d,%d,%d'", static_cast<int>(fill.left), static_cast<int>(fill.top),
                                  static_cast<int>(fill.right), static_cast<int>(fill.bottom));
    } else {
        // The same rectangle as the source cuts the image instead of squeezing it.
        m_sForeImageModify.Format("dest='%d,%d,%d,%d' source='%d,%d,%d,%d'", static_cast<int>(fill.left),
                                  static_cast<int>(fill.top), static_cast<int>(fill.right),
                                  static_cast<int>(fill.bottom), static_cast<int>(fill.left),
                                  static_cast<int>(fill.top), static_cast<int>(fill.right),
                                  static_cast<int>(fill.bottom));
    }
    if (!DrawImage(hDC, m_sProgressForeImage, m_sForeImageModify)) m_sProgressForeImage.Clear();
}

}  // namespace SkinUI
