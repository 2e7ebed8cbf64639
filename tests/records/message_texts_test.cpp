// Texts of message lines: numbers written as "%g" writes them (those that are
// no number, and the lines appended, show in the curve lookup's messages), and
// "did you mean": which known texts a typed one is taken to mean, and how the
// candidates are written.
#include "records/message_number.h"
#include "records/suggestions.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace gjbz108a {
namespace {

std::string general(float value) {
    char text[kGeneralTextSize];
    return {text, put_general(text, value)};
}

TEST(PutGeneral, WritesWhatPercentGWrites) {
    // Six significant digits, ties to even on the exact value; the fixed style
    // for exponents -4 to 5, else the exponent style with two digits at least;
    // trailing zeros and a bare point dropped.
    const std::pair<float, const char*> cases[] = {
        {0.0f, "0"},           {-0.0f, "-0"},           {100.0f, "100"},     {-40.0f, "-40"},
        {999999.0f, "999999"}, {1e6f, "1e+06"},         {0.8f, "0.8"},       {50.5f, "50.5"},
        {0.0001f, "0.0001"},   {0.00001f, "1e-05"},     {1e-45f, "1.4013e-45"},
        {3.4028235e38f, "3.40282e+38"},
        {1234565.0f, "1.23456e+06"}, {1234575.0f, "1.23458e+06"},  // exactly halfway: to the even digit
        {123456.5f, "123456"},       {123457.5f, "123458"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(general(value), text) << text;
}

using Texts = std::vector<std::string_view>;
TEST(Suggestions, TyposWithinTheirBoundAndWholeWords) {
    const Texts categories{"Resistor", "CAPACITOR", "Low Frequency Diodes", "High Frequency Diodes", "FUSES"};
    const Texts inductive{"subtype", "type", "transformer_quality", "coil_quality", "user_pi_q"};
    const Texts style{"Metal Film", "Carbon Film", "Chip Film", "Network", "Composition"};
    const struct {
        std::string_view typed;
        const Texts& known;
        Texts expected;
    } cases[]{
        {"CAPACITORS", categories, {"CAPACITOR"}},    // one letter more, any case
        {"Reisstor", categories, {"Resistor"}},        // two neighbours swapped: one edit
        {"capacitro", categories, {"CAPACITOR"}},
        {"Rezistors", categories, {"Resistor"}},       // 9 letters: two edits allowed
        {"Rzzistors", categories, {}},                 // three
        {"Fuse", categories, {"FUSES"}},               // 4 to 8 letters: one edit
        {"Fuze", categories, {}},                      // two
        {"Diodes", categories, {"Low Frequency Diodes", "High Frequency Diodes"}},  // a word of each
        {"quality", inductive, {"transformer_quality", "coil_quality"}},
        {"Metalfilm", style, {"Metal Film"}},
        {"film", style, {"Metal Film", "Carbon Film", "Chip Film"}},
        {"quantity", Texts{"ref", "qty", "quality"}, {}},  // 8 letters: quality is two edits away
        {"B3", Texts{"B1", "B2", "C1"}, {}},           // three letters or fewer: none
        {"qualty", Texts{"quality", "quality", "pins"}, {"quality"}},  // each text once
    };
    for (const auto& c : cases) EXPECT_EQ(likely_meant(c.typed, c.known), c.expected) << c.typed;

    // At most three, the closest first.
    EXPECT_EQ(likely_meant("abcd", Texts{"x abcd", "abce", "abcd y", "abd", "abcd"}),
              (Texts{"abcd", "abce", "abd"}));
}

TEST(Suggestions, TheQuestionNamesOneTwoOrThree) {
    const auto asked = [](Texts candidates) {
        std::string message = "'x' is unknown";
        append_did_you_mean(message, candidates);
        return message;
    };
    EXPECT_EQ(asked({}), "'x' is unknown");
    EXPECT_EQ(asked({"a"}), "'x' is unknown; did you mean 'a'?");
    EXPECT_EQ(asked({"a", "b"}), "'x' is unknown; did you mean 'a' or 'b'?");
    EXPECT_EQ(asked({"a", "b", "c"}), "'x' is unknown; did you mean 'a', 'b' or 'c'?");
}

}  // namespace
}  // namespace gjbz108a
