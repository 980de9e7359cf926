// CProgressUI: a label with a fore image cut or stretched to the fraction of
// a value between a minimum and a maximum.
#pragma once

#include "skinui/control/Label.h"

namespace SkinUI {

class SKINUI_API CProgressUI : public CLabelUI {
public:
    CProgressUI();
    ~CProgressUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    void SetAttribute(const char* name, const char* value) override;
    void PaintStateImages(HDC hDC) override;

    bool IsHorizontal() const { return m_bHorizontal; }
    void SetHorizontal(bool horizontal = true);
    bool IsStretchForeImage() const { return m_bStretchForeImage; }
    void SetStretchForeImage(bool stretch = true);
    int GetMinValue() const { return m_nMin; }
    void SetMinValue(int value);
    int GetMaxValue() const { return m_nMax; }
    void SetMaxValue(int value);
    int GetValue() const { return m_nValue; }
    void SetValue(int value);
    const CSkinString& GetForeImage() const { return m_sProgressForeImage; }
    void SetForeImage(const char* descriptor);

protected:
    bool m_bHorizontal = true;
    bool m_bStretchForeImage = true;
    int m_nMax = 100;
    int m_nMin = 0;
    int m_nValue = 0;
    CSkinString m_sProgressForeImage;
    CSkinString m_sForeImageModify;
};

}  // namespace SkinUI
