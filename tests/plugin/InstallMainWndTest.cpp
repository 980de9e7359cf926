// The uninstall window on the test's own thread with the product skin: pages,
// buttons, the progress timer and the private messages, through real window
// messages; the hand-over state is the plug-in's own.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "plugin/InstallMainWnd.h"
#include "plugin/PluginState.h"
#include "tests/plugin/PluginFolder.h"
#include "tests/support/CaseNames.h"
#include "tests/support/FuzzInputs.h"
#include "tests/support/MessageFuzzer.h"
#include "tests/support/ResourceCounts.h"

namespace {

using namespace SkinUI;
using testsupport::PointParam;

constexpr const char* kFolder = "D:\\Apps\\Crewlet";
// Hidden: a shown popup costs seconds under Xvfb, and nothing here needs pixels.
constexpr DWORD kHiddenStyle = 0x96C80000 & ~static_cast<DWORD>(WS_VISIBLE);

class InstallMainWndTest : public testing::Test {
protected:
    void SetUp() override {
        lstrcpynA(g_szResult, kFolder, kResultSize);
        g_hEvent.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        CPaintManagerUI::SetInstance(GetModuleHandleA(nullptr));
        CPaintManagerUI::SetResourcePath(plugintest::SkinFolder().c_str());
        CPaintManagerUI::SetResourceZip("skin.zip", false);
        ASSERT_TRUE(window.Create(nullptr, "VLInstallMainWindow", kHiddenStyle, WS_EX_WINDOWEDGE));
        LayOut();
    }

    void TearDown() override {
        if (window.GetHWND()) DestroyWindow(window.GetHWND());
        Pump();
        CPaintManagerUI::SetResourceZip("", false);
    }

    void LayOut() {
        RECT client;
        GetClientRect(window.GetHWND(), &client);
        if (CControlUI* root = window.PaintManager().RootControl()) root->SetPos(client);
    }

    CControlUI* Find(const char* name) { return window.PaintManager().FindControl(name); }
    int Page() { return static_cast<CTabLayoutUI*>(Find("switch"))->GetSelectedIndex(); }
    int Bar() { return static_cast<CProgressUI*>(Find("UnInstallProgress"))->GetValue(); }
    std::string Text() { return std::string(Find("UnInstalling")->GetText()); }
    bool EventSet() { return WaitForSingleObject(g_hEvent.get(), 0) == WAIT_OBJECT_0; }

