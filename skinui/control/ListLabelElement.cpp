// CListLabelElementUI: hot and click handling, measuring and painting.
#include "skinui/control/ListLabelElement.h"

#include <cstring>

#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {

CListLabelElementUI::CListLabelElementUI() = default;

const char* CListLabelElementUI::GetTypeName() const { return "ListLabelElementUI"; }

void* CListLabelElementUI::AsInterface(const char* name) {
    if (name && strcmp(name, "ListLabelElement") == 0) return static_cast<CListLabelElementUI*>(this);
    return CListElementUI::AsInterface(name);
}

void CListLabelElementUI::SetText(const char* text) {
    m_iTextWidth = -1;
    CListElementUI::SetText(text);
}

void CListLabelElementUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        CListElementUI::HandleEvent(event);
        return;
    }
    if (detail::HandleListItemMouse(*this, *this, m_uButtonState, event)) return;
    CListElementUI::HandleEvent(event);
}

int CListLabelElementUI::ItemHeight() const {
    if (!m_pManager) return 0;
    TListInfoUI* info = m_pOwner ? m_pOwner->GetListInfo() : nullptr;
    const int font = info ? info->nFont : -1;
    const RECT padding = info ? info->rcTextPadding : RECT{0, 0, 0, 0};
    return m_pManager->FontInfoByIndex(font)->tm.tmHeight + padding.top + padding.bottom + 8;
}

SIZE CListLabelElementUI::MeasureSize(SIZE) {
    SIZE size = m_cxyFixed;
    if (!m_pOwner || !m_pManager) return size;
    if (size.cy == 0) size.cy = ItemHeight();
    if (size.cx == 0 && !m_sText.IsEmpty()) {
        TListInfoUI* info = m_pOwner->GetListInfo();
        HFONT font = m_pManager->FontByIndex(info->nFont);
        if (m_iTextWidth < 0 || font != m_hMeasuredFont || info->bShowHtml != m_bMeasuredHtml) {
            RECT rc = {0, 0, 9999, size.cy};
            const UINT style =
                (info->uTextStyle & ~(DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM)) | DT_SINGLELINE | DT_CALCRECT;
            if (info->bShowHtml) {
                int links = 0;
                CSkinRender::DrawMarkupText(m_pManager->PaintDC(), m_pManager, rc, m_sText, 0, nullptr, nullptr, links,
                                            style);
            } else {
                CSkinRender::DrawPlainText(m_pManager->PaintDC(), m_pManager, rc, m_sText, 0, info->nFont, style);
            }
            m_iTextWidth = rc.right - rc.left;
            m_hMeasuredFont = font;
            m_bMeasuredHtml = info->bShowHtml;
        }
        size.cx = m_iTextWidth + info->rcTextPadding.left + info->rcTextPadding.right;
    }
    return size;
}

void CListLabelElementUI::Paint(HDC hDC, const RECT& rcDirty) {
    if (!IntersectRect(&m_rcPaint, &rcDirty, &m_rcItem)) return;
    DrawItemBackground(hDC, m_rcItem);
    DrawItemText(hDC, m_rcItem);
}

void CListLabelElementUI::DrawItemText(HDC hDC, const RECT& rcItem) {
    if (m_sText.IsEmpty() || !m_pOwner) return;
    TListInfoUI* info = m_pOwner->GetListInfo();
    const DWORD color = detail::ListItemTextColor(*this, *info, m_bSelected, m_uButtonState);
    RECT rc = rcItem;
    rc.left += info->rcTextPadding.left;
    rc.right -= info->rcTextPadding.right;
    rc.top += info->rcTextPadding.top;
    rc.bottom -= info->rcTextPadding.bottom;
    const UINT style = info->uTextStyle | DT_SINGLELINE;
    if (info->bShowHtml) {
        int links = 0;
        CSkinRender::DrawMarkupText(hDC, m_pManager, rc, m_sText, color, nullptr, nullptr, links, style);
    } else {
        CSkinRender::DrawPlainText(hDC, m_pManager, rc, m_sText, color, info->nFont, style);
    }
}

}  // namespace SkinUI
