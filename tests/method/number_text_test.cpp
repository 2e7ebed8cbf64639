#include "method/field_types.h"
#include "method/number_text.h"

#include <gjbz108a/report.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace gjbz108a {
namespace {

struct Formatted {
    std::string text;
    int status;
};

Formatted format(int width, int decimals, double value, Align align = Align::right) {
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    const int status = FormatReal(buffer, width, decimals, value, align);
    EXPECT_EQ(std::strlen(buffer), static_cast<std::size_t>(width)) << value;
    return {buffer, status};
}

void expect_format(int width, int decimals, double value, const std::string& text, int status) {
    const Formatted got = format(width, decimals, value);
    EXPECT_EQ(got.text, text) << "width " << width << ", decimals " << decimals << ", value " << value;
    EXPECT_EQ(got.status, status) << "width " << width << ", decimals " << decimals << ", value " << value;
}

TEST(FormatReal, PrintsFixedNotationRightAligned) {
    expect_format(8, 3, 3.14159, "   3.142", kFormatFixed);
    expect_format(8, 3, -2.5, "  -2.500", kFormatFixed);
    expect_format(5, 2, 12.25, "12.25", kFormatFixed);  // fills the width exactly
    EXPECT_EQ(format(8, 3, 3.14159, Align::left).text, "3.142   ");
}

TEST(FormatReal, RoundsHalvesAwayFromZero) {
    // 0.125 and 0.0005 are exact halves at these decimals; printf alone would
    // round the first to 0.12 and show the second as 0.000.
    expect_format(8, 2, 0.125, "    0.13", kFormatFixed);
    expect_format(8, 3, 0.0005, "   0.001", kFormatFixed);
    expect_format(8, 2, -0.125, "   -0.13", kFormatFixed);
}

TEST(FormatReal, ZeroAndUndefinedValues) {
    expect_format(8, 3, 0.0, "   0.000", kFormatZero);
    expect_format(8, 3, -0.0, "   0.000", kFormatZero);
    expect_format(8, 3, kUndefinedF32, "     ---", kFormatUndefined);
    expect_format(8, 3, -kUndefinedF32, "     ---", kFormatUndefined);
    // The next f32 below the undefined value and the wildcard are numbers.
    expect_format(10, 2, 3.4028233e38f, " 3.403E+38", kFormatTooLarge);
    expect_format(10, 2, kWildcardF32, " 3.403E+36", kFormatTooLarge);
}

TEST(FormatReal, ValuesThatVanishAtTheDecimalsGoToExponentNotation) {
    expect_format(8, 3, 0.0004, " 4.0E-04", kFormatVanishes);
    expect_format(8, 3, 0.00049, " 4.9E-04", kFormatVanishes);
    expect_format(10, 3, 1e-30, " 1.000E-30", kFormatVanishes);
    expect_format(9, 3, -0.0004, " -4.0E-04", kFormatVanishes);
    // A width below 8 (9 with a sign) has no room for an exponent.
    expect_format(5, 2, 0.001, "Under", kFormatUnderflow);
    expect_format(8, 3, -0.0004, "Underflo", kFormatUnderflow);
}

TEST(FormatReal, IntegerPartsThatDoNotFitGoToExponentNotation) {
    expect_format(8, 3, 123e6, " 1.2E+08", kFormatTooLarge);
    expect_format(8, 2, 123456.0, " 1.2E+05", kFormatTooLarge);
    expect_format(9, 2, -123456.0, " -1.2E+05", kFormatTooLarge);
    expect_format(20, 2, 1.5e20, "        1.500000E+20", kFormatTooLarge);  // at most 6 digits
    expect_format(5, 2, 1e5, "Overf", kFormatOverflow);
    expect_format(5, 2, 123.25, "Overf", kFormatOverflow);  // one digit too many for 2 decimals
    expect_format(8, 2, -123456.0, "Overflow", kFormatOverflow);
}

TEST(FormatReal, DecimalsAreCappedAndReduced) {
    expect_format(30, 25, 1.5, "         1.5000000000000000000", kFormatDecimalsCapped);
    expect_format(5, 4, 1.23456, "1.235", kFormatDecimalsReduced);
    expect_format(5, 3, -1.5, "-1.50", kFormatDecimalsReduced);
    expect_format(2, 1, 7.0, " 7", kFormatDecimalsReduced);
}

TEST(FormatReal, AFixedTextLongerThanTheWidthIsAnError) {
    // Negative decimals leave printf to its default of six, which cannot fit.
    expect_format(8, -3, 5000.0, "   ERROR", kFormatError);
}

TEST(EntrMaxVal, AnswersTheUndefinedValueOfEachIntegerType) {
    EXPECT_EQ(entr_max_val(1), 127);
    EXPECT_EQ(entr_max_val(2), 127);
    EXPECT_EQ(entr_max_val(3), 32767);
    EXPECT_EQ(entr_max_val(4), 65535);
    EXPECT_EQ(entr_max_val(6), -1);
    for (int code : {0, 5, 7, 19, 20, 21, 99}) EXPECT_EQ(entr_max_val(code), 2147483647) << code;
}

std::string mltoasc(int32_t value, int32_t length, int32_t type, int32_t* result) {
    char buffer[32];
    std::memset(buffer, '#', sizeof buffer);
    *result = entr_mltoasc(buffer, value, length, type);
    for (int32_t i = static_cast<int32_t>(std::strlen(buffer)); i <= length; ++i)
        EXPECT_EQ(buffer[i], '\0') << "NUL padding at " << i;
    EXPECT_EQ(buffer[length + 1], '#');
    return buffer;
}

TEST(EntrMltoasc, ShowsTheUndefinedValueOfTheTypeAsDashes) {
    int32_t result = -1;
    EXPECT_EQ(mltoasc(2147483647, 10, 5, &result), "---");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(mltoasc(127, 4, 2, &result), "---");
    EXPECT_EQ(mltoasc(65535, 4, 4, &result), "---");
    EXPECT_EQ(mltoasc(32767, 6, 3, &result), "---");
    EXPECT_EQ(mltoasc(-1, 15, 6, &result), "---");
    EXPECT_EQ(mltoasc(-1, 15, 5, &result), "-1");
    EXPECT_EQ(mltoasc(127, 4, 4, &result), "127");
    EXPECT_EQ(mltoasc(127, 4, 19, &result), "127");  // type 19 answers the i32 value
    EXPECT_EQ(mltoasc(200, 4, 2, &result), "200");
    EXPECT_EQ(mltoasc(2147483647, 2, 5, &result), "--");  // cut, but not reported
    EXPECT_EQ(result, 0);
}

TEST(EntrMltoasc, CutsLongTextsAndSaysSo) {
    int32_t result = -1;
    EXPECT_EQ(mltoasc(123456, 4, 5, &result), "1234");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(mltoasc(1234, 4, 5, &result), "1234");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(mltoasc(-123, 3, 5, &result), "-12");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(mltoasc(65535, 4, 2, &result), "6553");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(mltoasc(7, 0, 5, &result), "");
    EXPECT_EQ(result, 1);
}

}  // namespace
}  // namespace gjbz108a
