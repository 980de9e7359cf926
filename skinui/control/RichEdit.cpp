// CRichEditUI: creation of the text host, the window messages it forwards,
// layout with the text services' scroll bars, drawing, text and RTF.
#include "skinui/control/RichEdit.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "skinui/control/ScrollBar.h"
#include "skinui/control/TextHost.h"
#include "skinui/core/PaintManager.h"

namespace SkinUI {
namespace {

std::wstring ToWide(const char* text) {
    if (!text || !*text) return std::wstring();
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

std::string ToAnsi(const wchar_t* text, int length) {
    if (!text || length <= 0) return std::string();
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return std::string();
    std::string ansi(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, length, &ansi[0], bytes, nullptr, nullptr);
    return ansi;
}

DWORD CALLBACK AppendToString(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* written) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(size));
    *written = size;
    return 0;
}

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST;
}

bool IsImeMessage(UINT msg) {
    return (msg >= WM_IME_STARTCOMPOSITION && msg <= WM_IME_KEYLAST) || (msg >= WM_IME_SETCONTEXT && msg <= WM_IME_KEYUP);
}

}  // namespace

CRichEditUI::CRichEditUI() = default;

CRichEditUI::~CRichEditUI() {
    if (m_bFilterAdded && m_pManager) m_pManager->RemoveFilter(this);
    if (m_pManager) m_pManager->StopAllTimers(this);
    if (m_pTwh) {
        // Going while focused or captured: the caret and the capture go with it.
        if (m_bFocused) TxSendMessage(WM_KILLFOCUS, 0, 0, nullptr);
        if (m_pTwh->IsCaptured() && m_pManager) m_pManager->ReleaseMouse();
        m_pTwh->Shutdown();
        m_pTwh.Reset();
    }
}

const char* CRichEditUI::GetTypeName() const { return "RichEditUI"; }

void* CRichEditUI::AsInterface(const char* name) {
    if (!name) return nullptr;
    if (strcmp(name, "RichEdit") == 0) return static_cast<CRichEditUI*>(this);
    // Asked by the paint manager before it turns Tab into a focus move.
    if (strcmp(name, "WantTab") == 0) return m_bWantTab ? static_cast<CRichEditUI*>(this) : nullptr;
    return CContainerUI::AsInterface(name);
}

UINT CRichEditUI::GetInputFlags() const {
    return IsEnabled() ? static_cast<UINT>(INPUT_TAB_STOP | INPUT_WANTS_CURSOR) : 0u;
}

ITextServices* CRichEditUI::GetTextServices() const {
    return m_pTwh ? m_pTwh->GetTextServices() : nullptr;
}

bool CRichEditUI::TxSendMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) const {
    ITextServices* services = GetTextServices();
    LRESULT ignored = 0;
    if (!services) return false;
    return services->TxSendMessage(msg, wParam, lParam, result ? result : &ignored) == S_OK;
}

void CRichEditUI::InitSelf() {
    if (m_pTwh || !m_pManager) return;
    const bool vertical = (m_lTwhStyle & WS_VSCROLL) != 0;
    const bool horizontal = (m_lTwhStyle & WS_HSCROLL) != 0;
    if (vertical || horizontal) EnableScrollBars(vertical, horizontal);

    const CSkinString initialText = m_sText;
    CREATESTRUCTA create = {};
    create.style = m_lTwhStyle;
    create.lpszName = initialText;
    Microsoft::WRL::ComPtr<CTxtWinHost> host;
    host.Attach(new CTxtWinHost);
    if (!host->Init(this, &create)) {
        host->Shutdown();
        return;
    }
    m_pTwh = host;
    m_pTwh->SetTransparent(true);
    TxSendMessage(EM_SETLANGOPTIONS, 0, 0, nullptr);
    m_pTwh->ActivateInPlace(nullptr);
    m_bFilterAdded = m_pManager->AddFilter(this);
}

CSkinString CRichEditUI::GetText() const {
    if (!GetTextServices()) return m_sText;
    LRESULT length = 0;
    TxSendMessage(WM_GETTEXTLENGTH, 0, 0, &length);
    if (length <= 0) return CSkinString();
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    TxSendMessage(WM_GETTEXT, static_cast<WPARAM>(length) + 1, reinterpret_cast<LPARAM>(&wide[0]), &copied);
    return CSkinString(ToAnsi(wide.c_str(), static_cast<int>(copied)).c_str());
}

