// Case names for render test tables whose rows carry a `name` field.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

struct NameField {
    template <typename T>
    std::string operator()(const testing::TestParamInfo<T>& info) const {
        return info.param.name;
    }
};

}  // namespace testsupport
