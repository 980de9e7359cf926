// CPaintManagerUI: ties one native window to its control tree: painting
// through a back buffer, layout, events, focus, timers, tooltips,
// notifications and the per-window resource caches. Its static part holds the
// process-wide resource location and the list of all managers.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "skinui/core/BackBuffer.h"
#include "skinui/core/GdiHandles.h"
#include "skinui/core/SkinDefs.h"
#include "skinui/core/SkinPtrArray.h"
#include "skinui/core/SkinResources.h"
#include "skinui/core/SkinString.h"
#include "skinui/core/SkinStringMap.h"
#include "skinui/core/UIDefs.h"

namespace SkinUI {

class CControlUI;
class CZipArchive;

class SKINUI_API CPaintManagerUI {
public:
    CPaintManagerUI();
    ~CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

    // --- Process-wide settings ---------------------------------------------------
    // Module whose resources ("ZIPRES", "xml") skins may come from.
    static void SetInstance(HINSTANCE instance);
    static HINSTANCE Instance();
    // Handles of a kind that the toolkit's own module holds now: how a
    // program on the shared library sees a leak inside it.
    static long LiveHandles(HandleKind kind);
    // Folder of skin files; a "\" is appended when it ends in neither "\" nor "/".
    static void SetResourcePath(const char* path);
    static const CSkinString& ResourcePath();
    // A zip file under the resource path; `cached` keeps it open from now on.
    static void SetResourceZip(const char* name, bool cached = false);
    // An archive in memory ("membuffer"), kept for the life of the process;
    // the first one stays. The bytes must stay valid.
    static void SetResourceZip(const void* bytes, unsigned size);
    static const CSkinString& ResourceZip();
    static bool IsZipCached();
    // The open archive when the zip is cached, else null.
    static CZipArchive* ZipHandle();
    static void HueSaturationLightness(short& hue, short& saturation, short& lightness);

    static void MessageLoop();
    static bool PreTranslate(MSG* msg);

    // --- Window and tree ----------------------------------------------------------
    void AttachWindow(HWND window);
    HWND PaintWindow() const { return m_hWndPaint; }
    HDC PaintDC() const { return m_hDcPaint.get(); }
    POINT MousePosition() const { return m_ptLastMousePos; }
    SIZE ClientSize() const;

    bool AttachRoot(CControlUI* root);
    bool InitControlTree(CControlUI* control, CControlUI* parent = nullptr);
    void ReleaseControl(CControlUI* control);
    void AddDelayedDelete(CControlUI* control);
    CControlUI* RootControl() const { return m_pRoot; }
    CControlUI* FindControl(const char* name);
    CControlUI* FindControl(POINT pt) const;
    void RequestUpdate() { m_bUpdateNeeded = true; }
    bool IsUpdateNeeded() const { return m_bUpdateNeeded; }
    void InvalidateArea(const RECT& rc);
    // The back buffer no longer matches the window over `rc` (something drew
    // on the window directly): the next paint there redraws the controls.
    void DiscardBufferedArea(const RECT& rc);
    void EnableVirtualWindowNames(bool enable) { m_bUsedVirtualWnd = enable; }

    // --- Notifications --------------------------------------------------------------
    bool AddNotifyTarget(INotifyUI* target);
    bool RemoveNotifyTarget(INotifyUI* target);
    void SendNotification(CControlUI* control, const char* type, WPARAM wParam = 0,
                          LPARAM lParam = 0, bool async = false);
    void SendNotification(TNotifyUI& msg, bool async = false);

    // --- Filters, accelerators, post-paint --------------------------------------------
    bool AddPreFilter(IMessageFilterUI* filter);
    bool RemovePreFilter(IMessageFilterUI* filter);
    bool AddFilter(IMessageFilterUI* filter);
    bool RemoveFilter(IMessageFilterUI* filter);
    bool AddAccelerator(ITranslateAccelerator* accelerator);
    bool RemoveAccelerator(ITranslateAccelerator* accelerator);
    bool AddPostPaintControl(CControlUI* control);
    bool RemovePostPaintControl(CControlUI* control);

    // --- Timers -------------------------------------------------------------------------
    bool StartTimer(CControlUI* control, UINT timerId, UINT elapse);
    bool StopTimer(CControlUI* control, UINT timerId);
    void StopAllTimers(CControlUI* control);
    void ClearTimers();

