// Reading the bytes of a named skin file from the resource location: the
// resource folder, or an entry of the resource zip (cached or opened per read).
#pragma once

#include <cstddef>
#include <vector>

namespace SkinUI {
namespace detail {

enum class ReadResult { Ok, CannotOpenFile, Empty, TooLarge, ShortRead, CannotOpenZip, NotInZip, CannotUnzip };

constexpr size_t kMaxSkinFileBytes = 4u * 1024 * 1024;

// A whole file of 1 to `maxSize` bytes.
ReadResult ReadWholeFile(const char* path, size_t maxSize, std::vector<char>& out);

// `name` under the resource path, or in the resource zip when one is set.
ReadResult ReadFromResourceLocation(const char* name, size_t maxSize, std::vector<char>& out);

}  // namespace detail
}  // namespace SkinUI
