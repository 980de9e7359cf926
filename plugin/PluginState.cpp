// The plug-in's process-wide state.
#include "plugin/PluginState.h"

HMODULE g_hModule = nullptr;
char g_szResult[kResultSize] = {};
char g_szSkinPath[kResultSize] = {};
char g_szZipName[MAX_PATH] = {};
std::atomic<CInstallMainWnd*> g_pWindow{nullptr};
SkinUI::ThreadHandle g_hThread;
SkinUI::EventHandle g_hEvent;
