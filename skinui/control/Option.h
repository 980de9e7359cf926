// COptionUI: a button with a selected state; options sharing a group name
// within one paint manager exclude each other.
#pragma once

#include "skinui/control/Button.h"

namespace SkinUI {

class SKINUI_API COptionUI : public CButtonUI {
public:
    COptionUI();
    ~COptionUI() override;

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    bool Activate() override;
    void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
    void SetEnabled(bool enabled = true) override;
    void SetAttribute(const char* name, const char* value) override;
    void PaintStateImages(HDC hDC) override;
    void PaintText(HDC hDC) override;
    // The first slot after those of the control base.
    virtual void SetSelected(bool selected);

    bool IsSelected() const { return m_bSelected; }
    const CSkinString& GetGroup() const { return m_sGroupName; }
    void SetGroup(const char* name);

    const CSkinString& GetSelectedImage() const { return m_sSelectedImage; }
    void SetSelectedImage(const char* descriptor);
    const CSkinString& GetSelectedHotImage() const { return m_sSelectedHotImage; }
    void SetSelectedHotImage(const char* descriptor);
    // The option's own fore image, separate from the control base's.
    const CSkinString& GetForeImage() const { return m_sOwnForeImage; }
    void SetForeImage(const char* descriptor);
    DWORD GetSelectedBkColor() const { return m_dwSelectedBkColor; }
    void SetSelectedBkColor(DWORD color) { m_dwSelectedBkColor = color; }
    DWORD GetSelectedTextColor() const { return m_dwSelectedTextColor; }
    void SetSelectedTextColor(DWORD color) { m_dwSelectedTextColor = color; }

protected:
    void PaintOwnForeImage(HDC hDC);

    bool m_bSelected = false;
    CSkinString m_sGroupName;
    DWORD m_dwSelectedBkColor = 0;
    DWORD m_dwSelectedTextColor = 0;
    CSkinString m_sSelectedImage;
    CSkinString m_sSelectedHotImage;
    CSkinString m_sOwnForeImage;
};

}  // namespace SkinUI
