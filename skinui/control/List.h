// CListUI: rows of list items in a scrolling body under an optional header
// of resizable columns; selection, keys, expansion and the item appearance.
#pragma once

#include "skinui/control/ListInterfaces.h"
#include "skinui/control/VerticalLayout.h"

namespace SkinUI {

class CListBodyUI;
class CListHeaderUI;

class SKINUI_API CListUI : public CVerticalLayoutUI, public IListUI {
public:
    CListUI();

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    UINT GetInputFlags() const override;
    void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
    void SetPos(RECT rc) override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;

    // Scrolling is the body's.
    int FindSelectableItem(int index, bool forward = true) const override;
    SIZE GetScrollPos() const override;
    SIZE GetScrollRange() const override;
    void SetScrollPos(SIZE pos) override;
    void ScrollLineUp() override;
    void ScrollLineDown() override;
    void ScrollPageUp() override;
    void ScrollPageDown() override;
    void ScrollToTop() override;
    void ScrollToBottom() override;
    void ScrollLineLeft() override;
    void ScrollLineRight() override;
    void ScrollPageLeft() override;
    void ScrollPageRight() override;
    void ScrollToLeft() override;
    void ScrollToRight() override;
    void EnableScrollBars(bool vertical = true, bool horizontal = false) override;
    CScrollBarUI* GetVerticalScrollBar() const override;
    CScrollBarUI* GetHorizontalScrollBar() const override;

    // The items are the body's; header parts go to the header.
    CControlUI* GetItemAt(int index) const override;
    int GetItemIndex(CControlUI* control) const override;
    bool SetItemIndex(CControlUI* control, int index) override;
    int GetCount() const override;
    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;
    bool Remove(CControlUI* control) override;
    bool RemoveAt(int index) override;
    void RemoveAll() override;

    // IListOwnerUI and IListUI.
    TListInfoUI* GetListInfo() override { return &m_ListInfo; }
    int GetCurSel() const override { return m_iCurSel; }
    bool SelectItem(int index, bool takeFocus = false) override;
    CListHeaderUI* GetHeader() const override { return m_pHeader; }
    CContainerUI* GetList() const override;
    IListCallbackUI* GetTextCallback() const override { return m_pCallback; }
    void SetTextCallback(IListCallbackUI* callback) override { m_pCallback = callback; }
    bool ExpandItem(int index, bool expand = true) override;
    int GetExpandedItem() const override { return m_iExpandedItem; }

    // Scrolls the body so that the item at `index` is inside it.
    void EnsureVisible(int index);
    // Places the header's items for the body's sideways scroll and copies the columns.
    void PlaceHeader();
    bool IsScrollSelect() const { return m_bScrollSelect; }
    void SetScrollSelect(bool on) { m_bScrollSelect = on; }
    void SetItemFont(int index);
    void SetItemTextStyle(UINT style);
    void SetItemTextPadding(RECT rc);

protected:
    CListBodyUI* Body() const { return m_pList; }
    IListItemUI* ListItemAt(int index) const;
    void Renumber(int from, int to);

    bool m_bScrollSelect = false;
    bool m_bBarsMade = false;
    int m_iCurSel = -1;
    int m_iExpandedItem = -1;
    IListCallbackUI* m_pCallback = nullptr;
    CListBodyUI* m_pList = nullptr;
    CListHeaderUI* m_pHeader = nullptr;
    TListInfoUI m_ListInfo;
};

}  // namespace SkinUI
