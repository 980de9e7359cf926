// CVerticalLayoutUI: stacking children top to bottom, and its separator.
#include "skinui/control/VerticalLayout.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "skinui/control/ScrollBar.h"

namespace SkinUI {
CVerticalLayoutUI::CVerticalLayoutUI() = default;

const char* CVerticalLayoutUI::GetTypeName() const { return "VerticalLayoutUI"; }

void* CVerticalLayoutUI::AsInterface(const char* name) {
    if (name && strcmp(name, "VerticalLayout") == 0) return static_cast<CVerticalLayoutUI*>(this);
    return CContainerUI::AsInterface(name);
}

UINT CVerticalLayoutUI::GetInputFlags() const {
    return IsEnabled() && m_separator.nSize != 0 ? static_cast<UINT>(INPUT_WANTS_CURSOR) : 0u;
}

void CVerticalLayoutUI::SetPos(RECT rcPos) {
    CControlUI::SetPos(rcPos);
    RECT rc = InsetItemRect();
    const bool vbar = IsBarShown(m_pVerticalScrollBar);
    const bool hbar = IsBarShown(m_pHorizontalScrollBar);
    rc = GetInnerRect();
    if (m_items.IsEmpty()) {
        UpdateScrollBars(rc, 0, 0);
        return;
    }

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
        fixedTotal += p.top + p.bottom + (sz.cy == 0 ? 0 : sz.cy);
        ++placed;
    }
    fixedTotal += m_iChildPadding * (placed - 1);

    int share = 0;
    if (adjustables > 0) share = std::max(0, static_cast<int>(available.cy - fixedTotal) / adjustables);

    int y = rc.top - (vbar ? m_pVerticalScrollBar->GetScrollPos() : 0);
    const int x = rc.left - (hbar ? m_pHorizontalScrollBar->GetScrollPos() : 0);
    int remaining = static_cast<int>(available.cy);
    int fixedRemaining = fixedTotal;
    int needed = 0;
    int adjustSeen = 0;
    for (int i = 0; i < m_items.Count(); ++i) {
        CControlUI* child = Child(i);
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) {
            PlaceFloatChild(i);
            continue;
        }
        const RECT p = child->GetPadding();
        remaining -= p.top;
        SIZE sz = child->MeasureSize(SIZE{available.cx, remaining});
        if (sz.cy == 0) {
            ++adjustSeen;
            sz.cy = share;
            // The last one takes what rounding left over.
            if (adjustSeen == adjustables) sz.cy = std::max(0, remaining - static_cast<int>(p.bottom) - fixedRemaining);
            sz.cy = detail::ClampSize(sz.cy, child->GetMinHeight(), child->GetMaxHeight());
        } else {
            sz.cy = detail::ClampSize(sz.cy, child->GetMinHeight(), child->GetMaxHeight());
            fixedRemaining -= sz.cy;
        }
        int width = child->GetFixedWidth();
        if (width == 0) width = available.cx - p.left - p.right;
        if (width < 0) width = 0;
        width = detail::ClampSize(width, child->GetMinWidth(), child->GetMaxWidth());

        child->SetPos(RECT{x + p.left, y + p.top, x + p.left + width, y + p.top + sz.cy + p.bottom});
        y += p.top + sz.cy + p.bottom + m_iChildPadding;
        needed += p.top + sz.cy + p.bottom;
        remaining -= sz.cy + m_iChildPadding + p.bottom;
    }
    needed += m_iChildPadding * (placed - 1);
    UpdateScrollBars(rc, 0, needed);
}

RECT CVerticalLayoutUI::GetSeparatorRect(bool useNewPos) const {
    return detail::SeparatorRect(m_separator, m_rcItem, useNewPos, true);
}

void CVerticalLayoutUI::SetSepImmMode(bool immediate) {
    detail::SetSeparatorImmMode(*this, m_separator, immediate);
}

void CVerticalLayoutUI::HandleEvent(TControlEvent& event) {
    if (detail::HandleSeparatorEvent(*this, m_separator, m_rcItem, m_cxyFixed, event, true)) return;
    CContainerUI::HandleEvent(event);
}

void CVerticalLayoutUI::PaintOverlay(HDC hDC, const RECT&) {
    detail::PaintSeparatorOverlay(hDC, m_separator, m_rcItem, true);
}

void CVerticalLayoutUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    if (strcmp(name, "sepheight") == 0) SetSepHeight(atoi(value));
    else if (strcmp(name, "sepimm") == 0) SetSepImmMode(attr::ParseBool(value));
    else CContainerUI::SetAttribute(name, value);
}

}  // namespace SkinUI
