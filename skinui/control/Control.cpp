// CControlUI: the base control.
#include "skinui/control/Control.h"

#include <cstdlib>
#include <cstring>

#include "skinui/core/MbcsText.h"
#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {
namespace {

bool IsEmptyRect(const RECT& rc) {
    return rc.right <= rc.left || rc.bottom <= rc.top;
}

}  // namespace

CControlUI::CControlUI() = default;

CControlUI::~CControlUI() {
    if (OnDestroy.HasHandlers()) OnDestroy.Invoke(this);
    if (m_pManager) m_pManager->ReleaseControl(this);
}

CSkinString CControlUI::GetName() const { return m_sName; }
void CControlUI::SetName(const char* name) { m_sName = name; }
const char* CControlUI::GetTypeName() const { return "ControlUI"; }

void* CControlUI::AsInterface(const char* name) {
    return name && strcmp(name, "Control") == 0 ? this : nullptr;
}

UINT CControlUI::GetInputFlags() const { return 0; }

bool CControlUI::Activate() {
    return IsVisible() && IsEnabled();
}

CPaintManagerUI* CControlUI::GetManager() const { return m_pManager; }

void CControlUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    m_pManager = manager;
    m_pParent = parent;
    if (init && m_pParent) Init();
}

CControlUI* CControlUI::GetParent() const { return m_pParent; }
CSkinString CControlUI::GetText() const { return m_sText; }

void CControlUI::SetText(const char* text) {
    if (m_sText == (text ? text : "")) return;
    m_sText = text;
    Invalidate();
}

const RECT& CControlUI::GetPos() const { return m_rcItem; }

void CControlUI::SetPos(RECT rc) {
    if (rc.right < rc.left) rc.right = rc.left;
    if (rc.bottom < rc.top) rc.bottom = rc.top;

    RECT invalidate = m_rcItem;
    if (IsEmptyRect(invalidate)) invalidate = rc;

    m_rcItem = rc;
    if (!m_pManager) return;

    if (!m_bSetPos) {
        m_bSetPos = true;
        if (OnSize.HasHandlers()) OnSize.Invoke(this);
        m_bSetPos = false;
    }

    if (m_bFloat && m_pParent) {
        const RECT& parent = m_pParent->GetPos();
        m_cXY.cx = m_rcItem.left - parent.left;
        m_cXY.cy = m_rcItem.top - parent.top;
        m_cxyFixed.cx = m_rcItem.right - m_rcItem.left;
        m_cxyFixed.cy = m_rcItem.bottom - m_rcItem.top;
    }

    m_bUpdateNeeded = false;

    // The old and the new place separately: their union would span everything
    // in between, which for a row scrolled far is every row of a long list.
    InvalidateClipped(invalidate);
    if (!EqualRect(&invalidate, &m_rcItem)) InvalidateClipped(m_rcItem);
}

void CControlUI::InvalidateClipped(RECT rc) {
    for (CControlUI* ancestor = GetParent(); ancestor; ancestor = ancestor->GetParent()) {
        RECT clipped;
        if (!IntersectRect(&clipped, &rc, &ancestor->GetPos())) return;
        rc = clipped;
    }
    if (m_pManager) m_pManager->InvalidateArea(rc);
}

int CControlUI::GetWidth() const { return m_rcItem.right - m_rcItem.left; }
int CControlUI::GetHeight() const { return m_rcItem.bottom - m_rcItem.top; }
int CControlUI::GetX() const { return m_rcItem.left; }
int CControlUI::GetY() const { return m_rcItem.top; }
RECT CControlUI::GetPadding() const { return m_rcPadding; }

void CControlUI::SetPadding(RECT rc) {
    m_rcPadding = rc;
    RequestParentLayout();
}

SIZE CControlUI::GetFloatOffset() const { return m_cXY; }

void CControlUI::SetFloatOffset(SIZE offset) {
    m_cXY = offset;
    if (m_bFloat) RequestLayout();
    else RequestParentLayout();
}

int CControlUI::GetFixedWidth() const { return m_cxyFixed.cx; }

