// Layouts in a real window: where the plain container, the vertical,
// horizontal and tile layouts put fixed, stretched, clamped, floated, padded,
// inset, child-padded and hidden children.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/control/Container.h"
#include "skinui/control/HorizontalLayout.h"
#include "skinui/control/TileLayout.h"
#include "skinui/control/VerticalLayout.h"
#include "tests/support/ContainerHelpers.h"
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::MakeControl;
using testsupport::RectText;
using testsupport::TestWindow;

enum class Kind { Container, Vertical, Horizontal, Tile };

struct LayoutCase {
    const char* name;
    Kind kind;
    SIZE window;
    const char* layoutAttributes;
    std::vector<const char*> children;  // attribute lists
    std::vector<const char*> expected;  // "l,t,r,b" per child; "" = not placed
};

CContainerUI* MakeLayout(Kind kind, const char* attributes) {
    switch (kind) {
        case Kind::Vertical: return MakeControl<CVerticalLayoutUI>(attributes);
        case Kind::Horizontal: return MakeControl<CHorizontalLayoutUI>(attributes);
        case Kind::Tile: return MakeControl<CTileLayoutUI>(attributes);
        default: return MakeControl<CContainerUI>(attributes);
    }
}

class LayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, PlacesChildren) {
    const LayoutCase& c = GetParam();
    TestWindow window(c.window.cx, c.window.cy);
    CContainerUI* layout = MakeLayout(c.kind, c.layoutAttributes);
    std::vector<CControlUI*> children;
    for (const char* attributes : c.children) {
        children.push_back(MakeControl(attributes));
        layout->Add(children.back());
    }
    window.Manager().AttachRoot(layout);
    window.Paint();
    ASSERT_EQ(children.size(), c.expected.size());
    for (size_t i = 0; i < children.size(); ++i) {
        SCOPED_TRACE("child " + std::to_string(i));
        const std::string expected = c.expected[i];
        if (expected.empty()) EXPECT_EQ(RectText(children[i]->GetPos()), "0,0,0,0");
        else EXPECT_EQ(RectText(children[i]->GetPos()), expected);
    }
}

