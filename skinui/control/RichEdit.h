// CRichEditUI: the system's windowless rich-edit text services inside the
// control tree; the control forwards the window messages that concern it.
#pragma once

#include <windows.h>
#include <richedit.h>
#include <wrl/client.h>

#include "skinui/control/Container.h"

class ITextServices;

namespace SkinUI {

class CTxtWinHost;

class SKINUI_API CRichEditUI : public CContainerUI, public IMessageFilterUI {
public:
    CRichEditUI();
    ~CRichEditUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    UINT GetInputFlags() const override;
    CSkinString GetText() const override;
    void SetText(const char* text) override;
    void SetPos(RECT rc) override;
    void InitSelf() override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    void PaintText(HDC hDC) override;

    // Scrolling goes through the text services, which move the bars back.
    void SetScrollPos(SIZE pos) override;
    void ScrollLineUp() override;
    void ScrollLineDown() override;
    void ScrollPageUp() override;
    void ScrollPageDown() override;
    void ScrollToTop() override;
    void ScrollToBottom() override;
    void ScrollLineLeft() override;
    void ScrollLineRight() override;
    void ScrollPageLeft() override;
    void ScrollPageRight() override;
    void ScrollToLeft() override;
    void ScrollToRight() override;

    LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

    // Every notification of the text services passes here.
    virtual void OnTxNotify(DWORD code, void* data);

    bool IsWantTab() const { return m_bWantTab; }
    void SetWantTab(bool want = true) { m_bWantTab = want; }
    bool IsWantReturn() const { return m_bWantReturn; }
    void SetWantReturn(bool want = true) { m_bWantReturn = want; }
    bool IsWantCtrlReturn() const { return m_bWantCtrlReturn; }
    void SetWantCtrlReturn(bool want = true) { m_bWantCtrlReturn = want; }
    bool IsRich() const { return m_bRich; }
    void SetRich(bool rich = true);
    bool IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(bool readOnly = true);
    bool IsWordWrap() const;
    void SetWordWrap(bool wrap = true);
    int GetFont() const { return m_iFont; }
    void SetFont(int index);
    DWORD GetTextColor() const { return m_dwTextColor; }
    void SetTextColor(DWORD color);
    LONG GetLimitText() const { return m_iLimitText; }
    void SetLimitText(LONG limit);
    LONG GetWinStyle() const { return m_lTwhStyle; }
    void SetParaAlignment(WORD alignment);

    // Text and selection through the text services (character positions).
    long GetTextLength() const;
    void GetSel(long& start, long& end) const;
    void SetSel(long start, long end);
    void SetSelAll();
    void ReplaceSel(const char* text, bool canUndo = false);
    CSkinString GetSelText() const;
    int GetLineCount() const;
    int GetFirstVisibleLine() const;
    bool SetSelectionCharFormat(CHARFORMAT2W& format);
    bool GetSelectionCharFormat(CHARFORMAT2W& format) const;
    // EM_STREAMIN / EM_STREAMOUT with SF_TEXT or SF_RTF (and their flags).
    long StreamIn(int format, EDITSTREAM& stream);
    long StreamOut(int format, EDITSTREAM& stream);
    // The whole content as RTF, or replaced by RTF.
    CSkinString GetRtf() const;
    bool SetRtf(const char* rtf);

    // A message straight to the text services; false without them.
    bool TxSendMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) const;
    ITextServices* GetTextServices() const;
    CTxtWinHost* GetTextHost() const { return m_pTwh.Get(); }

    // The text services showed or hid a bar: lay out again unless already laying out.
    void OnScrollBarChanged();

private:
    void ScrollBy(UINT msg, int code, int pos = 0);

    Microsoft::WRL::ComPtr<CTxtWinHost> m_pTwh;
    bool m_bInSetPos = false;
    bool m_bFilterAdded = false;
    bool m_bVScrollBarFixing = false;
    bool m_bWantTab = true;
    bool m_bWantReturn = true;
    bool m_bWantCtrlReturn = true;
    bool m_bRich = true;
    bool m_bReadOnly = false;
    bool m_bWordWrap = false;
    DWORD m_dwTextColor = 0;
    int m_iFont = -1;
    LONG m_iLimitText = 32767;
    LONG m_lTwhStyle = ES_MULTILINE;
};

}  // namespace SkinUI
