// CSkinBuilder: window resources and attributes from the root, then one
// control per element, children first, defaults before own attributes.
#include "skinui/core/SkinBuilder.h"

#include <cstdlib>
#include <cstring>

#include "skinui/control/Container.h"
#include "skinui/control/Control.h"
#include "skinui/control/HorizontalLayout.h"
#include "skinui/control/TreeNode.h"
#include "skinui/control/TreeView.h"
#include "skinui/core/BuiltInControls.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {
namespace {

constexpr int kIncludeValueSize = 500;

bool Is(const char* a, const char* b) {
    return a && strcmp(a, b) == 0;
}

// Decimal numbers, each read from just after the previous one.
void ReadPair(const char* value, long& first, long& second) {
    char* end = nullptr;
    first = strtol(value, &end, 10);
    second = *end ? strtol(end + 1, nullptr, 10) : 0;
}

RECT ReadRect(const char* value) {
    return attr::ParseRect(value);
}

DWORD ReadColor(const char* value) {
    if (*value == '#') ++value;
    return static_cast<DWORD>(strtoul(value, nullptr, 16));
}

void ApplyWindowAttribute(CPaintManagerUI* manager, const char* name, const char* value) {
    long cx = 0, cy = 0;
    if (Is(name, "size")) {
        ReadPair(value, cx, cy);
        manager->SetStartSize(cx, cy);
    } else if (Is(name, "sizebox")) {
        manager->SetResizeBorders(ReadRect(value));
    } else if (Is(name, "caption")) {
        manager->SetCaptionArea(ReadRect(value));
    } else if (Is(name, "roundcorner")) {
        ReadPair(value, cx, cy);
        manager->SetCornerSize(cx, cy);
    } else if (Is(name, "mininfo")) {
        ReadPair(value, cx, cy);
        const SIZE current = manager->MinTrackSize();
        manager->SetMinTrackSize(cx > 0 ? cx : current.cx, cy > 0 ? cy : current.cy);
    } else if (Is(name, "maxinfo")) {
        ReadPair(value, cx, cy);
        const SIZE current = manager->MaxTrackSize();
        manager->SetMaxTrackSize(cx > 0 ? cx : current.cx, cy > 0 ? cy : current.cy);
    } else if (Is(name, "showdirty")) {
        manager->SetShowDirty(attr::ParseBool(value));
    } else if (Is(name, "alpha")) {
        manager->SetWindowAlpha(atoi(value));
    } else if (Is(name, "bktrans")) {
        manager->SetLayeredBackground(attr::ParseBool(value));
    } else if (Is(name, "disabledfontcolor")) {
        manager->SetDefaultDisabledColor(ReadColor(value));
    } else if (Is(name, "defaultfontcolor")) {
        manager->SetDefaultFontColor(ReadColor(value));
    } else if (Is(name, "linkfontcolor")) {
        manager->SetDefaultLinkFontColor(ReadColor(value));
    } else if (Is(name, "linkhoverfontcolor")) {
        manager->SetDefaultLinkHoverFontColor(ReadColor(value));
    } else if (Is(name, "selectedcolor")) {
        manager->SetDefaultSelectedBkColor(ReadColor(value));
    }
}

}  // namespace

CControlUI* CSkinBuilder::Build(const char* source, const char* type, IDialogBuilderCallback* callback,
                                CPaintManagerUI* manager, CControlUI* parent) {
    if (!source) return nullptr;
    if (IS_INTRESOURCE(source)) {
        HINSTANCE instance = CPaintManagerUI::Instance();
        if (!instance) instance = GetModuleHandleA(nullptr);
        HRSRC resource = FindResourceA(instance, source, type);
        if (!resource) return nullptr;
        HGLOBAL loaded = LoadResource(instance, resource);
        const void* data = loaded ? LockResource(loaded) : nullptr;
        if (!data) return nullptr;
        if (!m_xml.LoadBytes(data, SizeofResource(instance, resource), CSkinMarkup::kUtf8)) return nullptr;
        m_pstrType = type;
    } else if (*source == '<') {
        if (!m_xml.LoadText(source)) return nullptr;
    } else if (!m_xml.LoadSkinFile(source, CSkinMarkup::kUtf8)) {
        return nullptr;
    }
    return BuildLoaded(callback, manager, parent);
}

