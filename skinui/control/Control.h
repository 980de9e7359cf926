// CControlUI: the base of every control: attributes, rectangle, painting in
// a fixed order, layout requests, events and delegates.
#pragma once

#include <windows.h>

#include "skinui/control/Delegate.h"
#include "skinui/core/SkinDefs.h"
#include "skinui/core/SkinString.h"
#include "skinui/core/UIDefs.h"

namespace SkinUI {

class CPaintManagerUI;

struct TRelativePos {
    bool bRelative = false;
    SIZE szParent = {0, 0};
    int nMoveXPercent = 0;
    int nMoveYPercent = 0;
    int nZoomXPercent = 0;
    int nZoomYPercent = 0;
};

class SKINUI_API CControlUI {
public:
    CControlUI();
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;

    // Virtual operations in their fixed slot order.
    virtual ~CControlUI();                                              // 0
    virtual CSkinString GetName() const;                                // 1
    virtual void SetName(const char* name);                             // 2
    virtual const char* GetTypeName() const;                            // 3
    virtual void* AsInterface(const char* name);                        // 4
    virtual UINT GetInputFlags() const;                                 // 5
    virtual bool Activate();                                            // 6
    virtual CPaintManagerUI* GetManager() const;                        // 7
    virtual void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true);  // 8
    virtual CControlUI* GetParent() const;                              // 9
    virtual CSkinString GetText() const;                                // 10
    virtual void SetText(const char* text);                             // 11
    virtual const RECT& GetPos() const;                                 // 12
    virtual void SetPos(RECT rc);                                       // 13
    virtual int GetWidth() const;                                       // 14
    virtual int GetHeight() const;                                      // 15
    virtual int GetX() const;                                           // 16
    virtual int GetY() const;                                           // 17
    virtual RECT GetPadding() const;                                    // 18
    virtual void SetPadding(RECT rc);                                   // 19
    virtual SIZE GetFloatOffset() const;                                // 20
    virtual void SetFloatOffset(SIZE offset);                           // 21
    virtual int GetFixedWidth() const;                                  // 22
    virtual void SetFixedWidth(int width);                              // 23
    virtual int GetFixedHeight() const;                                 // 24
    virtual void SetFixedHeight(int height);                            // 25
    virtual int GetMinWidth() const;                                    // 26
    virtual void SetMinWidth(int width);                                // 27
    virtual int GetMaxWidth() const;                                    // 28
    virtual void SetMaxWidth(int width);                                // 29
    virtual int GetMinHeight() const;                                   // 30
    virtual void SetMinHeight(int height);                              // 31
    virtual int GetMaxHeight() const;                                   // 32
    virtual void SetMaxHeight(int height);                              // 33
    virtual void SetRelativePos(SIZE move, SIZE zoom);                  // 34
    virtual void SetRelativeParentSize(SIZE size);                      // 35
    virtual TRelativePos GetRelativePos() const;                        // 36
    virtual bool IsRelativePos() const;                                 // 37
    virtual CSkinString GetToolTip() const;                             // 38
    virtual void SetToolTip(const char* text);                          // 39
    virtual void SetToolTipWidth(int width);                            // 40
    virtual int GetToolTipWidth() const;                                // 41
    virtual char GetShortcut() const;                                   // 42
    virtual void SetShortcut(char ch);                                  // 43
    virtual bool IsMenuUsed() const;                                    // 44
    virtual void SetMenuUsed(bool used);                                // 45
    virtual const CSkinString& GetUserData() const;                     // 46
    virtual void SetUserData(const char* text);                         // 47
    virtual UINT_PTR GetTag() const;                                    // 48
    virtual void SetTag(UINT_PTR tag);                                  // 49
    virtual bool IsVisible() const;                                     // 50
    virtual void SetVisible(bool visible = true);                       // 51
    virtual void SetVisibleByParent(bool visible);                      // 52
    virtual bool IsEnabled() const;                                     // 53
    virtual void SetEnabled(bool enabled = true);                       // 54
    virtual bool IsMouseEnabled() const;                                // 55
    virtual void SetMouseEnabled(bool enabled = true);                  // 56
    virtual bool IsKeyboardEnabled() const;                             // 57
    virtual void SetKeyboardEnabled(bool enabled = true);               // 58
    virtual bool IsFocused() const;                                     // 59
    virtual void SetFocus();                                            // 60
    virtual bool IsFloat() const;                                       // 61
    virtual void SetFloat(bool floating = true);                        // 62
    virtual CControlUI* FindControl(FINDCONTROLPROC proc, LPVOID data, UINT flags);  // 63
    virtual void Init();                                                // 64
    virtual void InitSelf();                                            // 65
    virtual void DispatchEvent(TControlEvent& event);                   // 66
    virtual void HandleEvent(TControlEvent& event);                     // 67
    virtual void SetAttribute(const char* name, const char* value);     // 68
    virtual SIZE MeasureSize(SIZE available);                           // 69
    virtual void Paint(HDC hDC, const RECT& rcDirty);                   // 70
    virtual void PaintBackgroundColor(HDC hDC);                         // 71
    virtual void PaintBackgroundImage(HDC hDC);                         // 72
    virtual void PaintStateImages(HDC hDC);                             // 73
    virtual void PaintText(HDC hDC);                                    // 74
    virtual void PaintBorder(HDC hDC);                                  // 75
    virtual void PaintOverlay(HDC hDC, const RECT& rcDirty);            // 76

