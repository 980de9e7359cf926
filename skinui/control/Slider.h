// CSliderUI: a progress bar with a thumb moved by dragging or the wheel.
#pragma once

#include "skinui/control/Progress.h"

namespace SkinUI {

class SKINUI_API CSliderUI : public CProgressUI {
public:
    CSliderUI();
    ~CSliderUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    UINT GetInputFlags() const override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    void PaintStateImages(HDC hDC) override;

    SIZE GetThumbSize() const { return m_szThumb; }
    void SetThumbSize(SIZE size) { m_szThumb = size; }
    int GetChangeStep() const { return m_nStep; }
    void SetChangeStep(int step) { m_nStep = step; }
    RECT GetThumbRect() const;
    UINT GetButtonState() const { return m_uButtonState; }

    const CSkinString& GetThumbImage() const { return m_sThumbImage; }
    void SetThumbImage(const char* descriptor);
    const CSkinString& GetThumbHotImage() const { return m_sThumbHotImage; }
    void SetThumbHotImage(const char* descriptor);
    const CSkinString& GetThumbPushedImage() const { return m_sThumbPushedImage; }
    void SetThumbPushedImage(const char* descriptor);

protected:
    int ValueAt(POINT pt) const;

    SIZE m_szThumb = {10, 10};
    UINT m_uButtonState = 0;
    int m_nStep = 1;
    CSkinString m_sThumbImage;
    CSkinString m_sThumbHotImage;
    CSkinString m_sThumbPushedImage;
    CSkinString m_sImageModify;
};

}  // namespace SkinUI
