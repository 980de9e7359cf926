// CTreeViewUI: a list whose items are tree nodes, child nodes included, each
// after its parent's last descendant; folds and checks whole subtrees.
#pragma once

#include "skinui/control/List.h"

namespace SkinUI {

class CTreeNodeUI;

class SKINUI_API CTreeViewUI : public CListUI {
public:
    CTreeViewUI();
    ~CTreeViewUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    void SetAttribute(const char* name, const char* value) override;

    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;
    bool Remove(CControlUI* control) override;
    bool RemoveAt(int index) override;
    void RemoveAll() override;

    // Sets the check box of every descendant of `node` (of every item when null).
    void SetItemCheckBox(bool checked, CTreeNodeUI* node = nullptr);
    // Shows or hides the children of `node`, continuing into expanded ones.
    void SetItemExpand(bool visible, CTreeNodeUI* node);

    void SetVisibleFolderBtn(bool visible);
    bool GetVisibleFolderBtn() const { return m_bVisibleFolderBtn; }
    void SetVisibleCheckBtn(bool visible);
    bool GetVisibleCheckBtn() const { return m_bVisibleCheckBtn; }
    void SetItemMinWidth(int width);
    int GetItemMinWidth() const { return m_uItemMinWidth; }
    void SetItemTextColor(DWORD color);
    void SetItemHotTextColor(DWORD color);
    void SetSelItemTextColor(DWORD color);
    void SetSelItemHotTextColor(DWORD color);

private:
    bool OnCheckBoxChanged(void* param);
    bool OnFolderChanged(void* param);
    bool OnDBClickItem(void* param);
    // Subscribes to the node's parts and adds its child nodes after it.
    void Adopt(CTreeNodeUI* node, int index);
    void Forget(CTreeNodeUI* node);
    CTreeNodeUI* NodeAt(int index) const;

    bool m_bVisibleFolderBtn = true;
    bool m_bVisibleCheckBtn = false;
    int m_uItemMinWidth = 0;
};

}  // namespace SkinUI