void CControlUI::SetFixedWidth(int width) {
    if (width < 0) return;
    m_cxyFixed.cx = width;
    if (m_bFloat) RequestLayout();
    else RequestParentLayout();
}

int CControlUI::GetFixedHeight() const { return m_cxyFixed.cy; }

void CControlUI::SetFixedHeight(int height) {
    if (height < 0) return;
    m_cxyFixed.cy = height;
    if (m_bFloat) RequestLayout();
    else RequestParentLayout();
}

namespace {
// A size bound setter: negative or unchanged values do nothing.
template <typename Layout>
void SetBound(LONG& field, int value, Layout&& layout) {
    if (value < 0 || field == value) return;
    field = value;
    layout();
}
}  // namespace

int CControlUI::GetMinWidth() const { return m_cxyMin.cx; }
void CControlUI::SetMinWidth(int width) {
    SetBound(m_cxyMin.cx, width, [this] { m_bFloat ? RequestLayout() : RequestParentLayout(); });
}
int CControlUI::GetMaxWidth() const { return m_cxyMax.cx; }
void CControlUI::SetMaxWidth(int width) {
    SetBound(m_cxyMax.cx, width, [this] { m_bFloat ? RequestLayout() : RequestParentLayout(); });
}
int CControlUI::GetMinHeight() const { return m_cxyMin.cy; }
void CControlUI::SetMinHeight(int height) {
    SetBound(m_cxyMin.cy, height, [this] { m_bFloat ? RequestLayout() : RequestParentLayout(); });
}
int CControlUI::GetMaxHeight() const { return m_cxyMax.cy; }
void CControlUI::SetMaxHeight(int height) {
    SetBound(m_cxyMax.cy, height, [this] { m_bFloat ? RequestLayout() : RequestParentLayout(); });
}

void CControlUI::SetRelativePos(SIZE move, SIZE zoom) {
    m_tRelativePos.bRelative = true;
    m_tRelativePos.nMoveXPercent = move.cx;
    m_tRelativePos.nMoveYPercent = move.cy;
    m_tRelativePos.nZoomXPercent = zoom.cx;
    m_tRelativePos.nZoomYPercent = zoom.cy;
}

void CControlUI::SetRelativeParentSize(SIZE size) { m_tRelativePos.szParent = size; }
TRelativePos CControlUI::GetRelativePos() const { return m_tRelativePos; }
bool CControlUI::IsRelativePos() const { return m_tRelativePos.bRelative; }

CSkinString CControlUI::GetToolTip() const { return m_sToolTip; }

void CControlUI::SetToolTip(const char* text) {
    CSkinString tip(text);
    tip.ReplaceAll("<n>", "\r\n");
    m_sToolTip = tip;
}

void CControlUI::SetToolTipWidth(int width) { m_nTooltipWidth = width; }
int CControlUI::GetToolTipWidth() const { return m_nTooltipWidth; }
char CControlUI::GetShortcut() const { return m_chShortcut; }
void CControlUI::SetShortcut(char ch) { m_chShortcut = ch; }
bool CControlUI::IsMenuUsed() const { return m_bMenuUsed; }
void CControlUI::SetMenuUsed(bool used) { m_bMenuUsed = used; }
const CSkinString& CControlUI::GetUserData() const { return m_sUserData; }
void CControlUI::SetUserData(const char* text) { m_sUserData = text; }
UINT_PTR CControlUI::GetTag() const { return m_pTag; }
void CControlUI::SetTag(UINT_PTR tag) { m_pTag = tag; }

bool CControlUI::IsVisible() const { return m_bVisible && m_bInternVisible; }

void CControlUI::SetVisible(bool visible) {
    if (m_bVisible == visible) return;
    const bool wasVisible = IsVisible();
    m_bVisible = visible;
    if (m_bFocused) m_bFocused = false;
    if (!visible && m_pManager && m_pManager->FocusedControl() == this) m_pManager->FocusControl(nullptr);
    if (IsVisible() != wasVisible) RequestParentLayout();
}

