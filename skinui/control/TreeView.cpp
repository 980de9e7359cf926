// CTreeViewUI: node placement, subtree folding and checking, and the
// settings it hands to all its nodes.
#include "skinui/control/TreeView.h"

#include <cstdlib>
#include <cstring>

#include "skinui/control/CheckBox.h"
#include "skinui/control/TreeNode.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {

namespace {
// The node that owns a part (folder button or check box): part -> row -> node.
CTreeNodeUI* NodeOfPart(CControlUI* part) {
    CControlUI* row = part ? part->GetParent() : nullptr;
    CControlUI* node = row ? row->GetParent() : nullptr;
    return node ? static_cast<CTreeNodeUI*>(node->AsInterface("TreeNode")) : nullptr;
}

TNotifyUI* NotifyOf(void* param, const char* type) {
    auto* msg = static_cast<TNotifyUI*>(param);
    return msg && msg->sType == type ? msg : nullptr;
}
}  // namespace

CTreeViewUI::CTreeViewUI() = default;
CTreeViewUI::~CTreeViewUI() = default;

const char* CTreeViewUI::GetTypeName() const { return "TreeViewUI"; }

void* CTreeViewUI::AsInterface(const char* name) {
    if (name && strcmp(name, "TreeView") == 0) return static_cast<CTreeViewUI*>(this);
    return CListUI::AsInterface(name);
}

CTreeNodeUI* CTreeViewUI::NodeAt(int index) const {
    CControlUI* control = GetItemAt(index);
    return control ? static_cast<CTreeNodeUI*>(control->AsInterface("TreeNode")) : nullptr;
}

void CTreeViewUI::Adopt(CTreeNodeUI* node, int index) {
    node->SetTreeView(this);
    node->SetVisibleFolderBtn(m_bVisibleFolderBtn);
    node->SetVisibleCheckBtn(m_bVisibleCheckBtn);
    if (m_uItemMinWidth > 0) node->SetMinWidth(m_uItemMinWidth);
    node->GetFolderButton()->OnNotify += MakeDelegate(this, &CTreeViewUI::OnFolderChanged);
    node->GetCheckBox()->OnNotify += MakeDelegate(this, &CTreeViewUI::OnCheckBoxChanged);
    node->OnNotify += MakeDelegate(this, &CTreeViewUI::OnDBClickItem);
    // A node joining under a folded or hidden parent starts hidden.
    if (CTreeNodeUI* parent = node->GetParentNode()) {
        if (!parent->IsVisible() || parent->GetFolderButton()->IsSelected()) node->SetVisible(false);
    }
    // A subtree built before it joined brings its children along.
    int at = index + 1;
    for (int i = 0; i < node->GetCountChild(); ++i) {
        CTreeNodeUI* child = node->GetChildNode(i);
        if (GetItemIndex(child) < 0) {
            if (!CListUI::AddAt(child, at)) continue;
            Adopt(child, at);
        }
        at = child->GetLastNode()->ItemIndex() + 1;
    }
}

void CTreeViewUI::Forget(CTreeNodeUI* node) {
    node->GetFolderButton()->OnNotify.Remove(MakeDelegate(this, &CTreeViewUI::OnFolderChanged));
    node->GetCheckBox()->OnNotify.Remove(MakeDelegate(this, &CTreeViewUI::OnCheckBoxChanged));
    node->OnNotify.Remove(MakeDelegate(this, &CTreeViewUI::OnDBClickItem));
}

bool CTreeViewUI::Add(CControlUI* control) {
    auto* node = control ? static_cast<CTreeNodeUI*>(control->AsInterface("TreeNode")) : nullptr;
    if (!node) return CListUI::Add(control);
    if (!CListUI::Add(node)) return false;
    Adopt(node, node->ItemIndex());
    return true;
}

bool CTreeViewUI::AddAt(CControlUI* control, int index) {
    auto* node = control ? static_cast<CTreeNodeUI*>(control->AsInterface("TreeNode")) : nullptr;
    if (!node) return CListUI::AddAt(control, index);
    if (!CListUI::AddAt(node, index)) return false;
    Adopt(node, index);
    return true;
}

bool CTreeViewUI::Remove(CControlUI* control) {
    auto* node = control ? static_cast<CTreeNodeUI*>(control->AsInterface("TreeNode")) : nullptr;
    if (!node) return CListUI::Remove(control);
    if (GetItemIndex(node) < 0) return false;
    // The whole subtree leaves with its root.
    while (node->GetCountChild() > 0) {
        CTreeNodeUI* child = node->GetChildNode(node->GetCountChild() - 1);
        if (GetItemIndex(child) >= 0) Remove(child);
        else node->RemoveChildNode(child);
    }
    Forget(node);
    if (CTreeNodeUI* parent = node->GetParentNode()) parent->RemoveChildNode(node);
    return CListUI::Remove(node);
}

bool CTreeViewUI::RemoveAt(int index) {
    CControlUI* control = GetItemAt(index);
    return control ? Remove(control) : false;
}

void CTreeViewUI::RemoveAll() {
    for (int i = 0; i < GetCount(); ++i) {
        CTreeNodeUI* node = NodeAt(i);
        if (!node) continue;
        Forget(node);
        while (node->GetCountChild() > 0) node->RemoveChildNode(node->GetChildNode(0));
    }
    CListUI::RemoveAll();
}

