// Test OLE objects: they record what the host asks and play their part of the
// in-place activation protocol the way real controls do.
#include "tests/support/TestOleObjects.h"

#include <string>

namespace testsupport {

using Microsoft::WRL::ComPtr;

const CLSID kClsidWindowlessObject = {0x6D1E0B1A, 0x5C47, 0x4F3B, {0x9A, 0x51, 0x0A, 0x7E, 0x2B, 0x6C, 0x00, 0x01}};
const CLSID kClsidWindowedObject = {0x6D1E0B1A, 0x5C47, 0x4F3B, {0x9A, 0x51, 0x0A, 0x7E, 0x2B, 0x6C, 0x00, 0x02}};
const CLSID kClsidFailingObject = {0x6D1E0B1A, 0x5C47, 0x4F3B, {0x9A, 0x51, 0x0A, 0x7E, 0x2B, 0x6C, 0x00, 0x03}};
const CLSID kClsidModuleObject = {0x6D1E0B1A, 0x5C47, 0x4F3B, {0x9A, 0x51, 0x0A, 0x7E, 0x2B, 0x6C, 0x00, 0x04}};

const CLSID kClsidCustomObject = {0x6D1E0B1A, 0x5C47, 0x4F3B, {0x9A, 0x51, 0x0A, 0x7E, 0x2B, 0x6C, 0x00, 0x05}};

TestOleObject* TestOleObject::last = nullptr;

namespace {

std::string RectText(const RECT& rc) {
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

}  // namespace

TestOleObject::TestOleObject(const TestObjectOptions& opts) : options(opts) { last = this; }

TestOleObject::~TestOleObject() {
    if (window) DestroyWindow(window);
    if (last == this) last = nullptr;
}

bool TestOleObject::Called(const std::string& call) const { return IndexOf(call) >= 0; }

int TestOleObject::IndexOf(const std::string& prefix) const {
    for (size_t i = 0; i < calls.size(); ++i)
        if (calls[i].compare(0, prefix.size(), prefix) == 0) return static_cast<int>(i);
    return -1;
}

STDMETHODIMP TestOleObject::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleObject) *ppv = static_cast<IOleObject*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceObject) *ppv = static_cast<IOleInPlaceObject*>(this);
    else if (riid == IID_IOleInPlaceObjectWindowless && options.windowless)
        *ppv = static_cast<IOleInPlaceObjectWindowless*>(this);
    else if (riid == IID_IViewObject || riid == IID_IViewObject2 || riid == IID_IViewObjectEx)
        *ppv = static_cast<IViewObjectEx*>(this);
    else if (riid == IID_IOleControl) *ppv = static_cast<IOleControl*>(this);
    else if (riid == IID_IPersist || riid == IID_IPersistStreamInit) *ppv = static_cast<IPersistStreamInit*>(this);
    else if (riid == IID_IObjectWithSite) *ppv = static_cast<IObjectWithSite*>(this);
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TestOleObject::AddRef() { return ++m_ref; }

STDMETHODIMP_(ULONG) TestOleObject::Release() {
    const ULONG count = --m_ref;
    if (count == 0) delete this;
    return count;
}

STDMETHODIMP TestOleObject::SetClientSite(IOleClientSite* clientSite) {
    calls.push_back(clientSite ? "SetClientSite" : "SetClientSite null");
    site = clientSite;
    return S_OK;
}

STDMETHODIMP TestOleObject::GetClientSite(IOleClientSite** clientSite) {
    if (!clientSite) return E_POINTER;
    *clientSite = site.Get();
    if (*clientSite) (*clientSite)->AddRef();
    return S_OK;
}

STDMETHODIMP TestOleObject::SetHostNames(LPCOLESTR app, LPCOLESTR object) {
    calls.push_back(std::string("SetHostNames ") + (app && std::wstring(app) == L"UIActiveX" ? "UIActiveX" : "?") +
                    (object ? " doc" : ""));
    return S_OK;
}

STDMETHODIMP TestOleObject::Close(DWORD saveOption) {
    calls.push_back("Close " + std::to_string(saveOption));
    InPlaceDeactivate();
    return S_OK;
}

STDMETHODIMP TestOleObject::DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND parent, LPCRECT rect) {
    calls.push_back("DoVerb " + std::to_string(verb) + (activeSite ? " site" : ""));
    verbParent = parent;
    if (rect) verbRect = *rect;
    if (verb == OLEIVERB_INPLACEACTIVATE && !active) return Activate();
    if (verb == OLEIVERB_UIACTIVATE) {
        ComPtr<IOleInPlaceSite> inPlace;
        if (site && SUCCEEDED(site.As(&inPlace))) inPlace->OnUIActivate();
    }
    return S_OK;
}

