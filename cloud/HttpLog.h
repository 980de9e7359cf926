// The transport's own log, "RobustHTTPClient.log", on when a marker file exists.
#pragma once

#include <stdio.h>

// 1 when any of the marker files existed at the first call of the process, else 0.
int IsHttpLogEnabled();

// Appends one line stamped with the local time; does nothing while the log is off.
void WriteHttpLog(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));
