// CDateTimeUI: a date shown as "yyyy-mm-dd" text; while focused, a native
// date picker (CDateTimeWnd) lies over it.
#pragma once

#include <windows.h>

#include "skinui/control/Label.h"

namespace SkinUI {

class CDateTimeWnd;

class SKINUI_API CDateTimeUI : public CLabelUI {
    friend class CDateTimeWnd;

public:
    // What the text shows after the picker closes.
    enum UpdateMode { DT_NONE = 0, DT_UPDATE = 1, DT_DELETE = 2, DT_KEEP = 3 };

    CDateTimeUI();
    ~CDateTimeUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    void SetPos(RECT rc) override;
    void SetVisible(bool visible = true) override;
    void SetVisibleByParent(bool visible) override;
    void HandleEvent(TControlEvent& event) override;

    const SYSTEMTIME& GetTime() const { return m_sysTime; }
    void SetTime(const SYSTEMTIME& time);
    int GetUpdateMode() const { return m_nDTUpdateFlag; }
    // Shows the date, or clears the text, as the update mode says.
    void UpdateText();

    // The native picker while the control has the focus, else null.
    HWND GetNativeWindow() const;

private:
    bool EnsureNativeWindow();

    SYSTEMTIME m_sysTime = {};
    int m_nDTUpdateFlag = DT_NONE;
    CDateTimeWnd* m_pWindow = nullptr;
};

}  // namespace SkinUI
