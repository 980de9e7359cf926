// The least process frame the store client needs: one application object,
// the entry point that runs its InitInstance, and control containment.
#pragma once

#include <windows.h>

class CWinApp {
public:
    // The one application object; constructed before the entry point runs.
    explicit CWinApp(const char* appName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // True would run the frame's own message loop; this frame has none, so
    // a true result only ends the program like false does.
    virtual BOOL InitInstance();
    // The exit value: the frame's loop never ran, so its last message is
    // empty and the value is 0.
    virtual int ExitInstance();

    HINSTANCE m_hInstance = nullptr;
    const char* m_pszAppName = nullptr;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();

// Prepares this thread to host ActiveX controls: OLE is initialised here and
// ended when the application exits.
void AfxEnableControlContainer();

// Runs the application object; what the entry point returns.
int AfxWinMain(HINSTANCE instance);
