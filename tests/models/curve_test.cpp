#include "models/curve.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace gjbz108a {
namespace {

// The tail of the bipolar memory temperature curve, the head of the Dual
// In-Line pin-count curve, the head of a curve that starts at 0.
constexpr std::array<CurvePoint, 3> kTemperature{{{90, 3.27f}, {95, 3.78f}, {100, 4.39f}}};
constexpr std::array<CurvePoint, 3> kPins{{{4, 0.0167f}, {6, 0.0269f}, {8, 0.0376f}}};
constexpr std::array<CurvePoint, 3> kFromZero{{{0, 0.93f}, {5, 0.94f}, {10, 0.95f}}};

void expect_validity(Validity status, const char* message) {
    EXPECT_EQ(validity_status(), status);
    EXPECT_STREQ(validity_message(), message);
}

TEST(LookupCurve, InsideTheTable) {
    // Every point of every documented curve is read back by the model tests.
    // Every call resets the validity.
    lookup_curve(kTemperature, 120, "Temperature");
    EXPECT_EQ(lookup_curve(kTemperature, 100, "Temperature"), 4.39f);
    expect_validity(Validity::valid, "");
    EXPECT_EQ(lookup_curve(kFromZero, -0.0f, "Temperature"), 0.93f);  // negative zero is the first point
    expect_validity(Validity::valid, "");
    // 0.0167 + (0.0269 - 0.0167) / 2
    EXPECT_FLOAT_EQ(lookup_curve(kPins, 5, "Number of leading-out terminals"), 0.0218f);
    expect_validity(Validity::valid, "");
}

TEST(LookupCurve, BeyondTheEndsItExtrapolatesAndWarns) {
    // 4.39 + (4.39 - 3.78) / 5
    EXPECT_FLOAT_EQ(lookup_curve(kTemperature, 101, "Temperature"), 4.512f);
    expect_validity(Validity::may_be_invalid, " For Temperature > 100 the model may be invalid\n");
    // Below: the line through the origin, or the first factor of a curve that
    // starts at 0.
    EXPECT_FLOAT_EQ(lookup_curve(kPins, 2, "Number of leading-out terminals"), 0.0167f * 2 / 4);
    expect_validity(Validity::may_be_invalid, " For Number of leading-out terminals < 4 the model may be invalid\n");
    EXPECT_EQ(lookup_curve(kFromZero, -40, "Temperature"), 0.93f);
    expect_validity(Validity::may_be_invalid, " For Temperature < 0 the model may be invalid\n");
    // Limits print with six significant digits.
    constexpr std::array<CurvePoint, 2> transistors{{{200000000, 0.0361f}, {220000000, 0.0367f}}};
    lookup_curve(transistors, 250000000, "Number of transistors");
    EXPECT_STREQ(validity_message(), " For Number of transistors > 2.2e+08 the model may be invalid\n");
}

TEST(LookupCurve, InvalidValues) {
    // A negative origin-line value, values that are not finite, a line that
    // leaves the range of f32.
    EXPECT_EQ(lookup_curve(kPins, -3, "Number of bytes"), -1.0f);
    expect_validity(Validity::invalid, " For Number of bytes = -3 the model is invalid\n");
    EXPECT_EQ(lookup_curve(kFromZero, std::numeric_limits<float>::quiet_NaN(), "Temperature"), -1.0f);
    expect_validity(Validity::invalid, " For Temperature = nan the model is invalid\n");
    EXPECT_EQ(lookup_curve(kFromZero, std::numeric_limits<float>::infinity(), "Temperature"), -1.0f);
    expect_validity(Validity::invalid, " For Temperature = inf the model is invalid\n");
    EXPECT_EQ(lookup_curve(kFromZero, -std::numeric_limits<float>::infinity(), "Temperature"), -1.0f);
    expect_validity(Validity::invalid, " For Temperature = -inf the model is invalid\n");
    constexpr std::array<CurvePoint, 2> steep{{{0, 0}, {1, 1e30f}}};
    EXPECT_EQ(lookup_curve(steep, 3e38f, "Cycles"), -1.0f);
    EXPECT_EQ(validity_status(), Validity::invalid);

    // The invalid-stretch marker: valid before it and on its point itself,
    // invalid from it on and above a last point of -1.
    constexpr std::array<CurvePoint, 4> marked{{{0, 1}, {10, -1}, {20, 3}, {30, -1}}};
    EXPECT_FLOAT_EQ(lookup_curve(marked, 5, "X"), 0.0f);
    expect_validity(Validity::valid, "");
    EXPECT_EQ(lookup_curve(marked, 10, "X"), -1.0f);
    expect_validity(Validity::valid, "");
    EXPECT_EQ(lookup_curve(marked, 15, "X"), -1.0f);
    expect_validity(Validity::invalid, " For X = 15 the model is invalid\n");
    EXPECT_EQ(lookup_curve(marked, 31, "X"), -1.0f);
    expect_validity(Validity::invalid, " For X = 31 the model is invalid\n");
}

}  // namespace
}  // namespace gjbz108a
