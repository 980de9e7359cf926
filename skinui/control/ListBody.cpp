// CListBodyUI: row layout with the header's width, the horizontal bar, and
// events handed to the owning list.
#include "skinui/control/ListBody.h"

#include <algorithm>

#include "skinui/control/List.h"
#include "skinui/control/ListHeader.h"
#include "skinui/control/ScrollBar.h"

namespace SkinUI {

CListBodyUI::CListBodyUI(CListUI* owner) : m_pOwner(owner) {}

void CListBodyUI::FitHorizontalBar(const RECT& rcPos, int rowWidth) {
    CScrollBarUI* bar = m_pHorizontalScrollBar;
    if (!bar) return;
    int width = rcPos.right - rcPos.left - m_rcInset.left - m_rcInset.right;
    if (IsBarShown(m_pVerticalScrollBar)) width -= m_pVerticalScrollBar->GetFixedWidth();
    if (rowWidth > width) {
        if (!bar->IsVisible()) bar->SetVisible(true);
        bar->SetScrollRange(rowWidth - width);
    } else if (bar->IsVisible() || bar->GetScrollRange() != 0) {
        bar->SetVisible(false);
        bar->SetScrollRange(0);
        bar->SetScrollPos(0);
    }
}

void CListBodyUI::SetPos(RECT rcPos) {
    CListHeaderUI* header = m_pOwner ? m_pOwner->GetHeader() : nullptr;
    int rowWidth = 0;
    if (header) rowWidth = header->MeasureSize(SIZE{rcPos.right - rcPos.left, rcPos.bottom - rcPos.top}).cx;
    FitHorizontalBar(rcPos, rowWidth);
    CControlUI::SetPos(rcPos);

    const RECT rc = GetInnerRect();
    if (m_items.IsEmpty()) {
        UpdateScrollBars(rc, 0, 0);
        return;
    }
    const bool vbar = IsBarShown(m_pVerticalScrollBar);
    const bool hbar = IsBarShown(m_pHorizontalScrollBar);
    SIZE available = {rc.right - rc.left, rc.bottom - rc.top};
    if (hbar) available.cx += m_pHorizontalScrollBar->GetScrollRange();

    int adjustables = 0;
    int fixedTotal = 0;
    int placed = 0;
    for (int i = 0; i < m_items.Count(); ++i) {
        CControlUI* child = Child(i);
        if (!child->IsVisible() || child->IsFloat()) continue;
        SIZE sz = child->MeasureSize(available);
        if (sz.cy == 0) ++adjustables;
        else sz.cy = detail::ClampSize(sz.cy, child->GetMinHeight(), child->GetMaxHeight());
        const RECT p = child->GetPadding();
        fixedTotal += p.top + p.bottom + sz.cy;
        ++placed;
    }
    fixedTotal += m_iChildPadding * (placed - 1);
    int share = 0;
    if (adjustables > 0) share = std::max(0, static_cast<int>(available.cy - fixedTotal) / adjustables);

    int y = rc.top - (vbar ? m_pVerticalScrollBar->GetScrollPos() : 0);
    const int x = rc.left - (hbar ? m_pHorizontalScrollBar->GetScrollPos() : 0);
    int needed = 0;
    for (int i = 0; i < m_items.Count(); ++i) {
        CControlUI* child = Child(i);
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) {
            PlaceFloatChild(i);
            continue;
        }
        const RECT p = child->GetPadding();
        SIZE sz = child->MeasureSize(available);
        if (sz.cy == 0) sz.cy = share;
        sz.cy = detail::ClampSize(sz.cy, child->GetMinHeight(), child->GetMaxHeight());
        int width = child->GetFixedWidth();
        if (width == 0) width = available.cx - p.left - p.right;
        width = std::max(width, rowWidth);
        width = detail::ClampSize(width, child->GetMinWidth(), child->GetMaxWidth());
        child->SetPos(RECT{x + p.left, y + p.top, x + p.left + width, y + p.top + sz.cy});
        y += p.top + sz.cy + p.bottom + m_iChildPadding;
        needed += p.top + sz.cy + p.bottom;
    }
    needed += m_iChildPadding * (placed - 1);
    UpdateScrollBars(rc, rowWidth, needed);
}

void CListBodyUI::SetScrollPos(SIZE pos) {
    const int before = GetScrollPos().cx;
    CVerticalLayoutUI::SetScrollPos(pos);
    // The header's columns follow the rows sideways.
    if (m_pOwner && GetScrollPos().cx != before) m_pOwner->PlaceHeader();
}

void CListBodyUI::HandleEvent(TControlEvent& event) {
    // Keys, the wheel and focus belong to the list as a whole.
    if (m_pOwner) m_pOwner->HandleEvent(event);
    else CVerticalLayoutUI::HandleEvent(event);
}

}  // namespace SkinUI