void CControlUI::SetVisibleByParent(bool visible) {
    m_bInternVisible = visible;
    if (!visible && m_pManager && m_pManager->FocusedControl() == this) m_pManager->FocusControl(nullptr);
}

bool CControlUI::IsEnabled() const { return m_bEnabled; }

void CControlUI::SetEnabled(bool enabled) {
    if (m_bEnabled == enabled) return;
    m_bEnabled = enabled;
    Invalidate();
}

bool CControlUI::IsMouseEnabled() const { return m_bMouseEnabled; }
void CControlUI::SetMouseEnabled(bool enabled) { m_bMouseEnabled = enabled; }
bool CControlUI::IsKeyboardEnabled() const { return m_bKeyboardEnabled; }
void CControlUI::SetKeyboardEnabled(bool enabled) { m_bKeyboardEnabled = enabled; }
bool CControlUI::IsFocused() const { return m_bFocused; }

void CControlUI::SetFocus() {
    if (m_pManager) m_pManager->FocusControl(this);
}

bool CControlUI::IsFloat() const { return m_bFloat; }

void CControlUI::SetFloat(bool floating) {
    if (m_bFloat == floating) return;
    m_bFloat = floating;
    RequestParentLayout();
}

CControlUI* CControlUI::FindControl(FINDCONTROLPROC proc, LPVOID data, UINT flags) {
    if ((flags & FIND_VISIBLE_ONLY) && !IsVisible()) return nullptr;
    if ((flags & FIND_ENABLED_ONLY) && !IsEnabled()) return nullptr;
    if ((flags & FIND_AT_POINT) &&
        (!IsMouseEnabled() || !PtInRect(&m_rcItem, *static_cast<const POINT*>(data))))
        return nullptr;
    return proc ? proc(this, data) : nullptr;
}

void CControlUI::Init() {
    InitSelf();
    if (OnInit.HasHandlers()) OnInit.Invoke(this);
}

void CControlUI::InitSelf() {}

void CControlUI::DispatchEvent(TControlEvent& event) {
    if (!OnEvent.Invoke(&event)) return;
    HandleEvent(event);
}

void CControlUI::HandleEvent(TControlEvent& event) {
    switch (event.Type) {
        case EV_SETCURSOR:
            ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
            return;
        case EV_SETFOCUS:
            m_bFocused = true;
            Invalidate();
            return;
        case EV_KILLFOCUS:
            m_bFocused = false;
            Invalidate();
            return;
        case EV_TIMER:
            if (m_pManager) m_pManager->SendNotification(this, "timer", event.wParam, event.lParam);
            return;
        case EV_CONTEXTMENU:
            if (m_bMenuUsed) {
                if (m_pManager) m_pManager->SendNotification(this, "menu", event.wParam, event.lParam);
                return;
            }
            break;
        default:
            break;
    }
    if (m_pParent) m_pParent->HandleEvent(event);
}

void CControlUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    if (is("pos")) {
        const RECT rc = attr::ParseRect(value);
        SetPos(rc);
        SetFloatOffset(SIZE{rc.left >= 0 ? rc.left : rc.right, rc.top >= 0 ? rc.top : rc.bottom});
        SetFixedWidth(rc.right - rc.left);
        SetFixedHeight(rc.bottom - rc.top);
    } else if (is("relativepos")) {
        const RECT rc = attr::ParseRect(value);
        SetRelativePos(SIZE{rc.left, rc.top}, SIZE{rc.right, rc.bottom});
    } else if (is("padding")) {
        SetPadding(attr::ParseRect(value));
    } else if (is("bkcolor") || is("bkcolor1")) {
        SetBkColor(attr::ParseColor(value));
    } else if (is("bkcolor2")) {
        SetBkColor2(attr::ParseColor(value));
    } else if (is("bkcolor3")) {
        SetBkColor3(attr::ParseColor(value));
    } else if (is("bordercolor")) {
        SetBorderColor(attr::ParseHexColor(value));
    } else if (is("focusbordercolor")) {
        SetFocusBorderColor(attr::ParseHexColor(value));
    } else if (is("colorhsl")) {
        SetColorHSL(attr::ParseBool(value));
    } else if (is("bordersize")) {
        if (!strchr(value, ',')) {
            SetBorderSize(atoi(value));
            SetBorderSize(RECT{0, 0, 0, 0});
        } else {
            SetBorderSize(attr::ParseRect(value));
        }
    } else if (is("leftbordersize")) {
        SetLeftBorderSize(atoi(value));
    } else if (is("topbordersize")) {
        SetTopBorderSize(atoi(value));
    } else if (is("rightbordersize")) {
        SetRightBorderSize(atoi(value));
    } else if (is("bottombordersize")) {
        SetBottomBorderSize(atoi(value));
    } else if (is("borderstyle")) {
        SetBorderStyle(atoi(value));
    } else if (is("borderround")) {
        SetBorderRound(attr::ParseSize(value));
    } else if (is("bkimage")) {
        SetBkImage(value);
    } else if (is("width")) {
        SetFixedWidth(atoi(value));
    } else if (is("height")) {
        SetFixedHeight(atoi(value));
    } else if (is("minwidth")) {
        SetMinWidth(atoi(value));
    } else if (is("minheight")) {
        SetMinHeight(atoi(value));
    } else if (is("maxwidth")) {
        SetMaxWidth(atoi(value));
    } else if (is("maxheight")) {
        SetMaxHeight(atoi(value));
    } else if (is("name")) {
        SetName(value);
    } else if (is("text")) {
        SetText(value);
    } else if (is("tooltip")) {
        SetToolTip(value);
    } else if (is("userdata")) {
        SetUserData(value);
    } else if (is("enabled")) {
        SetEnabled(attr::ParseBool(value));
    } else if (is("mouse")) {
        SetMouseEnabled(attr::ParseBool(value));
    } else if (is("keyboard")) {
        SetKeyboardEnabled(attr::ParseBool(value));
    } else if (is("visible")) {
        SetVisible(attr::ParseBool(value));
    } else if (is("float")) {
        SetFloat(attr::ParseBool(value));
    } else if (is("shortcut")) {
        SetShortcut(value[0]);
    } else if (is("menu")) {
        SetMenuUsed(attr::ParseBool(value));
    } else if (is("virtualwnd")) {
        SetVirtualWnd(value);
    }
}

SIZE CControlUI::MeasureSize(SIZE) {
    return m_cxyFixed;
}

void CControlUI::Paint(HDC hDC, const RECT& rcDirty) {
    if (!IntersectRect(&m_rcPaint, &rcDirty, &m_rcItem)) return;
    // Rounded corners clip every step; the clip ends with this scope.
    CSkinClip roundClip;
    if (m_cxyBorderRound.cx > 0 || m_cxyBorderRound.cy > 0)
        CSkinRender::ClipToRoundRect(hDC, m_rcPaint, m_rcItem, m_cxyBorderRound.cx,
                                     m_cxyBorderRound.cy, roundClip);
    PaintBackgroundColor(hDC);
    PaintBackgroundImage(hDC);
    PaintStateImages(hDC);
    PaintText(hDC);
    PaintBorder(hDC);
}

void CControlUI::PaintBackgroundColor(HDC hDC) {
    if (m_dwBackColor == 0) return;
    if (m_dwBackColor2 != 0 && m_dwBackColor3 != 0) {
        const LONG mid = (m_rcItem.top + m_rcItem.bottom) / 2;
        RECT upper = m_rcItem;
        upper.bottom = mid;
        RECT lower = m_rcItem;
        lower.top = mid;
        CSkinRender::DrawGradient(hDC, upper, GetAdjustedColor(m_dwBackColor),
                                  GetAdjustedColor(m_dwBackColor2), true, 8);
        CSkinRender::DrawGradient(hDC, lower, GetAdjustedColor(m_dwBackColor2),
                                  GetAdjustedColor(m_dwBackColor3), true, 8);
    } else if (m_dwBackColor2 != 0) {
        CSkinRender::DrawGradient(hDC, m_rcItem, GetAdjustedColor(m_dwBackColor),
                                  GetAdjustedColor(m_dwBackColor2), true, 16);
    } else if (m_dwBackColor >= 0xFF000000) {
        CSkinRender::DrawColor(hDC, m_rcPaint, GetAdjustedColor(m_dwBackColor));
    } else {
        CSkinRender::DrawColor(hDC, m_rcItem, GetAdjustedColor(m_dwBackColor));
    }
}

