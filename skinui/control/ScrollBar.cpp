// CScrollBarUI: layout of the parts, presses, thumb dragging, the repeat
// timer and painting.
#include "skinui/control/ScrollBar.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "skinui/control/Container.h"
#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {
namespace {
constexpr UINT kRepeatInterval = 50;
constexpr int kRepeatAfterTicks = 5;
constexpr DWORD kOutlineColor = 0xFF85E4FF;

bool IsZero(const RECT& rc) {
    return rc.left == 0 && rc.top == 0 && rc.right == 0 && rc.bottom == 0;
}
}  // namespace

CScrollBarUI::CScrollBarUI() {
    m_cxyFixed.cx = 16;
}

CScrollBarUI::~CScrollBarUI() = default;

const char* CScrollBarUI::GetTypeName() const { return "ScrollBarUI"; }

void* CScrollBarUI::AsInterface(const char* name) {
    if (name && strcmp(name, "ScrollBar") == 0) return static_cast<CScrollBarUI*>(this);
    return CControlUI::AsInterface(name);
}

void CScrollBarUI::SetHorizontal(bool horizontal) {
    if (m_bHorizontal == horizontal) return;
    m_bHorizontal = horizontal;
    if (m_bHorizontal && m_cxyFixed.cy == 0) {
        m_cxyFixed.cx = 0;
        m_cxyFixed.cy = 16;
    } else if (!m_bHorizontal && m_cxyFixed.cx == 0) {
        m_cxyFixed.cy = 0;
        m_cxyFixed.cx = 16;
    }
    if (m_pOwner) m_pOwner->RequestLayout();
    else RequestParentLayout();
}

void CScrollBarUI::SetScrollRange(int range) {
    if (m_nRange == range) return;
    m_nRange = std::max(0, range);
    if (m_nScrollPos > m_nRange) m_nScrollPos = m_nRange;
    SetPos(m_rcItem);
}

void CScrollBarUI::SetScrollPos(int pos) {
    if (m_nScrollPos == pos) return;
    m_nScrollPos = std::max(0, std::min(pos, m_nRange));
    SetPos(m_rcItem);
}

void CScrollBarUI::SetShowButton1(bool show) {
    m_bShowButton1 = show;
    SetPos(m_rcItem);
}

void CScrollBarUI::SetShowButton2(bool show) {
    m_bShowButton2 = show;
    SetPos(m_rcItem);
}

void CScrollBarUI::SetVisible(bool visible) {
    // The owner lays the bar out; no layout request from here.
    if (m_bVisible == visible) return;
    m_bVisible = visible;
    if (m_bFocused) m_bFocused = false;
}

void CScrollBarUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!IsEnabled()) {
        m_uButton1State = 0;
        m_uButton2State = 0;
        m_uThumbState = 0;
    }
}

void CScrollBarUI::SetFocus() {
    if (m_pOwner) m_pOwner->SetFocus();
    else CControlUI::SetFocus();
}

// --- Layout ----------------------------------------------------------------------------

void CScrollBarUI::SetPos(RECT rc) {
    CControlUI::SetPos(rc);
    LayoutParts(m_rcItem);
}

