// CSkinRect helpers.
#include "skinui/core/SkinRect.h"

namespace SkinUI {

void CSkinRect::Join(const RECT& other) {
    if (other.left < left) left = other.left;
    if (other.top < top) top = other.top;
    if (other.right > right) right = other.right;
    if (other.bottom > bottom) bottom = other.bottom;
}

void CSkinRect::Offset(int dx, int dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
}

void CSkinRect::Deflate(int dx, int dy) {
    left += dx;
    right -= dx;
    top += dy;
    bottom -= dy;
}

}  // namespace SkinUI
