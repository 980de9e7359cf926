// Transport log: marker test once per process, one open/append/close per line.
#include "cloud/HttpLog.h"

#include <windows.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "skinui/core/UniqueHandle.h"

namespace {

constexpr const char* kMarkers[] = {
    "C:\\vlqsmlog\\QSM_EnableDebug",
    "C:\\vlqsmlog\\DOZE_EnableDebug",
    "C:\\DOZE_EnableDebug",
};
constexpr const char* kLogPath = "c:\\vlqsmlog\\RobustHTTPClient.log";
constexpr const char* kFallbackLogPath = "RobustHTTPClient.log";

// -1 until decided, then 0 or 1 for the rest of the process.
std::atomic<int> g_httpLogSwitch{-1};

using File = SkinUI::CrtFile;

bool CanOpenForReading(const char* path) {
    return static_cast<bool>(File(fopen(path, "r")));
}

}  // namespace

int IsHttpLogEnabled() {
    int state = g_httpLogSwitch.load();
    if (state < 0) {
        state = 0;
        for (const char* marker : kMarkers) {
            if (CanOpenForReading(marker)) state = 1;  // every marker is tried
        }
        g_httpLogSwitch.store(state);
    }
    return state;
}

void WriteHttpLog(const char* format, ...) {
    if (!IsHttpLogEnabled()) return;

    char message[2048] = {};
    va_list args;
    va_start(args, format);
    vsnprintf(message, sizeof(message), format, args);
    va_end(args);
    message[sizeof(message) - 1] = '\0';

    File file(fopen(kLogPath, "a+"));
    if (!file) file.reset(fopen(kFallbackLogPath, "a+"));
    if (!file) return;

    SYSTEMTIME now;
    GetLocalTime(&now);
    fprintf(file.get(), "%.2u:%.2u:%.2u %u: ", unsigned{now.wHour}, unsigned{now.wMinute},
            unsigned{now.wSecond}, unsigned{now.wMilliseconds});
    fputs(message, file.get());
    fflush(file.get());
}
