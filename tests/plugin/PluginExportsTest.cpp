// The plug-in DLL driven as an installer script drives it: the exports are
// called from the program's main thread (the installer's), while a second
// thread plays the user with real messages to the window. Each run loads the
// DLL into a fresh child process, since its state lives for the process.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <thread>

#include "tests/plugin/PluginFolder.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Files.h"
#include "tests/support/FuzzInputs.h"

namespace {

using InitFn = const char*(WINAPI*)(const char*, const char*, int*);
using SendFn = int(WINAPI*)(const char*, int);

constexpr const char* kDefaultFolder = "C:\\velor\\VELOR Crewlet";
constexpr const char* kMarker = "C:\\vlqsmlog\\QSM_EnableDebug";
constexpr const char* kLog = "C:\\vlqsmlog\\VLSetupSkinDll.log";
constexpr int kUntouched = -7;
constexpr int kPolls = 400;  // of 25 ms each: every wait below ends within 10 s

// A scenario's checks: the first failing line becomes the child's exit code.
#define CHECK(condition) \
    do {                 \
        if (!(condition)) return __LINE__; \
    } while (0)

template <typename Fn>
Fn Export(HMODULE module, const char* name) {
    // The usual detour through void* for GetProcAddress's generic type.
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

struct Plugin {
    HMODULE module = LoadLibraryA((plugintest::PluginFolder() + "VLSetupSkinDll.dll").c_str());
    InitFn init = Export<InitFn>(module, "InitVLSkinEngine");
    SendFn send = Export<SendFn>(module, "VLSendMessage");
    bool Loaded() const { return init && send; }
};

// This process's uninstall window (other test programs may show their own).
HWND FindPluginWindow() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(hwnd, &process);
            char name[64] = {};
            GetClassNameA(hwnd, name, sizeof(name));
            if (process != GetCurrentProcessId() || strcmp(name, "UninstallMainWnd") != 0) return TRUE;
            *reinterpret_cast<HWND*>(param) = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The window once shown and painted: the toolkit lays out at the first paint,
// and a click that comes before it finds no button (no user could aim it).
HWND WaitForWindow() {
    for (int i = 0; i < kPolls; ++i) {
        const HWND hwnd = FindPluginWindow();
        if (hwnd && IsWindowVisible(hwnd) && !GetUpdateRect(hwnd, nullptr, FALSE)) return hwnd;
        Sleep(25);
    }
    return nullptr;
}

bool WaitUntilGone(HWND hwnd) {
    for (int i = 0; i < kPolls && IsWindow(hwnd); ++i) Sleep(25);
    return !IsWindow(hwnd);
}

void PostClick(HWND hwnd, POINT at) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    PostMessageA(hwnd, WM_MOUSEMOVE, 0, where);
    PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageA(hwnd, WM_LBUTTONUP, 0, where);
}

// The user: waits for the window, then clicks `button` of the start page.
std::thread ClickWhenShown(const char* button, std::atomic<HWND>& shown) {
    const POINT at = plugintest::ControlCentre(button, 0);
    return std::thread([at, &shown] {
        const HWND hwnd = WaitForWindow();
        shown = hwnd;
        if (hwnd) PostClick(hwnd, at);
    });
}

// The user on the finish page: clicks "UnInstallFinish" until the window goes
// (the clicks land on empty space until the page is shown).
std::thread DismissFinishPage(HWND hwnd, std::atomic<bool>& returned, std::atomic<bool>& blockedWhileShown) {
    const POINT at = plugintest::ControlCentre("UnInstallFinish", 2);
    return std::thread([=, &returned, &blockedWhileShown] {
        Sleep(300);
        blockedWhileShown = !returned && IsWindow(hwnd);
        for (int i = 0; i < kPolls && IsWindow(hwnd); ++i) {
            PostClick(hwnd, at);
            Sleep(25);
        }
    });
}

// Start page to "UninstallBtn": the call returns the folder and stores 0.
int StartUninstall(Plugin& plugin, const char* folder, HWND& hwnd) {
    std::atomic<HWND> shown{nullptr};
    std::thread user = ClickWhenShown("UninstallBtn", shown);
    int code = kUntouched;
    const char* result = plugin.init("/NCRC", folder, &code);
    user.join();
    hwnd = shown;
    CHECK(hwnd != nullptr);
    CHECK(result && strcmp(result, folder && *folder ? folder : kDefaultFolder) == 0);
    CHECK(code == 0);
    return 0;
}

int FinishByUser(Plugin& plugin, HWND hwnd) {
    std::atomic<bool> returned{false};
    std::atomic<bool> blockedWhileShown{false};
    std::thread user = DismissFinishPage(hwnd, returned, blockedWhileShown);
    const int sent = plugin.send("INSTALLFINISH", 0);
    returned = true;
    user.join();
    CHECK(sent == 0);
    CHECK(blockedWhileShown);
    CHECK(!IsWindow(hwnd));
    return 0;
}

int SilentSwitch() {
    Plugin plugin;
    CHECK(plugin.Loaded());
    // Calls before any window return at once and change nothing.
    CHECK(plugin.send("INSTALLPROGRESS", 10) == 0);
    CHECK(plugin.send("INSTALLFINISH", 0) == 0);
    CHECK(plugin.send(nullptr, 0) == 0);
    const struct {
        const char* commandLine;
        const char* folder;
        const char* expected;
    } cases[] = {{"/S", "D:\\Crewlet", "D:\\Crewlet"},
                 {"/NCRC /S /D=C:\\x", nullptr, kDefaultFolder},
                 {"_?=C:\\old/S", "", kDefaultFolder}};
    for (const auto& c : cases) {
        int code = kUntouched;
        const char* result = plugin.init(c.commandLine, c.folder, &code);
        CHECK(result && strcmp(result, c.expected) == 0);
        CHECK(code == kUntouched);
        CHECK(FindPluginWindow() == nullptr);
    }
    // No window was made: the later calls do nothing and return at once.
    CHECK(plugin.send("INSTALLPROGRESS", 50) == 0);
    CHECK(plugin.send("INSTALLFINISH", 0) == 0);
    return 0;
}

int LowerCaseSwitchShowsTheWindow() {
    Plugin plugin;
    CHECK(plugin.Loaded());
    std::atomic<HWND> shown{nullptr};
    std::thread user = ClickWhenShown("CancelBtn", shown);
    int code = kUntouched;
    const char* result = plugin.init("/s", "D:\\Crewlet", &code);
    user.join();
    CHECK(shown.load() != nullptr);
    CHECK(result && strcmp(result, "close") == 0);
    CHECK(code == 0);
    return 0;
}

int UninstallToFinish() {
    Plugin plugin;
    CHECK(plugin.Loaded());
    HWND hwnd = nullptr;
    if (const int failed = StartUninstall(plugin, nullptr, hwnd)) return failed;
    for (int value : {10, 60, 100}) CHECK(plugin.send("INSTALLPROGRESS", value) == 0);
    CHECK(plugin.send("installfinish", 0) == 0);  // wrong case: nothing happens
    CHECK(IsWindow(hwnd));
    if (const int failed = FinishByUser(plugin, hwnd)) return failed;
    // The thread is gone: a second finish returns at once.
    CHECK(plugin.send("INSTALLFINISH", 0) == 0);
    return 0;
}

int GiveUpOnTheStartPage(void (*act)(HWND)) {
    Plugin plugin;
    CHECK(plugin.Loaded());
    std::atomic<HWND> shown{nullptr};
    std::thread user([&shown, act] {
        shown = WaitForWindow();
        if (shown.load()) act(shown);
    });
    int code = kUntouched;
    const char* result = plugin.init(nullptr, "D:\\Crewlet", &code);
    user.join();
    CHECK(shown.load() != nullptr);
    CHECK(result && strcmp(result, "close") == 0);
    CHECK(code == 0);
    CHECK(WaitUntilGone(shown));
    CHECK(plugin.send("INSTALLPROGRESS", 40) == 0);
    CHECK(plugin.send("INSTALLFINISH", 0) == 0);
    return 0;
}

int AltF4KeepsTheWindow() {
    Plugin plugin;
    CHECK(plugin.Loaded());
    const POINT start = plugintest::ControlCentre("UninstallBtn", 0);
    std::atomic<HWND> shown{nullptr};
    std::thread user([&shown, start] {
        shown = WaitForWindow();
        if (!shown.load()) return;
        PostMessageA(shown, WM_SYSKEYDOWN, VK_F4, 1 << 29);
        PostMessageA(shown, WM_SYSCOMMAND, SC_CLOSE, 0);
        // Queued after the close attempts: only reaches a window that stayed.
        PostClick(shown, start);
    });
    int code = kUntouched;
    const char* result = plugin.init(nullptr, "D:\\Crewlet", &code);
    user.join();
    CHECK(result && strcmp(result, "D:\\Crewlet") == 0);
    return FinishByUser(plugin, shown);
}

int ProgressFlood() {
    Plugin plugin;
    CHECK(plugin.Loaded());
    HWND hwnd = nullptr;
    if (const int failed = StartUninstall(plugin, "D:\\Crewlet", hwnd)) return failed;
    for (int i = 0; i < 10000; ++i) CHECK(plugin.send("INSTALLPROGRESS", i % 101) == 0);
    return FinishByUser(plugin, hwnd);
}

int CloseDuringProgress() {
    Plugin plugin;
    CHECK(plugin.Loaded());
    HWND hwnd = nullptr;
    if (const int failed = StartUninstall(plugin, "D:\\Crewlet", hwnd)) return failed;
    std::atomic<int> sent{0};
    std::thread closer([&sent, hwnd] {
        for (int i = 0; i < kPolls && sent < 500; ++i) Sleep(5);
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
    });
    for (int i = 0; i < 3000; ++i, ++sent) CHECK(plugin.send("INSTALLPROGRESS", i % 101) == 0);
    closer.join();
    CHECK(WaitUntilGone(hwnd));
    CHECK(plugin.send("INSTALLFINISH", 0) == 0);
    return 0;
}

// A second finish, and progress after it, find the thread gone and return.
int FinishTwice() {
    Plugin plugin;
    CHECK(plugin.Loaded());
    HWND hwnd = nullptr;
    if (const int failed = StartUninstall(plugin, "D:\\Crewlet", hwnd)) return failed;
    if (const int failed = FinishByUser(plugin, hwnd)) return failed;
    CHECK(plugin.send("INSTALLFINISH", 0) == 0);
    CHECK(plugin.send("INSTALLPROGRESS", 5) == 0);
    return 0;
}

int LoggedRun() {
    testsupport::RemoveFile(kLog);
    testsupport::ScopedFile marker(kMarker);
    {
        Plugin plugin;
        CHECK(plugin.Loaded());
        CHECK(plugin.send("INSTALLPROGRESS", 1) == 0);  // no window yet: not logged
        HWND hwnd = nullptr;
        if (const int failed = StartUninstall(plugin, "D:\\Crewlet", hwnd)) return failed;
        CHECK(plugin.send("installfinish", 0) == 0);
        CHECK(plugin.send("INSTALLPROGRESS", 5) == 0);
        if (const int failed = FinishByUser(plugin, hwnd)) return failed;
    }
    const std::string log = testsupport::ReadTextFile(kLog);
    testsupport::RemoveFile(kLog);
    const std::string skinPath = plugintest::PluginFolder() + "\\skin";
    const std::string expected[] = {
        "] DllMain begin\n",
        "] InitVLSkinEngine install Path[" + skinPath + "][skin.zip]\n",
        "] InitVLSkinEngine create window handle[",
        "] CInstallMainWnd::OnClick begin, [UninstallBtn]\n",
        "] VLSendMessage begin [installfinish]\n",
        "] VLSendMessage begin [INSTALLPROGRESS]\n",
        "] CInstallMainWnd::HandleCustomMessage receive WM_INSTALLPROGRESS\n",
        "] VLSendMessage begin [INSTALLFINISH]\n",
        "] CInstallMainWnd::HandleCustomMessage receive WM_INSTALLFINISH\n",
        "] CInstallMainWnd::OnClick begin, [UnInstallFinish]\n",
    };
    size_t from = 0;
    for (const std::string& line : expected) {
        const size_t at = log.find(line, from);
        CHECK(at != std::string::npos);
        from = at + line.size();
    }
    // One progress call before the window was made: not logged at all.
    CHECK(log.find("VLSendMessage begin [INSTALLPROGRESS]") == log.rfind("VLSendMessage begin [INSTALLPROGRESS]"));
    CHECK(log.compare(0, 7, "[DEBUG ") == 0);
    return 0;
}

// Refuses to create the uninstall window, as a failing system would.
LRESULT CALLBACK RefuseUninstallWindow(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        const char* name = create->lpcs->lpszClass;
        if (!IS_INTRESOURCE(name) && strcmp(name, "UninstallMainWnd") == 0) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int NoWindow() {
    Plugin plugin;
    CHECK(plugin.Loaded());
    const HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseUninstallWindow, GetModuleHandleA(nullptr), 0);
    CHECK(hook != nullptr);
    int code = kUntouched;
    const char* result = plugin.init(nullptr, "D:\\Crewlet", &code);
    UnhookWindowsHookEx(hook);
    CHECK(result && strcmp(result, "close") == 0);
    CHECK(code == 0);
    CHECK(FindPluginWindow() == nullptr);
    CHECK(plugin.send("INSTALLPROGRESS", 30) == 0);
    CHECK(plugin.send("INSTALLFINISH", 0) == 0);
    return 0;
}

constexpr unsigned kRaceRounds = 4;

// The user releases the script and gives up at almost the same moment, in
// either order, while a flood of progress calls runs: whatever the script is
// handed stays whole and unchanged while it reads on, and is one of the two
// answers. A torn answer would mix the folder with "close".
int ResultNeverTorn() {
    Plugin plugin;
    CHECK(plugin.Loaded());
    std::string folder = "D:\\Crewlet";
    while (folder.size() < 240) folder += "\\folder" + std::to_string(folder.size());
    const POINT uninstall = plugintest::ControlCentre("UninstallBtn", 0);
    std::mt19937 random(20261211);
    const unsigned rounds = testsupport::FuzzIterations(kRaceRounds);
    for (unsigned round = 0; round < rounds; ++round) {
        const unsigned order = round % 4;
        const DWORD gap = random() % 30;
        std::atomic<HWND> shown{nullptr};
        std::atomic<bool> userDone{false};
        std::atomic<bool> stopFlood{false};
        std::thread user([&] {
            const HWND hwnd = WaitForWindow();
            shown = hwnd;
            if (hwnd) {
                const bool releaseFirst = order % 2 == 0;
                const UINT giveUp = order < 2 ? WM_KEYDOWN : WM_CLOSE;
                if (releaseFirst) PostClick(hwnd, uninstall);
                else PostMessageA(hwnd, giveUp, giveUp == WM_KEYDOWN ? VK_ESCAPE : 0, 0);
                Sleep(gap);
                if (releaseFirst) PostMessageA(hwnd, giveUp, giveUp == WM_KEYDOWN ? VK_ESCAPE : 0, 0);
                else PostClick(hwnd, uninstall);
                Sleep(50);  // time for the late message to arrive while the script reads
            }
            userDone = true;
        });
        std::thread flood([&] {
            for (int i = 0; i < 100000 && !stopFlood; ++i) plugin.send("INSTALLPROGRESS", i % 101);
        });
        int code = kUntouched;
        const char* result = plugin.init("/NCRC", folder.c_str(), &code);
        CHECK(result != nullptr);
        const std::string first = result;
        // The window takes the two in the order they were posted.
        CHECK(first == (order % 2 == 0 ? folder : std::string("close")));
        for (int reads = 0; !userDone || reads < 1000; ++reads) CHECK(first == result);
        user.join();
        const HWND hwnd = shown;
        CHECK(hwnd != nullptr);
        stopFlood = true;
        flood.join();
        CHECK(code == 0);
        if (first == "close") {
            CHECK(WaitUntilGone(hwnd));
        } else if (order == 0) {
            // Released first, and Escape does nothing on the progress page.
            if (const int failed = FinishByUser(plugin, hwnd)) return failed;
        } else {
            // Closed during the uninstall: the finish finds the thread gone.
            CHECK(WaitUntilGone(hwnd));
            CHECK(plugin.send("INSTALLFINISH", 0) == 0);
        }
        CHECK(first == result);
    }
    return 0;
}

void PostEscape(HWND hwnd) { PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0); }
void ClickCancel(HWND hwnd) { PostClick(hwnd, plugintest::ControlCentre("CancelBtn", 0)); }
void ClickClose(HWND hwnd) { PostClick(hwnd, plugintest::ControlCentre("CloseBtn", 0)); }

