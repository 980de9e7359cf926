// CListTextElementUI: a list item with one text per column, from the list's
// text callback when it has one, with clickable links in formatted text.
#pragma once

#include "skinui/control/ListLabelElement.h"
#include "skinui/core/SkinPtrArray.h"

namespace SkinUI {

class SKINUI_API CListTextElementUI : public CListLabelElementUI {
public:
    static constexpr int kMaxLinks = 8;

    CListTextElementUI();
    ~CListTextElementUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    UINT GetInputFlags() const override;
    void SetItemOwner(IListOwnerUI* owner) override;
    void HandleEvent(TControlEvent& event) override;
    SIZE MeasureSize(SIZE available) override;
    void DrawItemText(HDC hDC, const RECT& rcItem) override;

    using CListLabelElementUI::GetText;
    using CListLabelElementUI::SetText;
    // The element's own text of a column; empty past the last one set, the
    // control's text for column 0 when none was set.
    const char* GetText(int column) const;
    void SetText(int column, const char* text);

    int GetLinkCount() const { return m_nLinks; }
    RECT GetLinkRect(int index) const;
    int GetHoverLink() const { return m_nHoverLink; }

protected:
    int LinkAt(POINT pt) const;

    IListUI* m_pList = nullptr;
    CSkinPtrArray m_aTexts;  // owned CSkinString per column
    int m_nLinks = 0;
    RECT m_rcLinks[kMaxLinks] = {};
    CSkinString m_sLinks[kMaxLinks];
    int m_nHoverLink = -1;
};

}  // namespace SkinUI
