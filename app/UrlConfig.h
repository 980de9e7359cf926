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

// The page used when the file gives no address for a key. It names no server,
// so a missing file never sends the program anywhere.
constexpr const char* kDefaultPageUrl = "about:blank";

// Section "URL", `key`, into a 1,024-byte buffer; the default page when the
// file, key or value is missing. False only when the file does not exist.
bool GetConfigUrl(char* url, const char* key);
