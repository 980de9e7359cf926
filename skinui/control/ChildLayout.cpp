// CChildLayoutUI: builds its content from "xmlfile" when initialised.
#include "skinui/control/ChildLayout.h"

#include <cstring>

#include "skinui/core/SkinBuilder.h"

namespace SkinUI {

CChildLayoutUI::CChildLayoutUI() = default;

const char* CChildLayoutUI::GetTypeName() const { return "ChildLayoutUI"; }

void* CChildLayoutUI::AsInterface(const char* name) {
    // Its content comes from its file only, so it offers no child list.
    if (name && strcmp(name, "ChildLayout") == 0) return static_cast<CChildLayoutUI*>(this);
    return CControlUI::AsInterface(name);
}

void CChildLayoutUI::InitSelf() {
    if (m_sXmlFile.IsEmpty()) return;
    CSkinBuilder builder;
    CControlUI* root = builder.Build(m_sXmlFile, nullptr, nullptr, m_pManager, nullptr);
    if (root) Add(root);
    else RemoveAll();
}

void CChildLayoutUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    if (strcmp(name, "xmlfile") == 0) SetXmlFile(value);
    else CContainerUI::SetAttribute(name, value);
}

}  // namespace SkinUI
