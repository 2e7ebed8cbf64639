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

// The wildcard value of every code as the bytes of its field (little-endian).
std::string wildcard_bytes(unsigned code) {
    switch (code) {
    case 1: case 2: case 19: return "\x75"s;                // 117
    case 3: return "\xf5\x7f"s;                             // 32757
    case 4: case 20: case 12: case 13: return "\xf5\xff"s;  // 65525
    case 5: return "\xf5\xff\xff\x7f"s;
    case 6: case 21: return "\xf5\xff\xff\xff"s;
    case 7: return "\x0a\xd7\x23\x7c"s;
    case 8: return "\x33\x33\x33\x33\xe1\x7a\x84\x47"s;  // 3.4028234663852885e36
    case 9: return "***\0\0\0"s;
    case 10: return "***"s + std::string(10, '\0');
    case 11: return "*\0"s;
    case 23: return "***"s + std::string(18, '\0');
    case 17: case 18: return "***\0\0\0\0\0\0"s;
    case 14: case 15: case 16: case 22: case 24: return "\0"s;
    default: return {};
    }
}

TEST(GlobalChange, FillWritesTheWildcardOfEveryCode) {
    const AllFieldTypes all;
    Block block;
    entr_fill_gch(block.data(), all.list());
    for (unsigned code = 1; code <= 24; ++code)
        EXPECT_EQ(block.raw(all[code], test::width_of(code)), wildcard_bytes(code)) << code;
    EXPECT_TRUE(all.guards_intact(block));
}

// A part's block with a value in every field that is no sentinel.
Block part_block(const AllFieldTypes& all) {
    Block block;
    for (unsigned code : {1u, 2u, 19u}) block.set<std::uint8_t>(all[code], 9);
    block.set<std::int16_t>(all[3], -2).set<std::uint16_t>(all[4], 400).set<std::uint16_t>(all[20], 400);
    block.set<std::uint16_t>(all[12], 12).set<std::uint16_t>(all[13], 13);
    block.set<std::int32_t>(all[5], -5).set<std::uint32_t>(all[6], 6).set<std::uint32_t>(all[21], 21);
    block.set(all[7], 0.5f).set(all[8], 0.25);
    for (unsigned code : {14u, 15u, 16u, 22u, 24u}) block.set<std::uint8_t>(all[code], 2);
    block.set_raw(all[9], "ABC\0\0\0"s).set_raw(all[10], "PART\0"s).set_raw(all[11], "P\0"s);
    block.set_raw(all[23], "PART23\0"s).set_raw(all[17], "PART17\0"s).set_raw(all[18], "PART18\0"s);
    return block;
}

