// Zip archives written with minizip into a temporary file, read back as bytes.
#include "tests/support/ZipBuilder.h"

#include <windows.h>

#include <minizip/zip.h>

#include <cstring>

#include "tests/support/Files.h"

namespace testsupport {
namespace {

void PutLittleEndian32(std::string& bytes, size_t offset, unsigned value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string MakeZip(const std::vector<ZipEntry>& entries, bool stored) {
    TempFolder folder;
    const std::string path = folder.File("archive.zip");
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    if (!zip) return {};
    for (const ZipEntry& entry : entries) {
        zip_fileinfo info = {};
        zipOpenNewFileInZip64(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                              stored ? 0 : Z_DEFLATED, stored ? 0 : Z_DEFAULT_COMPRESSION, 0);
        zipWriteInFileInZip(zip, entry.bytes.data(), static_cast<unsigned>(entry.bytes.size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
    return ReadWholeFile(path);
}

void SetStatedSize(std::string& zip, int index, unsigned size) {
    int seen = 0;
    for (size_t at = 0; at + 46 <= zip.size(); ++at) {
        if (memcmp(zip.data() + at, "PK\x01\x02", 4) != 0) continue;
        if (seen++ != index) continue;
        PutLittleEndian32(zip, at + 24, size);
        unsigned local = 0;
        memcpy(&local, zip.data() + at + 42, 4);
        if (local + 30 <= zip.size()) PutLittleEndian32(zip, local + 22, size);
        return;
    }
}

}  // namespace testsupport
