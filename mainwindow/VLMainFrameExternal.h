// The page's window.external: a late-bound automation object whose one live
// name, "vl_submit", logs in and asks for the running instance.
#pragma once

#include <oaidl.h>

#include "mainwindow/VLMainDlgExternalCallback.h"

class CVLMainFrameExternal : public IDispatch {
public:
    CVLMainFrameExternal() = default;
    CVLMainFrameExternal(const CVLMainFrameExternal&) = delete;
    CVLMainFrameExternal& operator=(const CVLMainFrameExternal&) = delete;
    virtual ~CVLMainFrameExternal() = default;

    // Set once by the main window's constructor.
    void SetCallback(CVLMainDlgExternalCallback* callback) { m_pCallback = callback; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    // The object lives inside the main window: counting is a no-op.
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                               DISPID* rgDispId) override;
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                        DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                        UINT* puArgErr) override;

private:
    CVLMainDlgExternalCallback* m_pCallback = nullptr;
};
