// Names parameterised test cases after the `name` field of their case record.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace dq::testing {

template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& caseInfo) {
    return std::string(caseInfo.param.name);
}

}  // namespace dq::testing