HRESULT TestOleObject::Activate() {
    if (!site) return E_UNEXPECTED;
    if (options.windowless) {
        ComPtr<IOleInPlaceSiteWindowless> windowlessSite;
        HRESULT hr = site.As(&windowlessSite);
        if (FAILED(hr)) return hr;
        if (windowlessSite->CanWindowlessActivate() != S_OK) return E_FAIL;
        BOOL noRedraw = TRUE;
        activateResult = windowlessSite->OnInPlaceActivateEx(&noRedraw, ACTIVATE_WINDOWLESS);
    } else {
        ComPtr<IOleInPlaceSite> inPlace;
        HRESULT hr = site.As(&inPlace);
        if (FAILED(hr)) return hr;
        HWND parent = nullptr;
        if (FAILED(inPlace->GetWindow(&parent)) || !parent) return E_FAIL;
        window = CreateWindowExA(0, "STATIC", "TestOleObject", WS_CHILD | WS_VISIBLE, 0, 0, 1, 1, parent, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        activateResult = inPlace->OnInPlaceActivate();
    }
    if (FAILED(activateResult)) return activateResult;
    active = true;
    ComPtr<IOleInPlaceSite> inPlace;
    site.As(&inPlace);
    ComPtr<IOleInPlaceUIWindow> doc;
    RECT pos = {}, clip = {};
    OLEINPLACEFRAMEINFO info = {};
    info.cb = sizeof(info);
    inPlace->GetWindowContext(frame.ReleaseAndGetAddressOf(), doc.GetAddressOf(), &pos, &clip, &info);
    return S_OK;
}

STDMETHODIMP TestOleObject::GetUserClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = options.windowless ? kClsidWindowlessObject : kClsidWindowedObject;
    return S_OK;
}

STDMETHODIMP TestOleObject::SetExtent(DWORD aspect, SIZEL* size) {
    if (aspect == DVASPECT_CONTENT && size) extent = *size;
    calls.push_back("SetExtent");
    return S_OK;
}

STDMETHODIMP TestOleObject::GetMiscStatus(DWORD, DWORD* status) {
    if (!status) return E_POINTER;
    *status = options.miscStatus;
    return S_OK;
}

STDMETHODIMP TestOleObject::GetWindow(HWND* hwnd) {
    if (!hwnd) return E_POINTER;
    *hwnd = window;
    return window ? S_OK : E_FAIL;
}

STDMETHODIMP TestOleObject::InPlaceDeactivate() {
    if (!active) return S_OK;
    active = false;
    if (window) {
        DestroyWindow(window);
        window = nullptr;
    }
    ComPtr<IOleInPlaceSite> inPlace;
    if (site && SUCCEEDED(site.As(&inPlace))) inPlace->OnInPlaceDeactivate();
    frame.Reset();
    return S_OK;
}

STDMETHODIMP TestOleObject::SetObjectRects(LPCRECT pos, LPCRECT) {
    if (!pos) return E_POINTER;
    objectRect = *pos;
    calls.push_back("SetObjectRects " + RectText(*pos));
    if (window)
        MoveWindow(window, pos->left, pos->top, pos->right - pos->left, pos->bottom - pos->top, TRUE);
    return S_OK;
}

STDMETHODIMP TestOleObject::OnWindowMessage(UINT msg, WPARAM, LPARAM, LRESULT* result) {
    messages.push_back(msg);
    if (result) *result = 42;
    return S_OK;
}

STDMETHODIMP TestOleObject::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC drawDc, LPCRECTL bounds,
                                 LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT || !drawDc || !bounds) return E_INVALIDARG;
    RECT rc = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    calls.push_back("Draw " + RectText(rc));
    HBRUSH brush = CreateSolidBrush(RGB((kObjectColour >> 16) & 0xFF, (kObjectColour >> 8) & 0xFF,
                                        kObjectColour & 0xFF));
    FillRect(drawDc, &rc, brush);
    DeleteObject(brush);
    return S_OK;
}

STDMETHODIMP TestOleObject::QueryHitPoint(DWORD, LPCRECT bounds, POINT pt, LONG, DWORD* hit) {
    if (!bounds || !hit) return E_POINTER;
    RECT left = *bounds;
    left.right = (bounds->left + bounds->right) / 2;
    *hit = PtInRect(&left, pt) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
    return S_OK;
}

STDMETHODIMP TestOleObject::InitNew() {
    calls.push_back("InitNew");
    return options.failInitNew ? E_FAIL : S_OK;
}

STDMETHODIMP TestOleObject::SetSite(IUnknown* newSite) {
    calls.push_back(newSite ? "SetSite" : "SetSite null");
    siteOfObject = newSite;
    return S_OK;
}

STDMETHODIMP TestOleObject::GetSite(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    return siteOfObject ? siteOfObject->QueryInterface(riid, ppv) : E_FAIL;
}

// --- factory and registration ------------------------------------------------------------

STDMETHODIMP TestObjectFactory::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IClassFactory) return E_NOINTERFACE;
    *ppv = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TestObjectFactory::AddRef() { return ++m_ref; }

STDMETHODIMP_(ULONG) TestObjectFactory::Release() {
    const ULONG count = --m_ref;
    if (count == 0) delete this;
    return count;
}

STDMETHODIMP TestObjectFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    if (m_fail) return E_OUTOFMEMORY;
    auto* object = new TestOleObject(m_options);
    const HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
}

ScopedClassRegistration::ScopedClassRegistration(const CLSID& clsid, const TestObjectOptions& options, bool fail,
                                                 const char* progId) {
    ComPtr<IClassFactory> factory;
    factory.Attach(new TestObjectFactory(options, fail));
    if (FAILED(CoRegisterClassObject(clsid, factory.Get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_cookie)))
        m_cookie = 0;
    if (!progId) return;
    m_progId = progId;
    wchar_t wide[64] = {};
    StringFromGUID2(clsid, wide, 64);
    char text[64] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, (m_progId + "\\CLSID").c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>(strlen(text) + 1));
        RegCloseKey(key);
    }
}

ScopedClassRegistration::~ScopedClassRegistration() {
    if (m_cookie) CoRevokeClassObject(m_cookie);
    if (!m_progId.empty()) {
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (m_progId + "\\CLSID").c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, m_progId.c_str());
    }
}

}  // namespace testsupport
