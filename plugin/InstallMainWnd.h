// CInstallMainWnd: the skinned uninstall window with its start, progress and
// finish pages; it runs on the plug-in's UI thread.
#pragma once

#include "skinui/control/Progress.h"
#include "skinui/control/TabLayout.h"
#include "skinui/core/WindowImplBase.h"

class CInstallMainWnd : public SkinUI::WindowImplBase {
public:
    CInstallMainWnd();

    const char* WindowClassName() const override;  // 0
    ~CInstallMainWnd() override;                   // 5
    void OnInitWindow() override;                  // 6
    void OnClick(SkinUI::TNotifyUI& msg) override;  // 7
    SkinUI::CSkinString SkinFolder() override;      // 8
    SkinUI::CSkinString SkinFile() override;        // 9
    // Escape gives up on the start page, dismisses the finish page and does
    // nothing while the uninstall runs.
    LRESULT OnDefaultKey(WPARAM key) override;  // 10
    // However the window goes, the script is released and the thread ends.
    LRESULT OnDestroy(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) override;  // 15
    LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) override;  // 33

    static constexpr UINT_PTR kProgressTimer = 0x800;
    static constexpr UINT kProgressPeriodMs = 40;
    static constexpr int kLastTick = 95;

private:
    void StartUninstall();
    void GiveUp();
    void Dismiss();
    void Minimize();
    void SelectPage(int page);
    int CurrentPage() const;
    void OnProgressTick();

    SkinUI::CTabLayoutUI* m_pSwitch = nullptr;
    SkinUI::CProgressUI* m_pProgress = nullptr;
    SkinUI::CControlUI* m_pUninstalling = nullptr;
    SkinUI::CControlUI* m_pCloseBtn1 = nullptr;
    int m_nTick = 0;
};
