// CPaintManagerUI: the per-window caches: images, fonts, class defaults,
// option groups, and resources borrowed from another manager.
#include <cstdlib>
#include <cstring>

#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {

const CPaintManagerUI* CPaintManagerUI::TopResourceManager() const {
    const CPaintManagerUI* top = this;
    while (top->m_pParentResourcePM) top = top->m_pParentResourcePM;
    return top;
}

bool CPaintManagerUI::BorrowResources(CPaintManagerUI* parent) {
    for (CPaintManagerUI* m = parent; m; m = m->m_pParentResourcePM) {
        if (m == this) return false;
    }
    m_pParentResourcePM = parent;
    return true;
}

DWORD CPaintManagerUI::DefaultDisabledColor() const { return TopResourceManager()->m_dwDefaultDisabledColor; }
DWORD CPaintManagerUI::DefaultFontColor() const { return TopResourceManager()->m_dwDefaultFontColor; }
DWORD CPaintManagerUI::DefaultLinkFontColor() const { return TopResourceManager()->m_dwDefaultLinkFontColor; }
DWORD CPaintManagerUI::DefaultLinkHoverFontColor() const {
    return TopResourceManager()->m_dwDefaultLinkHoverFontColor;
}
DWORD CPaintManagerUI::DefaultSelectedBkColor() const { return TopResourceManager()->m_dwDefaultSelectedBkColor; }

// --- Images ---------------------------------------------------------------------------

const TSkinImage* CPaintManagerUI::RegisterImage(const char* name, const char* type, DWORD mask) {
    if (!name || !*name) return nullptr;
    TSkinImage* image = nullptr;
    if (type && *type) {
        if (name[0] < '0' || name[0] > '9') return nullptr;
        const unsigned id = static_cast<unsigned>(strtoul(name, nullptr, 10)) & 0xFFFF;
        image = CSkinRender::LoadSkinImage(MAKEINTRESOURCEA(id), type, mask);
    } else {
        image = CSkinRender::LoadSkinImage(name, nullptr, mask);
    }
    if (!image) return nullptr;
    image->sResType = type;
    image->dwMask = mask;
    if (!m_mImageHash.Insert(name, image)) {
        CSkinRender::FreeSkinImage(image);
        return nullptr;
    }
    return image;
}

const TSkinImage* CPaintManagerUI::ObtainImage(const char* name, const char* type, DWORD mask) {
    if (!name || !*name) return nullptr;
    for (CPaintManagerUI* m = this; m; m = m->m_pParentResourcePM) {
        if (auto* image = static_cast<TSkinImage*>(m->m_mImageHash.Find(name, true))) return image;
    }
    return RegisterImage(name, type, mask);
}

void CPaintManagerUI::ClearImages() {
    for (int i = 0; i < m_mImageHash.Count(); ++i) {
        if (const char* key = m_mImageHash.KeyAt(i))
            CSkinRender::FreeSkinImage(static_cast<TSkinImage*>(m_mImageHash.Find(key)));
    }
    m_mImageHash.Resize(83);
}

// --- Fonts ------------------------------------------------------------------------------

void CPaintManagerUI::MeasureFont(TSkinFont& font) {
    if (font.tm.tmHeight != 0 || !font.hFont) return;
    HDC dc = m_hDcPaint.get();
    MemoryDc scratch;
    if (!dc) {
        // No window yet: measure on a screen-compatible DC.
        scratch.reset(CreateCompatibleDC(nullptr));
        dc = scratch.get();
    }
    if (!dc) return;
    SelectGuard select(dc, font.hFont.get());
    GetTextMetricsA(dc, &font.tm);
}

TSkinFont* CPaintManagerUI::MakeFont(const char* face, int size, bool bold, bool underline, bool italic) {
    LOGFONTA lf = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lstrcpynA(lf.lfFaceName, face ? face : "", LF_FACESIZE);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = -size;
    if (bold) lf.lfWeight += FW_BOLD;
    if (underline) lf.lfUnderline = TRUE;
    if (italic) lf.lfItalic = TRUE;
    FontHandle handle(CreateFontIndirectA(&lf));
    if (!handle) return nullptr;
    auto* font = new TSkinFont;
    font->hFont = std::move(handle);
    font->sFontName = face;
    font->iSize = size;
    font->bBold = bold;
    font->bUnderline = underline;
    font->bItalic = italic;
    return font;
}

HFONT CPaintManagerUI::RegisterFont(const char* face, int size, bool bold, bool underline, bool italic) {
    TSkinFont* font = MakeFont(face, size, bold, underline, italic);
    if (!font) return nullptr;
    if (!m_aFonts.Add(font)) {
        delete font;
        return nullptr;
    }
    if (m_hDcPaint) MeasureFont(*font);
    return font->hFont.get();
}