    // --- Focus and capture ----------------------------------------------------------------
    CControlUI* FocusedControl() const { return m_pFocus; }
    void FocusControl(CControlUI* control);
    void FocusLater(CControlUI* control);
    bool MoveFocus(bool forward);
    void CaptureMouse();
    void ReleaseMouse();
    bool HasMouseCapture() const { return m_bMouseCapture; }

    // --- Resources ---------------------------------------------------------------------------
    const TSkinImage* RegisterImage(const char* name, const char* type = nullptr, DWORD mask = 0);
    const TSkinImage* ObtainImage(const char* name, const char* type = nullptr, DWORD mask = 0);
    void ClearImages();
    HFONT RegisterFont(const char* face, int size, bool bold, bool underline, bool italic);
    void SetBaseFont(const char* face, int size, bool bold, bool underline, bool italic);
    HFONT FontByIndex(int index);
    const TSkinFont* FontInfoByIndex(int index);
    const TSkinFont* FontInfoByHandle(HFONT font);
    HFONT LookupFont(const char* face, int size, bool bold, bool underline, bool italic);
    const TSkinFont* BaseFontInfo();
    int FontCount() const { return m_aFonts.Count(); }
    void ClearFonts();
    void AddClassDefaults(const char* className, const char* attributes);
    const char* ClassDefaults(const char* className) const;
    void ClearClassDefaults();
    bool BorrowResources(CPaintManagerUI* parent);
    CPaintManagerUI* ResourceParent() const { return m_pParentResourcePM; }

    // --- Option groups ------------------------------------------------------------------------
    bool JoinOptionGroup(const char* group, CControlUI* control);
    CSkinPtrArray* OptionGroup(const char* group);
    void LeaveOptionGroup(const char* group, CControlUI* control);
    void ClearOptionGroups();

    // --- Window attributes -----------------------------------------------------------------------
    SIZE StartSize() const { return m_szInitWindowSize; }
    void SetStartSize(int cx, int cy);
    RECT ResizeBorders() const { return m_rcSizeBox; }
    void SetResizeBorders(const RECT& rc) { m_rcSizeBox = rc; }
    RECT CaptionArea() const { return m_rcCaption; }
    void SetCaptionArea(const RECT& rc) { m_rcCaption = rc; }
    SIZE CornerSize() const { return m_szRoundCorner; }
    void SetCornerSize(int cx, int cy) { m_szRoundCorner = {cx, cy}; }
    SIZE MinTrackSize() const { return m_szMinWindow; }
    void SetMinTrackSize(int cx, int cy) { m_szMinWindow = {cx, cy}; }
    SIZE MaxTrackSize() const { return m_szMaxWindow; }
    void SetMaxTrackSize(int cx, int cy) { m_szMaxWindow = {cx, cy}; }
    bool ShowDirty() const { return m_bShowUpdateRect; }
    void SetShowDirty(bool show) { m_bShowUpdateRect = show; }
    int WindowAlpha() const { return m_nAlpha; }
    void SetWindowAlpha(int alpha);
    bool IsLayeredBackground() const { return m_bLayered; }
    void SetLayeredBackground(bool layered) { m_bLayered = layered; }
    bool IsOffscreenPaint() const { return m_bOffscreenPaint; }
    // Off by default: every paint draws its whole area again, so a window
    // invalidated from outside the toolkit shows what its controls hold now.
    // On, a paint draws again only what the controls invalidated and copies
    // the rest from the kept buffer (for windows whose every change goes
    // through the toolkit).
    bool IsBackBufferKept() const { return m_bKeepBackBuffer; }
    void SetKeepBackBuffer(bool keep) {
        m_bKeepBackBuffer = keep;
        m_bBufferStale = true;
    }
    void SetOffscreenPaint(bool offscreen) {
        m_bOffscreenPaint = offscreen;
        m_bBufferStale = true;
    }

    DWORD DefaultDisabledColor() const;
    void SetDefaultDisabledColor(DWORD color) { m_dwDefaultDisabledColor = color; }
    DWORD DefaultFontColor() const;
    void SetDefaultFontColor(DWORD color) { m_dwDefaultFontColor = color; }
    DWORD DefaultLinkFontColor() const;
    void SetDefaultLinkFontColor(DWORD color) { m_dwDefaultLinkFontColor = color; }
    DWORD DefaultLinkHoverFontColor() const;
    void SetDefaultLinkHoverFontColor(DWORD color) { m_dwDefaultLinkHoverFontColor = color; }
    DWORD DefaultSelectedBkColor() const;
    void SetDefaultSelectedBkColor(DWORD color) { m_dwDefaultSelectedBkColor = color; }

