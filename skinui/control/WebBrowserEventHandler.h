// CWebBrowserEventHandler: what the application hears from its browser
// control: the browser's events (slots 0-6) and the questions the browser asks
// its host (slots 7-22). Every slot has a default, so a window overrides only
// what it needs.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <docobj.h>
#include <mshtmhst.h>
#include <urlmon.h>

namespace SkinUI {

class CWebBrowserEventHandler {
public:
    virtual void BeforeNavigate2(IDispatch* /*pDisp*/, VARIANT*& /*url*/, VARIANT*& /*flags*/,
                                 VARIANT*& /*targetFrameName*/, VARIANT*& /*postData*/, VARIANT*& /*headers*/,
                                 VARIANT_BOOL*& /*cancel*/) {}                                           // 0
    virtual void NavigateError(IDispatch* /*pDisp*/, VARIANT*& /*url*/, VARIANT*& /*targetFrameName*/,
                               VARIANT*& /*statusCode*/, VARIANT_BOOL*& /*cancel*/) {}                 // 1
    virtual void NavigateComplete2(IDispatch* /*pDisp*/, VARIANT*& /*url*/) {}                        // 2
    // Kept for its place in the table; the control never calls it.
    virtual void ProgressChange(LONG /*progress*/, LONG /*progressMax*/) {}                         // 3
    virtual void NewWindow3(IDispatch** /*ppDisp*/, VARIANT_BOOL*& /*cancel*/, DWORD /*flags*/,
                            BSTR /*urlContext*/, BSTR /*url*/) {}                                      // 4
    virtual void CommandStateChange(long /*command*/, VARIANT_BOOL /*enable*/) {}                    // 5
    virtual void DocumentComplete(IDispatch* /*pDisp*/, VARIANT*& /*url*/) {}                         // 6

    virtual HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD /*id*/, POINT* /*pt*/, IUnknown* /*cmdTarget*/,
                                                      IDispatch* /*reserved*/) {
        return S_OK;  // no context menu
    }                                                                                                  // 7
    virtual HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* /*info*/) { return S_OK; }          // 8
    virtual HRESULT STDMETHODCALLTYPE ShowUI(DWORD /*id*/, IOleInPlaceActiveObject* /*activeObject*/,
                                             IOleCommandTarget* /*commandTarget*/, IOleInPlaceFrame* /*frame*/,
                                             IOleInPlaceUIWindow* /*doc*/) {
        return S_FALSE;
    }                                                                                                  // 9
    virtual HRESULT STDMETHODCALLTYPE HideUI() { return S_OK; }                                        // 10
    virtual HRESULT STDMETHODCALLTYPE UpdateUI() { return S_OK; }                                      // 11
    virtual HRESULT STDMETHODCALLTYPE EnableModeless(BOOL /*enable*/) { return S_OK; }                 // 12
    virtual HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL /*activate*/) { return S_OK; }          // 13
    virtual HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL /*activate*/) { return S_OK; }        // 14
    virtual HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT /*border*/, IOleInPlaceUIWindow* /*uiWindow*/,
                                                   BOOL /*frameWindow*/) {
        return S_OK;
    }                                                                                                  // 15
    virtual HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG /*msg*/, const GUID* /*group*/,
                                                           DWORD /*command*/) {
        return S_FALSE;
    }                                                                                                  // 16
    virtual HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* /*key*/, DWORD /*reserved*/) { return S_OK; }  // 17
    virtual HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget* /*dropTarget*/, IDropTarget** /*replacement*/) {
        return E_NOTIMPL;
    }                                                                                                  // 18
    virtual HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** /*external*/) { return E_NOTIMPL; }     // 19
    virtual HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD /*translate*/, LPWSTR /*urlIn*/, LPWSTR* /*urlOut*/) {
        return S_OK;
    }                                                                                                  // 20
    virtual HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject* /*in*/, IDataObject** /*out*/) { return S_OK; }  // 21
    virtual HRESULT STDMETHODCALLTYPE Download(IMoniker* /*moniker*/, IBindCtx* /*bindCtx*/, DWORD /*verb*/,
                                               LONG /*bindFlags*/, BINDINFO* /*bindInfo*/, LPCOLESTR /*headers*/,
                                               LPCOLESTR /*redirect*/, UINT /*codePage*/) {
        return S_OK;
    }                                                                                                  // 22

protected:
    // Not deleted through this interface: the table keeps its 23 slots.
    ~CWebBrowserEventHandler() = default;
};

}  // namespace SkinUI
