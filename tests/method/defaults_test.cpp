#include "method/all_field_types.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <string>

namespace gjbz108a {
namespace {

using test::AllFieldTypes;
using test::Block;
using namespace std::string_literals;

// The undefined value of every code as the bytes of its field (little-endian).
std::string undefined_bytes(unsigned code) {
    switch (code) {
    case 1: case 2: case 19: return "\x7f"s;
    case 3: return "\xff\x7f"s;
    case 4: case 20: case 12: case 13: return "\xff\xff"s;
    case 5: return "\xff\xff\xff\x7f"s;
    case 6: case 21: return "\xff\xff\xff\xff"s;
    case 7: return "\xff\xff\x7f\x7f"s;                  // largest f32
    case 8: return "\x00\x00\x00\xe0\xff\xff\xef\x47"s;  // the largest f32 as a double
    case 9: return "---\0\0\0"s;                          // length 5
    case 10: return "---\0\0\0\0\0\0\0\0\0\0"s;           // length 12
    case 11: return "-\0"s;                               // length 1: no room for more
    case 23: return "---"s + std::string(18, '\0');       // length 20
    case 17: case 18: return "---\0\0\0\0\0\0"s;
    case 14: case 15: case 16: case 22: case 24: return "\0"s;
    default: return {};
    }
}

TEST(Defaults, FillWritesTheUndefinedValueOfEveryCodeAndSkipsTheOthers) {
    const AllFieldTypes all;
    Block block;
    entr_fill_def(block.data(), all.list());
    for (unsigned code = 1; code <= 24; ++code)
        EXPECT_EQ(block.raw(all[code], test::width_of(code)), undefined_bytes(code)) << code;
    EXPECT_TRUE(all.guards_intact(block));  // codes 0, 25 and 255 included

    // A null list and a negative count are empty lists.
    Block untouched;
    entr_fill_def(untouched.data(), nullptr);
    const ScreenFieldList negative{-3, &all[1]};
    entr_fill_def(untouched.data(), &negative);
    EXPECT_EQ(untouched.bytes(), Block{}.bytes());
}

TEST(Defaults, FillOfAnIcMemoryBlock) {
    const ScreenFieldList* list = nullptr;
    GetScrInfo(1, &list);
    std::array<std::uint8_t, GJBZ108A_BLOCK_SIZE> block;
    block.fill(0x11);
    entr_fill_def(block.data(), list);
    for (std::size_t k : {0, 1, 2, 3, 4, 5}) EXPECT_EQ(block[k], 0) << k;
    EXPECT_EQ(block[6] | block[7] << 8, 65535);
    for (std::size_t k : {8, 12, 16}) {
        float value;
        std::memcpy(&value, block.data() + k, 4);
        EXPECT_EQ(value, std::numeric_limits<float>::max()) << k;
    }
    EXPECT_EQ(block[20], 0x11);  // not in the list
}

// A block of defaults that differs from the undefined value in every field.
Block defaults_block(const AllFieldTypes& all) {
    Block block;
    for (unsigned code : {1u, 2u, 19u}) block.set<std::uint8_t>(all[code], 40);
    block.set<std::int16_t>(all[3], -300).set<std::uint16_t>(all[4], 4000).set<std::uint16_t>(all[20], 4000);
    block.set<std::uint16_t>(all[12], 1200).set<std::uint16_t>(all[13], 1300);
    block.set<std::int32_t>(all[5], -70000).set<std::uint32_t>(all[6], 70000).set<std::uint32_t>(all[21], 70000);
    block.set(all[7], 2.5f).set(all[8], 0.125);
    for (unsigned code : {14u, 15u, 16u, 22u, 24u}) block.set<std::uint8_t>(all[code], 5);
    block.set_raw(all[9], "DFLT\0\0"s).set_raw(all[10], "DEFAULTTEXT\0\0"s).set_raw(all[11], "D\0"s);
    block.set_raw(all[23], "default\0"s + std::string(13, '\0'));
    block.set_raw(all[17], "DEFAULT\0\0"s).set_raw(all[18], "D18\0\0\0\0\0\0"s);
    return block;
}

TEST(Defaults, UndefinedFieldsTakeTheDefaultExceptCodesTwelveAndThirteen) {
    const AllFieldTypes all;
    const Block defaults = defaults_block(all);
    Block entered;
    entr_fill_def(entered.data(), all.list());
    Block merged;
    entr_upd_def(merged.data(), entered.data(), defaults.data(), all.list());
    for (unsigned code = 1; code <= 24; ++code) {
        const unsigned width = test::width_of(code);
        // Codes 12 and 13 are never undefined, and neither is a text of length 1:
        // it holds only the first "-" of "---".
        const bool kept = code == 12 || code == 13 || code == 11;
        const Block& expected = kept ? entered : defaults;
        EXPECT_EQ(merged.raw(all[code], width), expected.raw(all[code], width)) << code;
    }
    EXPECT_TRUE(all.guards_intact(merged));

    // Defined entries are kept, the default notwithstanding; the destination may
    // be either source.
    Block own = defaults_block(all);
    own.set<std::uint8_t>(all[15], 3).set<std::uint16_t>(all[4], 65534).set<std::int32_t>(all[5], 0);
    own.set_raw(all[9], "--x\0\0\0"s).set_raw(all[17], "-- -\0\0\0\0\0"s);
    const Block before = own;
    entr_upd_def(own.data(), own.data(), defaults.data(), all.list());
    EXPECT_EQ(own.bytes(), before.bytes());
    Block into_defaults = defaults;
    entr_upd_def(into_defaults.data(), entered.data(), into_defaults.data(), all.list());
    EXPECT_EQ(into_defaults.get<std::uint16_t>(all[12]), 65535);
    EXPECT_EQ(into_defaults.text(all[10]), "DEFAULTTEXT");
}

TEST(Defaults, RealsAreUndefinedFromTwoToThe127th) {
    const AllFieldTypes all;
    Block defaults;
    defaults.set(all[7], 7.0f).set(all[8], 8.0);
    const float below_f32 = std::bit_cast<float>(std::uint32_t{0x7EFFFFFF});  // the f32 just below 2^127
    const double two_127 = 1.7014118346046923e38;
    const double below_f64 = std::nextafter(two_127, 0.0);
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double entered;
        bool undefined;
    };
    const Case cases[] = {
        {1.8e38, true}, {1.6e38, false}, {two_127, true}, {-two_127, true}, {3.4028234663852886e38, true},
        {-3.4028234663852886e38, true}, {0.0, false}, {-1e-40, false}, {inf, true}, {-inf, true}, {nan, false},
    };
    for (const Case& c : cases) {
        for (unsigned code : {7u, 8u}) {
            Block entered;
            if (code == 7) entered.set(all[7], static_cast<float>(c.entered));
            if (code == 8) entered.set(all[8], c.entered);
            const ScreenFieldList one = all.only(code);
            Block merged;
            entr_upd_def(merged.data(), entered.data(), defaults.data(), &one);
            const Block& expected = c.undefined ? defaults : entered;
            EXPECT_EQ(merged.raw(all[code], code == 7 ? 4 : 8), expected.raw(all[code], code == 7 ? 4 : 8))
                << code << " " << c.entered;
        }
    }
    // Just below 2^127 is defined at either width.
    Block entered;
    entered.set(all[7], below_f32).set(all[8], below_f64);
    Block merged;
    entr_upd_def(merged.data(), entered.data(), defaults.data(), all.list());
    EXPECT_EQ(merged.get<float>(all[7]), below_f32);
    EXPECT_EQ(merged.get<double>(all[8]), below_f64);
}

TEST(Defaults, TextsBeginningWithThreeDashesAreUndefinedAndCopiesStayInTheField) {
    const AllFieldTypes all;
    Block defaults;
    // A default text of code 9 with no NUL in its field: five characters are
    // taken and the destination closed after them.
    defaults.set_raw(all[9], "ABCDEF"s).set_raw(all[17], "12345678X"s);
    Block entered;
    entered.set_raw(all[9], "---xy\0"s).set_raw(all[17], "---more\0\0"s);
    Block merged;
    entr_upd_def(merged.data(), entered.data(), defaults.data(), all.list());
    EXPECT_EQ(merged.raw(all[9], 6), "ABCDE\0"s);
    EXPECT_EQ(merged.raw(all[17], 9), "12345678\0"s);
    EXPECT_TRUE(all.guards_intact(merged));
}

}  // namespace
}  // namespace gjbz108a
