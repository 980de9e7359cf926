// The site of a hosted OLE object, its child window, frame and enumerator.
#include "skinui/control/ActiveXCtrl.h"

#include "skinui/control/ActiveX.h"
#include "skinui/core/GdiHandles.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {

using Microsoft::WRL::ComPtr;

namespace {

HWND PaintWindowOf(CActiveXUI* owner) {
    CPaintManagerUI* manager = owner ? owner->GetManager() : nullptr;
    return manager ? manager->PaintWindow() : nullptr;
}

RECT AtOrigin(RECT rc) {
    ::OffsetRect(&rc, -rc.left, -rc.top);
    return rc;
}

}  // namespace

// --- CActiveXCtrl: lifetime ------------------------------------------------------------

CActiveXCtrl::~CActiveXCtrl() { DestroyWindow(); }

void CActiveXCtrl::DestroyWindow() {
    if (!m_pWindow) return;
    CActiveXWnd* window = m_pWindow;
    m_pWindow = nullptr;
    if (::IsWindow(window->GetHWND())) ::DestroyWindow(window->GetHWND());
    delete window;
}

RECT CActiveXCtrl::ObjectRect() const {
    const RECT rc = m_pOwner ? m_pOwner->GetPos() : RECT{0, 0, 0, 0};
    return m_bWindowless ? rc : AtOrigin(rc);
}

HRESULT CActiveXCtrl::CreateActiveXWnd() {
    if (m_pWindow) return S_OK;
    m_pWindow = new CActiveXWnd(this);
    HWND hwnd = m_pWindow->Init(PaintWindowOf(m_pOwner));
    if (!hwnd) {
        delete m_pWindow;
        m_pWindow = nullptr;
        return E_FAIL;
    }
    m_pOwner->m_hwndHost = hwnd;
    return S_OK;
}

// --- IUnknown ----------------------------------------------------------------------------------

STDMETHODIMP CActiveXCtrl::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleInPlaceSiteWindowless || riid == IID_IOleInPlaceSiteEx ||
        riid == IID_IOleInPlaceSite || riid == IID_IOleWindow)
        *ppv = static_cast<IOleInPlaceSiteWindowless*>(this);
    else if (riid == IID_IOleClientSite) *ppv = static_cast<IOleClientSite*>(this);
    else if (riid == IID_IOleControlSite) *ppv = static_cast<IOleControlSite*>(this);
    else if (riid == IID_IObjectWithSite) *ppv = static_cast<IObjectWithSite*>(this);
    else if (riid == IID_IOleContainer || riid == IID_IParseDisplayName) *ppv = static_cast<IOleContainer*>(this);
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CActiveXCtrl::AddRef() { return ++m_dwRef; }

STDMETHODIMP_(ULONG) CActiveXCtrl::Release() {
    const ULONG count = --m_dwRef;
    if (count == 0) delete this;
    return count;
}

// --- IObjectWithSite ---------------------------------------------------------------------------

