// Script names and what invoking them does.
#include "mainwindow/VLMainFrameExternal.h"

#include <cwchar>
#include <iterator>

namespace {

constexpr DISPID kSubmitId = 1;
constexpr const wchar_t* kScriptNames[] = {
    L"vl_submit", L"CB_Minimum", L"CB_Refresh", L"CB_ReceiveMsg", L"commit_question",
};

}  // namespace

STDMETHODIMP CVLMainFrameExternal::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CVLMainFrameExternal::AddRef() {
    return 1;
}

STDMETHODIMP_(ULONG) CVLMainFrameExternal::Release() {
    return 1;
}

STDMETHODIMP CVLMainFrameExternal::GetTypeInfoCount(UINT*) {
    return E_NOTIMPL;
}

STDMETHODIMP CVLMainFrameExternal::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

STDMETHODIMP CVLMainFrameExternal::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID,
                                                 DISPID* rgDispId) {
    if (cNames > 0 && (!rgszNames || !rgDispId)) return E_POINTER;
    HRESULT result = S_OK;
    for (UINT i = 0; i < cNames; ++i) {
        rgDispId[i] = DISPID_UNKNOWN;
        for (DISPID id = 1; id <= DISPID(std::size(kScriptNames)); ++id) {
            if (rgszNames[i] && wcscmp(rgszNames[i], kScriptNames[id - 1]) == 0) {
                rgDispId[i] = id;
                break;
            }
        }
        if (rgDispId[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

STDMETHODIMP CVLMainFrameExternal::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS*,
                                          VARIANT*, EXCEPINFO*, UINT*) {
    if (m_pCallback && dispIdMember == kSubmitId) {
        try {
            m_pCallback->UserLogin();
            m_pCallback->QueryRunningVm();  // the page gets no answer
        } catch (...) {
            // Nothing reaches the page, failures included.
        }
    }
    return S_OK;
}
