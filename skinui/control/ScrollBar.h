// CScrollBarUI: two end buttons, a thumb with a grip image and a background;
// drives its owning container's scrolling, or its own position when free.
#pragma once

#include <windows.h>

#include "skinui/control/Control.h"
#include "skinui/core/SkinDefs.h"
#include "skinui/core/SkinString.h"

namespace SkinUI {

class CContainerUI;

class SKINUI_API CScrollBarUI : public CControlUI {
public:
    // Part state bits, shared with the button family.
    enum : UINT {
        STATE_DISABLED = 0x04,
        STATE_HOT = 0x08,
        STATE_PUSHED = 0x10,
        STATE_CAPTURED = 0x40,
    };
    static constexpr UINT kRepeatTimerId = 10;

    CScrollBarUI();
    ~CScrollBarUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    void SetPos(RECT rc) override;
    void SetVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void SetFocus() override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    void Paint(HDC hDC, const RECT& rcDirty) override;

    CContainerUI* GetOwner() const { return m_pOwner; }
    void SetOwner(CContainerUI* owner) { m_pOwner = owner; }
    bool IsHorizontal() const { return m_bHorizontal; }
    void SetHorizontal(bool horizontal = true);
    int GetScrollRange() const { return m_nRange; }
    void SetScrollRange(int range);
    int GetScrollPos() const { return m_nScrollPos; }
    void SetScrollPos(int pos);
    int GetLineSize() const { return m_nLineSize; }
    void SetLineSize(int size) { m_nLineSize = size; }
    bool IsShowButton1() const { return m_bShowButton1; }
    void SetShowButton1(bool show);
    bool IsShowButton2() const { return m_bShowButton2; }
    void SetShowButton2(bool show);

    const RECT& GetButton1Rect() const { return m_rcButton1; }
    const RECT& GetButton2Rect() const { return m_rcButton2; }
    const RECT& GetThumbRect() const { return m_rcThumb; }
    UINT GetButton1State() const { return m_uButton1State; }
    UINT GetButton2State() const { return m_uButton2State; }
    UINT GetThumbState() const { return m_uThumbState; }

    // Image descriptors: normal, hot, pushed, disabled per part.
    void SetBkNormalImage(const char* image) { SetImage(m_sBkNormalImage, image); }
    void SetBkHotImage(const char* image) { SetImage(m_sBkHotImage, image); }
    void SetBkPushedImage(const char* image) { SetImage(m_sBkPushedImage, image); }
    void SetBkDisabledImage(const char* image) { SetImage(m_sBkDisabledImage, image); }
    void SetButton1NormalImage(const char* image) { SetImage(m_sButton1NormalImage, image); }
    void SetButton1HotImage(const char* image) { SetImage(m_sButton1HotImage, image); }
    void SetButton1PushedImage(const char* image) { SetImage(m_sButton1PushedImage, image); }
    void SetButton1DisabledImage(const char* image) { SetImage(m_sButton1DisabledImage, image); }
    void SetButton2NormalImage(const char* image) { SetImage(m_sButton2NormalImage, image); }
    void SetButton2HotImage(const char* image) { SetImage(m_sButton2HotImage, image); }
    void SetButton2PushedImage(const char* image) { SetImage(m_sButton2PushedImage, image); }
    void SetButton2DisabledImage(const char* image) { SetImage(m_sButton2DisabledImage, image); }
    void SetThumbNormalImage(const char* image) { SetImage(m_sThumbNormalImage, image); }
    void SetThumbHotImage(const char* image) { SetImage(m_sThumbHotImage, image); }
    void SetThumbPushedImage(const char* image) { SetImage(m_sThumbPushedImage, image); }
    void SetThumbDisabledImage(const char* image) { SetImage(m_sThumbDisabledImage, image); }
    void SetRailNormalImage(const char* image) { SetImage(m_sRailNormalImage, image); }
    void SetRailHotImage(const char* image) { SetImage(m_sRailHotImage, image); }
    void SetRailPushedImage(const char* image) { SetImage(m_sRailPushedImage, image); }
    void SetRailDisabledImage(const char* image) { SetImage(m_sRailDisabledImage, image); }

private:
    void SetImage(CSkinString& field, const char* image) {
        field = image;
        Invalidate();
    }
    int Thickness() const { return m_bHorizontal ? m_cxyFixed.cy : m_cxyFixed.cx; }
    void LayoutParts(const RECT& rc);
    void LineBack();
    void LineForward();
    void PageToward(POINT pt);
    void NotifyScroll();
    void PaintBk(HDC hDC);
    // Draws a part's state image, else its normal image, else (for buttons
    // and the thumb) the default outline.
    void PaintPart(HDC hDC, const RECT& part, UINT state, CSkinString& normal, CSkinString& hot,
                   CSkinString& pushed, CSkinString& disabled, bool outline);
    void PaintRail(HDC hDC);

    bool m_bHorizontal = false;
    int m_nRange = 100;
    int m_nScrollPos = 0;
    int m_nLineSize = 8;
    CContainerUI* m_pOwner = nullptr;
    POINT m_ptLastMouse = {0, 0};
    int m_nLastScrollPos = 0;
    int m_nLastScrollOffset = 0;
    int m_nScrollRepeatDelay = 0;

    // Each image group is normal, hot, pushed, disabled in that order.
    CSkinString m_sBkNormalImage;
    CSkinString m_sBkHotImage;
    CSkinString m_sBkPushedImage;
    CSkinString m_sBkDisabledImage;

    bool m_bShowButton1 = true;
    RECT m_rcButton1 = {0, 0, 0, 0};
    UINT m_uButton1State = 0;
    CSkinString m_sButton1NormalImage;
    CSkinString m_sButton1HotImage;
    CSkinString m_sButton1PushedImage;
    CSkinString m_sButton1DisabledImage;

    bool m_bShowButton2 = true;
    RECT m_rcButton2 = {0, 0, 0, 0};
    UINT m_uButton2State = 0;
    CSkinString m_sButton2NormalImage;
    CSkinString m_sButton2HotImage;
    CSkinString m_sButton2PushedImage;
    CSkinString m_sButton2DisabledImage;

    RECT m_rcThumb = {0, 0, 0, 0};
    UINT m_uThumbState = 0;
    CSkinString m_sThumbNormalImage;
    CSkinString m_sThumbHotImage;
    CSkinString m_sThumbPushedImage;
    CSkinString m_sThumbDisabledImage;

    CSkinString m_sRailNormalImage;
    CSkinString m_sRailHotImage;
    CSkinString m_sRailPushedImage;
    CSkinString m_sRailDisabledImage;

    CSkinString m_sImageModify;
};

}  // namespace SkinUI
