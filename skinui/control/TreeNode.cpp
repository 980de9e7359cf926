// CTreeNodeUI: its parts, child nodes, text colours and attributes.
#include "skinui/control/TreeNode.h"

#include <cstring>

#include "skinui/control/CheckBox.h"
#include "skinui/control/HorizontalLayout.h"
#include "skinui/control/Label.h"
#include "skinui/control/Option.h"
#include "skinui/control/TreeView.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {

CTreeNodeUI::CTreeNodeUI(CTreeNodeUI* parentNode) {
    m_cxyFixed = SIZE{250, 18};
    m_pHoriz = new CHorizontalLayoutUI;
    // The node itself takes the row's clicks, so it selects and folds.
    m_pHoriz->SetMouseEnabled(false);
    m_pDottedLine = new CLabelUI;
    m_pDottedLine->SetFixedWidth(2);
    m_pDottedLine->SetVisible(false);
    m_pDottedLine->SetMouseEnabled(false);
    m_pFolderButton = new CCheckBoxUI;
    m_pFolderButton->SetFixedWidth(m_cxyFixed.cy);
    m_pCheckBox = new CCheckBoxUI;
    m_pCheckBox->SetFixedWidth(18);
    m_pCheckBox->SetVisible(false);
    m_pItemButton = new COptionUI;
    m_pItemButton->SetAttribute("align", "left");
    m_pItemButton->SetMouseEnabled(false);
    m_pHoriz->Add(m_pDottedLine);
    m_pHoriz->Add(m_pFolderButton);
    m_pHoriz->Add(m_pCheckBox);
    m_pHoriz->Add(m_pItemButton);
    CContainerUI::Add(m_pHoriz);
    if (parentNode) {
        m_pParentTreeNode = parentNode;
        IndentUnder(parentNode);
    }
}

CTreeNodeUI::~CTreeNodeUI() {
    if (m_pParentTreeNode) m_pParentTreeNode->RemoveChildNode(this);
    for (int i = 0; i < m_aTreeNodes.Count(); ++i) {
        CTreeNodeUI* child = GetChildNode(i);
        child->m_pParentTreeNode = nullptr;
        // Children never placed in a tree view have no other owner.
        if (!child->m_pTreeView) delete child;
    }
}

const char* CTreeNodeUI::GetTypeName() const { return "TreeNodeUI"; }

void* CTreeNodeUI::AsInterface(const char* name) {
    if (name && strcmp(name, "TreeNode") == 0) return static_cast<CTreeNodeUI*>(this);
    return CListContainerElementUI::AsInterface(name);
}

CSkinString CTreeNodeUI::GetText() const { return m_pItemButton->GetText(); }
void CTreeNodeUI::SetText(const char* text) { m_pItemButton->SetText(text); }

void CTreeNodeUI::IndentUnder(CTreeNodeUI* parent) {
    m_pDottedLine->SetFixedWidth(parent->GetDottedLine()->GetFixedWidth() + kIndent);
    m_pDottedLine->SetVisible(true);
    for (int i = 0; i < m_aTreeNodes.Count(); ++i) GetChildNode(i)->IndentUnder(this);
}

int CTreeNodeUI::GetTreeLevel() const {
    int level = 0;
    for (CTreeNodeUI* node = m_pParentTreeNode; node; node = node->m_pParentTreeNode) ++level;
    return level;
}

CTreeNodeUI* CTreeNodeUI::GetLastNode() {
    if (m_aTreeNodes.IsEmpty()) return this;
    return GetChildNode(m_aTreeNodes.Count() - 1)->GetLastNode();
}

bool CTreeNodeUI::AddChildNode(CTreeNodeUI* node) {
    if (!node || node == this) return false;
    node->m_pParentTreeNode = this;
    node->IndentUnder(this);
    if (m_pTreeView) {
        const int at = GetLastNode()->ItemIndex() + 1;
        if (!m_pTreeView->AddAt(node, at)) {
            node->m_pParentTreeNode = nullptr;
            return false;
        }
    }
    m_aTreeNodes.Add(node);
    return true;
}

