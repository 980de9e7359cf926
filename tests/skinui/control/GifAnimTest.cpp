// The animated image: frames and delays read from the file, the frame timer
// driven by hand, autoplay and autosize, stopping and visibility, the places
// the file is read from, unreadable files, and the pixels of each frame.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skinui/control/GifAnim.h"
#include "skinui/control/Label.h"
#include "skinui/core/BuiltInControls.h"
#include "skinui/core/PaintManager.h"
#include "tests/support/CaseNames.h"
#include "tests/support/ContainerHelpers.h"
#include "tests/support/ControlHarness.h"
#include "tests/support/Files.h"
#include "tests/support/ImageFiles.h"
#include "tests/support/ZipBuilder.h"

namespace {

using namespace SkinUI;
using testsupport::ControlHarness;

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr UINT kNoTimer = 0xFFFF;

std::string SolidGif(const std::vector<uint32_t>& colours, const std::vector<int>& delays, int width = 4,
                     int height = 4) {
    std::vector<std::vector<uint32_t>> frames;
    for (uint32_t colour : colours) frames.emplace_back(static_cast<size_t>(width) * height, colour);
    return testsupport::EncodeGif(width, height, frames, delays);
}

// A window with a resource folder; GDI+ runs while a label exists, as in a skin.
class GifAnimFixture : public testing::Test {
protected:
    GifAnimFixture() { CPaintManagerUI::SetResourcePath(m_folder.Path().c_str()); }
    ~GifAnimFixture() override {
        CPaintManagerUI::SetResourceZip("", false);
        CPaintManagerUI::SetResourcePath("");
    }

    void WriteGif(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(testsupport::WriteWholeFile(m_folder.File(name), bytes));
    }
    CGifAnimUI* AddGif(const std::string& attributes) {
        return h.Add<CGifAnimUI>(("float=\"true\" pos=\"10,10,110,60\" " + attributes).c_str());
    }
    // The frame timer now running in the window, taken over so that only the
    // WM_TIMER messages the test sends move the animation.
    UINT TakeTimer() { return testsupport::TakeOverWindowTimer(h.window.Handle()); }
    void Tick(UINT id) { testsupport::SendTimerTicks(h.window.Handle(), id, 1); }
    uint32_t CentrePixel() {
        h.window.Paint();
        return h.window.Pixel(60, 35) & 0xFFFFFF;
    }

