// CHorizontalLayoutUI: placing children left to right, and its separator.
#include "skinui/control/HorizontalLayout.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "skinui/control/ScrollBar.h"

namespace SkinUI {
CHorizontalLayoutUI::CHorizontalLayoutUI() = default;

const char* CHorizontalLayoutUI::GetTypeName() const { return "HorizontalLayoutUI"; }

void* CHorizontalLayoutUI::AsInterface(const char* name) {
    if (name && strcmp(name, "HorizontalLayout") == 0) return static_cast<CHorizontalLayoutUI*>(this);
    return CContainerUI::AsInterface(name);
}

UINT CHorizontalLayoutUI::GetInputFlags() const {
    return IsEnabled() && m_separator.nSize != 0 ? static_cast<UINT>(INPUT_WANTS_CURSOR) : 0u;
}

void CHorizontalLayoutUI::SetPos(RECT rcPos) {
    CControlUI::SetPos(rcPos);
    RECT rc = InsetItemRect();
    if (m_items.IsEmpty()) {
        UpdateScrollBars(rc, 0, 0);
        return;
    }
    const bool hbar = IsBarShown(m_pHorizontalScrollBar);
    rc = GetInnerRect();

    SIZE available = {rc.right - rc.left, rc.bottom - rc.top};
    if (hbar) available.cx += m_pHorizontalScrollBar->GetScrollRange();

    int adjustables = 0;
    int fixedTotal = 0;
    int placed = 0;
    for (int i = 0; i < m_items.Count(); ++i) {
        CControlUI* child = Child(i);
        if (!child->IsVisible() || child->IsFloat()) continue;
        SIZE sz = child->MeasureSize(available);
        if (sz.cx == 0) ++adjustables;
        else sz.cx = detail::ClampSize(sz.cx, child->GetMinWidth(), child->GetMaxWidth());
        const RECT p = child->GetPadding();
        fixedTotal += p.left + p.right + (sz.cx == 0 ? 0 : sz.cx);
        ++placed;
    }
    fixedTotal += m_iChildPadding * (placed - 1);

    int share = 0;
    if (adjustables > 0) share = std::max(0, static_cast<int>(available.cx - fixedTotal) / adjustables);

    int x = rc.left - (hbar ? m_pHorizontalScrollBar->GetScrollPos() : 0);
    int remaining = static_cast<int>(available.cx);
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
        remaining -= p.left;
        SIZE sz = child->MeasureSize(SIZE{remaining, available.cy});
        if (sz.cx == 0) {
            ++adjustSeen;
            sz.cx = share;
            // The last one takes what rounding left over.
            if (adjustSeen == adjustables) sz.cx = std::max(0, remaining - static_cast<int>(p.right) - fixedRemaining);
            sz.cx = detail::ClampSize(sz.cx, child->GetMinWidth(), child->GetMaxWidth());
        } else {
            sz.cx = detail::ClampSize(sz.cx, child->GetMinWidth(), child->GetMaxWidth());
            fixedRemaining -= sz.cx;
        }
        int height = child->GetFixedHeight();
        if (height == 0) height = rc.bottom - rc.top - p.top - p.bottom;
        if (height < 0) height = 0;
        height = detail::ClampSize(height, child->GetMinHeight(), child->GetMaxHeight());

        child->SetPos(RECT{x + p.left, rc.top + p.top, x + p.left + sz.cx + p.right, rc.top + p.top + height});
        x += p.left + sz.cx + p.right + m_iChildPadding;
        needed += p.left + sz.cx + p.right;
        remaining -= sz.cx + m_iChildPadding + p.right;
    }
    needed += m_iChildPadding * (placed - 1);
    UpdateScrollBars(rc, needed, 0);
}

RECT CHorizontalLayoutUI::GetSeparatorRect(bool useNewPos) const {
    return detail::SeparatorRect(m_separator, m_rcItem, useNewPos, false);
}

void CHorizontalLayoutUI::SetSepImmMode(bool immediate) {
    detail::SetSeparatorImmMode(*this, m_separator, immediate);
}

void CHorizontalLayoutUI::HandleEvent(TControlEvent& event) {
    if (detail::HandleSeparatorEvent(*this, m_separator, m_rcItem, m_cxyFixed, event, false)) return;
    CContainerUI::HandleEvent(event);
}

void CHorizontalLayoutUI::PaintOverlay(HDC hDC, const RECT&) {
    detail::PaintSeparatorOverlay(hDC, m_separator, m_rcItem, false);
}

void CHorizontalLayoutUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    if (strcmp(name, "sepwidth") == 0) SetSepWidth(atoi(value));
    else if (strcmp(name, "sepimm") == 0) SetSepImmMode(attr::ParseBool(value));
    else CContainerUI::SetAttribute(name, value);
}

}  // namespace SkinUI
