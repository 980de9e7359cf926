// CTxtWinHost: the host's answers to the text services, and the format,
// rectangle and flag setters that tell the services what changed.
#include "skinui/control/TextHost.h"

#include <imm.h>

#include <string>

#include "skinui/control/RichEdit.h"
#include "skinui/control/ScrollBar.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {

const IID kIidTextServices = {0x8d33f740, 0xcf58, 0x11ce, {0xa8, 0x9d, 0x00, 0xaa, 0x00, 0x6c, 0xad, 0xc5}};
const IID kIidTextHost = {0x13e670f4, 0x1a5a, 0x11cf, {0xab, 0xeb, 0x00, 0xaa, 0x00, 0xb6, 0x5e, 0xa1}};

namespace {

constexpr LONG kHimetricPerInch = 2540;
constexpr LONG kTwipsPerInch = 1440;
constexpr DWORD kParaFormatMask = 0x8001003F;
constexpr LONG kTabStopTwips = 720;

COLORREF ToColorRef(DWORD argb) {
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// Shows or hides a bar and lets the control lay out again when that changed.
void ShowBar(CRichEditUI* owner, CScrollBarUI* bar, bool show) {
    if (!bar || bar->IsVisible() == show) return;
    bar->SetVisible(show);
    owner->OnScrollBarChanged();
}

int DeviceDpi(HDC dc, int index) {
    const int dpi = dc ? ::GetDeviceCaps(dc, index) : 0;
    return dpi > 0 ? dpi : 96;
}

}  // namespace

HWND CTxtWinHost::PaintWindow() const {
    CPaintManagerUI* manager = m_pOwner ? m_pOwner->GetManager() : nullptr;
    return manager ? manager->PaintWindow() : nullptr;
}

bool CTxtWinHost::Init(CRichEditUI* owner, const CREATESTRUCTA* create) {
    m_pOwner = owner;
    CPaintManagerUI* manager = owner->GetManager();
    if (!manager) return false;

    m_cf.cbSize = sizeof(m_cf);
    SetFont(manager->FontByIndex(owner->GetFont()));
    m_cf.crTextColor = ToColorRef(owner->GetTextColor());

    m_pf.cbSize = sizeof(m_pf);  // 188 bytes
    m_pf.dwMask = kParaFormatMask;
    m_pf.wAlignment = PFA_LEFT;
    m_pf.cTabCount = 1;
    m_pf.rgxTabs[0] = kTabStopTwips;

    m_fRich = owner->IsRich();
    m_lMaxLength = owner->GetLimitText();

    if (create) {
        m_dwStyle = static_cast<DWORD>(create->style);
        if (!(m_dwStyle & (ES_AUTOHSCROLL | WS_HSCROLL))) m_fWordWrap = true;
        if (m_dwStyle & ES_CENTER) m_pf.wAlignment = PFA_CENTER;
        else if (m_dwStyle & ES_RIGHT) m_pf.wAlignment = PFA_RIGHT;
    }

    m_library.reset(::LoadLibraryA("msftedit.dll"));
    if (!m_library) return false;
    auto createTextServices =
        reinterpret_cast<PCreateTextServices>(reinterpret_cast<void (*)()>(::GetProcAddress(m_library.get(), "CreateTextServices")));
    if (!createTextServices) return false;
    Microsoft::WRL::ComPtr<IUnknown> unknown;
    if (FAILED(createTextServices(nullptr, this, unknown.GetAddressOf())) || !unknown) return false;
    if (FAILED(unknown->QueryInterface(kIidTextServices, reinterpret_cast<void**>(m_services.GetAddressOf()))))
        return false;
    unknown.Reset();

    if (create && create->lpszName && *create->lpszName) {
        const int length = ::MultiByteToWideChar(CP_ACP, 0, create->lpszName, -1, nullptr, 0);
        if (length <= 0) return false;
        std::wstring wide(static_cast<size_t>(length), L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, create->lpszName, -1, &wide[0], length);
        if (FAILED(m_services->TxSetText(wide.c_str()))) return false;
    }
    return true;
}

void CTxtWinHost::Shutdown() {
    if (m_services) {
        if (m_fInplaceActive) m_services->OnTxInPlaceDeactivate();
        m_fInplaceActive = false;
        m_services.Reset();
    }
    m_library.reset();
    m_pOwner = nullptr;
}

// --- IUnknown ---------------------------------------------------------------------------------------

HRESULT CTxtWinHost::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, kIidTextHost)) {
        *object = static_cast<ITextHost*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CTxtWinHost::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_refs)); }

