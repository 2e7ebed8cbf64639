// "Did you mean": which known texts a typed one is taken to mean, and how the
// candidates are written.
#include "records/suggestions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gjbz108a {
namespace {

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
