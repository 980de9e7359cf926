// The "item..." attributes that a list and a combo share: both keep the look
// of their items in one appearance record.
#pragma once

#include "skinui/control/ListInterfaces.h"

namespace SkinUI {

// What an item attribute changed, so that the owner can follow it with its
// own setter (some lay out again, some only repaint).
enum class ItemAttribute { Unknown, Look, Font, TextStyle, TextPadding };

// Stores one item attribute in `info`; Unknown for any other name.
ItemAttribute ParseItemAttribute(TListInfoUI& info, const char* name, const char* value);

// Stores one item attribute and follows it with the owner's setter, as the
// owner's own attribute would; false for any other name.
template <typename Owner>
bool ApplyItemAttribute(Owner& owner, TListInfoUI& info, const char* name, const char* value) {
    switch (ParseItemAttribute(info, name, value)) {
        case ItemAttribute::Unknown: return false;
        case ItemAttribute::Look: break;
        case ItemAttribute::Font: owner.SetItemFont(info.nFont); break;
        case ItemAttribute::TextStyle: owner.SetItemTextStyle(info.uTextStyle); break;
        case ItemAttribute::TextPadding: owner.SetItemTextPadding(info.rcTextPadding); break;
    }
    return true;
}

}  // namespace SkinUI
