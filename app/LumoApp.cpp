// Start-up of the store client, in the order the window needs it.
#include "app/LumoApp.h"

#include <commctrl.h>

#include <cstring>
#include <new>

#include "mainwindow/LumoMainFrame.h"
#include "skinui/core/PaintManager.h"

namespace {

char g_skinFolder[260];
char g_skinArchive[9] = "skin.zip";

constexpr const char* kWindowTitle = "Tavi应用商店";
constexpr DWORD kWindowStyle = 0x96C80000;
constexpr DWORD kWindowExStyle = 0x100;

}  // namespace

const char* SkinFolderPath() { return g_skinFolder; }
const char* SkinArchiveName() { return g_skinArchive; }

void LoadProgramDir(CLumoApp* app) {
    char path[260] = {};
    const DWORD length = GetModuleFileNameA(app ? app->m_hInstance : nullptr, path, sizeof(path));
    if (length == 0 || length >= sizeof(path)) {
        g_skinFolder[0] = '\0';
        return;
    }
    // Cut after the last backslash, stepping by characters (GBK trail bytes).
    char* cut = nullptr;
    for (char* p = path; *p; p = CharNextA(p)) {
        if (*p == '\\') cut = p + 1;
    }
    if (cut) *cut = '\0';
    lstrcpynA(g_skinFolder, path, sizeof(g_skinFolder));
}

BOOL CLumoApp::InitInstance() {
    INITCOMMONCONTROLSEX controls = {8, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    CWinApp::InitInstance();
    AfxEnableControlContainer();

    LoadProgramDir(this);
    const size_t used = strlen(g_skinFolder);
    lstrcpynA(g_skinFolder + used, "\\skins", static_cast<int>(sizeof(g_skinFolder) - used));

    SkinUI::CPaintManagerUI::SetInstance(m_hInstance);
    SkinUI::CPaintManagerUI::SetResourcePath(g_skinFolder);
    SkinUI::CPaintManagerUI::SetResourceZip(g_skinArchive, false);

    auto* frame = new (std::nothrow) CLumoMainFrame;
    if (!frame) return FALSE;
    if (!frame->Create(nullptr, kWindowTitle, kWindowStyle, kWindowExStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, nullptr)) {
        // No window, nothing would ever end the loop: end the program now.
        // The object is not deleted here: a window destroyed during creation
        // has already deleted it.
        return FALSE;
    }
    frame->CenterWindow();
    frame->ShowWindow(true, true);
    SkinUI::CPaintManagerUI::MessageLoop();
    return FALSE;
}
