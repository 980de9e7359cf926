// Windows of this thread (top-level and their children) counted by class
// name: how tests see a native window that was not released.
#pragma once

#include <windows.h>

#include <cstring>

namespace testsupport {

namespace detail {
struct ClassCount {
    const char* className;
    int count;
};

inline BOOL CALLBACK CountIfClass(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<ClassCount*>(data);
    char name[128] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (strcmp(name, search->className) == 0) ++search->count;
    return TRUE;
}

inline BOOL CALLBACK CountInTree(HWND hwnd, LPARAM data) {
    CountIfClass(hwnd, data);
    EnumChildWindows(hwnd, &CountIfClass, data);
    return TRUE;
}
}  // namespace detail

inline int ThreadWindowCount(const char* className) {
    detail::ClassCount search{className, 0};
    EnumThreadWindows(GetCurrentThreadId(), &detail::CountInTree, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

}  // namespace testsupport
