// CDateTimeWnd: the native date picker a focused CDateTimeUI lends itself;
// it reads the date back when it loses the focus and deletes itself when gone.
#pragma once

#include <windows.h>

#include "skinui/core/WindowWnd.h"

namespace SkinUI {

class CDateTimeUI;

class CDateTimeWnd : public CWindowWnd {
public:
    // Creates the picker over the owner (or re-initialises `existing`); null on failure.
    static CDateTimeWnd* Open(CDateTimeUI* owner, CDateTimeWnd* existing);

    const char* WindowClassName() const override;
    const char* GetSuperClassName() const override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hwnd) override;

    RECT CalcPos() const;
    void Detach();

private:
    CDateTimeWnd() = default;
    ~CDateTimeWnd() override = default;
    bool Init(CDateTimeUI* owner);
    // Focus moving into the picker's own drop-down calendar keeps it open.
    bool IsOwnCalendar(HWND window) const;

    CDateTimeUI* m_pOwner = nullptr;
    bool m_bInit = false;
};

}  // namespace SkinUI
