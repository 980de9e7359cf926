// The store client's one window: a borderless skinned frame around the web
// browser, host of the page's window.external and of the cloud operations.
#pragma once

#include <exdisp.h>
#include <wrl/client.h>

#include "cloud/CloudApiSession.h"
#include "mainwindow/VLMainFrameExternal.h"
#include "skinui/control/WebBrowser.h"
#include "skinui/core/WindowImplBase.h"

class CLumoMainFrame : public SkinUI::WindowImplBase,
                       public SkinUI::CWebBrowserEventHandler,
                       public CCloudApiSession {
public:
    CLumoMainFrame();
    ~CLumoMainFrame() override;

    const char* WindowClassName() const override;
    void OnFinalMessage(HWND hwnd) override;
    void OnInitWindow() override;
    SkinUI::CSkinString SkinFolder() override;
    SkinUI::CSkinString SkinFile() override;
    LRESULT OnDefaultKey(WPARAM key) override;
    LRESULT OnSysCommand(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) override;
    LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) override;
    void Notify(SkinUI::TNotifyUI& msg) override;

    // Browser host answers.
    HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* pInfo) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup,
                                                   DWORD nCmdID) override;
    HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** ppDispatch) override;

    // The window's scripting bridge (what GetExternal hands out).
    CVLMainFrameExternal& External() { return m_external; }
    IWebBrowser2* WebBrowser() const { return m_pWebBrowser.Get(); }

private:
    void RunSearch();

    SkinUI::CControlUI* m_pFindBtn = nullptr;
    SkinUI::CControlUI* m_pHomeBtn = nullptr;
    SkinUI::CControlUI* m_pGoBackBtn = nullptr;
    SkinUI::CControlUI* m_pMinBtn = nullptr;
    SkinUI::CControlUI* m_pCloseBtn = nullptr;
    SkinUI::CWebBrowserUI* m_pWebBrowserUI = nullptr;
    Microsoft::WRL::ComPtr<IWebBrowser2> m_pWebBrowser;
    SkinUI::CControlUI* m_pFindEdit = nullptr;
    // m_sSessionUuid lives in CCloudApiSession, next to the operations.
    CVLMainFrameExternal m_external;
};
