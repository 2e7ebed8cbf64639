#include "method/all_field_types.h"
#include "method/text_pattern.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace gjbz108a {
namespace {

using test::AllFieldTypes;
using test::Block;
using namespace std::string_literals;

TEST(GlobalChange, AllWildcardsSelectEveryPartAndChangeNothingButCodesTwelveAndThirteen) {
    const AllFieldTypes all;
    Block wildcards;
    entr_fill_gch(wildcards.data(), all.list());

    Block part;
    for (unsigned code = 1; code <= 24; ++code) part.number(all[code], 2);
    part.set_raw(all[9], "ABC\0"s).set_raw(all[23], "PART23\0"s).set_raw(all[17], "PART17\0"s);
    // Codes 12 and 13 have no wildcard: 65525 must match.
    EXPECT_EQ(gchg_cmprec(part.data(), wildcards.data(), all.list()), 0);
    part.number(all[12], 65525).number(all[13], 65525);
    EXPECT_EQ(gchg_cmprec(part.data(), wildcards.data(), all.list()), 1);

    Block changed = part;
    part.number(all[12], 7).number(all[13], 7);
    gchg_chgrec(part.data(), wildcards.data(), all.list());
    // Only 12 and 13 became 65525, and the text of length 1 "*": it holds just the
    // first star of "***", which is a new text like any other.
    changed.set_raw(all[11], "*\0"s);
    EXPECT_EQ(part.bytes(), changed.bytes());

    // The lists of this method have no code 12 or 13.
    const ScreenFieldList* connector = nullptr;
    GetScrInfo(10, &connector);
    std::array<std::uint8_t, GJBZ108A_BLOCK_SIZE> conditions{}, any_part;
    any_part.fill(0x3C);
    entr_fill_gch(conditions.data(), connector);
    EXPECT_EQ(gchg_cmprec(any_part.data(), conditions.data(), connector), 1);
    const auto before = any_part;
    gchg_chgrec(any_part.data(), conditions.data(), connector);
    EXPECT_EQ(any_part, before);
}

TEST(GlobalChange, NumbersMatchAndChangeUnlessWildcard) {
    const AllFieldTypes all;
    for (unsigned code : {1u, 2u, 19u, 3u, 4u, 20u, 5u, 6u, 21u, 7u, 8u, 12u, 13u}) {
        const ScreenFieldList one = all.only(code);
        Block part, values, wildcard;
        part.number(all[code], 100);
        entr_fill_gch(wildcard.data(), &one);
        const bool plain = code == 12 || code == 13;
        values.number(all[code], 100);
        EXPECT_EQ(gchg_cmprec(part.data(), values.data(), &one), 1) << code;
        EXPECT_EQ(gchg_cmprec(part.data(), wildcard.data(), &one), plain ? 0 : 1) << code;
        values.number(all[code], 101);
        EXPECT_EQ(gchg_cmprec(part.data(), values.data(), &one), 0) << code;

        const std::string hundred = part.raw(all[code]);
        gchg_chgrec(part.data(), wildcard.data(), &one);
        EXPECT_EQ(part.raw(all[code]), plain ? wildcard.raw(all[code]) : hundred) << code;
        gchg_chgrec(part.data(), values.data(), &one);
        EXPECT_EQ(part.raw(all[code]), values.raw(all[code])) << code;
    }
    // Reals compare as numbers: -0 equals 0, and a NaN equals nothing.
    const ScreenFieldList f32 = all.only(7);
    Block part, condition;
    part.set(all[7], -0.0f);
    condition.set(all[7], 0.0f);
    EXPECT_EQ(gchg_cmprec(part.data(), condition.data(), &f32), 1);
    part.set(all[7], std::numeric_limits<float>::quiet_NaN());
    condition.set(all[7], std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(gchg_cmprec(part.data(), condition.data(), &f32), 0);
}

TEST(GlobalChange, SelectionCodesAreStoredOneHigher) {
    const AllFieldTypes all;
    for (unsigned code : {14u, 15u, 16u, 22u, 24u}) {
        const ScreenFieldList one = all.only(code);
        Block part, values;
        part.number(all[code], 2);
        const auto selects = [&](unsigned stored) {
            values.number(all[code], stored);
            return gchg_cmprec(part.data(), values.data(), &one);
        };
        EXPECT_EQ(selects(3), 1) << code;  // code 2
        EXPECT_EQ(selects(2), 0) << code;  // code 1
        EXPECT_EQ(selects(0), 1) << code;  // any
        const auto change_to = [&](unsigned stored) {
            values.number(all[code], stored);
            gchg_chgrec(part.data(), values.data(), &one);
            return part.get<std::uint8_t>(all[code]);
        };
        EXPECT_EQ(change_to(0), 2) << code;  // no change
        EXPECT_EQ(change_to(1), 0) << code;  // "---"
        EXPECT_EQ(change_to(255), 254) << code;
    }
}

TEST(TextConditions, StarsAndQuestionMarks) {
    struct Case {
        const char* part;
        const char* condition;
        bool met;
    };
    const Case cases[] = {
        {"ABCDEF", "***", true},      {"ABCDEF", "***X", true},     {"ABCDEF", "ABCDEF", true},
        {"ABCDEF", "ABCDE", false},   {"ABCDEF", "", false},        {"", "*", true},
        {"ABCDEF", "ABC*", true},     {"ABCDEF", "ABD*", false},    {"ABCDEF", "*DEF", true},
        {"ABCDEF", "*ABCDEFG", false}, {"ABCDEF", "AB*EF", true},   {"ABCDEF", "AB*DF", false},
        {"ABC", "AB*BC", true},       {"AB", "AB*BC", false},       {"ABCDEF", "*CD*", true},
        {"ABCDEF", "*CE*", false},    {"", "**", true},             {"ABCDEF", "A*C*", false},
        {"ABCDEF", "*A*F", false},    {"ABCDEF", "*B*D*", false},   {"ABC", "A?C", true},
        {"ABCD", "A?C", false},       {"ABCD", "A?C*", true},       {"ABC", "A?C*", true},
        {"ABD", "A?C", false},        {"AB", "AB?*", true},         {"AB", "AB?", false},
        {"ABCDEF", "?*X", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text_condition_met(c.part, c.condition, 20), c.met) << c.part << " / " << c.condition;
    // Equality counts over the field's characters only.
    EXPECT_TRUE(text_condition_met("ABCD", "ABCE", 3));
    // A contained text longer than any work area still counts.
    const std::string inner(150, 'q');
    EXPECT_TRUE(text_condition_met("xx" + inner + "yy", "*" + inner + "*", 255));
    EXPECT_FALSE(text_condition_met("xx" + inner.substr(1) + "yy", "*" + inner + "*", 255));

    // Through the export; 8-character texts compare plainly, a star is no pattern there.
    const AllFieldTypes all;
    Block part, condition;
    entr_fill_gch(condition.data(), all.list());
    entr_fill_gch(part.data(), all.list());
    part.set_raw(all[23], "ABCDEF\0"s).set_raw(all[17], "ABCDEFGH\0"s);
    condition.set_raw(all[23], "*CD*\0"s).set_raw(all[17], "***\0"s);
    EXPECT_EQ(gchg_cmprec(part.data(), condition.data(), all.list()), 1);
    condition.set_raw(all[17], "ABC*\0"s);
    EXPECT_EQ(gchg_cmprec(part.data(), condition.data(), all.list()), 0);
}

TEST(GlobalChange, NewTextsAndTheEditingCommands) {
    const AllFieldTypes all;
    const auto change = [&](unsigned code, const std::string& part_bytes, const std::string& new_bytes) {
        const ScreenFieldList one = all.only(code);
        Block part, values;
        part.set_raw(all[code], part_bytes);
        values.set_raw(all[code], new_bytes);
        gchg_chgrec(part.data(), values.data(), &one);
        EXPECT_TRUE(all.guards_intact(part));
        return part.raw(all[code]);
    };
    // Code 9 holds 5 characters.
    EXPECT_EQ(change(9, "ABC\0\0\0"s, "-rb1\0"s), "BC\0\0\0\0"s);
    EXPECT_EQ(change(9, "ABC\0\0\0"s, "-re1\0"s), "AB\0\0\0\0"s);
    EXPECT_EQ(change(9, "ABCDE\0"s, "-rb1\0"s), "BCDE\0\0"s);
    EXPECT_EQ(change(9, "ABC\0\0\0"s, "***Z\0"s), "ABC\0\0\0"s);
    EXPECT_EQ(change(9, "ABCDEX"s, "-re1\0"s), "ABCD\0\0"s);  // a field without its NUL is closed
    EXPECT_EQ(change(9, "ABC\0\0\0"s, "-rb1x\0"s), "-rb1x\0"s);  // only the exact command
    EXPECT_EQ(change(9, "ABC\0\0\0"s, "NEWTEXT\0"s), "NEWTE\0"s);
    EXPECT_EQ(change(9, "ABC\0\0\0"s, "\0"s), "\0\0\0\0\0\0"s);
    // An empty text stays empty; "-re1" writes nothing before the field.
    EXPECT_EQ(change(9, "\0\0\0\0\0\0"s, "-rb1\0"s), "\0\0\0\0\0\0"s);
    EXPECT_EQ(change(9, "\0QQQQQ"s, "-re1\0"s), "\0QQQQ\0"s);
    // A field too short for a command holds only its start, a plain text.
    EXPECT_EQ(change(11, "A\0"s, "-\0"s), "-\0"s);
    // 8-character texts: cut to 8 and closed, "***" leaves them, no commands.
    EXPECT_EQ(change(18, "OLD\0"s, "***new\0"s).substr(0, 4), "OLD\0"s);
    EXPECT_EQ(change(18, "OLD\0"s, "ABCDEFGHI"s), "ABCDEFGH\0"s);
    EXPECT_EQ(change(18, "OLD\0"s, "-re1\0"s), "-re1\0\0\0\0\0"s);
}

}  // namespace
}  // namespace gjbz108a
