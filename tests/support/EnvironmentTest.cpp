// The test environment itself: narrow text must be GBK, as on the target systems.
#include <gtest/gtest.h>

#include <windows.h>

TEST(EnvironmentTest, AnsiCodePageIsGbk) {
    EXPECT_EQ(GetACP(), 936u);
    EXPECT_STREQ("Tavi应用商店", "Tavi\xd3\xa6\xd3\xc3\xc9\xcc\xb5\xea");
}
