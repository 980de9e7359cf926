// The control base: attribute value forms, setters and their change
// protocol, search flags, events, delegates and border painting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/control/Container.h"
#include "skinui/control/Control.h"
#include "skinui/core/GdiHandles.h"
#include "tests/support/CaseNames.h"
#include "tests/support/TestControls.h"
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::FixedContainer;
using testsupport::RecordingControl;
using testsupport::TestWindow;

TEST(ControlAttributeTest, PosSetsRectangleFloatOffsetAndFixedSize) {
    struct Case {
        const char* value;
        RECT item;
        SIZE offset;
        SIZE fixed;
    };
    const Case cases[] = {
        {"10,20,110,50", {10, 20, 110, 50}, {10, 20}, {100, 30}},
        {"-1,-1,-1,-1", {-1, -1, -1, -1}, {-1, -1}, {0, 0}},
        {"50,0,10,20", {50, 0, 50, 20}, {50, 0}, {7, 20}},  // width kept (7)
    };
    for (const Case& c : cases) {
        CControlUI control;
        control.SetFixedWidth(7);
        control.SetAttribute("pos", c.value);
        SCOPED_TRACE(c.value);
        EXPECT_TRUE(EqualRect(&control.GetPos(), &c.item));
        EXPECT_EQ(control.GetFloatOffset().cx, c.offset.cx);
        EXPECT_EQ(control.GetFloatOffset().cy, c.offset.cy);
        EXPECT_EQ(control.GetFixedWidth(), c.fixed.cx);
        EXPECT_EQ(control.GetFixedHeight(), c.fixed.cy);
    }
}

struct ColorCase {
    const char* name;
    const char* value;
    DWORD expected;
};

class ColorAttributeTest : public testing::TestWithParam<ColorCase> {};

