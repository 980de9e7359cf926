// The control classes a skin names by element: "Button" makes a CButtonUI.
#pragma once

namespace SkinUI {

class CControlUI;

namespace detail {
// A new control for a built-in element name (exact, case-sensitive), or null.
CControlUI* CreateBuiltInControl(const char* elementName);
}  // namespace detail

}  // namespace SkinUI
