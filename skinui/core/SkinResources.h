// Loaded image and font records, and the kinds of skin source.
#pragma once

#include <windows.h>

#include "skinui/core/GdiHandles.h"
#include "skinui/core/SkinString.h"

namespace SkinUI {

enum UILIB_RESOURCETYPE {
    SkinFromFolder = 1,
    SkinFromZipFile = 2,
    SkinFromResource = 3,
    SkinFromZipResource = 4,
};

// A decoded image: a 32-bit top-down DIB section of premultiplied B, G, R, A.
struct TSkinImage {
    BitmapHandle hBitmap;
    int nWidth = 0;
    int nHeight = 0;
    bool bAlpha = false;
    CSkinString sResType;
    DWORD dwMask = 0;
};

struct TSkinFont {
    FontHandle hFont;
    CSkinString sFontName;
    int iSize = 0;
    bool bBold = false;
    bool bUnderline = false;
    bool bItalic = false;
    TEXTMETRICA tm = {};  // zero height: not measured yet
};

}  // namespace SkinUI
