// Programs that include <commdlg.h> get FindText as a macro; the string's
// member still answers under that spelling.
#undef WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include "skinui/core/SkinString.h"

TEST(SkinStringMacroTest, FindTextThroughTheWin32Macro) {
#ifndef FindText
    GTEST_SKIP() << "no FindText macro in this build";
#endif
    const SkinUI::CSkinString s("abcabc");
    EXPECT_EQ(s.FindText("ca", 0), 2);
}