const bool registered = [] {
    testsupport::RegisterChildScenario("silent", SilentSwitch);
    testsupport::RegisterChildScenario("lower-case-s", LowerCaseSwitchShowsTheWindow);
    testsupport::RegisterChildScenario("uninstall", UninstallToFinish);
    testsupport::RegisterChildScenario("cancel", [] { return GiveUpOnTheStartPage(ClickCancel); });
    testsupport::RegisterChildScenario("close", [] { return GiveUpOnTheStartPage(ClickClose); });
    testsupport::RegisterChildScenario("escape", [] { return GiveUpOnTheStartPage(PostEscape); });
    testsupport::RegisterChildScenario("alt-f4", AltF4KeepsTheWindow);
    testsupport::RegisterChildScenario("flood", ProgressFlood);
    testsupport::RegisterChildScenario("close-during-progress", CloseDuringProgress);
    testsupport::RegisterChildScenario("finish-twice", FinishTwice);
    testsupport::RegisterChildScenario("logged", LoggedRun);
    testsupport::RegisterChildScenario("no-window", NoWindow);
    testsupport::RegisterChildScenario("result-races", ResultNeverTorn);
    return true;
}();

class PluginExportsTest : public testing::TestWithParam<const char*> {};

// 0, or the line of the scenario's first failed check; -1 means it hung.
TEST_P(PluginExportsTest, RunsToTheEnd) {
    EXPECT_EQ(testsupport::RunChildScenario(GetParam(), {}, 60000), 0) << GetParam();
}

// A round waits 12 s at most (for the window, then the finish page).
TEST(PluginResultTest, NeverTornWhileTheUserReleasesAndGivesUpAtOnce) {
    const unsigned rounds = testsupport::FuzzIterations(kRaceRounds);
    EXPECT_EQ(testsupport::RunChildScenario("result-races", {}, 30000 + rounds * 12000), 0);
    printf("result rounds: %u inputs\n", rounds);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, PluginExportsTest,
                         testing::Values("silent", "lower-case-s", "uninstall", "cancel", "close", "escape", "alt-f4",
                                         "flood", "close-during-progress", "finish-twice", "logged", "no-window"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

}  // namespace
