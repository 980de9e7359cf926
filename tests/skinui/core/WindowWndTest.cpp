// The window wrapper: an own class and a super-classed system class, both
// procedures attaching and letting go of the object, and centring.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "skinui/core/WindowWnd.h"

namespace {

using SkinUI::CWindowWnd;

class PlainWindow : public CWindowWnd {
public:
    const char* WindowClassName() const override { return "SkinUITestPlain"; }
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(msg);
        return CWindowWnd::HandleMessage(msg, wParam, lParam);
    }
    void OnFinalMessage(HWND hwnd) override { finalWindow = hwnd; }
    std::vector<UINT> seen;
    HWND finalWindow = nullptr;
};

class SuperEdit : public PlainWindow {
public:
    const char* WindowClassName() const override { return "SkinUITestSuperEdit"; }
    const char* GetSuperClassName() const override { return "EDIT"; }
};

TEST(WindowWndTest, OwnClassRoutesMessagesAndEndsWithTheFinalMessage) {
    PlainWindow window;
    HWND hwnd = window.Create(nullptr, "plain", WS_POPUP, 0, 0, 0, 50, 50);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(window.GetHWND(), hwnd);
    window.SendMessageA(WM_USER + 7, 1, 2);
    EXPECT_EQ(window.seen.back(), WM_USER + 7u);
    DestroyWindow(hwnd);
    EXPECT_EQ(window.GetHWND(), nullptr);
    EXPECT_EQ(window.finalWindow, hwnd);
    // A second window of the same class: registration counts as done.
    PlainWindow again;
    EXPECT_NE(again.Create(nullptr, "again", WS_POPUP, 0, 0, 0, 10, 10), nullptr);
    DestroyWindow(again.GetHWND());
}

TEST(WindowWndTest, SuperClassedEditKeepsTheEditBehaviour) {
    SuperEdit edit;
    HWND hwnd = edit.Create(nullptr, "", WS_POPUP, 0, 0, 0, 100, 20);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(GetPropA(hwnd, "WndX"), static_cast<HANDLE>(static_cast<CWindowWnd*>(&edit)));
    SetWindowTextA(hwnd, "typed");
    char text[16] = {};
    GetWindowTextA(hwnd, text, sizeof(text));
    EXPECT_STREQ(text, "typed");  // the edit class's own procedure did it
    EXPECT_EQ(edit.SendMessageA(WM_GETTEXTLENGTH), 5);
    DestroyWindow(hwnd);
    EXPECT_EQ(GetPropA(hwnd, "WndX"), nullptr);
    EXPECT_EQ(edit.finalWindow, hwnd);
}

TEST(WindowWndTest, CenterWindowCentresOnTheOwnerInsideTheWorkArea) {
    PlainWindow owner;
    ASSERT_NE(owner.Create(nullptr, "owner", WS_POPUP | WS_VISIBLE, 0, 100, 100, 400, 300), nullptr);
    PlainWindow owned;
    ASSERT_NE(owned.Create(owner.GetHWND(), "owned", WS_POPUP, 0, 0, 0, 100, 50), nullptr);
    owned.CenterWindow();
    RECT rc;
    GetWindowRect(owned.GetHWND(), &rc);
    EXPECT_EQ(rc.left, 250);  // centre of 100..500 less half of 100
    EXPECT_EQ(rc.top, 225);
    // Without an owner: centred on the work area, and kept inside it.
    PlainWindow alone;
    ASSERT_NE(alone.Create(nullptr, "alone", WS_POPUP, 0, -500, -500, 100, 50), nullptr);
    alone.CenterWindow();
    GetWindowRect(alone.GetHWND(), &rc);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(rc.left, (work.left + work.right) / 2 - 50);
    EXPECT_GE(rc.top, work.top);
    DestroyWindow(owned.GetHWND());
    DestroyWindow(alone.GetHWND());
    DestroyWindow(owner.GetHWND());
}

}  // namespace
