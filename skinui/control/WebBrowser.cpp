// CWebBrowserUI: the browser element, its event sink and its answers to the
// browser's host questions.
#include "skinui/control/WebBrowser.h"

#include <exdispid.h>
#include <mshtml.h>

#include <cstring>
#include <string>

#include "skinui/core/PaintManager.h"

namespace SkinUI {

using Microsoft::WRL::ComPtr;

namespace {

// Defined here: MinGW's libuuid lacks these.
constexpr GUID kClsidWebBrowser = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
constexpr GUID kIidDownloadManager = {0x988934A4, 0x064B, 0x11D3, {0xBB, 0x80, 0x00, 0x10, 0x4B, 0x35, 0xE7, 0xF9}};
constexpr GUID kIidCustomDoc = {0x3050F3F0, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};
constexpr GUID kCgidDocHostCommandHandler = {
    0xF38BC242, 0xB950, 0x11D1, {0x89, 0x18, 0x00, 0xC0, 0x4F, 0xC2, 0xC8, 0x36}};
constexpr GUID kIidHtmlDocument2 = {0x332C4425, 0x26CB, 0x11D0, {0xB4, 0x83, 0x00, 0xC0, 0x4F, 0xD9, 0x01, 0x19}};

constexpr UINT kKeyFirst = 0x100;
constexpr UINT kKeyLast = 0x108;
constexpr LCID kScriptErrorLocale = 0x800;

// Argument counts of the events relayed to the handler.
UINT ArgumentsOf(DISPID id) {
    switch (id) {
        case DISPID_COMMANDSTATECHANGE: return 2;
        case DISPID_BEFORENAVIGATE2: return 7;
        case DISPID_NAVIGATECOMPLETE2: return 2;
        case DISPID_DOCUMENTCOMPLETE: return 2;
        case DISPID_NAVIGATEERROR: return 5;
        case DISPID_NEWWINDOW3: return 5;
        default: return 0;
    }
}

// One property of the script error's event object, read by name.
HRESULT ReadProperty(IDispatch* object, const wchar_t* name, VARIANT* value) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, kScriptErrorLocale, &id);
    if (FAILED(hr)) return hr;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    return object->Invoke(id, IID_NULL, kScriptErrorLocale, DISPATCH_PROPERTYGET, &none, value, nullptr, nullptr);
}

}  // namespace

CWebBrowserUI::CWebBrowserUI() { m_clsid = kClsidWebBrowser; }

CWebBrowserUI::~CWebBrowserUI() {
    // The event connection goes before the object is closed.
    CWebBrowserUI::ReleaseHostedObject();
    CActiveXUI::ReleaseHostedObject();
}

const char* CWebBrowserUI::GetTypeName() const { return "WebBrowserUI"; }

void* CWebBrowserUI::AsInterface(const char* name) {
    if (name && strcmp(name, "WebBrowser") == 0) return this;
    return CActiveXUI::AsInterface(name);
}

void CWebBrowserUI::SetAttribute(const char* name, const char* value) {
    if (strcmp(name, "homepage") == 0) m_sHomePage = value;
    else if (strcmp(name, "autonavi") == 0) m_bAutoNavi = attr::ParseBool(value);
    else CActiveXUI::SetAttribute(name, value);
}

bool CWebBrowserUI::DoCreateControl() {
    if (!CActiveXUI::DoCreateControl()) return false;
    if (m_pManager) {
        m_pManager->RemoveAccelerator(this);
        m_pManager->AddAccelerator(this);
    }
    GetControl(IID_IWebBrowser2, reinterpret_cast<void**>(m_pWebBrowser2.ReleaseAndGetAddressOf()));
    // Connected first: the browser raises BeforeNavigate2 inside Navigate2,
    // and the handler must see (and may cancel) the home page's too.
    RegisterEventHandler(true);
    if (m_bAutoNavi && !m_sHomePage.IsEmpty()) Navigate2(m_sHomePage.GetData());
    return true;
}

void CWebBrowserUI::ReleaseHostedObject() {
    m_bCreated = false;
    if (m_pManager) m_pManager->RemoveAccelerator(this);
    if (m_dwCookie) RegisterEventHandler(false);
    m_pWebBrowser2.Reset();
    // Without this a second creation would leave the first browser open.
    CActiveXUI::ReleaseHostedObject();
}