TEST_P(ColorAttributeTest, ParsesItsForm) {
    CControlUI control;
    control.SetAttribute(GetParam().name, GetParam().value);
    const std::string name = GetParam().name;
    const DWORD got = name == "bordercolor" ? control.GetBorderColor() : control.GetBkColor();
    EXPECT_EQ(got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ColorAttributeTest,
                         testing::Values(ColorCase{"bkcolor", " #FF102030", 0xFF102030},
                                         ColorCase{"bkcolor1", "\t\nFF102030", 0xFF102030},
                                         ColorCase{"bkcolor", "#00FF00", 0x0000FF00},
                                         ColorCase{"bkcolor", "junk", 0},
                                         ColorCase{"bordercolor", " #FF102030", 0},
                                         ColorCase{"bordercolor", "#FF102030", 0xFF102030}),
                         testsupport::CaseIndex());

TEST(ControlAttributeTest, BorderSizeFormsAndTooltipLineBreaks) {
    CControlUI control;
    control.SetAttribute("bordersize", "1,2,3,4");
    RECT sides = control.GetBorderSizes();
    EXPECT_EQ(sides.left + sides.top + sides.right + sides.bottom, 10);
    control.SetAttribute("bordersize", "2");
    sides = control.GetBorderSizes();
    EXPECT_EQ(control.GetBorderSize(), 2);
    EXPECT_EQ(sides.left + sides.top + sides.right + sides.bottom, 0);
    control.SetAttribute("bordersize", "1,0,0,0");
    EXPECT_EQ(control.GetBorderSize(), 2);  // uniform size unchanged
    EXPECT_EQ(control.GetBorderSizes().left, 1);

    control.SetAttribute("tooltip", "a<n>b");
    EXPECT_STREQ(control.GetToolTip(), "a\r\nb");
    control.SetAttribute("shortcut", "xyz");
    EXPECT_EQ(control.GetShortcut(), 'x');
    control.SetAttribute("visible", "True");
    EXPECT_FALSE(control.IsVisible());  // only "true" is true
    control.SetAttribute("unknown", "1");  // ignored
}

TEST(ControlAttributeTest, ApplyAttributesStopsAtAnythingButOneSpace) {
    CControlUI control;
    control.ApplyAttributes("name=\"x\" text=\"hello\"  tooltip=\"never\"");
    EXPECT_STREQ(control.GetName(), "x");
    EXPECT_STREQ(control.GetText(), "hello");
    EXPECT_STREQ(control.GetToolTip(), "");
    control.ApplyAttributes("name=\"y\" text=unquoted");
    EXPECT_STREQ(control.GetName(), "y");
    control.ApplyAttributes("userdata=\"\x95\x5c\" name=\"\x81\x7c\"");
    EXPECT_STREQ(control.GetUserData(), "\x95\x5c");
    EXPECT_STREQ(control.GetName(), "\x81\x7c");
}

// Counts layout requests through the parent.
class LayoutCounter : public RecordingControl {
public:
    using RecordingControl::RecordingControl;
    int requests = 0;
};

TEST(ControlSetterTest, SizeSettersIgnoreNegativeAndUnchangedValues) {
    CPaintManagerUI manager;
    CControlUI control;
    control.SetManager(&manager, nullptr, false);
    control.SetPos(RECT{0, 0, 10, 10});  // clears the pending layout
    EXPECT_FALSE(control.IsLayoutPending());
    control.SetFixedWidth(-5);
    EXPECT_EQ(control.GetFixedWidth(), 0);
    control.SetMinWidth(0);  // unchanged: no layout request
    EXPECT_FALSE(control.IsLayoutPending());
    control.SetMinWidth(4);
    EXPECT_TRUE(control.IsLayoutPending());
    EXPECT_TRUE(manager.IsUpdateNeeded());
}

TEST(ControlFindTest, FlagsFilterWhatIsFound) {
    CControlUI control;
    control.SetPos(RECT{0, 0, 50, 50});
    const auto self = [](CControlUI* c, LPVOID) -> CControlUI* { return c; };
    POINT inside = {10, 10}, outside = {60, 10};
    EXPECT_EQ(control.FindControl(self, &inside, FIND_AT_POINT), &control);
    EXPECT_EQ(control.FindControl(self, &outside, FIND_AT_POINT), nullptr);
    control.SetMouseEnabled(false);
    EXPECT_EQ(control.FindControl(self, &inside, FIND_AT_POINT), nullptr);
    control.SetEnabled(false);
    EXPECT_EQ(control.FindControl(self, nullptr, FIND_ENABLED_ONLY), nullptr);
    control.SetVisible(false);
    EXPECT_EQ(control.FindControl(self, nullptr, FIND_VISIBLE_ONLY), nullptr);
    EXPECT_EQ(control.FindControl(self, nullptr, FIND_ALL), &control);
}

TEST(ControlEventTest, TimerNotifiesAndUnhandledEventsGoToTheParent) {
    TestWindow window(200, 100, false);
    auto* root = new FixedContainer;
    auto* child = root->Add(new RecordingControl("child", 0, RECT{0, 0, 10, 10}));
    window.Manager().AttachRoot(root);
    struct Log : INotifyUI {
        void Notify(TNotifyUI& msg) override {
            types.push_back(std::string(msg.sType));
            wParams.push_back(msg.wParam);
        }
        std::vector<std::string> types;
        std::vector<WPARAM> wParams;
    } log;
    window.Manager().AddNotifyTarget(&log);

    TControlEvent timer;
    timer.Type = EV_TIMER;
    timer.wParam = 7;
    child->DispatchEvent(timer);
    ASSERT_EQ(log.types, std::vector<std::string>{"timer"});
    EXPECT_EQ(log.wParams[0], 7u);

    TControlEvent menu;
    menu.Type = EV_CONTEXTMENU;
    menu.pSender = child;
    child->DispatchEvent(menu);
    ASSERT_FALSE(root->events.empty());
    EXPECT_EQ(root->events.back().Type, EV_CONTEXTMENU);
    EXPECT_EQ(root->events.back().pSender, child);
    child->SetMenuUsed(true);
    root->events.clear();
    child->DispatchEvent(menu);
    EXPECT_TRUE(root->events.empty());
    EXPECT_EQ(log.types.back(), "menu");
}

TEST(ControlEventTest, EventHandlersCanVeto) {
    struct Veto {
        int calls = 0;
        bool say = true;
        bool Handle(void*) {
            ++calls;
            return say;
        }
    } first, second;
    RecordingControl control;
    control.OnEvent += MakeDelegate(&first, &Veto::Handle);
    control.OnEvent += MakeDelegate(&first, &Veto::Handle);  // equal: not added twice
    control.OnEvent += MakeDelegate(&second, &Veto::Handle);
    EXPECT_EQ(control.OnEvent.Count(), 2);
    TControlEvent event;
    event.Type = EV_MOUSEMOVE;
    control.DispatchEvent(event);
    EXPECT_EQ(control.events.size(), 1u);
    first.say = false;
    control.DispatchEvent(event);
    EXPECT_EQ(control.events.size(), 1u);  // vetoed
    EXPECT_EQ(first.calls, 2);
    EXPECT_EQ(second.calls, 1);  // never asked after a veto
}

TEST(ControlPaintTest, BorderSidesDrawOnlyTheirLines) {
    TestWindow window(100, 60);
    auto* root = new FixedContainer;
    auto* boxed = root->Add(new RecordingControl("boxed", 0, RECT{10, 10, 90, 50}));
    root->SetBkColor(0xFFFFFFFF);
    boxed->SetBorderColor(0xFFFF0000);
    boxed->SetAttribute("bordersize", "1,0,0,0");
    window.Manager().AttachRoot(root);
    window.Paint();
    EXPECT_EQ(window.Pixel(10, 30), 0xFF0000u);  // the left line
    EXPECT_EQ(window.Pixel(50, 10), 0xFFFFFFu);  // no top line
    EXPECT_EQ(window.Pixel(89, 30), 0xFFFFFFu);  // no right line

    boxed->SetAttribute("bordersize", "2");
    window.Paint();
    EXPECT_EQ(window.Pixel(50, 10), 0xFF0000u);  // a whole outline now
    EXPECT_EQ(window.Pixel(89, 30), 0xFF0000u);
}

TEST(ControlPaintTest, TranslucentColourWithoutAlphaDigitsPaintsNothing) {
    TestWindow window(100, 60);
    auto* root = new FixedContainer;
    root->SetBkColor(0xFFFFFFFF);
    auto* green = root->Add(new RecordingControl("green", 0, RECT{0, 0, 50, 50}));
    green->SetAttribute("bkcolor", "#00FF00");
    window.Manager().AttachRoot(root);
    window.Paint();
    EXPECT_EQ(window.Pixel(20, 20), 0xFFFFFFu);
}

TEST(ControlPaintTest, MovingFarInvalidatesTheOldAndNewPlacesOnly) {
    TestWindow window(200, 200);
    auto* root = new CContainerUI;
    auto* moved = new CControlUI;
    root->Add(moved);
    window.Manager().AttachRoot(root);
    window.Paint();
    moved->SetPos(RECT{0, 0, 10, 10});
    ValidateRect(window.Handle(), nullptr);
    moved->SetPos(RECT{0, 190, 10, 200});
    RegionHandle update(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetUpdateRgn(window.Handle(), update.get(), FALSE), ERROR);
    EXPECT_TRUE(PtInRegion(update.get(), 5, 5));
    EXPECT_TRUE(PtInRegion(update.get(), 5, 195));
    // Not the rows in between: scrolling a long list far would repaint them all.
    EXPECT_FALSE(PtInRegion(update.get(), 5, 100));
}

}  // namespace
