// File helpers over plain Win32 calls.
#include "tests/support/Files.h"

#include <windows.h>

#include <atomic>

#include "skinui/core/UniqueHandle.h"

namespace testsupport {

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

std::string ReadFile(const std::string& path, const char* mode) {
    SkinUI::CrtFile file(fopen(path.c_str(), mode));
    if (!file) return {};
    std::string bytes;
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof(buffer), file.get())) > 0) bytes.append(buffer, n);
    return bytes;
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
    return ReadFile(path, "rb");
}

std::string ReadTextFile(const std::string& path) {
    return ReadFile(path, "r");
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    SkinUI::CrtFile file(fopen(path.c_str(), "wb"));
    return file && fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}

void RemoveFile(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    // Wine reuses process ids, and a program that ended early may have left
    // its folder behind: only a folder made here and now is taken.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        m_path = std::string(base) + "tavi-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++counter);
        if (CreateDirectoryA(m_path.c_str(), nullptr)) return;
    }
}

TempFolder::~TempFolder() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((m_path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                RemoveFile(m_path + "\\" + found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(m_path.c_str());
}

ScopedFile::ScopedFile(std::string path, bool present, const std::string& bytes)
    : m_path(std::move(path)) {
    RemoveFile(m_path);
    if (!present) return;
    const size_t slash = m_path.find_last_of('\\');
    if (slash != std::string::npos) CreateDirectoryA(m_path.substr(0, slash).c_str(), nullptr);
    WriteWholeFile(m_path, bytes);
}

ScopedFile::~ScopedFile() {
    RemoveFile(m_path);
}

}  // namespace testsupport
