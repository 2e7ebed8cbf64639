// The field lists of GetScrInfo, checked against the category field tables;
// and the defaults and global-change exports over a list with one entry of
// every field type code 0..25 (0 and 25 must be skipped), in a block where
// every byte that no field owns is a guard.
#include "records/category_fields.h"
#include "records/item_codes.h"
#include "method/method_codes.h"
#include "method/text_pattern.h"

#include <gjbz108a/gjbz108a.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace gjbz108a {
namespace {

using namespace std::string_literals;

std::span<const ScreenField> screen_fields(int32_t item_code) {
    const ScreenFieldList* list = nullptr;
    GetScrInfo(item_code, &list);
    return list ? std::span{list->fields, static_cast<std::size_t>(list->count)} : std::span<const ScreenField>{};
}

// The category field tables were written from the record layout apart from the
// screen lists: every field must lie at an entry of the same storage.
TEST(ScreenLists, AgreeWithTheCategoryFieldTables) {
    using enum FieldType;
    const std::map<FieldType, unsigned> type_codes{{u8, 2}, {u16, 4}, {i32, 5}, {u32, 6}, {f32, 7}, {selection, 15}, {code, 15}};
    for (unsigned code = 0; code < 256; ++code) {
        ASSERT_EQ(category_fields(code).empty(), !test::supported(code)) << code;
        ASSERT_EQ(find_category(code) == nullptr, !test::supported(code)) << code;
        std::set<std::string_view> keys;
        for (const ParameterField& field : category_fields(code)) {
            const std::string where = std::to_string(code) + " " + std::string{field.key};
            EXPECT_TRUE(keys.insert(field.key).second) << where;
            for (char ch : field.key) EXPECT_TRUE(std::islower(ch) || ch == '_') << where;
            EXPECT_EQ(field.type == selection, !field.entries.empty()) << where;
            unsigned listed = 0;
            for (const ScreenField& entry : screen_fields(static_cast<int32_t>(code))) {
                if (entry.offset == field.offset) listed = entry.type_code;
                EXPECT_EQ(entry.length | entry.reserved[0] | entry.reserved[1], 0) << where;
            }
            EXPECT_EQ(listed, type_codes.at(field.type)) << where;
            EXPECT_EQ(field_width(field.type), listed == 4 ? 2u : listed >= 5 && listed <= 7 ? 4u : 1u) << where;
        }
    }
    // Only the low byte counts; an unsupported code leaves the caller's pointer alone.
    const ScreenFieldList* connections = nullptr;
    GetScrInfo(19, &connections);
    const ScreenFieldList sentinel{};
    for (int32_t code : {256 + 19, 0x7FFFFF00 + 19, -256 + 19, 0, 4, 17, 23, 26, 32, 34, 255, 256 + 4, -1}) {
        const ScreenFieldList* list = &sentinel;
        GetScrInfo(code, &list);
        EXPECT_EQ(list, (code & 0xFF) == 19 ? connections : &sentinel) << code;
    }
    // The entries that no field of the category holds, as the documented lists have them.
    std::string carried;
    for (unsigned code : test::kSupportedItemCodes) {
        for (const ScreenField& entry : screen_fields(static_cast<int32_t>(code))) {
            const auto at_entry = [&](const ParameterField& field) { return field.offset == entry.offset; };
            if (std::ranges::none_of(category_fields(code), at_entry))
                carried += std::to_string(code) + "@" + std::to_string(entry.offset) + ":" +
                           std::to_string(entry.type_code) + " ";
        }
    }
    EXPECT_EQ(carried, "1@12:7 2@12:7 2@21:2 3@12:7 5@4:7 6@3:2 6@4:7 7@5:2 7@6:7 8@3:2 10@3:2 11@3:2 11@4:7 12@3:2 "
                       "12@12:7 13@3:2 13@4:7 14@3:2 14@8:7 16@3:2 18@4:7 19@1:15 20@1:15 20@3:2 21@3:2 22@3:2 24@1:15 "
                       "25@1:15 27@1:15 27@3:2 29@9:2 30@3:2 31@3:2 33@1:15 33@3:2 ");
}

// Bytes of each code by the storage table, a text's NUL included; 8 for 0 and 25, which have no storage.
constexpr std::array<unsigned, 26> kWidth{8, 1, 1, 2, 2, 4, 4, 4, 8, 6, 13, 2, 2,
                                          2, 1, 1, 1, 9, 9, 1, 2, 4, 1, 21, 1, 8};

// One entry of every code, with a guard byte before and after every field.
struct Fields {
    Fields() {
        std::uint32_t offset = 1;
        for (std::uint8_t code = 0; code <= 25; ++code) {
            const std::uint8_t length = code == 9 ? 5 : code == 10 ? 12 : code == 11 ? 1 : code == 23 ? 20 : 0;
            entries.push_back({code, length, {0, 0}, offset});
            offset += kWidth[code] + 1;
        }
        list = {static_cast<std::int32_t>(entries.size()), entries.data()};
    }
    ScreenFieldList only(unsigned code) const { return {1, &entries[code]}; }

