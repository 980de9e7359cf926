// CActiveXUI: creating, sizing, painting and releasing the hosted object.
#include "skinui/control/ActiveX.h"

#include <ocidl.h>

#include <cstring>
#include <string>

#include "skinui/control/ActiveXCtrl.h"
#include "skinui/core/GdiHandles.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {

using Microsoft::WRL::ComPtr;

namespace {

// Message ranges as the host forwards them (newer headers widen both).
constexpr UINT kMouseFirst = 0x200;
constexpr UINT kMouseLast = 0x20D;
constexpr UINT kKeyFirst = 0x100;
constexpr UINT kKeyLast = 0x108;

bool IsNullClsid(const CLSID& clsid) { return IsEqualGUID(clsid, GUID_NULL) != FALSE; }

bool Intersects(const RECT& a, const RECT& b) {
    RECT both;
    return ::IntersectRect(&both, &a, &b) != FALSE;
}

// The factory of a DLL that is never unloaded (the object may outlive us).
HRESULT CreateFromModule(const char* module, const CLSID& clsid, IUnknown** out) {
    HMODULE library = ::LoadLibraryA(module);
    if (!library) return HRESULT_FROM_WIN32(::GetLastError());
    using GetClassObjectProc = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto getClassObject =
        reinterpret_cast<GetClassObjectProc>(reinterpret_cast<void*>(::GetProcAddress(library, "DllGetClassObject")));
    if (!getClassObject) return E_NOINTERFACE;
    ComPtr<IClassFactory> factory;
    HRESULT hr = getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(factory.GetAddressOf()));
    if (FAILED(hr) || !factory) return FAILED(hr) ? hr : E_NOINTERFACE;
    return factory->CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(out));
}

}  // namespace

CActiveXUI::CActiveXUI() : m_clsid(GUID_NULL) {}

CActiveXUI::~CActiveXUI() { CActiveXUI::ReleaseHostedObject(); }

const char* CActiveXUI::GetTypeName() const { return "ActiveXUI"; }

void* CActiveXUI::AsInterface(const char* name) {
    if (name && strcmp(name, "ActiveX") == 0) return this;
    return CControlUI::AsInterface(name);
}

bool CActiveXUI::IsWindowedObject() const { return m_pControl && !m_pControl->m_bWindowless; }

void CActiveXUI::SetPos(RECT rc) {
    CControlUI::SetPos(rc);
    if (!m_bCreated) DoCreateControl();
    if (!m_pUnk || !m_pControl) return;

    SIZEL pixels = {m_rcItem.right - m_rcItem.left, m_rcItem.bottom - m_rcItem.top};
    SIZEL himetric = {0, 0};
    {
        WindowDc screen = GetWindowDc(nullptr);
        himetric.cx = ::MulDiv(pixels.cx, 2540, ::GetDeviceCaps(screen.get(), LOGPIXELSX));
        himetric.cy = ::MulDiv(pixels.cy, 2540, ::GetDeviceCaps(screen.get(), LOGPIXELSY));
    }
    m_pUnk->SetExtent(DVASPECT_CONTENT, &himetric);
    if (m_pControl->m_pInPlaceObject) {
        RECT rcObject = m_pControl->ObjectRect();
        m_pControl->m_pInPlaceObject->SetObjectRects(&rcObject, &rcObject);
    }
    if (IsWindowedObject() && m_pControl->m_pWindow) {
        ::MoveWindow(m_pControl->m_pWindow->GetHWND(), m_rcItem.left, m_rcItem.top,
                     m_rcItem.right - m_rcItem.left, m_rcItem.bottom - m_rcItem.top, TRUE);
    }
}

void CActiveXUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    if (m_hwndHost && IsWindowedObject()) ::ShowWindow(m_hwndHost, IsVisible() ? SW_SHOW : SW_HIDE);
}

