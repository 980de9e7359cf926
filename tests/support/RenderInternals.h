// Drawing as on a system without msimg32's AlphaBlend and GradientFill.
#pragma once

#include <windows.h>

#include "skinui/render/RenderProcs.h"
#include "skinui/render/SkinRender.h"

namespace testsupport {

// BlendFallback in AlphaBlend's calling convention.
inline BOOL WINAPI BlendFallbackProc(HDC hDcDest, int xDest, int yDest, int wDest, int hDest, HDC hDcSrc, int xSrc,
                                     int ySrc, int wSrc, int hSrc, BLENDFUNCTION blend) {
    return SkinUI::CSkinRender::BlendFallback(hDcDest, xDest, yDest, wDest, hDest, hDcSrc, xSrc, ySrc, wSrc, hSrc,
                                              blend);
}

// For its lifetime, drawing runs as on a system without msimg32's functions.
class WithoutMsimg32 {
public:
    WithoutMsimg32() : m_saved(SkinUI::detail::RenderFunctions()) {
        auto& procs = SkinUI::detail::RenderFunctions();
        procs.bitmapBlend = &BlendFallbackProc;
        procs.gradientBlend = &BlendFallbackProc;
        procs.gradientFill = nullptr;
        procs.gradientFillLookedUp = true;
    }
    ~WithoutMsimg32() { SkinUI::detail::RenderFunctions() = m_saved; }
    WithoutMsimg32(const WithoutMsimg32&) = delete;
    WithoutMsimg32& operator=(const WithoutMsimg32&) = delete;

private:
    SkinUI::detail::RenderProcs m_saved;
};

}  // namespace testsupport
