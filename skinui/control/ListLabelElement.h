// CListLabelElementUI: a list item showing one text with the list's item
// appearance.
#pragma once

#include "skinui/control/ListElement.h"

namespace SkinUI {

class SKINUI_API CListLabelElementUI : public CListElementUI {
public:
    CListLabelElementUI();

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    void SetText(const char* text) override;
    void HandleEvent(TControlEvent& event) override;
    SIZE MeasureSize(SIZE available) override;
    void Paint(HDC hDC, const RECT& rcDirty) override;
    void DrawItemText(HDC hDC, const RECT& rcItem) override;

protected:
    // Height from the item font and padding when no fixed height is set.
    int ItemHeight() const;

private:
    // The one-line text width, kept until the text, font or markup flag
    // changes: long lists are laid out again on every column drag.
    int m_iTextWidth = -1;
    HFONT m_hMeasuredFont = nullptr;
    bool m_bMeasuredHtml = false;
};

}  // namespace SkinUI