void CActiveXUI::SetVisibleByParent(bool visible) {
    CControlUI::SetVisibleByParent(visible);
    if (m_hwndHost && IsWindowedObject()) ::ShowWindow(m_hwndHost, IsVisible() ? SW_SHOW : SW_HIDE);
}

void CActiveXUI::SetAttribute(const char* name, const char* value) {
    if (strcmp(name, "clsid") == 0) SetClsid(value);
    else if (strcmp(name, "modulename") == 0) SetModuleName(value);
    else if (strcmp(name, "delaycreate") == 0) SetDelayCreate(attr::ParseBool(value));
    else CControlUI::SetAttribute(name, value);
}

void CActiveXUI::Paint(HDC hDC, const RECT& rcDirty) {
    if (!Intersects(rcDirty, m_rcItem)) return;
    if (!m_pControl || !m_pControl->m_bWindowless || !m_pControl->m_pViewObject) return;
    RECTL bounds = {m_rcItem.left, m_rcItem.top, m_rcItem.right, m_rcItem.bottom};
    m_pControl->m_pViewObject->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, hDC, &bounds, nullptr,
                                    nullptr, 0);
}

bool CActiveXUI::SetClsid(const char* text) {
    if (!text) return false;
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0) return false;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(wcslen(wide.c_str()));
    if (wide.size() > 98) wide.resize(98);  // the text fits a 100-character buffer

    CLSID clsid = GUID_NULL;
    const HRESULT hr =
        wide[0] == L'{' ? ::CLSIDFromString(wide.c_str(), &clsid) : ::CLSIDFromProgID(wide.c_str(), &clsid);
    if (FAILED(hr)) clsid = GUID_NULL;
    return SetClsid(clsid);
}

bool CActiveXUI::SetClsid(const CLSID& clsid) {
    if (IsNullClsid(clsid)) return false;
    m_clsid = clsid;
    m_bCreated = false;
    if (!m_bDelayCreate) DoCreateControl();
    return true;
}

void CActiveXUI::SetModuleName(const char* name) { m_sModuleName = name; }

void CActiveXUI::SetDelayCreate(bool delay) {
    if (m_bDelayCreate == delay) return;
    m_bDelayCreate = delay;
    if (!delay && !m_bCreated && !IsNullClsid(m_clsid)) DoCreateControl();
}

HRESULT CActiveXUI::GetControl(const IID& iid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (!m_pUnk) return E_PENDING;
    return m_pUnk->QueryInterface(iid, ppv);
}

bool CActiveXUI::DoCreateControl() {
    if (IsNullClsid(m_clsid)) return false;
    ReleaseHostedObject();
    m_bCreated = true;

    ComPtr<IUnknown> created;
    HRESULT hr = E_FAIL;
    if (!m_sModuleName.IsEmpty()) hr = CreateFromModule(m_sModuleName.GetData(), m_clsid, created.GetAddressOf());
    if (FAILED(hr) || !created) {
        created.Reset();
        hr = ::CoCreateInstance(m_clsid, nullptr, CLSCTX_ALL, IID_IOleControl,
                                reinterpret_cast<void**>(created.GetAddressOf()));
        if (FAILED(hr) || !created) return false;
    }
    if (FAILED(created.As(&m_pUnk)) || !m_pUnk) return false;
    created.Reset();

    m_pControl.Attach(new CActiveXCtrl(this));

    DWORD miscStatus = 0;
    m_pUnk->GetMiscStatus(DVASPECT_CONTENT, &miscStatus);
    ComPtr<IOleClientSite> clientSite;
    m_pControl.As(&clientSite);
    if (miscStatus & OLEMISC_SETCLIENTSITEFIRST) m_pUnk->SetClientSite(clientSite.Get());

    ComPtr<IPersistStreamInit> persist;
    if (SUCCEEDED(m_pUnk.As(&persist)) && persist) {
        hr = persist->InitNew();
        if (FAILED(hr)) return false;
    }
    if (!(miscStatus & OLEMISC_SETCLIENTSITEFIRST)) m_pUnk->SetClientSite(clientSite.Get());

    ComPtr<IViewObjectEx> viewEx;
    ComPtr<IViewObject2> view2;
    if (SUCCEEDED(m_pUnk.As(&viewEx)) && viewEx) m_pControl->m_pViewObject = viewEx;
    else if (SUCCEEDED(m_pUnk.As(&view2)) && view2) m_pControl->m_pViewObject = view2;
    else m_pUnk.As(&m_pControl->m_pViewObject);

    m_pUnk->SetHostNames(L"UIActiveX", nullptr);
    if (m_pManager) m_pManager->SendNotification(this, "showactivex", 0, 0, false);

    if (!(miscStatus & OLEMISC_INVISIBLEATRUNTIME)) {
        HWND parent = m_pManager ? m_pManager->PaintWindow() : nullptr;
        hr = m_pUnk->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, clientSite.Get(), 0, parent, &m_rcItem);
    }
    ComPtr<IObjectWithSite> withSite;
    if (m_pUnk && SUCCEEDED(m_pUnk.As(&withSite)) && withSite) {
        ComPtr<IUnknown> site;
        m_pControl.As(&site);
        withSite->SetSite(site.Get());
    }
    return SUCCEEDED(hr);
}

