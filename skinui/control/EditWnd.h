// CEditWnd: the native edit window a focused CEditUI lends itself; it lives
// only while it has the keyboard focus and deletes itself when destroyed.
#pragma once

#include <windows.h>

#include "skinui/core/GdiHandles.h"
#include "skinui/core/WindowWnd.h"

namespace SkinUI {

class CEditUI;

class CEditWnd : public CWindowWnd {
public:
    // Creates the window over the owner's text area; on failure the object
    // deletes itself and null is returned.
    static CEditWnd* Open(CEditUI* owner);

    const char* WindowClassName() const override;
    const char* GetSuperClassName() const override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hwnd) override;

    // The window's place: the owner's text area, at most one font line high.
    RECT CalcPos() const;
    // The owner is going away: the window closes without calling it back.
    void Detach();

private:
    CEditWnd() = default;
    ~CEditWnd() override = default;
    bool Init(CEditUI* owner);
    void OnEditChanged();
    HFONT OwnerFont() const;

    CEditUI* m_pOwner = nullptr;
    BrushHandle m_hBkBrush;
    bool m_bInit = false;
};

}  // namespace SkinUI
