// CPaintManagerUI: the list of managers, the message loop, the control tree,
// notifications, timers and focus.
#include "skinui/core/PaintManager.h"

#include <cstring>

#include "skinui/control/Control.h"

namespace SkinUI {

namespace {

// Every manager with a window, in creation order.
CSkinPtrArray& Managers() {
    static CSkinPtrArray managers;
    return managers;
}

// Set up once for the process by the first manager.
void InitProcessOnce() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&init);
        LoadLibraryA("msimg32.dll");  // kept for the life of the process
        return true;
    }();
    (void)done;
}

CControlUI* CALLBACK RegisterName(CControlUI* control, LPVOID data) {
    auto* names = static_cast<CSkinStringMap*>(data);
    const CSkinString name = control->GetName();
    if (!name.IsEmpty()) names->Set(name, control);
    return nullptr;
}

// The tab search: see MoveFocus.
struct TabSearch {
    CControlUI* start;
    bool forward;
    CControlUI* last = nullptr;
    bool nextWins = false;
    bool wrapping = false;  // backward from the first tab stop: find the last one
};

char g_endOfSearch;  // a result that ends a search without a control
CControlUI* const kEndOfSearch = reinterpret_cast<CControlUI*>(&g_endOfSearch);

CControlUI* CALLBACK VisitForTab(CControlUI* control, LPVOID data) {
    auto* search = static_cast<TabSearch*>(data);
    if (search->start && control == search->start) {
        if (search->forward) {
            search->nextWins = true;
            return nullptr;
        }
        if (search->last) return search->last;
        search->wrapping = true;
        return nullptr;
    }
    if (!(control->GetInputFlags() & INPUT_TAB_STOP)) return nullptr;
    search->last = control;
    if (!search->wrapping && (search->nextWins || !search->start)) return control;
    return nullptr;
}

}  // namespace

CPaintManagerUI::CPaintManagerUI() {
    InitProcessOnce();
    LOGFONTA lf = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfCharSet = DEFAULT_CHARSET;
    m_DefaultFontInfo.hFont.reset(CreateFontIndirectA(&lf));
    m_DefaultFontInfo.sFontName = lf.lfFaceName;
    m_DefaultFontInfo.iSize = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    m_DefaultFontInfo.bBold = lf.lfWeight >= FW_BOLD;
    m_DefaultFontInfo.bUnderline = lf.lfUnderline != 0;
    m_DefaultFontInfo.bItalic = lf.lfItalic != 0;
}

CPaintManagerUI::~CPaintManagerUI() {
    for (int i = 0; i < m_aDelayedCleanup.Count(); ++i) delete static_cast<CControlUI*>(m_aDelayedCleanup[i]);
    m_aDelayedCleanup.Clear();
    for (int i = 0; i < m_aAsyncNotify.Count(); ++i) delete static_cast<TNotifyUI*>(m_aAsyncNotify[i]);
    m_aAsyncNotify.Clear();
    m_mNameHash.Resize(0);
    CControlUI* root = m_pRoot;
    m_pRoot = nullptr;
    delete root;
    ClearFonts();
    ClearImages();
    ClearClassDefaults();
    ClearOptionGroups();
    ClearTimers();
    if (m_hwndTooltip) DestroyWindow(m_hwndTooltip);
    m_hwndTooltip = nullptr;
    DeleteBackBuffers();
    m_hDcPaint.reset();
    Managers().RemoveAt(Managers().IndexOf(this));
}

// --- Process-wide -------------------------------------------------------------------

void CPaintManagerUI::HueSaturationLightness(short& hue, short& saturation, short& lightness) {
    hue = 180;
    saturation = 100;
    lightness = 100;
}

