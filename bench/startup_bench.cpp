// Cold start: TaviAppStore.exe from its start to its first paint, against a
// minimal one-window program, started in turn in rounds.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchStats.h"
#include "skinui/core/UniqueHandle.h"

namespace {

using Clock = std::chrono::steady_clock;
using SkinUI::KernelHandleTraits;
using SkinUI::UniqueHandle;

constexpr int kRounds = 7;

std::string ProgramFolder() {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string folder(program);
    folder.resize(folder.rfind('\\') + 1);
    return folder;
}

// Milliseconds from CreateProcess until the program's window is shown and
// the program waits for input (its first paint done), or -1.
double StartToFirstPaint(const std::string& exe, const char* windowClass, UINT quitMessage) {
    std::string command = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    const auto start = Clock::now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, ProgramFolder().c_str(),
                        &startup, &info))
        return -1;
    UniqueHandle<KernelHandleTraits> process(info.hProcess), thread(info.hThread);
    double ms = -1;
    HWND hwnd = nullptr;
    for (int i = 0; i < 20000 && !hwnd; ++i) {
        HWND found = FindWindowA(windowClass, nullptr);
        DWORD owner = 0;
        if (found) GetWindowThreadProcessId(found, &owner);
        if (found && owner == info.dwProcessId && IsWindowVisible(found)) hwnd = found;
        else Sleep(1);
    }
    if (hwnd) {
        WaitForInputIdle(process.get(), 10000);
        // The first paint is done when the window has no update region left.
        for (int i = 0; i < 5000 && GetUpdateRect(hwnd, nullptr, FALSE); ++i) Sleep(1);
        ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        PostMessageA(hwnd, quitMessage, 0, 0);
    }
    if (WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) TerminateProcess(process.get(), 1);
    return ms;
}

}  // namespace

int main() {
    const std::string folder = ProgramFolder();
    std::vector<double> store, minimal, ratio;
    for (int round = 0; round < kRounds; ++round) {
        const double s = StartToFirstPaint(folder + "TaviAppStore.exe", "LumoMainFrame", 0x802);
        const double m = StartToFirstPaint(folder + "minimal_window.exe", "MinimalWindow", WM_CLOSE);
        if (s <= 0 || m <= 0) continue;
        store.push_back(s);
        minimal.push_back(m);
        ratio.push_back(s / m);
    }
    if (store.empty()) {
        fprintf(stderr, "startup_bench: the programs did not start\n");
        return 1;
    }
    printf("cold start to first paint (%zu rounds)\n", store.size());
    printf("  %-24s median %7.1f ms  (%.1f-%.1f)\n", "TaviAppStore.exe", bench::Median(store), bench::Lowest(store),
           bench::Highest(store));
    printf("  %-24s median %7.1f ms  (%.1f-%.1f)\n", "minimal one-window program", bench::Median(minimal),
           bench::Lowest(minimal), bench::Highest(minimal));
    printf("  ratio %.2f (per round %.2f-%.2f; target <= 2)\n", bench::Median(ratio), bench::Lowest(ratio),
           bench::Highest(ratio));
    return 0;
}
