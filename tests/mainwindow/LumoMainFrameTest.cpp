// The store window in this process: its controls, browser start-up, search,
// home, the close paths, the private messages, the browser-host answers and
// window.external reaching the cloud server.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/UrlConfig.h"
#include "mainwindow/LumoMainFrame.h"
#include "skinui/core/PaintManager.h"
#include "tests/support/Files.h"
#include "tests/support/FuzzInputs.h"
#include "tests/support/MessageFuzzer.h"
#include "tests/support/ResourceCounts.h"
#include "tests/support/ScriptHost.h"
#include "tools/zstack-sim/ZStackSimulator.h"

namespace {

using SkinUI::CPaintManagerUI;

constexpr DWORD kFrameStyle = 0x96C80000 & ~WS_VISIBLE;  // as the program makes it, hidden
constexpr DWORD kFrameExStyle = 0x100;

std::string Narrow(const VARIANT* value) {
    // The browser passes its texts by reference.
    if (value && value->vt == (VT_BYREF | VT_VARIANT)) value = value->pvarVal;
    if (!value || value->vt != VT_BSTR || !value->bstrVal) return {};
    char text[2048] = {};
    WideCharToMultiByte(CP_ACP, 0, value->bstrVal, -1, text, sizeof(text) - 1, nullptr, nullptr);
    return text;
}

std::string ProgramDir() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.rfind('\\') + 1);
}

// The main window, with the addresses the browser was asked to open.
class RecordingFrame : public CLumoMainFrame {
public:
    void BeforeNavigate2(IDispatch*, VARIANT*& url, VARIANT*&, VARIANT*&, VARIANT*&, VARIANT*&,
                         VARIANT_BOOL*&) override {
        navigated.push_back(Narrow(url));
    }
    const std::string& Session() const { return m_sSessionUuid; }
    CPaintManagerUI& Manager() { return m_PaintManager; }
    std::vector<std::string> navigated;
};

class StoreFrameTest : public testing::Test {
protected:
    static void SetUpTestSuite() { OleInitialize(nullptr); }
    static void TearDownTestSuite() { OleUninitialize(); }

    void SetUp() override {
        ASSERT_TRUE(m_sim.Listening());
        m_base = "http://127.0.0.1:" + std::to_string(m_sim.Port());
        WriteConfig(m_base + "/store/");
        CPaintManagerUI::SetInstance(GetModuleHandleA(nullptr));
        // The program's own skin, as the build packs it beside the program.
        CPaintManagerUI::SetResourcePath((ProgramDir() + "..\\..\\bin\\skins").c_str());
        CPaintManagerUI::SetResourceZip("skin.zip", false);
    }

    void TearDown() override {
        if (m_frame && IsWindow(m_hwnd)) DestroyWindow(m_hwnd);  // deletes the frame
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        testsupport::RemoveFile(ConfigFilePath());
    }

    void WriteConfig(const std::string& home) {
        const std::string text = "[URL]\r\nHomePage=" + home + "\r\nSearchPage=" + m_base +
                                 "/store/search?q=\r\n[Cloud]\r\nHost=127.0.0.1\r\nPort=" +
                                 std::to_string(m_sim.Port()) + "\r\n";
        ASSERT_TRUE(testsupport::WriteWholeFile(ConfigFilePath(), text));
    }

    void Open() {
        m_frame = new RecordingFrame;
        m_hwnd = m_frame->Create(nullptr, "Tavi应用商店", kFrameStyle, kFrameExStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, nullptr);
        ASSERT_TRUE(m_hwnd);
        // The start-up navigations: about:blank, then the home page.
        PumpUntil([&] { return m_frame->navigated.size() >= 2; });
        m_frame->navigated.clear();
    }