void CControlUI::PaintBackgroundImage(HDC hDC) {
    if (m_sBkImage.IsEmpty()) return;
    if (!DrawImage(hDC, m_sBkImage)) m_sBkImage.Clear();
}

void CControlUI::PaintStateImages(HDC) {}
void CControlUI::PaintText(HDC) {}

void CControlUI::PaintBorder(HDC hDC) {
    if (m_dwBorderColor == 0 && m_dwFocusBorderColor == 0) return;
    const bool round = m_cxyBorderRound.cx > 0 || m_cxyBorderRound.cy > 0;
    if (m_nBorderSize > 0 && round) {
        const DWORD color = IsFocused() && m_dwFocusBorderColor != 0 ? m_dwFocusBorderColor : m_dwBorderColor;
        CSkinRender::DrawRoundRect(hDC, m_rcItem, m_nBorderSize, m_cxyBorderRound.cx,
                                   m_cxyBorderRound.cy, GetAdjustedColor(color));
        return;
    }
    if (IsFocused() && m_dwFocusBorderColor != 0 && m_nBorderSize > 0) {
        CSkinRender::DrawRect(hDC, m_rcItem, m_nBorderSize, GetAdjustedColor(m_dwFocusBorderColor));
        return;
    }
    const RECT& r = m_rcItem;
    const RECT& sides = m_rcBorderSize;
    if (sides.left > 0 || sides.top > 0 || sides.right > 0 || sides.bottom > 0) {
        const DWORD color = GetAdjustedColor(m_dwBorderColor);
        if (sides.left > 0)
            CSkinRender::DrawLine(hDC, RECT{r.left, r.top, r.left, r.bottom}, sides.left, color, m_nBorderStyle);
        if (sides.top > 0)
            CSkinRender::DrawLine(hDC, RECT{r.left, r.top, r.right, r.top}, sides.top, color, m_nBorderStyle);
        if (sides.right > 0)
            CSkinRender::DrawLine(hDC, RECT{r.right, r.top, r.right, r.bottom}, sides.right, color, m_nBorderStyle);
        if (sides.bottom > 0)
            CSkinRender::DrawLine(hDC, RECT{r.left, r.bottom, r.right, r.bottom}, sides.bottom, color, m_nBorderStyle);
        return;
    }
    if (m_nBorderSize > 0) CSkinRender::DrawRect(hDC, m_rcItem, m_nBorderSize, GetAdjustedColor(m_dwBorderColor));
}

void CControlUI::PaintOverlay(HDC, const RECT&) {}

void CControlUI::Invalidate() {
    if (!IsVisible()) return;
    RECT rc = m_rcItem;
    for (CControlUI* ancestor = GetParent(); ancestor; ancestor = ancestor->GetParent()) {
        RECT clipped;
        if (!IntersectRect(&clipped, &rc, &ancestor->GetPos())) return;
        rc = clipped;
    }
    if (m_pManager) m_pManager->InvalidateArea(rc);
}

void CControlUI::RequestLayout() {
    if (!IsVisible()) return;
    m_bUpdateNeeded = true;
    Invalidate();
    if (m_pManager) m_pManager->RequestUpdate();
}

void CControlUI::RequestParentLayout() {
    if (m_pParent) {
        m_pParent->RequestLayout();
        m_pParent->Invalidate();
    } else {
        RequestLayout();
    }
    if (m_pManager) m_pManager->RequestUpdate();
}

namespace {
// An appearance setter: nothing when unchanged, else store and invalidate.
template <typename T>
bool Changed(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}
}  // namespace

