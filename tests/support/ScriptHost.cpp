// A minimal IActiveScriptSite around JScript.
#include "tests/support/ScriptHost.h"

#include <activscp.h>
#include <wrl/client.h>

namespace testsupport {
namespace {

using Microsoft::WRL::ComPtr;

// MinGW's uuid library lacks these; the values are the system's.
constexpr CLSID kClsidJScript = {
    0xf414c260, 0x6ac0, 0x11cf, {0xb6, 0xd1, 0x00, 0xaa, 0x00, 0xbb, 0xbb, 0x58}};
#ifdef _WIN64
constexpr IID kIidActiveScriptParse = {
    0xc7ef7658, 0xe1ee, 0x480e, {0x97, 0xea, 0xd5, 0x2c, 0xb4, 0xd7, 0x6d, 0x17}};
#else
constexpr IID kIidActiveScriptParse = {
    0xbb1a2ae2, 0xa4f9, 0x11cf, {0x8f, 0x20, 0x00, 0x80, 0x5f, 0x2c, 0xd0, 0x64}};
#endif

class ScriptSite : public IActiveScriptSite {
public:
    ScriptSite(std::wstring itemName, IDispatch* item, std::vector<std::wstring>& errors)
        : m_itemName(std::move(itemName)), m_item(item), m_errors(errors) {}
    virtual ~ScriptSite() = default;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IActiveScriptSite)) {
            *ppv = static_cast<IActiveScriptSite*>(this);
            AddRef();
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    // Lives on the caller's stack for the whole run.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP GetLCID(LCID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetItemInfo(LPCOLESTR name, DWORD mask, IUnknown** item,
                             ITypeInfo** typeInfo) override {
        if (item) *item = nullptr;
        if (typeInfo) *typeInfo = nullptr;
        if (!name || m_itemName != name) return TYPE_E_ELEMENTNOTFOUND;
        if (mask & SCRIPTINFO_IUNKNOWN) {
            if (!item) return E_POINTER;
            *item = m_item;
            m_item->AddRef();
        }
        return S_OK;
    }
    STDMETHODIMP GetDocVersionString(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
    STDMETHODIMP OnStateChange(SCRIPTSTATE) override { return S_OK; }
    STDMETHODIMP OnScriptError(IActiveScriptError* error) override {
        EXCEPINFO info = {};
        if (error && SUCCEEDED(error->GetExceptionInfo(&info))) {
            m_errors.push_back(info.bstrDescription ? info.bstrDescription : L"(no description)");
            SysFreeString(info.bstrSource);
            SysFreeString(info.bstrDescription);
            SysFreeString(info.bstrHelpFile);
        } else {
            m_errors.push_back(L"(no exception info)");
        }
        return S_OK;
    }
    STDMETHODIMP OnEnterScript() override { return S_OK; }
    STDMETHODIMP OnLeaveScript() override { return S_OK; }

private:
    std::wstring m_itemName;
    IDispatch* m_item;
    std::vector<std::wstring>& m_errors;
};

}  // namespace

ScriptRun RunJScript(const std::wstring& code, const std::wstring& itemName, IDispatch* item) {
    ScriptRun run;
    ScriptSite site(itemName, item, run.errors);
    ComPtr<IActiveScript> engine;
    if (FAILED(CoCreateInstance(kClsidJScript, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IActiveScript, reinterpret_cast<void**>(engine.GetAddressOf()))))
        return run;
    ComPtr<IActiveScriptParse> parser;
    if (FAILED(engine->QueryInterface(kIidActiveScriptParse,
                                      reinterpret_cast<void**>(parser.GetAddressOf()))))
        return run;
    if (FAILED(engine->SetScriptSite(&site)) || FAILED(parser->InitNew()) ||
        FAILED(engine->AddNamedItem(itemName.c_str(), SCRIPTITEM_ISVISIBLE)) ||
        FAILED(engine->SetScriptState(SCRIPTSTATE_CONNECTED))) {
        engine->Close();
        return run;
    }
    run.started = true;
    EXCEPINFO exception = {};
    run.parseResult = parser->ParseScriptText(code.c_str(), nullptr, nullptr, nullptr, 0, 0, 0,
                                              nullptr, &exception);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    engine->Close();
    return run;
}

}  // namespace testsupport
