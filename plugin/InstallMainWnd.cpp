// CInstallMainWnd: page switching, the progress timer and the hand-over to
// the installer's thread through the shared event and result text.
#include "plugin/InstallMainWnd.h"

#include <cstring>

#include "plugin/PluginLog.h"
#include "plugin/PluginState.h"
#include "skinui/control/Control.h"

using namespace SkinUI;

namespace {

enum Page { kStartPage = 0, kProgressPage = 1, kFinishPage = 2 };

bool IsWaitingForUser() {
    return g_hEvent && WaitForSingleObject(g_hEvent.get(), 0) == WAIT_TIMEOUT;
}

}  // namespace

CInstallMainWnd::CInstallMainWnd() = default;
CInstallMainWnd::~CInstallMainWnd() = default;

const char* CInstallMainWnd::WindowClassName() const { return "UninstallMainWnd"; }
CSkinString CInstallMainWnd::SkinFolder() { return CSkinString(""); }
CSkinString CInstallMainWnd::SkinFile() { return CSkinString("UninstallMainWnd.xml"); }

void CInstallMainWnd::OnInitWindow() {
    m_pSwitch = static_cast<CTabLayoutUI*>(m_PaintManager.FindControl("switch"));
    m_pProgress = static_cast<CProgressUI*>(m_PaintManager.FindControl("UnInstallProgress"));
    m_pUninstalling = m_PaintManager.FindControl("UnInstalling");
    m_pCloseBtn1 = m_PaintManager.FindControl("CloseBtn1");
    // The skin decides the control kinds; act only on the ones that fit.
    if (m_pSwitch && !m_pSwitch->AsInterface("TabLayout")) m_pSwitch = nullptr;
    if (m_pProgress && !m_pProgress->AsInterface("Progress")) m_pProgress = nullptr;
    m_nTick = 0;
}

void CInstallMainWnd::OnClick(TNotifyUI& msg) {
    if (!msg.pSender) return;
    const CSkinString name = msg.pSender->GetName();
    PluginLog("CInstallMainWnd::OnClick begin, [%s]\n", static_cast<const char*>(name));
    if (name == "UninstallBtn") StartUninstall();
    else if (name == "MinBtn") Minimize();
    else if (name == "CloseBtn") GiveUp();
    else if (name == "CancelBtn") GiveUp();
    else if (name == "MinBtn1") Minimize();
    else if (name == "MinBtn2") Minimize();
    else if (name == "UnInstallFinish") Dismiss();
    else if (name == "CloseBtn2") Dismiss();
}

void CInstallMainWnd::StartUninstall() {
    if (g_hEvent) SetEvent(g_hEvent.get());
    if (m_pCloseBtn1) m_pCloseBtn1->SetEnabled(false);
    SelectPage(kProgressPage);
    ::SetTimer(m_hWnd, kProgressTimer, kProgressPeriodMs, nullptr);
}

void CInstallMainWnd::GiveUp() {
    lstrcpynA(g_szResult, kCloseResult, kResultSize);
    if (g_hEvent) SetEvent(g_hEvent.get());
    PostQuitMessage(0);
}

void CInstallMainWnd::Dismiss() { PostQuitMessage(0); }

void CInstallMainWnd::Minimize() { SendMessageA(WM_SYSCOMMAND, SC_MINIMIZE, 0); }

void CInstallMainWnd::SelectPage(int page) {
    if (m_pSwitch) m_pSwitch->SelectItem(page);
}

int CInstallMainWnd::CurrentPage() const { return m_pSwitch ? m_pSwitch->GetSelectedIndex() : -1; }

LRESULT CInstallMainWnd::OnDefaultKey(WPARAM key) {
    if (key != VK_ESCAPE) return 0;
    const int page = CurrentPage();
    if (page == kStartPage) GiveUp();
    else if (page == kFinishPage) Dismiss();
    return 1;
}

LRESULT CInstallMainWnd::OnDestroy(UINT, WPARAM, LPARAM, BOOL& handled) {
    // A window that goes before the user decided counts as closed; and the
    // thread must end, or a waiting "INSTALLFINISH" would never return.
    if (IsWaitingForUser()) {
        lstrcpynA(g_szResult, kCloseResult, kResultSize);
        SetEvent(g_hEvent.get());
    }
    ::KillTimer(m_hWnd, kProgressTimer);
    PostQuitMessage(0);
    handled = FALSE;
    return 0;
}

void CInstallMainWnd::OnProgressTick() {
    ++m_nTick;
    if (m_pProgress) m_pProgress->SetValue(m_nTick);
    if (m_pUninstalling) {
        CSkinString text;
        text.Format("正在卸载%d%%", m_nTick);
        try {
            m_pUninstalling->SetText(text);
        } catch (...) {
            // The label reports its failures by exception; a missed step of
            // the text is not worth ending the uninstall for.
        }
    }
    if (m_nTick == kLastTick) ::KillTimer(m_hWnd, kProgressTimer);
}

LRESULT CInstallMainWnd::HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM, BOOL& handled) {
    handled = FALSE;
    switch (msg) {
        case WM_INSTALLPROGRESS:
            PluginLog("CInstallMainWnd::HandleCustomMessage receive WM_INSTALLPROGRESS\n");
            handled = TRUE;
            if (m_pProgress) m_pProgress->SetValue(static_cast<int>(static_cast<DWORD>(wParam)));
            return 0;
        case WM_INSTALLFINISH:
            PluginLog("CInstallMainWnd::HandleCustomMessage receive WM_INSTALLFINISH\n");
            handled = TRUE;
            SelectPage(kFinishPage);
            return 0;
        case WM_TIMER:
            if (wParam == kProgressTimer) OnProgressTick();
            return 0;
        default:
            return 0;
    }
}
