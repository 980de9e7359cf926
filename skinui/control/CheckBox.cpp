// CCheckBoxUI: everything but the type name is the option's.
#include "skinui/control/CheckBox.h"

namespace SkinUI {

const char* CCheckBoxUI::GetTypeName() const { return "CheckBoxUI"; }

}  // namespace SkinUI