void CScrollBarUI::LayoutParts(const RECT& rc) {
    // Worked along the bar's length: `lo`/`hi` are left/right for a
    // horizontal bar and top/bottom for a vertical one.
    LONG RECT::*const lo = m_bHorizontal ? &RECT::left : &RECT::top;
    LONG RECT::*const hi = m_bHorizontal ? &RECT::right : &RECT::bottom;
    LONG RECT::*const across = m_bHorizontal ? &RECT::top : &RECT::left;
    LONG RECT::*const acrossEnd = m_bHorizontal ? &RECT::bottom : &RECT::right;
    const int s = Thickness();
    const LONG start = rc.*lo;
    const LONG end = rc.*hi;
    const LONG side = rc.*across;
    const int len = end - start;
    int avail = len;
    if (m_bShowButton1) avail -= s;
    if (m_bShowButton2) avail -= s;

    const auto part = [&](LONG from, LONG to, LONG thickness) {
        RECT r;
        r.*lo = from;
        r.*hi = to;
        r.*across = side;
        r.*acrossEnd = side + thickness;
        return r;
    };
    if (avail <= s) {
        const int half = std::min(len / 2, s);
        m_rcButton1 = m_bShowButton1 ? part(start, start + half, s) : part(start, start, 0);
        m_rcButton2 = m_bShowButton2 ? part(end - half, end, s) : part(end, end, 0);
        m_rcThumb = RECT{0, 0, 0, 0};
        return;
    }
    m_rcButton1 = m_bShowButton1 ? part(start, start + s, s) : part(start, start, 0);
    m_rcButton2 = m_bShowButton2 ? part(end - s, end, s) : part(end, end, 0);
    const LONG railStart = m_rcButton1.*hi;
    const LONG railEnd = m_rcButton2.*lo;
    if (m_nRange <= 0) {
        m_rcThumb = part(railStart, railEnd, s);
        return;
    }
    const int grip = std::max(len * avail / (len + m_nRange), s);
    LONG thumbStart = railStart + (avail - grip) * m_nScrollPos / m_nRange;
    if (thumbStart + grip > railEnd) thumbStart = railEnd - grip;
    m_rcThumb = part(thumbStart, thumbStart + grip, s);
}

// --- Actions ---------------------------------------------------------------------------

void CScrollBarUI::LineBack() {
    if (!m_pOwner) SetScrollPos(m_nScrollPos - m_nLineSize);
    else if (m_bHorizontal) m_pOwner->ScrollLineLeft();
    else m_pOwner->ScrollLineUp();
}

void CScrollBarUI::LineForward() {
    if (!m_pOwner) SetScrollPos(m_nScrollPos + m_nLineSize);
    else if (m_bHorizontal) m_pOwner->ScrollLineRight();
    else m_pOwner->ScrollLineDown();
}

void CScrollBarUI::PageToward(POINT pt) {
    const LONG at = m_bHorizontal ? pt.x : pt.y;
    const LONG thumbStart = m_bHorizontal ? m_rcThumb.left : m_rcThumb.top;
    const LONG thumbEnd = m_bHorizontal ? m_rcThumb.right : m_rcThumb.bottom;
    const int page = m_bHorizontal ? GetWidth() : GetHeight();
    if (at < thumbStart) {
        if (!m_pOwner) SetScrollPos(m_nScrollPos - page);
        else if (m_bHorizontal) m_pOwner->ScrollPageLeft();
        else m_pOwner->ScrollPageUp();
    } else if (at > thumbEnd) {
        if (!m_pOwner) SetScrollPos(m_nScrollPos + page);
        else if (m_bHorizontal) m_pOwner->ScrollPageRight();
        else m_pOwner->ScrollPageDown();
    }
}

void CScrollBarUI::NotifyScroll() {
    if (m_pManager && !m_pOwner) m_pManager->SendNotification(this, "scroll");
}

// --- Events ----------------------------------------------------------------------------