CControlUI* CSkinBuilder::BuildLoaded(IDialogBuilderCallback* callback, CPaintManagerUI* manager,
                                      CControlUI* parent) {
    m_pCallback = callback;
    CSkinMarkupNode root = m_xml.Root();
    if (!root.Exists()) return nullptr;
    if (manager) RegisterResources(root, manager);
    return ParseLevel(root, parent, manager);
}

void CSkinBuilder::RegisterResources(CSkinMarkupNode root, CPaintManagerUI* manager) {
    for (CSkinMarkupNode node = root.FirstChild(); node.Exists(); node = node.NextSibling()) {
        const char* element = node.Name();
        if (Is(element, "Image")) {
            const char* name = nullptr;
            const char* type = nullptr;
            DWORD mask = 0;
            for (int i = 0; i < node.AttributeCount(); ++i) {
                const char* attribute = node.AttributeName(i);
                const char* value = node.AttributeValue(i);
                if (Is(attribute, "name")) name = value;
                else if (Is(attribute, "restype")) type = value;
                else if (Is(attribute, "mask")) mask = ReadColor(value);
            }
            if (name) manager->RegisterImage(name, type, mask);
        } else if (Is(element, "Font")) {
            const char* face = nullptr;
            int size = 12;
            bool bold = false, underline = false, italic = false, makeDefault = false;
            for (int i = 0; i < node.AttributeCount(); ++i) {
                const char* attribute = node.AttributeName(i);
                const char* value = node.AttributeValue(i);
                if (Is(attribute, "name")) face = value;
                else if (Is(attribute, "size")) size = static_cast<int>(strtol(value, nullptr, 10));
                else if (Is(attribute, "bold")) bold = attr::ParseBool(value);
                else if (Is(attribute, "underline")) underline = attr::ParseBool(value);
                else if (Is(attribute, "italic")) italic = attr::ParseBool(value);
                else if (Is(attribute, "default")) makeDefault = attr::ParseBool(value);
            }
            if (face) {
                manager->RegisterFont(face, size, bold, underline, italic);
                if (makeDefault) manager->SetBaseFont(face, size, bold, underline, italic);
            }
        } else if (Is(element, "Default")) {
            const char* name = nullptr;
            const char* value = nullptr;
            for (int i = 0; i < node.AttributeCount(); ++i) {
                if (Is(node.AttributeName(i), "name")) name = node.AttributeValue(i);
                else if (Is(node.AttributeName(i), "value")) value = node.AttributeValue(i);
            }
            if (name) manager->AddClassDefaults(name, value ? value : "");
        }
    }
    if (Is(root.Name(), "Window") && manager->PaintWindow()) {
        for (int i = 0; i < root.AttributeCount(); ++i)
            ApplyWindowAttribute(manager, root.AttributeName(i), root.AttributeValue(i));
    }
}

void CSkinBuilder::BuildInclude(CSkinMarkupNode node, CControlUI* parent, CPaintManagerUI* manager) {
    if (!node.HasAnyAttribute()) return;
    char count[kIncludeValueSize] = {};
    char source[kIncludeValueSize] = {};
    const int copies = node.FindAttribute("count", count, sizeof(count) - 1) ? atoi(count) : 1;
    if (!node.FindAttribute("source", source, sizeof(source) - 1)) return;
    // A skin that includes itself, or asks for absurd counts, stops here.
    if (m_nIncludeDepth >= kMaxIncludeDepth) return;
    const int bounded = copies > kMaxIncludeCount ? kMaxIncludeCount : copies;
    for (int i = 0; i < bounded && *m_pIncludeBudget > 0; ++i) {
        --*m_pIncludeBudget;
        CSkinBuilder include;
        include.m_nIncludeDepth = m_nIncludeDepth + 1;
        include.m_nControlDepth = m_nControlDepth - 1;  // its top level joins this one
        include.m_pIncludeBudget = m_pIncludeBudget;
        if (m_pstrType) {
            const unsigned id = static_cast<unsigned>(strtoul(source, nullptr, 10)) & 0xFFFF;
            include.Build(MAKEINTRESOURCEA(id), m_pstrType, m_pCallback, manager, parent);
        } else {
            include.Build(source, nullptr, m_pCallback, manager, parent);
        }
    }
}

