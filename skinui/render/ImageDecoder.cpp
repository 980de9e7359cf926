// Image loading for the image cache: the bytes from a resource, a file or the
// resource location, decoded by stb_image into a premultiplied top-down DIB.
#include <climits>
#include <cstring>
#include <vector>

#include "skinui/core/PaintManager.h"
#include "skinui/core/ResourceReader.h"
#include "skinui/render/SkinRender.h"

// Decoding never trusts stated sizes: stb refuses larger sides itself, and
// the total is checked before any pixel memory is asked for.
#define STBI_MAX_DIMENSIONS 16384
#define STBI_NO_STDIO
#define STBI_FAILURE_USERMSG
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

namespace SkinUI {
namespace {

constexpr size_t kMaxImageFileBytes = 64u << 20;
constexpr long long kMaxImagePixels = 16ll << 20;  // 64 MiB of 32-bit pixels

bool IsAbsolutePath(const char* name) {
    const char c = name[0];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return letter && name[1] == ':' && name[2] == '\\';
}

bool ReadResource(const char* id, const char* type, std::vector<char>& out) {
    HMODULE module = CPaintManagerUI::Instance();
    HRSRC resource = FindResourceA(module, id, type);
    if (!resource) return false;
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data || size == 0) return false;
    const char* bytes = static_cast<const char*>(data);
    out.assign(bytes, bytes + size);
    return true;
}

bool ReadImageBytes(const char* name, const char* type, std::vector<char>& out) {
    using detail::ReadResult;
    if (type) return ReadResource(name, type, out);
    if (IsAbsolutePath(name) &&
        detail::ReadWholeFile(name, kMaxImageFileBytes, out) == ReadResult::Ok)
        return true;
    if (detail::ReadFromResourceLocation(name, kMaxImageFileBytes, out) == ReadResult::Ok) return true;
    return detail::ReadWholeFile(name, kMaxImageFileBytes, out) == ReadResult::Ok;
}

}  // namespace

TSkinImage* CSkinRender::DecodeImage(const void* bytes, size_t size, DWORD mask) {
    if (!bytes || size == 0 || size > static_cast<size_t>(INT_MAX)) return nullptr;
    const auto* in = static_cast<const stbi_uc*>(bytes);
    const int length = static_cast<int>(size);

    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(in, length, &width, &height, &channels)) return nullptr;
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxImagePixels)
        return nullptr;

    stbi_uc* pixels = stbi_load_from_memory(in, length, &width, &height, &channels, 4);
    if (!pixels) return nullptr;
    struct PixelsFree {
        stbi_uc* p;
        ~PixelsFree() { stbi_image_free(p); }
    } freePixels{pixels};
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxImagePixels)
        return nullptr;

    void* bits = nullptr;
    BitmapHandle bitmap = CreateTopDownDib(nullptr, width, height, &bits);
    if (!bitmap || !bits) return nullptr;

    bool alpha = false;
    auto* out = static_cast<BYTE*>(bits);
    const size_t count = static_cast<size_t>(width) * height;
    for (size_t i = 0; i < count; ++i) {
        const stbi_uc* px = pixels + 4 * i;
        BYTE* o = out + 4 * i;
        const BYTE a = px[3];
        if (a < 255) {
            o[0] = static_cast<BYTE>(px[2] * a / 255);
            o[1] = static_cast<BYTE>(px[1] * a / 255);
            o[2] = static_cast<BYTE>(px[0] * a / 255);
            alpha = true;
        } else {
            o[0] = px[2];
            o[1] = px[1];
            o[2] = px[0];
        }
        o[3] = a;
        DWORD value = 0;
        memcpy(&value, o, 4);
        if (value == mask) {
            memset(o, 0, 4);
            alpha = true;
        }
    }

    auto* image = new TSkinImage;
    image->hBitmap = std::move(bitmap);
    image->nWidth = width;
    image->nHeight = height;
    image->bAlpha = alpha;
    return image;
}

TSkinImage* CSkinRender::LoadSkinImage(const char* name, const char* type, DWORD mask) {
    if (!name) return nullptr;
    if (!IS_INTRESOURCE(name) && !*name) return nullptr;
    if (IS_INTRESOURCE(name) && !type) return nullptr;
    std::vector<char> bytes;
    if (!ReadImageBytes(name, type, bytes)) return nullptr;
    return DecodeImage(bytes.data(), bytes.size(), mask);
}

void CSkinRender::FreeSkinImage(TSkinImage* image) {
    delete image;
}

}  // namespace SkinUI
