#include "models/curve.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <tuple>

namespace gjbz108a {
namespace {

// The tail of the bipolar memory temperature curve, the head of the Dual
// In-Line pin-count curve, the head of a curve that starts at 0.
constexpr std::array<CurvePoint, 3> kTemperature{{{90, 3.27f}, {95, 3.78f}, {100, 4.39f}}};
constexpr std::array<CurvePoint, 3> kPins{{{4, 0.0167f}, {6, 0.0269f}, {8, 0.0376f}}};
constexpr std::array<CurvePoint, 3> kFromZero{{{0, 0.93f}, {5, 0.94f}, {10, 0.95f}}};
constexpr std::array<CurvePoint, 2> kSteep{{{0, 0}, {1, 1e30f}}};  // leaves the range of f32
// Invalid-stretch markers: valid before one and on its point itself, invalid
// from it on and above a last point of -1.
constexpr std::array<CurvePoint, 4> kMarked{{{0, 1}, {10, -1}, {20, 3}, {30, -1}}};

TEST(LookupCurve, FactorValidityAndMessage) {
    // Every point of every documented curve is read back by the model tests;
    // here the ways between and beyond them. (Numbers print as put_general
    // writes them.) Each case follows one that set
    // another status: every call resets the validity.
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr Validity valid = Validity::valid, warned = Validity::may_be_invalid, invalid = Validity::invalid;
    const std::string beyond = " the model may be invalid\n", refused = " the model is invalid\n";
    // The curve, x, the parameter's name; the factor, the validity, the message.
    const std::tuple<Curve, float, const char*, float, Validity, std::string> cases[] = {
        {kTemperature, 101, "Temperature", 4.512f, warned, " For Temperature > 100" + beyond},  // 4.39 + 0.61 / 5
        {kTemperature, 100, "Temperature", 4.39f, valid, ""},
        {kPins, 2, "Number of leading-out terminals", 0.0167f * 2 / 4, warned,  // the line through the origin
         " For Number of leading-out terminals < 4" + beyond},
        {kPins, 5, "Number of leading-out terminals", 0.0218f, valid, ""},  // 0.0167 + (0.0269 - 0.0167) / 2
        {kFromZero, -40, "Temperature", 0.93f, warned, " For Temperature < 0" + beyond},  // the first factor
        {kFromZero, -0.0f, "Temperature", 0.93f, valid, ""},  // negative zero is the first point
        {kPins, -3, "Number of bytes", -1, invalid, " For Number of bytes = -3" + refused},  // a negative line
        {kFromZero, std::numeric_limits<float>::quiet_NaN(), "Temperature", -1, invalid,
         " For Temperature = nan" + refused},
        {kFromZero, kInf, "Temperature", -1, invalid, " For Temperature = inf" + refused},
        {kFromZero, -kInf, "Temperature", -1, invalid, " For Temperature = -inf" + refused},
        {kSteep, 3e38f, "Cycles", -1, invalid, " For Cycles = 3e+38" + refused},
        {kMarked, 5, "X", 0, valid, ""},
        {kMarked, 10, "X", -1, valid, ""},
        {kMarked, 15, "X", -1, invalid, " For X = 15" + refused},
        {kMarked, 31, "X", -1, invalid, " For X = 31" + refused},
    };
    for (const auto& [curve, x, name, factor, validity, message] : cases) {
        EXPECT_EQ(lookup_curve(curve, x, name), factor) << name << " " << x;
        EXPECT_EQ(validity_status(), validity) << name << " " << x;
        EXPECT_EQ(validity_message(), message);
    }
}

}  // namespace
}  // namespace gjbz108a
