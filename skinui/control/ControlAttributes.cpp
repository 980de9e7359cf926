// The value forms of skin attributes: rectangles, sizes, colours.
#include <cstdlib>

#include "skinui/control/Control.h"

namespace SkinUI {
namespace attr {
namespace {

// strtol semantics, then one character further for the next number.
long NextNumber(const char*& p) {
    if (!*p) return 0;
    char* end = nullptr;
    const long value = strtol(p, &end, 10);
    p = *end ? end + 1 : end;
    return value;
}

}  // namespace

RECT ParseRect(const char* value) {
    RECT rc = {0, 0, 0, 0};
    if (!value) return rc;
    const char* p = value;
    rc.left = NextNumber(p);
    rc.top = NextNumber(p);
    rc.right = NextNumber(p);
    rc.bottom = NextNumber(p);
    return rc;
}

SIZE ParseSize(const char* value) {
    SIZE size = {0, 0};
    if (!value) return size;
    const char* p = value;
    size.cx = NextNumber(p);
    size.cy = NextNumber(p);
    return size;
}

DWORD ParseColor(const char* value) {
    if (!value) return 0;
    while (*value > 0 && *value <= ' ') ++value;
    if (*value == '#') ++value;
    return static_cast<DWORD>(strtoul(value, nullptr, 16));
}

DWORD ParseHexColor(const char* value) {
    if (!value) return 0;
    if (*value == '#') ++value;
    return static_cast<DWORD>(strtoul(value, nullptr, 16));
}

}  // namespace attr
}  // namespace SkinUI
