// Numbers in message lines, written as "%g" writes them. (Those that are no
// number, and the lines appended, show in the curve lookup's messages.)
#include "records/message_number.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace gjbz108a {
namespace {

std::string general(float value) {
    char text[kGeneralTextSize];
    return {text, put_general(text, value)};
}

TEST(PutGeneral, WritesWhatPercentGWrites) {
    struct Case {
        float value;
        const char* text;
    };
    // Six significant digits, ties to even on the exact value; the fixed style
    // for exponents -4 to 5, else the exponent style with two digits at least;
    // trailing zeros and a bare point dropped.
    const std::array<Case, 16> cases{{
        {0.0f, "0"},
        {-0.0f, "-0"},
        {100.0f, "100"},
        {-40.0f, "-40"},
        {999999.0f, "999999"},
        {1e6f, "1e+06"},
        {1234565.0f, "1.23456e+06"},  // exactly halfway: to the even digit
        {1234575.0f, "1.23458e+06"},
        {123456.5f, "123456"},
        {123457.5f, "123458"},
        {0.8f, "0.8"},
        {50.5f, "50.5"},
        {0.0001f, "0.0001"},
        {0.00001f, "1e-05"},
        {3.4028235e38f, "3.40282e+38"},
        {1e-45f, "1.4013e-45"},
    }};
    for (const Case& c : cases) EXPECT_EQ(general(c.value), c.text) << c.text;
}

}  // namespace
}  // namespace gjbz108a
