// File helpers for tests: whole-file reads and writes, temporary folders and
// marker files on drive C: that remove themselves.
#pragma once

#include <string>

namespace testsupport {

bool FileExists(const std::string& path);
std::string ReadWholeFile(const std::string& path);
// Read in text mode: "\r\n" comes back as "\n", as the logs were written.
std::string ReadTextFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
void RemoveFile(const std::string& path);

// A new empty folder under the system's temporary folder, removed with its
// files (one level) when this goes away.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

// Creates a file (and its folder) for the scope, removes it afterwards; also
// removes a stale one on construction when `present` is false.
class ScopedFile {
public:
    explicit ScopedFile(std::string path, bool present = true, const std::string& bytes = "");
    ~ScopedFile();
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;

private:
    std::string m_path;
};

}  // namespace testsupport