    // --- Message entry points ---------------------------------------------------------------------
    bool HandleWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool PreFilterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool TranslateAccelerator(MSG* msg);

private:
    struct TimerInfo {
        CControlUI* pSender;
        UINT nLocalID;
        HWND hWnd;
        UINT uWinTimer;
        bool bKilled;
    };

    void DeliverQueuedNotifications();
    // EV_KILLFOCUS and "killfocus" for the focused control, which then has none.
    void TakeFocusFromFocused(CControlUI* next);
    void Paint();
    void PaintLayered(HDC dcPaint);
    void LayoutPending();
    void OnMouseMove(POINT pt);
    void ShowToolTip(CControlUI* control);
    void HideToolTip();
    void DeleteBackBuffers();
    void TrimStaleArea(const RECT& redrawn);
    void MeasureFont(TSkinFont& font);
    TSkinFont* MakeFont(const char* face, int size, bool bold, bool underline, bool italic);
    const CPaintManagerUI* TopResourceManager() const;
    CControlUI* NextTabStop(CControlUI* start, bool forward, CControlUI** lastSeen);
    void DispatchTo(CControlUI* control, TControlEvent& event);
    WORD KeyState() const;

    HWND m_hWndPaint = nullptr;
    int m_nAlpha = 255;
    WindowDc m_hDcPaint;
    BackBuffer m_offscreen;
    // With a kept back buffer: what the controls asked to repaint since the
    // last paint.
    RECT m_rcStale = {0, 0, 0, 0};
    bool m_bBufferStale = true;
    bool m_bKeepBackBuffer = false;
    MemoryDc m_hDcLayered;
    BitmapHandle m_hbmpLayered;
    HWND m_hwndTooltip = nullptr;
    TOOLINFOA m_ToolTip = {};
    bool m_bShowUpdateRect = false;

    CControlUI* m_pRoot = nullptr;
    CControlUI* m_pFocus = nullptr;
    CControlUI* m_pEventHover = nullptr;
    CControlUI* m_pEventClick = nullptr;
    CControlUI* m_pEventKey = nullptr;
    POINT m_ptLastMousePos = {-1, -1};

    SIZE m_szMinWindow = {0, 0};
    SIZE m_szMaxWindow = {0, 0};
    SIZE m_szInitWindowSize = {0, 0};
    RECT m_rcSizeBox = {0, 0, 0, 0};
    SIZE m_szRoundCorner = {0, 0};
    RECT m_rcCaption = {0, 0, 0, 0};

    UINT m_uTimerID = 4096;
    bool m_bFirstLayout = true;
    bool m_bUpdateNeeded = false;
    bool m_bFocusNeeded = false;
    bool m_bOffscreenPaint = true;
    bool m_bLayered = false;
    bool m_bMouseTracking = false;
    bool m_bMouseCapture = false;
    bool m_bUsedVirtualWnd = false;

    CSkinPtrArray m_aNotifiers;
    CSkinPtrArray m_aTimers;
    CSkinPtrArray m_aPreMessageFilters;
    CSkinPtrArray m_aMessageFilters;
    CSkinPtrArray m_aPostPaintControls;
    CSkinPtrArray m_aDelayedCleanup;
    CSkinPtrArray m_aAsyncNotify;
    CSkinPtrArray m_aTranslateAccelerator;
    CSkinStringMap m_mNameHash{83};
    CSkinStringMap m_mOptionGroup{83};
    CSkinStringMap m_mImageHash{83};
    CSkinStringMap m_DefaultAttrHash{83};

    CPaintManagerUI* m_pParentResourcePM = nullptr;
    DWORD m_dwDefaultDisabledColor = 0xFFA7A6AA;
    DWORD m_dwDefaultFontColor = 0xFF000000;
    DWORD m_dwDefaultLinkFontColor = 0xFF0000FF;
    DWORD m_dwDefaultLinkHoverFontColor = 0xFFD3215F;
    DWORD m_dwDefaultSelectedBkColor = 0xFFBAE4FF;
    TSkinFont m_DefaultFontInfo;
    CSkinPtrArray m_aFonts;
};

}  // namespace SkinUI
