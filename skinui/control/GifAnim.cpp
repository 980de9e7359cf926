// CGifAnimUI: reading the GIF from the resource location, decoding it with
// GDI+, the frame timer and painting the active frame.
#include "skinui/control/GifAnim.h"

#include <wrl/client.h>

#include <cstring>
#include <vector>

#include "skinui/core/PaintManager.h"
#include "skinui/core/ResourceReader.h"

namespace SkinUI {
namespace {

// GDI+'s FrameDimensionTime, spelled out so no import library has to supply it.
const GUID kFrameDimensionTime = {0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};
constexpr PROPID kFrameDelayTag = 0x5100;
constexpr UINT kZeroDelayInterval = 100;
// Animations may be far larger than other skin files.
constexpr size_t kMaxGifBytes = 64u * 1024 * 1024;

struct GlobalFreeDeleter {
    void operator()(void* block) const { ::GlobalFree(block); }
};
using GlobalBlock = std::unique_ptr<void, GlobalFreeDeleter>;

bool ReadGifBytes(const char* name, std::vector<char>& bytes) {
    if (detail::ReadFromResourceLocation(name, kMaxGifBytes, bytes) == detail::ReadResult::Ok) return true;
    return detail::ReadWholeFile(name, kMaxGifBytes, bytes) == detail::ReadResult::Ok;
}

// A stream over a copy of `bytes` that frees its memory when released.
Microsoft::WRL::ComPtr<IStream> MemoryStream(const std::vector<char>& bytes) {
    Microsoft::WRL::ComPtr<IStream> stream;
    GlobalBlock block(::GlobalAlloc(GMEM_FIXED, bytes.size()));
    if (!block) return stream;
    std::memcpy(block.get(), bytes.data(), bytes.size());
    if (SUCCEEDED(::CreateStreamOnHGlobal(static_cast<HGLOBAL>(block.get()), TRUE, &stream))) block.release();
    return stream;
}

}  // namespace

CGifAnimUI::~CGifAnimUI() {
    if (m_pManager) m_pManager->StopTimer(this, kFrameTimerId);
}

const char* CGifAnimUI::GetTypeName() const { return "GifAnimUI"; }

void* CGifAnimUI::AsInterface(const char* name) {
    if (name && strcmp(name, "GifAnim") == 0) return static_cast<CGifAnimUI*>(this);
    return CControlUI::AsInterface(name);
}

void CGifAnimUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    if (visible)
        PlayGif();
    else
        StopGif();
}

void CGifAnimUI::InitSelf() { LoadGif(); }

void CGifAnimUI::HandleEvent(TControlEvent& event) {
    if (event.Type != EV_TIMER || event.wParam != kFrameTimerId || !m_pManager) return;
    m_pManager->StopTimer(this, kFrameTimerId);
    Invalidate();
    if (m_nFrameCount > 0) m_nFramePosition = (m_nFramePosition + 1) % m_nFrameCount;
    m_pManager->StartTimer(this, kFrameTimerId, GetFrameInterval(m_nFramePosition));
}

void CGifAnimUI::SetAttribute(const char* name, const char* value) {
    if (strcmp(name, "bkimage") == 0)
        SetGifImage(value);
    else if (strcmp(name, "autoplay") == 0)
        SetAutoPlay(attr::ParseBool(value));
    else if (strcmp(name, "autosize") == 0)
        SetAutoSize(attr::ParseBool(value));
    else
        CControlUI::SetAttribute(name, value);
}

void CGifAnimUI::Paint(HDC hDC, const RECT& rcDirty) {
    if (!IntersectRect(&m_rcPaint, &rcDirty, &m_rcItem)) return;
    if (!m_pGifImage) LoadGif();
    if (!m_pGifImage) return;
    Gdiplus::Graphics graphics(hDC);
    graphics.DrawImage(m_pGifImage.get(), static_cast<INT>(m_rcItem.left), static_cast<INT>(m_rcItem.top),
                       static_cast<INT>(m_rcItem.right - m_rcItem.left),
                       static_cast<INT>(m_rcItem.bottom - m_rcItem.top));
    // The frame a tick chose shows at the paint after that tick's repaint.
    m_pGifImage->SelectActiveFrame(&kFrameDimensionTime, m_nFramePosition);
}

void CGifAnimUI::SetGifImage(const char* name) {
    if (!name || m_sGifImage == name) return;
    m_sGifImage = name;
    StopGif();
    ClearGif();
    Invalidate();
}

void CGifAnimUI::PlayGif() {
    if (m_bIsPlaying || !m_pGifImage || !m_pManager) return;
    m_pManager->StartTimer(this, kFrameTimerId, GetFrameInterval(m_nFramePosition));
    m_bIsPlaying = true;
}

void CGifAnimUI::StopGif() {
    if (!m_bIsPlaying) return;
    if (m_pManager) m_pManager->StopTimer(this, kFrameTimerId);
    m_nFramePosition = 0;
    Invalidate();
    m_bIsPlaying = false;
}

UINT CGifAnimUI::GetFrameInterval(UINT frame) const {
    UINT delay = 0;
    const Gdiplus::PropertyItem* item = m_pPropertyItem.get();
    if (item && item->value && frame < item->length / sizeof(UINT)) {
        std::memcpy(&delay, static_cast<const char*>(item->value) + frame * sizeof(UINT), sizeof(UINT));
    }
    return delay == 0 ? kZeroDelayInterval : delay * 10;
}

void CGifAnimUI::LoadGif() {
    ClearGif();
    if (m_sGifImage.IsEmpty()) return;
    std::vector<char> bytes;
    if (!ReadGifBytes(m_sGifImage, bytes)) return;
    Microsoft::WRL::ComPtr<IStream> stream = MemoryStream(bytes);
    if (!stream) return;
    std::unique_ptr<Gdiplus::Image> image(new Gdiplus::Image(stream.Get()));
    // GdipAlloc gives null while GDI+ is not started.
    if (!image || image->GetLastStatus() != Gdiplus::Ok) return;

    UINT frames = 0;
    const UINT dimensionCount = image->GetFrameDimensionsCount();
    if (dimensionCount > 0) {
        std::vector<GUID> dimensions(dimensionCount);
        if (image->GetFrameDimensionsList(dimensions.data(), dimensionCount) == Gdiplus::Ok)
            frames = image->GetFrameCount(&dimensions[0]);
    }

    const UINT delaysSize = image->GetPropertyItemSize(kFrameDelayTag);
    if (delaysSize >= sizeof(Gdiplus::PropertyItem)) {
        m_pPropertyItem.reset(static_cast<Gdiplus::PropertyItem*>(std::malloc(delaysSize)));
        if (m_pPropertyItem &&
            image->GetPropertyItem(kFrameDelayTag, delaysSize, m_pPropertyItem.get()) != Gdiplus::Ok)
            m_pPropertyItem.reset();
    }

    m_pGifImage = std::move(image);
    m_nFrameCount = frames;
    if (m_bIsAutoSize) {
        SetFixedWidth(static_cast<int>(m_pGifImage->GetWidth()));
        SetFixedHeight(static_cast<int>(m_pGifImage->GetHeight()));
    }
    if (m_bIsAutoPlay) PlayGif();
}

void CGifAnimUI::ClearGif() {
    m_pGifImage.reset();
    m_pPropertyItem.reset();
    m_nFrameCount = 0;
    m_nFramePosition = 0;
}

}  // namespace SkinUI
