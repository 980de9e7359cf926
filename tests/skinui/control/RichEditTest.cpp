// The rich edit on the system's windowless text services: text and RTF in
// and out, typing through real messages, Enter and Tab as its flags say,
// scrolling a long text with its own bar, drawing, and the text services and
// their library released with the control.
#include <gtest/gtest.h>

#include <string>

#include "skinui/control/Edit.h"
#include "skinui/control/RichEdit.h"
#include "skinui/control/ScrollBar.h"
#include "skinui/control/TextHost.h"
#include "skinui/core/PaintManager.h"
#include "tests/support/ControlHarness.h"

namespace {

using namespace SkinUI;
using testsupport::ControlHarness;

constexpr const char* kPlace = "float=\"true\" pos=\"10,10,210,110\" ";

CRichEditUI* AddRichEdit(ControlHarness& h, const std::string& attributes) {
    auto* edit = h.Add<CRichEditUI>((kPlace + attributes).c_str());
    h.window.Paint();
    return edit;
}

// Queued as the keyboard would queue them, through the toolkit's message loop steps.
void Post(ControlHarness& h, UINT msg, WPARAM wParam) {
    PostMessageA(h.window.Handle(), msg, wParam, 1);
    h.window.Pump();
}

void Type(ControlHarness& h, const char* text) {
    for (const char* p = text; *p; ++p) PostMessageA(h.window.Handle(), WM_CHAR, static_cast<unsigned char>(*p), 1);
    h.window.Pump();
}

// Ctrl held (or not) for GetKeyState while a test sends keys.
class ControlKey {
public:
    explicit ControlKey(bool down) {
        GetKeyboardState(m_saved);
        BYTE state[256];
        memcpy(state, m_saved, sizeof(state));
        state[VK_CONTROL] = down ? 0x80 : 0;
        SetKeyboardState(state);
    }
    ~ControlKey() { SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

TEST(RichEditTest, HasTextServicesAndTheGivenText) {
    ControlHarness h;
    auto* edit = AddRichEdit(h, "text=\"first words\"");
    ASSERT_NE(edit->GetTextServices(), nullptr);
    EXPECT_EQ(std::string(edit->GetText()), "first words");
    edit->SetText("应用商店 store");
    EXPECT_EQ(std::string(edit->GetText()), "应用商店 store");
    EXPECT_EQ(edit->GetTextLength(), 10);
}

TEST(RichEditTest, RtfInGivesFormattedTextAndRtfOut) {
    ControlHarness h;
    auto* edit = AddRichEdit(h, "");
    ASSERT_TRUE(edit->SetRtf("{\\rtf1\\ansi {\\b bold} plain}"));
    EXPECT_EQ(std::string(edit->GetText()), "bold plain");

    CHARFORMAT2W format = {};
    edit->SetSel(0, 4);
    EXPECT_EQ(std::string(edit->GetSelText()), "bold");
    ASSERT_TRUE(edit->GetSelectionCharFormat(format));
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
    edit->SetSel(5, 10);
    ASSERT_TRUE(edit->GetSelectionCharFormat(format));
    EXPECT_FALSE(format.dwEffects & CFE_BOLD);

    const std::string rtf = edit->GetRtf().GetData();
    EXPECT_EQ(rtf.rfind("{\\rtf", 0), 0u) << rtf;
    EXPECT_NE(rtf.find("\\b"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("plain"), std::string::npos) << rtf;
}

TEST(RichEditTest, ReplaceSelectionAndFormatIt) {
    ControlHarness h;
    auto* edit = AddRichEdit(h, "text=\"ac\"");
    edit->SetSel(1, 1);
    edit->ReplaceSel("b");
    EXPECT_EQ(std::string(edit->GetText()), "abc");
    CHARFORMAT2W format = {};
    format.dwMask = CFM_ITALIC;
    format.dwEffects = CFE_ITALIC;
    edit->SetSel(0, 1);
    ASSERT_TRUE(edit->SetSelectionCharFormat(format));
    CHARFORMAT2W read = {};
    edit->GetSelectionCharFormat(read);
    EXPECT_TRUE(read.dwEffects & CFE_ITALIC);
}

TEST(RichEditTest, ClickFocusesAndTypedCharactersGoIn) {
    ControlHarness h;
    h.Add<CEditUI>("float=\"true\" pos=\"10,150,210,180\"");  // takes the first focus
    auto* edit = AddRichEdit(h, "");
    h.window.Pump();
    EXPECT_FALSE(edit->IsFocused());
    h.Click(100, 50);
    EXPECT_TRUE(edit->IsFocused());
    Type(h, "typed");
    EXPECT_EQ(std::string(edit->GetText()), "typed");
}

TEST(RichEditTest, ReadOnlyKeepsItsText) {
    ControlHarness h;
    auto* edit = AddRichEdit(h, "readonly=\"true\" text=\"fixed\"");
    edit->SetFocus();
    Type(h, "xyz");
    EXPECT_EQ(std::string(edit->GetText()), "fixed");
}

struct EnterCase {
    const char* name;
    const char* attributes;
    bool ctrl;
    bool sendsReturn;
};

class RichEditEnterTest : public testing::TestWithParam<EnterCase> {};

TEST_P(RichEditEnterTest, EnterGoesInOrSendsReturn) {
    ControlHarness h;
    auto* edit = AddRichEdit(h, std::string("text=\"ab\" ") + GetParam().attributes);
    edit->SetFocus();
    edit->SetSel(1, 1);
    h.log.Clear();
    {
        ControlKey ctrl(GetParam().ctrl);
        Post(h, WM_KEYDOWN, VK_RETURN);
        Post(h, WM_KEYUP, VK_RETURN);
    }
    EXPECT_EQ(h.log.Joined(), GetParam().sendsReturn ? "return" : "");
    if (GetParam().sendsReturn) {
        EXPECT_EQ(std::string(edit->GetText()), "ab");
    } else {
        EXPECT_EQ(edit->GetLineCount(), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RichEditEnterTest,
    testing::Values(EnterCase{"Wanted", "", false, false},
                    EnterCase{"NotWanted", "wantreturn=\"false\"", false, true},
                    EnterCase{"CtrlWanted", "", true, false},
                    EnterCase{"CtrlNotWanted", "wantctrlreturn=\"false\"", true, true},
                    EnterCase{"NotWantedWithCtrl", "wantreturn=\"false\"", true, true}),
    [](const testing::TestParamInfo<EnterCase>& info) { return std::string(info.param.name); });

struct TabCase {
    const char* name;
    const char* attributes;
    bool keepsFocus;
};

class RichEditTabTest : public testing::TestWithParam<TabCase> {};

TEST_P(RichEditTabTest, TabGoesToTheRichEditOnlyWhenItWantsIt) {
    ControlHarness h;
    auto* edit = AddRichEdit(h, std::string("text=\"ab\" ") + GetParam().attributes);
    auto* next = h.Add<CEditUI>("float=\"true\" pos=\"10,150,210,180\"");
    h.window.Paint();
    edit->SetFocus();
    edit->SetSel(1, 1);
    Post(h, WM_KEYDOWN, VK_TAB);
    Post(h, WM_KEYUP, VK_TAB);
    if (GetParam().keepsFocus) {
        EXPECT_TRUE(edit->IsFocused());
        EXPECT_EQ(std::string(edit->GetText()), "a\tb");
    } else {
        EXPECT_TRUE(next->IsFocused());
        EXPECT_EQ(std::string(edit->GetText()), "ab");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RichEditTabTest,
                         testing::Values(TabCase{"Wanted", "", true},
                                         TabCase{"NotWanted", "wanttab=\"false\"", false}),
                         [](const testing::TestParamInfo<TabCase>& info) { return std::string(info.param.name); });

TEST(RichEditTest, LongTextScrollsWithItsOwnBar) {
    ControlHarness h;
    auto* edit = AddRichEdit(h, "vscrollbar=\"true\" autovscroll=\"true\"");
    std::string text;
    for (int i = 0; i < 40; ++i) text += "line " + std::to_string(i) + "\r\n";
    edit->SetText(text.c_str());
    h.window.Paint();
    h.window.Paint();
    CScrollBarUI* bar = edit->GetVerticalScrollBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_GT(bar->GetScrollRange(), 0);
    // The text leaves room for the bar at the right.
    EXPECT_EQ(edit->GetTextHost()->GetClientRect().right, 210 - bar->GetFixedWidth());
    EXPECT_EQ(edit->GetFirstVisibleLine(), 0);

    edit->ScrollPageDown();
    EXPECT_GT(edit->GetFirstVisibleLine(), 0);
    EXPECT_GT(bar->GetScrollPos(), 0);
    edit->ScrollToBottom();
    EXPECT_GT(edit->GetFirstVisibleLine(), 30);
    edit->ScrollToTop();
    EXPECT_EQ(edit->GetFirstVisibleLine(), 0);
    EXPECT_EQ(bar->GetScrollPos(), 0);

    // The bar's own moves reach the text.
    edit->SetScrollPos(SIZE{0, bar->GetScrollRange()});
    EXPECT_GT(edit->GetFirstVisibleLine(), 30);
}

TEST(RichEditTest, ShortTextShowsNoBar) {
    ControlHarness h;
    auto* edit = AddRichEdit(h, "vscrollbar=\"true\" text=\"short\"");
    h.window.Paint();
    ASSERT_NE(edit->GetVerticalScrollBar(), nullptr);
    EXPECT_FALSE(edit->GetVerticalScrollBar()->IsVisible());
}

TEST(RichEditTest, DrawsItsTextInTheTextColour) {
    ControlHarness h;
    auto* edit = AddRichEdit(h, "textcolor=\"#FFFF0000\"");
    const RECT area = {10, 10, 210, 110};
    const auto red = [](uint32_t px) {
        return testsupport::Red(px) > 150 && testsupport::Green(px) < 100 && testsupport::Blue(px) < 100;
    };
    EXPECT_EQ(h.Count(area, red), 0);
    edit->SetText("WWWW MMMM");
    EXPECT_GT(h.Count(area, red), 20);
}

TEST(RichEditTest, RemovingTheControlReleasesTextServicesAndLibrary) {
    ControlHarness h;
    h.window.Paint();
    const long modulesBefore = LiveHandleCount(HandleKind::Module);
    auto* edit = AddRichEdit(h, "text=\"bye\"");
    ASSERT_NE(edit->GetTextServices(), nullptr);
    edit->SetFocus();
    EXPECT_EQ(LiveHandleCount(HandleKind::Module), modulesBefore + 1);
    EXPECT_NE(GetModuleHandleA("msftedit.dll"), nullptr);
    // Held here so that the host can be asked after the control is gone.
    Microsoft::WRL::ComPtr<CTxtWinHost> host(edit->GetTextHost());
    h.root->Remove(edit);
    h.window.Pump();
    EXPECT_EQ(host->GetTextServices(), nullptr);
    EXPECT_EQ(LiveHandleCount(HandleKind::Module), modulesBefore);
    EXPECT_EQ(GetModuleHandleA("msftedit.dll"), nullptr);
    // Its message filter is gone too: keys reach nothing that was deleted.
    Post(h, WM_KEYDOWN, 'A');
    Post(h, WM_CHAR, 'a');
}

}  // namespace
