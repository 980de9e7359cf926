// What a window leaves behind, where Wine's own counters read 0: the
// toolkit's live handles per kind, this thread's windows and the committed
// private memory of the process.
#pragma once

#include <windows.h>

#include <cstddef>
#include <ostream>

#include "skinui/core/PaintManager.h"
#include "skinui/core/UniqueHandle.h"

namespace testsupport {

inline int ThreadWindowTotal() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM data) -> BOOL {
            ++*reinterpret_cast<int*>(data);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// Committed private pages of the whole address space, in bytes.
inline size_t CommittedPrivateBytes() {
    size_t total = 0;
    MEMORY_BASIC_INFORMATION info;
    for (const char* at = nullptr; VirtualQuery(at, &info, sizeof(info)) == sizeof(info);) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
        const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return total;
}

// Live handles per kind, counted in the toolkit's module (`shared`: the
// toolkit is SkinUI.dll; else it is linked into this program).
struct HandleCounts {
    long kinds[static_cast<int>(SkinUI::HandleKind::Count)] = {};
    int windows = 0;
    static HandleCounts Now(bool shared) {
        HandleCounts counts;
        for (int i = 0; i < static_cast<int>(SkinUI::HandleKind::Count); ++i) {
            const auto kind = static_cast<SkinUI::HandleKind>(i);
            counts.kinds[i] = shared ? SkinUI::CPaintManagerUI::LiveHandles(kind) + SkinUI::LiveHandleCount(kind)
                                     : SkinUI::LiveHandleCount(kind);
        }
        counts.windows = ThreadWindowTotal();
        return counts;
    }
    bool operator==(const HandleCounts& other) const {
        for (int i = 0; i < static_cast<int>(SkinUI::HandleKind::Count); ++i)
            if (kinds[i] != other.kinds[i]) return false;
        return windows == other.windows;
    }
};

inline std::ostream& operator<<(std::ostream& out, const HandleCounts& counts) {
    for (long kind : counts.kinds) out << kind << ' ';
    return out << "windows " << counts.windows;
}

}  // namespace testsupport
