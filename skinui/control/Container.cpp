// CContainerUI: the child list, propagation to children, search, painting,
// events and attributes. Scrolling lives in ContainerScroll.cpp.
#include "skinui/control/Container.h"

#include <cstdlib>
#include <cstring>

#include "skinui/control/ScrollBar.h"
#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {

CContainerUI::CContainerUI() = default;

CContainerUI::~CContainerUI() {
    // Children go now, not through the manager's queue: we are going too.
    m_bDelayedDestroy = false;
    RemoveAll();
    delete m_pVerticalScrollBar;
    delete m_pHorizontalScrollBar;
}

const char* CContainerUI::GetTypeName() const { return "ContainerUI"; }

void* CContainerUI::AsInterface(const char* name) {
    if (name && strcmp(name, "IContainer") == 0) return static_cast<IContainerUI*>(this);
    if (name && strcmp(name, "Container") == 0) return static_cast<CContainerUI*>(this);
    return CControlUI::AsInterface(name);
}

// --- Child list ------------------------------------------------------------------------

CControlUI* CContainerUI::GetItemAt(int index) const {
    return static_cast<CControlUI*>(m_items.At(index));
}

int CContainerUI::GetItemIndex(CControlUI* control) const {
    return m_items.IndexOf(control);
}

bool CContainerUI::SetItemIndex(CControlUI* control, int index) {
    const int current = m_items.IndexOf(control);
    if (current < 0 || index < 0 || index >= m_items.Count()) return false;
    RequestLayout();
    m_items.RemoveAt(current);
    return m_items.InsertAt(index, control);
}

int CContainerUI::GetCount() const { return m_items.Count(); }

bool CContainerUI::Add(CControlUI* control) {
    if (!control) return false;
    if (m_pManager) m_pManager->InitControlTree(control, this);
    if (IsVisible()) RequestLayout();
    else control->SetVisibleByParent(false);
    return m_items.Add(control);
}

bool CContainerUI::AddAt(CControlUI* control, int index) {
    if (!control || index < 0 || index > m_items.Count()) return false;
    if (m_pManager) m_pManager->InitControlTree(control, this);
    if (IsVisible()) RequestLayout();
    else control->SetVisibleByParent(false);
    return m_items.InsertAt(index, control);
}

void CContainerUI::DestroyChild(CControlUI* control) {
    if (!m_bAutoDestroy) return;
    if (m_bDelayedDestroy && m_pManager) m_pManager->AddDelayedDelete(control);
    else delete control;
}

bool CContainerUI::Remove(CControlUI* control) {
    const int index = control ? m_items.IndexOf(control) : -1;
    if (index < 0) return false;
    RequestLayout();
    DestroyChild(control);
    return m_items.RemoveAt(index);
}

bool CContainerUI::RemoveAt(int index) {
    CControlUI* control = GetItemAt(index);
    return control ? Remove(control) : false;
}

void CContainerUI::RemoveAll() {
    for (int i = 0; i < m_items.Count(); ++i) DestroyChild(Child(i));
    m_items.Clear();
    RequestLayout();
}

// --- Plain setters ---------------------------------------------------------------------

RECT CContainerUI::GetInset() const { return m_rcInset; }

void CContainerUI::SetInset(RECT inset) {
    m_rcInset = inset;
    RequestLayout();
}

int CContainerUI::GetChildPadding() const { return m_iChildPadding; }

void CContainerUI::SetChildPadding(int padding) {
    m_iChildPadding = padding;
    RequestLayout();
}

bool CContainerUI::IsAutoDestroy() const { return m_bAutoDestroy; }
void CContainerUI::SetAutoDestroy(bool autoDestroy) { m_bAutoDestroy = autoDestroy; }
bool CContainerUI::IsDelayedDestroy() const { return m_bDelayedDestroy; }
void CContainerUI::SetDelayedDestroy(bool delayed) { m_bDelayedDestroy = delayed; }
bool CContainerUI::IsMouseChildEnabled() const { return m_bMouseChildEnabled; }
void CContainerUI::SetMouseChildEnabled(bool enabled) { m_bMouseChildEnabled = enabled; }
CScrollBarUI* CContainerUI::GetVerticalScrollBar() const { return m_pVerticalScrollBar; }
CScrollBarUI* CContainerUI::GetHorizontalScrollBar() const { return m_pHorizontalScrollBar; }

int CContainerUI::FindSelectableItem(int index, bool forward) const {
    const int count = m_items.Count();
    if (count == 0) return -1;
    if (index < 0) index = 0;
    if (index > count - 1) index = count - 1;
    const auto selectable = [this](int i) {
        CControlUI* child = Child(i);
        return child->AsInterface("ListItem") && child->IsVisible() && child->IsEnabled();
    };
    if (forward) {
        for (int i = index; i < count; ++i)
            if (selectable(i)) return i;
        return -1;
    }
    for (int i = index; i >= 0; --i)
        if (selectable(i)) return i;
    return FindSelectableItem(0, true);
}

