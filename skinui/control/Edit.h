// CEditUI: text painted like a label; while focused, a native single-line
// edit window (CEditWnd) lies over its text area and takes the typing.
#pragma once

#include <windows.h>

#include "skinui/control/Label.h"

namespace SkinUI {

class CEditWnd;

class SKINUI_API CEditUI : public CLabelUI {
    friend class CEditWnd;

public:
    CEditUI();
    ~CEditUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    UINT GetInputFlags() const override;
    void SetText(const char* text) override;
    void SetPos(RECT rc) override;
    void SetVisible(bool visible = true) override;
    void SetVisibleByParent(bool visible) override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    SIZE MeasureSize(SIZE available) override;
    void PaintStateImages(HDC hDC) override;
    void PaintText(HDC hDC) override;
    void PaintBorder(HDC hDC) override;

    void SetMaxChar(UINT maxChar);
    UINT GetMaxChar() const { return m_uMaxChar; }
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const { return m_bReadOnly; }
    void SetPasswordMode(bool password);
    bool IsPasswordMode() const { return m_bPasswordMode; }
    void SetPasswordChar(char ch);
    char GetPasswordChar() const { return m_cPasswordChar; }
    void SetNumberOnly(bool numberOnly);
    bool IsNumberOnly() const { return (m_dwNativeStyles & ES_NUMBER) != 0; }
    DWORD GetNativeStyles() const { return m_dwNativeStyles; }
    void SetNativeEditBkColor(DWORD color);
    DWORD GetNativeEditBkColor() const { return m_dwEditbkColor; }
    void SetPlaceholder(const char* text);
    const CSkinString& GetPlaceholder() const { return m_sPlaceholder; }
    void SetHoverBorderColor(DWORD color);
    DWORD GetHoverBorderColor() const { return m_dwHoverBorderColor; }
    void SetNormalImage(const char* descriptor);
    void SetHotImage(const char* descriptor);
    void SetFocusedImage(const char* descriptor);
    void SetDisabledImage(const char* descriptor);
    UINT GetButtonState() const { return m_uButtonState; }

    // The native edit window while the control has the focus, else null.
    HWND GetNativeWindow() const;
    // Selection of the native window (no effect without one).
    void SetSel(long start, long end);
    void SetSelAll();

private:
    // Makes the native window when there is none; false when it could not be made.
    bool EnsureNativeWindow();

    CEditWnd* m_pWindow = nullptr;
    UINT m_uMaxChar = 255;
    bool m_bReadOnly = false;
    bool m_bPasswordMode = false;
    char m_cPasswordChar = '*';
    UINT m_uButtonState = 0;
    CSkinString m_sNormalImage;
    CSkinString m_sHotImage;
    CSkinString m_sFocusedImage;
    CSkinString m_sDisabledImage;
    DWORD m_dwEditbkColor = 0xFFFFFFFF;
    DWORD m_dwNativeStyles = 0;
    CSkinString m_sPlaceholder;
    bool m_bHovering = false;
    DWORD m_dwHoverBorderColor = 0;
};

}  // namespace SkinUI
