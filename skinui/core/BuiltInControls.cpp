// The element table of the skin builder.
#include "skinui/core/BuiltInControls.h"

#include <cstring>

#include "skinui/control/ActiveX.h"
#include "skinui/control/Button.h"
#include "skinui/control/CheckBox.h"
#include "skinui/control/ChildLayout.h"
#include "skinui/control/Container.h"
#include "skinui/control/Control.h"
#include "skinui/control/DateTime.h"
#include "skinui/control/Combo.h"
#include "skinui/control/ComboBox.h"
#include "skinui/control/Edit.h"
#include "skinui/control/GifAnim.h"
#include "skinui/control/HorizontalLayout.h"
#include "skinui/control/Label.h"
#include "skinui/control/List.h"
#include "skinui/control/ListContainerElement.h"
#include "skinui/control/ListHeader.h"
#include "skinui/control/ListHeaderItem.h"
#include "skinui/control/ListLabelElement.h"
#include "skinui/control/ListTextElement.h"
#include "skinui/control/Option.h"
#include "skinui/control/Progress.h"
#include "skinui/control/RichEdit.h"
#include "skinui/control/ScrollBar.h"
#include "skinui/control/Slider.h"
#include "skinui/control/TabLayout.h"
#include "skinui/control/Text.h"
#include "skinui/control/TileLayout.h"
#include "skinui/control/TreeNode.h"
#include "skinui/control/TreeView.h"
#include "skinui/control/VerticalLayout.h"
#include "skinui/control/WebBrowser.h"

namespace SkinUI {
namespace detail {
namespace {

template <typename T>
CControlUI* Make() {
    return new T;
}

struct Entry {
    const char* element;
    CControlUI* (*create)();
};

constexpr Entry kBuiltIns[] = {
    {"Control", &Make<CControlUI>},
    {"Container", &Make<CContainerUI>},
    {"VerticalLayout", &Make<CVerticalLayoutUI>},
    {"HorizontalLayout", &Make<CHorizontalLayoutUI>},
    {"TileLayout", &Make<CTileLayoutUI>},
    {"TabLayout", &Make<CTabLayoutUI>},
    {"ChildLayout", &Make<CChildLayoutUI>},
    {"ScrollBar", &Make<CScrollBarUI>},
    {"Label", &Make<CLabelUI>},
    {"Text", &Make<CTextUI>},
    {"Button", &Make<CButtonUI>},
    {"Option", &Make<COptionUI>},
    {"CheckBox", &Make<CCheckBoxUI>},
    {"Progress", &Make<CProgressUI>},
    {"Slider", &Make<CSliderUI>},
    {"List", &Make<CListUI>},
    {"ListHeader", &Make<CListHeaderUI>},
    {"ListHeaderItem", &Make<CListHeaderItemUI>},
    {"ListTextElement", &Make<CListTextElementUI>},
    {"ListLabelElement", &Make<CListLabelElementUI>},
    {"ListContainerElement", &Make<CListContainerElementUI>},
    {"TreeView", &Make<CTreeViewUI>},
    {"TreeNode", &Make<CTreeNodeUI>},
    {"GifAnim", &Make<CGifAnimUI>},
    {"Combo", &Make<CComboUI>},
    {"ComboBox", &Make<CComboBoxUI>},
    {"Edit", &Make<CEditUI>},
    {"DateTime", &Make<CDateTimeUI>},
    {"RichEdit", &Make<CRichEditUI>},
    {"ActiveX", &Make<CActiveXUI>},
    {"WebBrowser", &Make<CWebBrowserUI>},
};

}  // namespace

CControlUI* CreateBuiltInControl(const char* elementName) {
    if (!elementName) return nullptr;
    for (const Entry& entry : kBuiltIns) {
        if (strcmp(entry.element, elementName) == 0) return entry.create();
    }
    return nullptr;
}

}  // namespace detail
}  // namespace SkinUI
