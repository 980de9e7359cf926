// CListTextElementUI: column texts, links and painting per column.
#include "skinui/control/ListTextElement.h"

#include <cstring>

#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {

CListTextElementUI::CListTextElementUI() = default;

CListTextElementUI::~CListTextElementUI() {
    for (int i = 0; i < m_aTexts.Count(); ++i) delete static_cast<CSkinString*>(m_aTexts[i]);
}

const char* CListTextElementUI::GetTypeName() const { return "ListTextElementUI"; }

void* CListTextElementUI::AsInterface(const char* name) {
    if (name && strcmp(name, "ListTextElement") == 0) return static_cast<CListTextElementUI*>(this);
    return CListLabelElementUI::AsInterface(name);
}

UINT CListTextElementUI::GetInputFlags() const {
    return IsEnabled() && m_nLinks > 0 ? UINT{INPUT_WANTS_CURSOR} : 0u;
}

void CListTextElementUI::SetItemOwner(IListOwnerUI* owner) {
    CListLabelElementUI::SetItemOwner(owner);
    // Only a list has a text callback; a combo owner has none.
    m_pList = dynamic_cast<IListUI*>(owner);
}

const char* CListTextElementUI::GetText(int column) const {
    const auto* text = static_cast<const CSkinString*>(m_aTexts.At(column));
    if (text) return text->GetData();
    // A skin's "text" attribute is the first column's text until one is set.
    return column == 0 ? m_sText.GetData() : "";
}

void CListTextElementUI::SetText(int column, const char* text) {
    if (column < 0 || column >= kListMaxColumns) return;
    while (m_aTexts.Count() <= column) m_aTexts.Add(new CSkinString);
    *static_cast<CSkinString*>(m_aTexts[column]) = text;
    Invalidate();
}

RECT CListTextElementUI::GetLinkRect(int index) const {
    return index >= 0 && index < kMaxLinks ? m_rcLinks[index] : RECT{0, 0, 0, 0};
}

int CListTextElementUI::LinkAt(POINT pt) const {
    for (int i = 0; i < m_nLinks; ++i)
        if (PtInRect(&m_rcLinks[i], pt)) return i;
    return -1;
}

void CListTextElementUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        CListLabelElementUI::HandleEvent(event);
        return;
    }
    if (m_nLinks > 0 && IsEnabled()) {
        const int link = LinkAt(event.ptMouse);
        if (event.Type == EV_SETCURSOR && link >= 0) {
            ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
            return;
        }
        if (event.Type == EV_BUTTONUP && link >= 0) {
            if (m_pManager) m_pManager->SendNotification(this, "link", static_cast<WPARAM>(link));
            return;
        }
        if (event.Type == EV_MOUSEMOVE && link != m_nHoverLink) {
            m_nHoverLink = link;
            Invalidate();
            return;
        }
        if (event.Type == EV_MOUSELEAVE && m_nHoverLink != -1) {
            m_nHoverLink = -1;
            Invalidate();
        }
    }
    CListLabelElementUI::HandleEvent(event);
}

SIZE CListTextElementUI::MeasureSize(SIZE) {
    SIZE size = m_cxyFixed;
    if (size.cy == 0 && m_pManager) size.cy = ItemHeight();
    return size;
}

void CListTextElementUI::DrawItemText(HDC hDC, const RECT& rcItem) {
    if (!m_pOwner) return;
    TListInfoUI* info = m_pOwner->GetListInfo();
    const DWORD color = detail::ListItemTextColor(*this, *info, m_bSelected, m_uButtonState);
    IListCallbackUI* callback = m_pList ? m_pList->GetTextCallback() : nullptr;
    const UINT style = info->uTextStyle | DT_SINGLELINE;
    m_nLinks = 0;
    for (int i = 0; i < info->nColumns; ++i) {
        RECT rc = {info->rcColumn[i].left + info->rcTextPadding.left, rcItem.top + info->rcTextPadding.top,
                   info->rcColumn[i].right - info->rcTextPadding.right, rcItem.bottom - info->rcTextPadding.bottom};
        const char* text = callback ? callback->GetItemText(this, m_iIndex, i) : GetText(i);
        if (!text) text = "";
        if (info->bShowHtml) {
            // Each column's links take the next free slots.
            int links = kMaxLinks - m_nLinks;
            CSkinRender::DrawMarkupText(hDC, m_pManager, rc, text, color, &m_rcLinks[m_nLinks], &m_sLinks[m_nLinks],
                                        links, style);
            m_nLinks += links;
        } else {
            CSkinRender::DrawPlainText(hDC, m_pManager, rc, text, color, info->nFont, style);
        }
    }
    for (int i = m_nLinks; i < kMaxLinks; ++i) {
        SetRectEmpty(&m_rcLinks[i]);
        m_sLinks[i].Clear();
    }
}

}  // namespace SkinUI
