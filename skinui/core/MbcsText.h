// Character stepping in the ANSI code page without a call per byte: a
// lead-byte table taken from the code page once, equivalent to CharNextA.
#pragma once

namespace SkinUI {
namespace detail {

// True for the lead bytes of the ANSI code page's double-byte characters.
const bool* LeadByteTable();

// The next character after `p`, as CharNextA: a lead byte followed by a
// non-NUL byte is one character; at the terminating NUL `p` stays.
inline const char* NextChar(const char* p, const bool* lead) {
    if (!*p) return p;
    return (lead[static_cast<unsigned char>(*p)] && p[1]) ? p + 2 : p + 1;
}
inline char* NextChar(char* p, const bool* lead) {
    return const_cast<char*>(NextChar(static_cast<const char*>(p), lead));
}

// Length in bytes of the longest prefix of `text` of at most `limit` bytes
// that ends on a character boundary.
int CharBoundaryPrefix(const char* text, int limit);

}  // namespace detail
}  // namespace SkinUI
