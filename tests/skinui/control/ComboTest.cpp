// The combo: a skin with list-element children, the drop-down opened by a
// click or F4, selection by keys and wheel with the box closed and open,
// closing on focus loss, on Escape/Enter and on a picked item, the owner's
// fonts and images in the drop-down, and its window released in every case.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skinui/control/Combo.h"
#include "skinui/control/ComboBox.h"
#include "skinui/control/ListContainerElement.h"
#include "skinui/control/ListElement.h"
#include "skinui/control/ScrollBar.h"
#include "skinui/core/GdiHandles.h"
#include "skinui/core/PaintManager.h"
#include "skinui/core/SkinBuilder.h"
#include "skinui/core/UniqueHandle.h"
#include "tests/support/ControlHarness.h"
#include "tests/support/Files.h"
#include "tests/support/ImageFiles.h"
#include "tests/support/SolidImageFolder.h"
#include "tests/support/ThreadWindows.h"

namespace {

using namespace SkinUI;
using testsupport::NotifyLog;
using testsupport::TestWindow;
using testsupport::ThreadWindowCount;

// Item "c" is disabled, so key and wheel moves step over it.
constexpr char kSkin[] =
    "<Window><Font name=\"Tahoma\" size=\"28\" bold=\"true\"/>"
    "<Container bkcolor=\"#FFFFFFFF\">"
    "<Combo name=\"combo\" float=\"true\" pos=\"10,10,160,34\" itemfont=\"0\" dropboxsize=\"0,400\" "
    "dropbox=\"bkimage=&quot;red.png&quot;\">"
    "<ListLabelElement text=\"a\"/><ListLabelElement text=\"b\"/>"
    "<ListLabelElement text=\"c\" enabled=\"false\"/>"
    "<ListLabelElement text=\"d\"/><ListLabelElement text=\"e\"/>"
    "</Combo>"
    "<ComboBox name=\"box\" float=\"true\" pos=\"10,60,160,84\" arrowimage=\"file='red.png' source='0,0,100,20'\">"
    "<ListLabelElement text=\"x\"/></ComboBox>"
    "<Button name=\"other\" float=\"true\" pos=\"200,10,260,34\"/>"
    "</Container></Window>";

class ComboTest : public testing::Test {
public:
    void SetUp() override {
        window.Manager().AddNotifyTarget(&log);
        CSkinBuilder builder;
        root = static_cast<CContainerUI*>(builder.Build(kSkin, nullptr, nullptr, &window.Manager()));
        ASSERT_NE(root, nullptr);
        window.Manager().AttachRoot(root);
        combo = static_cast<CComboUI*>(window.Manager().FindControl("combo"));
        ASSERT_NE(combo, nullptr);
        window.Paint();
        log.Clear();
    }
    void TearDown() override { window.Manager().RemoveNotifyTarget(&log); }

    void Click(int x, int y) {
        SendMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, testsupport::PointParam(x, y));
        SendMessageA(window.Handle(), WM_LBUTTONUP, 0, testsupport::PointParam(x, y));
    }
    void ClickCombo() { Click(50, 20); }
    HWND Open() {
        ClickCombo();
        HWND drop = combo->GetDropDownWindow();
        if (drop) UpdateWindow(drop);
        return drop;
    }
    void KeyTo(HWND target, WPARAM key) { SendMessageA(target, WM_KEYDOWN, key, 1); }
    void WheelTo(HWND target, int delta) {
        POINT pt = {50, 20};
        ClientToScreen(window.Handle(), &pt);
        SendMessageA(target, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))),
                     MAKELPARAM(pt.x, pt.y));
    }
    // The item selections notified so far, as "new/previous" pairs.
    std::string Selections() const {
        std::string all;
        for (size_t i = 0; i < log.types.size(); ++i) {
            if (log.types[i] != "itemselect") continue;
            all += (all.empty() ? "" : " ") + std::to_string(static_cast<int>(log.wParams[i]));
        }
        return all;
    }
    void ExpectItemsHome() {
        for (int i = 0; i < combo->GetCount(); ++i) {
            EXPECT_EQ(combo->GetItemAt(i)->GetManager(), &window.Manager()) << i;
            EXPECT_EQ(combo->GetItemAt(i)->GetParent(), combo) << i;
        }
    }

    TestWindow window{300, 200};
    NotifyLog log;
    testsupport::SolidImageFolder images;
    CContainerUI* root = nullptr;
    CComboUI* combo = nullptr;
};

