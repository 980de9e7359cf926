// Where the built plug-in and its skin are, and where its controls sit, for
// the plug-in's tests.
#pragma once

#include <windows.h>

#include <string>

#include "skinui/control/Control.h"
#include "skinui/control/TabLayout.h"
#include "skinui/core/PaintManager.h"
#include "skinui/core/SkinBuilder.h"
#include "tests/support/TestWindow.h"

namespace plugintest {

// The build's plug-in folder (DLL, "skin" with "skin.zip"), ending in "\".
inline std::string PluginFolder() {
    std::string path = "Z:" TAVI_PLUGIN_DIR "/";
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

inline std::string SkinFolder() { return PluginFolder() + "skin\\"; }

// The skin laid out as the window shows it, with `page` of "switch" selected:
// the centre of the control `name` in client coordinates ({-1,-1} if none).
inline POINT ControlCentre(const char* name, int page) {
    POINT centre = {-1, -1};
    SkinUI::CPaintManagerUI::SetResourcePath(SkinFolder().c_str());
    SkinUI::CPaintManagerUI::SetResourceZip("", false);
    testsupport::TestWindow window(480, 320, false);
    SkinUI::CSkinBuilder builder;
    SkinUI::CControlUI* root = builder.Build("UninstallMainWnd.xml", nullptr, nullptr, &window.Manager());
    if (!root || !window.Manager().AttachRoot(root)) return centre;
    if (auto* tabs = static_cast<SkinUI::CTabLayoutUI*>(window.Manager().FindControl("switch"))) tabs->SelectItem(page);
    RECT client;
    GetClientRect(window.Handle(), &client);
    root->SetPos(client);
    if (SkinUI::CControlUI* control = window.Manager().FindControl(name)) {
        const RECT& rc = control->GetPos();
        centre = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    return centre;
}

}  // namespace plugintest
