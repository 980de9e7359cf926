// CTextUI: multi-line text whose markup links report clicks.
#pragma once

#include "skinui/control/Label.h"

namespace SkinUI {

class SKINUI_API CTextUI : public CLabelUI {
public:
    CTextUI();
    ~CTextUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    UINT GetInputFlags() const override;
    void HandleEvent(TControlEvent& event) override;
    SIZE MeasureSize(SIZE available) override;
    void PaintText(HDC hDC) override;

    int GetLinkCount() const { return m_nLinks; }
    RECT GetLinkRect(int index) const { return m_rcLinks[index]; }
    const CSkinString& GetLinkText(int index) const { return m_sLinks[index]; }
    int GetHoveredLink() const { return m_nHoverLink; }

protected:
    static constexpr int kMaxLinks = 8;
    // The first link rectangle holding the point, or -1.
    int LinkAt(POINT pt) const;

    int m_nLinks = 0;
    RECT m_rcLinks[kMaxLinks] = {};
    CSkinString m_sLinks[kMaxLinks];
    int m_nHoverLink = -1;
};

}  // namespace SkinUI