void CRichEditUI::SetText(const char* text) {
    m_sText = text;
    ITextServices* services = GetTextServices();
    if (!services) return;
    const std::wstring wide = ToWide(text);
    services->TxSetText(wide.c_str());
    Invalidate();
}

long CRichEditUI::GetTextLength() const {
    GETTEXTLENGTHEX request = {GTL_DEFAULT, 1200};
    LRESULT length = 0;
    TxSendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0, &length);
    return static_cast<long>(length);
}

void CRichEditUI::GetSel(long& start, long& end) const {
    CHARRANGE range = {0, 0};
    TxSendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range), nullptr);
    start = range.cpMin;
    end = range.cpMax;
}

void CRichEditUI::SetSel(long start, long end) {
    CHARRANGE range = {start, end};
    TxSendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range), nullptr);
}

void CRichEditUI::SetSelAll() { SetSel(0, -1); }

void CRichEditUI::ReplaceSel(const char* text, bool canUndo) {
    const std::wstring wide = ToWide(text);
    TxSendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(wide.c_str()), nullptr);
}

CSkinString CRichEditUI::GetSelText() const {
    long start = 0, end = 0;
    GetSel(start, end);
    if (end <= start) return CSkinString();
    std::wstring wide(static_cast<size_t>(end - start) + 1, L'\0');
    LRESULT copied = 0;
    TxSendMessage(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(&wide[0]), &copied);
    return CSkinString(ToAnsi(wide.c_str(), static_cast<int>(copied)).c_str());
}

int CRichEditUI::GetLineCount() const {
    LRESULT count = 0;
    TxSendMessage(EM_GETLINECOUNT, 0, 0, &count);
    return static_cast<int>(count);
}

int CRichEditUI::GetFirstVisibleLine() const {
    LRESULT line = 0;
    TxSendMessage(EM_GETFIRSTVISIBLELINE, 0, 0, &line);
    return static_cast<int>(line);
}

bool CRichEditUI::SetSelectionCharFormat(CHARFORMAT2W& format) {
    format.cbSize = sizeof(format);
    LRESULT ok = 0;
    return TxSendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format), &ok) && ok;
}

bool CRichEditUI::GetSelectionCharFormat(CHARFORMAT2W& format) const {
    format.cbSize = sizeof(format);
    return TxSendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format), nullptr);
}

long CRichEditUI::StreamIn(int format, EDITSTREAM& stream) {
    LRESULT count = 0;
    TxSendMessage(EM_STREAMIN, static_cast<WPARAM>(format), reinterpret_cast<LPARAM>(&stream), &count);
    return static_cast<long>(count);
}

long CRichEditUI::StreamOut(int format, EDITSTREAM& stream) {
    LRESULT count = 0;
    TxSendMessage(EM_STREAMOUT, static_cast<WPARAM>(format), reinterpret_cast<LPARAM>(&stream), &count);
    return static_cast<long>(count);
}

CSkinString CRichEditUI::GetRtf() const {
    std::string rtf;
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&rtf), 0, &AppendToString};
    LRESULT count = 0;
    TxSendMessage(EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream), &count);
    return CSkinString(rtf.c_str());
}

bool CRichEditUI::SetRtf(const char* rtf) {
    SETTEXTEX how = {ST_DEFAULT, CP_ACP};
    LRESULT ok = 0;
    const bool sent = TxSendMessage(EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(rtf ? rtf : ""), &ok);
    Invalidate();
    return sent && ok;
}

void CRichEditUI::SetRich(bool rich) {
    m_bRich = rich;
    if (m_pTwh) m_pTwh->SetRichTextFlag(rich);
}

void CRichEditUI::SetReadOnly(bool readOnly) {
    m_bReadOnly = readOnly;
    if (readOnly) m_lTwhStyle |= ES_READONLY;
    else m_lTwhStyle &= ~ES_READONLY;
    if (m_pTwh) m_pTwh->SetReadOnly(readOnly);
}

bool CRichEditUI::IsWordWrap() const { return m_bWordWrap; }