TEST_F(ComboTest, SkinMakesCombosWhoseListElementsTheyOwn) {
    EXPECT_STREQ(combo->GetTypeName(), "ComboUI");
    EXPECT_EQ(combo->AsInterface("IListOwner"), static_cast<IListOwnerUI*>(combo));
    EXPECT_EQ(combo->GetInputFlags(), static_cast<UINT>(INPUT_TAB_STOP));
    ASSERT_EQ(combo->GetCount(), 5);
    for (int i = 0; i < combo->GetCount(); ++i) {
        auto* item = static_cast<IListItemUI*>(combo->GetItemAt(i)->AsInterface("ListItem"));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->ItemOwner(), static_cast<IListOwnerUI*>(combo));
        EXPECT_EQ(item->ItemIndex(), i);
    }
    auto* box = static_cast<CComboBoxUI*>(window.Manager().FindControl("box"));
    ASSERT_NE(box, nullptr);
    EXPECT_STREQ(box->GetTypeName(), "ComboBoxUI");
    EXPECT_EQ(box->GetCount(), 1);
    // Five cells in a source 100 wide.
    EXPECT_EQ(box->GetArrowWidth(), 20);
}

TEST_F(ComboTest, ClickOpensTheDropDownUnderTheComboWithTheSameItems) {
    combo->SelectItem(1);
    log.Clear();
    const int itemHeight = combo->GetItemAt(0)->MeasureSize({150, 400}).cy;
    HWND drop = Open();
    ASSERT_NE(drop, nullptr);
    EXPECT_EQ(ThreadWindowCount("ComboWnd"), 1);
    EXPECT_TRUE(IsWindowVisible(drop));
    EXPECT_EQ(GetWindow(drop, GW_OWNER), window.Handle());
    EXPECT_TRUE(GetWindowLongPtrA(drop, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(combo->GetButtonState() & 0x10);

    RECT rc;
    GetWindowRect(drop, &rc);
    POINT corner = {10, 34};
    ClientToScreen(window.Handle(), &corner);
    EXPECT_EQ(rc.left, corner.x);
    EXPECT_EQ(rc.top, corner.y);
    EXPECT_EQ(rc.right - rc.left, 150);
    EXPECT_EQ(rc.bottom - rc.top, 5 * itemHeight + 4);

    EXPECT_EQ(log.Joined(), "dropdown");
    // The click keeps the selection it found.
    EXPECT_EQ(combo->GetCurSel(), 1);
    CPaintManagerUI* dropManager = combo->GetItemAt(0)->GetManager();
    ASSERT_NE(dropManager, &window.Manager());
    EXPECT_EQ(dropManager->PaintWindow(), drop);
    EXPECT_EQ(dropManager->ResourceParent(), &window.Manager());
    EXPECT_STREQ(combo->GetItemAt(0)->GetParent()->GetTypeName(), "VerticalLayoutUI");
}

struct KeyCase {
    WPARAM key;
    int selection;
};

TEST_F(ComboTest, KeysMoveTheSelectionWhileClosedSkippingDisabledItems) {
    combo->SetFocus();
    const KeyCase cases[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_DOWN, 3}, {VK_END, 4}, {VK_DOWN, 4},
                             {VK_UP, 3},   {VK_PRIOR, 1}, {VK_HOME, 0}, {VK_NEXT, 1}};
    std::string expected;
    int previous = -1;
    for (const KeyCase& c : cases) {
        KeyTo(window.Handle(), c.key);
        EXPECT_EQ(combo->GetCurSel(), c.selection) << "key " << c.key;
        if (c.selection != previous) expected += (expected.empty() ? "" : " ") + std::to_string(c.selection);
        previous = c.selection;
    }
    EXPECT_EQ(Selections(), expected);
    EXPECT_EQ(combo->GetDropDownWindow(), nullptr);
    EXPECT_EQ(ThreadWindowCount("ComboWnd"), 0);
}

TEST_F(ComboTest, KeysInTheOpenDropDownKeepItOpenUntilEnterOrEscape) {
    struct Case {
        int initial;
        WPARAM closingKey;
        int selectionAfter;
        const char* notified;
    };
    const Case cases[] = {{1, VK_ESCAPE, 1, "3 4 1"}, {1, VK_RETURN, 4, "3 4"}, {-1, VK_ESCAPE, -1, "0 4 -1"}};
    for (const Case& c : cases) {
        combo->SelectItem(c.initial);
        combo->SetFocus();
        log.Clear();
        KeyTo(window.Handle(), VK_F4);
        HWND drop = combo->GetDropDownWindow();
        ASSERT_NE(drop, nullptr);
        UpdateWindow(drop);
        KeyTo(drop, VK_DOWN);
        KeyTo(drop, VK_END);
        window.Pump();
        EXPECT_EQ(combo->GetCurSel(), 4);
        EXPECT_EQ(combo->GetDropDownWindow(), drop);
        EXPECT_EQ(combo->GetItemAt(4)->GetManager()->FocusedControl(), combo->GetItemAt(4));

        KeyTo(drop, c.closingKey);
        window.Pump();
        EXPECT_EQ(combo->GetCurSel(), c.selectionAfter) << c.closingKey;
        EXPECT_EQ(combo->GetDropDownWindow(), nullptr);
        EXPECT_EQ(ThreadWindowCount("ComboWnd"), 0);
        EXPECT_FALSE(combo->GetButtonState() & 0x10);
        ExpectItemsHome();
        EXPECT_EQ(window.Manager().FocusedControl(), combo);
        EXPECT_EQ(Selections(), c.notified);
    }
}

TEST_F(ComboTest, ShortListScrollsToTheSelectionAndItsScrollBarKeepsItOpen) {
    combo->SetDropBoxSize({0, 60});
    combo->SetFocus();
    KeyTo(window.Handle(), VK_F4);
    HWND drop = combo->GetDropDownWindow();
    ASSERT_NE(drop, nullptr);
    UpdateWindow(drop);
    auto* list = static_cast<CContainerUI*>(combo->GetItemAt(0)->GetParent());
    CScrollBarUI* bar = list->GetVerticalScrollBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->IsVisible());
    KeyTo(drop, VK_END);
    UpdateWindow(drop);
    EXPECT_GT(list->GetScrollPos().cy, 0);
    const RECT last = combo->GetItemAt(4)->GetPos();
    EXPECT_LE(last.bottom, list->GetInnerRect().bottom);
    EXPECT_GE(last.top, list->GetInnerRect().top);

    const RECT barPos = bar->GetPos();
    SendMessageA(drop, WM_LBUTTONUP, 0,
                 testsupport::PointParam((barPos.left + barPos.right) / 2, (barPos.top + barPos.bottom) / 2));
    window.Pump();
    EXPECT_EQ(combo->GetDropDownWindow(), drop);
}

