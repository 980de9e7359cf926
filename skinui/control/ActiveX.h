// CActiveXUI: an OLE control hosted in the control tree: created from a class
// id, a program id or a named DLL, activated in place through its own site,
// painted and fed input when windowless, given a child window when windowed.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <wrl/client.h>

#include "skinui/control/Control.h"

namespace SkinUI {

class CActiveXCtrl;

class SKINUI_API CActiveXUI : public CControlUI, public IMessageFilterUI {
    friend class CActiveXCtrl;
    friend class CActiveXWnd;

public:
    CActiveXUI();
    ~CActiveXUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    void SetPos(RECT rc) override;
    void SetVisible(bool visible = true) override;
    void SetVisibleByParent(bool visible) override;
    void SetAttribute(const char* name, const char* value) override;
    void Paint(HDC hDC, const RECT& rcDirty) override;
    virtual void ReleaseHostedObject();  // 77
    virtual bool DoCreateControl();      // 78

    LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

    // A class id in braces or a program id, in the ANSI code page.
    bool SetClsid(const char* text);
    bool SetClsid(const CLSID& clsid);
    CLSID GetClsid() const { return m_clsid; }
    void SetModuleName(const char* name);
    const CSkinString& GetModuleName() const { return m_sModuleName; }
    void SetDelayCreate(bool delay);
    bool IsDelayCreate() const { return m_bDelayCreate; }
    bool IsCreated() const { return m_bCreated; }
    HWND GetHostWindow() const { return m_hwndHost; }

    HRESULT GetControl(const IID& iid, void** ppv);

protected:
    bool IsWindowedObject() const;

    CLSID m_clsid;
    CSkinString m_sModuleName;
    bool m_bCreated = false;
    bool m_bDelayCreate = true;
    Microsoft::WRL::ComPtr<IOleObject> m_pUnk;
    Microsoft::WRL::ComPtr<CActiveXCtrl> m_pControl;
    HWND m_hwndHost = nullptr;
};

}  // namespace SkinUI
