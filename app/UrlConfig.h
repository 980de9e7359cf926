// Where the program's configuration file is: "UrlConfig.ini" beside the
// program, or the name given by the registry value "GUILanguageCfgFile".
#pragma once

// Computes the configuration path on the first call of the process and copies
// it into the buffer ConfigFilePath() returns. Always true.
bool InitConfigFilePath();

// The configuration path (computed on first use).
const char* ConfigFilePath();

// The optional file name from HKEY_LOCAL_MACHINE, into a 200-byte buffer.
bool ReadConfigFileNameFromRegistry(char* name);

// The part of `path` before its last backslash, into a 255-byte buffer.
void GetParentDir(char* dir, const char* path);
