// CSkinPtrArray: growth, insertion and removal at the edges.
#include <gtest/gtest.h>

#include "skinui/core/SkinPtrArray.h"
#include "skinui/core/SkinRect.h"

namespace {

using SkinUI::CSkinPtrArray;

void* P(intptr_t n) {
    return reinterpret_cast<void*>(n);
}

TEST(SkinPtrArrayTest, CapacityStartsAt11AndDoublesBeforeItIsReached) {
    CSkinPtrArray a;
    EXPECT_EQ(a.Capacity(), 0);
    a.Add(P(1));
    EXPECT_EQ(a.Capacity(), 11);
    for (int i = 2; i <= 10; ++i) a.Add(P(i));
    EXPECT_EQ(a.Capacity(), 11);
    a.Add(P(11));
    EXPECT_EQ(a.Capacity(), 22);
    EXPECT_EQ(a.Count(), 11);
    for (int i = 12; i <= 1000; ++i) {
        a.Add(P(i));
        ASSERT_GT(a.Capacity(), a.Count());
    }
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(a[i], P(i + 1));
}

TEST(SkinPtrArrayTest, InsertAndRemoveShiftTheRest) {
    CSkinPtrArray a(4);
    EXPECT_EQ(a.Capacity(), 4);
    EXPECT_TRUE(a.InsertAt(0, P(2)));
    EXPECT_TRUE(a.InsertAt(0, P(1)));
    EXPECT_TRUE(a.InsertAt(2, P(4)));
    EXPECT_TRUE(a.InsertAt(2, P(3)));
    EXPECT_FALSE(a.InsertAt(5, P(9)));
    EXPECT_FALSE(a.InsertAt(-1, P(9)));
    ASSERT_EQ(a.Count(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(a.At(i), P(i + 1));

    EXPECT_TRUE(a.RemoveAt(1));
    EXPECT_FALSE(a.RemoveAt(3));
    EXPECT_FALSE(a.RemoveAt(-1));
    EXPECT_EQ(a.IndexOf(P(3)), 1);
    EXPECT_EQ(a.IndexOf(P(2)), -1);
    EXPECT_EQ(a.At(3), nullptr);
    EXPECT_EQ(a.At(-1), nullptr);
    EXPECT_TRUE(a.RemoveAt(2));
    EXPECT_EQ(a.Count(), 2);
}

TEST(SkinPtrArrayTest, CopyAndResizeZeroed) {
    CSkinPtrArray a;
    for (int i = 1; i <= 20; ++i) a.Add(P(i));
    CSkinPtrArray b(a);
    EXPECT_EQ(b.Count(), 20);
    EXPECT_EQ(b[19], P(20));
    b.ResizeZeroed(5);
    EXPECT_EQ(b.Count(), 5);
    EXPECT_EQ(b.Capacity(), 5);
    EXPECT_EQ(b[4], nullptr);
    b.Clear();
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(b.Capacity(), 0);
    EXPECT_EQ(a.Count(), 20);
}

TEST(SkinRectTest, Helpers) {
    SkinUI::CSkinRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    r.Join(RECT{0, 30, 50, 90});
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.bottom, 90);
    EXPECT_EQ(r.right, 110);
    r.Deflate(5, 10);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right, 105);
    EXPECT_EQ(r.bottom, 80);
    r.MoveToOrigin();
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
}

}  // namespace