void CControlUI::SetBkColor(DWORD color) { if (Changed(m_dwBackColor, color)) Invalidate(); }
void CControlUI::SetBkColor2(DWORD color) { if (Changed(m_dwBackColor2, color)) Invalidate(); }
void CControlUI::SetBkColor3(DWORD color) { if (Changed(m_dwBackColor3, color)) Invalidate(); }
void CControlUI::SetBorderColor(DWORD color) { if (Changed(m_dwBorderColor, color)) Invalidate(); }
void CControlUI::SetFocusBorderColor(DWORD color) { if (Changed(m_dwFocusBorderColor, color)) Invalidate(); }
void CControlUI::SetColorHSL(bool hsl) { if (Changed(m_bColorHSL, hsl)) Invalidate(); }
void CControlUI::SetBorderSize(int size) { if (Changed(m_nBorderSize, size)) Invalidate(); }

void CControlUI::SetBkImage(const char* descriptor) {
    if (m_sBkImage == (descriptor ? descriptor : "")) return;
    m_sBkImage = descriptor;
    Invalidate();
}

void CControlUI::SetForeImage(const char* descriptor) {
    m_sForeImage = descriptor;
    Invalidate();
}

void CControlUI::SetBorderSize(RECT sizes) {
    m_rcBorderSize = sizes;
    Invalidate();
}

void CControlUI::SetLeftBorderSize(int size) { m_rcBorderSize.left = size; Invalidate(); }
void CControlUI::SetTopBorderSize(int size) { m_rcBorderSize.top = size; Invalidate(); }
void CControlUI::SetRightBorderSize(int size) { m_rcBorderSize.right = size; Invalidate(); }
void CControlUI::SetBottomBorderSize(int size) { m_rcBorderSize.bottom = size; Invalidate(); }
void CControlUI::SetBorderStyle(int style) { m_nBorderStyle = style; Invalidate(); }
void CControlUI::SetBorderRound(SIZE round) { m_cxyBorderRound = round; Invalidate(); }

DWORD CControlUI::GetAdjustedColor(DWORD color) const {
    if (!m_bColorHSL) return color;
    short hue = 0, saturation = 0, lightness = 0;
    CPaintManagerUI::HueSaturationLightness(hue, saturation, lightness);
    return CSkinRender::AdjustColor(color, hue, saturation, lightness);
}

bool CControlUI::DrawImage(HDC hDC, const char* descriptor, const char* modifier) {
    return CSkinRender::DrawImageDescriptor(hDC, m_pManager, m_rcItem, m_rcPaint, descriptor, modifier);
}

void CControlUI::ApplyAttributes(const char* list) {
    if (!list) return;
    const bool* lead = detail::LeadByteTable();
    CSkinString name;
    CSkinString value;
    const char* p = list;
    while (*p) {
        name.Clear();
        value.Clear();
        const char* nameStart = p;
        while (*p && *p != '=') {
            p += (lead[static_cast<unsigned char>(*p)] && p[1]) ? 2 : 1;
        }
        name.Assign(nameStart, static_cast<int>(p - nameStart));
        if (p[0] != '=' || p[1] != '"') return;
        p += 2;
        const char* valueStart = p;
        while (*p && *p != '"') {
            p += (lead[static_cast<unsigned char>(*p)] && p[1]) ? 2 : 1;
        }
        if (*p != '"') return;
        value.Assign(valueStart, static_cast<int>(p - valueStart));
        SetAttribute(name, value);
        ++p;
        if (*p != ' ') return;
        ++p;
    }
}

CSkinString CControlUI::GetVirtualWnd() const {
    if (!m_sVirtualWnd.IsEmpty()) return m_sVirtualWnd;
    return m_pParent ? m_pParent->GetVirtualWnd() : CSkinString();
}

void CControlUI::SetVirtualWnd(const char* name) {
    m_sVirtualWnd = name;
    if (m_pManager) m_pManager->EnableVirtualWindowNames(true);
}

}  // namespace SkinUI
