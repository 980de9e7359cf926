// CComboUI: a container of list items that shows the selected one and opens
// them in a drop-down window (CComboWnd) for picking.
#pragma once

#include <windows.h>

#include "skinui/control/Container.h"
#include "skinui/control/ListInterfaces.h"

namespace SkinUI {

class CComboWnd;

class SKINUI_API CComboUI : public CContainerUI, public IListOwnerUI {
    friend class CComboWnd;

public:
    CComboUI();
    ~CComboUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    UINT GetInputFlags() const override;
    bool Activate() override;
    void SetEnabled(bool enabled = true) override;
    void SetPos(RECT rc) override;
    CControlUI* FindControl(FINDCONTROLPROC proc, LPVOID data, UINT flags) override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    void Paint(HDC hDC, const RECT& rcDirty) override;
    void PaintStateImages(HDC hDC) override;
    void PaintText(HDC hDC) override;

    // The items are list items owned by this combo and numbered in it.
    bool SetItemIndex(CControlUI* control, int index) override;
    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;
    bool Remove(CControlUI* control) override;
    bool RemoveAt(int index) override;
    void RemoveAll() override;

    // IListOwnerUI.
    TListInfoUI* GetListInfo() override { return &m_ListInfo; }
    int GetCurSel() const override { return m_iCurSel; }
    bool SelectItem(int index, bool takeFocus = false) override;

    // The open drop-down window, else null.
    HWND GetDropDownWindow() const;
    const CSkinString& GetDropBoxAttributeList() const { return m_sDropBoxAttributes; }
    void SetDropBoxAttributeList(const char* list) { m_sDropBoxAttributes = list; }
    SIZE GetDropBoxSize() const { return m_szDropBox; }
    void SetDropBoxSize(SIZE size) { m_szDropBox = size; }
    RECT GetTextPadding() const { return m_rcTextPadding; }
    void SetTextPadding(RECT rc);
    void SetNormalImage(const char* descriptor);
    void SetHotImage(const char* descriptor);
    void SetPushedImage(const char* descriptor);
    void SetFocusedImage(const char* descriptor);
    void SetDisabledImage(const char* descriptor);
    UINT GetButtonState() const { return m_uButtonState; }
    void SetItemFont(int index);
    void SetItemTextStyle(UINT style);
    void SetItemTextPadding(RECT rc);

protected:
    IListItemUI* ListItemAt(int index) const;
    void Renumber(int from);
    // Paints the selected item into `rc` and gives it back its own place.
    void PaintSelectedItem(HDC hDC, const RECT& rc);
    // Selection from the open drop-down's keys and wheel: the box stays open.
    void Navigate(TControlEvent& event);
    // Closes an open drop-down at once, the items back in place.
    void CloseDropDownNow();

    CComboWnd* m_pWindow = nullptr;
    int m_iCurSel = -1;
    bool m_bNavigating = false;
    CSkinString m_sDropBoxAttributes;
    SIZE m_szDropBox = {0, 150};
    RECT m_rcTextPadding = {0, 0, 0, 0};
    CSkinString m_sNormalImage;
    CSkinString m_sHotImage;
    CSkinString m_sPushedImage;
    CSkinString m_sFocusedImage;
    CSkinString m_sDisabledImage;
    UINT m_uButtonState = 0;
    TListInfoUI m_ListInfo;
};

}  // namespace SkinUI
