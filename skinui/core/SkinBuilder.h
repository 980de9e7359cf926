// CSkinBuilder turns one skin document into a tree of controls, registering
// the window-wide resources it declares with the paint manager.
#pragma once

#include "skinui/core/Markup.h"
#include "skinui/core/SkinDefs.h"

namespace SkinUI {

class CControlUI;
class CPaintManagerUI;

// Asked for element names the toolkit does not know.
class IDialogBuilderCallback {
public:
    virtual CControlUI* CreateControl(const char* className) = 0;

protected:
    ~IDialogBuilderCallback() = default;
};

class SKINUI_API CSkinBuilder {
public:
    // Includes nest at most this deep, and one "Include" builds at most this
    // many copies: a skin that includes itself still builds the rest.
    static constexpr int kMaxIncludeDepth = 16;
    static constexpr int kMaxIncludeCount = 1000;
    // Includes built in all for one top-level document.
    static constexpr int kMaxIncludesPerBuild = 10000;
    // Controls nest at most this deep, includes counted in: deeper levels are
    // skipped, as the layout, painting and freeing of a tree recurse.
    static constexpr int kMaxControlDepth = 1000;

    CSkinBuilder() = default;
    CSkinBuilder(const CSkinBuilder&) = delete;
    CSkinBuilder& operator=(const CSkinBuilder&) = delete;

    // `source`: a resource identifier (MAKEINTRESOURCE, with `type`), markup
    // text starting with '<', or a skin file name. Returns the first control
    // of the top level, or null.
    CControlUI* Build(const char* source, const char* type = nullptr,
                      IDialogBuilderCallback* callback = nullptr, CPaintManagerUI* manager = nullptr,
                      CControlUI* parent = nullptr);
    CControlUI* BuildLoaded(IDialogBuilderCallback* callback, CPaintManagerUI* manager,
                            CControlUI* parent);
    CSkinMarkup& Markup() { return m_xml; }

private:
    CControlUI* ParseLevel(CSkinMarkupNode node, CControlUI* parent, CPaintManagerUI* manager);
    void RegisterResources(CSkinMarkupNode root, CPaintManagerUI* manager);
    void BuildInclude(CSkinMarkupNode node, CControlUI* parent, CPaintManagerUI* manager);
    bool BuildTreeNode(CSkinMarkupNode node, CControlUI* parent, CPaintManagerUI* manager);

    CSkinMarkup m_xml;
    IDialogBuilderCallback* m_pCallback = nullptr;
    const char* m_pstrType = nullptr;
    int m_nIncludeDepth = 0;  // of this builder's document among nested includes
    int m_nControlDepth = 0;  // levels open above the one being built, includes counted in
    int m_nOwnBudget = kMaxIncludesPerBuild;
    int* m_pIncludeBudget = &m_nOwnBudget;  // shared with the builders of includes
};

}  // namespace SkinUI
