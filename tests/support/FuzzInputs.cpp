// Fuzz counts and seed files.
#include "tests/support/FuzzInputs.h"

#include <windows.h>

#include <cstdlib>

#include "tests/support/Files.h"

namespace testsupport {

unsigned FuzzIterations(unsigned defaultCount) {
    char value[32] = {};
    if (GetEnvironmentVariableA("TAVI_FUZZ_ITERATIONS", value, sizeof(value)) > 0) {
        const unsigned long n = strtoul(value, nullptr, 10);
        if (n > 0) return static_cast<unsigned>(n);
    }
    return defaultCount;
}

std::vector<std::string> ReadSeeds(const std::string& folder, const std::string& pattern) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string path(program);
    path.resize(path.rfind('\\'));
    path += "\\" + folder + "\\";
    std::vector<std::string> seeds;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return seeds;
    do {
        seeds.push_back(ReadWholeFile(path + found.cFileName));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return seeds;
}

}  // namespace testsupport