STDMETHODIMP CActiveXCtrl::SetSite(IUnknown* site) {
    m_pUnkSite = site;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::GetSite(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (!m_pUnkSite) return E_FAIL;
    return m_pUnkSite->QueryInterface(riid, ppv);
}

// --- IOleClientSite ----------------------------------------------------------------------------

STDMETHODIMP CActiveXCtrl::SaveObject() { return E_NOTIMPL; }

STDMETHODIMP CActiveXCtrl::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CActiveXCtrl::GetContainer(IOleContainer** container) {
    if (!container) return E_POINTER;
    *container = nullptr;
    if (!m_pOwner) return E_UNEXPECTED;
    HRESULT hr = E_NOTIMPL;
    if (m_pUnkSite) hr = m_pUnkSite->QueryInterface(IID_IOleContainer, reinterpret_cast<void**>(container));
    if (FAILED(hr)) hr = QueryInterface(IID_IOleContainer, reinterpret_cast<void**>(container));
    return hr;
}

STDMETHODIMP CActiveXCtrl::ShowObject() {
    if (!m_pOwner) return E_UNEXPECTED;
    WindowDc dc = GetWindowDc(m_pOwner->m_hwndHost);
    if (!dc) return E_FAIL;
    if (m_pViewObject) {
        const RECT& rc = m_pOwner->GetPos();
        RECTL bounds = {rc.left, rc.top, rc.right, rc.bottom};
        m_pViewObject->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc.get(), &bounds, nullptr, nullptr, 0);
    }
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::OnShowWindow(BOOL) { return E_NOTIMPL; }
STDMETHODIMP CActiveXCtrl::RequestNewObjectLayout() { return E_NOTIMPL; }

// --- IOleInPlaceSiteWindowless -------------------------------------------------------------------

STDMETHODIMP CActiveXCtrl::CanWindowlessActivate() { return S_OK; }

STDMETHODIMP CActiveXCtrl::GetCapture() {
    if (!m_pOwner) return E_UNEXPECTED;
    return m_bCaptured ? S_OK : S_FALSE;
}

STDMETHODIMP CActiveXCtrl::SetCapture(BOOL capture) {
    if (!m_pOwner) return E_UNEXPECTED;
    m_bCaptured = capture != FALSE;
    if (m_bCaptured) ::SetCapture(m_pOwner->m_hwndHost);
    else ::ReleaseCapture();
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::GetFocus() {
    if (!m_pOwner) return E_UNEXPECTED;
    return m_bFocused ? S_OK : S_FALSE;
}

STDMETHODIMP CActiveXCtrl::SetFocus(BOOL focus) {
    if (!m_pOwner) return E_UNEXPECTED;
    if (focus) m_pOwner->SetFocus();
    m_bFocused = focus != FALSE;
    return S_OK;
}

namespace {

// What a windowless object draws or invalidates on the paint window itself is
// no longer what the manager's back buffer holds there.
void DiscardBuffered(CActiveXUI* owner, HWND host, const RECT* rc) {
    CPaintManagerUI* manager = owner ? owner->GetManager() : nullptr;
    if (!manager || !host || manager->PaintWindow() != host) return;
    RECT area;
    if (rc) area = *rc;
    else ::GetClientRect(host, &area);
    manager->DiscardBufferedArea(area);
}

}  // namespace

STDMETHODIMP CActiveXCtrl::GetDC(LPCRECT, DWORD flags, HDC* dc) {
    if (!dc) return E_POINTER;
    *dc = nullptr;
    if (!m_pOwner) return E_UNEXPECTED;
    *dc = ::GetDC(m_pOwner->m_hwndHost);
    if (!*dc) return E_FAIL;
    const RECT drawn = ObjectRect();
    DiscardBuffered(m_pOwner, m_pOwner->m_hwndHost, &drawn);
    if (flags & OLEDC_PAINTBKGND) {
        RECT rc = ObjectRect();
        ::FillRect(*dc, &rc, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    }
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::ReleaseDC(HDC dc) {
    if (!m_pOwner) return E_UNEXPECTED;
    // The DC was handed out by GetDC above; the object gives it back here.
    ::ReleaseDC(m_pOwner->m_hwndHost, dc);
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::InvalidateRect(LPCRECT rect, BOOL erase) {
    if (!m_pOwner) return E_UNEXPECTED;
    if (!m_pOwner->m_hwndHost) return E_FAIL;
    DiscardBuffered(m_pOwner, m_pOwner->m_hwndHost, rect);
    return ::InvalidateRect(m_pOwner->m_hwndHost, rect, erase) ? S_OK : E_FAIL;
}

STDMETHODIMP CActiveXCtrl::InvalidateRgn(HRGN region, BOOL erase) {
    if (!m_pOwner) return E_UNEXPECTED;
    RECT box;
    const bool hasBox = region && ::GetRgnBox(region, &box) != ERROR;
    DiscardBuffered(m_pOwner, m_pOwner->m_hwndHost, hasBox ? &box : nullptr);
    return ::InvalidateRgn(m_pOwner->m_hwndHost, region, erase) ? S_OK : E_FAIL;
}

STDMETHODIMP CActiveXCtrl::ScrollRect(INT, INT, LPCRECT, LPCRECT) { return S_OK; }
STDMETHODIMP CActiveXCtrl::AdjustRect(LPRECT) { return S_OK; }

STDMETHODIMP CActiveXCtrl::OnDefWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (!result) return E_POINTER;
    if (!m_pOwner) return E_UNEXPECTED;
    *result = ::DefWindowProcA(m_pOwner->m_hwndHost, msg, wParam, lParam);
    return S_OK;
}

// --- IOleInPlaceSiteEx / IOleInPlaceSite ---------------------------------------------------------

STDMETHODIMP CActiveXCtrl::OnInPlaceActivateEx(BOOL* noRedraw, DWORD flags) {
    if (noRedraw) *noRedraw = FALSE;
    if (!m_pOwner || !m_pOwner->m_pUnk) return E_UNEXPECTED;
    ::OleLockRunning(m_pOwner->m_pUnk.Get(), TRUE, FALSE);

    HRESULT hr = E_FAIL;
    ComPtr<IOleInPlaceObjectWindowless> windowless;
    if ((flags & ACTIVATE_WINDOWLESS) && SUCCEEDED(m_pOwner->m_pUnk.As(&windowless)) && windowless) {
        m_bWindowless = true;
        hr = S_OK;
        m_pInPlaceObject = windowless;
        m_pOwner->m_hwndHost = PaintWindowOf(m_pOwner);
        if (CPaintManagerUI* manager = m_pOwner->GetManager()) {
            manager->RemoveFilter(m_pOwner);  // one registration however often activated
            manager->AddFilter(m_pOwner);
        }
    } else {
        m_bWindowless = false;
        hr = CreateActiveXWnd();
        if (FAILED(hr)) return hr;
        hr = m_pOwner->m_pUnk->QueryInterface(IID_IOleInPlaceObject,
                                              reinterpret_cast<void**>(m_pInPlaceObject.ReleaseAndGetAddressOf()));
    }
    if (m_pInPlaceObject) {
        RECT rc = ObjectRect();
        m_pInPlaceObject->SetObjectRects(&rc, &rc);
    }
    m_bInPlaceActive = SUCCEEDED(hr);
    return hr;
}

STDMETHODIMP CActiveXCtrl::OnInPlaceDeactivateEx(BOOL) {
    m_bInPlaceActive = false;
    m_pInPlaceObject.Reset();
    DestroyWindow();
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::RequestUIActivate() { return S_OK; }
STDMETHODIMP CActiveXCtrl::CanInPlaceActivate() { return S_OK; }
STDMETHODIMP CActiveXCtrl::OnInPlaceActivate() { return OnInPlaceActivateEx(nullptr, 0); }

STDMETHODIMP CActiveXCtrl::OnUIActivate() {
    m_bUIActivated = true;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                            LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !doc || !pos || !clip || !info) return E_POINTER;
    *frame = nullptr;
    *doc = nullptr;
    if (!m_pOwner) return E_UNEXPECTED;
    if (m_pWindow) {
        ::GetClientRect(m_pWindow->GetHWND(), pos);
        ::GetClientRect(m_pWindow->GetHWND(), clip);
    }
    *frame = new CActiveXFrameWnd(m_pOwner);
    if (!m_hAccel) {
        ACCEL none = {};
        m_hAccel.reset(::CreateAcceleratorTableA(&none, 1));
    }
    info->cb = sizeof(OLEINPLACEFRAMEINFO);
    info->fMDIApp = FALSE;
    info->hwndFrame = PaintWindowOf(m_pOwner);
    info->haccel = m_hAccel.get();
    info->cAccelEntries = 1;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::Scroll(SIZE) { return E_NOTIMPL; }

STDMETHODIMP CActiveXCtrl::OnUIDeactivate(BOOL) {
    m_bUIActivated = false;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::OnInPlaceDeactivate() { return OnInPlaceDeactivateEx(TRUE); }
STDMETHODIMP CActiveXCtrl::DiscardUndoState() { return E_NOTIMPL; }
STDMETHODIMP CActiveXCtrl::DeactivateAndUndo() { return E_NOTIMPL; }
STDMETHODIMP CActiveXCtrl::OnPosRectChange(LPCRECT) { return E_NOTIMPL; }

// --- IOleWindow ------------------------------------------------------------------------------------

STDMETHODIMP CActiveXCtrl::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = nullptr;
    if (!m_pOwner) return E_UNEXPECTED;
    if (!m_pOwner->m_hwndHost) CreateActiveXWnd();
    *window = m_pOwner->m_hwndHost;
    return *window ? S_OK : E_FAIL;
}

STDMETHODIMP CActiveXCtrl::ContextSensitiveHelp(BOOL) { return S_OK; }

// --- IOleControlSite ---------------------------------------------------------------------------------

STDMETHODIMP CActiveXCtrl::OnControlInfoChanged() { return S_OK; }
STDMETHODIMP CActiveXCtrl::LockInPlaceActive(BOOL) { return S_OK; }

STDMETHODIMP CActiveXCtrl::GetExtendedControl(IDispatch** dispatch) {
    if (!dispatch) return E_POINTER;
    *dispatch = nullptr;
    if (!m_pOwner) return E_UNEXPECTED;
    if (!m_pOwner->m_pUnk) return E_FAIL;
    return m_pOwner->m_pUnk->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch));
}

STDMETHODIMP CActiveXCtrl::TransformCoords(POINTL*, POINTF*, DWORD) { return S_OK; }
STDMETHODIMP CActiveXCtrl::TranslateAccelerator(MSG*, DWORD) { return S_FALSE; }

STDMETHODIMP CActiveXCtrl::OnFocus(BOOL focus) {
    m_bFocused = focus != FALSE;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::ShowPropertyFrame() { return E_NOTIMPL; }

// --- IOleContainer -------------------------------------------------------------------------------------

STDMETHODIMP CActiveXCtrl::EnumObjects(DWORD, IEnumUnknown** enumerator) {
    if (!enumerator) return E_POINTER;
    *enumerator = nullptr;
    if (!m_pOwner) return E_UNEXPECTED;
    *enumerator = new CActiveXEnum(m_pOwner->m_pUnk.Get());
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::LockContainer(BOOL lock) {
    m_bLocked = lock != FALSE;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

// --- CActiveXWnd ------------------------------------------------------------------------------------------

HWND CActiveXWnd::Init(HWND parent) {
    return Create(parent, "UIActiveX", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0, 0);
}

const char* CActiveXWnd::WindowClassName() const { return "ActiveXWnd"; }

void CActiveXWnd::DoVerb(LONG verb) {
    CActiveXUI* owner = m_pOwner->m_pOwner;
    if (!owner || !owner->m_pUnk) return;
    ComPtr<IOleClientSite> site;
    m_pOwner->QueryInterface(IID_IOleClientSite, reinterpret_cast<void**>(site.GetAddressOf()));
    owner->m_pUnk->DoVerb(verb, nullptr, site.Get(), 0, m_hWnd, &owner->GetPos());
}

LRESULT CActiveXWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            ::BeginPaint(m_hWnd, &ps);
            ::EndPaint(m_hWnd, &ps);
            return 1;
        }
        case WM_ERASEBKGND:
            if (m_pOwner->m_pViewObject) return 1;
            break;
        case WM_SETFOCUS:
            m_pOwner->m_bFocused = true;
            if (!m_pOwner->m_bUIActivated) DoVerb(OLEIVERB_UIACTIVATE);
            break;
        case WM_KILLFOCUS:
            m_pOwner->m_bFocused = false;
            break;
        case WM_MOUSEACTIVATE: {
            CActiveXUI* owner = m_pOwner->m_pOwner;
            DWORD miscStatus = 0;
            if (owner && owner->m_pUnk) owner->m_pUnk->GetMiscStatus(DVASPECT_CONTENT, &miscStatus);
            if (owner && !(miscStatus & OLEMISC_NOUIACTIVATE)) {
                if (!m_pOwner->m_bInPlaceActive) DoVerb(OLEIVERB_INPLACEACTIVATE);
                owner->SetFocus();
            }
            break;
        }
        case WM_MOUSEWHEEL:
            return 0;
        default:
            break;
    }
    return CWindowWnd::HandleMessage(msg, wParam, lParam);
}

// --- CActiveXFrameWnd -------------------------------------------------------------------------------------

STDMETHODIMP CActiveXFrameWnd::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleWindow || riid == IID_IOleInPlaceUIWindow ||
        riid == IID_IOleInPlaceFrame)
        *ppv = static_cast<IOleInPlaceFrame*>(this);
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CActiveXFrameWnd::AddRef() { return ++m_dwRef; }

STDMETHODIMP_(ULONG) CActiveXFrameWnd::Release() {
    const ULONG count = --m_dwRef;
    if (count == 0) delete this;
    return count;
}

STDMETHODIMP CActiveXFrameWnd::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = PaintWindowOf(m_pOwner);
    return S_OK;
}

STDMETHODIMP CActiveXFrameWnd::ContextSensitiveHelp(BOOL) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::GetBorder(LPRECT) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP CActiveXFrameWnd::SetBorderSpace(LPCBORDERWIDTHS) { return S_OK; }

STDMETHODIMP CActiveXFrameWnd::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
    m_pActiveObject = object;
    return S_OK;
}