HRESULT CWebBrowserUI::RegisterEventHandler(bool advise) {
    ComPtr<IWebBrowser2> browser;
    HRESULT hr = GetControl(IID_IWebBrowser2, reinterpret_cast<void**>(browser.GetAddressOf()));
    if (FAILED(hr)) return hr;
    ComPtr<IConnectionPointContainer> container;
    hr = browser.As(&container);
    if (FAILED(hr)) return hr;
    ComPtr<IConnectionPoint> point;
    hr = container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.GetAddressOf());
    if (FAILED(hr)) return hr;
    if (advise) return point->Advise(static_cast<IDispatch*>(this), &m_dwCookie);
    hr = point->Unadvise(m_dwCookie);
    m_dwCookie = 0;
    return hr;
}

void CWebBrowserUI::Navigate2(const char* url) {
    if (!url || !m_pWebBrowser2) return;
    const int length = ::MultiByteToWideChar(CP_THREAD_ACP, 0, url, -1, nullptr, 0);
    if (length <= 0) return;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_THREAD_ACP, 0, url, -1, &wide[0], length);
    VARIANT target;
    ::VariantInit(&target);
    target.vt = VT_BSTR;
    target.bstrVal = ::SysAllocString(wide.c_str());
    if (!target.bstrVal) return;
    m_pWebBrowser2->Navigate2(&target, nullptr, nullptr, nullptr, nullptr);
    ::VariantClear(&target);
}

void CWebBrowserUI::GoBack() {
    // Without history the browser refuses; there is nothing else to do.
    if (m_pWebBrowser2) m_pWebBrowser2->GoBack();
}

HRESULT STDMETHODCALLTYPE CWebBrowserUI::Download(IMoniker* moniker, IBindCtx* bindCtx, DWORD verb, LONG bindFlags,
                                                  BINDINFO* bindInfo, LPCOLESTR headers, LPCOLESTR redirect,
                                                  UINT codePage) {
    if (!m_pWebBrowserEventHandler) return S_OK;
    return m_pWebBrowserEventHandler->Download(moniker, bindCtx, verb, bindFlags, bindInfo, headers, redirect,
                                               codePage);
}

void CWebBrowserUI::AttachHostUIHandler() {
    if (!m_pWebBrowser2) return;
    ComPtr<IDispatch> document;
    if (FAILED(m_pWebBrowser2->get_Document(document.GetAddressOf())) || !document) return;
    ComPtr<ICustomDoc> custom;
    if (FAILED(document->QueryInterface(kIidCustomDoc, reinterpret_cast<void**>(custom.GetAddressOf()))) || !custom)
        return;
    custom->SetUIHandler(static_cast<IDocHostUIHandler*>(this));
}

// --- IUnknown ----------------------------------------------------------------------------------

STDMETHODIMP CWebBrowserUI::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IDocHostUIHandler) *ppv = static_cast<IDocHostUIHandler*>(this);
    else if (riid == IID_IDispatch || riid == DIID_DWebBrowserEvents2 || riid == IID_IUnknown)
        *ppv = static_cast<IDispatch*>(this);
    else if (riid == IID_IServiceProvider) *ppv = static_cast<IServiceProvider*>(this);
    else if (riid == IID_IOleCommandTarget) *ppv = static_cast<IOleCommandTarget*>(this);
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CWebBrowserUI::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_dwRef)); }

// The control tree owns the element; the count only reports.
STDMETHODIMP_(ULONG) CWebBrowserUI::Release() { return static_cast<ULONG>(::InterlockedDecrement(&m_dwRef)); }

// --- IDispatch: DWebBrowserEvents2 ---------------------------------------------------------------

