// A read-only zip archive over a file or a block of memory, through minizip:
// entries found by name without regard to ASCII case, extracted into a
// buffer of exactly their stated size and never past it.
#pragma once

#include <cstddef>
#include <vector>

#include "skinui/core/SkinDefs.h"

namespace SkinUI {

namespace detail {
struct ZipMemorySource {
    const unsigned char* bytes = nullptr;
    size_t size = 0;
    size_t position = 0;
};
}  // namespace detail

class SKINUI_API CZipArchive {
public:
    enum class Result { Ok, NotFound, Empty, TooLarge, Corrupt };

    CZipArchive() = default;
    ~CZipArchive();
    CZipArchive(const CZipArchive&) = delete;
    CZipArchive& operator=(const CZipArchive&) = delete;

    bool OpenFile(const char* path);
    // The bytes must stay valid while the archive is open.
    bool OpenMemory(const void* bytes, size_t size);
    void Close();
    bool IsOpen() const { return m_zip != nullptr; }

    // Extracts the entry `name` (at most `maxSize` bytes stated) into `out`.
    Result Extract(const char* name, size_t maxSize, std::vector<char>& out);

private:
    void* m_zip = nullptr;
    detail::ZipMemorySource m_memory;
};

}  // namespace SkinUI