void CTreeViewUI::SetItemCheckBox(bool checked, CTreeNodeUI* node) {
    if (!node) {
        for (int i = 0; i < GetCount(); ++i) {
            if (CTreeNodeUI* item = NodeAt(i)) item->GetCheckBox()->SetSelected(checked);
        }
        return;
    }
    for (int i = 0; i < node->GetCountChild(); ++i) {
        CTreeNodeUI* child = node->GetChildNode(i);
        child->GetCheckBox()->SetSelected(checked);
        if (child->IsHasChild()) SetItemCheckBox(checked, child);
    }
}

void CTreeViewUI::SetItemExpand(bool visible, CTreeNodeUI* node) {
    if (!node) return;
    for (int i = 0; i < node->GetCountChild(); ++i) {
        CTreeNodeUI* child = node->GetChildNode(i);
        child->SetVisible(visible);
        if (child->IsHasChild() && !child->GetFolderButton()->IsSelected()) SetItemExpand(visible, child);
    }
}

bool CTreeViewUI::OnCheckBoxChanged(void* param) {
    TNotifyUI* msg = NotifyOf(param, "selectchanged");
    if (!msg) return true;
    auto* box = static_cast<CCheckBoxUI*>(msg->pSender);
    if (CTreeNodeUI* node = NodeOfPart(box)) SetItemCheckBox(box->GetCheck(), node);
    return true;
}

bool CTreeViewUI::OnFolderChanged(void* param) {
    TNotifyUI* msg = NotifyOf(param, "selectchanged");
    if (!msg) return true;
    auto* folder = static_cast<CCheckBoxUI*>(msg->pSender);
    CTreeNodeUI* node = NodeOfPart(folder);
    if (!node) return true;
    // An unchecked folder is an open one.
    const bool expanded = !folder->GetCheck();
    node->Expand(expanded);
    SetItemExpand(expanded, node);
    return true;
}

bool CTreeViewUI::OnDBClickItem(void* param) {
    TNotifyUI* msg = NotifyOf(param, "itemdbclick");
    if (!msg) return true;
    auto* node = static_cast<CTreeNodeUI*>(msg->pSender->AsInterface("TreeNode"));
    if (!node) return true;
    CCheckBoxUI* folder = node->GetFolderButton();
    folder->SetSelected(!folder->GetCheck());
    const bool expanded = !folder->GetCheck();
    node->Expand(expanded);
    SetItemExpand(expanded, node);
    return true;
}

void CTreeViewUI::SetVisibleFolderBtn(bool visible) {
    m_bVisibleFolderBtn = visible;
    for (int i = 0; i < GetCount(); ++i)
        if (CTreeNodeUI* node = NodeAt(i)) node->SetVisibleFolderBtn(visible);
}

void CTreeViewUI::SetVisibleCheckBtn(bool visible) {
    m_bVisibleCheckBtn = visible;
    for (int i = 0; i < GetCount(); ++i)
        if (CTreeNodeUI* node = NodeAt(i)) node->SetVisibleCheckBtn(visible);
}

void CTreeViewUI::SetItemMinWidth(int width) {
    m_uItemMinWidth = width;
    for (int i = 0; i < GetCount(); ++i)
        if (CTreeNodeUI* node = NodeAt(i)) node->SetMinWidth(width);
    RequestLayout();
}

void CTreeViewUI::SetItemTextColor(DWORD color) {
    for (int i = 0; i < GetCount(); ++i)
        if (CTreeNodeUI* node = NodeAt(i)) node->SetItemTextColor(color);
}

void CTreeViewUI::SetItemHotTextColor(DWORD color) {
    for (int i = 0; i < GetCount(); ++i)
        if (CTreeNodeUI* node = NodeAt(i)) node->SetItemHotTextColor(color);
}

void CTreeViewUI::SetSelItemTextColor(DWORD color) {
    for (int i = 0; i < GetCount(); ++i)
        if (CTreeNodeUI* node = NodeAt(i)) node->SetSelItemTextColor(color);
}

void CTreeViewUI::SetSelItemHotTextColor(DWORD color) {
    for (int i = 0; i < GetCount(); ++i)
        if (CTreeNodeUI* node = NodeAt(i)) node->SetSelItemHotTextColor(color);
}

void CTreeViewUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    if (is("visiblefolderbtn")) SetVisibleFolderBtn(attr::ParseBool(value));
    else if (is("visiblecheckbtn")) SetVisibleCheckBtn(attr::ParseBool(value));
    else if (is("itemminwidth")) SetItemMinWidth(atoi(value));
    else if (is("itemtextcolor")) SetItemTextColor(attr::ParseHexColor(value));
    else if (is("itemhottextcolor")) SetItemHotTextColor(attr::ParseHexColor(value));
    else if (is("selitemtextcolor")) SetSelItemTextColor(attr::ParseHexColor(value));
    else if (is("selitemhottextcolor")) SetSelItemHotTextColor(attr::ParseHexColor(value));
    else CListUI::SetAttribute(name, value);
}

}  // namespace SkinUI