    std::vector<ScreenField> entries;
    ScreenFieldList list{};
};
const Fields all;

struct Block {
    Block() { bytes.fill(0xA5); }

    Block& number(unsigned code, double value) {  // in the field's storage
        const auto put = [&](auto stored) { std::memcpy(at(code), &stored, sizeof stored); };
        switch (code) {
        case 3: put(static_cast<std::int16_t>(value)); break;
        case 4: case 20: case 12: case 13: put(static_cast<std::uint16_t>(value)); break;
        case 5: put(static_cast<std::int32_t>(value)); break;
        case 6: case 21: put(static_cast<std::uint32_t>(value)); break;
        case 7: put(static_cast<float>(value)); break;
        case 8: put(value); break;
        default: put(static_cast<std::uint8_t>(value)); break;
        }
        return *this;
    }
    Block& set_raw(unsigned code, const std::string& field) {
        std::memcpy(at(code), field.data(), field.size());
        return *this;
    }
    Block& set_text(unsigned code, const std::string& text) {  // NUL-padded to the whole field
        return set_raw(code, text + std::string(kWidth[code] - text.size(), '\0'));
    }
    std::string raw(unsigned code) const {  // the field's bytes, a text's padding and NUL included
        return {reinterpret_cast<const char*>(bytes.data() + all.entries[code].offset), kWidth[code]};
    }
    std::uint8_t* at(unsigned code) { return bytes.data() + all.entries[code].offset; }
    std::uint8_t* data() { return bytes.data(); }

