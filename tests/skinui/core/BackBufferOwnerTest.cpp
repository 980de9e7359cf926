// The back buffer keeps its bitmap selected and still frees both objects.
#include <gtest/gtest.h>
#include <windows.h>

#include "skinui/core/BackBuffer.h"
#include "skinui/core/PaintManager.h"

using namespace SkinUI;

TEST(BackBufferOwnerTest, KeepsItsBitmapSelectedAndDeletesBothWhenReset) {
    HDC screen = GetDC(nullptr);
    const long dcs = CPaintManagerUI::LiveHandles(HandleKind::Dc);
    const long objects = CPaintManagerUI::LiveHandles(HandleKind::GdiObject);
    HGDIOBJ bitmap = nullptr;
    {
        BackBuffer buffer;
        ASSERT_TRUE(buffer.Create(screen, 64, 32));
        bitmap = GetCurrentObject(buffer.Dc(), OBJ_BITMAP);
        BITMAP info = {};
        ASSERT_EQ(GetObjectA(bitmap, sizeof(info), &info), static_cast<int>(sizeof(info)));
        EXPECT_EQ(info.bmWidth, 64);
        EXPECT_EQ(info.bmHeight, 32);
        EXPECT_TRUE(SetPixel(buffer.Dc(), 3, 3, RGB(10, 20, 30)) != CLR_INVALID);
        EXPECT_EQ(GetPixel(buffer.Dc(), 3, 3), RGB(10, 20, 30));

        // Made again at another size: the first bitmap goes.
        ASSERT_TRUE(buffer.Create(screen, 16, 16));
        EXPECT_EQ(GetObjectType(bitmap), 0u);
        bitmap = GetCurrentObject(buffer.Dc(), OBJ_BITMAP);
    }
    // A bitmap still selected into a DC could not have been deleted.
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(CPaintManagerUI::LiveHandles(HandleKind::Dc), dcs);
    EXPECT_EQ(CPaintManagerUI::LiveHandles(HandleKind::GdiObject), objects);
    ReleaseDC(nullptr, screen);
}
