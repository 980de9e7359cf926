// WindowImplBase: the toolkit's borderless skinned top-level window: loads
// its skin at creation, hit-tests from the skin's caption and resize
// borders, rounds its corners, handles the system buttons and dispatches
// notifications through its message map.
#pragma once

#include <windows.h>

#include "skinui/core/NotifyPump.h"
#include "skinui/core/PaintManager.h"
#include "skinui/core/SkinBuilder.h"
#include "skinui/core/SkinResources.h"
#include "skinui/core/WindowWnd.h"

namespace SkinUI {

class SKINUI_API WindowImplBase : public CWindowWnd,
                                  public CNotifyPump,
                                  public INotifyUI,
                                  public IMessageFilterUI,
                                  public IDialogBuilderCallback {
public:
    WindowImplBase() = default;

    // Slots 0-4 are CWindowWnd's.
    UINT GetClassStyle() const override;                                      // 2
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;   // 3
    void OnFinalMessage(HWND hwnd) override;                                  // 4
    ~WindowImplBase() override;                                               // 5
    virtual void OnInitWindow();                                              // 6
    virtual void OnClick(TNotifyUI& msg);                                     // 7
    virtual CSkinString SkinFolder() = 0;                                     // 8
    virtual CSkinString SkinFile() = 0;                                       // 9
    virtual LRESULT OnDefaultKey(WPARAM key);                                 // 10
    virtual UILIB_RESOURCETYPE GetResourceType() const;                       // 11
    virtual CSkinString GetZIPFileName() const;                               // 12
    virtual const char* GetResourceID() const;                                // 13
    virtual LRESULT OnClose(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);          // 14
    virtual LRESULT OnDestroy(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);        // 15
    virtual LRESULT OnNcActivate(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);     // 16
    virtual LRESULT OnNcCalcSize(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);     // 17
    virtual LRESULT OnNcPaint(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);        // 18
    virtual LRESULT OnNcHitTest(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);      // 19
    virtual LRESULT OnGetMinMaxInfo(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);  // 20
    virtual LRESULT OnMouseWheel(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);     // 21
    virtual LRESULT OnMouseHover(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);     // 22
    virtual LRESULT OnSize(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);           // 23
    virtual LRESULT OnChar(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);           // 24
    virtual LRESULT OnSysCommand(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);     // 25
    virtual LRESULT OnCreate(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);         // 26
    virtual LRESULT OnKeyDown(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);        // 27
    virtual LRESULT OnKillFocus(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);      // 28
    virtual LRESULT OnSetFocus(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);       // 29
    virtual LRESULT OnLButtonDown(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);    // 30
    virtual LRESULT OnLButtonUp(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);      // 31
    virtual LRESULT OnMouseMove(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);      // 32
    virtual LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);  // 33
    virtual LONG GetStyle();                                                  // 34

    // CNotifyPump
    const SKIN_MSGMAP* GetMessageMap() const override;
    static const SKIN_MSGMAP* GetThisMessageMap();
    // INotifyUI
    void Notify(TNotifyUI& msg) override;
    // IMessageFilterUI: Return, Escape, Up and Down reach OnDefaultKey.
    LRESULT MessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
    // IDialogBuilderCallback
    CControlUI* CreateControl(const char* className) override;

    CPaintManagerUI& PaintManager() { return m_PaintManager; }

protected:
    CPaintManagerUI m_PaintManager;
};

}  // namespace SkinUI