    static void PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
        const ULONGLONG deadline = GetTickCount64() + timeoutMs;
        while (!done() && GetTickCount64() < deadline) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_QUIT) {
                    // Keep it for the test to see.
                    PostQuitMessage(static_cast<int>(msg.wParam));
                    return;
                }
                // As the program's message loop does: keys meet the filters first.
                if (CPaintManagerUI::PreTranslate(&msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            Sleep(5);
        }
    }

    void Click(const char* name) {
        // A hidden window is never painted, so lay it out here.
        RECT client;
        GetClientRect(m_hwnd, &client);
        m_frame->Manager().RootControl()->SetPos(client);
        SkinUI::CControlUI* control = m_frame->Manager().FindControl(name);
        ASSERT_TRUE(control) << name;
        const RECT pos = control->GetPos();
        const LPARAM at = MAKELPARAM((pos.left + pos.right) / 2, (pos.top + pos.bottom) / 2);
        SendMessageA(m_hwnd, WM_MOUSEMOVE, 0, at);
        SendMessageA(m_hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(m_hwnd, WM_LBUTTONUP, 0, at);
    }

    std::string LastNavigation() {
        PumpUntil([&] { return !m_frame->navigated.empty(); }, 3000);
        return m_frame->navigated.empty() ? std::string() : m_frame->navigated.back();
    }

    // The exit value of a quit message posted to this thread, or -1.
    static int PostedQuitCode() {
        MSG msg;
        return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? static_cast<int>(msg.wParam) : -1;
    }

    ZStackSimulator m_sim{ZStackSimulator::Options{}};
    std::string m_base;
    RecordingFrame* m_frame = nullptr;
    HWND m_hwnd = nullptr;
};

TEST_F(StoreFrameTest, OpensWithTheBrowserOnBlankThenTheHomePage) {
    m_frame = new RecordingFrame;
    m_hwnd = m_frame->Create(nullptr, "Tavi应用商店", kFrameStyle, kFrameExStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, nullptr);
    ASSERT_TRUE(m_hwnd);
    PumpUntil([&] { return m_frame->navigated.size() >= 2; });
    EXPECT_EQ(m_frame->navigated, (std::vector<std::string>{"about:blank", m_base + "/store/"}));
    EXPECT_NE(m_frame->WebBrowser(), nullptr);
    char className[64] = {};
    GetClassNameA(m_hwnd, className, sizeof(className));
    EXPECT_STREQ(className, "LumoMainFrame");
    EXPECT_EQ(std::string(m_frame->Manager().FindControl("MinBtn")->GetToolTip()), "最小化");
    EXPECT_EQ(std::string(m_frame->Manager().FindControl("CloseBtn")->GetToolTip()), "关闭");
}

struct SearchCase {
    const char* text;
    bool byEnter;
    const char* query;
};

class StoreSearchTest : public StoreFrameTest, public testing::WithParamInterface<SearchCase> {};

TEST_P(StoreSearchTest, NavigatesToTheSearchPageFollowedByTheText) {
    Open();
    m_frame->Manager().FindControl("FindEdit")->SetText(GetParam().text);
    if (GetParam().byEnter) {
        PostMessageA(m_hwnd, WM_KEYDOWN, VK_RETURN, 0);
    } else {
        Click("FindBtn");
    }
    EXPECT_EQ(LastNavigation(), m_base + "/store/search?q=" + GetParam().query);
}

