// CContainerUI: a control that owns an ordered list of children, an inset,
// a child spacing and optional scroll bars; IContainerUI: its child list.
#pragma once

#include <windows.h>

#include "skinui/control/Control.h"
#include "skinui/core/SkinDefs.h"
#include "skinui/core/SkinPtrArray.h"

namespace SkinUI {

class CScrollBarUI;

// The child list every control with children hands out as "IContainer".
class IContainerUI {
public:
    virtual CControlUI* GetItemAt(int index) const = 0;
    virtual int GetItemIndex(CControlUI* control) const = 0;
    virtual bool SetItemIndex(CControlUI* control, int index) = 0;
    virtual int GetCount() const = 0;
    virtual bool Add(CControlUI* control) = 0;
    virtual bool AddAt(CControlUI* control, int index) = 0;
    virtual bool Remove(CControlUI* control) = 0;
    virtual bool RemoveAt(int index) = 0;
    virtual void RemoveAll() = 0;

protected:
    ~IContainerUI() = default;
};

class SKINUI_API CContainerUI : public CControlUI, public IContainerUI {
public:
    CContainerUI();
    ~CContainerUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
    void SetPos(RECT rc) override;
    void SetVisible(bool visible = true) override;
    void SetVisibleByParent(bool visible) override;
    void SetMouseEnabled(bool enabled = true) override;
    CControlUI* FindControl(FINDCONTROLPROC proc, LPVOID data, UINT flags) override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    void Paint(HDC hDC, const RECT& rcDirty) override;

    // Own operations, slots 77 to 107 in this order.
    virtual RECT GetInset() const;                                  // 77
    virtual void SetInset(RECT inset);                              // 78
    virtual int GetChildPadding() const;                            // 79
    virtual void SetChildPadding(int padding);                      // 80
    virtual bool IsAutoDestroy() const;                             // 81
    virtual void SetAutoDestroy(bool autoDestroy);                  // 82
    virtual bool IsDelayedDestroy() const;                          // 83
    virtual void SetDelayedDestroy(bool delayed);                   // 84
    virtual bool IsMouseChildEnabled() const;                       // 85
    virtual void SetMouseChildEnabled(bool enabled = true);         // 86
    virtual int FindSelectableItem(int index, bool forward = true) const;  // 87
    virtual SIZE GetScrollPos() const;                              // 88
    virtual SIZE GetScrollRange() const;                            // 89
    virtual void SetScrollPos(SIZE pos);                            // 90
    virtual void ScrollLineUp();                                    // 91
    virtual void ScrollLineDown();                                  // 92
    virtual void ScrollPageUp();                                    // 93
    virtual void ScrollPageDown();                                  // 94
    virtual void ScrollToTop();                                     // 95
    virtual void ScrollToBottom();                                  // 96
    virtual void ScrollLineLeft();                                  // 97
    virtual void ScrollLineRight();                                 // 98
    virtual void ScrollPageLeft();                                  // 99
    virtual void ScrollPageRight();                                 // 100
    virtual void ScrollToLeft();                                    // 101
    virtual void ScrollToRight();                                   // 102
    virtual void EnableScrollBars(bool vertical = true, bool horizontal = false);  // 103
    virtual CScrollBarUI* GetVerticalScrollBar() const;             // 104
    virtual CScrollBarUI* GetHorizontalScrollBar() const;           // 105
    virtual void PlaceFloatChild(int index);                        // 106
    virtual void UpdateScrollBars(RECT inner, int cxRequired, int cyRequired);  // 107

    // IContainerUI (declared after the own slots so these come last).
    CControlUI* GetItemAt(int index) const override;
    int GetItemIndex(CControlUI* control) const override;
    bool SetItemIndex(CControlUI* control, int index) override;
    int GetCount() const override;
    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;
    bool Remove(CControlUI* control) override;
    bool RemoveAt(int index) override;
    void RemoveAll() override;

    // The item rectangle less the inset and the visible scroll bars.
    RECT GetInnerRect() const;

protected:
    // The item rectangle less the inset (the scroll bars not yet taken off).
    RECT InsetItemRect() const;
    // Deletes or hands over a removed child as the destroy flags say.
    void DestroyChild(CControlUI* control);
    CControlUI* Child(int index) const { return static_cast<CControlUI*>(m_items[index]); }
    bool IsBarShown(const CScrollBarUI* bar) const;
    int LineStep() const;

    CSkinPtrArray m_items;
    RECT m_rcInset = {0, 0, 0, 0};
    int m_iChildPadding = 0;
    bool m_bAutoDestroy = true;
    bool m_bDelayedDestroy = true;
    bool m_bMouseChildEnabled = true;
    bool m_bScrollProcess = false;
    CScrollBarUI* m_pVerticalScrollBar = nullptr;
    CScrollBarUI* m_pHorizontalScrollBar = nullptr;
};

namespace detail {
// Like std::clamp, but a maximum below the minimum wins instead of being wrong.
inline LONG ClampSize(LONG value, LONG low, LONG high) {
    if (value < low) value = low;
    if (value > high) value = high;
    return value;
}
}  // namespace detail

}  // namespace SkinUI
