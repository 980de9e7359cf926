// CLabelUI: attributes, text accessors, measuring and the two ways of
// drawing its text (render engine, or GDI+ effects).
#include "skinui/control/Label.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {
namespace {

DWORD WithAlpha(int alpha, DWORD color) {
    return (static_cast<DWORD>(alpha) << 24) | (color & 0xFFFFFF);
}

std::wstring ToWide(const char* text) {
    const int length = ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

UINT ApplyAlign(UINT style, const char* value) {
    if (strstr(value, "left")) style &= ~(DT_CENTER | DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    if (strstr(value, "center")) {
        style &= ~DT_RIGHT;
        style |= DT_CENTER;
    }
    if (strstr(value, "right")) {
        style &= ~(DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        style |= DT_RIGHT;
    }
    if (strstr(value, "top")) {
        style &= ~(DT_VCENTER | DT_BOTTOM);
        style |= DT_SINGLELINE;
    }
    if (strstr(value, "vcenter")) {
        style &= ~DT_BOTTOM;
        style |= DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    }
    if (strstr(value, "bottom")) {
        style &= ~DT_VCENTER;
        style |= DT_BOTTOM | DT_SINGLELINE;
    }
    return style;
}

}  // namespace

CLabelUI::CLabelUI() {
    // Each label holds its own GDI+ session; the animated image relies on it.
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &m_gdiplusStartupInput, nullptr);
}

CLabelUI::~CLabelUI() {
    Gdiplus::GdiplusShutdown(m_gdiplusToken);
}

const char* CLabelUI::GetTypeName() const { return "LabelUI"; }

void* CLabelUI::AsInterface(const char* name) {
    if (name && strcmp(name, "Label") == 0) return static_cast<CLabelUI*>(this);
    return CControlUI::AsInterface(name);
}

CSkinString CLabelUI::GetText() const {
    try {
        if (m_EnableEffect) return m_TextValue;
        return CControlUI::GetText();
    } catch (...) {
        throw "CLabelUI::GetText";
    }
}

void CLabelUI::SetText(const char* text) {
    try {
        if (m_EnableEffect) {
            m_TextValue = text;
            return;
        }
        CControlUI::SetText(text);
    } catch (...) {
        throw "CLabelUI::SetText";
    }
}

void CLabelUI::SetTextColor(DWORD color) {
    m_dwTextColor = color;
    Invalidate();
}

void CLabelUI::SetDisabledTextColor(DWORD color) {
    m_dwDisabledTextColor = color;
    Invalidate();
}

void CLabelUI::SetFont(int index) {
    m_iFont = index;
    Invalidate();
}

void CLabelUI::SetTextPadding(RECT rc) {
    m_rcTextPadding = rc;
    Invalidate();
}

void CLabelUI::SetShowHtml(bool show) {
    if (m_bShowHtml == show) return;
    m_bShowHtml = show;
    Invalidate();
}

void CLabelUI::SetShadowOffset(int offset, int angle) {
    if (angle > 180 || angle < -180) return;
    int vertical = 0;
    if (angle >= 0 && angle <= 180) vertical = -offset;
    else if (angle > -180) vertical = offset;
    int horizontal = 0;
    if (angle > -90 && angle <= 90) horizontal = -offset;
    else if (angle > 90 || angle < -90) horizontal = offset;
    // Kept as (top, left) pairs: the shadow moves by x = vertical, y = horizontal.
    m_ShadowOffset.X = static_cast<float>(m_rcItem.top + vertical);
    m_ShadowOffset.Y = static_cast<float>(m_rcItem.left + horizontal);
}

SIZE CLabelUI::MeasureSize(SIZE available) {
    if (m_cxyFixed.cy != 0 || !m_pManager) return CControlUI::MeasureSize(available);
    return SIZE{m_cxyFixed.cx, m_pManager->FontInfoByIndex(m_iFont)->tm.tmHeight + 4};
}

void CLabelUI::HandleEvent(TControlEvent& event) {
    if (event.Type == EV_SETFOCUS) {
        m_bFocused = true;
        return;
    }
    if (event.Type == EV_KILLFOCUS) {
        m_bFocused = false;
        return;
    }
    CControlUI::HandleEvent(event);
}

void CLabelUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    const auto is = [name](const char* candidate) { return strcmp(name, candidate) == 0; };
    if (is("align")) {
        m_uTextStyle = ApplyAlign(m_uTextStyle, value);
    } else if (is("endellipsis")) {
        if (attr::ParseBool(value)) m_uTextStyle |= DT_END_ELLIPSIS;
        else m_uTextStyle &= ~DT_END_ELLIPSIS;
    } else if (is("font")) {
        SetFont(atoi(value));
    } else if (is("textcolor")) {
        SetTextColor(attr::ParseHexColor(value));
    } else if (is("disabledtextcolor")) {
        SetDisabledTextColor(attr::ParseHexColor(value));
    } else if (is("textpadding")) {
        SetTextPadding(attr::ParseRect(value));
    } else if (is("showhtml")) {
        SetShowHtml(attr::ParseBool(value));
    } else if (is("enabledeffect")) {
        SetEnabledEffect(attr::ParseBool(value));
    } else if (is("rhaa")) {
        const int hint = atoi(value);
        SetTextRenderingHint(hint < 0 || hint > 5 ? 0 : hint);
    } else if (is("transshadow")) {
        SetTransShadow(atoi(value));
    } else if (is("transtext")) {
        SetTransText(atoi(value));
    } else if (is("transshadow1")) {
        SetTransShadow1(atoi(value));
    } else if (is("transtext1")) {
        SetTransText1(atoi(value));
    } else if (is("gradientangle")) {
        SetGradientAngle(atoi(value));
    } else if (is("enabledstroke")) {
        SetEnabledStroke(attr::ParseBool(value));
    } else if (is("enabledshadow")) {
        SetEnabledShadow(attr::ParseBool(value));
    } else if (is("transstroke")) {
        SetTransStroke(atoi(value));
    } else if (is("gradientlength")) {
        SetGradientLength(atoi(value));
    } else if (is("shadowoffset")) {
        const SIZE pair = attr::ParseSize(value);
        SetShadowOffset(pair.cx, pair.cy);
    } else if (is("textcolor1")) {
        SetTextColor1(attr::ParseHexColor(value));
    } else if (is("textshadowcolora")) {
        SetTextShadowColorA(attr::ParseHexColor(value));
    } else if (is("textshadowcolorb")) {
        SetTextShadowColorB(attr::ParseHexColor(value));
    } else if (is("strokecolor")) {
        SetStrokeColor(attr::ParseHexColor(value));
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

void CLabelUI::ResolveDefaultColors() {
    if (!m_pManager) return;
    if (m_dwTextColor == 0) m_dwTextColor = m_pManager->DefaultFontColor();
    if (m_dwDisabledTextColor == 0) m_dwDisabledTextColor = m_pManager->DefaultDisabledColor();
}

RECT CLabelUI::TextRect() const {
    return RECT{m_rcItem.left + m_rcTextPadding.left, m_rcItem.top + m_rcTextPadding.top,
                m_rcItem.right - m_rcTextPadding.right, m_rcItem.bottom - m_rcTextPadding.bottom};
}

void CLabelUI::PaintText(HDC hDC) {
    ResolveDefaultColors();
    RECT rc = TextRect();
    if (m_EnableEffect) {
        PaintEffectText(hDC, rc);
        return;
    }
    if (m_sText.IsEmpty()) return;
    const DWORD color = IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor;
    if (m_bShowHtml) {
        int links = 0;
        CSkinRender::DrawMarkupText(hDC, m_pManager, rc, m_sText, color, nullptr, nullptr, links, m_uTextStyle);
    } else {
        CSkinRender::DrawPlainText(hDC, m_pManager, rc, m_sText, color, m_iFont, m_uTextStyle | DT_SINGLELINE);
    }
}

void CLabelUI::PaintEffectText(HDC hDC, const RECT& rc) {
    using namespace Gdiplus;
    // A GDI+ font that matches the manager's font, else the DC's own.
    HFONT hFont = m_pManager ? m_pManager->FontByIndex(m_iFont) : nullptr;
    LOGFONTA logFont = {};
    const bool fromHandle = hFont && ::GetObjectA(hFont, sizeof(logFont), &logFont) != 0;
    Font font = fromHandle ? Font(hDC, &logFont) : Font(hDC);

    Graphics graphics(hDC);
    graphics.SetTextRenderingHint(static_cast<TextRenderingHint>(m_TextRenderingHintAntiAlias));

    StringFormat format(0, 0);
    format.SetAlignment(static_cast<StringAlignment>(m_hAlign));
    format.SetLineAlignment(static_cast<StringAlignment>(m_vAlign));

    const int height = rc.bottom - rc.top;
    const RectF layout(static_cast<REAL>(rc.left), static_cast<REAL>(rc.top), static_cast<REAL>(rc.right - rc.left),
                       static_cast<REAL>(height));
    RectF shadow = layout;
    shadow.Offset(m_ShadowOffset.X, m_ShadowOffset.Y);
    const int gradient = m_GradientLength == 0 ? height : m_GradientLength;
    const Point start(m_GradientAngle, 0);

    const DWORD shadowB = m_dwTextShadowColorB == 0xFFFFFFFF ? m_dwTextShadowColorA : m_dwTextShadowColorB;
    LinearGradientBrush shadowBrush(start, Point(0, gradient), Color(WithAlpha(m_TransShadow, m_dwTextShadowColorA)),
                                    Color(WithAlpha(m_TransShadow1, shadowB)));
    const DWORD second = m_dwTextColor2 == 0xFFFFFFFF ? m_dwTextColor : m_dwTextColor2;
    LinearGradientBrush textBrush(start, Point(0, gradient), Color(WithAlpha(m_TransText, m_dwTextColor)),
                                  Color(WithAlpha(m_TransText1, second)));

    const std::wstring text = ToWide(m_TextValue);
    const INT length = static_cast<INT>(text.size());
    if (m_EnabledStroke && m_dwStrokeColor != 0) {
        const Color stroke(WithAlpha(m_TransStroke, m_dwStrokeColor));
        LinearGradientBrush strokeBrush(start, Point(0, height + 2), stroke, stroke);
        const PointF moves[] = {{-1.0f, 0.0f}, {1.0f, 0.0f}, {0.0f, -1.0f}, {0.0f, 1.0f}};
        for (const PointF& move : moves) {
            RectF moved = layout;
            moved.Offset(move);
            graphics.DrawString(text.c_str(), length, &font, moved, &format, &strokeBrush);
        }
    }
    if (m_EnabledShadow && (m_dwTextShadowColorA != 0 || m_dwTextShadowColorB != 0))
        graphics.DrawString(text.c_str(), length, &font, shadow, &format, &shadowBrush);
    graphics.DrawString(text.c_str(), length, &font, layout, &format, &textBrush);
}

}  // namespace SkinUI