void CActiveXUI::ReleaseHostedObject() {
    m_hwndHost = nullptr;
    if (m_pUnk) {
        ComPtr<IObjectWithSite> withSite;
        if (SUCCEEDED(m_pUnk.As(&withSite)) && withSite) withSite->SetSite(nullptr);
        m_pUnk->Close(OLECLOSE_NOSAVE);
        m_pUnk->SetClientSite(nullptr);
        m_pUnk.Reset();
    }
    if (m_pControl) {
        m_pControl->m_pOwner = nullptr;
        // The object may keep the site alive; its window and references go now.
        m_pControl->DestroyWindow();
        m_pControl->m_pInPlaceObject.Reset();
        m_pControl->m_pViewObject.Reset();
        m_pControl->m_bInPlaceActive = false;
        m_pControl.Reset();
    }
    if (m_pManager) m_pManager->RemoveFilter(this);
}

LRESULT CActiveXUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
    if (!m_pControl || !m_pControl->m_bInPlaceActive || !m_pControl->m_pInPlaceObject) return 0;
    const bool isMouse = uMsg >= kMouseFirst && uMsg <= kMouseLast;
    if (isMouse && !IsMouseEnabled()) return 0;

    bool pass = false;
    if (isMouse || uMsg == WM_SETCURSOR) {
        if (m_pControl->m_bCaptured) {
            pass = true;
        } else {
            ComPtr<IViewObjectEx> viewEx;
            if (m_pControl->m_pViewObject && SUCCEEDED(m_pControl->m_pViewObject.As(&viewEx)) && viewEx) {
                POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                DWORD hit = HITRESULT_OUTSIDE;
                viewEx->QueryHitPoint(DVASPECT_CONTENT, &m_rcItem, pt, 0, &hit);
                pass = hit == HITRESULT_HIT;
            }
        }
    } else if (uMsg >= kKeyFirst && uMsg <= kKeyLast) {
        pass = IsFocused();
    } else if (uMsg == WM_HELP || uMsg == WM_CONTEXTMENU) {
        pass = true;
    }
    if (!pass) return 0;

    ComPtr<IOleInPlaceObjectWindowless> windowless;
    if (FAILED(m_pControl->m_pInPlaceObject.As(&windowless)) || !windowless) return 0;
    LRESULT result = 0;
    const HRESULT hr = windowless->OnWindowMessage(uMsg, wParam, lParam, &result);
    if (hr == S_OK && uMsg != WM_SETCURSOR && uMsg != WM_HELP && uMsg != WM_CONTEXTMENU) bHandled = true;
    return result;
}

}  // namespace SkinUI
