// Solid-colour PNG files in a temporary folder that is the resource path for
// the scope, so descriptors can name them ("red.png", ...).
#pragma once

#include <cstdint>
#include <string>

#include "skinui/core/PaintManager.h"
#include "tests/support/Files.h"
#include "tests/support/ImageFiles.h"

namespace testsupport {

class SolidImageFolder {
public:
    SolidImageFolder() {
        Write("red.png", 0xFFFF0000);
        Write("green.png", 0xFF00FF00);
        Write("blue.png", 0xFF0000FF);
        Write("yellow.png", 0xFFFFFF00);
        Write("grey.png", 0xFF808080);
        Write("cyan.png", 0xFF00FFFF);
        Write("magenta.png", 0xFFFF00FF);
        SkinUI::CPaintManagerUI::SetResourcePath(m_folder.Path().c_str());
    }
    ~SolidImageFolder() { SkinUI::CPaintManagerUI::SetResourcePath(""); }
    SolidImageFolder(const SolidImageFolder&) = delete;
    SolidImageFolder& operator=(const SolidImageFolder&) = delete;

private:
    void Write(const char* name, uint32_t argb) { WriteWholeFile(m_folder.File(name), SolidImage(16, 16, argb, "png")); }

    TempFolder m_folder;
};

}  // namespace testsupport