bool CSkinBuilder::BuildTreeNode(CSkinMarkupNode node, CControlUI* parent, CPaintManagerUI* manager) {
    auto* treeNode = new CTreeNodeUI;
    auto* parentNode = parent ? static_cast<CTreeNodeUI*>(parent->AsInterface("TreeNode")) : nullptr;
    if (parentNode && !parentNode->AddChildNode(treeNode)) {
        delete treeNode;
        return true;
    }
    if (manager) {
        treeNode->SetManager(manager, nullptr, false);
        if (const char* defaults = manager->ClassDefaults("TreeNode")) treeNode->ApplyAttributes(defaults);
    }
    for (int i = 0; i < node.AttributeCount(); ++i) treeNode->SetAttribute(node.AttributeName(i), node.AttributeValue(i));
    if (node.HasChild()) ParseLevel(node, treeNode, manager);
    if (parentNode) return true;
    auto* view = parent ? static_cast<CTreeViewUI*>(parent->AsInterface("TreeView")) : nullptr;
    if (!view) {
        // A node outside any tree has nowhere to go, and ends the level.
        delete treeNode;
        return false;
    }
    if (!view->Add(treeNode)) delete treeNode;
    return true;
}

CControlUI* CSkinBuilder::ParseLevel(CSkinMarkupNode node, CControlUI* parent, CPaintManagerUI* manager) {
    if (m_nControlDepth >= kMaxControlDepth) return nullptr;
    struct LevelGuard {
        int& depth;
        explicit LevelGuard(int& d) : depth(d) { ++depth; }
        ~LevelGuard() { --depth; }
    } level(m_nControlDepth);
    IContainerUI* container = nullptr;
    bool containerAsked = false;
    CControlUI* first = nullptr;
    for (CSkinMarkupNode child = node.FirstChild(); child.Exists(); child = child.NextSibling()) {
        const char* element = child.Name();
        if (Is(element, "Image") || Is(element, "Font") || Is(element, "Default")) continue;
        if (Is(element, "Include")) {
            BuildInclude(child, parent, manager);
            continue;
        }
        if (Is(element, "TreeNode")) {
            if (!BuildTreeNode(child, parent, manager)) return nullptr;
            continue;
        }

        CControlUI* control = detail::CreateBuiltInControl(element);
        if (!control && m_pCallback) control = m_pCallback->CreateControl(element);
        if (!control) continue;

        if (child.HasChild()) ParseLevel(child, control, manager);

        if (parent) {
            if (!containerAsked) {
                // Controls inside a node join its row, beside its own parts.
                auto* treeNode = static_cast<CTreeNodeUI*>(parent->AsInterface("TreeNode"));
                container = treeNode ? static_cast<IContainerUI*>(treeNode->GetTreeNodeHoriz())
                                     : static_cast<IContainerUI*>(parent->AsInterface("IContainer"));
                containerAsked = true;
            }
            if (!container) {
                delete control;
                return nullptr;
            }
            if (!container->Add(control)) {
                delete control;
                continue;
            }
        }

        if (manager) {
            control->SetManager(manager, nullptr, false);
            if (const char* defaults = manager->ClassDefaults(element)) control->ApplyAttributes(defaults);
        }
        for (int i = 0; i < child.AttributeCount(); ++i)
            control->SetAttribute(child.AttributeName(i), child.AttributeValue(i));
        if (manager) control->SetManager(nullptr, nullptr, false);

        if (!first) first = control;
    }
    return first;
}

}  // namespace SkinUI
