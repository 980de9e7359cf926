// CButtonUI: a label with state images and colours that reports presses,
// releases and clicks.
#pragma once

#include "skinui/control/Label.h"

namespace SkinUI {

// Button state bits; the slider and the scroll bar use the same values.
constexpr UINT UISTATE_FOCUSED = 0x01;
constexpr UINT UISTATE_SELECTED = 0x02;
constexpr UINT UISTATE_DISABLED = 0x04;
constexpr UINT UISTATE_HOT = 0x08;
constexpr UINT UISTATE_PUSHED = 0x10;
constexpr UINT UISTATE_CAPTURED = 0x40;

class SKINUI_API CButtonUI : public CLabelUI {
public:
    CButtonUI();
    ~CButtonUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    UINT GetInputFlags() const override;
    bool Activate() override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    SIZE MeasureSize(SIZE available) override;
    void PaintStateImages(HDC hDC) override;
    void PaintText(HDC hDC) override;

    UINT GetButtonState() const { return m_uButtonState; }

    const CSkinString& GetNormalImage() const { return m_sNormalImage; }
    void SetNormalImage(const char* descriptor);
    const CSkinString& GetHotImage() const { return m_sHotImage; }
    void SetHotImage(const char* descriptor);
    const CSkinString& GetHotForeImage() const { return m_sHotForeImage; }
    void SetHotForeImage(const char* descriptor);
    const CSkinString& GetPushedImage() const { return m_sPushedImage; }
    void SetPushedImage(const char* descriptor);
    const CSkinString& GetFocusedImage() const { return m_sFocusedImage; }
    void SetFocusedImage(const char* descriptor);
    const CSkinString& GetDisabledImage() const { return m_sDisabledImage; }
    void SetDisabledImage(const char* descriptor);

    DWORD GetHotBkColor() const { return m_dwHotBkColor; }
    void SetHotBkColor(DWORD color) { m_dwHotBkColor = color; }
    DWORD GetHotTextColor() const { return m_dwHotTextColor; }
    void SetHotTextColor(DWORD color) { m_dwHotTextColor = color; }
    DWORD GetPushedTextColor() const { return m_dwPushedTextColor; }
    void SetPushedTextColor(DWORD color) { m_dwPushedTextColor = color; }
    DWORD GetFocusedTextColor() const { return m_dwFocusedTextColor; }
    void SetFocusedTextColor(DWORD color) { m_dwFocusedTextColor = color; }

protected:
    void RefreshFocusAndEnabledBits();
    // Draws a descriptor; one that fails to draw is cleared for good.
    bool DrawOrForget(HDC hDC, CSkinString& descriptor);

    UINT m_uButtonState = 0;
    DWORD m_dwHotBkColor = 0;
    DWORD m_dwHotTextColor = 0;
    DWORD m_dwPushedTextColor = 0;
    DWORD m_dwFocusedTextColor = 0;
    CSkinString m_sNormalImage;
    CSkinString m_sHotImage;
    CSkinString m_sHotForeImage;
    CSkinString m_sPushedImage;
    CSkinString m_sFocusedImage;
    CSkinString m_sDisabledImage;
};

}  // namespace SkinUI
