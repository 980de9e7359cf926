// A busy window opened, painted, hovered and closed a thousand times leaves
// nothing behind: no GDI object, DC or window (counted by the owners and by
// EnumThreadWindows, since Wine's GDI counters read 0).
#include <gtest/gtest.h>

#include <windows.h>

#include "skinui/core/PaintManager.h"
#include "tests/support/Files.h"
#include "tests/support/ImageFiles.h"
#include "tests/support/ResourceCounts.h"
#include "tests/support/TestControls.h"
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::FixedContainer;
using testsupport::RecordingControl;

constexpr int kRounds = 1000;

struct Counts {
    long gdi, dc, windowDc, kernel;
    int windows;
    static Counts Now() {
        return {LiveHandleCount(HandleKind::GdiObject), LiveHandleCount(HandleKind::Dc),
                LiveHandleCount(HandleKind::WindowDc), LiveHandleCount(HandleKind::Kernel),
                testsupport::ThreadWindowTotal()};
    }
};

// A tree with images (stretched, nine-grid, translucent), gradients, borders,
// rounded corners, fonts and a tooltip.
void OpenBusyWindow() {
    testsupport::TestWindow window(320, 240);
    CPaintManagerUI& manager = window.Manager();
    manager.RegisterFont("Tahoma", 12, true, false, false);
    manager.RegisterFont("Tahoma", 14, false, true, true);
    auto* root = new FixedContainer;
    root->SetBkColor(0xFFF0F0F0);
    root->SetBkColor2(0xFF808080);
    for (int i = 0; i < 24; ++i) {
        const int x = (i % 6) * 50, y = (i / 6) * 50;
        auto* c = root->Add(new RecordingControl("", 0, RECT{x, y, x + 45, y + 45}));
        c->SetBkImage(i % 3 == 0 ? "solid.png"
                                 : (i % 3 == 1 ? "file='solid.png' corner='4,4,4,4'"
                                               : "file='alpha.png' fade='128' xtiled='true'"));
        c->SetBorderColor(0xFF000000);
        c->SetBorderSize(1);
        if (i % 4 == 0) c->SetBorderRound(SIZE{6, 6});
        if (i % 5 == 0) c->SetBkColor(0x80FF0000);
        c->SetToolTip("tip");
    }
    manager.AttachRoot(root);
    window.Paint();
    SendMessageA(window.Handle(), WM_MOUSEMOVE, 0, testsupport::PointParam(20, 20));
    SendMessageA(window.Handle(), WM_MOUSEHOVER, 0, testsupport::PointParam(20, 20));
    window.Paint();
}

TEST(WindowLeakTest, ABusyWindowOpenedAThousandTimesLeavesNothing) {
    testsupport::TempFolder folder;
    ASSERT_TRUE(testsupport::WriteWholeFile(folder.File("solid.png"), testsupport::SolidImage(16, 16, 0xFF3366CC, "png")));
    ASSERT_TRUE(testsupport::WriteWholeFile(folder.File("alpha.png"), testsupport::SolidImage(8, 8, 0x80FF8800, "png")));
    CPaintManagerUI::SetResourcePath(folder.Path().c_str());

    OpenBusyWindow();  // first use sets up what lives for the process
    const Counts before = Counts::Now();
    for (int i = 0; i < kRounds; ++i) OpenBusyWindow();
    const Counts after = Counts::Now();
    CPaintManagerUI::SetResourcePath("");

    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.dc, before.dc);
    EXPECT_EQ(after.windowDc, before.windowDc);
    EXPECT_EQ(after.kernel, before.kernel);
    EXPECT_EQ(after.windows, before.windows);
}

}  // namespace
