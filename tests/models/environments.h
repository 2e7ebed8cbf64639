// The EnvironmentCodes that the models support, in the order in which the
// documented environment tables list them. Tests index their expected factors
// by this order, not by the models' column order, so that a column slip in a
// model's table cannot hide behind the same slip in a test.
#pragma once

#include <array>

namespace gjbz108a::test {

constexpr std::array<unsigned, 19> kSupportedEnvironments{1,  2,  3,  4,  5,  6,  7,  8,  9, 10,
                                                          11, 12, 13, 16, 17, 21, 22, 23, 26};

}  // namespace gjbz108a::test
