// CComboBoxUI: a combo with a five-state arrow image at its right edge.
#pragma once

#include "skinui/control/Combo.h"

namespace SkinUI {

class SKINUI_API CComboBoxUI : public CComboUI {
public:
    CComboBoxUI();

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    void SetAttribute(const char* name, const char* value) override;
    void PaintStateImages(HDC hDC) override;
    void PaintText(HDC hDC) override;

    void SetArrowImage(const char* descriptor);
    const CSkinString& GetArrowImage() const { return m_sArrowImage; }
    // The width of one arrow cell as last painted (0 without an arrow).
    int GetArrowWidth() const { return m_nArrowWidth; }

private:
    CSkinString m_sArrowImage;
    int m_nArrowWidth = 0;
};

}  // namespace SkinUI
