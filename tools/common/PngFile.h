// Saving captured window pixels as PNG files, for the tools.
#pragma once

#include <windows.h>

namespace tools {

// Copies `source` (a screen or window DC) over `rect` into a top-down DIB and
// writes it as an opaque PNG. False when nothing could be captured or written.
bool SaveDcAreaAsPng(HDC source, const RECT& rect, const char* path);

// Renders a window's client area through WM_PRINTCLIENT into a PNG.
bool SaveClientAsPng(HWND hwnd, const char* path);

}  // namespace tools
