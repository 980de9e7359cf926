// The drag separator shared by the vertical and horizontal layouts: a strip
// along one edge that resizes the layout when dragged.
#pragma once

#include <windows.h>

#include "skinui/core/UIDefs.h"

namespace SkinUI {

class CControlUI;

namespace detail {

struct TLayoutSeparator {
    static constexpr UINT kDragging = 0x40;

    int nSize = 0;  // 0: none; >= 0 at the bottom/right edge, < 0 at the top/left
    UINT uButtonState = 0;
    POINT ptLastMouse = {0, 0};
    RECT rcNewPos = {0, 0, 0, 0};  // the layout's rectangle while dragging
    bool bImmMode = false;

    bool IsDragging() const { return (uButtonState & kDragging) != 0; }
};

// `vertical` picks the axis: heights and y for the vertical layout.
RECT SeparatorRect(const TLayoutSeparator& sep, const RECT& item, bool useNewPos, bool vertical);

// True when the separator consumed the event. `item` and `fixed` are the
// layout's own rectangle and fixed size, which a drag rewrites.
bool HandleSeparatorEvent(CControlUI& layout, TLayoutSeparator& sep, RECT& item, SIZE& fixed,
                          TControlEvent& event, bool vertical);

void PaintSeparatorOverlay(HDC hDC, const TLayoutSeparator& sep, const RECT& item, bool vertical);
void SetSeparatorImmMode(CControlUI& layout, TLayoutSeparator& sep, bool immediate);

}  // namespace detail
}  // namespace SkinUI