void CPaintManagerUI::SetBaseFont(const char* face, int size, bool bold, bool underline, bool italic) {
    TSkinFont* font = MakeFont(face, size, bold, underline, italic);
    if (!font) return;
    m_DefaultFontInfo.hFont = std::move(font->hFont);
    m_DefaultFontInfo.sFontName = font->sFontName;
    m_DefaultFontInfo.iSize = size;
    m_DefaultFontInfo.bBold = bold;
    m_DefaultFontInfo.bUnderline = underline;
    m_DefaultFontInfo.bItalic = italic;
    m_DefaultFontInfo.tm = TEXTMETRICA{};
    delete font;
    MeasureFont(m_DefaultFontInfo);
}

const TSkinFont* CPaintManagerUI::BaseFontInfo() {
    auto* top = const_cast<CPaintManagerUI*>(TopResourceManager());
    top->MeasureFont(top->m_DefaultFontInfo);
    return &top->m_DefaultFontInfo;
}

const TSkinFont* CPaintManagerUI::FontInfoByIndex(int index) {
    if (index < 0 || index >= m_aFonts.Count()) return BaseFontInfo();
    auto* font = static_cast<TSkinFont*>(m_aFonts[index]);
    MeasureFont(*font);
    return font;
}

HFONT CPaintManagerUI::FontByIndex(int index) {
    return FontInfoByIndex(index)->hFont.get();
}

const TSkinFont* CPaintManagerUI::FontInfoByHandle(HFONT handle) {
    for (CPaintManagerUI* m = this; m; m = m->m_pParentResourcePM) {
        for (int i = 0; i < m->m_aFonts.Count(); ++i) {
            auto* font = static_cast<TSkinFont*>(m->m_aFonts[i]);
            if (font->hFont.get() == handle) {
                m->MeasureFont(*font);
                return font;
            }
        }
    }
    return BaseFontInfo();
}

HFONT CPaintManagerUI::LookupFont(const char* face, int size, bool bold, bool underline, bool italic) {
    for (CPaintManagerUI* m = this; m; m = m->m_pParentResourcePM) {
        for (int i = 0; i < m->m_aFonts.Count(); ++i) {
            auto* font = static_cast<TSkinFont*>(m->m_aFonts[i]);
            if (font->sFontName == (face ? face : "") && font->iSize == size && font->bBold == bold &&
                font->bUnderline == underline && font->bItalic == italic)
                return font->hFont.get();
        }
    }
    return nullptr;
}

void CPaintManagerUI::ClearFonts() {
    for (int i = 0; i < m_aFonts.Count(); ++i) delete static_cast<TSkinFont*>(m_aFonts[i]);
    m_aFonts.Clear();
}

// --- Class defaults ----------------------------------------------------------------------

void CPaintManagerUI::AddClassDefaults(const char* className, const char* attributes) {
    if (!className || m_DefaultAttrHash.Find(className)) return;
    auto* list = new CSkinString(attributes);
    if (!m_DefaultAttrHash.Insert(className, list)) delete list;
}

const char* CPaintManagerUI::ClassDefaults(const char* className) const {
    if (!className) return nullptr;
    for (const CPaintManagerUI* m = this; m; m = m->m_pParentResourcePM) {
        auto& map = const_cast<CSkinStringMap&>(m->m_DefaultAttrHash);
        if (auto* list = static_cast<CSkinString*>(map.Find(className))) return *list;
    }
    return nullptr;
}

void CPaintManagerUI::ClearClassDefaults() {
    for (int i = 0; i < m_DefaultAttrHash.Count(); ++i) {
        if (const char* key = m_DefaultAttrHash.KeyAt(i))
            delete static_cast<CSkinString*>(m_DefaultAttrHash.Find(key));
    }
    m_DefaultAttrHash.Resize(83);
}

// --- Option groups ----------------------------------------------------------------------------

bool CPaintManagerUI::JoinOptionGroup(const char* group, CControlUI* control) {
    if (!group) return false;
    auto* members = static_cast<CSkinPtrArray*>(m_mOptionGroup.Find(group));
    if (!members) {
        members = new CSkinPtrArray(6);
        m_mOptionGroup.Insert(group, members);
    }
    if (members->IndexOf(control) >= 0) return false;
    return members->Add(control);
}

CSkinPtrArray* CPaintManagerUI::OptionGroup(const char* group) {
    return group ? static_cast<CSkinPtrArray*>(m_mOptionGroup.Find(group)) : nullptr;
}

void CPaintManagerUI::LeaveOptionGroup(const char* group, CControlUI* control) {
    CSkinPtrArray* members = OptionGroup(group);
    if (!members) return;
    members->RemoveAt(members->IndexOf(control));
    if (members->IsEmpty()) {
        delete members;
        m_mOptionGroup.Remove(group);
    }
}

void CPaintManagerUI::ClearOptionGroups() {
    for (int i = 0; i < m_mOptionGroup.Count(); ++i) {
        if (const char* key = m_mOptionGroup.KeyAt(i)) delete static_cast<CSkinPtrArray*>(m_mOptionGroup.Find(key));
    }
    m_mOptionGroup.Resize(83);
}

}  // namespace SkinUI
