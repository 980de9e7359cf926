// CTxtWinHost: the host that the system's windowless rich-edit text services
// ask about the control they live in (window, DC, caret, scroll bars,
// formats, timers); it loads "msftedit.dll" and owns the text services.
#pragma once

#include <windows.h>
#include <richedit.h>
#include <textserv.h>
#include <wrl/client.h>

#include "skinui/core/UniqueHandle.h"

namespace SkinUI {

class CRichEditUI;

// Defined here: MinGW's libuuid does not carry a usable one.
extern const IID kIidTextServices;
extern const IID kIidTextHost;

class CTxtWinHost : public ITextHost {
public:
    CTxtWinHost() = default;
    CTxtWinHost(const CTxtWinHost&) = delete;
    CTxtWinHost& operator=(const CTxtWinHost&) = delete;

    // Binds to the control and creates the text services; `create` may carry
    // the style bits and an initial text. False when the services cannot be made.
    bool Init(CRichEditUI* owner, const CREATESTRUCTA* create);
    // Releases the text services and the library; the control is gone after this.
    void Shutdown();

    ITextServices* GetTextServices() const { return m_services.Get(); }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // ITextHost
    HDC TxGetDC() override;
    INT TxReleaseDC(HDC hdc) override;
    WINBOOL TxShowScrollBar(INT fnBar, WINBOOL fShow) override;
    WINBOOL TxEnableScrollBar(INT fuSBFlags, INT fuArrowflags) override;
    WINBOOL TxSetScrollRange(INT fnBar, LONG nMinPos, INT nMaxPos, WINBOOL fRedraw) override;
    WINBOOL TxSetScrollPos(INT fnBar, INT nPos, WINBOOL fRedraw) override;
    void TxInvalidateRect(LPCRECT prc, WINBOOL fMode) override;
    void TxViewChange(WINBOOL fUpdate) override;
    WINBOOL TxCreateCaret(HBITMAP hbmp, INT xWidth, INT yHeight) override;
    WINBOOL TxShowCaret(WINBOOL fShow) override;
    WINBOOL TxSetCaretPos(INT x, INT y) override;
    WINBOOL TxSetTimer(UINT idTimer, UINT uTimeout) override;
    void TxKillTimer(UINT idTimer) override;
    void TxScrollWindowEx(INT dx, INT dy, LPCRECT lprcScroll, LPCRECT lprcClip, HRGN hrgnUpdate, LPRECT lprcUpdate,
                          UINT fuScroll) override;
    void TxSetCapture(WINBOOL fCapture) override;
    void TxSetFocus() override;
    void TxSetCursor(HCURSOR hcur, WINBOOL fText) override;
    WINBOOL TxScreenToClient(LPPOINT lppt) override;
    WINBOOL TxClientToScreen(LPPOINT lppt) override;
    HRESULT TxActivate(LONG* plOldState) override;
    HRESULT TxDeactivate(LONG lNewState) override;
    HRESULT TxGetClientRect(LPRECT prc) override;
    HRESULT TxGetViewInset(LPRECT prc) override;
    HRESULT TxGetCharFormat(const CHARFORMATW** ppCF) override;
    HRESULT TxGetParaFormat(const PARAFORMAT** ppPF) override;
    COLORREF TxGetSysColor(int nIndex) override;
    HRESULT TxGetBackStyle(TXTBACKSTYLE* pstyle) override;
    HRESULT TxGetMaxLength(DWORD* plength) override;
    HRESULT TxGetScrollBars(DWORD* pdwScrollBar) override;
    HRESULT TxGetPasswordChar(TCHAR* pch) override;
    HRESULT TxGetAcceleratorPos(LONG* pcp) override;
    HRESULT TxGetExtent(LPSIZEL lpExtent) override;
    HRESULT OnTxCharFormatChange(const CHARFORMATW* pcf) override;
    HRESULT OnTxParaFormatChange(const PARAFORMAT* ppf) override;
    HRESULT TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits) override;
    HRESULT TxNotify(DWORD iNotify, void* pv) override;
    HIMC TxImmGetContext() override;
    void TxImmReleaseContext(HIMC himc) override;
    HRESULT TxGetSelectionBarWidth(LONG* lSelBarWidth) override;

    // Setters used by the control.
    void SetFont(HFONT font);
    void SetColor(DWORD argb);
    void SetRichTextFlag(bool rich);
    bool IsRichText() const { return m_fRich; }
    void SetClientRect(const RECT& rc);
    const RECT& GetClientRect() const { return m_rcClient; }
    void SetTransparent(bool transparent);
    void SetReadOnly(bool readOnly);
    void SetWordWrap(bool wrap);
    void SetMaxLength(LONG length);
    void SetParaAlignment(WORD alignment);
    bool IsCaptured() const { return m_fCaptured; }
    bool IsTimerRunning() const { return m_fTimer; }
    // Cursor for a point in `rc` (or the client rectangle); false outside.
    bool DoSetCursor(const RECT* rc, const POINT* pt);
    bool ActivateInPlace(const RECT* rc);
    void DeactivateInPlace();

private:
    virtual ~CTxtWinHost() = default;
    HWND PaintWindow() const;
    void UpdateExtent();

    LONG m_refs = 1;
    CRichEditUI* m_pOwner = nullptr;
    // The library outlives the services made from it (members end in reverse order).
    ModuleHandle m_library;
    Microsoft::WRL::ComPtr<ITextServices> m_services;
    CHARFORMAT2W m_cf = {};
    PARAFORMAT2 m_pf = {};
    DWORD m_dwStyle = 0;
    LONG m_lMaxLength = 32767;
    WCHAR m_chPasswordChar = L'*';
    LONG m_laccelpos = -1;
    LONG m_lSelBarWidth = 0;
    RECT m_rcClient = {0, 0, 0, 0};
    SIZEL m_sizelExtent = {0, 0};
    bool m_fRich = true;
    bool m_fWordWrap = false;
    bool m_fTransparent = false;
    bool m_fTimer = false;
    bool m_fCaptured = false;
    bool m_fInplaceActive = false;
    bool m_fAllowBeep = false;
    bool m_fSaveSelection = true;
    bool m_fEnableAutoWordSel = false;
};

}  // namespace SkinUI