TEST(GlobalChange, AllWildcardsSelectEveryPartAndChangeNothingButCodesTwelveAndThirteen) {
    const AllFieldTypes all;
    Block wildcards;
    entr_fill_gch(wildcards.data(), all.list());
    Block part = part_block(all);

    // Codes 12 and 13 have no wildcard: 65525 must match.
    EXPECT_EQ(gchg_cmprec(part.data(), wildcards.data(), all.list()), 0);
    part.set<std::uint16_t>(all[12], 65525).set<std::uint16_t>(all[13], 65525);
    EXPECT_EQ(gchg_cmprec(part.data(), wildcards.data(), all.list()), 1);

    Block changed = part_block(all);
    gchg_chgrec(changed.data(), wildcards.data(), all.list());
    // Only 12 and 13 became 65525, and the text of length 1 "*": it holds just the
    // first star of "***", which is a new text like any other.
    part.set_raw(all[11], "*\0"s);
    EXPECT_EQ(changed.bytes(), part.bytes());
    EXPECT_TRUE(all.guards_intact(changed));

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

TEST(GlobalChange, NumberConditionsAndChangesOfEveryStorage) {
    const AllFieldTypes all;
    // Per code: the part's value, an equal condition, an unequal one.
    struct Number {
        unsigned code;
        void (*set)(Block&, const ScreenField&, int);
    };
    const auto u8 = [](Block& b, const ScreenField& f, int v) { b.set(f, static_cast<std::uint8_t>(v)); };
    const auto i16 = [](Block& b, const ScreenField& f, int v) { b.set(f, static_cast<std::int16_t>(v)); };
    const auto u16 = [](Block& b, const ScreenField& f, int v) { b.set(f, static_cast<std::uint16_t>(v)); };
    const auto i32 = [](Block& b, const ScreenField& f, int v) { b.set(f, static_cast<std::int32_t>(v)); };
    const auto u32 = [](Block& b, const ScreenField& f, int v) { b.set(f, static_cast<std::uint32_t>(v)); };
    const auto f32 = [](Block& b, const ScreenField& f, int v) { b.set(f, static_cast<float>(v)); };
    const auto f64 = [](Block& b, const ScreenField& f, int v) { b.set(f, static_cast<double>(v)); };
    const Number numbers[] = {{1, u8},   {2, u8},   {19, u8},  {3, i16},  {4, u16}, {20, u16}, {5, i32},
                              {6, u32},  {21, u32}, {7, f32},  {8, f64}};
    for (const Number& n : numbers) {
        const ScreenFieldList one = all.only(n.code);
        const ScreenField& field = all[n.code];
        Block part, condition, wildcard;
        n.set(part, field, 100);
        entr_fill_gch(wildcard.data(), &one);
        n.set(condition, field, 100);
        EXPECT_EQ(gchg_cmprec(part.data(), condition.data(), &one), 1) << n.code;
        EXPECT_EQ(gchg_cmprec(part.data(), wildcard.data(), &one), 1) << n.code;
        n.set(condition, field, 101);
        EXPECT_EQ(gchg_cmprec(part.data(), condition.data(), &one), 0) << n.code;

        gchg_chgrec(part.data(), wildcard.data(), &one);
        EXPECT_EQ(part.raw(field, test::width_of(n.code)), [&] { Block b; n.set(b, field, 100); return b; }()
                                                                  .raw(field, test::width_of(n.code)))
            << n.code;
        gchg_chgrec(part.data(), condition.data(), &one);
        EXPECT_EQ(gchg_cmprec(part.data(), condition.data(), &one), 1) << n.code;  // now 101
    }
    // Reals compare as numbers: -0 equals 0, and a NaN equals nothing.
    const ScreenFieldList f32_only = all.only(7);
    Block part, condition;
    part.set(all[7], -0.0f);
    condition.set(all[7], 0.0f);
    EXPECT_EQ(gchg_cmprec(part.data(), condition.data(), &f32_only), 1);
    part.set(all[7], std::numeric_limits<float>::quiet_NaN());
    condition.set(all[7], std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(gchg_cmprec(part.data(), condition.data(), &f32_only), 0);
}

TEST(GlobalChange, SelectionCodesAreStoredOneHigher) {
    const AllFieldTypes all;
    for (unsigned code : {14u, 15u, 16u, 22u, 24u}) {
        const ScreenFieldList one = all.only(code);
        Block part, values;
        part.set<std::uint8_t>(all[code], 2);
        values.set<std::uint8_t>(all[code], 3);  // code 2
        EXPECT_EQ(gchg_cmprec(part.data(), values.data(), &one), 1) << code;
        values.set<std::uint8_t>(all[code], 2);  // code 1
        EXPECT_EQ(gchg_cmprec(part.data(), values.data(), &one), 0) << code;
        values.set<std::uint8_t>(all[code], 0);  // any
        EXPECT_EQ(gchg_cmprec(part.data(), values.data(), &one), 1) << code;

        gchg_chgrec(part.data(), values.data(), &one);  // 0: no change
        EXPECT_EQ(part.get<std::uint8_t>(all[code]), 2) << code;
        values.set<std::uint8_t>(all[code], 1);  // "---"
        gchg_chgrec(part.data(), values.data(), &one);
        EXPECT_EQ(part.get<std::uint8_t>(all[code]), 0) << code;
        values.set<std::uint8_t>(all[code], 255);
        gchg_chgrec(part.data(), values.data(), &one);
        EXPECT_EQ(part.get<std::uint8_t>(all[code]), 254) << code;
    }
}

TEST(GlobalChange, CodesTwelveAndThirteenMatchAndCopyPlainly) {
    const AllFieldTypes all;
    for (unsigned code : {12u, 13u}) {
        const ScreenFieldList one = all.only(code);
        Block part, values;
        part.set<std::uint16_t>(all[code], 7);
        values.set<std::uint16_t>(all[code], 65535);
        EXPECT_EQ(gchg_cmprec(part.data(), values.data(), &one), 0);
        gchg_chgrec(part.data(), values.data(), &one);
        EXPECT_EQ(part.get<std::uint16_t>(all[code]), 65535);
        EXPECT_EQ(gchg_cmprec(part.data(), values.data(), &one), 1);
    }
}

TEST(TextConditions, StarsAndQuestionMarks) {
    struct Case {
        const char* part;
        const char* condition;
        bool met;
    };
    const Case cases[] = {
        {"ABCDEF", "***", true},     {"ABCDEF", "***X", true},     {"ABCDEF", "ABCDEF", true},
        {"ABCDEF", "ABCDEG", false}, {"ABCDEF", "ABCDE", false},   {"", "*", true},
        {"ABCDEF", "ABC*", true},    {"ABCDEF", "ABD*", false},    {"ABCDEF", "*DEF", true},
        {"ABCDEF", "*ABCDEFG", false}, {"ABCDEF", "AB*EF", true},  {"ABCDEF", "AB*DF", false},
        {"ABC", "AB*BC", true},      {"AB", "AB*BC", false},       {"ABCDEF", "*CD*", true},
        {"ABCDEF", "*CE*", false},   {"ABCDEF", "**", true},       {"", "**", true},
        {"ABCDEF", "A*C*", false},   {"ABCDEF", "*A*F", false},    {"ABCDEF", "*B*D*", false},
        {"ABC", "A?C", true},        {"ABCD", "A?C", false},       {"ABCD", "A?C*", true},
        {"ABC", "A?C*", true},       {"AXC", "A?C", true},         {"ABD", "A?C", false},
        {"AB", "AB?*", true},        {"AB", "AB?", false},         {"ABCDEF", "?*X", true},
        {"ABCDEF", "ABCDEFX", false}, {"ABCDEF", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text_condition_met(c.part, c.condition, 20), c.met) << c.part << " / " << c.condition;
    // Equality counts over the field's characters only.
    EXPECT_TRUE(text_condition_met("ABCD", "ABCE", 3));
    // A contained text longer than any work area still counts.
    const std::string inner(150, 'q');
    EXPECT_TRUE(text_condition_met("xx" + inner + "yy", "*" + inner + "*", 255));
    EXPECT_FALSE(text_condition_met("xx" + inner.substr(1) + "yy", "*" + inner + "*", 255));
}

TEST(GlobalChange, TextFieldsThroughTheExports) {
    const AllFieldTypes all;
    const ScreenFieldList code23 = all.only(23);
    Block part, condition;
    part.set_raw(all[23], "ABCDEF\0"s);
    condition.set_raw(all[23], "*CD*\0"s);
    EXPECT_EQ(gchg_cmprec(part.data(), condition.data(), &code23), 1);
    // 8-character texts compare plainly: a star is no pattern there.
    const ScreenFieldList code17 = all.only(17);
    part.set_raw(all[17], "ABCDEFGH\0"s);
    condition.set_raw(all[17], "ABC*\0"s);
    EXPECT_EQ(gchg_cmprec(part.data(), condition.data(), &code17), 0);
    condition.set_raw(all[17], "ABCDEFGH\0"s);
    EXPECT_EQ(gchg_cmprec(part.data(), condition.data(), &code17), 1);
    condition.set_raw(all[17], "***\0"s);
    EXPECT_EQ(gchg_cmprec(part.data(), condition.data(), &code17), 1);
}

TEST(GlobalChange, NewTextsAndTheEditingCommands) {
    const AllFieldTypes all;
    const ScreenFieldList code9 = all.only(9);  // 5 characters
    const auto change = [&](const std::string& part_bytes, const std::string& new_bytes) {
        Block part, values;
        part.set_raw(all[9], part_bytes);
        values.set_raw(all[9], new_bytes);
        gchg_chgrec(part.data(), values.data(), &code9);
        EXPECT_TRUE(all.guards_intact(part));
        return part.raw(all[9], 6);
    };
    EXPECT_EQ(change("ABC\0\0\0"s, "-rb1\0"s), "BC\0\0\0\0"s);
    EXPECT_EQ(change("ABC\0\0\0"s, "-re1\0"s), "AB\0\0\0\0"s);
    EXPECT_EQ(change("ABC\0\0\0"s, "***\0"s), "ABC\0\0\0"s);
    EXPECT_EQ(change("ABC\0\0\0"s, "***Z\0"s), "ABC\0\0\0"s);
    EXPECT_EQ(change("ABCDE\0"s, "-rb1\0"s), "BCDE\0\0"s);
    EXPECT_EQ(change("ABCDEX"s, "-re1\0"s), "ABCD\0\0"s);  // a field without its NUL is closed
    EXPECT_EQ(change("ABC\0\0\0"s, "-rb1x\0"s), "-rb1x\0"s);  // only the exact command
    EXPECT_EQ(change("ABC\0\0\0"s, "NEWTEXT\0"s), "NEWTE\0"s);
    EXPECT_EQ(change("ABC\0\0\0"s, "\0"s), "\0\0\0\0\0\0"s);
    // An empty text stays empty; "-re1" writes nothing before the field.
    EXPECT_EQ(change("\0\0\0\0\0\0"s, "-rb1\0"s), "\0\0\0\0\0\0"s);
    EXPECT_EQ(change("\0QQQQQ"s, "-re1\0"s), "\0QQQQ\0"s);

    // A field too short for the command holds only its start, which is then a plain text.
    const ScreenFieldList code11 = all.only(11);  // 1 character
    Block part, values;
    part.set_raw(all[11], "A\0"s);
    values.set_raw(all[11], "-\0"s);
    gchg_chgrec(part.data(), values.data(), &code11);
    EXPECT_EQ(part.raw(all[11], 2), "-\0"s);

    // 8-character texts: cut to 8 and closed, "***" leaves them.
    const ScreenFieldList code18 = all.only(18);
    Block text8, new8;
    text8.set_raw(all[18], "OLD\0\0\0\0\0\0"s);
    new8.set_raw(all[18], "***new\0"s);
    gchg_chgrec(text8.data(), new8.data(), &code18);
    EXPECT_EQ(text8.text(all[18]), "OLD");
    new8.set_raw(all[18], "ABCDEFGHI"s);
    gchg_chgrec(text8.data(), new8.data(), &code18);
    EXPECT_EQ(text8.raw(all[18], 9), "ABCDEFGH\0"s);
    new8.set_raw(all[18], "-re1\0"s);  // no command for these
    gchg_chgrec(text8.data(), new8.data(), &code18);
    EXPECT_EQ(text8.raw(all[18], 9), "-re1\0\0\0\0\0"s);
}

}  // namespace
}  // namespace gjbz108a