    std::array<std::uint8_t, 256> bytes;
};

TEST(Defaults, FillsWriteTheSentinelsOfEveryCodeAndNothingElse) {
    // The undefined ("---") and wildcard ("***") values of the number codes.
    const std::tuple<std::vector<unsigned>, double, double> numbers[] = {
        {{1, 2, 19}, 127, 117}, {{3}, 32767, 32757}, {{4, 20, 12, 13}, 65535, 65525},
        {{5}, 2147483647, 2147483637}, {{6, 21}, 4294967295, 4294967285}, {{7}, 3.4028235e38f, 3.4028236e36f},
        {{8}, 3.4028234663852886e38, 3.4028234663852885e36}, {{14, 15, 16, 22, 24}, 0, 0},
    };
    for (const bool wildcards : {false, true}) {
        Block filled, expected;
        for (const auto& [codes, undefined, wildcard] : numbers)
            for (unsigned code : codes) expected.number(code, wildcards ? wildcard : undefined);
        for (unsigned code : {9u, 10u, 11u, 23u, 17u, 18u})  // as much of the text as the field holds
            expected.set_text(code, std::string(code == 11 ? 1 : 3, wildcards ? '*' : '-'));
        (wildcards ? entr_fill_gch : entr_fill_def)(filled.data(), &all.list);
        EXPECT_EQ(filled.bytes, expected.bytes) << wildcards;  // codes 0 and 25 skipped, guards untouched
    }
}

// That undefined entries take the default (bar codes 12 and 13 and a text of
// one character, which cannot hold "---"), and only fields are written, is the
// fuzz target's to check on arbitrary blocks; here, the values next to the
// undefined ones, and texts.
TEST(Defaults, DefinedEntriesStayTextsFromDashesOnTakeTheDefault) {
    Block defaults, entered, merged;
    for (unsigned code = 1; code <= 24; ++code) defaults.number(code, 5);
    defaults.set_text(9, "DFLT").set_text(10, "DEFAULTTEXT").set_text(11, "D").set_text(23, "default");
    defaults.set_text(17, "DEFAULT").set_text(18, "D18");
    // Defined entries stay whatever the default; the destination may be either source.
    Block own = defaults;
    own.number(15, 3).number(4, 65534).number(5, 0).number(1, 126).set_text(9, "--x").set_text(17, "-- -");
    const Block before = own;
    entr_upd_def(own.data(), own.data(), defaults.data(), &all.list);
    EXPECT_EQ(own.bytes, before.bytes);

    // Texts that begin with "---" are undefined; a default without its NUL is cut.
    entered.set_raw(9, "---xy\0"s).set_raw(17, "---more\0\0"s);
    defaults.set_raw(9, "ABCDEF"s).set_raw(17, "12345678X"s);
    entr_upd_def(merged.data(), entered.data(), defaults.data(), &all.list);
    EXPECT_EQ(merged.raw(9) + merged.raw(17), "ABCDE\0" "12345678\0"s);
}

TEST(Defaults, RealsAreUndefinedFromTwoToThe127th) {
    const double two_127 = 1.7014118346046923e38, inf = std::numeric_limits<double>::infinity();
    const std::tuple<double, bool, std::vector<unsigned>> cases[] = {
        {1.8e38, true, {7, 8}}, {1.6e38, false, {7, 8}}, {two_127, true, {7, 8}}, {-two_127, true, {7, 8}},
        {3.4028234663852886e38, true, {7, 8}}, {0.0, false, {7, 8}}, {-1e-40, false, {7, 8}}, {inf, true, {7, 8}},
        {-inf, true, {7, 8}}, {std::numeric_limits<double>::quiet_NaN(), false, {7, 8}},
        {std::bit_cast<float>(std::uint32_t{0x7EFFFFFF}), false, {7, 8}},  // the f32 below 2^127
        {std::nextafter(two_127, 0.0), false, {8}},                           // the double below it
    };
    for (const auto& [value, undefined, codes] : cases) {
        for (unsigned code : codes) {
            Block entered, defaults, merged;
            const ScreenFieldList one = all.only(code);
            entr_upd_def(merged.data(), entered.number(code, value).data(), defaults.number(code, 7).data(), &one);
            EXPECT_EQ(merged.raw(code), (undefined ? defaults : entered).raw(code)) << code << " " << value;
        }
    }
}

TEST(GlobalChange, WildcardsSelectEveryPartAndChangeNothingButCodesTwelveAndThirteen) {
    Block wildcards, part;
    entr_fill_gch(wildcards.data(), &all.list);
    for (unsigned code = 1; code <= 24; ++code) part.number(code, 2);
    part.set_raw(9, "ABC\0"s).set_raw(23, "PART23\0"s).set_raw(17, "PART1718\0"s);
    EXPECT_EQ(gchg_cmprec(part.data(), wildcards.data(), &all.list), 0);  // 65525 must match in 12 and 13
    part.number(12, 65525).number(13, 65525);
    EXPECT_EQ(gchg_cmprec(part.data(), wildcards.data(), &all.list), 1);
    // A text condition may be a pattern; an 8-character one must be equal.
    Block conditions = wildcards;
    EXPECT_EQ(gchg_cmprec(part.data(), conditions.set_raw(23, "*RT2*\0"s).data(), &all.list), 1);
    for (const std::string& text : {"PART1*\0"s, "PART171\0"s})
        EXPECT_EQ(gchg_cmprec(part.data(), conditions.set_raw(17, text).data(), &all.list), 0) << text;
    Block changed = part;
    part.number(12, 7).number(13, 7);
    gchg_chgrec(part.data(), wildcards.data(), &all.list);
    // 12 and 13 take 65525, and the one-character text "*", a new text like any other.
    EXPECT_EQ(part.bytes, changed.set_raw(11, "*\0"s).bytes);
}

TEST(GlobalChange, NumbersAndSelectionCodes) {
    for (unsigned code : {1u, 2u, 19u, 3u, 4u, 20u, 5u, 6u, 21u, 7u, 8u, 12u, 13u, 14u, 15u, 16u, 22u, 24u}) {
        // A selection code is stored one higher in conditions and new values (0 is the wildcard).
        const unsigned shift = code == 14 || code == 15 || code == 16 || code == 22 || code == 24;
        const ScreenFieldList one = all.only(code);
        Block part, values, expected;
        part.number(code, 100);
        EXPECT_EQ(gchg_cmprec(part.data(), values.number(code, 100 + shift).data(), &one), 1) << code;
        EXPECT_EQ(gchg_cmprec(part.data(), values.number(code, 101 + shift).data(), &one), 0) << code;
        gchg_chgrec(part.data(), values.data(), &one);
        EXPECT_EQ(part.raw(code), expected.number(code, 101).raw(code)) << code;
    }
}

TEST(GlobalChange, TextConditions) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"ABCDEF", "***", true},    {"ABCDEF", "***X", true},      {"ABCDEF", "ABCDEF", true},
        {"ABCDEF", "ABCDE", false}, {"ABCDEF", "", false},         {"", "*", true},
        {"ABCDEF", "ABC*", true},   {"ABCDEF", "ABD*", false},     {"ABCDEF", "*DEF", true},
        {"ABCDEF", "*ABC", false},  {"ABCDEF", "*ABCDEFG", false}, {"ABCDEF", "AB*EF", true},
        {"ABCDEF", "AB*DF", false}, {"ABC", "AB*BC", true},        {"AB", "AB*BC", false},
        {"ABCDEF", "*CD*", true},   {"ABCDEF", "*CE*", false},     {"", "**", true},
        {"ABCDEF", "A*C*", false},  {"ABCDEF", "*A*F", false},     {"ABCDEF", "*B*D*", false},
        {"AB*CD", "*B*C*", false},  {"ABC", "A?C", true},          {"ABCD", "A?C", false},
        {"ABCD", "A?C*", true},     {"ABC", "A?C*", true},         {"ABD", "A?C", false},
        {"AB", "AB?*", true},       {"AB", "AB?", false},          {"ABCDEF", "?*X", true},
    };
    for (const auto& [part, condition, met] : cases)
        EXPECT_EQ(text_condition_met(part, condition, 20), met) << part << " / " << condition;
    EXPECT_TRUE(text_condition_met("ABCD", "ABCE", 3));  // equal over the field's characters
}

