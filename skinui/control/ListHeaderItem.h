// CListHeaderItemUI: one column of a list header, with text, state images
// and a separator that resizes the column by dragging.
#pragma once

#include "skinui/control/Control.h"

namespace SkinUI {

class SKINUI_API CListHeaderItemUI : public CControlUI {
public:
    // Width of the zone at the separator edge that starts a drag.
    static constexpr int kSeparatorZone = 4;

    CListHeaderItemUI();

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    UINT GetInputFlags() const override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    SIZE MeasureSize(SIZE available) override;
    void PaintStateImages(HDC hDC) override;
    void PaintText(HDC hDC) override;

    bool IsDragable() const { return m_bDragable; }
    void SetDragable(bool dragable);
    int GetSepWidth() const { return m_iSepWidth; }
    void SetSepWidth(int width);
    UINT GetTextStyle() const { return m_uTextStyle; }
    DWORD GetTextColor() const { return m_dwTextColor; }
    void SetTextColor(DWORD color);
    RECT GetTextPadding() const { return m_rcTextPadding; }
    void SetTextPadding(RECT rc);
    int GetFont() const { return m_iFont; }
    void SetFont(int index);
    bool IsShowHtml() const { return m_bShowHtml; }
    void SetShowHtml(bool show);
    UINT GetButtonState() const { return m_uButtonState; }
    // The zone whose press starts a drag.
    RECT GetThumbRect() const;

    void SetNormalImage(const char* d) { m_sNormalImage = d; Invalidate(); }
    void SetHotImage(const char* d) { m_sHotImage = d; Invalidate(); }
    void SetPushedImage(const char* d) { m_sPushedImage = d; Invalidate(); }
    void SetFocusedImage(const char* d) { m_sFocusedImage = d; Invalidate(); }
    void SetSepImage(const char* d) { m_sSepImage = d; Invalidate(); }

protected:
    bool DrawOrForget(HDC hDC, CSkinString& descriptor, const char* modifier = nullptr);
    // The list (or the header when alone) lays out again so the rows follow.
    void RequestListLayout();

    POINT m_ptLastMouse = {0, 0};
    bool m_bDragable = false;
    UINT m_uButtonState = 0;
    int m_iSepWidth = 4;
    DWORD m_dwTextColor = 0;
    int m_iFont = -1;
    UINT m_uTextStyle = DT_VCENTER | DT_CENTER | DT_SINGLELINE;
    bool m_bShowHtml = false;
    RECT m_rcTextPadding = {0, 0, 0, 0};
    CSkinString m_sNormalImage;
    CSkinString m_sHotImage;
    CSkinString m_sPushedImage;
    CSkinString m_sFocusedImage;
    CSkinString m_sSepImage;
};

}  // namespace SkinUI
