#include "method/all_field_types.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace gjbz108a {
namespace {

using test::AllFieldTypes;
using test::Block;
using namespace std::string_literals;

// Copies field `from` into field `to` of `block`, both given by code.
void exchange(const AllFieldTypes& all, Block& block, unsigned from, unsigned to) {
    gchg_exchgfld(block.data(), static_cast<int32_t>(from), static_cast<int32_t>(to), all.list());
    EXPECT_TRUE(all.guards_intact(block)) << from << " -> " << to;
}

TEST(FieldExchange, NumbersBecomeTheirPrintedText) {
    const AllFieldTypes all;
    struct Case {
        unsigned code;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {1, 'A', "A"}, {19, 0, ""}, {3, -32768, "-32768"}, {4, 65535, "65535"},
        {5, -2147483648.0, "-2147483648"}, {21, 4294967295.0, "4294967295"}, {7, 1.5, "1.500000"},
        {7, 0.1, "0.100000"}, {8, -2.0 / 3.0, "-0.666667"}, {12, 65525, "65525"},
        {15, 200, "-56"},  // as stored, with no shift: the signed byte
    };
    for (const Case& c : cases) {
        Block block;
        block.number(all[c.code], c.value);
        exchange(all, block, c.code, 23);
        EXPECT_EQ(block.text(all[23]), c.text) << c.code;
    }
    // The largest f32 prints in full, cut to the 12 characters of code 10.
    Block block;
    block.number(all[7], std::numeric_limits<float>::max());
    exchange(all, block, 7, 10);
    EXPECT_EQ(block.raw(all[10]), "340282346638\0"s);
}

TEST(FieldExchange, TextsBecomeNumbersAsTheCLibraryReadsThem) {
    const AllFieldTypes all;
    const auto into = [&](const std::string& text, unsigned code) {
        Block block;
        block.set_raw(all[23], text + '\0');
        exchange(all, block, 23, code);
        return block;
    };
    EXPECT_EQ(into(" \t42xyz", 3).get<std::int16_t>(all[3]), 42);
    EXPECT_EQ(into("70000", 4).get<std::uint16_t>(all[4]), 4464);  // kept in 16 bits
    EXPECT_EQ(into("-1", 20).get<std::uint16_t>(all[20]), 65535);
    EXPECT_EQ(into("65535", 13).get<std::uint16_t>(all[13]), 65535);
    EXPECT_EQ(into("4294967285", 6).get<std::uint32_t>(all[6]), 4294967285u);
    EXPECT_EQ(into("-5", 21).get<std::uint32_t>(all[21]), 4294967291u);
    EXPECT_EQ(into("-2147483648", 5).get<std::int32_t>(all[5]), -2147483647 - 1);
    EXPECT_EQ(into("abc", 5).get<std::int32_t>(all[5]), 0);
    EXPECT_EQ(into("3.7", 7).get<float>(all[7]), 3.7f);
    EXPECT_EQ(into("3.7", 8).get<double>(all[8]), 3.7);
    EXPECT_EQ(into("1e39", 7).get<float>(all[7]), std::numeric_limits<float>::infinity());
    EXPECT_EQ(into("-1e39", 7).get<float>(all[7]), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(into("3.4028235e38", 7).get<float>(all[7]), std::numeric_limits<float>::max());
    EXPECT_EQ(into("x", 2).get<std::uint8_t>(all[2]), 'x');
    // Selection codes take the number minus one.
    EXPECT_EQ(into("3", 14).get<std::uint8_t>(all[14]), 2);
    EXPECT_EQ(into("0", 22).get<std::uint8_t>(all[22]), 255);
    EXPECT_EQ(into("", 24).get<std::uint8_t>(all[24]), 255);
    EXPECT_EQ(into("257", 16).get<std::uint8_t>(all[16]), 0);

    // A number comes back from its text unchanged; a selection code loses one.
    Block block;
    block.number(all[1], 127).number(all[3], 32757).number(all[6], 4294967295.0).number(all[8], 0.125);
    block.number(all[15], 5);
    for (unsigned code : {1u, 3u, 6u, 8u}) {
        const std::string before = block.raw(all[code]);
        exchange(all, block, code, code);
        EXPECT_EQ(block.raw(all[code]), before) << code;
    }
    exchange(all, block, 15, 15);
    EXPECT_EQ(block.get<std::uint8_t>(all[15]), 4);
}

TEST(FieldExchange, TextsAreCutClosedAndKeepTheirWildcards) {
    const AllFieldTypes all;
    Block block;
    block.set_raw(all[10], "HELLO WORLD!X"s);  // no NUL in its 13 bytes
    exchange(all, block, 10, 9);
    EXPECT_EQ(block.raw(all[9]), "HELLO\0"s);
    EXPECT_EQ(block.raw(all[10]), "HELLO WORLD!\0"s);  // the source was closed first

    // A source holding "***" gives no text and is left as it is.
    block.set_raw(all[10], "***abcdefghiX"s);
    exchange(all, block, 10, 9);
    EXPECT_EQ(block.raw(all[9]), "\0\0\0\0\0\0"s);
    EXPECT_EQ(block.raw(all[10]), "***abcdefghiX"s);

    // An 8-character destination holding "***" keeps it; a longer text does not.
    block.set_raw(all[23], "NEW TEXT TOO LONG\0"s).set_raw(all[17], "***\0"s).set_raw(all[9], "***\0"s);
    exchange(all, block, 23, 17);
    EXPECT_EQ(block.text(all[17]), "***");
    exchange(all, block, 23, 9);
    EXPECT_EQ(block.raw(all[9]), "NEW T\0"s);
    block.set_raw(all[18], "old\0"s);
    exchange(all, block, 23, 18);
    EXPECT_EQ(block.raw(all[18]), "NEW TEXT\0"s);
}

TEST(FieldExchange, PositionsAndCodesOutsideTheListTouchNothing) {
    const AllFieldTypes all;
    Block block;
    block.number(all[4], 1234).set_raw(all[9], "ABC\0"s);
    const Block before = block;
    // Destinations outside the list (27 entries), or with a code no function knows.
    for (int32_t destination : {-1, 27, 1000, 0, 25, 26}) gchg_exchgfld(block.data(), 4, destination, all.list());
    gchg_exchgfld(block.data(), 4, 9, nullptr);
    EXPECT_EQ(block.bytes(), before.bytes());

    // Such a source gives an empty text.
    for (int32_t source : {-1, 27, 0, 25}) {
        Block b = before;
        gchg_exchgfld(b.data(), source, 4, all.list());
        EXPECT_EQ(b.get<std::uint16_t>(all[4]), 0) << source;
        gchg_exchgfld(b.data(), source, 9, all.list());
        EXPECT_EQ(b.raw(all[9]), "\0\0\0\0\0\0"s) << source;
    }
}

}  // namespace
}  // namespace gjbz108a
