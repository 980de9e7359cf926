// CListBodyUI: the scrolling part of a list that holds its items; rows are at
// least as wide as the header wants.
#pragma once

#include "skinui/control/VerticalLayout.h"

namespace SkinUI {

class CListUI;

class SKINUI_API CListBodyUI : public CVerticalLayoutUI {
public:
    explicit CListBodyUI(CListUI* owner);

    void SetPos(RECT rc) override;
    void SetScrollPos(SIZE pos) override;
    void HandleEvent(TControlEvent& event) override;

    CListUI* GetOwner() const { return m_pOwner; }

private:
    // Shows or hides the horizontal bar for rows `rowWidth` wide in `rcPos`.
    void FitHorizontalBar(const RECT& rcPos, int rowWidth);

    CListUI* m_pOwner;
};

}  // namespace SkinUI