void CRichEditUI::SetWordWrap(bool wrap) {
    m_bWordWrap = wrap;
    if (m_pTwh) m_pTwh->SetWordWrap(wrap);
}

void CRichEditUI::SetFont(int index) {
    m_iFont = index;
    if (m_pTwh && m_pManager) m_pTwh->SetFont(m_pManager->FontByIndex(index));
}

void CRichEditUI::SetTextColor(DWORD color) {
    m_dwTextColor = color;
    if (m_pTwh) m_pTwh->SetColor(color);
}

void CRichEditUI::SetLimitText(LONG limit) {
    m_iLimitText = limit;
    if (m_pTwh) m_pTwh->SetMaxLength(limit);
}

void CRichEditUI::SetParaAlignment(WORD alignment) {
    m_lTwhStyle &= ~(ES_CENTER | ES_RIGHT);
    if (alignment == PFA_CENTER) m_lTwhStyle |= ES_CENTER;
    else if (alignment == PFA_RIGHT) m_lTwhStyle |= ES_RIGHT;
    if (m_pTwh) m_pTwh->SetParaAlignment(alignment);
}

void CRichEditUI::OnTxNotify(DWORD, void*) {}

void CRichEditUI::OnScrollBarChanged() {
    if (!m_bInSetPos) RequestLayout();
}

// --- Layout and painting ------------------------------------------------------------------------------

void CRichEditUI::SetPos(RECT rc) {
    m_bInSetPos = true;
    CControlUI::SetPos(rc);
    RECT client = InsetItemRect();
    CScrollBarUI* vertical = m_pVerticalScrollBar;
    CScrollBarUI* horizontal = m_pHorizontalScrollBar;
    const bool verticalAtStart = IsBarShown(vertical);
    if (verticalAtStart) client.right -= vertical->GetFixedWidth();
    if (IsBarShown(horizontal)) client.bottom -= horizontal->GetFixedHeight();
    if (client.right < client.left) client.right = client.left;
    if (client.bottom < client.top) client.bottom = client.top;

    if (m_pTwh) {
        m_pTwh->SetClientRect(client);
        ITextServices* services = m_pTwh->GetTextServices();
        if (vertical && services && ((verticalAtStart && !vertical->IsVisible()) || m_bVScrollBarFixing)) {
            // Would the text still overflow with the bar's width given back?
            LONG width = client.right - client.left + vertical->GetFixedWidth();
            LONG height = 0;
            SIZEL extent = {-1, -1};
            services->TxGetNaturalSize(DVASPECT_CONTENT, m_pManager ? m_pManager->PaintDC() : nullptr, nullptr,
                                       nullptr, TXTNS_FITTOCONTENT, &extent, &width, &height);
            if (height > client.bottom - client.top) {
                vertical->SetVisible(true);
                vertical->SetScrollPos(0);
                m_bVScrollBarFixing = true;
            } else if (m_bVScrollBarFixing) {
                vertical->SetVisible(false);
                m_bVScrollBarFixing = false;
            }
        }
    }

    if (IsBarShown(vertical))
        vertical->SetPos(RECT{client.right, client.top, client.right + vertical->GetFixedWidth(), client.bottom});
    if (IsBarShown(horizontal))
        horizontal->SetPos(RECT{client.left, client.bottom, client.right, client.bottom + horizontal->GetFixedHeight()});

    for (int i = 0; i < m_items.Count(); ++i) {
        CControlUI* child = Child(i);
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) PlaceFloatChild(i);
        else child->SetPos(client);
    }
    m_bInSetPos = false;
}

void CRichEditUI::PaintText(HDC hDC) {
    ITextServices* services = GetTextServices();
    if (!services) return;
    const RECT& client = m_pTwh->GetClientRect();
    RECTL bounds = {client.left, client.top, client.right, client.bottom};
    RECT update = m_rcPaint;
    services->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, hDC, nullptr, &bounds, nullptr, &update, nullptr, 0,
                     TXTVIEW_ACTIVE);
}

// --- Scrolling ------------------------------------------------------------------------------------------

void CRichEditUI::ScrollBy(UINT msg, int code, int pos) {
    TxSendMessage(msg, MAKEWPARAM(code, pos), 0, nullptr);
}