TEST_F(ComboTest, WheelMovesTheSelectionClosedAndOpen) {
    WheelTo(window.Handle(), -120);
    WheelTo(window.Handle(), -120);
    WheelTo(window.Handle(), -120);
    EXPECT_EQ(combo->GetCurSel(), 3);
    WheelTo(window.Handle(), 120);
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(combo->GetDropDownWindow(), nullptr);

    HWND drop = Open();
    ASSERT_NE(drop, nullptr);
    WheelTo(drop, -120);
    window.Pump();
    EXPECT_EQ(combo->GetCurSel(), 3);
    EXPECT_EQ(combo->GetDropDownWindow(), drop);
    WheelTo(drop, 120);
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(Selections(), "0 1 3 1 3 1");
}

TEST_F(ComboTest, DropDownClosesWhenTheFocusGoesElsewhere) {
    struct Case {
        const char* name;
        void (*leave)(ComboTest&);
    };
    const Case cases[] = {
        {"click on another control", [](ComboTest& t) { t.Click(230, 20); }},
        {"focus back to the owner window", [](ComboTest& t) { SetFocus(t.window.Handle()); }},
    };
    for (const Case& c : cases) {
        HWND drop = Open();
        ASSERT_NE(drop, nullptr) << c.name;
        window.Pump();
        ASSERT_EQ(combo->GetDropDownWindow(), drop) << c.name;
        c.leave(*this);
        window.Pump();
        EXPECT_EQ(combo->GetDropDownWindow(), nullptr) << c.name;
        EXPECT_FALSE(IsWindow(drop)) << c.name;
        EXPECT_EQ(ThreadWindowCount("ComboWnd"), 0) << c.name;
        ExpectItemsHome();
        EXPECT_EQ(combo->GetCurSel(), -1) << c.name;
    }
}

