// What the fuzz tests share: the iteration count (TAVI_FUZZ_ITERATIONS
// overrides a test's default) and the seed inputs copied beside the program.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

unsigned FuzzIterations(unsigned defaultCount);

// The files matching `pattern` in the folder `folder` beside the test program.
std::vector<std::string> ReadSeeds(const std::string& folder, const std::string& pattern);

}  // namespace testsupport
