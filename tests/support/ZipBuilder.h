// Real zip archives made by the tests (through minizip's writer), and a way
// to make them lie about an entry's sizes.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

struct ZipEntry {
    std::string name;
    std::string bytes;
};

// The archive's bytes; entries are deflated unless `stored`.
std::string MakeZip(const std::vector<ZipEntry>& entries, bool stored = false);

// Rewrites the uncompressed size of entry `index` in the central directory
// and in its local header.
void SetStatedSize(std::string& zip, int index, unsigned size);

}  // namespace testsupport