bool CTreeNodeUI::RemoveChildNode(CTreeNodeUI* node) {
    const int index = m_aTreeNodes.IndexOf(node);
    if (index < 0) return false;
    m_aTreeNodes.RemoveAt(index);
    node->m_pParentTreeNode = nullptr;
    return true;
}

bool CTreeNodeUI::Add(CControlUI* control) {
    if (!control) return false;
    if (auto* node = static_cast<CTreeNodeUI*>(control->AsInterface("TreeNode"))) return AddChildNode(node);
    return m_pHoriz->Add(control);
}

bool CTreeNodeUI::AddAt(CControlUI* control, int index) {
    if (!control) return false;
    if (auto* node = static_cast<CTreeNodeUI*>(control->AsInterface("TreeNode"))) return AddChildNode(node);
    return m_pHoriz->AddAt(control, index);
}

bool CTreeNodeUI::Remove(CControlUI* control) {
    if (!control) return false;
    if (auto* node = static_cast<CTreeNodeUI*>(control->AsInterface("TreeNode"))) {
        if (m_aTreeNodes.IndexOf(node) < 0) return false;
        if (m_pTreeView) return m_pTreeView->Remove(node);
        RemoveChildNode(node);
        delete node;
        return true;
    }
    return m_pHoriz->Remove(control);
}

void CTreeNodeUI::SetVisibleFolderBtn(bool visible) { m_pFolderButton->SetVisible(visible); }
void CTreeNodeUI::SetVisibleCheckBtn(bool visible) { m_pCheckBox->SetVisible(visible); }

void CTreeNodeUI::ApplyTextColor(DWORD color) {
    if (color != 0) m_pItemButton->SetTextColor(color);
}

void CTreeNodeUI::SetItemTextColor(DWORD color) {
    m_dwItemTextColor = color;
    if (!m_bSelected) ApplyTextColor(color);
}

void CTreeNodeUI::SetSelItemTextColor(DWORD color) {
    m_dwSelItemTextColor = color;
    if (m_bSelected) ApplyTextColor(color);
}

bool CTreeNodeUI::Select(bool select) {
    const bool done = CListContainerElementUI::Select(select);
    ApplyTextColor(m_bSelected ? m_dwSelItemTextColor : m_dwItemTextColor);
    return done;
}

void CTreeNodeUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        CListContainerElementUI::HandleEvent(event);
        return;
    }
    if (event.Type == EV_DBLCLICK && IsEnabled()) {
        if (m_pManager) m_pManager->SendNotification(this, "itemdbclick");
        Invalidate();
        return;
    }
    if (event.Type == EV_MOUSEENTER && IsEnabled()) {
        ApplyTextColor(m_bSelected && m_dwSelItemHotTextColor != 0 ? m_dwSelItemHotTextColor : m_dwItemHotTextColor);
    } else if (event.Type == EV_MOUSELEAVE && IsEnabled()) {
        ApplyTextColor(m_bSelected ? m_dwSelItemTextColor : m_dwItemTextColor);
    }
    CListContainerElementUI::HandleEvent(event);
}

void CTreeNodeUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    if (is("text")) SetText(value);
    else if (is("horizattr")) m_pHoriz->ApplyAttributes(value);
    else if (is("dotlineattr")) m_pDottedLine->ApplyAttributes(value);
    else if (is("folderattr")) m_pFolderButton->ApplyAttributes(value);
    else if (is("checkboxattr")) m_pCheckBox->ApplyAttributes(value);
    else if (is("itemattr")) m_pItemButton->ApplyAttributes(value);
    else if (is("itemtextcolor")) SetItemTextColor(attr::ParseHexColor(value));
    else if (is("itemhottextcolor")) SetItemHotTextColor(attr::ParseHexColor(value));
    else if (is("selitemtextcolor")) SetSelItemTextColor(attr::ParseHexColor(value));
    else if (is("selitemhottextcolor")) SetSelItemHotTextColor(attr::ParseHexColor(value));
    else CListContainerElementUI::SetAttribute(name, value);
}

}  // namespace SkinUI
