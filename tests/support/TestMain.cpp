// Test programs' entry point: a child scenario when asked for one, else gtest.
#include <gtest/gtest.h>

#include "tests/support/ChildProcess.h"

int main(int argc, char** argv) {
    int exitCode = 0;
    if (testsupport::RunRequestedScenario(argc, argv, exitCode)) return exitCode;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
