// CGifAnimUI: an animated GIF decoded and drawn by GDI+, stepped through its
// frames on a paint-manager timer with each frame's own delay.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdlib>
#include <memory>

#include "skinui/control/Control.h"

namespace SkinUI {

namespace detail {
struct FreeDeleter {
    void operator()(void* block) const { std::free(block); }
};
}  // namespace detail

class SKINUI_API CGifAnimUI : public CControlUI {
public:
    static constexpr UINT kFrameTimerId = 100;

    CGifAnimUI() = default;
    ~CGifAnimUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    void SetVisible(bool visible = true) override;
    void InitSelf() override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    void Paint(HDC hDC, const RECT& rcDirty) override;

    void SetGifImage(const char* name);
    const CSkinString& GetGifImage() const { return m_sGifImage; }
    void PlayGif();
    void StopGif();

    void SetAutoPlay(bool on) { m_bIsAutoPlay = on; }
    bool IsAutoPlay() const { return m_bIsAutoPlay; }
    void SetAutoSize(bool on) { m_bIsAutoSize = on; }
    bool IsAutoSize() const { return m_bIsAutoSize; }
    bool IsPlaying() const { return m_bIsPlaying; }
    bool HasImage() const { return m_pGifImage != nullptr; }
    UINT GetFrameCount() const { return m_nFrameCount; }
    UINT GetCurrentFrame() const { return m_nFramePosition; }
    // The timer interval of `frame` in milliseconds; a delay of 0 counts as 100.
    UINT GetFrameInterval(UINT frame) const;

protected:
    void LoadGif();
    void ClearGif();

    std::unique_ptr<Gdiplus::Image> m_pGifImage;
    UINT m_nFrameCount = 0;
    UINT m_nFramePosition = 0;
    std::unique_ptr<Gdiplus::PropertyItem, detail::FreeDeleter> m_pPropertyItem;
    CSkinString m_sGifImage;
    bool m_bIsAutoPlay = true;
    bool m_bIsAutoSize = false;
    bool m_bIsPlaying = false;
};

}  // namespace SkinUI
