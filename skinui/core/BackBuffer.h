// A memory DC with a bitmap of its own selected into it for the DC's whole
// life: selecting a window-sized bitmap in and out costs more than drawing a
// small area, so a back buffer kept across paints stays selected.
#pragma once

#include <windows.h>

#include "skinui/core/GdiHandles.h"

namespace SkinUI {

class BackBuffer {
public:
    BackBuffer() = default;
    ~BackBuffer() { Reset(); }
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // A bitmap of the size compatible with `like`; false (and nothing kept)
    // when either object cannot be made.
    bool Create(HDC like, int width, int height) {
        Reset();
        m_dc.reset(::CreateCompatibleDC(like));
        m_bitmap.reset(::CreateCompatibleBitmap(like, width, height));
        if (m_dc && m_bitmap) m_previous = ::SelectObject(m_dc.get(), m_bitmap.get());
        if (!m_previous) Reset();
        return m_previous != nullptr;
    }

    // The bitmap goes back out of the DC before either is deleted: a bitmap
    // still selected cannot be deleted.
    void Reset() {
        if (m_previous) ::SelectObject(m_dc.get(), m_previous);
        m_previous = nullptr;
        m_bitmap.reset();
        m_dc.reset();
    }

    HDC Dc() const { return m_dc.get(); }
    explicit operator bool() const { return m_previous != nullptr; }

private:
    MemoryDc m_dc;
    BitmapHandle m_bitmap;
    HGDIOBJ m_previous = nullptr;
};

}  // namespace SkinUI
