// A temporary folder that is the toolkit's resource location (no zip) for
// its lifetime; the location is emptied again afterwards.
#pragma once

#include "skinui/core/PaintManager.h"
#include "tests/support/Files.h"

namespace testsupport {

class ResourceFolder : public TempFolder {
public:
    ResourceFolder() {
        SkinUI::CPaintManagerUI::SetResourcePath(Path().c_str());
        SkinUI::CPaintManagerUI::SetResourceZip("", false);
    }
    ~ResourceFolder() {
        SkinUI::CPaintManagerUI::SetResourceZip("", false);
        SkinUI::CPaintManagerUI::SetResourcePath("");
    }
};

}  // namespace testsupport
