// The user-agent token, through urlmon's session options.
#include "mainwindow/UserAgentTag.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr DWORD kUserAgentOption = 0x10000001;         // URLMON_OPTION_USERAGENT
constexpr DWORD kUserAgentRefreshOption = 0x10000002;  // URLMON_OPTION_USERAGENT_REFRESH
constexpr DWORD kAgentBufferSize = 256;

using GetSessionOption = HRESULT(WINAPI*)(DWORD, LPVOID, DWORD, DWORD*, DWORD);
using SetSessionOption = HRESULT(WINAPI*)(DWORD, LPVOID, DWORD, DWORD);

}  // namespace

bool TaggedUserAgent(const char* agent, char* out, size_t size) {
    if (!agent || !out || size == 0) return false;
    if (strstr(agent, "RuDazuruv")) return false;
    const char* close = strrchr(agent, ')');
    const size_t keep = close ? static_cast<size_t>(close - agent) : strlen(agent);
    const int written = snprintf(out, size, "%.*s;VelorDEZ)", static_cast<int>(keep), agent);
    if (written < 0 || static_cast<size_t>(written) >= size) {
        out[0] = '\0';
        return false;
    }
    return true;
}

void TagUserAgent() {
    // Kept loaded for the rest of the process: the option lives in it.
    HMODULE urlmon = LoadLibraryA("urlmon.dll");
    if (!urlmon) return;
    auto getOption = reinterpret_cast<GetSessionOption>(
        reinterpret_cast<void*>(GetProcAddress(urlmon, "UrlMkGetSessionOption")));
    auto setOption = reinterpret_cast<SetSessionOption>(
        reinterpret_cast<void*>(GetProcAddress(urlmon, "UrlMkSetSessionOption")));
    if (!getOption || !setOption) return;

    setOption(kUserAgentRefreshOption, nullptr, 0, 0);
    char agent[kAgentBufferSize] = {};
    DWORD length = 0;
    getOption(kUserAgentOption, agent, kAgentBufferSize, &length, 0);
    if (length >= kAgentBufferSize) return;
    agent[kAgentBufferSize - 1] = '\0';
    OutputDebugStringA(agent);

    char tagged[kAgentBufferSize + 16] = {};
    if (!TaggedUserAgent(agent, tagged, sizeof(tagged))) return;
    setOption(kUserAgentOption, tagged, static_cast<DWORD>(strlen(tagged) + 1), 0);
}
