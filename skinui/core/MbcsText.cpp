// Lead-byte table of the ANSI code page.
#include "skinui/core/MbcsText.h"

#include <windows.h>

namespace SkinUI {
namespace detail {
namespace {

struct LeadBytes {
    bool table[256] = {};
    LeadBytes() {
        CPINFO info = {};
        if (!GetCPInfo(CP_ACP, &info)) return;
        for (int i = 0; i < MAX_LEADBYTES - 1 && (info.LeadByte[i] || info.LeadByte[i + 1]); i += 2) {
            for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1] && b < 256; ++b)
                table[b] = true;
        }
    }
};

}  // namespace

const bool* LeadByteTable() {
    static const LeadBytes leadBytes;
    return leadBytes.table;
}

int CharBoundaryPrefix(const char* text, int limit) {
    const bool* lead = LeadByteTable();
    const char* p = text;
    while (*p) {
        const char* next = NextChar(p, lead);
        if (next - text > limit) break;
        p = next;
    }
    return static_cast<int>(p - text);
}

}  // namespace detail
}  // namespace SkinUI