    CLabelUI m_gdiplus;
    testsupport::TempFolder m_folder;
    ControlHarness h;
};

struct DelayCase {
    std::vector<int> delays;  // hundredths of a second, as written in the file
    std::vector<UINT> intervals;
};

class GifAnimDelayTest : public GifAnimFixture, public testing::WithParamInterface<DelayCase> {};

TEST_P(GifAnimDelayTest, FrameCountAndIntervalsComeFromTheFile) {
    const DelayCase& c = GetParam();
    std::vector<uint32_t> colours(c.delays.size(), kRed);
    WriteGif("anim.gif", SolidGif(colours, c.delays));
    CGifAnimUI* gif = AddGif("bkimage=\"anim.gif\"");
    ASSERT_TRUE(gif->HasImage());
    ASSERT_EQ(gif->GetFrameCount(), c.delays.size());
    for (UINT i = 0; i < c.intervals.size(); ++i) EXPECT_EQ(gif->GetFrameInterval(i), c.intervals[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(GifAnim, GifAnimDelayTest,
                         testing::Values(DelayCase{{10, 20, 30}, {100, 200, 300}},
                                         DelayCase{{0, 0}, {100, 100}},
                                         DelayCase{{7, 0, 150}, {70, 100, 1500}}),
                         testsupport::CaseIndex());

TEST_F(GifAnimFixture, EachTickAdvancesOneFrameAndRearmsTheTimer) {
    WriteGif("anim.gif", SolidGif({kRed, kGreen, kBlue}, {10, 20, 0}));
    CGifAnimUI* gif = AddGif("bkimage=\"anim.gif\"");
    ASSERT_TRUE(gif->IsPlaying());
    const UINT id = TakeTimer();
    ASSERT_NE(id, kNoTimer);
    const UINT expectedFrames[] = {1, 2, 0, 1};
    for (UINT expected : expectedFrames) {
        Tick(id);
        EXPECT_EQ(gif->GetCurrentFrame(), expected);
        // The same control timer runs again, with the new frame's interval.
        EXPECT_EQ(TakeTimer(), id);
    }
    EXPECT_EQ(gif->GetFrameInterval(2), 100u);
}

TEST_F(GifAnimFixture, OtherTimersOfTheControlAreIgnored) {
    WriteGif("anim.gif", SolidGif({kRed, kGreen}, {10, 10}));
    CGifAnimUI* gif = AddGif("bkimage=\"anim.gif\" autoplay=\"false\"");
    ASSERT_TRUE(h.window.Manager().StartTimer(gif, 7, 10000));
    const UINT id = TakeTimer();
    Tick(id);
    EXPECT_EQ(gif->GetCurrentFrame(), 0u);
    EXPECT_TRUE(h.log.types.empty()) << h.log.Joined();
}

TEST_F(GifAnimFixture, PaintsTheCurrentFrameStretchedOverTheControl) {
    WriteGif("anim.gif", SolidGif({kRed, kGreen, kBlue}, {10, 10, 10}, 20, 10));
    AddGif("bkimage=\"anim.gif\"");
    const UINT id = TakeTimer();
    const uint32_t expected[] = {kRed, kGreen, kBlue, kRed};
    for (int step = 0; step < 4; ++step) {
        if (step > 0) Tick(id);
        EXPECT_EQ(CentrePixel(), expected[step] & 0xFFFFFF) << step;
        // Away from the edges, where the stretch blends with what lies outside.
        EXPECT_EQ(h.window.Pixel(16, 16) & 0xFFFFFF, expected[step] & 0xFFFFFF) << step;
        EXPECT_EQ(h.window.Pixel(104, 54) & 0xFFFFFF, expected[step] & 0xFFFFFF) << step;
    }
    EXPECT_EQ(h.window.Pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(h.window.Pixel(115, 65) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(GifAnimFixture, WithoutAutoplayTheFirstFrameStaysUntilPlay) {
    WriteGif("anim.gif", SolidGif({kRed, kGreen}, {10, 10}));
    CGifAnimUI* gif = AddGif("bkimage=\"anim.gif\" autoplay=\"false\"");
    EXPECT_FALSE(gif->IsAutoPlay());
    EXPECT_FALSE(gif->IsPlaying());
    EXPECT_EQ(TakeTimer(), kNoTimer);
    EXPECT_EQ(CentrePixel(), kRed & 0xFFFFFF);
    gif->PlayGif();
    EXPECT_TRUE(gif->IsPlaying());
    const UINT id = TakeTimer();
    ASSERT_NE(id, kNoTimer);
    Tick(id);
    EXPECT_EQ(gif->GetCurrentFrame(), 1u);
    EXPECT_EQ(CentrePixel(), kGreen & 0xFFFFFF);
}

struct SizeCase {
    const char* attributes;
    SIZE fixed;
};

class GifAnimSizeTest : public GifAnimFixture, public testing::WithParamInterface<SizeCase> {};

TEST_P(GifAnimSizeTest, AutosizeTakesThePixelSizeOfTheImage) {
    WriteGif("wide.gif", SolidGif({kRed, kBlue}, {10, 10}, 37, 21));
    CGifAnimUI* gif = AddGif(std::string("bkimage=\"wide.gif\" ") + GetParam().attributes);
    EXPECT_EQ(gif->GetFixedWidth(), GetParam().fixed.cx);
    EXPECT_EQ(gif->GetFixedHeight(), GetParam().fixed.cy);
}

INSTANTIATE_TEST_SUITE_P(GifAnim, GifAnimSizeTest,
                         testing::Values(SizeCase{"autosize=\"true\"", {37, 21}},
                                         SizeCase{"autosize=\"false\"", {100, 50}},
                                         SizeCase{"autosize=\"yes\"", {100, 50}}),
                         testsupport::CaseIndex());

TEST_F(GifAnimFixture, StopResetsToTheFirstFrameAndEndsTheTimer) {
    WriteGif("anim.gif", SolidGif({kRed, kGreen, kBlue}, {10, 10, 10}));
    CGifAnimUI* gif = AddGif("bkimage=\"anim.gif\"");
    const UINT id = TakeTimer();
    Tick(id);
    Tick(id);
    ASSERT_EQ(gif->GetCurrentFrame(), 2u);
    gif->StopGif();
    EXPECT_FALSE(gif->IsPlaying());
    EXPECT_EQ(gif->GetCurrentFrame(), 0u);
    Tick(id);  // a killed timer reaches nobody
    EXPECT_EQ(gif->GetCurrentFrame(), 0u);
    EXPECT_EQ(TakeTimer(), kNoTimer);
    EXPECT_EQ(CentrePixel(), kRed & 0xFFFFFF);
}

TEST_F(GifAnimFixture, HidingStopsAndShowingRestartsFromTheFirstFrame) {
    WriteGif("anim.gif", SolidGif({kRed, kGreen, kBlue}, {10, 10, 10}));
    CGifAnimUI* gif = AddGif("bkimage=\"anim.gif\"");
    const UINT id = TakeTimer();
    Tick(id);
    gif->SetVisible(false);
    EXPECT_FALSE(gif->IsPlaying());
    EXPECT_EQ(gif->GetCurrentFrame(), 0u);
    EXPECT_EQ(TakeTimer(), kNoTimer);
    gif->SetVisible(true);
    EXPECT_TRUE(gif->IsPlaying());
    EXPECT_EQ(gif->GetCurrentFrame(), 0u);
    EXPECT_EQ(TakeTimer(), id);
    Tick(id);
    EXPECT_EQ(gif->GetCurrentFrame(), 1u);
}

TEST_F(GifAnimFixture, VisibilityFromTheParentLeavesTheAnimationAlone) {
    WriteGif("anim.gif", SolidGif({kRed, kGreen}, {10, 10}));
    CGifAnimUI* gif = AddGif("bkimage=\"anim.gif\"");
    gif->SetVisibleByParent(false);
    EXPECT_TRUE(gif->IsPlaying());
    gif->StopGif();
    gif->SetVisibleByParent(true);
    EXPECT_FALSE(gif->IsPlaying());
}

TEST_F(GifAnimFixture, OneFrameImageStaysOnItsFrame) {
    WriteGif("still.gif", SolidGif({kBlue}, {0}));
    CGifAnimUI* gif = AddGif("bkimage=\"still.gif\"");
    EXPECT_EQ(gif->GetFrameCount(), 1u);
    const UINT id = TakeTimer();
    ASSERT_NE(id, kNoTimer);
    Tick(id);
    Tick(id);
    EXPECT_EQ(gif->GetCurrentFrame(), 0u);
    EXPECT_EQ(CentrePixel(), kBlue & 0xFFFFFF);
}

struct BadFileCase {
    const char* what;
    bool write;
    std::string bytes;
};

class GifAnimBadFileTest : public GifAnimFixture, public testing::WithParamInterface<BadFileCase> {};

TEST_P(GifAnimBadFileTest, DrawsNothingAndTriesAgainAtEachPaint) {
    const BadFileCase& c = GetParam();
    if (c.write) WriteGif("bad.gif", c.bytes);
    CGifAnimUI* gif = AddGif("bkimage=\"bad.gif\" bkcolor=\"#FF00FF00\" bordercolor=\"#FF0000FF\" bordersize=\"2\"");
    EXPECT_FALSE(gif->HasImage()) << c.what;
    EXPECT_FALSE(gif->IsPlaying()) << c.what;
    EXPECT_EQ(TakeTimer(), kNoTimer) << c.what;
    const auto notWhite = [](uint32_t px) { return px != 0xFFFFFF; };
    EXPECT_EQ(h.Count(RECT{10, 10, 110, 60}, notWhite), 0) << c.what;
    // A good file put in its place later is picked up by the next paint.
    WriteGif("bad.gif", SolidGif({kRed, kGreen}, {10, 10}));
    EXPECT_EQ(CentrePixel(), kRed & 0xFFFFFF) << c.what;
    EXPECT_TRUE(gif->HasImage()) << c.what;
    EXPECT_TRUE(gif->IsPlaying()) << c.what;
}

std::string TruncatedGif() {
    std::string gif = SolidGif({kRed, kGreen}, {10, 10});
    return gif.substr(0, 20);
}

std::string GarbageAfterHeader() {
    std::string gif = SolidGif({kRed}, {10});
    for (size_t i = 13; i < gif.size(); ++i) gif[i] = static_cast<char>(0xA5 ^ i);
    return gif;
}

INSTANTIATE_TEST_SUITE_P(GifAnim, GifAnimBadFileTest,
                         testing::Values(BadFileCase{"missing", false, ""},
                                         BadFileCase{"empty", true, ""},
                                         BadFileCase{"not an image", true, "this is not a GIF at all"},
                                         BadFileCase{"truncated", true, TruncatedGif()},
                                         BadFileCase{"garbage after the header", true, GarbageAfterHeader()}),
                         testsupport::CaseIndex());

enum class Source { Folder, CachedZip, OpenedZip, PlainPathBesideFolder, PlainPathBesideZip };

class GifAnimSourceTest : public GifAnimFixture, public testing::WithParamInterface<Source> {};

TEST_P(GifAnimSourceTest, ReadsTheImageWhereverItIs) {
    const std::string bytes = SolidGif({kBlue, kRed, kGreen}, {10, 10, 10});
    testsupport::TempFolder elsewhere;
    std::string name = "anim.gif";
    switch (GetParam()) {
        case Source::Folder:
            WriteGif(name, bytes);
            break;
        case Source::CachedZip:
        case Source::OpenedZip:
            WriteGif("skin.zip", testsupport::MakeZip({{"Images/Anim.GIF", bytes}}));
            CPaintManagerUI::SetResourceZip("skin.zip", GetParam() == Source::CachedZip);
            name = "images/anim.gif";
            break;
        case Source::PlainPathBesideZip:
            WriteGif("skin.zip", testsupport::MakeZip({{"other.gif", bytes}}));
            CPaintManagerUI::SetResourceZip("skin.zip", true);
            [[fallthrough]];
        case Source::PlainPathBesideFolder:
            ASSERT_TRUE(testsupport::WriteWholeFile(elsewhere.File("anim.gif"), bytes));
            name = elsewhere.File("anim.gif");
            break;
    }
    CGifAnimUI* gif = AddGif("bkimage=\"" + name + "\"");
    EXPECT_EQ(gif->GetFrameCount(), 3u);
    EXPECT_EQ(CentrePixel(), kBlue & 0xFFFFFF);
}

INSTANTIATE_TEST_SUITE_P(GifAnim, GifAnimSourceTest,
                         testing::Values(Source::Folder, Source::CachedZip, Source::OpenedZip,
                                         Source::PlainPathBesideFolder, Source::PlainPathBesideZip),
                         testsupport::CaseIndex());

TEST_F(GifAnimFixture, SameImageChangesNothingAnotherShowsAtTheNextPaint) {
    WriteGif("a.gif", SolidGif({kRed, kGreen, kBlue}, {10, 10, 10}));
    WriteGif("b.gif", SolidGif({kBlue, kRed}, {20, 20}));
    CGifAnimUI* gif = AddGif("bkimage=\"a.gif\"");
    const UINT id = TakeTimer();
    Tick(id);
    gif->SetAttribute("bkimage", "a.gif");
    EXPECT_TRUE(gif->IsPlaying());
    EXPECT_EQ(gif->GetCurrentFrame(), 1u);
    EXPECT_EQ(gif->GetFrameCount(), 3u);

    gif->SetGifImage("b.gif");
    EXPECT_STREQ(gif->GetGifImage(), "b.gif");
    EXPECT_FALSE(gif->IsPlaying());
    EXPECT_FALSE(gif->HasImage());
    EXPECT_EQ(gif->GetFrameCount(), 0u);
    EXPECT_EQ(gif->GetCurrentFrame(), 0u);
    EXPECT_EQ(CentrePixel(), kBlue & 0xFFFFFF);
    EXPECT_EQ(gif->GetFrameCount(), 2u);
    EXPECT_TRUE(gif->IsPlaying());
    EXPECT_EQ(gif->GetFrameInterval(1), 200u);
    gif->SetGifImage(nullptr);
    EXPECT_STREQ(gif->GetGifImage(), "b.gif");
}

TEST_F(GifAnimFixture, DestroyingAPlayingControlEndsItsTimer) {
    WriteGif("anim.gif", SolidGif({kRed, kGreen}, {10, 10}));
    CGifAnimUI* gif = AddGif("bkimage=\"anim.gif\"");
    const UINT id = TakeTimer();
    ASSERT_TRUE(h.root->Remove(gif));
    h.window.Pump();  // the container deletes its children late
    EXPECT_EQ(TakeTimer(), kNoTimer);
    Tick(id);  // reaches nobody
}

TEST(GifAnimTypeTest, NamesInterfacesAttributesAndElement) {
    CGifAnimUI gif;
    EXPECT_STREQ(gif.GetTypeName(), "GifAnimUI");
    EXPECT_EQ(gif.AsInterface("GifAnim"), &gif);
    EXPECT_EQ(gif.AsInterface("Label"), nullptr);
    EXPECT_TRUE(gif.IsAutoPlay());
    EXPECT_FALSE(gif.IsAutoSize());
    EXPECT_FALSE(gif.IsPlaying());
    EXPECT_EQ(gif.GetFrameCount(), 0u);
    gif.ApplyAttributes("autoplay=\"false\" autosize=\"true\" bkimage=\"x.gif\" name=\"spinner\"");
    EXPECT_FALSE(gif.IsAutoPlay());
    EXPECT_TRUE(gif.IsAutoSize());
    EXPECT_STREQ(gif.GetGifImage(), "x.gif");
    EXPECT_STREQ(gif.GetBkImage(), "");
    EXPECT_STREQ(gif.GetName(), "spinner");
    gif.ApplyAttributes("autoplay=\"TRUE\" autosize=\"1\"");
    EXPECT_FALSE(gif.IsAutoPlay());
    EXPECT_FALSE(gif.IsAutoSize());
    // Without a manager there is no timer to run.
    gif.PlayGif();
    EXPECT_FALSE(gif.IsPlaying());

    std::unique_ptr<CControlUI> made(detail::CreateBuiltInControl("GifAnim"));
    ASSERT_NE(made, nullptr);
    EXPECT_STREQ(made->GetTypeName(), "GifAnimUI");
}

}  // namespace
