// CHorizontalLayoutUI: children side by side, left to right, fixed sizes first and the
// rest shared; an optional drag separator resizes the layout.
#pragma once

#include "skinui/control/Container.h"
#include "skinui/control/LayoutSeparator.h"

namespace SkinUI {

class SKINUI_API CHorizontalLayoutUI : public CContainerUI {
public:
    CHorizontalLayoutUI();

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    UINT GetInputFlags() const override;
    void SetPos(RECT rc) override;
    void HandleEvent(TControlEvent& event) override;
    void SetAttribute(const char* name, const char* value) override;
    void PaintOverlay(HDC hDC, const RECT& rcDirty) override;

    void SetSepWidth(int size) { m_separator.nSize = size; }
    int GetSepWidth() const { return m_separator.nSize; }
    void SetSepImmMode(bool immediate);
    bool IsSepImmMode() const { return m_separator.bImmMode; }
    RECT GetSeparatorRect(bool useNewPos) const;

protected:
    detail::TLayoutSeparator m_separator;
};

}  // namespace SkinUI
