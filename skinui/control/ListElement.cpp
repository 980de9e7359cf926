// CListElementUI and the background, colour and mouse rules shared by all
// list items.
#include "skinui/control/ListElement.h"

#include <cstring>

#include "skinui/control/Button.h"
#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {

CListElementUI::CListElementUI() = default;

const char* CListElementUI::GetTypeName() const { return "ListElementUI"; }

void* CListElementUI::AsInterface(const char* name) {
    if (name && strcmp(name, "ListItem") == 0) return static_cast<IListItemUI*>(this);
    if (name && strcmp(name, "ListElement") == 0) return static_cast<CListElementUI*>(this);
    return CControlUI::AsInterface(name);
}

UINT CListElementUI::GetInputFlags() const { return 0; }

bool CListElementUI::Activate() {
    if (!CControlUI::Activate()) return false;
    if (m_pManager) m_pManager->SendNotification(this, "itemactivate");
    return true;
}

void CListElementUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    detail::DropHiddenSelection(*this, m_pOwner, m_iIndex, m_bSelected);
}

void CListElementUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!IsEnabled()) m_uButtonState = 0;
}

bool CListElementUI::Select(bool select) {
    return detail::SelectListItem(*this, m_pOwner, m_iIndex, m_bSelected, select);
}

bool CListElementUI::Expand(bool expand) { return detail::ExpandListItem(*this, m_bExpanded, expand); }

void CListElementUI::DrawItemText(HDC, const RECT&) {}

void CListElementUI::DrawItemBackground(HDC hDC, const RECT& rcItem) {
    detail::DrawListItemBackground(*this, hDC, rcItem, m_pOwner, m_iIndex, m_bSelected, m_uButtonState, m_sBkImage);
}

void CListElementUI::HandleEvent(TControlEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
        if (m_pOwner) m_pOwner->HandleEvent(event);
        else CControlUI::HandleEvent(event);
        return;
    }
    if (detail::ActivatesListItem(*this, event)) {
        Activate();
        Invalidate();
        return;
    }
    if (m_pOwner) m_pOwner->HandleEvent(event);
    else CControlUI::HandleEvent(event);
}

void CListElementUI::SetAttribute(const char* name, const char* value) {
    if (!name || !value) return;
    if (strcmp(name, "selected") == 0) Select(true);
    else CControlUI::SetAttribute(name, value);
}

namespace detail {

bool SelectListItem(CControlUI& item, IListOwnerUI* owner, int index, bool& selected, bool select) {
    // Deselecting is always allowed, so a disabled item never stays painted selected.
    if (select && !item.IsEnabled()) return false;
    if (select == selected) return true;
    selected = select;
    if (select && owner) owner->SelectItem(index);
    item.Invalidate();
    return true;
}

void DropHiddenSelection(const CControlUI& item, IListOwnerUI* owner, int index, bool& selected) {
    // A hidden item cannot stay the selection.
    if (item.IsVisible() || !selected) return;
    selected = false;
    if (owner && owner->GetCurSel() == index) owner->SelectItem(-1);
}

bool ExpandListItem(CControlUI& item, bool& expanded, bool expand) {
    if (expanded == expand) return true;
    expanded = expand;
    item.RequestParentLayout();
    return true;
}

bool ActivatesListItem(const CControlUI& item, const TControlEvent& event) {
    const bool gesture = event.Type == EV_DBLCLICK || (event.Type == EV_KEYDOWN && event.chKey == VK_RETURN);
    return gesture && item.IsEnabled();
}

DWORD ListItemTextColor(const CControlUI& item, const TListInfoUI& info, bool selected, UINT buttonState) {
    DWORD color = info.dwTextColor;
    if (buttonState & UISTATE_HOT) color = info.dwHotTextColor;
    if (selected) color = info.dwSelectedTextColor;
    if (!item.IsEnabled()) color = info.dwDisabledTextColor;
    return color;
}

void DrawListItemBackground(CControlUI& item, HDC hDC, const RECT& rcItem, IListOwnerUI* owner, int index,
                            bool selected, UINT buttonState, CSkinString& ownBkImage) {
    if (!owner) return;
    TListInfoUI* info = owner->GetListInfo();
    if (!info) return;
    const bool oddRow = info->bAlternateBk && (index % 2) != 0;
    DWORD color = oddRow ? 0 : info->dwBkColor;
    if (buttonState & UISTATE_HOT) color = info->dwHotBkColor;
    if (selected) color = info->dwSelectedBkColor;
    if (!item.IsEnabled()) color = info->dwDisabledBkColor;
    if (color != 0) CSkinRender::DrawColor(hDC, rcItem, item.GetAdjustedColor(color));

    const auto drawOrForget = [&](CSkinString& descriptor) {
        if (descriptor.IsEmpty()) return false;
        if (item.DrawImage(hDC, descriptor)) return true;
        descriptor.Clear();
        return false;
    };
    if (!item.IsEnabled() && drawOrForget(info->sDisabledImage)) return;
    if (selected && drawOrForget(info->sSelectedImage)) return;
    if ((buttonState & UISTATE_HOT) && drawOrForget(info->sHotImage)) return;

    if (!ownBkImage.IsEmpty()) {
        if (!oddRow && !item.DrawImage(hDC, ownBkImage)) ownBkImage.Clear();
    } else if (drawOrForget(info->sBkImage)) {
        return;
    }
    if (info->dwLineColor != 0) {
        const RECT line = {rcItem.left, rcItem.bottom - 1, rcItem.right, rcItem.bottom - 1};
        CSkinRender::DrawLine(hDC, line, 1, item.GetAdjustedColor(info->dwLineColor));
    }
}

bool HandleListItemMouse(CControlUI& item, IListItemUI& listItem, UINT& buttonState, TControlEvent& event) {
    switch (event.Type) {
        case EV_MOUSEENTER:
            if (item.IsEnabled()) {
                buttonState |= UISTATE_HOT;
                item.Invalidate();
            }
            return true;
        case EV_MOUSELEAVE:
            if (buttonState & UISTATE_HOT) {
                buttonState &= ~UISTATE_HOT;
                item.Invalidate();
            }
            return true;
        case EV_BUTTONDOWN:
        case EV_RBUTTONDOWN:
            if (item.IsEnabled()) {
                if (CPaintManagerUI* manager = item.GetManager()) manager->SendNotification(&item, "itemclick");
                listItem.Select(true);
                item.Invalidate();
            }
            return true;
        case EV_MOUSEMOVE:
        case EV_BUTTONUP:
            return true;
        default:
            return false;
    }
}

}  // namespace detail
}  // namespace SkinUI