ULONG CTxtWinHost::Release() {
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
}

// --- ITextHost ----------------------------------------------------------------------------------------

HDC CTxtWinHost::TxGetDC() {
    CPaintManagerUI* manager = m_pOwner ? m_pOwner->GetManager() : nullptr;
    return manager ? manager->PaintDC() : nullptr;
}

INT CTxtWinHost::TxReleaseDC(HDC) { return 1; }

WINBOOL CTxtWinHost::TxShowScrollBar(INT fnBar, WINBOOL fShow) {
    if (!m_pOwner) return FALSE;
    CScrollBarUI* vertical = m_pOwner->GetVerticalScrollBar();
    CScrollBarUI* horizontal = m_pOwner->GetHorizontalScrollBar();
    const bool show = fShow == 1;
    if (fnBar == SB_VERT || fnBar == SB_BOTH) ShowBar(m_pOwner, vertical, show);
    if (fnBar == SB_HORZ || fnBar == SB_BOTH) ShowBar(m_pOwner, horizontal, show);
    return TRUE;
}

WINBOOL CTxtWinHost::TxEnableScrollBar(INT fuSBFlags, INT fuArrowflags) {
    if (!m_pOwner) return FALSE;
    const bool wantVertical = fuSBFlags == SB_VERT || fuSBFlags == SB_BOTH;
    const bool wantHorizontal = fuSBFlags == SB_HORZ || fuSBFlags == SB_BOTH;
    const bool hasVertical = m_pOwner->GetVerticalScrollBar() != nullptr;
    const bool hasHorizontal = m_pOwner->GetHorizontalScrollBar() != nullptr;
    if ((wantVertical && !hasVertical) || (wantHorizontal && !hasHorizontal))
        m_pOwner->EnableScrollBars(wantVertical || hasVertical, wantHorizontal || hasHorizontal);
    const bool show = fuArrowflags != ESB_DISABLE_BOTH;
    if (wantVertical) ShowBar(m_pOwner, m_pOwner->GetVerticalScrollBar(), show);
    if (wantHorizontal) ShowBar(m_pOwner, m_pOwner->GetHorizontalScrollBar(), show);
    return TRUE;
}

WINBOOL CTxtWinHost::TxSetScrollRange(INT fnBar, LONG nMinPos, INT nMaxPos, WINBOOL) {
    if (!m_pOwner) return FALSE;
    const LONG span = static_cast<LONG>(nMaxPos) - nMinPos;
    if (fnBar == SB_VERT) {
        CScrollBarUI* bar = m_pOwner->GetVerticalScrollBar();
        if (!bar) return FALSE;
        const LONG height = m_rcClient.bottom - m_rcClient.top;
        ShowBar(m_pOwner, bar, span > height);
        if (span > height) bar->SetScrollRange(span - height);
    } else if (fnBar == SB_HORZ) {
        CScrollBarUI* bar = m_pOwner->GetHorizontalScrollBar();
        if (!bar) return FALSE;
        const LONG width = m_rcClient.right - m_rcClient.left;
        ShowBar(m_pOwner, bar, span > width);
        if (span > width) bar->SetScrollRange(span - width);
    }
    return TRUE;
}

WINBOOL CTxtWinHost::TxSetScrollPos(INT fnBar, INT nPos, WINBOOL) {
    if (!m_pOwner) return FALSE;
    CScrollBarUI* bar = fnBar == SB_VERT ? m_pOwner->GetVerticalScrollBar()
                                         : (fnBar == SB_HORZ ? m_pOwner->GetHorizontalScrollBar() : nullptr);
    if (bar) bar->SetScrollPos(nPos);
    return TRUE;
}

void CTxtWinHost::TxInvalidateRect(LPCRECT prc, WINBOOL fMode) {
    HWND window = PaintWindow();
    if (!window) return;
    // The control draws into the manager's back buffer: it must be redrawn there.
    if (CPaintManagerUI* manager = m_pOwner ? m_pOwner->GetManager() : nullptr)
        manager->DiscardBufferedArea(prc ? *prc : m_rcClient);
    ::InvalidateRect(window, prc ? prc : &m_rcClient, fMode);
}

