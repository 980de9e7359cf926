// The item attributes of lists and combos.
#include "skinui/control/ListItemAttributes.h"

#include <cstdlib>
#include <cstring>

#include "skinui/control/Control.h"

namespace SkinUI {

namespace {

UINT AlignedStyle(UINT style, const char* value) {
    if (strstr(value, "left")) style = (style & ~(DT_CENTER | DT_RIGHT)) | DT_LEFT;
    if (strstr(value, "center")) style = (style & ~(DT_LEFT | DT_RIGHT)) | DT_CENTER;
    if (strstr(value, "right")) style = (style & ~(DT_LEFT | DT_CENTER)) | DT_RIGHT;
    return style;
}

}  // namespace

ItemAttribute ParseItemAttribute(TListInfoUI& info, const char* name, const char* value) {
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    if (is("itemfont")) {
        info.nFont = atoi(value);
        return ItemAttribute::Font;
    }
    if (is("itemalign")) {
        info.uTextStyle = AlignedStyle(info.uTextStyle, value);
        return ItemAttribute::TextStyle;
    }
    if (is("itemtextpadding")) {
        info.rcTextPadding = attr::ParseRect(value);
        return ItemAttribute::TextPadding;
    }
    if (is("itemtextcolor")) info.dwTextColor = attr::ParseHexColor(value);
    else if (is("itembkcolor")) info.dwBkColor = attr::ParseHexColor(value);
    else if (is("itembkimage")) info.sBkImage = value;
    else if (is("itemaltbk")) info.bAlternateBk = attr::ParseBool(value);
    else if (is("itemselectedtextcolor")) info.dwSelectedTextColor = attr::ParseHexColor(value);
    else if (is("itemselectedbkcolor")) info.dwSelectedBkColor = attr::ParseHexColor(value);
    else if (is("itemselectedimage")) info.sSelectedImage = value;
    else if (is("itemhottextcolor")) info.dwHotTextColor = attr::ParseHexColor(value);
    else if (is("itemhotbkcolor")) info.dwHotBkColor = attr::ParseHexColor(value);
    else if (is("itemhotimage")) info.sHotImage = value;
    else if (is("itemdisabledtextcolor")) info.dwDisabledTextColor = attr::ParseHexColor(value);
    else if (is("itemdisabledbkcolor")) info.dwDisabledBkColor = attr::ParseHexColor(value);
    else if (is("itemdisabledimage")) info.sDisabledImage = value;
    else if (is("itemlinecolor")) info.dwLineColor = attr::ParseHexColor(value);
    else if (is("itemshowhtml")) info.bShowHtml = attr::ParseBool(value);
    else return ItemAttribute::Unknown;
    return ItemAttribute::Look;
}

}  // namespace SkinUI