void CRichEditUI::SetScrollPos(SIZE pos) {
    if (IsBarShown(m_pVerticalScrollBar) && pos.cy != m_pVerticalScrollBar->GetScrollPos())
        ScrollBy(WM_VSCROLL, SB_THUMBPOSITION, pos.cy);
    if (IsBarShown(m_pHorizontalScrollBar) && pos.cx != m_pHorizontalScrollBar->GetScrollPos())
        ScrollBy(WM_HSCROLL, SB_THUMBPOSITION, pos.cx);
}

void CRichEditUI::ScrollLineUp() { ScrollBy(WM_VSCROLL, SB_LINEUP); }
void CRichEditUI::ScrollLineDown() { ScrollBy(WM_VSCROLL, SB_LINEDOWN); }
void CRichEditUI::ScrollPageUp() { ScrollBy(WM_VSCROLL, SB_PAGEUP); }
void CRichEditUI::ScrollPageDown() { ScrollBy(WM_VSCROLL, SB_PAGEDOWN); }
void CRichEditUI::ScrollToTop() { ScrollBy(WM_VSCROLL, SB_TOP); }
void CRichEditUI::ScrollToBottom() { ScrollBy(WM_VSCROLL, SB_BOTTOM); }
void CRichEditUI::ScrollLineLeft() { ScrollBy(WM_HSCROLL, SB_LINELEFT); }
void CRichEditUI::ScrollLineRight() { ScrollBy(WM_HSCROLL, SB_LINERIGHT); }
void CRichEditUI::ScrollPageLeft() { ScrollBy(WM_HSCROLL, SB_PAGELEFT); }
void CRichEditUI::ScrollPageRight() { ScrollBy(WM_HSCROLL, SB_PAGERIGHT); }
void CRichEditUI::ScrollToLeft() { ScrollBy(WM_HSCROLL, SB_LEFT); }
void CRichEditUI::ScrollToRight() { ScrollBy(WM_HSCROLL, SB_RIGHT); }

// --- Events and messages --------------------------------------------------------------------------------

void CRichEditUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        if (m_pParent) m_pParent->HandleEvent(event);
        else CContainerUI::HandleEvent(event);
        return;
    }
    ITextServices* services = GetTextServices();
    switch (event.Type) {
        case EV_SETCURSOR:
            if (IsEnabled() && m_pTwh && m_pTwh->DoSetCursor(nullptr, &event.ptMouse)) return;
            break;
        case EV_SETFOCUS:
            m_bFocused = true;
            if (services) {
                services->OnTxUIActivate();
                TxSendMessage(WM_SETFOCUS, 0, 0, nullptr);
            }
            Invalidate();
            return;
        case EV_KILLFOCUS:
            m_bFocused = false;
            if (services) {
                TxSendMessage(WM_KILLFOCUS, 0, 0, nullptr);
                services->OnTxUIDeactivate();
            }
            Invalidate();
            return;
        case EV_TIMER:
            if (m_pTwh && services) {
                TxSendMessage(WM_TIMER, event.wParam, event.lParam, nullptr);
                return;
            }
            break;
        default:
            break;
    }
    CContainerUI::HandleEvent(event);
}