void CTxtWinHost::TxViewChange(WINBOOL) {
    if (m_pOwner && m_pOwner->IsVisible()) m_pOwner->Invalidate();
}

WINBOOL CTxtWinHost::TxCreateCaret(HBITMAP hbmp, INT xWidth, INT yHeight) {
    HWND window = PaintWindow();
    return window ? ::CreateCaret(window, hbmp, xWidth, yHeight) : FALSE;
}

WINBOOL CTxtWinHost::TxShowCaret(WINBOOL fShow) {
    HWND window = PaintWindow();
    if (!window) return FALSE;
    return fShow ? ::ShowCaret(window) : ::HideCaret(window);
}

WINBOOL CTxtWinHost::TxSetCaretPos(INT x, INT y) { return ::SetCaretPos(x, y); }

WINBOOL CTxtWinHost::TxSetTimer(UINT idTimer, UINT uTimeout) {
    CPaintManagerUI* manager = m_pOwner ? m_pOwner->GetManager() : nullptr;
    if (!manager) return FALSE;
    m_fTimer = manager->StartTimer(m_pOwner, idTimer, uTimeout);
    return m_fTimer ? TRUE : FALSE;
}

void CTxtWinHost::TxKillTimer(UINT idTimer) {
    CPaintManagerUI* manager = m_pOwner ? m_pOwner->GetManager() : nullptr;
    if (manager) manager->StopTimer(m_pOwner, idTimer);
    m_fTimer = false;
}

void CTxtWinHost::TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT) {}

void CTxtWinHost::TxSetCapture(WINBOOL fCapture) {
    CPaintManagerUI* manager = m_pOwner ? m_pOwner->GetManager() : nullptr;
    if (!manager) return;
    if (fCapture) manager->CaptureMouse();
    else manager->ReleaseMouse();
    m_fCaptured = fCapture != FALSE;
}

void CTxtWinHost::TxSetFocus() {
    if (m_pOwner) m_pOwner->SetFocus();
}

void CTxtWinHost::TxSetCursor(HCURSOR hcur, WINBOOL) { ::SetCursor(hcur); }

WINBOOL CTxtWinHost::TxScreenToClient(LPPOINT lppt) {
    HWND window = PaintWindow();
    return window ? ::ScreenToClient(window, lppt) : FALSE;
}

WINBOOL CTxtWinHost::TxClientToScreen(LPPOINT lppt) {
    HWND window = PaintWindow();
    return window ? ::ClientToScreen(window, lppt) : FALSE;
}

HRESULT CTxtWinHost::TxActivate(LONG*) { return S_OK; }
HRESULT CTxtWinHost::TxDeactivate(LONG) { return S_OK; }