const LayoutCase kCases[] = {
    // Plain container: every child gets the inner rectangle; floats their own place.
    {"ContainerWholeInner", Kind::Container, {200, 100}, "inset=\"5,6,7,8\"",
     {"", "height=\"10\""}, {"5,6,193,92", "5,6,193,92"}},
    {"ContainerFloat", Kind::Container, {200, 100}, "",
     {"float=\"true\" pos=\"20,30,70,60\"", "visible=\"false\""}, {"20,30,70,60", ""}},

    {"VerticalSharedRest", Kind::Vertical, {200, 100}, "", {"", "", ""},
     {"0,0,200,33", "0,33,200,66", "0,66,200,100"}},
    {"VerticalFixedAndStretched", Kind::Vertical, {200, 100}, "", {"height=\"20\"", "", "height=\"30\""},
     {"0,0,200,20", "0,20,200,70", "0,70,200,100"}},
    // The bottom edge includes the bottom padding; the paddings and spacing
    // of the placed child still count against the stretched one.
    {"VerticalChildPaddingAndPadding", Kind::Vertical, {200, 100}, "childpadding=\"10\"",
     {"height=\"20\" padding=\"0,5,0,5\"", ""}, {"0,5,200,30", "0,40,200,80"}},
    {"VerticalMinAboveShare", Kind::Vertical, {200, 100}, "", {"minheight=\"80\"", ""},
     {"0,0,200,80", "0,80,200,100"}},
    {"VerticalMaxClamp", Kind::Vertical, {200, 300}, "", {"maxheight=\"50\""}, {"0,0,200,50"}},
    {"VerticalWidthPaddingAndMaxWidth", Kind::Vertical, {200, 100}, "",
     {"width=\"50\" height=\"30\" padding=\"10,0,0,0\"", "maxwidth=\"80\""}, {"10,0,60,30", "0,30,80,100"}},
    {"VerticalInset", Kind::Vertical, {200, 100}, "inset=\"10,10,10,10\"", {""}, {"10,10,190,90"}},
    {"VerticalFloatAndHidden", Kind::Vertical, {200, 100}, "",
     {"float=\"true\" pos=\"20,30,70,60\"", "visible=\"false\"", "", ""},
     {"20,30,70,60", "", "0,0,200,50", "0,50,200,100"}},

    {"HorizontalSharedRest", Kind::Horizontal, {100, 40}, "", {"", "", ""},
     {"0,0,33,40", "33,0,66,40", "66,0,100,40"}},
    // The right edge includes the right padding.
    {"HorizontalChildPaddingAndPadding", Kind::Horizontal, {100, 40}, "childpadding=\"10\"",
     {"width=\"20\" padding=\"5,0,5,0\"", ""}, {"5,0,30,40", "40,0,80,40"}},
    {"HorizontalHeightAndMinWidth", Kind::Horizontal, {100, 40}, "",
     {"width=\"20\" height=\"10\" padding=\"0,5,0,0\"", "minwidth=\"90\""}, {"0,5,20,15", "20,0,110,40"}},
    {"HorizontalInsetFloatHidden", Kind::Horizontal, {100, 40}, "inset=\"4,2,4,2\"",
     {"float=\"true\" pos=\"1,1,11,11\"", "visible=\"false\"", "maxheight=\"20\""},
     {"1,1,11,11", "", "4,2,96,22"}},

    // "itemsize" decides the columns; "columns" then does nothing.
    {"TileItemSize", Kind::Tile, {300, 200}, "itemsize=\"100,80\" columns=\"2\"",
     {"height=\"80\"", "height=\"80\"", "height=\"80\"", "height=\"80\"", "height=\"80\"", "height=\"80\""},
     {"0,0,100,80", "100,0,200,80", "200,0,300,80", "0,80,100,160", "100,80,200,160", "200,80,300,160"}},
    // One column: full width less the paddings; child padding separates rows.
    {"TileOneColumn", Kind::Tile, {300, 200}, "childpadding=\"10\"",
     {"height=\"30\" padding=\"5,0,5,0\"", "height=\"30\" padding=\"5,0,5,0\""}, {"5,0,295,30", "5,40,295,70"}},
    // Smaller children are centred in their cells; rows are as high as the tallest.
    {"TileColumnsCentred", Kind::Tile, {300, 200}, "columns=\"2\"",
     {"width=\"100\" height=\"40\"", "width=\"100\" height=\"20\"", "width=\"50\" height=\"10\""},
     {"25,0,125,40", "175,10,275,30", "50,40,100,50"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, LayoutTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST(FloatLayoutTest, RelativePositionMovesWithTheContainer) {
    TestWindow window(200, 100);
    auto* root = MakeControl<CContainerUI>("");
    CControlUI* child = MakeControl("float=\"true\" pos=\"10,10,30,30\" relativepos=\"50,0,0,0\"");
    root->Add(child);
    window.Manager().AttachRoot(root);
    window.Paint();
    EXPECT_EQ(RectText(child->GetPos()), "10,10,30,30");

    SetWindowPos(window.Handle(), nullptr, 0, 0, 300, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    window.Pump();
    window.Paint();
    EXPECT_EQ(RectText(root->GetPos()), "0,0,300,100");
    EXPECT_EQ(RectText(child->GetPos()), "60,10,80,30");
    // Moves accumulate from the last layout, not from the skin's position.
    SetWindowPos(window.Handle(), nullptr, 0, 0, 400, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    window.Pump();
    window.Paint();
    EXPECT_EQ(RectText(child->GetPos()), "110,10,130,30");
}

TEST(LayoutIdentityTest, TypeAndInterfaceNames) {
    CContainerUI container;
    CVerticalLayoutUI vertical;
    CHorizontalLayoutUI horizontal;
    CTileLayoutUI tile;
    EXPECT_STREQ(container.GetTypeName(), "ContainerUI");
    EXPECT_STREQ(vertical.GetTypeName(), "VerticalLayoutUI");
    EXPECT_STREQ(horizontal.GetTypeName(), "HorizontalLayoutUI");
    EXPECT_STREQ(tile.GetTypeName(), "TileLayoutUI");
    EXPECT_EQ(container.AsInterface("IContainer"), static_cast<IContainerUI*>(&container));
    EXPECT_EQ(vertical.AsInterface("Container"), static_cast<CContainerUI*>(&vertical));
    EXPECT_EQ(vertical.AsInterface("VerticalLayout"), &vertical);
    EXPECT_EQ(horizontal.AsInterface("HorizontalLayout"), &horizontal);
    EXPECT_EQ(tile.AsInterface("TileLayout"), &tile);
    EXPECT_EQ(tile.AsInterface("Control"), static_cast<CControlUI*>(&tile));
    EXPECT_EQ(vertical.AsInterface("HorizontalLayout"), nullptr);
}

TEST(LayoutIdentityTest, SeparatorWantsTheCursorOnlyWhenSetAndEnabled) {
    CVerticalLayoutUI vertical;
    EXPECT_EQ(vertical.GetInputFlags(), 0u);
    vertical.SetAttribute("sepheight", "4");
    EXPECT_EQ(vertical.GetInputFlags(), static_cast<UINT>(INPUT_WANTS_CURSOR));
    vertical.SetEnabled(false);
    EXPECT_EQ(vertical.GetInputFlags(), 0u);
    CHorizontalLayoutUI horizontal;
    horizontal.SetAttribute("sepwidth", "-3");
    EXPECT_EQ(horizontal.GetInputFlags(), static_cast<UINT>(INPUT_WANTS_CURSOR));
}

}  // namespace
