// Configuration file location: program directory plus file name.
#include "app/UrlConfig.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "skinui/core/UniqueHandle.h"

namespace {

constexpr size_t kPathSize = 1024;
constexpr size_t kRegistryNameSize = 200;
constexpr size_t kParentDirSize = 255;
// The value is looked up on the root of HKEY_LOCAL_MACHINE itself.
constexpr const char* kConfigRegistryKey = "";
constexpr const char* kConfigRegistryValue = "GUILanguageCfgFile";

bool g_configPathComputed = false;
char g_configPath[kPathSize];
char g_configPathForReading[kPathSize];

}  // namespace

void GetParentDir(char* dir, const char* path) {
    if (!dir || !path) return;
    dir[0] = '\0';
    // Step by characters: a double-byte character may end in a 0x5C byte.
    const char* lastSlash = nullptr;
    for (const char* p = path; *p; p = CharNextA(p)) {
        if (*p == '\\') lastSlash = p;
    }
    if (!lastSlash) return;
    size_t length = static_cast<size_t>(lastSlash - path);
    if (length > kParentDirSize - 1) length = kParentDirSize - 1;
    memcpy(dir, path, length);
    dir[length] = '\0';
}

bool ReadConfigFileNameFromRegistry(char* name) {
    if (!name) return false;
    memset(name, 0, kRegistryNameSize);

    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kConfigRegistryKey, 0, KEY_READ, &raw) != ERROR_SUCCESS)
        return false;
    SkinUI::RegistryKey key(raw);

    char value[512] = {};
    DWORD size = sizeof(value) - 1;
    if (RegQueryValueExA(key.get(), kConfigRegistryValue, nullptr, nullptr,
                         reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS)
        return false;
    lstrcpynA(name, value, kRegistryNameSize);
    return true;
}

bool InitConfigFilePath() {
    if (!g_configPathComputed) {
        g_configPathComputed = true;
        memset(g_configPath, 0, sizeof(g_configPath));
        char program[256] = {};
        GetModuleFileNameA(nullptr, program, 255);
        char dir[kParentDirSize] = {};
        GetParentDir(dir, program);
        char name[kRegistryNameSize] = {};
        if (ReadConfigFileNameFromRegistry(name)) {
            snprintf(g_configPath, sizeof(g_configPath), "%s//%s", dir, name);
        } else {
            snprintf(g_configPath, sizeof(g_configPath), "%s//UrlConfig.ini", dir);
        }
    }
    memcpy(g_configPathForReading, g_configPath, kPathSize);
    g_configPathForReading[kPathSize - 1] = '\0';
    return true;
}

const char* ConfigFilePath() {
    if (!g_configPathForReading[0]) InitConfigFilePath();
    return g_configPathForReading;
}

bool GetConfigUrl(char* url, const char* key) {
    if (!url) return false;
    const char* path = ConfigFilePath();
    memset(url, 0, kPathSize);
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) {
        lstrcpynA(url, kDefaultPageUrl, kPathSize);
        return false;
    }
    // Read afresh each time: an edited file takes effect without a restart.
    if (GetPrivateProfileStringA("URL", key, kDefaultPageUrl, url, kPathSize, path) == 0)
        lstrcpynA(url, kDefaultPageUrl, kPathSize);
    url[kPathSize - 1] = '\0';
    return true;
}
