// Owners of GDI objects and device contexts, and a guard that puts back what
// a selection replaced. Each counts its live handles (see UniqueHandle.h).
#pragma once

#include <windows.h>

#include "skinui/core/UniqueHandle.h"

namespace SkinUI {

template <typename H>
struct GdiObjectTraits {
    using type = H;
    static constexpr HandleKind kind = HandleKind::GdiObject;
    static type Invalid() { return nullptr; }
    void Close(type h) const { ::DeleteObject(h); }
};

struct MemoryDcTraits {
    using type = HDC;
    static constexpr HandleKind kind = HandleKind::Dc;
    static type Invalid() { return nullptr; }
    void Close(type h) const { ::DeleteDC(h); }
};

// A DC from GetDC, released to its window.
struct WindowDcTraits {
    using type = HDC;
    static constexpr HandleKind kind = HandleKind::WindowDc;
    static type Invalid() { return nullptr; }
    void Close(type h) const { ::ReleaseDC(window, h); }

    HWND window = nullptr;
};

using BitmapHandle = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using FontHandle = UniqueHandle<GdiObjectTraits<HFONT>>;
using PenHandle = UniqueHandle<GdiObjectTraits<HPEN>>;
using BrushHandle = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using RegionHandle = UniqueHandle<GdiObjectTraits<HRGN>>;
using MemoryDc = UniqueHandle<MemoryDcTraits>;
using WindowDc = UniqueHandle<WindowDcTraits>;

// A 32-bit top-down DIB section (pixels read as 0xAARRGGBB); `bits`
// receives where its pixels are.
inline BitmapHandle CreateTopDownDib(HDC dc, int width, int height, void** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
    return BitmapHandle(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

inline WindowDc GetWindowDc(HWND window) {
    return WindowDc(::GetDC(window), WindowDcTraits{window});
}

// Selects an object into a DC for the scope and selects the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() {
        if (m_dc && m_previous) ::SelectObject(m_dc, m_previous);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// SaveDC / RestoreDC for the scope.
class SavedDcState {
public:
    explicit SavedDcState(HDC dc) : m_dc(dc), m_saved(dc ? ::SaveDC(dc) : 0) {}
    ~SavedDcState() {
        if (m_dc && m_saved) ::RestoreDC(m_dc, m_saved);
    }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

private:
    HDC m_dc;
    int m_saved;
};

}  // namespace SkinUI