TEST_F(ComboTest, ClickingAnItemSelectsItAndClosesTheDropDown) {
    HWND drop = Open();
    ASSERT_NE(drop, nullptr);
    CControlUI* item = combo->GetItemAt(3);
    const RECT pos = item->GetPos();
    ASSERT_GT(pos.bottom, pos.top);
    const LPARAM at = testsupport::PointParam((pos.left + pos.right) / 2, (pos.top + pos.bottom) / 2);
    SendMessageA(drop, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(drop, WM_LBUTTONUP, 0, at);
    window.Pump();
    EXPECT_EQ(combo->GetCurSel(), 3);
    EXPECT_EQ(Selections(), "3");
    EXPECT_EQ(combo->GetDropDownWindow(), nullptr);
    EXPECT_EQ(ThreadWindowCount("ComboWnd"), 0);
    ExpectItemsHome();
    // Selecting it again is no change.
    log.Clear();
    EXPECT_TRUE(combo->SelectItem(3));
    EXPECT_EQ(Selections(), "");
}

// The drop-down's client area as 0xRRGGBB pixels, painted through WM_PRINTCLIENT.
std::vector<uint32_t> CaptureClient(HWND hwnd, int& width, int& height) {
    RECT client;
    GetClientRect(hwnd, &client);
    width = client.right;
    height = client.bottom;
    void* bits = nullptr;
    MemoryDc dc(CreateCompatibleDC(nullptr));
    BitmapHandle bitmap = CreateTopDownDib(dc.get(), width, height, &bits);
    std::vector<uint32_t> pixels;
    if (!dc || !bitmap || !bits) return pixels;
    {
        SelectGuard select(dc.get(), bitmap.get());
        SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
        GdiFlush();
        const auto* data = static_cast<const uint32_t*>(bits);
        pixels.assign(data, data + static_cast<size_t>(width) * height);
    }
    for (uint32_t& px : pixels) px &= 0xFFFFFF;
    return pixels;
}

TEST_F(ComboTest, DropDownPaintsWithTheOwnersFontsAndImages) {
    const TSkinImage* ownerImage = window.Manager().ObtainImage("red.png");
    ASSERT_NE(ownerImage, nullptr);
    const int ownerFontHeight = window.Manager().FontInfoByIndex(0)->tm.tmHeight;
    ASSERT_GT(ownerFontHeight, window.Manager().BaseFontInfo()->tm.tmHeight);
    const int itemHeight = combo->GetItemAt(0)->MeasureSize({150, 400}).cy;

    HWND drop = Open();
    ASSERT_NE(drop, nullptr);
    CPaintManagerUI* dropManager = combo->GetItemAt(0)->GetManager();
    EXPECT_EQ(dropManager->ObtainImage("red.png"), ownerImage);
    EXPECT_EQ(dropManager->FontInfoByIndex(0)->tm.tmHeight, ownerFontHeight);
    EXPECT_EQ(combo->GetItemAt(0)->MeasureSize({150, 400}).cy, itemHeight);

    int w = 0, h = 0;
    const std::vector<uint32_t> pixels = CaptureClient(drop, w, h);
    ASSERT_EQ(pixels.size(), static_cast<size_t>(w) * h);
    // The list's background image, inside the 1-pixel grey border.
    EXPECT_EQ(pixels[static_cast<size_t>(h - 2) * w + w / 2], 0xFF0000u);
    EXPECT_EQ(pixels[static_cast<size_t>(h / 2) * w], 0xCCCCCCu);
}

TEST_F(ComboTest, DeletingTheComboWhileOpenReleasesTheDropDown) {
    const long gdiBefore = LiveHandleCount(HandleKind::GdiObject);
    const long dcBefore = LiveHandleCount(HandleKind::Dc);
    HWND drop = Open();
    ASSERT_NE(drop, nullptr);
    window.Pump();
    ASSERT_EQ(ThreadWindowCount("ComboWnd"), 1);
    root->SetDelayedDestroy(false);
    ASSERT_TRUE(root->Remove(combo));
    window.Pump();
    EXPECT_FALSE(IsWindow(drop));
    EXPECT_EQ(ThreadWindowCount("ComboWnd"), 0);
    EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), gdiBefore);
    EXPECT_EQ(LiveHandleCount(HandleKind::Dc), dcBefore);
}

