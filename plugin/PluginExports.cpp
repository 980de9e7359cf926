// The plug-in's exports for NSIS scripts, its DllMain and its UI thread.
#include <windows.h>

#include <cstring>
#include <new>

#include "plugin/InstallMainWnd.h"
#include "plugin/PluginLog.h"
#include "plugin/PluginState.h"
#include "skinui/core/PaintManager.h"

// Undecorated names come from the module definition file.
extern "C" {
const char* WINAPI InitVLSkinEngine(const char* commandLine, const char* installFolder, int* result);
int WINAPI VLSendMessage(const char* name, int value);
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
}

namespace {

constexpr DWORD kWindowStyle = 0x96C80000;  // popup, visible, clip, border, dialog frame, system menu
constexpr DWORD kWindowExStyle = WS_EX_WINDOWEDGE;

void GetPluginDir(char* out, size_t size) {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(g_hModule, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    if (char* slash = strrchr(path, '\\')) slash[1] = '\0';
    lstrcpynA(out, path, static_cast<int>(size));
}

DWORD WINAPI UiThreadProc(LPVOID) {
    SkinUI::CPaintManagerUI::SetInstance(g_hModule);
    SkinUI::CPaintManagerUI::SetResourcePath(g_szSkinPath);
    SkinUI::CPaintManagerUI::SetResourceZip(g_szZipName, false);
    PluginLog("InitVLSkinEngine install Path[%s][%s]\n", g_szSkinPath, g_szZipName);

    auto* window = new (std::nothrow) CInstallMainWnd();
    if (!window) {
        PluginLog("InitVLSkinEngine failed create skinengine\n");
        return 0;
    }
    g_pWindow = window;
    const HWND hwnd = window->Create(nullptr, "VLInstallMainWindow", kWindowStyle, kWindowExStyle, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr);
    PluginLog("InitVLSkinEngine create window handle[%x][%d]\n",
              static_cast<unsigned>(reinterpret_cast<UINT_PTR>(hwnd)), static_cast<int>(GetLastError()));
    if (!hwnd) return 0;
    window->CenterWindow();
    window->ShowWindow(true, true);
    SkinUI::CPaintManagerUI::MessageLoop();
    // The loop may end by a quit posted from elsewhere: take the window down
    // here so nothing is left that could still be sent to.
    if (const HWND left = window->GetHWND()) DestroyWindow(left);
    return 0;
}

bool IsSilent(const char* commandLine) {
    return commandLine && *commandLine && strstr(commandLine, "/S") != nullptr;
}

// Until the window releases the script, or the thread ends without doing so
// (no window could be made).
void WaitForUser() {
    const HANDLE waits[] = {g_hEvent.get(), g_hThread.get()};
    const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    if (woke != WAIT_OBJECT_0 && WaitForSingleObject(g_hEvent.get(), 0) != WAIT_OBJECT_0)
        lstrcpynA(g_szResult, kCloseResult, kResultSize);
}

const char* StartWindowAndWait(int* result) {
    g_szSkinPath[0] = '\0';
    GetPluginDir(g_szSkinPath, kResultSize);
    const size_t used = strlen(g_szSkinPath);
    lstrcpynA(g_szSkinPath + used, "\\skin", static_cast<int>(kResultSize - used));
    lstrcpynA(g_szZipName, "skin.zip", MAX_PATH);

    // NSIS's System plug-in frees a library after each call; the UI thread
    // runs on in this module, so it stays loaded for the rest of the process.
    HMODULE pinned = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<const char*>(&UiThreadProc), &pinned);

    g_hEvent.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    g_hThread.reset(g_hEvent ? CreateThread(nullptr, 0, UiThreadProc, nullptr, 0, nullptr) : nullptr);
    if (!g_hThread) {
        lstrcpynA(g_szResult, kCloseResult, kResultSize);
    } else {
        WaitForUser();
        // After "close" the UI thread ends by itself.
        if (strcmp(g_szResult, kCloseResult) == 0) g_hThread.reset();
    }
    if (result) *result = 0;
    return g_szResult;
}

}  // namespace

extern "C" const char* WINAPI InitVLSkinEngine(const char* commandLine, const char* installFolder, int* result) {
    try {
        if (installFolder && *installFolder) lstrcpynA(g_szResult, installFolder, kResultSize);
        else lstrcpynA(g_szResult, kDefaultInstallFolder, kResultSize);
        if (IsSilent(commandLine)) return g_szResult;
        return StartWindowAndWait(result);
    } catch (...) {
        lstrcpynA(g_szResult, kCloseResult, kResultSize);
        return g_szResult;
    }
}

extern "C" int WINAPI VLSendMessage(const char* name, int value) {
    CInstallMainWnd* window = g_pWindow;
    if (!window || !name) return 0;
    PluginLog("VLSendMessage begin [%s]\n", name);
    if (strcmp(name, "INSTALLPROGRESS") == 0) {
        SendMessageA(window->GetHWND(), WM_INSTALLPROGRESS, static_cast<WPARAM>(value), 0);
    } else if (strcmp(name, "INSTALLFINISH") == 0) {
        SendMessageA(window->GetHWND(), WM_INSTALLFINISH, 0, 0);
        if (g_hThread) {
            WaitForSingleObject(g_hThread.get(), INFINITE);
            g_hThread.reset();
        }
    }
    return 0;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
    PluginLog("DllMain begin\n");
    g_hModule = instance;
    return TRUE;
}
