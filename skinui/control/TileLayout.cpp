// CTileLayoutUI: rows of equal cells; each row is as high as its tallest child.
#include "skinui/control/TileLayout.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "skinui/control/ScrollBar.h"

namespace SkinUI {
CTileLayoutUI::CTileLayoutUI() = default;

const char* CTileLayoutUI::GetTypeName() const { return "TileLayoutUI"; }

void* CTileLayoutUI::AsInterface(const char* name) {
    if (name && strcmp(name, "TileLayout") == 0) return static_cast<CTileLayoutUI*>(this);
    return CContainerUI::AsInterface(name);
}

void CTileLayoutUI::SetItemSize(SIZE size) {
    if (m_szItem.cx == size.cx && m_szItem.cy == size.cy) return;
    m_szItem = size;
    RequestLayout();
}

void CTileLayoutUI::SetColumns(int columns) {
    if (columns <= 0) return;
    m_nColumns = columns;
    RequestLayout();
}

void CTileLayoutUI::SetPos(RECT rcPos) {
    CControlUI::SetPos(rcPos);
    RECT rc = InsetItemRect();
    if (m_items.IsEmpty()) {
        UpdateScrollBars(rc, 0, 0);
        return;
    }
    const bool vbar = IsBarShown(m_pVerticalScrollBar);
    const bool hbar = IsBarShown(m_pHorizontalScrollBar);
    rc = GetInnerRect();

    const int width = rc.right - rc.left;
    // An item width decides the column count; "columns" only counts without one.
    int columns = m_nColumns;
    if (m_szItem.cx > 0) columns = width / m_szItem.cx;
    if (columns == 0) columns = 1;
    int cellWidth = width / columns;
    if (hbar) cellWidth = (width + m_pHorizontalScrollBar->GetScrollRange()) / columns;

    const int x0 = rc.left - (hbar ? m_pHorizontalScrollBar->GetScrollPos() : 0);
    int x = x0;
    int y = rc.top - (vbar ? m_pVerticalScrollBar->GetScrollPos() : 0);
    int rowHeight = 0;
    int count = 0;
    int needed = 0;
    const int half = m_iChildPadding / 2;
    const int total = m_items.Count();
    for (int i = 0; i < total; ++i) {
        CControlUI* child = Child(i);
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) {
            PlaceFloatChild(i);
            continue;
        }
        const int cellRight = x + cellWidth;
        if (count % columns == 0) {
            // A new row: measure its children for the row height.
            int inRow = 0;
            for (int j = i; j < total && inRow < columns; ++j) {
                CControlUI* member = Child(j);
                if (!member->IsVisible() || member->IsFloat()) continue;
                const RECT q = member->GetPadding();
                LONG availableWidth = cellWidth - q.left - q.right;
                if (inRow == 0 || inRow == columns - 1) availableWidth -= half;
                else availableWidth -= m_iChildPadding;
                availableWidth = detail::ClampSize(availableWidth, child->GetMinWidth(), child->GetMaxWidth());
                SIZE sz = member->MeasureSize(SIZE{availableWidth, 9999});
                sz.cx = detail::ClampSize(sz.cx, child->GetMinWidth(), child->GetMaxWidth());
                sz.cy = detail::ClampSize(sz.cy, child->GetMinHeight(), child->GetMaxHeight());
                rowHeight = std::max(rowHeight, static_cast<int>(sz.cy + q.top + q.bottom));
                ++inRow;
            }
        }
        const RECT p = child->GetPadding();
        const int column = count % columns;
        RECT cell = {x + p.left + half, y + p.top, cellRight - half - p.right, y + rowHeight};
        if (column == 0) cell.left -= half;
        if (column == columns - 1) cell.right += half;

        SIZE sz = child->MeasureSize(SIZE{cell.right - cell.left, cell.bottom - cell.top});
        if (sz.cx == 0) sz.cx = cell.right - cell.left;
        if (sz.cy == 0) sz.cy = cell.bottom - cell.top;
        sz.cx = detail::ClampSize(sz.cx, child->GetMinWidth(), child->GetMaxWidth());
        sz.cy = detail::ClampSize(sz.cy, child->GetMinHeight(), child->GetMaxHeight());
        RECT pos;
        pos.left = (cell.left + cell.right - sz.cx) / 2;
        pos.top = (cell.top + cell.bottom - sz.cy) / 2;
        pos.right = pos.left + sz.cx;
        pos.bottom = pos.top + sz.cy;
        child->SetPos(pos);

        ++count;
        if (count % columns == 0) {
            x = x0;
            y += rowHeight + m_iChildPadding;
            rowHeight = 0;
        } else {
            x += cellWidth;
        }
        needed = cell.bottom - rc.top + (vbar ? m_pVerticalScrollBar->GetScrollPos() : 0);
    }
    UpdateScrollBars(rc, 0, needed);
}

void CTileLayoutUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    if (strcmp(name, "itemsize") == 0) SetItemSize(attr::ParseSize(value));
    else if (strcmp(name, "columns") == 0) SetColumns(atoi(value));
    else CContainerUI::SetAttribute(name, value);
}

}  // namespace SkinUI
