// Zip reading through minizip, with a memory source of our own.
#include "skinui/core/ZipArchive.h"

#include <minizip/unzip.h>

#include <cstring>

namespace SkinUI {
namespace {

constexpr int kCaseInsensitive = 2;

using MemorySourceView = detail::ZipMemorySource;

voidpf ZCALLBACK MemoryOpen(voidpf opaque, const void*, int) {
    auto* source = static_cast<MemorySourceView*>(opaque);
    source->position = 0;
    return source;
}

uLong ZCALLBACK MemoryRead(voidpf, voidpf stream, void* buffer, uLong size) {
    auto* source = static_cast<MemorySourceView*>(stream);
    const size_t left = source->size - source->position;
    const size_t n = size < left ? size : left;
    memcpy(buffer, source->bytes + source->position, n);
    source->position += n;
    return static_cast<uLong>(n);
}

uLong ZCALLBACK MemoryWrite(voidpf, voidpf, const void*, uLong) {
    return 0;
}

ZPOS64_T ZCALLBACK MemoryTell(voidpf, voidpf stream) {
    return static_cast<MemorySourceView*>(stream)->position;
}

long ZCALLBACK MemorySeek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto* source = static_cast<MemorySourceView*>(stream);
    ZPOS64_T base = 0;
    switch (origin) {
        case ZLIB_FILEFUNC_SEEK_SET: base = 0; break;
        case ZLIB_FILEFUNC_SEEK_CUR: base = source->position; break;
        case ZLIB_FILEFUNC_SEEK_END: base = source->size; break;
        default: return -1;
    }
    const ZPOS64_T target = base + offset;
    if (target < base || target > source->size) return -1;
    source->position = static_cast<size_t>(target);
    return 0;
}

int ZCALLBACK MemoryClose(voidpf, voidpf) {
    return 0;
}

int ZCALLBACK MemoryError(voidpf, voidpf) {
    return 0;
}

}  // namespace

CZipArchive::~CZipArchive() {
    Close();
}

bool CZipArchive::OpenFile(const char* path) {
    Close();
    if (!path || !*path) return false;
    m_zip = unzOpen64(path);
    return m_zip != nullptr;
}

bool CZipArchive::OpenMemory(const void* bytes, size_t size) {
    Close();
    if (!bytes || size == 0) return false;
    m_memory = detail::ZipMemorySource{static_cast<const unsigned char*>(bytes), size, 0};
    zlib_filefunc64_def functions = {};
    functions.zopen64_file = MemoryOpen;
    functions.zread_file = MemoryRead;
    functions.zwrite_file = MemoryWrite;
    functions.ztell64_file = MemoryTell;
    functions.zseek64_file = MemorySeek;
    functions.zclose_file = MemoryClose;
    functions.zerror_file = MemoryError;
    functions.opaque = &m_memory;
    m_zip = unzOpen2_64("membuffer", &functions);
    return m_zip != nullptr;
}

void CZipArchive::Close() {
    if (m_zip) unzClose(m_zip);
    m_zip = nullptr;
}

CZipArchive::Result CZipArchive::Extract(const char* name, size_t maxSize, std::vector<char>& out) {
    out.clear();
    if (!m_zip || !name) return Result::NotFound;
    if (unzLocateFile(m_zip, name, kCaseInsensitive) != UNZ_OK) return Result::NotFound;

    unz_file_info64 info = {};
    if (unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return Result::Corrupt;
    if (info.uncompressed_size == 0) return Result::Empty;
    if (info.uncompressed_size > maxSize) return Result::TooLarge;

    const size_t size = static_cast<size_t>(info.uncompressed_size);
    if (unzOpenCurrentFile(m_zip) != UNZ_OK) return Result::Corrupt;
    out.resize(size);
    // Reads never go past the stated size; more data than stated, or data
    // that does not match its checksum, is a corrupt entry.
    const int read = unzReadCurrentFile(m_zip, out.data(), static_cast<unsigned>(size));
    char extra = 0;
    const bool longer = read == static_cast<int>(size) && unzReadCurrentFile(m_zip, &extra, 1) > 0;
    const int closed = unzCloseCurrentFile(m_zip);
    if (read != static_cast<int>(size) || longer || closed != UNZ_OK) {
        out.clear();
        return Result::Corrupt;
    }
    return Result::Ok;
}

}  // namespace SkinUI
