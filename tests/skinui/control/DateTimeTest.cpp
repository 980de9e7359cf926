// The date control: its "yyyy-mm-dd" text, the native date picker made on
// focus, the date read back when the focus leaves, the keys that clear or
// cancel, and the picker released with the control.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "skinui/control/DateTime.h"
#include "skinui/control/Edit.h"
#include "skinui/core/PaintManager.h"
#include "tests/support/ControlHarness.h"
#include "tests/support/ThreadWindows.h"

namespace {

using namespace SkinUI;
using testsupport::ControlHarness;
using testsupport::ThreadWindowCount;

SYSTEMTIME Date(WORD year, WORD month, WORD day) {
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wDayOfWeek = 0;
    return time;
}

// A date control that has the focus (so its picker), and an edit to move the focus to.
struct Fixture {
    Fixture() {
        other = h.Add<CEditUI>("float=\"true\" pos=\"10,100,210,130\"");
        date = h.Add<CDateTimeUI>("float=\"true\" pos=\"10,10,210,40\"");
        h.window.Paint();
        date->SetFocus();
        h.window.Pump();
    }
    void MoveFocusAway() {
        other->SetFocus();
        h.window.Pump();
    }
    ControlHarness h;
    CEditUI* other = nullptr;
    CDateTimeUI* date = nullptr;
};

TEST(DateTimeTest, ShowsTodayAsText) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char expected[16];
    snprintf(expected, sizeof(expected), "%4d-%02d-%02d", now.wYear, now.wMonth, now.wDay);
    CDateTimeUI date;
    EXPECT_EQ(std::string(date.GetText()), expected);
    date.SetTime(Date(2024, 2, 9));
    EXPECT_EQ(std::string(date.GetText()), "2024-02-09");
}

TEST(DateTimeTest, FocusOpensAPickerHoldingTheDate) {
    Fixture f;
    f.date->SetTime(Date(2023, 7, 14));
    f.date->SetFocus();  // already focused: the picker stays
    HWND picker = f.date->GetNativeWindow();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(GetParent(picker), f.h.window.Handle());
    EXPECT_EQ(GetFocus(), picker);
    SYSTEMTIME shown = {};
    ASSERT_EQ(SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)), GDT_VALID);
    EXPECT_EQ(shown.wYear, 2023);
    EXPECT_EQ(shown.wMonth, 7);
    EXPECT_EQ(shown.wDay, 14);
}

struct PickCase {
    const char* name;
    WPARAM keyReleased;  // 0: none
    const char* text;    // after the focus left
};

class DateTimePickTest : public testing::TestWithParam<PickCase> {};

TEST_P(DateTimePickTest, FocusLossReadsThePickedDateBack) {
    Fixture f;
    f.date->SetTime(Date(2020, 1, 1));
    HWND picker = f.date->GetNativeWindow();
    ASSERT_NE(picker, nullptr);
    SYSTEMTIME picked = Date(2024, 2, 29);
    SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&picked));
    if (GetParam().keyReleased) SendMessageA(picker, WM_KEYUP, GetParam().keyReleased, 0xC0000001);
    f.MoveFocusAway();
    EXPECT_FALSE(IsWindow(picker));
    EXPECT_EQ(f.date->GetNativeWindow(), nullptr);
    EXPECT_EQ(std::string(f.date->GetText()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, DateTimePickTest,
                         testing::Values(PickCase{"Picked", 0, "2024-02-29"},
                                         PickCase{"Escape", VK_ESCAPE, "2020-01-01"},
                                         PickCase{"Delete", VK_DELETE, ""},
                                         PickCase{"Backspace", VK_BACK, ""}),
                         [](const testing::TestParamInfo<PickCase>& info) { return std::string(info.param.name); });

TEST(DateTimeTest, PickedDateIsTheControlsTime) {
    Fixture f;
    SYSTEMTIME picked = Date(2019, 12, 31);
    SendMessageA(f.date->GetNativeWindow(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&picked));
    f.MoveFocusAway();
    EXPECT_EQ(f.date->GetTime().wYear, 2019);
    EXPECT_EQ(f.date->GetTime().wMonth, 12);
    EXPECT_EQ(f.date->GetTime().wDay, 31);
}

TEST(DateTimeTest, RemovingTheControlReleasesThePicker) {
    Fixture f;
    HWND picker = f.date->GetNativeWindow();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(ThreadWindowCount("DateTimeWnd"), 1);
    f.h.root->Remove(f.date);
    f.h.window.Pump();
    EXPECT_FALSE(IsWindow(picker));
    EXPECT_EQ(ThreadWindowCount("DateTimeWnd"), 0);
}

}  // namespace
