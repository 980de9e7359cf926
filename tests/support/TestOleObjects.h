// OLE objects for the ActiveX host's tests: a windowless one that paints and
// takes messages, a windowed one with a child window of its own, and factories
// registered for this process (optionally under a program id).
#pragma once

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <string>
#include <vector>

namespace testsupport {

// {6D1E0B1A-5C47-4F3B-9A51-0A7E2B6C0001} and following.
extern const CLSID kClsidWindowlessObject;
extern const CLSID kClsidWindowedObject;
extern const CLSID kClsidFailingObject;
extern const CLSID kClsidModuleObject;  // served only by SkinUITestOle.dll
// Free for a test to register with options of its own.
extern const CLSID kClsidCustomObject;

// The colour the objects paint their bounds with (0xRRGGBB).
constexpr DWORD kObjectColour = 0xC01020;

struct TestObjectOptions {
    bool windowless = true;
    DWORD miscStatus = 0;
    bool failInitNew = false;
};

class TestOleObject final : public IOleObject,
                            public IOleInPlaceObjectWindowless,
                            public IViewObjectEx,
                            public IOleControl,
                            public IPersistStreamInit,
                            public IObjectWithSite {
public:
    explicit TestOleObject(const TestObjectOptions& options);

    // The object made last in this module, and what it was asked.
    static TestOleObject* last;
    std::vector<std::string> calls;
    std::vector<UINT> messages;
    Microsoft::WRL::ComPtr<IOleClientSite> site;
    Microsoft::WRL::ComPtr<IUnknown> siteOfObject;
    Microsoft::WRL::ComPtr<IOleInPlaceFrame> frame;
    HWND verbParent = nullptr;
    RECT verbRect = {0, 0, 0, 0};
    RECT objectRect = {0, 0, 0, 0};
    SIZEL extent = {0, 0};
    HWND window = nullptr;  // the windowed object's own window
    HRESULT activateResult = E_FAIL;
    bool active = false;
    const TestObjectOptions options;

    bool Called(const std::string& call) const;
    // Index of the first call starting with `prefix`, or -1.
    int IndexOf(const std::string& prefix) const;

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    // IOleObject
    STDMETHOD(SetClientSite)(IOleClientSite* clientSite) override;
    STDMETHOD(GetClientSite)(IOleClientSite** clientSite) override;
    STDMETHOD(SetHostNames)(LPCOLESTR app, LPCOLESTR object) override;
    STDMETHOD(Close)(DWORD saveOption) override;
    STDMETHOD(SetMoniker)(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHOD(GetMoniker)(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHOD(InitFromData)(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetClipboardData)(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHOD(DoVerb)(LONG verb, LPMSG msg, IOleClientSite* activeSite, LONG index, HWND parent,
                      LPCRECT rect) override;
    STDMETHOD(EnumVerbs)(IEnumOLEVERB**) override { return E_NOTIMPL; }
    STDMETHOD(Update)() override { return S_OK; }
    STDMETHOD(IsUpToDate)() override { return S_OK; }
    STDMETHOD(GetUserClassID)(CLSID* clsid) override;
    STDMETHOD(GetUserType)(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHOD(SetExtent)(DWORD aspect, SIZEL* size) override;
    STDMETHOD(GetExtent)(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHOD(Advise)(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(Unadvise)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(EnumAdvise)(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHOD(GetMiscStatus)(DWORD aspect, DWORD* status) override;
    STDMETHOD(SetColorScheme)(LOGPALETTE*) override { return E_NOTIMPL; }
    // IOleWindow / IOleInPlaceObject / IOleInPlaceObjectWindowless
    STDMETHOD(GetWindow)(HWND* hwnd) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL) override { return E_NOTIMPL; }
    STDMETHOD(InPlaceDeactivate)() override;
    STDMETHOD(UIDeactivate)() override { return S_OK; }
    STDMETHOD(SetObjectRects)(LPCRECT pos, LPCRECT clip) override;
    STDMETHOD(ReactivateAndUndo)() override { return E_NOTIMPL; }
    STDMETHOD(OnWindowMessage)(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    STDMETHOD(GetDropTarget)(IDropTarget**) override { return E_NOTIMPL; }
    // IViewObject / IViewObject2 / IViewObjectEx
    STDMETHOD(Draw)(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC targetDc, HDC drawDc,
                    LPCRECTL bounds, LPCRECTL wBounds, BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR),
                    ULONG_PTR contArg) override;
    STDMETHOD(GetColorSet)(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE**) override { return E_NOTIMPL; }
    STDMETHOD(Freeze)(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(Unfreeze)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(SetAdvise)(DWORD, DWORD, IAdviseSink*) override { return E_NOTIMPL; }
    STDMETHOD(GetAdvise)(DWORD*, DWORD*, IAdviseSink**) override { return E_NOTIMPL; }
    STDMETHOD(GetExtent)(DWORD, LONG, DVTARGETDEVICE*, LPSIZEL) override { return E_NOTIMPL; }
    STDMETHOD(GetRect)(DWORD, LPRECTL) override { return E_NOTIMPL; }
    STDMETHOD(GetViewStatus)(DWORD*) override { return E_NOTIMPL; }
    // Hit in the left half of the bounds only.
    STDMETHOD(QueryHitPoint)(DWORD aspect, LPCRECT bounds, POINT pt, LONG closeHint, DWORD* hit) override;
    STDMETHOD(QueryHitRect)(DWORD, LPCRECT, LPCRECT, LONG, DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(GetNaturalExtent)(DWORD, LONG, DVTARGETDEVICE*, HDC, DVEXTENTINFO*, LPSIZEL) override {
        return E_NOTIMPL;
    }
    // IOleControl
    STDMETHOD(GetControlInfo)(CONTROLINFO*) override { return E_NOTIMPL; }
    STDMETHOD(OnMnemonic)(MSG*) override { return E_NOTIMPL; }
    STDMETHOD(OnAmbientPropertyChange)(DISPID) override { return S_OK; }
    STDMETHOD(FreezeEvents)(BOOL) override { return S_OK; }
    // IPersistStreamInit
    STDMETHOD(GetClassID)(CLSID* clsid) override { return GetUserClassID(clsid); }
    STDMETHOD(IsDirty)() override { return S_FALSE; }
    STDMETHOD(Load)(LPSTREAM) override { return E_NOTIMPL; }
    STDMETHOD(Save)(LPSTREAM, BOOL) override { return E_NOTIMPL; }
    STDMETHOD(GetSizeMax)(ULARGE_INTEGER*) override { return E_NOTIMPL; }
    STDMETHOD(InitNew)() override;
    // IObjectWithSite
    STDMETHOD(SetSite)(IUnknown* site) override;
    STDMETHOD(GetSite)(REFIID riid, void** ppv) override;

private:
    ~TestOleObject();
    HRESULT Activate();

    ULONG m_ref = 1;
};

class TestObjectFactory final : public IClassFactory {
public:
    TestObjectFactory(const TestObjectOptions& options, bool fail) : m_options(options), m_fail(fail) {}
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(CreateInstance)(IUnknown* outer, REFIID riid, void** ppv) override;
    STDMETHOD(LockServer)(BOOL) override { return S_OK; }

private:
    ~TestObjectFactory() = default;
    ULONG m_ref = 1;
    TestObjectOptions m_options;
    bool m_fail;
};

// A class served by this process for the scope, optionally under a program id.
class ScopedClassRegistration {
public:
    ScopedClassRegistration(const CLSID& clsid, const TestObjectOptions& options, bool fail = false,
                            const char* progId = nullptr);
    ~ScopedClassRegistration();
    ScopedClassRegistration(const ScopedClassRegistration&) = delete;
    ScopedClassRegistration& operator=(const ScopedClassRegistration&) = delete;
    bool ok() const { return m_cookie != 0; }

private:
    DWORD m_cookie = 0;
    std::string m_progId;
};

// OleInitialize for the scope.
class OleScope {
public:
    OleScope() : m_hr(OleInitialize(nullptr)) {}
    ~OleScope() {
        if (SUCCEEDED(m_hr)) OleUninitialize();
    }
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;

private:
    HRESULT m_hr;
};

}  // namespace testsupport
