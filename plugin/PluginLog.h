// The plug-in's diagnostic log, "C:\vlqsmlog\VLSetupSkinDll.log", written
// only while the marker "C:\vlqsmlog\QSM_EnableDebug" exists.
#pragma once

#include <windows.h>

#include <cstddef>
#include <stdio.h>

// printf-style; the message carries its own line break. Never fails.
void PluginLog(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));

// "[DEBUG hh:mm:ss ms] " for `time`; values below 10 are padded with a blank
// and 0 prints as two blanks. Returns the length written.
int FormatPluginLogPrefix(const SYSTEMTIME& time, char* out, size_t size);
