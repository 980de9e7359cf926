// CSkinRender: the toolkit's stateless drawing functions (clips, colours,
// bitmaps and image descriptors, fills and gradients, outlines, plain and
// markup text) and the image decoder the image cache uses.
#pragma once

#include <windows.h>

#include "skinui/core/GdiHandles.h"
#include "skinui/core/SkinDefs.h"
#include "skinui/core/SkinResources.h"
#include "skinui/core/SkinString.h"

namespace SkinUI {

class CPaintManagerUI;

// A clip in force for its lifetime: destroying it selects the previous clip
// back into the DC.
class SKINUI_API CSkinClip {
public:
    CSkinClip() = default;
    ~CSkinClip();
    CSkinClip(const CSkinClip&) = delete;
    CSkinClip& operator=(const CSkinClip&) = delete;

    RECT rcItem = {0, 0, 0, 0};
    HDC hDC = nullptr;
    RegionHandle hRgn;     // the new clip region
    RegionHandle hOldRgn;  // the clip box that was in force
};

class SKINUI_API CSkinRender {
public:
    // Decodes an image from a file name (absolute, under the resource
    // location, or relative to the current folder) or, with a resource type,
    // from a module resource whose identifier is `name`. Null on failure.
    static TSkinImage* LoadSkinImage(const char* name, const char* type, DWORD mask);
    // The same from bytes in memory (for tests and callers that hold them).
    static TSkinImage* DecodeImage(const void* bytes, size_t size, DWORD mask);
    static void FreeSkinImage(TSkinImage* image);

    static void ClipToRect(HDC hDC, RECT rc, CSkinClip& clip);
    static void ClipToRoundRect(HDC hDC, RECT rc, RECT rcItem, int width, int height, CSkinClip& clip);
    static void UseOuterClip(HDC hDC, CSkinClip& clip);
    static void UseInnerClip(HDC hDC, CSkinClip& clip);

    static DWORD AdjustColor(DWORD color, short hue, short saturation, short lightness);
    static BOOL BlendFallback(HDC hDcDest, int xDest, int yDest, int wDest, int hDest, HDC hDcSrc,
                              int xSrc, int ySrc, int wSrc, int hSrc, BLENDFUNCTION blend);

    static void DrawBitmap(HDC hDC, HBITMAP hBitmap, const RECT& rc, const RECT& rcPaint,
                           const RECT& rcBmpPart, const RECT& rcCorners, bool alpha, BYTE fade = 255,
                           bool hole = false, bool xtiled = false, bool ytiled = false);
    static bool DrawNamedImage(HDC hDC, CPaintManagerUI* manager, const RECT& rcItem,
                               const RECT& rcPaint, const char* name, const char* type,
                               RECT rcDest, RECT rcSource, RECT rcCorners, DWORD mask, BYTE fade,
                               bool hole, bool xtiled, bool ytiled);
    static bool DrawImageDescriptor(HDC hDC, CPaintManagerUI* manager, const RECT& rcItem,
                                    const RECT& rcPaint, const char* descriptor,
                                    const char* modifier = nullptr);

    static void DrawColor(HDC hDC, const RECT& rc, DWORD color);
    static void DrawGradient(HDC hDC, const RECT& rc, DWORD first, DWORD second, bool vertical,
                             int steps);
    static void DrawLine(HDC hDC, const RECT& rc, int size, DWORD color, int style = PS_SOLID);
    static void DrawRect(HDC hDC, const RECT& rc, int size, DWORD color);
    static void DrawRoundRect(HDC hDC, const RECT& rc, int size, int width, int height, DWORD color);

    static void DrawPlainText(HDC hDC, CPaintManagerUI* manager, RECT& rc, const char* text,
                              DWORD color, int font, UINT style);
    static void DrawMarkupText(HDC hDC, CPaintManagerUI* manager, RECT& rc, const char* text,
                               DWORD color, RECT* links, CSkinString* linkTexts, int& linkCount,
                               UINT style);
};

}  // namespace SkinUI