void CScrollBarUI::HandleEvent(TControlEvent& event) {
    const auto handOn = [&] {
        if (m_pOwner) m_pOwner->HandleEvent(event);
        else CControlUI::HandleEvent(event);
    };
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        handOn();
        return;
    }
    switch (event.Type) {
        case EV_SETFOCUS:
        case EV_KILLFOCUS:
        case EV_CONTEXTMENU:
            return;
        case EV_BUTTONDOWN:
        case EV_DBLCLICK: {
            if (!IsEnabled()) return;
            m_nLastScrollOffset = 0;
            m_nScrollRepeatDelay = 0;
            if (m_pManager) m_pManager->StartTimer(this, kRepeatTimerId, kRepeatInterval);
            const POINT pt = event.ptMouse;
            if (PtInRect(&m_rcButton1, pt)) {
                m_uButton1State |= STATE_PUSHED;
                LineBack();
            } else if (PtInRect(&m_rcButton2, pt)) {
                m_uButton2State |= STATE_PUSHED;
                LineForward();
            } else if (PtInRect(&m_rcThumb, pt)) {
                m_uThumbState |= STATE_PUSHED | STATE_CAPTURED;
                m_ptLastMouse = pt;
                m_nLastScrollPos = m_nScrollPos;
            } else {
                PageToward(pt);
            }
            // The pushed look must show even when the position could not move.
            Invalidate();
            NotifyScroll();
            return;
        }
        case EV_BUTTONUP:
            m_nScrollRepeatDelay = 0;
            m_nLastScrollOffset = 0;
            if (m_pManager) m_pManager->StopTimer(this, kRepeatTimerId);
            if (m_uThumbState & STATE_CAPTURED) {
                m_uThumbState &= ~(STATE_PUSHED | STATE_CAPTURED);
            } else if (m_uButton1State & STATE_PUSHED) {
                m_uButton1State &= ~STATE_PUSHED;
            } else if (m_uButton2State & STATE_PUSHED) {
                m_uButton2State &= ~STATE_PUSHED;
            } else {
                return;
            }
            Invalidate();
            return;
        case EV_MOUSEMOVE:
            if (m_uThumbState & STATE_CAPTURED) {
                // The track counts both buttons, shown or not.
                const int thumbLength =
                    m_bHorizontal ? m_rcThumb.right - m_rcThumb.left : m_rcThumb.bottom - m_rcThumb.top;
                const int track = (m_bHorizontal ? GetWidth() : GetHeight()) - 2 * Thickness() - thumbLength;
                if (track != 0) {
                    const int moved = m_bHorizontal ? event.ptMouse.x - m_ptLastMouse.x : event.ptMouse.y - m_ptLastMouse.y;
                    m_nLastScrollOffset = moved * m_nRange / track;
                }
                return;
            }
            if ((m_uThumbState & STATE_HOT) && !PtInRect(&m_rcThumb, event.ptMouse)) {
                m_uThumbState &= ~STATE_HOT;
                Invalidate();
            } else if (IsEnabled() && PtInRect(&m_rcThumb, event.ptMouse)) {
                m_uThumbState |= STATE_HOT;
                Invalidate();
            }
            return;
        case EV_TIMER:
            if (event.wParam != kRepeatTimerId) break;
            ++m_nScrollRepeatDelay;
            if (m_uThumbState & STATE_CAPTURED) {
                const int pos = m_nLastScrollPos + m_nLastScrollOffset;
                if (m_pOwner) {
                    const SIZE current = m_pOwner->GetScrollPos();
                    m_pOwner->SetScrollPos(m_bHorizontal ? SIZE{pos, current.cy} : SIZE{current.cx, pos});
                } else {
                    SetScrollPos(pos);
                }
                Invalidate();
                NotifyScroll();
            } else if (m_uButton1State & STATE_PUSHED) {
                if (m_nScrollRepeatDelay <= kRepeatAfterTicks) return;
                LineBack();
                NotifyScroll();
            } else if (m_uButton2State & STATE_PUSHED) {
                if (m_nScrollRepeatDelay <= kRepeatAfterTicks) return;
                LineForward();
                NotifyScroll();
            } else {
                if (m_nScrollRepeatDelay <= kRepeatAfterTicks) return;
                POINT pt = {0, 0};
                ::GetCursorPos(&pt);
                if (m_pManager) ::ScreenToClient(m_pManager->PaintWindow(), &pt);
                PageToward(pt);
                NotifyScroll();
            }
            return;
        case EV_MOUSEENTER:
            if (!IsEnabled()) return;
            // Both buttons light up wherever the pointer enters the bar.
            m_uButton1State |= STATE_HOT;
            m_uButton2State |= STATE_HOT;
            if (PtInRect(&m_rcThumb, event.ptMouse)) m_uThumbState |= STATE_HOT;
            Invalidate();
            return;
        case EV_MOUSELEAVE:
            if (!IsEnabled()) return;
            m_uButton1State &= ~STATE_HOT;
            m_uButton2State &= ~STATE_HOT;
            m_uThumbState &= ~STATE_HOT;
            Invalidate();
            return;
        default:
            break;
    }
    handOn();
}

