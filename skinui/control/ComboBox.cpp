// CComboBoxUI: the arrow cell picked by state and drawn over the state images.
#include "skinui/control/ComboBox.h"

#include <cstdio>
#include <cstring>

#include "skinui/control/Button.h"

namespace SkinUI {
namespace {

// Cells of the arrow strip, left to right.
enum ArrowCell { kNormal = 0, kHot = 1, kPushed = 2, kFocused = 3, kDisabled = 4 };

}  // namespace

CComboBoxUI::CComboBoxUI() = default;

const char* CComboBoxUI::GetTypeName() const { return "ComboBoxUI"; }

void* CComboBoxUI::AsInterface(const char* name) {
    if (name && strcmp(name, "ComboBox") == 0) return static_cast<CComboBoxUI*>(this);
    return CComboUI::AsInterface(name);
}

void CComboBoxUI::SetArrowImage(const char* descriptor) {
    m_sArrowImage = descriptor;
    Invalidate();
}

void CComboBoxUI::SetAttribute(const char* name, const char* value) {
    if (name && value && strcmp(name, "arrowimage") == 0) SetArrowImage(value);
    else CComboUI::SetAttribute(name, value);
}

void CComboBoxUI::PaintStateImages(HDC hDC) {
    CComboUI::PaintStateImages(hDC);
    m_nArrowWidth = 0;
    if (m_sArrowImage.IsEmpty()) return;

    const int start = m_sArrowImage.FindText("source='");
    if (start < 0) return;
    const int valueStart = start + 8;
    const int valueEnd = m_sArrowImage.FindChar('\'', valueStart);
    if (valueEnd < 0) return;
    RECT source = attr::ParseRect(m_sArrowImage.Substring(valueStart, valueEnd - valueStart));
    const int cell = (source.right - source.left) / 5;
    if (cell <= 0) return;
    m_nArrowWidth = cell;

    int state = kNormal;
    if (!IsEnabled()) state = kDisabled;
    else if (m_uButtonState & UISTATE_PUSHED) state = kPushed;
    else if (m_uButtonState & UISTATE_HOT) state = kHot;
    else if (IsFocused()) state = kFocused;
    source.left += state * cell;
    source.right = source.left + cell;

    const int border = GetBorderSize();
    const int width = m_rcItem.right - m_rcItem.left;
    const int height = m_rcItem.bottom - m_rcItem.top;
    char part[128];
    snprintf(part, sizeof(part), "source='%d,%d,%d,%d' dest='%d,%d,%d,%d'", static_cast<int>(source.left),
             static_cast<int>(source.top), static_cast<int>(source.right), static_cast<int>(source.bottom),
             width - border - cell, border, width - border, height - border);
    CSkinString descriptor = m_sArrowImage.Head(start);
    descriptor += part;
    descriptor += m_sArrowImage.Substring(valueEnd + 1);
    DrawImage(hDC, descriptor);
}

void CComboBoxUI::PaintText(HDC hDC) {
    const RECT rc = {m_rcItem.left + m_rcTextPadding.left, m_rcItem.top + m_rcTextPadding.top,
                     m_rcItem.right - m_rcTextPadding.right - m_nArrowWidth,
                     m_rcItem.bottom - m_rcTextPadding.bottom};
    PaintSelectedItem(hDC, rc);
}

}  // namespace SkinUI
