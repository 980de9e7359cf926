// CActiveXCtrl: the site through which a hosted OLE object talks to its
// CActiveXUI, with its helpers: the child window of windowed objects
// (CActiveXWnd), the in-place frame (CActiveXFrameWnd) and the one-object
// enumerator of the container face (CActiveXEnum).
#pragma once

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <memory>
#include <type_traits>

#include "skinui/core/WindowWnd.h"

namespace SkinUI {

class CActiveXUI;
class CActiveXCtrl;

class CActiveXWnd : public CWindowWnd {
public:
    explicit CActiveXWnd(CActiveXCtrl* owner) : m_pOwner(owner) {}
    HWND Init(HWND parent);

    const char* WindowClassName() const override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void DoVerb(LONG verb);

    CActiveXCtrl* m_pOwner;
};

class CActiveXCtrl final : public IOleClientSite,
                           public IOleInPlaceSiteWindowless,
                           public IOleControlSite,
                           public IObjectWithSite,
                           public IOleContainer {
    friend class CActiveXUI;
    friend class CActiveXWnd;

public:
    explicit CActiveXCtrl(CActiveXUI* owner) : m_pOwner(owner) {}
    CActiveXCtrl(const CActiveXCtrl&) = delete;
    CActiveXCtrl& operator=(const CActiveXCtrl&) = delete;

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    // IObjectWithSite
    STDMETHOD(SetSite)(IUnknown* site) override;
    STDMETHOD(GetSite)(REFIID riid, void** ppv) override;
    // IOleClientSite
    STDMETHOD(SaveObject)() override;
    STDMETHOD(GetMoniker)(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHOD(GetContainer)(IOleContainer** container) override;
    STDMETHOD(ShowObject)() override;
    STDMETHOD(OnShowWindow)(BOOL show) override;
    STDMETHOD(RequestNewObjectLayout)() override;
    // IOleInPlaceSiteWindowless
    STDMETHOD(CanWindowlessActivate)() override;
    STDMETHOD(GetCapture)() override;
    STDMETHOD(SetCapture)(BOOL capture) override;
    STDMETHOD(GetFocus)() override;
    STDMETHOD(SetFocus)(BOOL focus) override;
    STDMETHOD(GetDC)(LPCRECT rect, DWORD flags, HDC* dc) override;
    STDMETHOD(ReleaseDC)(HDC dc) override;
    STDMETHOD(InvalidateRect)(LPCRECT rect, BOOL erase) override;
    STDMETHOD(InvalidateRgn)(HRGN region, BOOL erase) override;
    STDMETHOD(ScrollRect)(INT dx, INT dy, LPCRECT scroll, LPCRECT clip) override;
    STDMETHOD(AdjustRect)(LPRECT rect) override;
    STDMETHOD(OnDefWindowMessage)(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // IOleInPlaceSiteEx
    STDMETHOD(OnInPlaceActivateEx)(BOOL* noRedraw, DWORD flags) override;
    STDMETHOD(OnInPlaceDeactivateEx)(BOOL noRedraw) override;
    STDMETHOD(RequestUIActivate)() override;
    // IOleInPlaceSite
    STDMETHOD(CanInPlaceActivate)() override;
    STDMETHOD(OnInPlaceActivate)() override;
    STDMETHOD(OnUIActivate)() override;
    STDMETHOD(GetWindowContext)(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO info) override;
    STDMETHOD(Scroll)(SIZE extent) override;
    STDMETHOD(OnUIDeactivate)(BOOL undoable) override;
    STDMETHOD(OnInPlaceDeactivate)() override;
    STDMETHOD(DiscardUndoState)() override;
    STDMETHOD(DeactivateAndUndo)() override;
    STDMETHOD(OnPosRectChange)(LPCRECT pos) override;
    // IOleWindow
    STDMETHOD(GetWindow)(HWND* window) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL enter) override;
    // IOleControlSite
    STDMETHOD(OnControlInfoChanged)() override;
    STDMETHOD(LockInPlaceActive)(BOOL lock) override;
    STDMETHOD(GetExtendedControl)(IDispatch** dispatch) override;
    STDMETHOD(TransformCoords)(POINTL* himetric, POINTF* container, DWORD flags) override;
    STDMETHOD(TranslateAccelerator)(MSG* msg, DWORD modifiers) override;
    STDMETHOD(OnFocus)(BOOL focus) override;
    STDMETHOD(ShowPropertyFrame)() override;
    // IOleContainer
    STDMETHOD(EnumObjects)(DWORD flags, IEnumUnknown** enumerator) override;
    STDMETHOD(LockContainer)(BOOL lock) override;
    // IParseDisplayName
    STDMETHOD(ParseDisplayName)(IBindCtx* bindCtx, LPOLESTR name, ULONG* eaten, IMoniker** moniker) override;

    bool IsInPlaceActive() const { return m_bInPlaceActive; }
    bool IsWindowless() const { return m_bWindowless; }
    bool IsCaptured() const { return m_bCaptured; }
    bool IsFocused() const { return m_bFocused; }
    bool IsUIActive() const { return m_bUIActivated; }
    bool IsLocked() const { return m_bLocked; }

private:
    struct AcceleratorDeleter {
        void operator()(HACCEL table) const { ::DestroyAcceleratorTable(table); }
    };

    ~CActiveXCtrl();
    HRESULT CreateActiveXWnd();
    void DestroyWindow();
    // The owner's item rectangle, at (0,0) when the object has its own window.
    RECT ObjectRect() const;

    ULONG m_dwRef = 1;
    CActiveXUI* m_pOwner;
    CActiveXWnd* m_pWindow = nullptr;
    Microsoft::WRL::ComPtr<IUnknown> m_pUnkSite;
    Microsoft::WRL::ComPtr<IViewObject> m_pViewObject;
    Microsoft::WRL::ComPtr<IOleInPlaceObject> m_pInPlaceObject;
    bool m_bLocked = false;
    bool m_bFocused = false;
    bool m_bCaptured = false;
    bool m_bUIActivated = false;
    bool m_bInPlaceActive = false;
    bool m_bWindowless = true;
    // Handed out by GetWindowContext; the container keeps it for the object.
    std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorDeleter> m_hAccel;
};

class CActiveXFrameWnd final : public IOleInPlaceFrame {
public:
    explicit CActiveXFrameWnd(CActiveXUI* owner) : m_pOwner(owner) {}
    CActiveXFrameWnd(const CActiveXFrameWnd&) = delete;
    CActiveXFrameWnd& operator=(const CActiveXFrameWnd&) = delete;

    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(GetWindow)(HWND* window) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL enter) override;
    STDMETHOD(GetBorder)(LPRECT border) override;
    STDMETHOD(RequestBorderSpace)(LPCBORDERWIDTHS widths) override;
    STDMETHOD(SetBorderSpace)(LPCBORDERWIDTHS widths) override;
    STDMETHOD(SetActiveObject)(IOleInPlaceActiveObject* object, LPCOLESTR name) override;
    STDMETHOD(InsertMenus)(HMENU shared, LPOLEMENUGROUPWIDTHS widths) override;
    STDMETHOD(SetMenu)(HMENU shared, HOLEMENU olemenu, HWND activeObject) override;
    STDMETHOD(RemoveMenus)(HMENU shared) override;
    STDMETHOD(SetStatusText)(LPCOLESTR text) override;
    STDMETHOD(EnableModeless)(BOOL enable) override;
    STDMETHOD(TranslateAccelerator)(LPMSG msg, WORD id) override;

private:
    ~CActiveXFrameWnd() = default;

    ULONG m_dwRef = 1;
    CActiveXUI* m_pOwner;
    Microsoft::WRL::ComPtr<IOleInPlaceActiveObject> m_pActiveObject;
};

class CActiveXEnum final : public IEnumUnknown {
public:
    explicit CActiveXEnum(IUnknown* object) : m_pUnk(object) {}
    CActiveXEnum(const CActiveXEnum&) = delete;
    CActiveXEnum& operator=(const CActiveXEnum&) = delete;

    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(Next)(ULONG count, IUnknown** items, ULONG* fetched) override;
    STDMETHOD(Skip)(ULONG count) override;
    STDMETHOD(Reset)() override;
    STDMETHOD(Clone)(IEnumUnknown** clone) override;

private:
    ~CActiveXEnum() = default;

    ULONG m_dwRef = 1;
    ULONG m_iPos = 0;
    Microsoft::WRL::ComPtr<IUnknown> m_pUnk;
};

}  // namespace SkinUI
