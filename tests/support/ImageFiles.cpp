// GDI+ encoders for test images, through an in-memory stream.
#include "tests/support/ImageFiles.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <wrl/client.h>

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

std::string EncodeImage(int width, int height, const std::vector<uint32_t>& pixels,
                        const std::string& format) {
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
