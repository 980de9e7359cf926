// The application object's life: construction, InitInstance, exit.
#include "app/WinApp.h"

#include <ole2.h>

namespace {

CWinApp* g_app = nullptr;
bool g_oleInitialized = false;

}  // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() {
    if (g_oleInitialized) {
        g_oleInitialized = false;
        OleUninitialize();
    }
    return 0;
}

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetInstanceHandle() { return g_app ? g_app->m_hInstance : GetModuleHandleA(nullptr); }

void AfxEnableControlContainer() {
    // The browser control needs OLE on the window's thread before it exists.
    if (!g_oleInitialized && SUCCEEDED(OleInitialize(nullptr))) g_oleInitialized = true;
}

int AfxWinMain(HINSTANCE instance) {
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    app->m_hInstance = instance;
    app->InitInstance();
    return app->ExitInstance();
}
