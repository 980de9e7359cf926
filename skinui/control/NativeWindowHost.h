// What the controls that borrow a native window while focused (edit, date
// picker) do alike with it: close it, keep it over the control, and let the
// focus go when the control is hidden under it.
#pragma once

#include <windows.h>

#include "skinui/control/Control.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI::native_host {

// The window deletes its object when it is gone; detached first, it does not
// call the control back while the control itself goes.
template <typename Wnd>
void Close(Wnd*& window) {
    Wnd* closing = window;
    window = nullptr;
    if (!closing) return;
    closing->Detach();
    ::DestroyWindow(closing->GetHWND());
}

template <typename Wnd>
void FollowControl(Wnd* window) {
    if (!window) return;
    const RECT pos = window->CalcPos();
    ::SetWindowPos(window->GetHWND(), nullptr, pos.left, pos.top, pos.right - pos.left, pos.bottom - pos.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

// The native window must not stay over a hidden control.
inline void LeaveIfHidden(CControlUI& control, bool hasWindow) {
    CPaintManagerUI* manager = control.GetManager();
    if (!control.IsVisible() && hasWindow && manager) manager->FocusControl(nullptr);
}

}  // namespace SkinUI::native_host