// --- Propagation -----------------------------------------------------------------------

void CContainerUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    // Children first, so they are initialised before their container.
    for (int i = 0; i < m_items.Count(); ++i) Child(i)->SetManager(manager, this, init);
    if (m_pVerticalScrollBar) m_pVerticalScrollBar->SetManager(manager, this, init);
    if (m_pHorizontalScrollBar) m_pHorizontalScrollBar->SetManager(manager, this, init);
    CControlUI::SetManager(manager, parent, init);
}

void CContainerUI::SetVisible(bool visible) {
    if (m_bVisible == visible) return;
    CControlUI::SetVisible(visible);
    for (int i = 0; i < m_items.Count(); ++i) Child(i)->SetVisibleByParent(IsVisible());
}

void CContainerUI::SetVisibleByParent(bool visible) {
    CControlUI::SetVisibleByParent(visible);
    for (int i = 0; i < m_items.Count(); ++i) Child(i)->SetVisibleByParent(IsVisible());
}

void CContainerUI::SetMouseEnabled(bool enabled) {
    if (m_pVerticalScrollBar) m_pVerticalScrollBar->SetMouseEnabled(enabled);
    if (m_pHorizontalScrollBar) m_pHorizontalScrollBar->SetMouseEnabled(enabled);
    CControlUI::SetMouseEnabled(enabled);
}

void CContainerUI::SetPos(RECT rc) {
    CControlUI::SetPos(rc);
    if (m_items.IsEmpty()) return;
    const RECT inner = InsetItemRect();
    for (int i = 0; i < m_items.Count(); ++i) {
        CControlUI* child = Child(i);
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) PlaceFloatChild(i);
        else child->SetPos(inner);
    }
}

bool CContainerUI::IsBarShown(const CScrollBarUI* bar) const {
    return bar && bar->IsVisible();
}

RECT CContainerUI::InsetItemRect() const {
    RECT rc = m_rcItem;
    rc.left += m_rcInset.left;
    rc.top += m_rcInset.top;
    rc.right -= m_rcInset.right;
    rc.bottom -= m_rcInset.bottom;
    return rc;
}

RECT CContainerUI::GetInnerRect() const {
    RECT rc = InsetItemRect();
    if (IsBarShown(m_pVerticalScrollBar)) rc.right -= m_pVerticalScrollBar->GetFixedWidth();
    if (IsBarShown(m_pHorizontalScrollBar)) rc.bottom -= m_pHorizontalScrollBar->GetFixedHeight();
    return rc;
}

// --- Search ----------------------------------------------------------------------------

CControlUI* CContainerUI::FindControl(FINDCONTROLPROC proc, LPVOID data, UINT flags) {
    if ((flags & FIND_VISIBLE_ONLY) && !IsVisible()) return nullptr;
    if ((flags & FIND_ENABLED_ONLY) && !IsEnabled()) return nullptr;
    const bool atPoint = (flags & FIND_AT_POINT) != 0;
    const auto inBars = [&]() -> CControlUI* {
        CControlUI* found = nullptr;
        if (m_pVerticalScrollBar) found = m_pVerticalScrollBar->FindControl(proc, data, flags);
        if (!found && m_pHorizontalScrollBar) found = m_pHorizontalScrollBar->FindControl(proc, data, flags);
        return found;
    };
    if (atPoint) {
        if (!PtInRect(&m_rcItem, *static_cast<const POINT*>(data))) return nullptr;
        if (!m_bMouseChildEnabled) {
            if (CControlUI* bar = inBars()) return bar;
            return CControlUI::FindControl(proc, data, flags);
        }
    }
    if (CControlUI* bar = inBars()) return bar;

    const bool selfFirst = (flags & FIND_SELF_FIRST) != 0;
    if (selfFirst) {
        if (CControlUI* self = CControlUI::FindControl(proc, data, flags)) return self;
    }
    const RECT inner = GetInnerRect();
    const int count = m_items.Count();
    const bool backwards = (flags & FIND_LAST_CHILD_FIRST) != 0;
    for (int n = 0; n < count; ++n) {
        CControlUI* found = Child(backwards ? count - 1 - n : n)->FindControl(proc, data, flags);
        if (!found) continue;
        // Children scrolled out of the inner rectangle are not under the point.
        if (!atPoint || found->IsFloat() || PtInRect(&inner, *static_cast<const POINT*>(data))) return found;
    }
    return selfFirst ? nullptr : CControlUI::FindControl(proc, data, flags);
}

// --- Painting --------------------------------------------------------------------------

