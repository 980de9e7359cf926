// The msimg32 entry points the render engine draws with. Each is looked up on
// first use; tests replace them to take the paths of a system without them.
#pragma once

#include <windows.h>

namespace SkinUI {
namespace detail {

using AlphaBlendProc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
using GradientFillProc = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

struct RenderProcs {
    AlphaBlendProc bitmapBlend = nullptr;    // null until looked up
    AlphaBlendProc gradientBlend = nullptr;  // null until looked up
    GradientFillProc gradientFill = nullptr;
    bool gradientFillLookedUp = false;
};

RenderProcs& RenderFunctions();

}  // namespace detail
}  // namespace SkinUI
