// Application log: decided once per run, banner first, one append per message.
#include "app/AppLog.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <cstring>

#include "skinui/core/UniqueHandle.h"

namespace {

constexpr const char* kMarker = "C:\\EnableDebug";
constexpr const char* kBannerPath = "C:\\TaviAppStore.log";
constexpr const char* kLogPath = "c:\\TaviAppStore.log";

enum class LogState { Undecided, Enabled, Disabled };
LogState g_appLogState = LogState::Undecided;

using File = SkinUI::CrtFile;

void WriteBanner() {
    _tzset();
    const time_t now = time(nullptr);
    const tm* local = localtime(&now);
    if (!local) return;
    char date[16] = {};
    char clock[16] = {};
    snprintf(date, sizeof(date), "%02d/%02d/%02d", local->tm_mon + 1, local->tm_mday,
             local->tm_year % 100);
    snprintf(clock, sizeof(clock), "%02d:%02d:%02d", local->tm_hour, local->tm_min,
             local->tm_sec);

    File file(fopen(kBannerPath, "a+"));
    if (!file) return;
    fprintf(file.get(),
            "\n\n\n*******************New log start time: %s %s  ********************\n\n\n",
            date, clock);
    fflush(file.get());
}

}  // namespace

void AppLog(const char* format, ...) {
    if (g_appLogState == LogState::Undecided) {
        const bool marker = static_cast<bool>(File(fopen(kMarker, "r")));
        g_appLogState = marker ? LogState::Enabled : LogState::Disabled;
        if (marker) WriteBanner();
    }
    if (g_appLogState != LogState::Enabled) return;

    char message[1024] = {};
    va_list args;
    va_start(args, format);
    vsnprintf(message, sizeof(message), format, args);
    va_end(args);
    message[sizeof(message) - 1] = '\0';

    File file(fopen(kLogPath, "a+"));
    if (!file) return;
    fwrite(message, 1, strlen(message), file.get());
    fflush(file.get());
}
