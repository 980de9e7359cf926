// CVerticalLayoutUI: children stacked top to bottom, fixed sizes first and the
// rest shared; an optional drag separator resizes the layout.
#pragma once

#include "skinui/control/Container.h"
#include "skinui/control/LayoutSeparator.h"

namespace SkinUI {

class SKINUI_API CVerticalLayoutUI : public CContainerUI {
public:
    CVerticalLayoutUI();

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    UINT GetInputFlags() const override;
    void SetPos(RECT rc) override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    void PaintOverlay(HDC hDC, const RECT& rcDirty) override;

    void SetSepHeight(int size) { m_separator.nSize = size; }
    int GetSepHeight() const { return m_separator.nSize; }
    void SetSepImmMode(bool immediate);
    bool IsSepImmMode() const { return m_separator.bImmMode; }
    RECT GetSeparatorRect(bool useNewPos) const;

protected:
    detail::TLayoutSeparator m_separator;
};

}  // namespace SkinUI
