// The layouts' drag separator: hit strip, drag tracking with min/max limits,
// the translucent bar of a deferred drag.
#include "skinui/control/LayoutSeparator.h"

#include <algorithm>

#include "skinui/control/Control.h"
#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {
namespace detail {

RECT SeparatorRect(const TLayoutSeparator& sep, const RECT& item, bool useNewPos, bool vertical) {
    const RECT b = useNewPos && sep.IsDragging() ? sep.rcNewPos : item;
    const int s = sep.nSize;
    if (vertical) {
        if (s >= 0) return RECT{b.left, std::max<LONG>(b.bottom - s, b.top), b.right, b.bottom};
        return RECT{b.left, b.top, b.right, std::min<LONG>(b.top - s, b.bottom)};
    }
    if (s >= 0) return RECT{b.right - s, b.top, b.right, b.bottom};
    return RECT{b.left, b.top, b.left - s, b.bottom};
}

namespace {

// One drag step along the axis; false when the move is ignored.
bool DragTo(CControlUI& layout, TLayoutSeparator& sep, RECT& item, SIZE& fixed, POINT pt, bool vertical) {
    LONG RECT::*const lo = vertical ? &RECT::top : &RECT::left;
    LONG RECT::*const hi = vertical ? &RECT::bottom : &RECT::right;
    LONG POINT::*const axis = vertical ? &POINT::y : &POINT::x;
    const int s = sep.nSize;
    const LONG at = pt.*axis;
    const LONG d = at - sep.ptLastMouse.*axis;
    sep.ptLastMouse = pt;
    RECT r = sep.rcNewPos;
    // The pointer has to reach the strip again before the edge follows it.
    if (s >= 0) {
        if ((d > 0 && at < r.*hi - s) || (d < 0 && at > r.*hi)) return false;
        r.*hi += d;
    } else {
        if ((d > 0 && at < r.*lo) || (d < 0 && at > r.*lo - s)) return false;
        r.*lo += d;
    }
    const auto length = [&](const RECT& rc) { return rc.*hi - rc.*lo; };
    const auto setLength = [&](LONG value) {
        if (s >= 0) r.*hi = r.*lo + value;
        else r.*lo = r.*hi - value;
    };
    const LONG minimum = vertical ? layout.GetMinHeight() : layout.GetMinWidth();
    const LONG maximum = vertical ? layout.GetMaxHeight() : layout.GetMaxWidth();
    if (length(r) <= minimum) {
        if (length(sep.rcNewPos) <= minimum) return false;
        setLength(minimum);
    }
    if (length(r) >= maximum) {
        if (length(sep.rcNewPos) >= maximum) return false;
        setLength(maximum);
    }

    RECT invalid = SeparatorRect(sep, item, true, vertical);
    sep.rcNewPos = r;
    if (vertical) fixed.cy = r.bottom - r.top;
    else fixed.cx = r.right - r.left;
    if (sep.bImmMode) {
        item = r;
        layout.RequestParentLayout();
        return true;
    }
    const RECT atNew = SeparatorRect(sep, item, true, vertical);
    const RECT atItem = SeparatorRect(sep, item, false, vertical);
    UnionRect(&invalid, &invalid, &atNew);
    UnionRect(&invalid, &invalid, &atItem);
    if (CPaintManagerUI* manager = layout.GetManager()) manager->InvalidateArea(invalid);
    return true;
}

}  // namespace

bool HandleSeparatorEvent(CControlUI& layout, TLayoutSeparator& sep, RECT& item, SIZE& fixed,
                          TControlEvent& event, bool vertical) {
    if (sep.nSize == 0) return false;
    CPaintManagerUI* manager = layout.GetManager();
    switch (event.Type) {
        case EV_BUTTONDOWN: {
            if (!layout.IsEnabled()) return false;
            const RECT strip = SeparatorRect(sep, item, false, vertical);
            if (!PtInRect(&strip, event.ptMouse)) return false;
            sep.uButtonState |= TLayoutSeparator::kDragging;
            sep.ptLastMouse = event.ptMouse;
            sep.rcNewPos = item;
            if (!sep.bImmMode && manager) manager->AddPostPaintControl(&layout);
            return true;
        }
        case EV_BUTTONUP:
            if (!sep.IsDragging()) return false;
            item = sep.rcNewPos;
            sep.uButtonState &= ~TLayoutSeparator::kDragging;
            if (!sep.bImmMode && manager) manager->RemovePostPaintControl(&layout);
            layout.RequestParentLayout();
            return true;
        case EV_MOUSEMOVE:
            if (!sep.IsDragging()) return false;
            DragTo(layout, sep, item, fixed, event.ptMouse, vertical);
            return true;
        case EV_SETCURSOR: {
            if (!layout.IsEnabled()) return false;
            const RECT strip = SeparatorRect(sep, item, false, vertical);
            if (!PtInRect(&strip, event.ptMouse)) return false;
            ::SetCursor(::LoadCursor(nullptr, vertical ? IDC_SIZENS : IDC_SIZEWE));
            return true;
        }
        default:
            return false;
    }
}

void PaintSeparatorOverlay(HDC hDC, const TLayoutSeparator& sep, const RECT& item, bool vertical) {
    if (!sep.IsDragging() || sep.bImmMode) return;
    CSkinRender::DrawColor(hDC, SeparatorRect(sep, item, true, vertical), 0xAA000000);
}

void SetSeparatorImmMode(CControlUI& layout, TLayoutSeparator& sep, bool immediate) {
    if (sep.bImmMode == immediate) return;
    if (sep.IsDragging() && !sep.bImmMode && layout.GetManager())
        layout.GetManager()->RemovePostPaintControl(&layout);
    sep.bImmMode = immediate;
}

}  // namespace detail
}  // namespace SkinUI
