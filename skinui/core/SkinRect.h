// CSkinRect and CSkinSize: RECT and SIZE with a few helpers, same layout.
#pragma once

#include <windows.h>

#include "skinui/core/SkinDefs.h"

namespace SkinUI {

class SKINUI_API CSkinRect : public RECT {
public:
    CSkinRect() : RECT{0, 0, 0, 0} {}
    CSkinRect(const RECT& rc) : RECT(rc) {}
    CSkinRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    void Join(const RECT& other);
    void MoveToOrigin() { Offset(-left, -top); }
    void Offset(int dx, int dy);
    void Deflate(int dx, int dy);
};

class SKINUI_API CSkinSize : public SIZE {
public:
    CSkinSize() : SIZE{0, 0} {}
    CSkinSize(int x, int y) : SIZE{x, y} {}
};

static_assert(sizeof(CSkinRect) == sizeof(RECT), "CSkinRect passes as a RECT");
static_assert(sizeof(CSkinSize) == sizeof(SIZE), "CSkinSize passes as a SIZE");

}  // namespace SkinUI
