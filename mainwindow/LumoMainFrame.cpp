// The main window: controls by name, browser start-up, buttons, keys and the
// private messages that end or raise the program.
#include "mainwindow/LumoMainFrame.h"

#include <mshtmhst.h>

#include <cstdio>
#include <cstring>

#include "app/AppLog.h"
#include "app/UrlConfig.h"
#include "mainwindow/UserAgentTag.h"

namespace {

constexpr size_t kUrlSize = 1024;
constexpr UINT kTrayMessage = 0x801;
constexpr UINT kQuitMessage = 0x802;

bool IsDown(SHORT state) { return (state & 0x8000) != 0; }

}  // namespace

CLumoMainFrame::CLumoMainFrame() { m_external.SetCallback(this); }

CLumoMainFrame::~CLumoMainFrame() { m_pWebBrowser.Reset(); }

const char* CLumoMainFrame::WindowClassName() const { return "LumoMainFrame"; }

void CLumoMainFrame::OnFinalMessage(HWND hwnd) {
    WindowImplBase::OnFinalMessage(hwnd);
    delete this;
}

SkinUI::CSkinString CLumoMainFrame::SkinFolder() { return ""; }

SkinUI::CSkinString CLumoMainFrame::SkinFile() { return "LumoMainWnd.xml"; }

void CLumoMainFrame::OnInitWindow() {
    m_pFindBtn = m_PaintManager.FindControl("FindBtn");
    m_pHomeBtn = m_PaintManager.FindControl("HomeBtn");
    m_pGoBackBtn = m_PaintManager.FindControl("GoBackBtn");
    m_pMinBtn = m_PaintManager.FindControl("MinBtn");
    m_pCloseBtn = m_PaintManager.FindControl("CloseBtn");
    m_pFindEdit = m_PaintManager.FindControl("FindEdit");
    // A control of another kind under that name is no browser.
    if (SkinUI::CControlUI* browser = m_PaintManager.FindControl("WebBrowser"))
        m_pWebBrowserUI = static_cast<SkinUI::CWebBrowserUI*>(browser->AsInterface("WebBrowser"));

    TagUserAgent();

    char home[kUrlSize];
    GetConfigUrl(home, "HomePage");

    if (m_pWebBrowserUI) {
        AppLog("m_pWebBrowserUI创建成功！\n");
        m_pWebBrowserUI->SetWebBrowserEventHandler(this);
        if (IWebBrowser2* browser = m_pWebBrowserUI->GetWebBrowser2())
            browser->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(m_pWebBrowser.ReleaseAndGetAddressOf()));
        if (!m_pWebBrowser) {
            AppLog("m_pWebBrowser创建失败！\n");
            m_pWebBrowserUI->DoCreateControl();
            AppLog("m_pWebBrowserUI->DoCreateControl()\n");
            AppLog("初始化地址%s\n", home);
        }
        m_pWebBrowserUI->Navigate2("about:blank");
        m_pWebBrowserUI->Navigate2(home);
        AppLog("初始化地址2%s\n", home);
    }

    if (m_pMinBtn) m_pMinBtn->SetToolTip("最小化");
    if (m_pCloseBtn) m_pCloseBtn->SetToolTip("关闭");
}

void CLumoMainFrame::RunSearch() {
    const SkinUI::CSkinString text = m_pFindEdit ? m_pFindEdit->GetText() : SkinUI::CSkinString();
    if (!m_pWebBrowserUI) return;
    char searchPage[kUrlSize];
    GetConfigUrl(searchPage, "SearchPage");
    char target[kUrlSize * 2];
    snprintf(target, sizeof(target), "%s%s", searchPage, text.GetData());
    AppLog("搜索的地址%s\n\n", target);
    if (m_pWebBrowser) m_pWebBrowserUI->Navigate2(target);
}

void CLumoMainFrame::Notify(SkinUI::TNotifyUI& msg) {
    if (msg.sType == "click" && msg.pSender) {
        const SkinUI::CSkinString name = msg.pSender->GetName();
        if (name == "FindBtn") {
            RunSearch();
        } else if (name == "HomeBtn") {
            char home[kUrlSize];
            GetConfigUrl(home, "HomePage");
            AppLog("首页的地址%s\n\n", home);
            if (m_pWebBrowser) {
                m_pWebBrowserUI->Navigate2(home);
                AppLog("首页的地址%s\n\n显示后", home);
            }
        } else if (name == "GoBackBtn") {
            if (m_pWebBrowserUI) m_pWebBrowserUI->GoBack();
        } else if (name == "MinBtn") {
            SendMessageA(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        } else if (name == "CloseBtn") {
            PostQuitMessage(0);
        }
    }
    WindowImplBase::Notify(msg);
}

LRESULT CLumoMainFrame::OnDefaultKey(WPARAM key) {
    if (key == VK_RETURN) RunSearch();
    return TRUE;
}

LRESULT CLumoMainFrame::OnSysCommand(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) {
    switch (wParam & 0xFFF0) {
        case SC_MINIMIZE: {
            WINDOWPLACEMENT placement = {};
            placement.length = sizeof(placement);
            ::GetWindowPlacement(m_hWnd, &placement);
            placement.showCmd = SW_MINIMIZE;
            ::SetWindowPlacement(m_hWnd, &placement);
            return WindowImplBase::OnSysCommand(msg, wParam, lParam, handled);
        }
        case SC_CLOSE:
            handled = TRUE;
            PostQuitMessage(0);
            return 0;
        default:
            return WindowImplBase::OnSysCommand(msg, wParam, lParam, handled);
    }
}

LRESULT CLumoMainFrame::HandleCustomMessage(UINT msg, WPARAM, LPARAM lParam, BOOL&) {
    if (msg == kTrayMessage) {
        switch (LOWORD(lParam)) {
            case WM_RBUTTONUP: ::SetForegroundWindow(m_hWnd); break;
            case WM_LBUTTONDOWN: ShowWindow(true, true); break;
            default: break;
        }
    } else if (msg == kQuitMessage) {
        PostQuitMessage(0);
    }
    return 0;
}

HRESULT STDMETHODCALLTYPE CLumoMainFrame::GetHostInfo(DOCHOSTUIINFO* pInfo) {
    if (!pInfo) return S_OK;
    pInfo->cbSize = sizeof(DOCHOSTUIINFO);  // 20 in the 32-bit product
    pInfo->dwFlags |= DOCHOSTUIFLAG_NO3DBORDER;
    pInfo->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    pInfo->pchHostCss = nullptr;
    pInfo->pchHostNS = nullptr;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CLumoMainFrame::TranslateAccelerator(LPMSG lpMsg, const GUID*, DWORD) {
    const bool keyDown = lpMsg && lpMsg->message == WM_KEYDOWN;
    // The keys' state now, not the message's key code.
    if (keyDown && IsDown(GetAsyncKeyState(VK_F5))) return S_OK;
    if (!IsDown(GetKeyState(VK_CONTROL))) return S_FALSE;
    if (keyDown && (IsDown(GetAsyncKeyState('O')) || IsDown(GetAsyncKeyState('P')) ||
                    IsDown(GetAsyncKeyState('N'))))
        return S_OK;
    return S_FALSE;
}

HRESULT STDMETHODCALLTYPE CLumoMainFrame::GetExternal(IDispatch** ppDispatch) {
    if (!ppDispatch) return E_POINTER;
    // The bridge lives inside the window: its counting is a no-op.
    *ppDispatch = &m_external;
    return S_OK;
}