STDMETHODIMP CWebBrowserUI::GetTypeInfoCount(UINT* count) {
    if (count) *count = 0;
    return E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP CWebBrowserUI::Invoke(DISPID id, REFIID riid, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                   UINT*) {
    if (riid != IID_NULL) return E_INVALIDARG;
    if (id == DISPID_STATUSTEXTCHANGE) return S_OK;
    const UINT needed = ArgumentsOf(id);
    if (needed == 0) return DISP_E_MEMBERNOTFOUND;
    // A short or missing argument list is refused rather than read past.
    if (!params || !params->rgvarg || params->cArgs < needed) return DISP_E_BADPARAMCOUNT;

    VARIANT* arg = params->rgvarg;
    CWebBrowserEventHandler* handler = m_pWebBrowserEventHandler;
    switch (id) {
        case DISPID_COMMANDSTATECHANGE:
            if (handler) handler->CommandStateChange(arg[1].lVal, arg[0].boolVal);
            break;
        case DISPID_BEFORENAVIGATE2: {
            VARIANT* url = &arg[5];
            VARIANT* flags = &arg[4];
            VARIANT* frame = &arg[3];
            VARIANT* postData = &arg[2];
            VARIANT* headers = &arg[1];
            if (handler)
                handler->BeforeNavigate2(arg[6].pdispVal, url, flags, frame, postData, headers, arg[0].pboolVal);
            break;
        }
        case DISPID_NAVIGATECOMPLETE2:
        case DISPID_DOCUMENTCOMPLETE: {
            AttachHostUIHandler();
            VARIANT* url = &arg[0];
            if (!handler) break;
            if (id == DISPID_NAVIGATECOMPLETE2) handler->NavigateComplete2(arg[1].pdispVal, url);
            else handler->DocumentComplete(arg[1].pdispVal, url);
            break;
        }
        case DISPID_NAVIGATEERROR: {
            VARIANT* url = &arg[3];
            VARIANT* frame = &arg[2];
            VARIANT* status = &arg[1];
            if (handler) handler->NavigateError(arg[4].pdispVal, url, frame, status, arg[0].pboolVal);
            break;
        }
        case DISPID_NEWWINDOW3:
            if (handler)
                handler->NewWindow3(arg[4].ppdispVal, arg[3].pboolVal, static_cast<DWORD>(arg[2].lVal), arg[1].bstrVal,
                                    arg[0].bstrVal);
            break;
        default:
            break;
    }
    return S_OK;
}

// --- IDocHostUIHandler -----------------------------------------------------------------------------

STDMETHODIMP CWebBrowserUI::ShowContextMenu(DWORD id, POINT* pt, IUnknown* cmdTarget, IDispatch* reserved) {
    if (!m_pWebBrowserEventHandler) return S_FALSE;
    return m_pWebBrowserEventHandler->ShowContextMenu(id, pt, cmdTarget, reserved);
}

STDMETHODIMP CWebBrowserUI::GetHostInfo(DOCHOSTUIINFO* info) {
    if (!m_pWebBrowserEventHandler) return E_NOTIMPL;
    return m_pWebBrowserEventHandler->GetHostInfo(info);
}

STDMETHODIMP CWebBrowserUI::ShowUI(DWORD id, IOleInPlaceActiveObject* activeObject, IOleCommandTarget* commandTarget,
                                   IOleInPlaceFrame* frame, IOleInPlaceUIWindow* doc) {
    if (!m_pWebBrowserEventHandler) return S_OK;
    return m_pWebBrowserEventHandler->ShowUI(id, activeObject, commandTarget, frame, doc);
}

STDMETHODIMP CWebBrowserUI::HideUI() {
    return m_pWebBrowserEventHandler ? m_pWebBrowserEventHandler->HideUI() : S_OK;
}

STDMETHODIMP CWebBrowserUI::UpdateUI() {
    return m_pWebBrowserEventHandler ? m_pWebBrowserEventHandler->UpdateUI() : S_OK;
}

STDMETHODIMP CWebBrowserUI::EnableModeless(BOOL enable) {
    return m_pWebBrowserEventHandler ? m_pWebBrowserEventHandler->EnableModeless(enable) : E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::OnDocWindowActivate(BOOL activate) {
    return m_pWebBrowserEventHandler ? m_pWebBrowserEventHandler->OnDocWindowActivate(activate) : E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::OnFrameWindowActivate(BOOL activate) {
    return m_pWebBrowserEventHandler ? m_pWebBrowserEventHandler->OnFrameWindowActivate(activate) : E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* uiWindow, BOOL frameWindow) {
    return m_pWebBrowserEventHandler ? m_pWebBrowserEventHandler->ResizeBorder(border, uiWindow, frameWindow)
                                     : E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::TranslateAccelerator(LPMSG msg, const GUID* group, DWORD command) {
    return m_pWebBrowserEventHandler ? m_pWebBrowserEventHandler->TranslateAccelerator(msg, group, command) : S_FALSE;
}

STDMETHODIMP CWebBrowserUI::GetOptionKeyPath(LPOLESTR* key, DWORD reserved) {
    return m_pWebBrowserEventHandler ? m_pWebBrowserEventHandler->GetOptionKeyPath(key, reserved) : E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::GetDropTarget(IDropTarget* dropTarget, IDropTarget** replacement) {
    if (m_pWebBrowserEventHandler) return m_pWebBrowserEventHandler->GetDropTarget(dropTarget, replacement);
    if (replacement) *replacement = nullptr;
    return S_FALSE;
}

STDMETHODIMP CWebBrowserUI::GetExternal(IDispatch** external) {
    if (m_pWebBrowserEventHandler) return m_pWebBrowserEventHandler->GetExternal(external);
    if (external) *external = nullptr;
    return S_FALSE;
}

STDMETHODIMP CWebBrowserUI::TranslateUrl(DWORD translate, LPWSTR urlIn, LPWSTR* urlOut) {
    if (m_pWebBrowserEventHandler) return m_pWebBrowserEventHandler->TranslateUrl(translate, urlIn, urlOut);
    if (urlOut) *urlOut = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::FilterDataObject(IDataObject* in, IDataObject** out) {
    if (m_pWebBrowserEventHandler) return m_pWebBrowserEventHandler->FilterDataObject(in, out);
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

// --- IServiceProvider ---------------------------------------------------------------------------------

STDMETHODIMP CWebBrowserUI::QueryService(REFGUID service, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (service == kIidDownloadManager && riid == kIidDownloadManager) {
        *ppv = static_cast<IDownloadManager*>(&m_downloadFace);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP CWebBrowserUI::DownloadManagerFace::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == kIidDownloadManager) {
        *ppv = static_cast<IDownloadManager*>(this);
        AddRef();
        return S_OK;
    }
    return m_pOwner->QueryInterface(riid, ppv);
}

STDMETHODIMP_(ULONG) CWebBrowserUI::DownloadManagerFace::AddRef() { return m_pOwner->AddRef(); }
STDMETHODIMP_(ULONG) CWebBrowserUI::DownloadManagerFace::Release() { return m_pOwner->Release(); }

STDMETHODIMP CWebBrowserUI::DownloadManagerFace::Download(IMoniker* moniker, IBindCtx* bindCtx, DWORD verb,
                                                          LONG bindFlags, BINDINFO* bindInfo, LPCOLESTR headers,
                                                          LPCOLESTR redirect, UINT codePage) {
    return m_pOwner->Download(moniker, bindCtx, verb, bindFlags, bindInfo, headers, redirect, codePage);
}

// --- IOleCommandTarget ------------------------------------------------------------------------------------

STDMETHODIMP CWebBrowserUI::QueryStatus(const GUID*, ULONG, OLECMD*, OLECMDTEXT*) { return OLECMDERR_E_NOTSUPPORTED; }

STDMETHODIMP CWebBrowserUI::Exec(const GUID* group, DWORD id, DWORD, VARIANT* in, VARIANT* out) {
    if (!group || *group != kCgidDocHostCommandHandler) return OLECMDERR_E_UNKNOWNGROUP;
    if (id != OLECMDID_SHOWSCRIPTERROR) return OLECMDERR_E_NOTSUPPORTED;

    // Read the error's details as the browser reports them; whatever of
    // them can be had, the answer is the same: keep the script running and
    // show no dialog.
    HRESULT hr = S_OK;
    ComPtr<IHTMLDocument2> document;
    if (in && in->vt == VT_UNKNOWN && in->punkVal)
        in->punkVal->QueryInterface(kIidHtmlDocument2, reinterpret_cast<void**>(document.GetAddressOf()));
    else if (in && in->vt == VT_DISPATCH && in->pdispVal)
        in->pdispVal->QueryInterface(kIidHtmlDocument2, reinterpret_cast<void**>(document.GetAddressOf()));
    ComPtr<IHTMLWindow2> window;
    if (document) document->get_parentWindow(window.GetAddressOf());
    ComPtr<IHTMLEventObj> event;
    if (window) window->get_event(event.GetAddressOf());
    ComPtr<IDispatch> eventDispatch;
    if (event) event.As(&eventDispatch);
    if (eventDispatch) {
        static const wchar_t* const kNames[] = {L"errorLine", L"errorCharacter", L"errorCode", L"errorMessage",
                                                L"errorUrl"};
        for (const wchar_t* name : kNames) {
            VARIANT value;
            ::VariantInit(&value);
            hr = ReadProperty(eventDispatch.Get(), name, &value);
            ::VariantClear(&value);
        }
    }
    if (out) {
        ::VariantClear(out);
        out->vt = VT_BOOL;
        out->boolVal = VARIANT_TRUE;
    }
    return hr;
}

// --- ITranslateAccelerator ----------------------------------------------------------------------------------

LRESULT CWebBrowserUI::TranslateAccel(MSG* pMsg) {
    if (!pMsg || pMsg->message < kKeyFirst || pMsg->message > kKeyLast) return S_FALSE;
    if (!m_pWebBrowser2) return E_NOTIMPL;
    HWND host = m_hwndHost;
    bool inside = false;
    for (HWND hwnd = ::GetFocus(); hwnd && host; hwnd = ::GetParent(hwnd)) {
        if (hwnd == host) {
            inside = true;
            break;
        }
    }
    if (!inside) return S_FALSE;
    ComPtr<IOleInPlaceActiveObject> active;
    if (FAILED(m_pWebBrowser2.As(&active)) || !active) return S_FALSE;
    return active->TranslateAccelerator(pMsg);
}

}  // namespace SkinUI