TEST(GlobalChange, NewTextsAndTheEditingCommands) {
    // Code, the part's field, the new value's field, the part's field afterwards. Code 9 holds 5 characters.
    const std::tuple<unsigned, std::string, std::string, std::string> cases[] = {
        {9, "ABC\0\0\0"s, "-rb1\0"s, "BC\0\0\0\0"s},      {9, "ABC\0\0\0"s, "-re1\0"s, "AB\0\0\0\0"s},
        {9, "ABCDE\0"s, "-rb1\0"s, "BCDE\0\0"s},          {9, "ABC\0\0\0"s, "***Z\0"s, "ABC\0\0\0"s},
        {9, "ABCDEX"s, "-re1\0"s, "ABCD\0\0"s},            // a field without its NUL is closed
        {9, "ABC\0\0\0"s, "-rb1x\0"s, "-rb1x\0"s},       // only the exact command
        {9, "ABC\0\0\0"s, "NEWTEXT\0"s, "NEWTE\0"s},     {9, "\0\0\0\0\0\0"s, "-rb1\0"s, "\0\0\0\0\0\0"s},
        {9, "\0QQQQQ"s, "-re1\0"s, "\0QQQQ\0"s},          {11, "A\0"s, "-\0"s, "-\0"s},  // too short for a command
        {9, "A\0\0\0\0\0"s, "-re1\0"s, "\0\0\0\0\0\0"s},     // the last character may be the only one
        // 8-character texts: cut to 8 and closed, "***" leaves them, no commands.
        {18, "OLD\0\0\0\0\0\0"s, "***new\0"s, "OLD\0\0\0\0\0\0"s}, {18, "OLD\0"s, "ABCDEFGHI"s, "ABCDEFGH\0"s},
        {18, "OLD\0"s, "-re1\0"s, "-re1\0\0\0\0\0"s},
    };
    for (const auto& [code, old_text, new_text, result] : cases) {
        const ScreenFieldList one = all.only(code);
        Block part, values;
        gchg_chgrec(part.set_raw(code, old_text).data(), values.set_raw(code, new_text).data(), &one);
        EXPECT_EQ(part.raw(code), result) << new_text;
    }
}

