// The interfaces between a list (or any other owner, such as a combo) and its
// items, and the appearance record the owner shares with all of them.
#pragma once

#include <windows.h>

#include "skinui/core/SkinString.h"
#include "skinui/core/UIDefs.h"

namespace SkinUI {

class CControlUI;
class CContainerUI;
class CListHeaderUI;

constexpr int kListMaxColumns = 32;

struct TListInfoUI {
    int nColumns = 0;
    RECT rcColumn[kListMaxColumns] = {};
    int nFont = -1;
    UINT uTextStyle = DT_VCENTER;
    RECT rcTextPadding = {0, 0, 0, 0};
    DWORD dwTextColor = 0xFF000000;
    DWORD dwBkColor = 0;
    CSkinString sBkImage;
    bool bAlternateBk = false;
    DWORD dwSelectedTextColor = 0xFF000000;
    DWORD dwSelectedBkColor = 0xFFC1E3FF;
    CSkinString sSelectedImage;
    DWORD dwHotTextColor = 0xFF000000;
    DWORD dwHotBkColor = 0xFFE9F5FF;
    CSkinString sHotImage;
    DWORD dwDisabledTextColor = 0xFFCCCCCC;
    DWORD dwDisabledBkColor = 0xFFFFFFFF;
    CSkinString sDisabledImage;
    DWORD dwLineColor = 0;
    bool bShowHtml = false;
    bool bMultiExpandable = false;
};

// Answers the text of a text element's column; optional.
class IListCallbackUI {
public:
    virtual const char* GetItemText(CControlUI* control, int index, int subItem) = 0;

protected:
    ~IListCallbackUI() = default;
};

// Whatever selects, activates and paints list items: the list, or a combo.
class IListOwnerUI {
public:
    virtual TListInfoUI* GetListInfo() = 0;
    virtual int GetCurSel() const = 0;
    virtual bool SelectItem(int index, bool takeFocus = false) = 0;
    // Events the items do not handle themselves.
    virtual void HandleEvent(TControlEvent& event) = 0;

protected:
    ~IListOwnerUI() = default;
};

class IListUI : public IListOwnerUI {
public:
    virtual CListHeaderUI* GetHeader() const = 0;
    virtual CContainerUI* GetList() const = 0;
    virtual IListCallbackUI* GetTextCallback() const = 0;
    virtual void SetTextCallback(IListCallbackUI* callback) = 0;
    virtual bool ExpandItem(int index, bool expand = true) = 0;
    virtual int GetExpandedItem() const = 0;

protected:
    ~IListUI() = default;
};

class IListItemUI {
public:
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int index) = 0;
    virtual IListOwnerUI* ItemOwner() const = 0;
    virtual void SetItemOwner(IListOwnerUI* owner) = 0;
    virtual bool IsSelected() const = 0;
    virtual bool Select(bool select = true) = 0;
    virtual bool IsExpanded() const = 0;
    virtual bool Expand(bool expand = true) = 0;
    virtual void DrawItemText(HDC hDC, const RECT& rcItem) = 0;
    virtual void DrawItemBackground(HDC hDC, const RECT& rcItem) = 0;

protected:
    ~IListItemUI() = default;
};

}  // namespace SkinUI
