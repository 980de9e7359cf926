// CContainerUI: scroll positions and steps, the owned scroll bars, and the
// placing of float children.
#include <cstdlib>

#include "skinui/control/Container.h"
#include "skinui/control/ScrollBar.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {

SIZE CContainerUI::GetScrollPos() const {
    SIZE sz = {0, 0};
    if (IsBarShown(m_pHorizontalScrollBar)) sz.cx = m_pHorizontalScrollBar->GetScrollPos();
    if (IsBarShown(m_pVerticalScrollBar)) sz.cy = m_pVerticalScrollBar->GetScrollPos();
    return sz;
}

SIZE CContainerUI::GetScrollRange() const {
    SIZE sz = {0, 0};
    if (IsBarShown(m_pHorizontalScrollBar)) sz.cx = m_pHorizontalScrollBar->GetScrollRange();
    if (IsBarShown(m_pVerticalScrollBar)) sz.cy = m_pVerticalScrollBar->GetScrollRange();
    return sz;
}

void CContainerUI::SetScrollPos(SIZE pos) {
    int dx = 0;
    int dy = 0;
    if (IsBarShown(m_pVerticalScrollBar)) {
        const int old = m_pVerticalScrollBar->GetScrollPos();
        m_pVerticalScrollBar->SetScrollPos(pos.cy);
        dy = m_pVerticalScrollBar->GetScrollPos() - old;
    }
    if (IsBarShown(m_pHorizontalScrollBar)) {
        const int old = m_pHorizontalScrollBar->GetScrollPos();
        m_pHorizontalScrollBar->SetScrollPos(pos.cx);
        dx = m_pHorizontalScrollBar->GetScrollPos() - old;
    }
    if (dx == 0 && dy == 0) return;
    // Float children stay put: they are placed against the container, not its content.
    for (int i = 0; i < m_items.Count(); ++i) {
        CControlUI* child = Child(i);
        if (!child->IsVisible() || child->IsFloat()) continue;
        RECT rc = child->GetPos();
        OffsetRect(&rc, -dx, -dy);
        child->SetPos(rc);
    }
    Invalidate();
}

int CContainerUI::LineStep() const {
    if (!m_pManager) return 8;
    return m_pManager->BaseFontInfo()->tm.tmHeight + 8;
}

void CContainerUI::ScrollLineUp() {
    SIZE sz = GetScrollPos();
    sz.cy -= LineStep();
    SetScrollPos(sz);
}

void CContainerUI::ScrollLineDown() {
    SIZE sz = GetScrollPos();
    sz.cy += LineStep();
    SetScrollPos(sz);
}

namespace {
int VerticalPage(const RECT& item, const RECT& inset, const CScrollBarUI* hbar) {
    int page = item.bottom - item.top - inset.top - inset.bottom;
    if (hbar && hbar->IsVisible()) page -= hbar->GetFixedHeight();
    return page;
}

int HorizontalPage(const RECT& item, const RECT& inset, const CScrollBarUI* vbar) {
    int page = item.right - item.left - inset.left - inset.right;
    if (vbar && vbar->IsVisible()) page -= vbar->GetFixedWidth();
    return page;
}
}  // namespace

void CContainerUI::ScrollPageUp() {
    SIZE sz = GetScrollPos();
    sz.cy -= VerticalPage(m_rcItem, m_rcInset, m_pHorizontalScrollBar);
    SetScrollPos(sz);
}

void CContainerUI::ScrollPageDown() {
    SIZE sz = GetScrollPos();
    sz.cy += VerticalPage(m_rcItem, m_rcInset, m_pHorizontalScrollBar);
    SetScrollPos(sz);
}

void CContainerUI::ScrollToTop() {
    SIZE sz = GetScrollPos();
    sz.cy = 0;
    SetScrollPos(sz);
}

void CContainerUI::ScrollToBottom() {
    SIZE sz = GetScrollPos();
    sz.cy = GetScrollRange().cy;
    SetScrollPos(sz);
}

void CContainerUI::ScrollLineLeft() {
    SIZE sz = GetScrollPos();
    sz.cx -= 8;
    SetScrollPos(sz);
}

void CContainerUI::ScrollLineRight() {
    SIZE sz = GetScrollPos();
    sz.cx += 8;
    SetScrollPos(sz);
}

void CContainerUI::ScrollPageLeft() {
    SIZE sz = GetScrollPos();
    sz.cx -= HorizontalPage(m_rcItem, m_rcInset, m_pVerticalScrollBar);
    SetScrollPos(sz);
}

void CContainerUI::ScrollPageRight() {
    SIZE sz = GetScrollPos();
    sz.cx += HorizontalPage(m_rcItem, m_rcInset, m_pVerticalScrollBar);
    SetScrollPos(sz);
}