    void Click(const char* name) {
        LayOut();
        CControlUI* control = Find(name);
        ASSERT_NE(control, nullptr) << name;
        const RECT& rc = control->GetPos();
        const LPARAM at = PointParam((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        window.SendMessageA(WM_MOUSEMOVE, 0, at);
        window.SendMessageA(WM_LBUTTONDOWN, MK_LBUTTON, at);
        window.SendMessageA(WM_LBUTTONUP, 0, at);
    }

    // Posts a key and runs the queue as the plug-in's message loop does.
    void Key(UINT msg, WPARAM key, LPARAM flags = 0) {
        PostMessageA(window.GetHWND(), msg, key, flags);
        Pump();
    }

    // Dispatches what is queued, as the toolkit's loop would; remembers a quit.
    void Pump() {
        MSG msg;
        for (int i = 0; i < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
            if (msg.message == WM_QUIT) {
                quitPosted = true;
                continue;
            }
            if (!CPaintManagerUI::PreTranslate(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }

    void StartUninstall() {
        Click("UninstallBtn");
        ASSERT_EQ(Page(), 1);
    }

    // Waits for the next tick of the window's own timer; false if none came.
    bool NextTimerTick() {
        for (int i = 0; i < 200; ++i) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_QUIT) {
                    quitPosted = true;
                    continue;
                }
                DispatchMessageA(&msg);
                if (msg.message == WM_TIMER && msg.wParam == CInstallMainWnd::kProgressTimer) return true;
            }
        }
        return false;
    }

    CInstallMainWnd window;
    bool quitPosted = false;
};

TEST_F(InstallMainWndTest, OpensOnTheStartPageWithTheSkinControls) {
    EXPECT_STREQ(window.WindowClassName(), "UninstallMainWnd");
    EXPECT_EQ(Page(), 0);
    for (const char* name : {"UninstallBtn", "CloseBtn", "CancelBtn", "MinBtn", "MinBtn1", "MinBtn2", "CloseBtn1",
                             "UnInstallFinish", "CloseBtn2", "UnInstalling", "UnInstallProgress"})
        EXPECT_NE(Find(name), nullptr) << name;
    EXPECT_EQ(Text(), "正在卸载…");
    EXPECT_TRUE(Find("CloseBtn1")->IsEnabled());
}

TEST_F(InstallMainWndTest, UninstallReleasesTheScriptAndCountsTo95ThenStops) {
    StartUninstall();
    EXPECT_TRUE(EventSet());
    EXPECT_STREQ(g_szResult, kFolder);
    EXPECT_FALSE(Find("CloseBtn1")->IsEnabled());
    EXPECT_FALSE(quitPosted);

    std::vector<std::string> texts;
    for (int tick = 1; tick <= 95; ++tick) {
        ASSERT_TRUE(NextTimerTick()) << "tick " << tick;
        texts.push_back(Text());
        EXPECT_EQ(Bar(), tick);
        if (tick == 20) {
            // The script's value shows until the next step of the timer.
            window.SendMessageA(WM_INSTALLPROGRESS, 60, 0);
            EXPECT_EQ(Bar(), 60);
            EXPECT_EQ(Text(), "正在卸载20%");
        }
    }
    EXPECT_EQ(texts.front(), "正在卸载1%");
    EXPECT_EQ(texts[49], "正在卸载50%");
    EXPECT_EQ(texts.back(), "正在卸载95%");
    // The timer is gone at 95: nothing is left to kill.
    EXPECT_FALSE(KillTimer(window.GetHWND(), CInstallMainWnd::kProgressTimer));

    // Only the bar follows the script from here, also beyond the range.
    window.SendMessageA(WM_INSTALLPROGRESS, 100, 0);
    EXPECT_EQ(Bar(), 100);
    EXPECT_EQ(Text(), "正在卸载95%");
}

TEST_F(InstallMainWndTest, ProgressValuesAreTakenAsSigned32BitIntegers) {
    auto* bar = static_cast<CProgressUI*>(Find("UnInstallProgress"));
    const struct {
        WPARAM sent;
        int shown;
    } cases[] = {{0, 0}, {37, 37}, {static_cast<WPARAM>(-5), -5}, {0xFFFFFFFFu, -1}, {250, 250}};
    for (const auto& c : cases) {
        EXPECT_EQ(window.SendMessageA(WM_INSTALLPROGRESS, c.sent, 0), 0);
        EXPECT_EQ(bar->GetValue(), c.shown) << c.sent;
    }
    EXPECT_EQ(Page(), 0);
}

TEST_F(InstallMainWndTest, FinishShowsThePageBeforeTheTimerEndsAndWaitsForTheUser) {
    StartUninstall();
    ASSERT_TRUE(NextTimerTick());
    EXPECT_EQ(window.SendMessageA(WM_INSTALLFINISH, 0, 0), 0);
    EXPECT_EQ(Page(), 2);
    EXPECT_FALSE(quitPosted);
    // The timer runs on behind the finish page.
    ASSERT_TRUE(NextTimerTick());
    EXPECT_EQ(Text(), "正在卸载2%");
    EXPECT_FALSE(quitPosted);
}

struct ClickCase {
    const char* button;
    bool fromFinishPage;
    const char* result;
};

class InstallMainWndClickTest : public InstallMainWndTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(InstallMainWndClickTest, EndsTheThreadWithTheRightResult) {
    if (GetParam().fromFinishPage) {
        StartUninstall();
        window.SendMessageA(WM_INSTALLFINISH, 0, 0);
    }
    Click(GetParam().button);
    Pump();
    EXPECT_TRUE(quitPosted);
    EXPECT_STREQ(g_szResult, GetParam().result);
    EXPECT_TRUE(EventSet());
}

INSTANTIATE_TEST_SUITE_P(Cases, InstallMainWndClickTest,
                         testing::Values(ClickCase{"CancelBtn", false, "close"}, ClickCase{"CloseBtn", false, "close"},
                                         ClickCase{"UnInstallFinish", true, kFolder},
                                         ClickCase{"CloseBtn2", true, kFolder}),
                         testsupport::CaseIndex());

struct KeyCase {
    int page;
    bool quits;
    bool released;
    const char* result;
};

class InstallMainWndKeyTest : public InstallMainWndTest, public testing::WithParamInterface<KeyCase> {
protected:
    void GoToPage(int page) {
        if (page >= 1) StartUninstall();
        if (page == 2) window.SendMessageA(WM_INSTALLFINISH, 0, 0);
        ASSERT_EQ(Page(), page);
        ResetEvent(g_hEvent.get());
    }
};

TEST_P(InstallMainWndKeyTest, EscapeFollowsThePage) {
    GoToPage(GetParam().page);
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_TRUE(IsWindow(window.GetHWND()));
    EXPECT_EQ(quitPosted, GetParam().quits);
    EXPECT_EQ(EventSet(), GetParam().released);
    EXPECT_STREQ(g_szResult, GetParam().result);
}

TEST_P(InstallMainWndKeyTest, AltF4AndTheSystemCloseDoNothing) {
    GoToPage(GetParam().page);
    Key(WM_SYSKEYDOWN, VK_F4, 1 << 29);
    window.SendMessageA(WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    EXPECT_TRUE(IsWindow(window.GetHWND()));
    EXPECT_EQ(Page(), GetParam().page);
    EXPECT_FALSE(quitPosted);
    EXPECT_FALSE(EventSet());
    EXPECT_STREQ(g_szResult, kFolder);
}

INSTANTIATE_TEST_SUITE_P(Pages, InstallMainWndKeyTest,
                         testing::Values(KeyCase{0, true, true, "close"}, KeyCase{1, false, false, kFolder},
                                         KeyCase{2, true, false, kFolder}),
                         testsupport::CaseIndex());

TEST_F(InstallMainWndTest, AWindowThatGoesWhileTheScriptWaitsCountsAsClosed) {
    DestroyWindow(window.GetHWND());
    Pump();
    EXPECT_TRUE(quitPosted);
    EXPECT_TRUE(EventSet());
    EXPECT_STREQ(g_szResult, "close");
}

TEST_F(InstallMainWndTest, AWindowThatGoesDuringTheUninstallEndsTheThreadOnly) {
    StartUninstall();
    DestroyWindow(window.GetHWND());
    Pump();
    EXPECT_TRUE(quitPosted);
    EXPECT_STREQ(g_szResult, kFolder);
}

// Windows of their own, beside the fixture's: opened, driven and ended.
class InstallMainWndRoundsTest : public InstallMainWndTest {
protected:
    // Ends `round` if input has not, and checks that the ending was clean.
    void End(CInstallMainWnd& round) {
        if (IsWindow(round.GetHWND())) DestroyWindow(round.GetHWND());
        Pump();
        EXPECT_TRUE(quitPosted);
        EXPECT_TRUE(EventSet());
        const std::string result = g_szResult;
        EXPECT_TRUE(result == "close" || result == kFolder) << result;
        quitPosted = false;
        lstrcpynA(g_szResult, kFolder, kResultSize);
        ResetEvent(g_hEvent.get());
    }
};

// Random input from a fixed seed (TAVI_FUZZ_ITERATIONS sets the count): the
// window answers until input ends it through its own buttons or keys, and
// every ending leaves a whole result and the script released.
TEST_F(InstallMainWndRoundsTest, RandomMessagesLeaveItAnsweringOrEndCleanly) {
    testsupport::MessageFuzzer fuzzer(20261211, {});
    const unsigned count = testsupport::FuzzIterations(600);
    unsigned sent = 0, endings = 0;
    const auto start = std::chrono::steady_clock::now();
    while (sent < count && !HasFailure()) {
        CInstallMainWnd round;
        ASSERT_TRUE(round.Create(nullptr, "VLInstallMainWindow", kHiddenStyle, WS_EX_WINDOWEDGE));
        const testsupport::MessageFuzzResult result = fuzzer.Run(round.GetHWND(), count - sent);
        EXPECT_FALSE(result.stoppedAnswering) << "after " << sent + result.sent;
        sent += result.sent + 1;
        if (result.ended) ++endings;
        End(round);
    }
    printf("uninstall window messages: %u inputs, %u endings by input, %.1f s\n", count, endings,
           std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

// Opened and closed many times (TAVI_FUZZ_ITERATIONS sets the count), the
// window leaves no handle or window behind, and memory settles.
TEST_F(InstallMainWndRoundsTest, OpenedAndClosedManyTimesLeavesNothing) {
    auto cycle = [this] {
        CInstallMainWnd round;
        ASSERT_TRUE(round.Create(nullptr, "VLInstallMainWindow", kHiddenStyle, WS_EX_WINDOWEDGE));
        RECT client;
        GetClientRect(round.GetHWND(), &client);
        round.PaintManager().RootControl()->SetPos(client);
        round.SendMessageA(WM_INSTALLPROGRESS, 50, 0);
        End(round);
    };
    cycle();
    cycle();
    const unsigned rounds = testsupport::FuzzIterations(40);
    const testsupport::HandleCounts before = testsupport::HandleCounts::Now(false);
    const size_t memoryBefore = testsupport::CommittedPrivateBytes();
    ASSERT_GT(memoryBefore, 0u);
    const auto start = std::chrono::steady_clock::now();
    for (unsigned i = 0; i < rounds && !HasFailure(); ++i) cycle();
    EXPECT_EQ(testsupport::HandleCounts::Now(false), before);
    const long long grown =
        static_cast<long long>(testsupport::CommittedPrivateBytes()) - static_cast<long long>(memoryBefore);
    EXPECT_LT(grown, 4ll * 1024 * 1024 + 16ll * 1024 * rounds);
    printf("uninstall window cycles: %u inputs, committed private memory %+lld KB, %.1f s\n", rounds, grown / 1024,
           std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

}  // namespace