INSTANTIATE_TEST_SUITE_P(Searches, StoreSearchTest,
                         testing::Values(SearchCase{"abc", false, "abc"}, SearchCase{"", false, ""},
                                         SearchCase{"abc", true, "abc"},
                                         // Not escaped: the text goes as typed.
                                         SearchCase{"a b&c", false, "a b&c"}),
                         [](const testing::TestParamInfo<SearchCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

TEST_F(StoreFrameTest, EscapeNeitherClosesNorNavigates) {
    Open();
    PostMessageA(m_hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpUntil([] { return false; }, 300);
    EXPECT_TRUE(IsWindow(m_hwnd));
    EXPECT_TRUE(m_frame->navigated.empty());
    EXPECT_EQ(PostedQuitCode(), -1);
}

TEST_F(StoreFrameTest, HomeFollowsTheFileAsItIsEdited) {
    Open();
    WriteConfig(m_base + "/store/?edited");
    Click("HomeBtn");
    EXPECT_EQ(LastNavigation(), m_base + "/store/?edited");
}

TEST_F(StoreFrameTest, ASkinWithoutHomeButtonStillOpensAndSearches) {
    const std::string skin = testsupport::ReadWholeFile(ProgramDir() + "..\\..\\bin\\skins\\LumoMainWnd.xml");
    const size_t home = skin.find("<Button name=\"HomeBtn\"");
    ASSERT_NE(home, std::string::npos);
    std::string trimmed = skin;
    trimmed.erase(home, skin.find("/>", home) + 2 - home);
    testsupport::TempFolder folder;
    ASSERT_TRUE(testsupport::WriteWholeFile(folder.File("LumoMainWnd.xml"), trimmed));
    CPaintManagerUI::SetResourcePath(folder.Path().c_str());
    CPaintManagerUI::SetResourceZip("", false);

    Open();
    EXPECT_EQ(m_frame->Manager().FindControl("HomeBtn"), nullptr);
    m_frame->Manager().FindControl("FindEdit")->SetText("x");
    Click("FindBtn");
    EXPECT_EQ(LastNavigation(), m_base + "/store/search?q=x");
}

enum class CloseBy { CloseButton, SystemClose, PrivateMessage };

std::string CloseByName(const testing::TestParamInfo<CloseBy>& info) {
    const char* names[] = {"CloseButton", "SystemClose", "PrivateMessage"};
    return names[static_cast<int>(info.param)];
}

class StoreCloseTest : public StoreFrameTest, public testing::WithParamInterface<CloseBy> {};

TEST_P(StoreCloseTest, PostsQuitWithZeroAndKeepsTheWindow) {
    Open();
    switch (GetParam()) {
        case CloseBy::CloseButton: Click("CloseBtn"); break;
        case CloseBy::SystemClose: SendMessageA(m_hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case CloseBy::PrivateMessage: SendMessageA(m_hwnd, 0x802, 0, 0); break;
    }
    EXPECT_EQ(PostedQuitCode(), 0);
    EXPECT_TRUE(IsWindow(m_hwnd));
}

INSTANTIATE_TEST_SUITE_P(Paths, StoreCloseTest,
                         testing::Values(CloseBy::CloseButton, CloseBy::SystemClose, CloseBy::PrivateMessage),
                         CloseByName);

TEST_F(StoreFrameTest, TrayClickShowsTheWindowAndMinButtonMinimisesIt) {
    Open();
    ASSERT_FALSE(IsWindowVisible(m_hwnd));
    SendMessageA(m_hwnd, 0x801, 0, MAKELPARAM(WM_MOUSEMOVE, 0));
    EXPECT_FALSE(IsWindowVisible(m_hwnd));
    SendMessageA(m_hwnd, 0x801, 0, MAKELPARAM(WM_LBUTTONDOWN, 0));
    EXPECT_TRUE(IsWindowVisible(m_hwnd));
    Click("MinBtn");
    PumpUntil([&] { return IsIconic(m_hwnd) != FALSE; }, 3000);
    EXPECT_TRUE(IsIconic(m_hwnd));
    EXPECT_EQ(PostedQuitCode(), -1);
}

TEST_F(StoreFrameTest, HostInfoKeepsFlagsAndAddsNoBorder) {
    Open();
    EXPECT_EQ(m_frame->GetHostInfo(nullptr), S_OK);
    DOCHOSTUIINFO info = {};
    info.dwFlags = DOCHOSTUIFLAG_SCROLL_NO;
    info.dwDoubleClick = DOCHOSTUIDBLCLK_SHOWCODE;
    info.pchHostCss = const_cast<OLECHAR*>(L"x");
    EXPECT_EQ(m_frame->GetHostInfo(&info), S_OK);
    EXPECT_EQ(info.dwFlags, static_cast<DWORD>(DOCHOSTUIFLAG_SCROLL_NO | DOCHOSTUIFLAG_NO3DBORDER));
    EXPECT_EQ(info.cbSize, sizeof(DOCHOSTUIINFO));
    EXPECT_EQ(info.dwDoubleClick, static_cast<DWORD>(DOCHOSTUIDBLCLK_DEFAULT));
    EXPECT_EQ(info.pchHostCss, nullptr);
    EXPECT_EQ(info.pchHostNS, nullptr);
}

struct ShortcutCase {
    std::vector<BYTE> keys;  // held down during the call
    UINT message;
    HRESULT expected;
};

class StoreShortcutTest : public StoreFrameTest, public testing::WithParamInterface<ShortcutCase> {};

void PressKeys(const std::vector<BYTE>& keys, bool down) {
    for (BYTE key : keys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        SendInput(1, &input, sizeof(input));
    }
}

TEST_P(StoreShortcutTest, SwallowsRefreshOpenPrintAndNewWindowOnly) {
    Open();
    SetForegroundWindow(m_hwnd);
    const auto keysAre = [&](bool down) {
        for (BYTE key : GetParam().keys) {
            if (((GetAsyncKeyState(key) & 0x8000) != 0) != down) return false;
            if (key == VK_CONTROL && ((GetKeyState(VK_CONTROL) & 0x8000) != 0) != down) return false;
        }
        return true;
    };
    PressKeys(GetParam().keys, true);
    PumpUntil([&] { return keysAre(true); }, 3000);
    MSG msg = {m_hwnd, GetParam().message, GetParam().keys.back(), 0, 0, {}};
    const HRESULT result = m_frame->TranslateAccelerator(&msg, nullptr, 0);
    PressKeys(GetParam().keys, false);
    PumpUntil([&] { return keysAre(false); }, 3000);
    EXPECT_EQ(result, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StoreShortcutTest,
    testing::Values(ShortcutCase{{VK_F5}, WM_KEYDOWN, S_OK}, ShortcutCase{{VK_CONTROL, 'O'}, WM_KEYDOWN, S_OK},
                    ShortcutCase{{VK_CONTROL, 'P'}, WM_KEYDOWN, S_OK}, ShortcutCase{{VK_CONTROL, 'N'}, WM_KEYDOWN, S_OK},
                    ShortcutCase{{VK_CONTROL, 'C'}, WM_KEYDOWN, S_FALSE},
                    ShortcutCase{{VK_CONTROL, 'V'}, WM_KEYDOWN, S_FALSE}, ShortcutCase{{'O'}, WM_KEYDOWN, S_FALSE},
                    ShortcutCase{{'A'}, WM_KEYDOWN, S_FALSE}, ShortcutCase{{VK_CONTROL, 'O'}, WM_KEYUP, S_FALSE}),
    [](const testing::TestParamInfo<ShortcutCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(StoreFrameTest, PageScriptLogsInThroughTheWindowsExternal) {
    Open();
    IDispatch* external = nullptr;
    ASSERT_EQ(m_frame->GetExternal(&external), S_OK);
    ASSERT_EQ(external, static_cast<IDispatch*>(&m_frame->External()));
    const auto run = testsupport::RunJScript(L"external.vl_submit();", L"external", external);
    ASSERT_TRUE(run.started);
    EXPECT_TRUE(run.errors.empty());
    EXPECT_FALSE(m_sim.IssuedSession().empty());
    EXPECT_EQ(m_frame->Session(), m_sim.IssuedSession());
    EXPECT_EQ(m_frame->GetExternal(nullptr), E_POINTER);
}

// Random input from a fixed seed (TAVI_FUZZ_ITERATIONS sets the count): the
// window keeps answering, and nothing destroys it; its close button, when hit,
// only posts the quit.
TEST_F(StoreFrameTest, RandomMessagesLeaveItAnswering) {
    Open();
    testsupport::MessageFuzzer fuzzer(20261211, {0x801, 0x802});
    const unsigned count = testsupport::FuzzIterations(600);
    const auto start = std::chrono::steady_clock::now();
    const testsupport::MessageFuzzResult result = fuzzer.Run(m_hwnd, count);
    EXPECT_FALSE(result.stoppedAnswering) << "after " << result.sent;
    EXPECT_FALSE(result.ended) << "after " << result.sent;
    PostedQuitCode();
    printf("store window messages: %u inputs, %u sent, %.1f s\n", count, result.sent,
           std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

// Opened and closed many times (TAVI_FUZZ_ITERATIONS sets the count), the
// window leaves no handle or window behind, and memory settles.
TEST_F(StoreFrameTest, OpenedAndClosedManyTimesLeavesNothing) {
    auto cycle = [this] {
        Open();
        RECT client;
        GetClientRect(m_hwnd, &client);
        m_frame->Manager().RootControl()->SetPos(client);
        DestroyWindow(m_hwnd);  // deletes the frame
        m_frame = nullptr;
        PumpUntil([] { return false; }, 20);
    };
    cycle();  // first use sets up what lives for the process
    cycle();
    const unsigned rounds = testsupport::FuzzIterations(20);
    const testsupport::HandleCounts before = testsupport::HandleCounts::Now(true);
    const size_t memoryBefore = testsupport::CommittedPrivateBytes();
    ASSERT_GT(memoryBefore, 0u);
    const auto start = std::chrono::steady_clock::now();
    for (unsigned i = 0; i < rounds; ++i) cycle();
    const testsupport::HandleCounts after = testsupport::HandleCounts::Now(true);
    const size_t memoryAfter = testsupport::CommittedPrivateBytes();
    EXPECT_EQ(after, before);
    const long long grown = static_cast<long long>(memoryAfter) - static_cast<long long>(memoryBefore);
    EXPECT_LT(grown, 4ll * 1024 * 1024 + 16ll * 1024 * rounds);
    printf("store window cycles: %u inputs, committed private memory %+lld KB, %.1f s\n", rounds, grown / 1024,
           std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

}  // namespace
