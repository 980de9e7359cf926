// CListHeaderUI: its desired size from its items.
#include "skinui/control/ListHeader.h"

#include <cstring>

#include "skinui/core/PaintManager.h"

namespace SkinUI {

CListHeaderUI::CListHeaderUI() = default;

const char* CListHeaderUI::GetTypeName() const { return "ListHeaderUI"; }

void* CListHeaderUI::AsInterface(const char* name) {
    if (name && strcmp(name, "ListHeader") == 0) return static_cast<CListHeaderUI*>(this);
    return CHorizontalLayoutUI::AsInterface(name);
}

SIZE CListHeaderUI::MeasureSize(SIZE available) {
    SIZE size = {0, m_cxyFixed.cy};
    int tallest = m_pManager ? m_pManager->BaseFontInfo()->tm.tmHeight + 6 : 0;
    for (int i = 0; i < m_items.Count(); ++i) {
        CControlUI* item = Child(i);
        if (item->IsFloat()) continue;
        const SIZE wanted = item->MeasureSize(available);
        const RECT padding = item->GetPadding();
        size.cx += wanted.cx + padding.left + padding.right;
        if (wanted.cy > tallest) tallest = wanted.cy;
    }
    if (size.cy == 0) size.cy = tallest;
    return size;
}

}  // namespace SkinUI
