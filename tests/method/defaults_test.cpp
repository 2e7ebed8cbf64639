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

TEST(Defaults, FillsWriteTheSentinelsOfEveryCodeAndSkipTheOthers) {
    const AllFieldTypes all;
    Block undefined, wildcards;
    entr_fill_def(undefined.data(), all.list());
    entr_fill_gch(wildcards.data(), all.list());
    for (unsigned code = 1; code <= 24; ++code) {
        EXPECT_EQ(undefined.raw(all[code]), test::sentinel_bytes(code).undefined) << code;
        EXPECT_EQ(wildcards.raw(all[code]), test::sentinel_bytes(code).wildcard) << code;
    }
    EXPECT_TRUE(all.guards_intact(undefined));  // codes 0, 25 and 255 included
    EXPECT_TRUE(all.guards_intact(wildcards));

    // A null list and a negative count are empty lists.
    Block untouched;
    entr_fill_def(untouched.data(), nullptr);
    const ScreenFieldList negative{-3, &all[1]};
    entr_fill_def(untouched.data(), &negative);
    EXPECT_EQ(untouched.bytes(), Block{}.bytes());

    // An IC memory block: six selection bytes 0, Active pins 65535, three reals the largest f32.
    const ScreenFieldList* memory = nullptr;
    GetScrInfo(1, &memory);
    std::array<std::uint8_t, GJBZ108A_BLOCK_SIZE> ic;
    ic.fill(0x11);
    entr_fill_def(ic.data(), memory);
    EXPECT_EQ(std::string(ic.begin(), ic.begin() + 21),
              std::string(6, '\0') + "\xff\xff" "\xff\xff\x7f\x7f" "\xff\xff\x7f\x7f" "\xff\xff\x7f\x7f" "\x11");
}

TEST(Defaults, UndefinedEntriesTakeTheDefaultAndDefinedOnesStay) {
    const AllFieldTypes all;
    Block defaults;
    for (unsigned code = 1; code <= 24; ++code) defaults.number(all[code], 5);
    defaults.set_text(all[9], "DFLT").set_text(all[10], "DEFAULTTEXT").set_text(all[11], "D");
    defaults.set_text(all[23], "default").set_text(all[17], "DEFAULT").set_text(all[18], "D18");
    Block entered;
    entr_fill_def(entered.data(), all.list());
    Block merged;
    entr_upd_def(merged.data(), entered.data(), defaults.data(), all.list());
    for (unsigned code = 1; code <= 24; ++code) {
        // Codes 12 and 13 are never undefined, nor is a text of length 1: it
        // holds only the first "-" of "---".
        const bool kept = code == 12 || code == 13 || code == 11;
        EXPECT_EQ(merged.raw(all[code]), (kept ? entered : defaults).raw(all[code])) << code;
    }
    EXPECT_TRUE(all.guards_intact(merged));

    // Defined entries stay whatever the default; the destination may be either source.
    Block own = defaults;
    own.number(all[15], 3).number(all[4], 65534).number(all[5], 0).number(all[1], 126);
    own.set_text(all[9], "--x").set_text(all[17], "-- -");
    const Block before = own;
    entr_upd_def(own.data(), own.data(), defaults.data(), all.list());
    EXPECT_EQ(own.bytes(), before.bytes());
    Block into_defaults = defaults;
    entr_upd_def(into_defaults.data(), entered.data(), into_defaults.data(), all.list());
    EXPECT_EQ(into_defaults.get<std::uint16_t>(all[12]), 65535);
    EXPECT_EQ(into_defaults.text(all[10]), "DEFAULTTEXT");

    // Texts that begin with "---" are undefined; a default without its NUL is cut.
    entered.set_raw(all[9], "---xy\0"s).set_raw(all[17], "---more\0\0"s);
    defaults.set_raw(all[9], "ABCDEF"s).set_raw(all[17], "12345678X"s);
    entr_upd_def(merged.data(), entered.data(), defaults.data(), all.list());
    EXPECT_EQ(merged.raw(all[9]), "ABCDE\0"s);
    EXPECT_EQ(merged.raw(all[17]), "12345678\0"s);
}

TEST(Defaults, RealsAreUndefinedFromTwoToThe127th) {
    const AllFieldTypes all;
    Block defaults;
    defaults.number(all[7], 7).number(all[8], 8);
    const double two_127 = 1.7014118346046923e38;
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double entered;
        bool undefined;
    };
    const Case cases[] = {
        {1.8e38, true}, {1.6e38, false}, {two_127, true}, {-two_127, true}, {3.4028234663852886e38, true},
        {-3.4028234663852886e38, true}, {0.0, false}, {-1e-40, false}, {inf, true}, {-inf, true},
        {std::numeric_limits<double>::quiet_NaN(), false},
        // The values just below 2^127 at each width.
        {std::bit_cast<float>(std::uint32_t{0x7EFFFFFF}), false}, {std::nextafter(two_127, 0.0), false},
    };
    for (const Case& c : cases) {
        for (unsigned code : {7u, 8u}) {
            if (code == 7 && c.entered == std::nextafter(two_127, 0.0)) continue;  // no such f32
            Block entered;
            entered.number(all[code], c.entered);
            const ScreenFieldList one = all.only(code);
            Block merged;
            entr_upd_def(merged.data(), entered.data(), defaults.data(), &one);
            EXPECT_EQ(merged.raw(all[code]), (c.undefined ? defaults : entered).raw(all[code]))
                << code << " " << c.entered;
        }
    }
}

}  // namespace
}  // namespace gjbz108a
