// The plug-in's diagnostic log: the marker is looked at on every call, so
// creating or deleting it takes effect at once.
#include "plugin/PluginLog.h"

#include <cstdarg>

#include "skinui/core/UniqueHandle.h"

namespace {

constexpr const char* kMarker = "C:\\vlqsmlog\\QSM_EnableDebug";
constexpr const char* kLogPath = "C:\\vlqsmlog\\VLSetupSkinDll.log";

}  // namespace

int FormatPluginLogPrefix(const SYSTEMTIME& time, char* out, size_t size) {
    return snprintf(out, size, "[DEBUG %2.u:%2.u:%2.u %u] ", static_cast<unsigned>(time.wHour),
                    static_cast<unsigned>(time.wMinute), static_cast<unsigned>(time.wSecond),
                    static_cast<unsigned>(time.wMilliseconds));
}

void PluginLog(const char* format, ...) {
    if (!SkinUI::CrtFile(fopen(kMarker, "r"))) return;
    SkinUI::CrtFile file(fopen(kLogPath, "a+"));
    if (!file) return;

    SYSTEMTIME now = {};
    GetLocalTime(&now);
    char prefix[64] = {};
    FormatPluginLogPrefix(now, prefix, sizeof(prefix));
    fputs(prefix, file.get());

    va_list args;
    va_start(args, format);
    vfprintf(file.get(), format, args);
    va_end(args);
    fflush(file.get());
}