LRESULT CRichEditUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
    if (!IsVisible() || !IsEnabled() || !m_pManager || !GetTextServices()) return 0;
    if (!IsMouseEnabled() && IsMouseMessage(uMsg)) return 0;
    if (uMsg == WM_MOUSEWHEEL && (LOWORD(wParam) & MK_CONTROL) == 0) return 0;

    bool handledWhenSent = true;
    if (IsMouseMessage(uMsg) || uMsg == WM_SETCURSOR) {
        const bool captured = m_pTwh->IsCaptured();
        if (!captured) {
            switch (uMsg) {
                case WM_LBUTTONDOWN:
                case WM_LBUTTONUP:
                case WM_LBUTTONDBLCLK:
                case WM_RBUTTONDOWN:
                case WM_RBUTTONUP: {
                    const POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                    if (m_pManager->FindControl(pt) != this) return 0;
                    break;
                }
                default:
                    break;
            }
            POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (uMsg == WM_MOUSEWHEEL) {
                ::ScreenToClient(m_pManager->PaintWindow(), &pt);
            } else if (uMsg == WM_SETCURSOR) {
                ::GetCursorPos(&pt);
                ::ScreenToClient(m_pManager->PaintWindow(), &pt);
            }
            const RECT& client = m_pTwh->GetClientRect();
            if (!::PtInRect(&client, pt) || m_pManager->HasMouseCapture()) return 0;
        }
        if (uMsg == WM_SETCURSOR) {
            handledWhenSent = false;
        } else if (uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONDBLCLK || uMsg == WM_RBUTTONDOWN) {
            if (::GetFocus() != m_pManager->PaintWindow()) ::SetFocus(m_pManager->PaintWindow());
            SetFocus();
        }
    } else if ((uMsg >= WM_KEYFIRST && uMsg <= WM_KEYLAST) || uMsg == WM_IME_CHAR || IsImeMessage(uMsg)) {
        if (!IsFocused()) return 0;
    } else if (uMsg == WM_CONTEXTMENU) {
        POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ::ScreenToClient(m_pManager->PaintWindow(), &pt);
        if (m_pManager->FindControl(pt) != this) return 0;
    } else if (uMsg == WM_HELP) {
        handledWhenSent = false;
    } else {
        return 0;
    }

    // Enter goes to the text only when wanted; otherwise it is "return" and its character is dropped.
    const bool isEnterKey = uMsg == WM_KEYDOWN && wParam == VK_RETURN;
    const bool isEnterChar = uMsg == WM_CHAR && (wParam == '\r' || wParam == '\n');
    if (isEnterKey || isEnterChar) {
        const bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
        if (!(m_bWantReturn && (!ctrl || m_bWantCtrlReturn))) {
            if (isEnterKey) m_pManager->SendNotification(this, "return");
            bHandled = true;
            return 0;
        }
    }

    LRESULT result = 0;
    const HRESULT hr = GetTextServices()->TxSendMessage(uMsg, wParam, lParam, &result);
    if (hr == S_OK) {
        bHandled = handledWhenSent;
    } else if ((uMsg >= WM_KEYFIRST && uMsg <= WM_KEYLAST) || uMsg == WM_IME_CHAR) {
        bHandled = handledWhenSent;
    } else if (IsMouseMessage(uMsg) && m_pTwh && m_pTwh->IsCaptured()) {
        bHandled = handledWhenSent;
    }
    return result;
}

// --- Attributes -----------------------------------------------------------------------------------------

void CRichEditUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    const bool on = attr::ParseBool(value);
    if (is("vscrollbar")) {
        if (on) m_lTwhStyle |= ES_DISABLENOSCROLL | WS_VSCROLL;
    } else if (is("autovscroll")) {
        if (on) m_lTwhStyle |= ES_AUTOVSCROLL;
    } else if (is("hscrollbar")) {
        if (on) m_lTwhStyle |= ES_DISABLENOSCROLL | WS_HSCROLL;
    } else if (is("autohscroll")) {
        if (on) m_lTwhStyle |= ES_AUTOHSCROLL;
    } else if (is("wanttab")) {
        SetWantTab(on);
    } else if (is("wantreturn")) {
        SetWantReturn(on);
    } else if (is("wantctrlreturn")) {
        SetWantCtrlReturn(on);
    } else if (is("rich")) {
        SetRich(on);
    } else if (is("multiline")) {
        if (strcmp(value, "false") == 0) m_lTwhStyle &= ~ES_MULTILINE;
    } else if (is("readonly")) {
        if (on) SetReadOnly(true);
    } else if (is("password")) {
        if (on) m_lTwhStyle |= ES_PASSWORD;
    } else if (is("align")) {
        if (strstr(value, "left")) SetParaAlignment(PFA_LEFT);
        if (strstr(value, "center")) SetParaAlignment(PFA_CENTER);
        if (strstr(value, "right")) SetParaAlignment(PFA_RIGHT);
    } else if (is("font")) {
        SetFont(atoi(value));
    } else if (is("textcolor")) {
        SetTextColor(attr::ParseColor(value));
    } else {
        CContainerUI::SetAttribute(name, value);
    }
}

}  // namespace SkinUI