HRESULT CTxtWinHost::TxGetClientRect(LPRECT prc) {
    if (!prc) return E_POINTER;
    *prc = m_rcClient;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetViewInset(LPRECT prc) {
    if (!prc) return E_POINTER;
    *prc = RECT{0, 0, 0, 0};
    return S_OK;
}

HRESULT CTxtWinHost::TxGetCharFormat(const CHARFORMATW** ppCF) {
    if (!ppCF) return E_POINTER;
    *ppCF = reinterpret_cast<const CHARFORMATW*>(&m_cf);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetParaFormat(const PARAFORMAT** ppPF) {
    if (!ppPF) return E_POINTER;
    *ppPF = reinterpret_cast<const PARAFORMAT*>(&m_pf);
    return S_OK;
}

COLORREF CTxtWinHost::TxGetSysColor(int nIndex) { return ::GetSysColor(nIndex); }

HRESULT CTxtWinHost::TxGetBackStyle(TXTBACKSTYLE* pstyle) {
    if (!pstyle) return E_POINTER;
    *pstyle = m_fTransparent ? TXTBACK_TRANSPARENT : TXTBACK_OPAQUE;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetMaxLength(DWORD* plength) {
    if (!plength) return E_POINTER;
    *plength = static_cast<DWORD>(m_lMaxLength);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetScrollBars(DWORD* pdwScrollBar) {
    if (!pdwScrollBar) return E_POINTER;
    *pdwScrollBar = m_dwStyle & (WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_DISABLENOSCROLL);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetPasswordChar(TCHAR* pch) {
    if (!pch) return E_POINTER;
    // The services read a whole UTF-16 unit here whatever TCHAR is in this build.
    *reinterpret_cast<WCHAR*>(pch) = m_chPasswordChar;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetAcceleratorPos(LONG* pcp) {
    if (!pcp) return E_POINTER;
    *pcp = m_laccelpos;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetExtent(LPSIZEL lpExtent) {
    if (!lpExtent) return E_POINTER;
    *lpExtent = m_sizelExtent;
    return S_OK;
}

HRESULT CTxtWinHost::OnTxCharFormatChange(const CHARFORMATW*) { return S_OK; }
HRESULT CTxtWinHost::OnTxParaFormatChange(const PARAFORMAT*) { return S_OK; }

HRESULT CTxtWinHost::TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits) {
    if (!pdwBits) return E_POINTER;
    DWORD bits = 0;
    if (m_fRich) bits |= TXTBIT_RICHTEXT;
    if (m_dwStyle & ES_MULTILINE) bits |= TXTBIT_MULTILINE;
    if (m_dwStyle & ES_READONLY) bits |= TXTBIT_READONLY;
    if (m_dwStyle & ES_PASSWORD) bits |= TXTBIT_USEPASSWORD;
    if (!(m_dwStyle & ES_NOHIDESEL)) bits |= TXTBIT_HIDESELECTION;
    if (m_fEnableAutoWordSel) bits |= TXTBIT_AUTOWORDSEL;
    if (m_fWordWrap) bits |= TXTBIT_WORDWRAP;
    if (m_fAllowBeep) bits |= TXTBIT_ALLOWBEEP;
    if (m_fSaveSelection) bits |= TXTBIT_SAVESELECTION;
    *pdwBits = bits & dwMask;
    return S_OK;
}

HRESULT CTxtWinHost::TxNotify(DWORD iNotify, void* pv) {
    if (iNotify == EN_REQUESTRESIZE && pv) {
        const auto* resize = static_cast<const REQRESIZE*>(pv);
        RECT rc = m_rcClient;
        rc.right = rc.left + (resize->rc.right - resize->rc.left);
        rc.bottom = rc.top + (resize->rc.bottom - resize->rc.top);
        m_rcClient = rc;
        UpdateExtent();
    }
    if (m_pOwner) m_pOwner->OnTxNotify(iNotify, pv);
    return S_OK;
}

HIMC CTxtWinHost::TxImmGetContext() {
    HWND window = PaintWindow();
    return window ? ::ImmGetContext(window) : nullptr;
}

void CTxtWinHost::TxImmReleaseContext(HIMC himc) {
    HWND window = PaintWindow();
    if (window && himc) ::ImmReleaseContext(window, himc);
}

HRESULT CTxtWinHost::TxGetSelectionBarWidth(LONG* lSelBarWidth) {
    if (!lSelBarWidth) return E_POINTER;
    *lSelBarWidth = m_lSelBarWidth;
    return S_OK;
}

// --- Setters ------------------------------------------------------------------------------------------

void CTxtWinHost::SetFont(HFONT font) {
    if (!font) return;
    LOGFONTA lf = {};
    if (!::GetObjectA(font, sizeof(lf), &lf)) return;
    const LONG height = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    m_cf.cbSize = sizeof(m_cf);
    m_cf.dwMask |= CFM_SIZE | CFM_OFFSET | CFM_FACE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
    m_cf.yHeight = height * kTwipsPerInch / DeviceDpi(TxGetDC(), LOGPIXELSY);
    m_cf.yOffset = 0;
    m_cf.dwEffects &= ~static_cast<DWORD>(CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_AUTOCOLOR);
    if (lf.lfWeight >= FW_BOLD) m_cf.dwEffects |= CFE_BOLD;
    if (lf.lfItalic) m_cf.dwEffects |= CFE_ITALIC;
    if (lf.lfUnderline) m_cf.dwEffects |= CFE_UNDERLINE;
    m_cf.bCharSet = lf.lfCharSet;
    m_cf.bPitchAndFamily = lf.lfPitchAndFamily;
    ::MultiByteToWideChar(CP_ACP, 0, lf.lfFaceName, -1, m_cf.szFaceName, LF_FACESIZE);
    m_cf.szFaceName[LF_FACESIZE - 1] = L'\0';
    if (m_services) m_services->OnTxPropertyBitsChange(TXTBIT_CHARFORMATCHANGE, TXTBIT_CHARFORMATCHANGE);
}

void CTxtWinHost::SetColor(DWORD argb) {
    m_cf.dwMask |= CFM_COLOR;
    m_cf.dwEffects &= ~static_cast<DWORD>(CFE_AUTOCOLOR);
    m_cf.crTextColor = ToColorRef(argb);
    if (m_services) m_services->OnTxPropertyBitsChange(TXTBIT_CHARFORMATCHANGE, TXTBIT_CHARFORMATCHANGE);
}

void CTxtWinHost::SetRichTextFlag(bool rich) {
    m_fRich = rich;
    if (m_services) m_services->OnTxPropertyBitsChange(TXTBIT_RICHTEXT, rich ? TXTBIT_RICHTEXT : 0);
}

void CTxtWinHost::UpdateExtent() {
    HDC dc = TxGetDC();
    m_sizelExtent.cx = (m_rcClient.right - m_rcClient.left) * kHimetricPerInch / DeviceDpi(dc, LOGPIXELSX);
    m_sizelExtent.cy = (m_rcClient.bottom - m_rcClient.top) * kHimetricPerInch / DeviceDpi(dc, LOGPIXELSY);
}

void CTxtWinHost::SetClientRect(const RECT& rc) {
    m_rcClient = rc;
    UpdateExtent();
    if (m_services) {
        m_services->OnTxPropertyBitsChange(TXTBIT_EXTENTCHANGE, TXTBIT_EXTENTCHANGE);
        m_services->OnTxPropertyBitsChange(TXTBIT_CLIENTRECTCHANGE, TXTBIT_CLIENTRECTCHANGE);
    }
}

void CTxtWinHost::SetTransparent(bool transparent) {
    m_fTransparent = transparent;
    if (m_services) m_services->OnTxPropertyBitsChange(TXTBIT_BACKSTYLECHANGE, 0);
}

void CTxtWinHost::SetReadOnly(bool readOnly) {
    if (readOnly) m_dwStyle |= ES_READONLY;
    else m_dwStyle &= ~static_cast<DWORD>(ES_READONLY);
    if (m_services) m_services->OnTxPropertyBitsChange(TXTBIT_READONLY, readOnly ? TXTBIT_READONLY : 0);
}

void CTxtWinHost::SetWordWrap(bool wrap) {
    m_fWordWrap = wrap;
    if (m_services) m_services->OnTxPropertyBitsChange(TXTBIT_WORDWRAP, wrap ? TXTBIT_WORDWRAP : 0);
}

void CTxtWinHost::SetMaxLength(LONG length) {
    m_lMaxLength = length;
    if (m_services) m_services->OnTxPropertyBitsChange(TXTBIT_MAXLENGTHCHANGE, TXTBIT_MAXLENGTHCHANGE);
}

void CTxtWinHost::SetParaAlignment(WORD alignment) {
    m_pf.wAlignment = alignment;
    if (m_services) m_services->OnTxPropertyBitsChange(TXTBIT_PARAFORMATCHANGE, TXTBIT_PARAFORMATCHANGE);
}

bool CTxtWinHost::DoSetCursor(const RECT* rc, const POINT* pt) {
    if (!m_services || !pt) return false;
    const RECT area = rc ? *rc : m_rcClient;
    if (!::PtInRect(&area, *pt)) return false;
    m_services->OnTxSetCursor(DVASPECT_CONTENT, -1, nullptr, nullptr, TxGetDC(), nullptr, &m_rcClient, pt->x, pt->y);
    return true;
}

bool CTxtWinHost::ActivateInPlace(const RECT* rc) {
    m_fInplaceActive = true;
    if (!m_services || FAILED(m_services->OnTxInPlaceActivate(rc))) m_fInplaceActive = false;
    return m_fInplaceActive;
}

void CTxtWinHost::DeactivateInPlace() {
    if (m_services && m_fInplaceActive) m_services->OnTxInPlaceDeactivate();
    m_fInplaceActive = false;
}

}  // namespace SkinUI
