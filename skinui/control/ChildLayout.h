// CChildLayoutUI: a container whose content is built from its own skin file
// when it is attached to a window.
#pragma once

#include "skinui/control/Container.h"
#include "skinui/core/SkinString.h"

namespace SkinUI {

class SKINUI_API CChildLayoutUI : public CContainerUI {
public:
    CChildLayoutUI();

    const char* GetTypeName() const override;
    void* AsInterface(const char* name) override;
    void InitSelf() override;
    void SetAttribute(const char* name, const char* value) override;

    void SetXmlFile(const char* file) { m_sXmlFile = file; }
    const CSkinString& GetXmlFile() const { return m_sXmlFile; }

protected:
    CSkinString m_sXmlFile;
};

}  // namespace SkinUI