    // Change protocol.
    void Invalidate();
    bool IsLayoutPending() const { return m_bUpdateNeeded; }
    void RequestLayout();
    void RequestParentLayout();

    // Appearance setters (each invalidates).
    DWORD GetBkColor() const { return m_dwBackColor; }
    void SetBkColor(DWORD color);
    DWORD GetBkColor2() const { return m_dwBackColor2; }
    void SetBkColor2(DWORD color);
    DWORD GetBkColor3() const { return m_dwBackColor3; }
    void SetBkColor3(DWORD color);
    const CSkinString& GetBkImage() const { return m_sBkImage; }
    void SetBkImage(const char* descriptor);
    const CSkinString& GetForeImage() const { return m_sForeImage; }
    void SetForeImage(const char* descriptor);
    DWORD GetBorderColor() const { return m_dwBorderColor; }
    void SetBorderColor(DWORD color);
    DWORD GetFocusBorderColor() const { return m_dwFocusBorderColor; }
    void SetFocusBorderColor(DWORD color);
    bool IsColorHSL() const { return m_bColorHSL; }
    void SetColorHSL(bool hsl);
    int GetBorderSize() const { return m_nBorderSize; }
    void SetBorderSize(int size);
    RECT GetBorderSizes() const { return m_rcBorderSize; }
    void SetBorderSize(RECT sizes);
    void SetLeftBorderSize(int size);
    void SetTopBorderSize(int size);
    void SetRightBorderSize(int size);
    void SetBottomBorderSize(int size);
    int GetBorderStyle() const { return m_nBorderStyle; }
    void SetBorderStyle(int style);
    SIZE GetBorderRound() const { return m_cxyBorderRound; }
    void SetBorderRound(SIZE round);

    DWORD GetAdjustedColor(DWORD color) const;
    bool DrawImage(HDC hDC, const char* descriptor, const char* modifier = nullptr);
    void ApplyAttributes(const char* list);
    CSkinString GetVirtualWnd() const;
    void SetVirtualWnd(const char* name);

    CDelegateList OnInit;
    CDelegateList OnDestroy;
    CDelegateList OnSize;
    CDelegateList OnEvent;
    CDelegateList OnNotify;

protected:
    // Invalidates `rc` as far as every ancestor shows it.
    void InvalidateClipped(RECT rc);

    CPaintManagerUI* m_pManager = nullptr;
    CControlUI* m_pParent = nullptr;
    CSkinString m_sVirtualWnd;
    CSkinString m_sName;
    bool m_bUpdateNeeded = true;
    bool m_bMenuUsed = false;
    RECT m_rcItem = {0, 0, 0, 0};
    RECT m_rcPadding = {0, 0, 0, 0};
    SIZE m_cXY = {0, 0};
    SIZE m_cxyFixed = {0, 0};
    SIZE m_cxyMin = {0, 0};
    SIZE m_cxyMax = {9999, 9999};
    bool m_bVisible = true;
    bool m_bInternVisible = true;
    bool m_bEnabled = true;
    bool m_bMouseEnabled = true;
    bool m_bKeyboardEnabled = true;
    bool m_bFocused = false;
    bool m_bFloat = false;
    bool m_bSetPos = false;
    TRelativePos m_tRelativePos;
    CSkinString m_sText;
    CSkinString m_sToolTip;
    char m_chShortcut = 0;
    CSkinString m_sUserData;
    UINT_PTR m_pTag = 0;
    DWORD m_dwBackColor = 0;
    DWORD m_dwBackColor2 = 0;
    DWORD m_dwBackColor3 = 0;
    CSkinString m_sBkImage;
    CSkinString m_sForeImage;
    DWORD m_dwBorderColor = 0;
    DWORD m_dwFocusBorderColor = 0;
    bool m_bColorHSL = false;
    int m_nBorderSize = 0;
    int m_nBorderStyle = 0;
    int m_nTooltipWidth = 300;
    SIZE m_cxyBorderRound = {0, 0};
    RECT m_rcPaint = {0, 0, 0, 0};
    RECT m_rcBorderSize = {0, 0, 0, 0};
};

// Attribute value forms shared by every control.
namespace attr {
// Four decimal numbers, each starting one character after the previous one ended.
SKINUI_API RECT ParseRect(const char* value);
SKINUI_API SIZE ParseSize(const char* value);
// Leading bytes 0x01-0x20 and one "#" skipped, then hexadecimal.
SKINUI_API DWORD ParseColor(const char* value);
// Only a leading "#" skipped.
SKINUI_API DWORD ParseHexColor(const char* value);
inline bool ParseBool(const char* value) {
    return value && value[0] == 't' && value[1] == 'r' && value[2] == 'u' && value[3] == 'e' && !value[4];
}
}  // namespace attr

}  // namespace SkinUI
