// calc_item's refusals and dispatch, and every rule of chek_item with its exact line.
#include "method/method_codes.h"
#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <tuple>

namespace gjbz108a {
namespace {

using test::ItemRecord;

TEST(CalcItem, RefusalsInTheirOrder) {
    // Item class, EnvironmentCode, ItemCode, the line, and whether bytes 125..132 were reset.
    const std::tuple<unsigned, unsigned, unsigned, std::string, bool> cases[] = {
        {0, 0, 3, " Attempt to calculate non electronic item by method 200\n", false},
        {1, 0, 3, " Not valid environment\n", false},
        {1, 28, 3, " Not valid environment\n", false},
        {1, 5, 17, " Illegal item code 17\n", true},
        {1, 27, 3, " Environment not supported\n", true},  // in range, refused by the model
    };
    for (const auto& [item_class, environment, item_code, line, reset] : cases) {
        ItemRecord record(item_code, environment);
        record.u8(GJBZ108A_ITEM_CLASS, item_class).u8(GJBZ108A_METHOD_NUMBER, 200);
        record.f32(GJBZ108A_RESET_REAL, 7.5f).u32(GJBZ108A_RESET_WORD, 0xDEADBEEF);
        const auto calculation = test::calculate(record);
        EXPECT_EQ(calculation.result, GJBZ108A_NOT_COMPUTED) << line;
        EXPECT_EQ(calculation.messages, line);
        EXPECT_EQ(record.f32_at(GJBZ108A_RESET_REAL), reset ? 1.0f : 7.5f) << line;
        EXPECT_EQ(record.u32_at(GJBZ108A_RESET_WORD), reset ? 0u : 0xDEADBEEFu) << line;
    }
    for (unsigned code = 0; code < 256; ++code) {  // exactly the 28 categories reach a model
        ItemRecord record(code, 1);
        const bool illegal = test::calculate(record).messages == " Illegal item code " + std::to_string(code) + "\n";
        EXPECT_NE(illegal, test::supported(code)) << code;
    }
}

// The line chek_item writes, "" when it accepts without writing anything. The
// status must agree. (That the record is never written is the fuzz target's
// to check.)
std::string check(ItemRecord record) {
    std::array<char, 256> buffer;
    buffer.fill('\x7f');
    buffer.back() = '\0';
    const unsigned status = chek_item(buffer.data(), record.data());
    const std::string line = buffer[0] == '\x7f' ? "" : buffer.data();
    EXPECT_EQ(status, line.empty() ? 3u : 1u) << line;
    return line;
}

TEST(ChekItem, NonElectronicAndUnsupportedPartsAreRefusedOthersWithoutRulesPass) {
    for (unsigned code = 0; code < 256; ++code) {
        ItemRecord record(code, 0);  // the environment is not looked at
        record.u8(GJBZ108A_METHOD_NUMBER, 108);
        for (std::size_t k = 150; k < 252; ++k) record.u8(k, 0xFF);
        const std::string illegal = " Illegal item code " + std::to_string(code) + "\n";
        const bool ruled = code == 1 || code == 2 || code == 3 || code == 6 || code == 7 || code == 18;
        if (!ruled) { EXPECT_EQ(check(record), test::supported(code) ? "" : illegal); }
        record.u8(GJBZ108A_ITEM_CLASS, 0);
        EXPECT_EQ(check(record), " Non electronic item was sent to method 108\n") << code;
    }
}

// An integrated circuit: Type, Package, active pins and the count of its category.
ItemRecord ic(unsigned item_code, unsigned type, unsigned package, unsigned pins, double count) {
    return ItemRecord(item_code).u8(151, type).u8(153, package).u16(156, static_cast<std::uint16_t>(pins)).ic_size(count);
}

const std::string kBetween = " Number of pins for this package must be between ";
const std::string kDil = kBetween + " 4 to 100\n", kShell = " Number of pins for this package may not exceed  24\n";

TEST(ChekItem, PinRangesOfEveryPackage) {
    using Range = std::tuple<unsigned, unsigned, std::string>;  // the pins allowed, and the line if not
    const Range dil{4, 100, kDil}, flat{3, 280, kBetween + " 3 to 280\n"}, smt{4, 320, kBetween + " 4 to 320\n"},
        array{4, 500, kBetween + " 4 to 500\n"}, shell{0, 24, kShell};
    const Range none{0, 65535, ""};  // no package chosen, or one beyond the list
    const Range* const ranges[] = {&none, &dil, &flat, &array, &array, &array, &smt, &shell,  // package codes 0..14
                                   &dil,  &flat, &array, &array, &array, &smt, &none};
    const double counts[] = {0, 1024, 100, 100};  // that pass
    for (unsigned code : {1u, 2u, 3u}) {
        for (unsigned package = 0; package < std::size(ranges); ++package) {
            for (unsigned pins : {0u, 3u, 4u, 24u, 25u, 100u, 101u, 280u, 281u, 320u, 321u, 500u, 501u, 65535u}) {
                const auto& [min, max, line] = *ranges[package];
                const std::string expected = pins >= min && pins <= max ? "" : line;
                EXPECT_EQ(check(ic(code, 1, package, pins, counts[code])), expected) << code << " " << package;
            }
        }
    }
}

TEST(ChekItem, CountsComeBeforeThePins) {
    const std::string bits = " Number of bits must be between  16 to 67108864\n";
    const std::string analog = " Number of tansistors must be between  50 to 5000\n";
    const std::string gates = " Number of gates must be between  50 to 5000K\n";
    const std::string transistors = " Number of transistors must be between  50 to 220000K\n";
    // ItemCode, Type, count, the line; every part has 3 pins in a Dual In-Line package.
    const std::tuple<unsigned, unsigned, double, std::string> cases[] = {
        {1, 1, 16, kDil}, {1, 1, 67108864, kDil}, {1, 1, 15.9, bits}, {1, 1, 67108872, bits},  // the next f32
        {1, 1, -32, bits}, {1, 1, std::numeric_limits<double>::quiet_NaN(), kDil}, {2, 1, 50, kDil},
        {2, 1, 5000, kDil}, {2, 1, 49, analog}, {2, 1, 5001, analog}, {2, 1, -1, analog},
        {2, 1, -2147483648.0, analog}, {2, 0, 0, kDil}, {2, 2, 0, kDil},  // only Analog counts its transistors
    };
    for (const auto& [code, type, count, line] : cases)
        EXPECT_EQ(check(ic(code, type, 1, 3, count)), line) << code << " type " << type << " count " << count;
    // Digital types 1..5 count gates, every other type transistors.
    for (unsigned type : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 255u}) {
        const bool gated = type >= 1 && type <= 5;
        const double max = gated ? 5000000 : 220000000;
        for (double count : {50.0, max, 49.0, max + 1, 4294967295.0}) {
            const bool inside = count >= 50 && count <= max;
            EXPECT_EQ(check(ic(3, type, 1, 3, count)), inside ? kDil : gated ? gates : transistors)
                << type << " " << count;
        }
    }
    // A GaAs MMIC may not be a packaged array, PGA, BGA or SMT: a line without its end.
    for (unsigned package = 1; package <= 13; ++package) {
        const std::string refused = package >= 3 && package <= 6 ? " Package not supported " : "";
        EXPECT_EQ(check(ic(2, 2, package, 25, 0)), package == 7 ? kShell : refused) << package;
    }
}

// The documented quality rules of variable resistors (6), capacitors (7) and
// inductive devices (18), by Style or Family type.
std::string quality_rule(unsigned item, unsigned style, unsigned quality) {
    const auto in = [](unsigned value, unsigned first, unsigned last) { return value >= first && value <= last; };
    if (item == 6) return (style == 2 || style == 4) && quality == 2 ? " Quality level  can't be <A2>\n" : "";
    if (item == 7) {
        if ((in(style, 1, 3) || in(style, 5, 7) || in(style, 9, 10)) && in(quality, 3, 4))
            return " Quality level can't be <A1L> or <A1W> \n";
        return style == 11 && in(quality, 1, 2) ? " Quality level can't be <A1P> or <A1M> \n" : "";
    }
    if (in(style, 1, 8)) return in(quality, 1, 5) ? "" : " Quality level must be <A2>,<B1>,<B2> or <C>\n";
    if (!in(quality, 1, 6)) return " Quality level must be <A1>,<A2>,<B1>,<B2> or <C>\n";
    return in(style, 9, 14) && quality == 1 ? " Quality level can't be <A1> \n" : "";
}

TEST(ChekItem, QualityLevelsThatAStyleCannotHave) {
    for (unsigned item : {6u, 7u, 18u}) {
        for (unsigned style = 0; style <= 17; ++style) {
            for (unsigned quality = 0; quality <= 11; ++quality) {
                // Inductive types other than the transformers (1..8) read their quality from byte 153.
                const bool coil_quality = item == 18 && !(style >= 1 && style <= 8);
                EXPECT_EQ(check(ItemRecord(item).u8(151, style).u8(coil_quality ? 153 : 152, quality)),
                          quality_rule(item, style, quality))
                    << item << ": " << style << "/" << quality;
            }
        }
    }
}

}  // namespace
}  // namespace gjbz108a
