// GDI+ encoders for test images, through an in-memory stream.
#include "tests/support/ImageFiles.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <wrl/client.h>

#include <algorithm>
#include <cstdint>

namespace testsupport {
namespace {

using Microsoft::WRL::ComPtr;

class GdiplusSession {
public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
    }
    ~GdiplusSession() { Gdiplus::GdiplusShutdown(m_token); }

private:
    ULONG_PTR m_token = 0;
};

bool EncoderFor(const std::wstring& mime, CLSID& clsid) {
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    if (size == 0) return false;
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, size, encoders);
    for (UINT i = 0; i < count; ++i) {
        if (mime == encoders[i].MimeType) {
            clsid = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

namespace {

void Put16(std::string& out, int value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

// LZW codes of 9 bits with a clear code often enough that the code size
// never grows: valid, if not small.
std::string LzwLiterals(const std::vector<uint8_t>& indices) {
    constexpr int kClear = 256, kEnd = 257;
    std::string packed;
    uint32_t bits = 0;
    int count = 0;
    auto emit = [&](int code) {
        bits |= static_cast<uint32_t>(code) << count;
        count += 9;
        while (count >= 8) {
            packed += static_cast<char>(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    };
    emit(kClear);
    int sinceClear = 0;
    for (uint8_t index : indices) {
        if (sinceClear == 250) {
            emit(kClear);
            sinceClear = 0;
        }
        emit(index);
        ++sinceClear;
    }
    emit(kEnd);
    if (count > 0) packed += static_cast<char>(bits & 0xFF);
    std::string blocks;
    for (size_t at = 0; at < packed.size(); at += 255) {
        const size_t n = std::min<size_t>(255, packed.size() - at);
        blocks += static_cast<char>(n);
        blocks += packed.substr(at, n);
    }
    return blocks + '\0';
}

}  // namespace

std::string EncodeGif(int width, int height, const std::vector<std::vector<uint32_t>>& frames,
                      const std::vector<int>& delays) {
    // One palette for all frames; index 255 is transparent.
    std::vector<uint32_t> palette;
    auto indexOf = [&](uint32_t argb) -> uint8_t {
        if ((argb >> 24) < 128) return 255;
        const uint32_t rgb = argb & 0xFFFFFF;
        for (size_t i = 0; i < palette.size(); ++i)
            if (palette[i] == rgb) return static_cast<uint8_t>(i);
        if (palette.size() < 255) palette.push_back(rgb);
        return static_cast<uint8_t>(palette.size() - 1);
    };
    std::vector<std::vector<uint8_t>> indexed;
    for (const auto& frame : frames) {
        std::vector<uint8_t> indices;
        for (uint32_t argb : frame) indices.push_back(indexOf(argb));
        indexed.push_back(indices);
    }
    palette.resize(256, 0);

    std::string out = "GIF89a";
    Put16(out, width);
    Put16(out, height);
    out += static_cast<char>(0xF7);  // global table of 256 colours
    out += '\0';
    out += '\0';
    for (uint32_t rgb : palette) {
        out += static_cast<char>((rgb >> 16) & 0xFF);
        out += static_cast<char>((rgb >> 8) & 0xFF);
        out += static_cast<char>(rgb & 0xFF);
    }
    if (frames.size() > 1) out += std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (size_t f = 0; f < indexed.size(); ++f) {
        out += std::string("\x21\xF9\x04\x09", 4);  // graphic control: transparent index, restore
        Put16(out, f < delays.size() ? delays[f] : 10);
        out += static_cast<char>(0xFF);
        out += '\0';
        out += ',';
        Put16(out, 0);
        Put16(out, 0);
        Put16(out, width);
        Put16(out, height);
        out += '\0';
        out += static_cast<char>(8);
        out += LzwLiterals(indexed[f]);
    }
    return out + ';';
}

std::string EncodeImage(int width, int height, const std::vector<uint32_t>& pixels,
                        const std::string& format) {
    if (format == "gif") return EncodeGif(width, height, {pixels});
    static GdiplusSession session;
    CLSID clsid;
    if (!EncoderFor(L"image/" + std::wstring(format.begin(), format.end()), clsid)) return {};
    std::string bytes;
    {
        Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                bitmap.SetPixel(x, y, Gdiplus::Color(pixels[static_cast<size_t>(y) * width + x]));
        ComPtr<IStream> stream;
        if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return {};
        if (bitmap.Save(stream.Get(), &clsid, nullptr) != Gdiplus::Ok) return {};
        STATSTG stat = {};
        stream->Stat(&stat, STATFLAG_NONAME);
        LARGE_INTEGER start = {};
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        bytes.resize(static_cast<size_t>(stat.cbSize.QuadPart));
        ULONG read = 0;
        stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
        bytes.resize(read);
    }
    return bytes;
}

std::string SolidImage(int width, int height, uint32_t argb, const std::string& format) {
    return EncodeImage(width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, argb), format);
}

}  // namespace testsupport
