// CLabelUI: static text in a rectangle, plain or markup, or drawn through
// GDI+ with gradient brushes, an outline and a drop shadow.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "skinui/control/Control.h"

namespace SkinUI {

class SKINUI_API CLabelUI : public CControlUI {
public:
    CLabelUI();
    ~CLabelUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    // Failures leave as an exception whose payload is "CLabelUI::GetText"
    // resp. "CLabelUI::SetText" (a const char*).
    CSkinString GetText() const override;
    void SetText(const char* text) override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    SIZE MeasureSize(SIZE available) override;
    void PaintText(HDC hDC) override;

    void SetTextColor(DWORD color);
    DWORD GetTextColor() const { return m_dwTextColor; }
    void SetDisabledTextColor(DWORD color);
    DWORD GetDisabledTextColor() const { return m_dwDisabledTextColor; }
    void SetFont(int index);
    int GetFont() const { return m_iFont; }
    UINT GetTextStyle() const { return m_uTextStyle; }
    void SetTextPadding(RECT rc);
    RECT GetTextPadding() const { return m_rcTextPadding; }
    void SetShowHtml(bool show = true);
    bool IsShowHtml() const { return m_bShowHtml; }

    // Effect settings: stored only, the next paint shows them.
    void SetTransShadow(int alpha) { m_TransShadow = alpha; }
    int GetTransShadow() const { return m_TransShadow; }
    void SetTransShadow1(int alpha) { m_TransShadow1 = alpha; }
    int GetTransShadow1() const { return m_TransShadow1; }
    void SetTransText(int alpha) { m_TransText = alpha; }
    int GetTransText() const { return m_TransText; }
    void SetTransText1(int alpha) { m_TransText1 = alpha; }
    int GetTransText1() const { return m_TransText1; }
    void SetTransStroke(int alpha) { m_TransStroke = alpha; }
    int GetTransStroke() const { return m_TransStroke; }
    void SetGradientLength(int length) { m_GradientLength = length; }
    int GetGradientLength() const { return m_GradientLength; }
    void SetGradientAngle(int angle) { m_GradientAngle = angle; }
    int GetGradientAngle() const { return m_GradientAngle; }
    void SetEnabledEffect(bool on) { m_EnableEffect = on; }
    bool GetEnabledEffect() const { return m_EnableEffect; }
    void SetEnabledStroke(bool on) { m_EnabledStroke = on; }
    bool GetEnabledStroke() const { return m_EnabledStroke; }
    void SetEnabledShadow(bool on) { m_EnabledShadow = on; }
    bool GetEnabledShadow() const { return m_EnabledShadow; }
    void SetTextColor1(DWORD color) { m_dwTextColor2 = color; }
    DWORD GetTextColor1() const { return m_dwTextColor2; }
    void SetTextShadowColorA(DWORD color) { m_dwTextShadowColorA = color; }
    DWORD GetTextShadowColorA() const { return m_dwTextShadowColorA; }
    void SetTextShadowColorB(DWORD color) { m_dwTextShadowColorB = color; }
    DWORD GetTextShadowColorB() const { return m_dwTextShadowColorB; }
    void SetStrokeColor(DWORD color) { m_dwStrokeColor = color; }
    DWORD GetStrokeColor() const { return m_dwStrokeColor; }
    void SetShadowOffset(int offset, int angle);
    Gdiplus::PointF GetShadowOffset() const { return m_ShadowOffset; }
    void SetTextRenderingHint(int hint) { m_TextRenderingHintAntiAlias = hint; }
    int GetTextRenderingHint() const { return m_TextRenderingHintAntiAlias; }
    int GetEffectStringAlignment() const { return m_hAlign; }
    int GetEffectLineAlignment() const { return m_vAlign; }

protected:
    // The default colours are written into the fields at the first paint.
    void ResolveDefaultColors();
    RECT TextRect() const;
    void PaintEffectText(HDC hDC, const RECT& rc);

    DWORD m_dwTextColor = 0;
    DWORD m_dwDisabledTextColor = 0;
    int m_iFont = -1;
    UINT m_uTextStyle = DT_VCENTER;
    RECT m_rcTextPadding = {0, 0, 0, 0};
    bool m_bShowHtml = false;
    int m_hAlign = 0;  // Gdiplus::StringAlignmentNear
    int m_vAlign = 1;  // Gdiplus::StringAlignmentCenter
    int m_TransShadow = 60;
    int m_TransShadow1 = 60;
    int m_TransText = 168;
    int m_TransText1 = 168;
    int m_TransStroke = 255;
    int m_GradientLength = 0;
    int m_GradientAngle = 0;
    bool m_EnableEffect = false;
    bool m_EnabledStroke = false;
    bool m_EnabledShadow = false;
    DWORD m_dwTextColor2 = 0xFFFFFFFF;
    DWORD m_dwTextShadowColorA = 0xFF000000;
    DWORD m_dwTextShadowColorB = 0xFFFFFFFF;
    DWORD m_dwStrokeColor = 0;
    Gdiplus::PointF m_ShadowOffset{0.0f, 0.0f};
    CSkinString m_TextValue;
    ULONG_PTR m_gdiplusToken = 0;
    Gdiplus::GdiplusStartupInput m_gdiplusStartupInput;
    int m_TextRenderingHintAntiAlias = 0;
};

}  // namespace SkinUI
