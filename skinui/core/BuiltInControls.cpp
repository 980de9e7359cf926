// The element table of the skin builder.
#include "skinui/core/BuiltInControls.h"

#include <cstring>

#include "skinui/control/Container.h"
#include "skinui/control/Control.h"
#include "skinui/control/ScrollBar.h"

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
    {"ScrollBar", &Make<CScrollBarUI>},
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
