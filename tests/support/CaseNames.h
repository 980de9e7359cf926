// Readable names for table-driven cases in CTest's list.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

// "Case0", "Case1", ... for tables whose rows have no natural name.
struct CaseIndex {
    template <typename T>
    std::string operator()(const testing::TestParamInfo<T>& info) const {
        return "Case" + std::to_string(info.index);
    }
};

}  // namespace testsupport