// Copies the field of code `from` into the field of code `to`. (That nothing
// but the destination is written is the fuzz target's to check.)
void exchange(Block& block, int32_t from, int32_t to) { gchg_exchgfld(block.data(), from, to, &all.list); }

TEST(FieldExchange, FieldsTravelAsTheirTexts) {
    const std::tuple<unsigned, double, const char*> to_text[] = {
        {1, 'A', "A"}, {19, 0, ""}, {3, -32768, "-32768"}, {4, 65535, "65535"}, {5, -2147483648.0, "-2147483648"},
        {21, 4294967295.0, "4294967295"}, {7, 1.5, "1.500000"}, {7, 0.1, "0.100000"}, {8, -2.0 / 3.0, "-0.666667"},
        {12, 65525, "65525"}, {15, 200, "-56"},  // a selection code as the signed byte, not shifted
    };
    for (const auto& [code, value, text] : to_text) {
        Block block;
        exchange(block.number(code, value), code, 23);
        EXPECT_EQ(block.raw(23).c_str(), std::string(text)) << code;
    }
    // Texts read as the C library reads them, kept in the field's width; selection codes take one less.
    const float inf = std::numeric_limits<float>::infinity();
    const std::tuple<const char*, unsigned, double> to_number[] = {
        {" \t42xyz", 3, 42}, {"70000", 4, 4464}, {"-1", 20, 65535}, {"65535", 13, 65535}, {"abc", 5, 0},
        {"4294967285", 6, 4294967285.0}, {"-5", 21, 4294967291.0}, {"-2147483648", 5, -2147483648.0},
        {"3.7", 7, 3.7}, {"1e39", 7, inf}, {"-1e39", 7, -inf}, {"3.4028235e38", 7, std::numeric_limits<float>::max()},
        {"3.7", 8, 3.7}, {"x", 2, 'x'}, {"3", 14, 2}, {"0", 22, 255}, {"", 24, 255}, {"257", 16, 0},
    };
    for (const auto& [text, code, value] : to_number) {
        Block block, expected;
        exchange(block.set_raw(23, text + "\0"s), 23, code);
        EXPECT_EQ(block.raw(code), expected.number(code, value).raw(code)) << text;
    }
    // Texts are cut and closed, and "***" stays where it is.
    Block block;
    exchange(block.set_raw(10, "HELLO WORLD!X"s), 10, 9);  // no NUL in its 13 bytes: closed first
    EXPECT_EQ(block.raw(9) + block.raw(10), "HELLO\0" "HELLO WORLD!\0"s);
    exchange(block.set_raw(10, "***abcdefghiX"s), 10, 9);  // "***" gives no text
    EXPECT_EQ(block.raw(9) + block.raw(10), "\0\0\0\0\0\0" "***abcdefghiX"s);
    block.set_raw(23, "NEW TEXT TOO LONG\0"s).set_raw(17, "***\0"s).set_raw(18, "old\0"s);
    exchange(block, 23, 17);  // an 8-character destination holding "***" keeps it
    exchange(block, 23, 18);
    EXPECT_EQ(block.raw(17).substr(0, 4) + block.raw(18), "***\0" "NEW TEXT\0"s);

    // A position outside the list, or a code no function knows, as the source
    // gives an empty text. (As the destination it is not written: the fuzz
    // target's to check.)
    for (int32_t outside : {-1, 26, 0, 25}) {
        Block b;
        b.number(4, 1234).set_raw(9, "ABC\0"s);
        exchange(b, outside, 4);
        exchange(b, outside, 9);
        EXPECT_EQ(b.raw(4) + b.raw(9), "\0\0" "\0\0\0\0\0\0"s) << outside;
    }
}

}  // namespace
}  // namespace gjbz108a
