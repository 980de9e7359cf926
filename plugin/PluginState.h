// The plug-in's process-wide state, shared by the installer's thread (the
// exports) and the UI thread (the uninstall window).
#pragma once

#include <windows.h>

#include <atomic>

#include "skinui/core/UniqueHandle.h"

class CInstallMainWnd;

// Private messages from VLSendMessage to the window.
constexpr UINT WM_INSTALLPROGRESS = 2025;
constexpr UINT WM_INSTALLFINISH = 2026;

constexpr const char* kDefaultInstallFolder = "C:\\velor\\VELOR Crewlet";
constexpr const char* kCloseResult = "close";
constexpr size_t kResultSize = 264;

extern HMODULE g_hModule;
// The install folder on entry; "close" once the user gave up.
extern char g_szResult[kResultSize];
extern char g_szSkinPath[kResultSize];
extern char g_szZipName[MAX_PATH];
// Set by the UI thread once its window exists; never cleared.
extern std::atomic<CInstallMainWnd*> g_pWindow;
extern SkinUI::ThreadHandle g_hThread;
// Manual reset: set when the script may go on.
extern SkinUI::EventHandle g_hEvent;