TEST_F(ComboTest, NearTheBottomOfTheScreenTheListOpensAboveTheCombo) {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    RECT frame;
    GetWindowRect(window.Handle(), &frame);
    POINT client = {0, 0};
    ClientToScreen(window.Handle(), &client);
    // The combo's bottom 20 pixels above the work area's bottom.
    SetWindowPos(window.Handle(), nullptr, frame.left, info.rcWork.bottom - 54 - (client.y - frame.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND drop = Open();
    ASSERT_NE(drop, nullptr);
    RECT rc;
    GetWindowRect(drop, &rc);
    POINT comboTop = {10, 10};
    ClientToScreen(window.Handle(), &comboTop);
    EXPECT_EQ(rc.bottom, comboTop.y);
    EXPECT_GT(rc.bottom - rc.top, 4);
}

// A button inside an item that asks the owning window to drop that entry.
class CloseButton : public CControlUI {
public:
    const char* GetTypeName() const override { return "VLComboBoxCloseBtn"; }
};

TEST_F(ComboTest, CloseButtonInAnItemTellsTheOwnerWindowWhichItem) {
    auto* row = new CListContainerElementUI;
    row->SetFixedHeight(30);
    row->Add(new CloseButton);
    combo->Add(row);
    HWND drop = Open();
    ASSERT_NE(drop, nullptr);
    const RECT pos = row->GetPos();
    ASSERT_GT(pos.bottom, pos.top);
    const LPARAM at = testsupport::PointParam((pos.left + pos.right) / 2, (pos.top + pos.bottom) / 2);
    SendMessageA(drop, WM_LBUTTONUP, 0, at);
    MSG msg = {};
    ASSERT_TRUE(PeekMessageA(&msg, window.Handle(), WM_USER + 100, WM_USER + 100, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
    EXPECT_EQ(msg.lParam, at);
    window.Pump();
    EXPECT_EQ(combo->GetDropDownWindow(), nullptr);
    EXPECT_EQ(ThreadWindowCount("ComboWnd"), 0);
}

TEST_F(ComboTest, ComboBoxDrawsTheArrowCellOfItsState) {
    // Five 20-pixel cells: normal, hot, pushed, focused, disabled.
    const uint32_t cells[5] = {0xFF000080, 0xFF008000, 0xFF800000, 0xFF008080, 0xFF808000};
    std::vector<uint32_t> strip(100 * 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x) strip[static_cast<size_t>(y) * 100 + x] = cells[x / 20];
    ASSERT_TRUE(testsupport::WriteWholeFile(std::string(CPaintManagerUI::ResourcePath()) + "strip.png",
                                            testsupport::EncodeImage(100, 20, strip, "png")));
    auto* box = static_cast<CComboBoxUI*>(window.Manager().FindControl("box"));
    box->SetArrowImage("file='strip.png' source='0,0,100,20'");
    struct Case {
        const char* state;
        void (*enter)(ComboTest&, CComboBoxUI*);
        int cell;
    };
    const Case cases[] = {
        {"normal", [](ComboTest&, CComboBoxUI*) {}, 0},
        {"hot", [](ComboTest& t, CComboBoxUI*) {
             SendMessageA(t.window.Handle(), WM_MOUSEMOVE, 0, testsupport::PointParam(60, 72));
         }, 1},
        {"focused", [](ComboTest& t, CComboBoxUI* b) {
             SendMessageA(t.window.Handle(), WM_MOUSEMOVE, 0, testsupport::PointParam(280, 150));
             b->SetFocus();
         }, 3},
        {"disabled", [](ComboTest&, CComboBoxUI* b) { b->SetEnabled(false); }, 4},
    };
    for (const Case& c : cases) {
        c.enter(*this, box);
        window.Paint();
        EXPECT_EQ(window.Pixel(150, 72) & 0xFFFFFF, cells[c.cell] & 0xFFFFFF) << c.state;
        // The shown item's area stops left of the arrow.
        EXPECT_EQ(box->GetArrowWidth(), 20) << c.state;
    }
}

}  // namespace