// --- Attributes ------------------------------------------------------------------------

void CScrollBarUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    struct ImageAttribute {
        const char* name;
        CSkinString CScrollBarUI::*field;
    };
    static const ImageAttribute kImages[] = {
        {"button1normalimage", &CScrollBarUI::m_sButton1NormalImage},
        {"button1hotimage", &CScrollBarUI::m_sButton1HotImage},
        {"button1pushedimage", &CScrollBarUI::m_sButton1PushedImage},
        {"button1disabledimage", &CScrollBarUI::m_sButton1DisabledImage},
        {"button2normalimage", &CScrollBarUI::m_sButton2NormalImage},
        {"button2hotimage", &CScrollBarUI::m_sButton2HotImage},
        {"button2pushedimage", &CScrollBarUI::m_sButton2PushedImage},
        {"button2disabledimage", &CScrollBarUI::m_sButton2DisabledImage},
        {"thumbnormalimage", &CScrollBarUI::m_sThumbNormalImage},
        {"thumbhotimage", &CScrollBarUI::m_sThumbHotImage},
        {"thumbpushedimage", &CScrollBarUI::m_sThumbPushedImage},
        {"thumbdisabledimage", &CScrollBarUI::m_sThumbDisabledImage},
        {"railnormalimage", &CScrollBarUI::m_sRailNormalImage},
        {"railhotimage", &CScrollBarUI::m_sRailHotImage},
        {"railpushedimage", &CScrollBarUI::m_sRailPushedImage},
        {"raildisabledimage", &CScrollBarUI::m_sRailDisabledImage},
        {"bknormalimage", &CScrollBarUI::m_sBkNormalImage},
        {"bkhotimage", &CScrollBarUI::m_sBkHotImage},
        {"bkpushedimage", &CScrollBarUI::m_sBkPushedImage},
        {"bkdisabledimage", &CScrollBarUI::m_sBkDisabledImage},
    };
    for (const ImageAttribute& image : kImages) {
        if (strcmp(name, image.name) == 0) {
            SetImage(this->*image.field, value);
            return;
        }
    }
    if (strcmp(name, "hor") == 0) SetHorizontal(attr::ParseBool(value));
    else if (strcmp(name, "linesize") == 0) SetLineSize(atoi(value));
    else if (strcmp(name, "range") == 0) SetScrollRange(atoi(value));
    else if (strcmp(name, "value") == 0) SetScrollPos(atoi(value));
    else if (strcmp(name, "showbutton1") == 0) SetShowButton1(attr::ParseBool(value));
    else if (strcmp(name, "showbutton2") == 0) SetShowButton2(attr::ParseBool(value));
    else CControlUI::SetAttribute(name, value);
}

// --- Painting --------------------------------------------------------------------------

namespace {
// Disabled wins over pushed, pushed over hot; null when none applies.
CSkinString* StateImage(UINT state, CSkinString& hot, CSkinString& pushed, CSkinString& disabled) {
    if (state & CScrollBarUI::STATE_DISABLED) return &disabled;
    if (state & CScrollBarUI::STATE_PUSHED) return &pushed;
    if (state & CScrollBarUI::STATE_HOT) return &hot;
    return nullptr;
}

void SyncDisabled(UINT& state, bool enabled) {
    if (enabled) state &= ~CScrollBarUI::STATE_DISABLED;
    else state |= CScrollBarUI::STATE_DISABLED;
}
}  // namespace

