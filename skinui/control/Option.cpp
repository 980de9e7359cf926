// COptionUI: group membership, selection with its notification, and the
// selected look.
#include "skinui/control/Option.h"

#include <cstring>

#include "skinui/core/PaintManager.h"
#include "skinui/core/SkinPtrArray.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {

COptionUI::COptionUI() = default;

COptionUI::~COptionUI() {
    if (!m_sGroupName.IsEmpty() && m_pManager) m_pManager->LeaveOptionGroup(m_sGroupName, this);
}

const char* COptionUI::GetTypeName() const { return "OptionUI"; }

void* COptionUI::AsInterface(const char* name) {
    if (name && strcmp(name, "Option") == 0) return static_cast<COptionUI*>(this);
    return CButtonUI::AsInterface(name);
}

void COptionUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    CControlUI::SetManager(manager, parent, init);
    if (init && !m_sGroupName.IsEmpty() && m_pManager) m_pManager->JoinOptionGroup(m_sGroupName, this);
}

void COptionUI::SetGroup(const char* name) {
    const char* next = name ? name : "";
    if (m_sGroupName == next) return;
    if (!m_sGroupName.IsEmpty() && m_pManager) m_pManager->LeaveOptionGroup(m_sGroupName, this);
    m_sGroupName = next;
    if (!m_sGroupName.IsEmpty() && m_pManager) m_pManager->JoinOptionGroup(m_sGroupName, this);
}

void COptionUI::SetSelected(bool selected) {
    if (m_bSelected == selected) return;
    m_bSelected = selected;
    if (m_bSelected) m_uButtonState |= UISTATE_SELECTED;
    else m_uButtonState &= ~UISTATE_SELECTED;
    if (m_pManager) {
        if (m_sGroupName.IsEmpty()) {
            m_pManager->SendNotification(this, "selectchanged");
        } else if (m_bSelected) {
            if (CSkinPtrArray* group = m_pManager->OptionGroup(m_sGroupName)) {
                for (int i = 0; i < group->Count(); ++i) {
                    auto* member = static_cast<CControlUI*>((*group)[i]);
                    auto* other = static_cast<COptionUI*>(member->AsInterface("Option"));
                    if (other && other != this) other->SetSelected(false);
                }
            }
            m_pManager->SendNotification(this, "selectchanged");
        }
    }
    Invalidate();
}

bool COptionUI::Activate() {
    if (!CButtonUI::Activate()) return false;
    if (!m_sGroupName.IsEmpty()) SetSelected(true);
    else SetSelected(!m_bSelected);
    return true;
}

void COptionUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!IsEnabled()) m_uButtonState = m_bSelected ? UISTATE_SELECTED : 0;
}

void COptionUI::SetSelectedImage(const char* descriptor) { m_sSelectedImage = descriptor; Invalidate(); }
void COptionUI::SetSelectedHotImage(const char* descriptor) { m_sSelectedHotImage = descriptor; Invalidate(); }
void COptionUI::SetForeImage(const char* descriptor) { m_sOwnForeImage = descriptor; Invalidate(); }

void COptionUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    if (is("group")) SetGroup(value);
    else if (is("selected")) SetSelected(attr::ParseBool(value));
    else if (is("selectedimage")) SetSelectedImage(value);
    else if (is("selectedhotimage")) SetSelectedHotImage(value);
    else if (is("foreimage")) SetForeImage(value);
    else if (is("selectedbkcolor")) SetSelectedBkColor(attr::ParseHexColor(value));
    else if (is("selectedtextcolor")) SetSelectedTextColor(attr::ParseHexColor(value));
    else CButtonUI::SetAttribute(name, value);
}

void COptionUI::PaintOwnForeImage(HDC hDC) {
    if (!m_sOwnForeImage.IsEmpty()) DrawOrForget(hDC, m_sOwnForeImage);
}

void COptionUI::PaintStateImages(HDC hDC) {
    // An option never shows its pushed image.
    m_uButtonState &= ~UISTATE_PUSHED;
    if ((m_uButtonState & UISTATE_HOT) && m_bSelected && !m_sSelectedHotImage.IsEmpty()) {
        if (!DrawOrForget(hDC, m_sSelectedHotImage)) CButtonUI::PaintStateImages(hDC);
    } else if (m_bSelected) {
        if (!m_sSelectedImage.IsEmpty()) {
            if (!DrawOrForget(hDC, m_sSelectedImage)) CButtonUI::PaintStateImages(hDC);
        } else if (m_dwSelectedBkColor != 0) {
            CSkinRender::DrawColor(hDC, m_rcPaint, GetAdjustedColor(m_dwSelectedBkColor));
            return;
        } else {
            CButtonUI::PaintStateImages(hDC);
        }
    } else {
        CButtonUI::PaintStateImages(hDC);
    }
    PaintOwnForeImage(hDC);
}

void COptionUI::PaintText(HDC hDC) {
    if (!m_bSelected) {
        CButtonUI::PaintText(hDC);
        return;
    }
    DWORD color = m_dwSelectedTextColor != 0 ? m_dwSelectedTextColor : m_dwTextColor;
    if (color == 0 && m_pManager) color = m_pManager->DefaultFontColor();
    if (m_dwDisabledTextColor == 0 && m_pManager) m_dwDisabledTextColor = m_pManager->DefaultDisabledColor();
    if (m_sText.IsEmpty()) return;
    RECT rc = TextRect();
    const DWORD used = IsEnabled() ? color : m_dwDisabledTextColor;
    if (m_bShowHtml) {
        int links = 0;
        CSkinRender::DrawMarkupText(hDC, m_pManager, rc, m_sText, used, nullptr, nullptr, links, m_uTextStyle);
    } else {
        CSkinRender::DrawPlainText(hDC, m_pManager, rc, m_sText, used, m_iFont, m_uTextStyle);
    }
}

}  // namespace SkinUI