void CContainerUI::ScrollToLeft() {
    SIZE sz = GetScrollPos();
    sz.cx = 0;
    SetScrollPos(sz);
}

void CContainerUI::ScrollToRight() {
    SIZE sz = GetScrollPos();
    sz.cx = GetScrollRange().cx;
    SetScrollPos(sz);
}

void CContainerUI::EnableScrollBars(bool vertical, bool horizontal) {
    const auto make = [this](bool horizontalBar) {
        auto* bar = new CScrollBarUI;
        if (horizontalBar) bar->SetHorizontal(true);
        bar->SetOwner(this);
        bar->SetManager(m_pManager, nullptr, false);
        if (m_pManager) {
            // A skin styles all bars of a window through these class defaults.
            if (const char* defaults = m_pManager->ClassDefaults(horizontalBar ? "HScrollBar" : "VScrollBar"))
                bar->ApplyAttributes(defaults);
        }
        return bar;
    };
    if (!vertical) {
        delete m_pVerticalScrollBar;
        m_pVerticalScrollBar = nullptr;
    } else if (!m_pVerticalScrollBar) {
        m_pVerticalScrollBar = make(false);
    }
    if (!horizontal) {
        delete m_pHorizontalScrollBar;
        m_pHorizontalScrollBar = nullptr;
    } else if (!m_pHorizontalScrollBar) {
        m_pHorizontalScrollBar = make(true);
    }
    RequestLayout();
}

void CContainerUI::UpdateScrollBars(RECT inner, int cxRequired, int cyRequired) {
    (void)cxRequired;  // the horizontal range is left to whoever set it
    if (IsBarShown(m_pHorizontalScrollBar)) {
        m_pHorizontalScrollBar->SetPos(
            RECT{inner.left, inner.bottom, inner.right, inner.bottom + m_pHorizontalScrollBar->GetFixedHeight()});
    }
    CScrollBarUI* bar = m_pVerticalScrollBar;
    if (!bar) return;
    const int height = inner.bottom - inner.top;
    if (cyRequired > height && !bar->IsVisible()) {
        // Lay out again with the bar taking its width.
        bar->SetVisible(true);
        bar->SetScrollRange(cyRequired - height);
        bar->SetScrollPos(0);
        m_bScrollProcess = true;
        SetPos(m_rcItem);
        m_bScrollProcess = false;
        return;
    }
    if (!bar->IsVisible()) return;
    const int scroll = cyRequired - height;
    if (scroll <= 0 && !m_bScrollProcess) {
        bar->SetVisible(false);
        bar->SetScrollPos(0);
        bar->SetScrollRange(0);
        SetPos(m_rcItem);
        return;
    }
    bar->SetPos(RECT{inner.right, inner.top, inner.right + bar->GetFixedWidth(), inner.bottom});
    if (bar->GetScrollRange() != scroll) {
        const int lastPos = bar->GetScrollPos();
        bar->SetScrollRange(abs(scroll));
        if (bar->GetScrollRange() == 0) {
            bar->SetVisible(false);
            bar->SetScrollPos(0);
        }
        // The range shrank under the position: the content moved, place it again.
        if (lastPos > bar->GetScrollPos()) SetPos(m_rcItem);
    }
}

void CContainerUI::PlaceFloatChild(int index) {
    CControlUI* child = GetItemAt(index);
    if (!child || !child->IsVisible() || !child->IsFloat()) return;
    const SIZE offset = child->GetFloatOffset();
    const int fixedWidth = child->GetFixedWidth();
    const int fixedHeight = child->GetFixedHeight();
    RECT rc = {m_rcItem.left + offset.cx, m_rcItem.top + offset.cy, 0, 0};
    rc.right = rc.left + fixedWidth;
    rc.bottom = rc.top + fixedHeight;
    if (child->IsRelativePos()) {
        const TRelativePos rel = child->GetRelativePos();
        const int width = m_rcItem.right - m_rcItem.left;
        const int height = m_rcItem.bottom - m_rcItem.top;
        if (rel.szParent.cx != 0) {
            const int dx = width - rel.szParent.cx;
            const int dy = height - rel.szParent.cy;
            rc.left += dx * rel.nMoveXPercent / 100;
            rc.top += dy * rel.nMoveYPercent / 100;
            rc.right = rc.left + dx * rel.nZoomXPercent / 100 + fixedWidth;
            rc.bottom = rc.top + dy * rel.nZoomYPercent / 100 + fixedHeight;
        }
        child->SetRelativeParentSize(SIZE{width, height});
    }
    child->SetPos(rc);
}

}  // namespace SkinUI