void CContainerUI::Paint(HDC hDC, const RECT& rcDirty) {
    RECT rcTemp;
    if (!IntersectRect(&rcTemp, &rcDirty, &m_rcItem)) return;
    CSkinClip clip;
    CSkinRender::ClipToRect(hDC, rcTemp, clip);
    CControlUI::Paint(hDC, rcDirty);

    if (!m_items.IsEmpty()) {
        const RECT inner = GetInnerRect();
        RECT rcChild;
        if (!IntersectRect(&rcTemp, &rcDirty, &inner)) {
            // Only float children can show outside the inner rectangle.
            for (int i = 0; i < m_items.Count(); ++i) {
                CControlUI* child = Child(i);
                if (!child->IsVisible() || !child->IsFloat()) continue;
                if (!IntersectRect(&rcChild, &rcDirty, &child->GetPos())) continue;
                if (!IntersectRect(&rcChild, &m_rcItem, &child->GetPos())) continue;
                child->Paint(hDC, rcDirty);
            }
        } else {
            CSkinClip childClip;
            CSkinRender::ClipToRect(hDC, rcTemp, childClip);
            for (int i = 0; i < m_items.Count(); ++i) {
                CControlUI* child = Child(i);
                if (!child->IsVisible()) continue;
                if (!IntersectRect(&rcChild, &rcDirty, &child->GetPos())) continue;
                if (child->IsFloat()) {
                    if (!IntersectRect(&rcChild, &m_rcItem, &child->GetPos())) continue;
                    CSkinRender::UseOuterClip(hDC, childClip);
                    child->Paint(hDC, rcDirty);
                    CSkinRender::UseInnerClip(hDC, childClip);
                } else {
                    if (!IntersectRect(&rcChild, &inner, &child->GetPos())) continue;
                    child->Paint(hDC, rcDirty);
                }
            }
        }
    }

    RECT rcBar;
    if (IsBarShown(m_pVerticalScrollBar) && IntersectRect(&rcBar, &rcDirty, &m_pVerticalScrollBar->GetPos()))
        m_pVerticalScrollBar->Paint(hDC, rcDirty);
    if (IsBarShown(m_pHorizontalScrollBar) && IntersectRect(&rcBar, &rcDirty, &m_pHorizontalScrollBar->GetPos()))
        m_pHorizontalScrollBar->Paint(hDC, rcDirty);
}

// --- Events ----------------------------------------------------------------------------

void CContainerUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        if (m_pParent) m_pParent->HandleEvent(event);
        else CControlUI::HandleEvent(event);
        return;
    }
    if (event.Type == EV_SETFOCUS) {
        m_bFocused = true;
        return;
    }
    if (event.Type == EV_KILLFOCUS) {
        m_bFocused = false;
        return;
    }
    const auto usable = [](const CScrollBarUI* bar) { return bar && bar->IsVisible() && bar->IsEnabled(); };
    const bool vertical = usable(m_pVerticalScrollBar);
    if (vertical || usable(m_pHorizontalScrollBar)) {
        if (event.Type == EV_KEYDOWN) {
            switch (static_cast<unsigned char>(event.chKey)) {
                case VK_PRIOR: vertical ? ScrollPageUp() : ScrollPageLeft(); return;
                case VK_NEXT: vertical ? ScrollPageDown() : ScrollPageRight(); return;
                case VK_END: vertical ? ScrollToBottom() : ScrollToRight(); return;
                case VK_HOME: vertical ? ScrollToTop() : ScrollToLeft(); return;
                case VK_UP: vertical ? ScrollLineUp() : ScrollLineLeft(); return;
                case VK_DOWN: vertical ? ScrollLineDown() : ScrollLineRight(); return;
                default: break;
            }
        } else if (event.Type == EV_SCROLLWHEEL) {
            switch (LOWORD(event.wParam)) {
                case SB_LINEUP: vertical ? ScrollLineUp() : ScrollLineLeft(); return;
                case SB_LINEDOWN: vertical ? ScrollLineDown() : ScrollLineRight(); return;
                default: break;
            }
        }
    }
    CControlUI::HandleEvent(event);
}

// --- Attributes ------------------------------------------------------------------------

void CContainerUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    if (strcmp(name, "inset") == 0) {
        SetInset(attr::ParseRect(value));
    } else if (strcmp(name, "mousechild") == 0) {
        SetMouseChildEnabled(attr::ParseBool(value));
    } else if (strcmp(name, "vscrollbar") == 0) {
        EnableScrollBars(attr::ParseBool(value), m_pHorizontalScrollBar != nullptr);
    } else if (strcmp(name, "vscrollbarstyle") == 0) {
        EnableScrollBars(true, m_pHorizontalScrollBar != nullptr);
        if (m_pVerticalScrollBar) m_pVerticalScrollBar->ApplyAttributes(value);
    } else if (strcmp(name, "hscrollbar") == 0) {
        EnableScrollBars(m_pVerticalScrollBar != nullptr, attr::ParseBool(value));
    } else if (strcmp(name, "hscrollbarstyle") == 0) {
        EnableScrollBars(m_pVerticalScrollBar != nullptr, true);
        if (m_pHorizontalScrollBar) m_pHorizontalScrollBar->ApplyAttributes(value);
    } else if (strcmp(name, "childpadding") == 0) {
        SetChildPadding(atoi(value));
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

}  // namespace SkinUI
