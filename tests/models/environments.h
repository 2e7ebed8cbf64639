// The EnvironmentCodes that the models support, and a check of an environment
// table through calc_item.
//
// Tests list their expected factors in the order of the documented tables
// (by EnvironmentCode), not in the models' column order, so that a column slip
// in a model's table cannot hide behind the same slip in a test.
#pragma once

#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>

namespace gjbz108a::test {

constexpr std::array<unsigned, 19> kSupportedEnvironments{1,  2,  3,  4,  5,  6,  7,  8,  9, 10,
                                                          11, 12, 13, 16, 17, 21, 22, 23, 26};

// Builds the part with make(EnvironmentCode) in every supported environment,
// calculates it and checks result slot `slot` against the expected factor.
template <typename Make>
void expect_environment_column(const Make& make, unsigned slot, const std::array<float, 19>& expected) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const unsigned environment = kSupportedEnvironments[i];
        ItemRecord r = make(environment);
        const Calculation c = calculate(r);
        EXPECT_EQ(c.result, 3) << "EnvironmentCode " << environment << ": " << c.messages;
        EXPECT_EQ(r.slot(slot), expected[i]) << "EnvironmentCode " << environment;
    }
}

}  // namespace gjbz108a::test
