// CWebBrowserUI: the system's web browser control hosted as an ActiveX
// element: navigation, the DWebBrowserEvents2 sink, the document-host
// questions relayed to one CWebBrowserEventHandler, silent script errors and
// keyboard accelerators passed to the browser.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <docobj.h>
#include <exdisp.h>
#include <mshtmhst.h>
#include <servprov.h>
#include <urlmon.h>
#include <downloadmgr.h>

#include "skinui/control/ActiveX.h"
#include "skinui/control/WebBrowserEventHandler.h"

namespace SkinUI {

class SKINUI_API CWebBrowserUI : public CActiveXUI,
                                 public IDocHostUIHandler,
                                 public IServiceProvider,
                                 public IOleCommandTarget,
                                 public IDispatch,
                                 public ITranslateAccelerator {
public:
    CWebBrowserUI();
    ~CWebBrowserUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    void SetAttribute(const char* name, const char* value) override;
    void ReleaseHostedObject() override;
    bool DoCreateControl() override;
    virtual HRESULT STDMETHODCALLTYPE Download(IMoniker* moniker, IBindCtx* bindCtx, DWORD verb, LONG bindFlags,
                                               BINDINFO* bindInfo, LPCOLESTR headers, LPCOLESTR redirect,
                                               UINT codePage);  // 79

    void Navigate2(const char* url);
    void GoBack();
    IWebBrowser2* GetWebBrowser2() const { return m_pWebBrowser2.Get(); }
    void SetWebBrowserEventHandler(CWebBrowserEventHandler* handler) { m_pWebBrowserEventHandler = handler; }
    CWebBrowserEventHandler* GetWebBrowserEventHandler() const { return m_pWebBrowserEventHandler; }
    HRESULT RegisterEventHandler(bool advise);
    const CSkinString& GetHomePage() const { return m_sHomePage; }
    void SetHomePage(const char* url) { m_sHomePage = url; }
    bool IsAutoNavigation() const { return m_bAutoNavi; }
    void SetAutoNavigation(bool on) { m_bAutoNavi = on; }
    DWORD GetEventCookie() const { return m_dwCookie; }

    // IUnknown, shared by the COM faces.
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    // IDispatch: the DWebBrowserEvents2 sink.
    STDMETHOD(GetTypeInfoCount)(UINT* count) override;
    STDMETHOD(GetTypeInfo)(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    STDMETHOD(Invoke)(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* excepInfo, UINT* argError) override;

    // IDocHostUIHandler
    STDMETHOD(ShowContextMenu)(DWORD id, POINT* pt, IUnknown* cmdTarget, IDispatch* reserved) override;
    STDMETHOD(GetHostInfo)(DOCHOSTUIINFO* info) override;
    STDMETHOD(ShowUI)(DWORD id, IOleInPlaceActiveObject* activeObject, IOleCommandTarget* commandTarget,
                      IOleInPlaceFrame* frame, IOleInPlaceUIWindow* doc) override;
    STDMETHOD(HideUI)() override;
    STDMETHOD(UpdateUI)() override;
    STDMETHOD(EnableModeless)(BOOL enable) override;
    STDMETHOD(OnDocWindowActivate)(BOOL activate) override;
    STDMETHOD(OnFrameWindowActivate)(BOOL activate) override;
    STDMETHOD(ResizeBorder)(LPCRECT border, IOleInPlaceUIWindow* uiWindow, BOOL frameWindow) override;
    STDMETHOD(TranslateAccelerator)(LPMSG msg, const GUID* group, DWORD command) override;
    STDMETHOD(GetOptionKeyPath)(LPOLESTR* key, DWORD reserved) override;
    STDMETHOD(GetDropTarget)(IDropTarget* dropTarget, IDropTarget** replacement) override;
    STDMETHOD(GetExternal)(IDispatch** external) override;
    STDMETHOD(TranslateUrl)(DWORD translate, LPWSTR urlIn, LPWSTR* urlOut) override;
    STDMETHOD(FilterDataObject)(IDataObject* in, IDataObject** out) override;

    // IServiceProvider
    STDMETHOD(QueryService)(REFGUID service, REFIID riid, void** ppv) override;

    // IOleCommandTarget
    STDMETHOD(QueryStatus)(const GUID* group, ULONG count, OLECMD* commands, OLECMDTEXT* text) override;
    STDMETHOD(Exec)(const GUID* group, DWORD id, DWORD options, VARIANT* in, VARIANT* out) override;

    // ITranslateAccelerator (the paint manager's, before dispatch).
    LRESULT TranslateAccel(MSG* pMsg) override;

protected:
    // The IDownloadManager face handed out by QueryService; its references
    // are the control's.
    class DownloadManagerFace : public IDownloadManager {
    public:
        explicit DownloadManagerFace(CWebBrowserUI* owner) : m_pOwner(owner) {}
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(Download)(IMoniker* moniker, IBindCtx* bindCtx, DWORD verb, LONG bindFlags, BINDINFO* bindInfo,
                            LPCOLESTR headers, LPCOLESTR redirect, UINT codePage) override;

    private:
        CWebBrowserUI* m_pOwner;
    };

    // Lets the document ask this control its host questions.
    void AttachHostUIHandler();

    Microsoft::WRL::ComPtr<IWebBrowser2> m_pWebBrowser2;
    LONG m_dwRef = 0;
    DWORD m_dwCookie = 0;
    CSkinString m_sHomePage;
    bool m_bAutoNavi = false;
    CWebBrowserEventHandler* m_pWebBrowserEventHandler = nullptr;
    DownloadManagerFace m_downloadFace{this};
};

}  // namespace SkinUI