STDMETHODIMP CActiveXFrameWnd::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::RemoveMenus(HMENU) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::SetStatusText(LPCOLESTR) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::EnableModeless(BOOL) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

// --- CActiveXEnum -------------------------------------------------------------------------------------------

STDMETHODIMP CActiveXEnum::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == IID_IEnumUnknown) *ppv = static_cast<IEnumUnknown*>(this);
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CActiveXEnum::AddRef() { return ++m_dwRef; }

STDMETHODIMP_(ULONG) CActiveXEnum::Release() {
    const ULONG count = --m_dwRef;
    if (count == 0) delete this;
    return count;
}

STDMETHODIMP CActiveXEnum::Next(ULONG count, IUnknown** items, ULONG* fetched) {
    if (fetched) *fetched = 0;
    if (!items) return E_POINTER;
    if (count == 0) return S_OK;
    *items = nullptr;
    if (++m_iPos > 1 || !m_pUnk) return S_FALSE;
    *items = m_pUnk.Get();
    (*items)->AddRef();
    if (fetched) *fetched = 1;
    return count == 1 ? S_OK : S_FALSE;
}

STDMETHODIMP CActiveXEnum::Skip(ULONG count) {
    m_iPos += count;
    return S_OK;
}

STDMETHODIMP CActiveXEnum::Reset() {
    m_iPos = 0;
    return S_OK;
}

STDMETHODIMP CActiveXEnum::Clone(IEnumUnknown** clone) {
    if (clone) *clone = nullptr;
    return E_NOTIMPL;
}

}  // namespace SkinUI
