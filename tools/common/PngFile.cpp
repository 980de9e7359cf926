// Window pixels to PNG through stb_image_write.
#include "tools/common/PngFile.h"

#include <vector>

#include "skinui/core/GdiHandles.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace tools {
namespace {

using namespace SkinUI;

// Fills a fresh DIB through `draw` and writes it out.
template <typename Draw>
bool SaveDrawnPng(int width, int height, const char* path, Draw draw) {
    if (width <= 0 || height <= 0) return false;
    void* bits = nullptr;
    BitmapHandle bitmap = CreateTopDownDib(nullptr, width, height, &bits);
    MemoryDc dc(CreateCompatibleDC(nullptr));
    if (!bitmap || !dc) return false;
    const size_t pixels = static_cast<size_t>(width) * height;
    std::vector<unsigned char> rgba(pixels * 4);
    {
        SelectGuard select(dc.get(), bitmap.get());
        draw(dc.get());
        GdiFlush();
        const auto* bgra = static_cast<const unsigned char*>(bits);
        for (size_t i = 0; i < pixels; ++i) {
            rgba[4 * i] = bgra[4 * i + 2];
            rgba[4 * i + 1] = bgra[4 * i + 1];
            rgba[4 * i + 2] = bgra[4 * i];
            rgba[4 * i + 3] = 255;
        }
    }
    return stbi_write_png(path, width, height, 4, rgba.data(), width * 4) != 0;
}

}  // namespace

bool SaveDcAreaAsPng(HDC source, const RECT& rect, const char* path) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    return SaveDrawnPng(width, height, path, [&](HDC target) {
        BitBlt(target, 0, 0, width, height, source, rect.left, rect.top, SRCCOPY);
    });
}

bool SaveClientAsPng(HWND hwnd, const char* path) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    return SaveDrawnPng(rc.right, rc.bottom, path, [&](HDC target) {
        SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target), PRF_CLIENT);
    });
}

}  // namespace tools
