// CTreeNodeUI: a row of a tree view: indentation, folder button, check box and
// item button, and the child nodes below it.
#pragma once

#include "skinui/control/ListContainerElement.h"
#include "skinui/core/SkinPtrArray.h"

namespace SkinUI {

class CCheckBoxUI;
class CHorizontalLayoutUI;
class CLabelUI;
class COptionUI;
class CTreeViewUI;

class SKINUI_API CTreeNodeUI : public CListContainerElementUI {
public:
    // Extra indentation of a node below its parent.
    static constexpr int kIndent = 16;

    explicit CTreeNodeUI(CTreeNodeUI* parentNode = nullptr);
    ~CTreeNodeUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    CSkinString GetText() const override;
    void SetText(const char* text) override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    bool Select(bool select = true) override;

    // Child nodes join the tree view after this node's last descendant;
    // other controls go into the row.
    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;
    bool Remove(CControlUI* control) override;

    bool AddChildNode(CTreeNodeUI* node);
    bool RemoveChildNode(CTreeNodeUI* node);
    int GetCountChild() const { return m_aTreeNodes.Count(); }
    CTreeNodeUI* GetChildNode(int index) const { return static_cast<CTreeNodeUI*>(m_aTreeNodes.At(index)); }
    CTreeNodeUI* GetParentNode() const { return m_pParentTreeNode; }
    void SetParentNode(CTreeNodeUI* node) { m_pParentTreeNode = node; }
    CTreeViewUI* GetTreeView() const { return m_pTreeView; }
    void SetTreeView(CTreeViewUI* view) { m_pTreeView = view; }
    // This node, or the deepest last descendant below it.
    CTreeNodeUI* GetLastNode();
    int GetTreeLevel() const;

    CHorizontalLayoutUI* GetTreeNodeHoriz() const { return m_pHoriz; }
    CLabelUI* GetDottedLine() const { return m_pDottedLine; }
    CCheckBoxUI* GetFolderButton() const { return m_pFolderButton; }
    CCheckBoxUI* GetCheckBox() const { return m_pCheckBox; }
    COptionUI* GetItemButton() const { return m_pItemButton; }

    void SetVisibleFolderBtn(bool visible);
    void SetVisibleCheckBtn(bool visible);
    bool IsHasChild() const { return !m_aTreeNodes.IsEmpty(); }

    DWORD GetItemTextColor() const { return m_dwItemTextColor; }
    void SetItemTextColor(DWORD color);
    DWORD GetItemHotTextColor() const { return m_dwItemHotTextColor; }
    void SetItemHotTextColor(DWORD color) { m_dwItemHotTextColor = color; }
    DWORD GetSelItemTextColor() const { return m_dwSelItemTextColor; }
    void SetSelItemTextColor(DWORD color);
    DWORD GetSelItemHotTextColor() const { return m_dwSelItemHotTextColor; }
    void SetSelItemHotTextColor(DWORD color) { m_dwSelItemHotTextColor = color; }

private:
    // Indentation one step deeper than `parent`'s.
    void IndentUnder(CTreeNodeUI* parent);
    void ApplyTextColor(DWORD color);

    CTreeNodeUI* m_pParentTreeNode = nullptr;
    CTreeViewUI* m_pTreeView = nullptr;
    CSkinPtrArray m_aTreeNodes;
    CHorizontalLayoutUI* m_pHoriz = nullptr;
    CLabelUI* m_pDottedLine = nullptr;
    CCheckBoxUI* m_pFolderButton = nullptr;
    CCheckBoxUI* m_pCheckBox = nullptr;
    COptionUI* m_pItemButton = nullptr;
    DWORD m_dwItemTextColor = 0;
    DWORD m_dwItemHotTextColor = 0;
    DWORD m_dwSelItemTextColor = 0;
    DWORD m_dwSelItemHotTextColor = 0;
};

}  // namespace SkinUI
