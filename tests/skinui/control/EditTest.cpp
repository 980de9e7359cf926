// The edit: its native edit window made on focus and fed by real key
// messages, the notifications, password, read-only and length limits, the
// painted mask, and the native window and brush released with the control.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/control/DateTime.h"
#include "skinui/control/Edit.h"
#include "skinui/control/RichEdit.h"
#include "skinui/core/GdiHandles.h"
#include "skinui/core/PaintManager.h"
#include "skinui/core/SkinBuilder.h"
#include "tests/support/ControlHarness.h"
#include "tests/support/ThreadWindows.h"

namespace {

using namespace SkinUI;
using testsupport::ControlHarness;
using testsupport::ThreadWindowCount;

constexpr const char* kPlace = "float=\"true\" pos=\"10,10,210,40\" ";

// Characters as the keyboard would queue them for the focused native window.
void Type(ControlHarness& h, HWND target, const char* text) {
    for (const char* p = text; *p; ++p) PostMessageA(target, WM_CHAR, static_cast<unsigned char>(*p), 1);
    h.window.Pump();
}

CEditUI* AddFocusedEdit(ControlHarness& h, const std::string& attributes) {
    auto* edit = h.Add<CEditUI>((kPlace + attributes).c_str());
    h.window.Paint();
    edit->SetFocus();
    h.window.Pump();
    return edit;
}

TEST(EditTest, FocusPlacesANativeEditOverTheTextArea) {
    ControlHarness h;
    auto* edit = AddFocusedEdit(h, "text=\"hello\"");
    HWND native = edit->GetNativeWindow();
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(GetParent(native), h.window.Handle());
    EXPECT_TRUE(IsWindowVisible(native));
    EXPECT_EQ(GetFocus(), native);
    char text[32] = {};
    GetWindowTextA(native, text, sizeof(text));
    EXPECT_STREQ(text, "hello");
    RECT rc;
    GetWindowRect(native, &rc);
    MapWindowPoints(HWND_DESKTOP, h.window.Handle(), reinterpret_cast<POINT*>(&rc), 2);
    // Inside the text padding 4,3,4,3, one font line high, centred.
    EXPECT_EQ(rc.left, 14);
    EXPECT_EQ(rc.right, 206);
    EXPECT_GE(rc.top, 13);
    EXPECT_LE(rc.bottom, 37);
    EXPECT_EQ(rc.top - 13, 37 - rc.bottom);
}

TEST(EditTest, TypedCharactersReachTheTextWithOneNotificationEach) {
    ControlHarness h;
    auto* edit = AddFocusedEdit(h, "");
    h.log.Clear();
    Type(h, edit->GetNativeWindow(), "abc");
    EXPECT_EQ(std::string(edit->GetText()), "abc");
    EXPECT_EQ(h.log.Joined(), "textchanged textchanged textchanged");
    for (CControlUI* sender : h.log.senders) EXPECT_EQ(sender, edit);
}

TEST(EditTest, EnterSendsReturnAndLeavesTheText) {
    ControlHarness h;
    auto* edit = AddFocusedEdit(h, "text=\"query\"");
    h.log.Clear();
    PostMessageA(edit->GetNativeWindow(), WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(edit->GetNativeWindow(), WM_KEYUP, VK_RETURN, 0xC0000001);
    h.window.Pump();
    EXPECT_EQ(h.log.Joined(), "return");
    EXPECT_EQ(std::string(edit->GetText()), "query");
}

struct ClickCase {
    const char* name;
    bool focusedFirst;  // the first paint gives the first tab stop the focus
    POINT at;
};

class EditClickTest : public testing::TestWithParam<ClickCase> {};

// A press on the edit (text area or padding, focused or not) leaves its
// native window open with all of its text selected.
TEST_P(EditClickTest, PressSelectsAllTextOfTheNativeWindow) {
    ControlHarness h;
    if (!GetParam().focusedFirst) h.Add<CEditUI>("float=\"true\" pos=\"10,100,210,130\"");
    auto* edit = h.Add<CEditUI>((std::string(kPlace) + "text=\"hello\"").c_str());
    h.window.Paint();
    h.window.Pump();
    ASSERT_EQ(edit->GetNativeWindow() != nullptr, GetParam().focusedFirst);
    h.Click(GetParam().at.x, GetParam().at.y);
    h.window.Pump();
    ASSERT_NE(edit->GetNativeWindow(), nullptr);
    EXPECT_EQ(GetFocus(), edit->GetNativeWindow());
    DWORD start = 9, end = 9;
    SendMessageA(edit->GetNativeWindow(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditClickTest,
                         testing::Values(ClickCase{"UnfocusedText", false, {100, 25}},
                                         ClickCase{"UnfocusedPadding", false, {12, 12}},
                                         ClickCase{"FocusedPadding", true, {12, 12}}),
                         [](const testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.name); });

struct LimitCase {
    const char* attributes;
    const char* typed;
    const char* text;
};

class EditLimitTest : public testing::TestWithParam<LimitCase> {};

TEST_P(EditLimitTest, NativeWindowKeepsTheLimits) {
    ControlHarness h;
    auto* edit = AddFocusedEdit(h, GetParam().attributes);
    Type(h, edit->GetNativeWindow(), GetParam().typed);
    EXPECT_EQ(std::string(edit->GetText()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditLimitTest,
                         testing::Values(LimitCase{"", "abcdef", "abcdef"},
                                         LimitCase{"maxchar=\"3\"", "abcdef", "abc"},
                                         LimitCase{"readonly=\"true\" text=\"ro\"", "xyz", "ro"},
                                         LimitCase{"numberonly=\"true\"", "a1b2", "12"}));

TEST(EditTest, PasswordModeMasksTheNativeWindow) {
    ControlHarness h;
    auto* edit = AddFocusedEdit(h, "password=\"true\" text=\"secret\"");
    HWND native = edit->GetNativeWindow();
    ASSERT_NE(native, nullptr);
    EXPECT_TRUE(GetWindowLongA(native, GWL_STYLE) & ES_PASSWORD);
    EXPECT_EQ(SendMessageA(native, EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_EQ(std::string(edit->GetText()), "secret");
}

// The painted text of an unfocused edit, as pixels of its rectangle.
std::vector<uint32_t> PaintedEdit(const char* attributes) {
    ControlHarness h;
    h.Add<CEditUI>((std::string(kPlace) + attributes).c_str());
    h.window.Paint();
    int w = 0, hgt = 0;
    const std::vector<uint32_t> all = h.window.Capture(w, hgt);
    std::vector<uint32_t> area;
    for (int y = 10; y < 40; ++y)
        for (int x = 10; x < 210; ++x) area.push_back(all[static_cast<size_t>(y) * w + x] & 0xFFFFFF);
    return area;
}

TEST(EditTest, PasswordPaintsOneAsteriskPerDoubleByteCharacter) {
    // Five GBK characters of two bytes each.
    const std::vector<uint32_t> masked = PaintedEdit("password=\"true\" text=\"应用商店测\"");
    EXPECT_EQ(masked, PaintedEdit("text=\"*****\""));
    EXPECT_NE(masked, PaintedEdit("text=\"**********\""));
}

TEST(EditTest, PlaceholderPaintsGreyOnlyWhileEnabled) {
    const auto grey = [](const std::vector<uint32_t>& pixels) {
        int count = 0;
        for (uint32_t px : pixels) count += px == 0x7F7F7F;
        return count;
    };
    EXPECT_GT(grey(PaintedEdit("placeholder=\"search\"")), 0);
    EXPECT_EQ(grey(PaintedEdit("placeholder=\"search\" enabled=\"false\"")), 0);
    EXPECT_EQ(grey(PaintedEdit("placeholder=\"search\" text=\"x\"")), 0);
}

TEST(EditTest, NativeWindowClosesWhenTheFocusMovesOn) {
    ControlHarness h;
    auto* edit = AddFocusedEdit(h, "");
    auto* other = h.Add<CEditUI>("float=\"true\" pos=\"10,50,210,80\"");
    ASSERT_EQ(ThreadWindowCount("EditWnd"), 1);
    Type(h, edit->GetNativeWindow(), "kept");
    other->SetFocus();
    h.window.Pump();
    EXPECT_EQ(edit->GetNativeWindow(), nullptr);
    EXPECT_NE(other->GetNativeWindow(), nullptr);
    EXPECT_EQ(ThreadWindowCount("EditWnd"), 1);
    EXPECT_EQ(std::string(edit->GetText()), "kept");
}

TEST(EditTest, RemovingTheControlReleasesItsNativeWindowAndBrush) {
    ControlHarness h;
    h.window.Manager().FontByIndex(-1);
    h.window.Paint();
    const long gdiBefore = LiveHandleCount(HandleKind::GdiObject);
    auto* edit = AddFocusedEdit(h, "nativebkcolor=\"#FFFFE0E0\" text=\"abc\"");
    HWND native = edit->GetNativeWindow();
    ASSERT_NE(native, nullptr);
    RedrawWindow(native, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_GT(LiveHandleCount(HandleKind::GdiObject), gdiBefore);  // the background brush
    h.root->Remove(edit);
    h.window.Pump();
    EXPECT_FALSE(IsWindow(native));
    EXPECT_EQ(ThreadWindowCount("EditWnd"), 0);
    EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), gdiBefore);
}

TEST(EditTest, MovingTheControlMovesTheNativeWindow) {
    ControlHarness h;
    auto* edit = AddFocusedEdit(h, "");
    edit->SetPos(RECT{50, 100, 250, 130});
    RECT rc;
    GetWindowRect(edit->GetNativeWindow(), &rc);
    MapWindowPoints(HWND_DESKTOP, h.window.Handle(), reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(rc.left, 54);
    EXPECT_EQ(rc.right, 246);
}

TEST(EditTest, MeasuresOneFontLinePlusSix) {
    ControlHarness h;
    auto* edit = h.Add<CEditUI>("width=\"80\"");
    const SIZE size = edit->MeasureSize(SIZE{300, 200});
    EXPECT_EQ(size.cx, 80);
    EXPECT_EQ(size.cy, h.window.Manager().FontInfoByIndex(-1)->tm.tmHeight + 6);
}

TEST(EditTest, HidingTheControlClosesItsNativeWindow) {
    ControlHarness h;
    auto* edit = AddFocusedEdit(h, "");
    ASSERT_NE(edit->GetNativeWindow(), nullptr);
    edit->SetVisible(false);
    h.window.Pump();
    EXPECT_EQ(edit->GetNativeWindow(), nullptr);
    EXPECT_EQ(h.window.Manager().FocusedControl(), nullptr);
}

TEST(InputElementsTest, SkinElementsMakeTheInputControls) {
    testsupport::TestWindow window;
    CSkinBuilder builder;
    CControlUI* root = builder.Build(
        "<Window><VerticalLayout><Edit name=\"search\" maxchar=\"20\"/><DateTime/>"
        "<RichEdit text=\"rich\"/></VerticalLayout></Window>",
        nullptr, nullptr, &window.Manager());
    ASSERT_NE(root, nullptr);
    window.Manager().AttachRoot(root);
    auto* container = static_cast<IContainerUI*>(root->AsInterface("IContainer"));
    ASSERT_NE(container, nullptr);
    std::vector<std::string> types;
    for (int i = 0; i < container->GetCount(); ++i) types.push_back(container->GetItemAt(i)->GetTypeName());
    EXPECT_EQ(types, (std::vector<std::string>{"EditUI", "DateTimeUI", "RichEditUI"}));
    auto* search = static_cast<CEditUI*>(window.Manager().FindControl("search")->AsInterface("Edit"));
    ASSERT_NE(search, nullptr);
    EXPECT_EQ(search->GetMaxChar(), 20u);
    EXPECT_EQ(std::string(container->GetItemAt(2)->GetText()), "rich");
}

}  // namespace
