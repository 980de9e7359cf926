// CComboWnd: the combo's drop-down: a borderless pop-up with its own paint
// manager that borrows the combo's resources and shows the combo's items.
#pragma once

#include <windows.h>

#include "skinui/core/PaintManager.h"
#include "skinui/core/WindowWnd.h"

namespace SkinUI {

class CComboUI;
class CVerticalLayoutUI;

class CComboWnd : public CWindowWnd {
public:
    // Opens the drop-down under (or above) the owner; null when the window
    // could not be made (the object is then already gone).
    static CComboWnd* Open(CComboUI* owner);

    const char* WindowClassName() const override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hwnd) override;

    // The owner is going away: the items go back now and the window is
    // destroyed without calling the owner again.
    void DestroyForOwner();
    // Scrolls the list so that the owner's selected item is inside it.
    void EnsureSelectionVisible();
    CPaintManagerUI& Manager() { return m_pm; }
    bool ItemsLent() const { return m_bItemsLent; }

private:
    CComboWnd() = default;
    ~CComboWnd() override = default;
    bool Init(CComboUI* owner);
    void OnCreate();
    // Hands the items back to the owner (once).
    void ReturnItems();
    void OnButtonUp(LPARAM lParam);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

    CComboUI* m_pOwner = nullptr;
    CPaintManagerUI m_pm;
    CVerticalLayoutUI* m_pLayout = nullptr;
    int m_iOldSel = -1;
    bool m_bItemsLent = false;
    // Messages being handled right now: the window must outlive them.
    int m_iDepth = 0;
    bool m_bGone = false;
};

}  // namespace SkinUI
