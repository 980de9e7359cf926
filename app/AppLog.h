// The store client's diagnostic log, "C:\TaviAppStore.log", on when
// "C:\EnableDebug" exists at the first call of the process.
#pragma once

#include <stdio.h>

// printf-style; adds no prefix or line break of its own. Never fails.
void AppLog(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));
