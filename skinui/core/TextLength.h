// Length of a NUL-terminated text, eight bytes a step: the C runtime's
// strlen is a byte loop under Wine and dominated loading large skins.
#pragma once

#include <cstddef>
#include <cstdint>

namespace SkinUI {
namespace detail {

inline size_t TextLength(const char* text) {
    const char* p = text;
    // Byte steps up to an 8-byte boundary; whole aligned words never cross
    // into another page, so reading the rest of the word past the NUL is safe.
    while (reinterpret_cast<uintptr_t>(p) & 7) {
        if (!*p) return static_cast<size_t>(p - text);
        ++p;
    }
    using Word = uint64_t __attribute__((may_alias));
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    constexpr uint64_t kHighs = 0x8080808080808080ull;
    const Word* word = reinterpret_cast<const Word*>(p);
    while (!((*word - kOnes) & ~*word & kHighs)) ++word;
    p = reinterpret_cast<const char*>(word);
    while (*p) ++p;
    return static_cast<size_t>(p - text);
}

}  // namespace detail
}  // namespace SkinUI