void CScrollBarUI::Paint(HDC hDC, const RECT& rcDirty) {
    if (!IntersectRect(&m_rcPaint, &rcDirty, &m_rcItem)) return;
    PaintBk(hDC);
    if (m_bShowButton1) {
        SyncDisabled(m_uButton1State, IsEnabled());
        PaintPart(hDC, m_rcButton1, m_uButton1State, m_sButton1NormalImage, m_sButton1HotImage,
                  m_sButton1PushedImage, m_sButton1DisabledImage, true);
    }
    if (m_bShowButton2) {
        SyncDisabled(m_uButton2State, IsEnabled());
        PaintPart(hDC, m_rcButton2, m_uButton2State, m_sButton2NormalImage, m_sButton2HotImage,
                  m_sButton2PushedImage, m_sButton2DisabledImage, true);
    }
    if (!IsZero(m_rcThumb)) {
        SyncDisabled(m_uThumbState, IsEnabled());
        PaintPart(hDC, m_rcThumb, m_uThumbState, m_sThumbNormalImage, m_sThumbHotImage, m_sThumbPushedImage,
                  m_sThumbDisabledImage, true);
        PaintRail(hDC);
    }
}

void CScrollBarUI::PaintBk(HDC hDC) {
    SyncDisabled(m_uThumbState, IsEnabled());
    CSkinString* image = StateImage(m_uThumbState, m_sBkHotImage, m_sBkPushedImage, m_sBkDisabledImage);
    if (image && !image->IsEmpty()) {
        if (DrawImage(hDC, *image)) return;
        image->Clear();
    }
    if (!m_sBkNormalImage.IsEmpty() && !DrawImage(hDC, m_sBkNormalImage)) m_sBkNormalImage.Clear();
}

void CScrollBarUI::PaintPart(HDC hDC, const RECT& part, UINT state, CSkinString& normal, CSkinString& hot,
                             CSkinString& pushed, CSkinString& disabled, bool outline) {
    m_sImageModify.Format("dest='%d,%d,%d,%d'", static_cast<int>(part.left - m_rcItem.left),
                          static_cast<int>(part.top - m_rcItem.top), static_cast<int>(part.right - m_rcItem.left),
                          static_cast<int>(part.bottom - m_rcItem.top));
    CSkinString* image = StateImage(state, hot, pushed, disabled);
    if (image && !image->IsEmpty()) {
        if (DrawImage(hDC, *image, m_sImageModify)) return;
        image->Clear();
    }
    if (!normal.IsEmpty()) {
        if (DrawImage(hDC, normal, m_sImageModify)) return;
        normal.Clear();
    }
    if (outline) CSkinRender::DrawRect(hDC, part, 2, kOutlineColor);
}

void CScrollBarUI::PaintRail(HDC hDC) {
    // A square of the bar's thickness centred on the thumb.
    const int s = Thickness();
    RECT rail;
    if (m_bHorizontal) {
        const int mid = (m_rcThumb.left + m_rcThumb.right) / 2;
        rail.left = mid - m_rcItem.left - s / 2;
        rail.right = rail.left + s;
        rail.top = m_rcThumb.top - m_rcItem.top;
        rail.bottom = m_rcThumb.bottom - m_rcItem.top;
    } else {
        const int mid = (m_rcThumb.top + m_rcThumb.bottom) / 2;
        rail.top = mid - m_rcItem.top - s / 2;
        rail.bottom = rail.top + s;
        rail.left = m_rcThumb.left - m_rcItem.left;
        rail.right = m_rcThumb.right - m_rcItem.left;
    }
    m_sImageModify.Format("dest='%d,%d,%d,%d'", static_cast<int>(rail.left), static_cast<int>(rail.top),
                          static_cast<int>(rail.right), static_cast<int>(rail.bottom));
    CSkinString* image = StateImage(m_uThumbState, m_sRailHotImage, m_sRailPushedImage, m_sRailDisabledImage);
    if (image && !image->IsEmpty()) {
        if (DrawImage(hDC, *image, m_sImageModify)) return;
        image->Clear();
    }
    if (!m_sRailNormalImage.IsEmpty() && !DrawImage(hDC, m_sRailNormalImage, m_sImageModify)) m_sRailNormalImage.Clear();
}

}  // namespace SkinUI