void CPaintManagerUI::MessageLoop() {
    MSG msg = {};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!PreTranslate(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

bool CPaintManagerUI::PreTranslate(MSG* msg) {
    if (!msg) return false;
    CSkinPtrArray& managers = Managers();
    CPaintManagerUI* found = nullptr;
    const LONG_PTR style = GetWindowLongPtrA(msg->hwnd, GWL_STYLE);
    if (style & WS_CHILD) {
        for (HWND ancestor = GetParent(msg->hwnd); ancestor && !found; ancestor = GetParent(ancestor)) {
            for (int i = 0; i < managers.Count() && !found; ++i) {
                auto* manager = static_cast<CPaintManagerUI*>(managers[i]);
                if (manager->PaintWindow() == ancestor || manager->PaintWindow() == msg->hwnd) found = manager;
            }
        }
    } else {
        for (int i = 0; i < managers.Count() && !found; ++i) {
            auto* manager = static_cast<CPaintManagerUI*>(managers[i]);
            if (manager->PaintWindow() == msg->hwnd) found = manager;
        }
    }
    if (!found) return false;
    if (found->TranslateAccelerator(msg)) return true;
    LRESULT result = 0;
    return found->PreFilterMessage(msg->message, msg->wParam, msg->lParam, result);
}

bool CPaintManagerUI::TranslateAccelerator(MSG* msg) {
    for (int i = 0; i < m_aTranslateAccelerator.Count(); ++i) {
        if (static_cast<ITranslateAccelerator*>(m_aTranslateAccelerator[i])->TranslateAccel(msg) == 0)
            return true;
    }
    return false;
}

// --- Window and tree -------------------------------------------------------------------

void CPaintManagerUI::AttachWindow(HWND window) {
    m_hWndPaint = window;
    m_hDcPaint = GetWindowDc(window);
    if (Managers().IndexOf(this) < 0) Managers().Add(this);
}

SIZE CPaintManagerUI::ClientSize() const {
    RECT rc = {0, 0, 0, 0};
    if (m_hWndPaint) GetClientRect(m_hWndPaint, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

bool CPaintManagerUI::AttachRoot(CControlUI* root) {
    FocusControl(nullptr);
    m_pEventKey = nullptr;
    m_pEventHover = nullptr;
    m_pEventClick = nullptr;
    if (m_pRoot) {
        m_aPostPaintControls.Clear();
        AddDelayedDelete(m_pRoot);
    }
    m_pRoot = root;
    m_bUpdateNeeded = true;
    m_bFirstLayout = true;
    m_bFocusNeeded = true;
    return InitControlTree(m_pRoot, nullptr);
}

bool CPaintManagerUI::InitControlTree(CControlUI* control, CControlUI* parent) {
    if (!control) return false;
    control->SetManager(this, parent ? parent : control->GetParent(), true);
    control->FindControl(RegisterName, &m_mNameHash, FIND_ALL);
    return true;
}

void CPaintManagerUI::ReleaseControl(CControlUI* control) {
    if (m_pEventKey == control) m_pEventKey = nullptr;
    if (m_pEventHover == control) m_pEventHover = nullptr;
    if (m_pEventClick == control) m_pEventClick = nullptr;
    if (m_pFocus == control) m_pFocus = nullptr;
    // A deleted control must not be painted again as an overlay.
    m_aPostPaintControls.RemoveAt(m_aPostPaintControls.IndexOf(control));
    StopAllTimers(control);
    const CSkinString name = control->GetName();
    if (!name.IsEmpty() && m_mNameHash.Find(name) == control) m_mNameHash.Remove(name);
    for (int i = 0; i < m_aAsyncNotify.Count(); ++i) {
        auto* msg = static_cast<TNotifyUI*>(m_aAsyncNotify[i]);
        if (msg->pSender == control) msg->pSender = nullptr;
    }
}

void CPaintManagerUI::AddDelayedDelete(CControlUI* control) {
    control->SetManager(this, nullptr, false);
    m_aDelayedCleanup.Add(control);
    if (m_hWndPaint) PostMessageA(m_hWndPaint, WM_APP + 1, 0, 0);
}

CControlUI* CPaintManagerUI::FindControl(const char* name) {
    return name ? static_cast<CControlUI*>(m_mNameHash.Find(name, true)) : nullptr;
}

namespace {
CControlUI* CALLBACK AnyControl(CControlUI* control, LPVOID) {
    return control;
}
}  // namespace

CControlUI* CPaintManagerUI::FindControl(POINT pt) const {
    if (!m_pRoot) return nullptr;
    return m_pRoot->FindControl(AnyControl, &pt,
                                FIND_VISIBLE_ONLY | FIND_AT_POINT | FIND_LAST_CHILD_FIRST);
}

void CPaintManagerUI::InvalidateArea(const RECT& rc) {
    // An empty area repaints nothing; controls not yet laid out ask for one
    // many times while a skin is built, and each call is a trip to the server.
    if (!m_hWndPaint || ::IsRectEmpty(&rc)) return;
    DiscardBufferedArea(rc);
    ::InvalidateRect(m_hWndPaint, &rc, FALSE);
}

void CPaintManagerUI::DiscardBufferedArea(const RECT& rc) {
    ::UnionRect(&m_rcStale, &m_rcStale, &rc);
}

// --- Notifications ------------------------------------------------------------------------

bool CPaintManagerUI::AddNotifyTarget(INotifyUI* target) {
    return m_aNotifiers.Add(target);
}

bool CPaintManagerUI::RemoveNotifyTarget(INotifyUI* target) {
    return m_aNotifiers.RemoveAt(m_aNotifiers.IndexOf(target));
}

void CPaintManagerUI::SendNotification(CControlUI* control, const char* type, WPARAM wParam,
                                       LPARAM lParam, bool async) {
    TNotifyUI msg;
    msg.pSender = control;
    msg.sType = type;
    msg.wParam = wParam;
    msg.lParam = lParam;
    SendNotification(msg, async);
}

void CPaintManagerUI::SendNotification(TNotifyUI& msg, bool async) {
    msg.ptMouse = m_ptLastMousePos;
    msg.dwTimestamp = GetTickCount();
    if (m_bUsedVirtualWnd && msg.pSender) msg.sVirtualWnd = msg.pSender->GetVirtualWnd();
    if (async) {
        m_aAsyncNotify.Add(new TNotifyUI(msg));
        return;
    }
    if (msg.pSender && msg.pSender->OnNotify.HasHandlers()) msg.pSender->OnNotify.Invoke(&msg);
    for (int i = 0; i < m_aNotifiers.Count(); ++i) static_cast<INotifyUI*>(m_aNotifiers[i])->Notify(msg);
}

void CPaintManagerUI::DeliverQueuedNotifications() {
    while (!m_aAsyncNotify.IsEmpty()) {
        auto* msg = static_cast<TNotifyUI*>(m_aAsyncNotify[0]);
        m_aAsyncNotify.RemoveAt(0);
        if (msg->pSender && msg->pSender->OnNotify.HasHandlers()) msg->pSender->OnNotify.Invoke(msg);
        for (int i = 0; i < m_aNotifiers.Count(); ++i) static_cast<INotifyUI*>(m_aNotifiers[i])->Notify(*msg);
        delete msg;
    }
}

// --- Filters, accelerators, post-paint -------------------------------------------------------

bool CPaintManagerUI::AddPreFilter(IMessageFilterUI* filter) { return m_aPreMessageFilters.Add(filter); }
bool CPaintManagerUI::RemovePreFilter(IMessageFilterUI* filter) {
    return m_aPreMessageFilters.RemoveAt(m_aPreMessageFilters.IndexOf(filter));
}
bool CPaintManagerUI::AddFilter(IMessageFilterUI* filter) { return m_aMessageFilters.Add(filter); }
bool CPaintManagerUI::RemoveFilter(IMessageFilterUI* filter) {
    return m_aMessageFilters.RemoveAt(m_aMessageFilters.IndexOf(filter));
}
bool CPaintManagerUI::AddAccelerator(ITranslateAccelerator* accelerator) {
    return m_aTranslateAccelerator.Add(accelerator);
}
bool CPaintManagerUI::RemoveAccelerator(ITranslateAccelerator* accelerator) {
    return m_aTranslateAccelerator.RemoveAt(m_aTranslateAccelerator.IndexOf(accelerator));
}
bool CPaintManagerUI::AddPostPaintControl(CControlUI* control) { return m_aPostPaintControls.Add(control); }
bool CPaintManagerUI::RemovePostPaintControl(CControlUI* control) {
    return m_aPostPaintControls.RemoveAt(m_aPostPaintControls.IndexOf(control));
}

// --- Timers --------------------------------------------------------------------------------------

bool CPaintManagerUI::StartTimer(CControlUI* control, UINT timerId, UINT elapse) {
    for (int i = 0; i < m_aTimers.Count(); ++i) {
        auto* timer = static_cast<TimerInfo*>(m_aTimers[i]);
        if (timer->pSender == control && timer->hWnd == m_hWndPaint && timer->nLocalID == timerId) {
            if (!timer->bKilled) return false;
            if (!::SetTimer(m_hWndPaint, timer->uWinTimer, elapse, nullptr)) return false;
            timer->bKilled = false;
            return true;
        }
    }
    m_uTimerID = (m_uTimerID + 1) % 0xFF;
    if (!::SetTimer(m_hWndPaint, m_uTimerID, elapse, nullptr)) return false;
    m_aTimers.Add(new TimerInfo{control, timerId, m_hWndPaint, m_uTimerID, false});
    return true;
}

bool CPaintManagerUI::StopTimer(CControlUI* control, UINT timerId) {
    for (int i = 0; i < m_aTimers.Count(); ++i) {
        auto* timer = static_cast<TimerInfo*>(m_aTimers[i]);
        if (timer->pSender == control && timer->hWnd == m_hWndPaint && timer->nLocalID == timerId &&
            !timer->bKilled) {
            if (IsWindow(m_hWndPaint)) ::KillTimer(timer->hWnd, timer->uWinTimer);
            timer->bKilled = true;
            return true;
        }
    }
    return false;
}

void CPaintManagerUI::StopAllTimers(CControlUI* control) {
    for (int i = m_aTimers.Count() - 1; i >= 0; --i) {
        auto* timer = static_cast<TimerInfo*>(m_aTimers[i]);
        if (timer->pSender != control || timer->hWnd != m_hWndPaint) continue;
        if (!timer->bKilled && IsWindow(m_hWndPaint)) ::KillTimer(timer->hWnd, timer->uWinTimer);
        delete timer;
        m_aTimers.RemoveAt(i);
    }
}

void CPaintManagerUI::ClearTimers() {
    for (int i = 0; i < m_aTimers.Count(); ++i) {
        auto* timer = static_cast<TimerInfo*>(m_aTimers[i]);
        if (!timer->bKilled && IsWindow(timer->hWnd)) ::KillTimer(timer->hWnd, timer->uWinTimer);
        delete timer;
    }
    m_aTimers.Clear();
}

// --- Focus and capture ------------------------------------------------------------------------------

void CPaintManagerUI::TakeFocusFromFocused(CControlUI* next) {
    if (!m_pFocus) return;
    TControlEvent event;
    event.Type = EV_KILLFOCUS;
    event.pSender = next;
    event.dwTimestamp = GetTickCount();
    CControlUI* losing = m_pFocus;
    losing->DispatchEvent(event);
    SendNotification(losing, "killfocus");
    m_pFocus = nullptr;
}

void CPaintManagerUI::FocusControl(CControlUI* control) {
    if (m_hWndPaint && GetFocus() != m_hWndPaint && control != m_pFocus) ::SetFocus(m_hWndPaint);
    if (control == m_pFocus) return;
    TakeFocusFromFocused(control);
    if (!control) return;
    if (control->GetManager() != this || !control->IsVisible() || !control->IsEnabled()) return;
    m_pFocus = control;
    TControlEvent event;
    event.Type = EV_SETFOCUS;
    event.pSender = control;
    event.dwTimestamp = GetTickCount();
    control->DispatchEvent(event);
    SendNotification(control, "setfocus");
}

void CPaintManagerUI::FocusLater(CControlUI* control) {
    if (m_hWndPaint && GetFocus() != m_hWndPaint) ::SetFocus(m_hWndPaint);
    if (!control) return;
    TakeFocusFromFocused(control);
    CControlUI* last = nullptr;
    m_pFocus = NextTabStop(control, false, &last);
    m_bFocusNeeded = true;
    if (m_pRoot) m_pRoot->RequestLayout();
}

CControlUI* CPaintManagerUI::NextTabStop(CControlUI* start, bool forward, CControlUI** lastSeen) {
    if (!m_pRoot) return nullptr;
    TabSearch search{start, forward};
    CControlUI* found = m_pRoot->FindControl(VisitForTab, &search,
                                             FIND_VISIBLE_ONLY | FIND_ENABLED_ONLY | FIND_SELF_FIRST);
    if (lastSeen) *lastSeen = search.last;
    return found == kEndOfSearch ? nullptr : found;
}

bool CPaintManagerUI::MoveFocus(bool forward) {
    if (m_bUpdateNeeded && forward) {
        m_bFocusNeeded = true;
        m_bBufferStale = true;
        if (m_hWndPaint) ::InvalidateRect(m_hWndPaint, nullptr, FALSE);
        return true;
    }
    CControlUI* last = nullptr;
    CControlUI* found = NextTabStop(m_pFocus, forward, &last);
    if (!found) found = forward ? NextTabStop(nullptr, true, nullptr) : last;
    if (found) FocusControl(found);
    m_bFocusNeeded = false;
    return true;
}

void CPaintManagerUI::CaptureMouse() {
    if (m_hWndPaint) ::SetCapture(m_hWndPaint);
    m_bMouseCapture = true;
}

void CPaintManagerUI::ReleaseMouse() {
    ::ReleaseCapture();
    m_bMouseCapture = false;
}

// --- Window attributes ----------------------------------------------------------------------------------

void CPaintManagerUI::SetStartSize(int cx, int cy) {
    m_szInitWindowSize = {cx, cy};
    if (!m_pRoot && m_hWndPaint)
        ::SetWindowPos(m_hWndPaint, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

void CPaintManagerUI::SetWindowAlpha(int alpha) {
    m_nAlpha = alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha);
    if (!m_hWndPaint) return;
    using SetLayered = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    HMODULE user32 = GetModuleHandleA("User32.dll");
    const auto setLayered = user32 ? reinterpret_cast<SetLayered>(reinterpret_cast<void (*)()>(
                                         GetProcAddress(user32, "SetLayeredWindowAttributes")))
                                   : nullptr;
    if (!setLayered) return;
    LONG_PTR exStyle = GetWindowLongPtrA(m_hWndPaint, GWL_EXSTYLE);
    if (alpha >= 0 && alpha <= 255) exStyle |= WS_EX_LAYERED;
    else exStyle &= ~static_cast<LONG_PTR>(WS_EX_LAYERED);
    SetWindowLongPtrA(m_hWndPaint, GWL_EXSTYLE, exStyle);
    setLayered(m_hWndPaint, 0, static_cast<BYTE>(alpha & 0xFF), LWA_ALPHA);
}

}  // namespace SkinUI
