#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace gjbz108a {
namespace {

using test::ItemRecord;

// Checks the record through the C ABI and expects `message`, or acceptance with
// an untouched buffer when it is empty. The record must never change.
void expect_check(ItemRecord& record, const std::string& message, const std::string& context) {
    std::array<char, 256> buffer;
    buffer.fill('\x7f');
    const auto before = record.bytes();
    const unsigned result = chek_item(buffer.data(), record.data());
    EXPECT_EQ(record.bytes(), before) << context << ": the check wrote the record";
    if (message.empty()) {
        EXPECT_EQ(result, 3u) << context << ": " << std::string(buffer.data(), 60);
        EXPECT_EQ(buffer[0], '\x7f') << context;
    } else {
        EXPECT_EQ(result, 1u) << context;
        EXPECT_EQ(std::string(buffer.data()), message) << context;
    }
}

std::string str(unsigned n) { return std::to_string(n); }

// Record offsets of the integrated circuits' fields.
constexpr std::size_t kType = 151, kPackage = 153, kPins = 156, kCount = 158;

// An integrated circuit whose counts pass, in a Dual In-Line package with 14 pins.
ItemRecord valid_ic(unsigned item_code, unsigned type = 1, unsigned package = 1, unsigned pins = 14) {
    ItemRecord record(item_code);
    record.u8(kType, type).u8(kPackage, package).u16(kPins, static_cast<std::uint16_t>(pins));
    if (item_code == 1) record.f32(kCount, 1024.0f);
    if (item_code == 2) record.i32(kCount, 100);
    if (item_code == 3) record.u32(kCount, 100);
    return record;
}

const std::string kPins4To100 = " Number of pins for this package must be between  4 to 100\n";
const std::string kPinsAtMost24 = " Number of pins for this package may not exceed  24\n";

TEST(ChekItem, RefusesNonElectronicPartsAndUnsupportedCodesOnly) {
    for (unsigned item_code : {1u, 5u, 4u}) {
        ItemRecord record(item_code);
        record.u8(GJBZ108A_ITEM_CLASS, 0).u8(GJBZ108A_METHOD_NUMBER, 108);
        expect_check(record, " Non electronic item was sent to method 108\n", "class 0");
    }
    for (unsigned item_code : {0u, 4u, 17u, 23u, 26u, 32u, 34u, 255u}) {
        ItemRecord record(item_code);
        expect_check(record, " Illegal item code " + str(item_code) + "\n", "unsupported");
    }
    // Categories without rules pass whatever their block holds; the environment is not looked at.
    for (unsigned item_code : {5u, 8u, 9u, 10u, 11u, 12u, 13u, 14u, 15u, 16u, 19u, 20u, 21u, 22u,
                               24u, 25u, 27u, 28u, 29u, 30u, 31u, 33u}) {
        ItemRecord record(item_code, 0);
        for (std::size_t k = 150; k < 252; ++k) record.u8(k, 0xFF);
        expect_check(record, "", "code " + str(item_code));
    }
}

TEST(ChekItem, MemoryBitsAreCheckedBeforeThePins) {
    const std::string bits = " Number of bits must be between  16 to 67108864\n";
    const float above = std::nextafter(67108864.0f, 1e9f);  // 67108865 is no f32
    for (float accepted : {16.0f, 67108864.0f}) {
        ItemRecord record = valid_ic(1);
        expect_check(record.f32(kCount, accepted), "", std::to_string(accepted));
    }
    for (float refused : {15.9f, above, -32.0f, std::numeric_limits<float>::quiet_NaN()}) {
        ItemRecord record = valid_ic(1, 1, 1, 3);  // a pin violation too: bits come first
        expect_check(record.f32(kCount, refused), bits, std::to_string(refused));
    }
}

TEST(ChekItem, PinRangesOfEveryPackageInEveryIcCategory) {
    const std::string between = " Number of pins for this package must be between ";
    struct Range {
        unsigned min, max;
        std::string message;
    };
    const Range dil{4, 100, kPins4To100}, flat{3, 280, between + " 3 to 280\n"},
        smt{4, 320, between + " 4 to 320\n"}, array{4, 500, between + " 4 to 500\n"},
        shell{0, 24, kPinsAtMost24};
    const Range* const range_of_package[] = {nullptr, &dil,   &flat,  &array, &array, &array, &smt,
                                             &shell,  &dil,   &flat,  &array, &array, &array, &smt};
    for (unsigned item_code : {1u, 2u, 3u}) {
        for (unsigned package = 0; package <= 14; ++package) {
            const std::string context = "code " + str(item_code) + " package " + str(package);
            const Range* range = package < 14 ? range_of_package[package] : nullptr;
            if (range == nullptr) {  // no package chosen, or past the list: no pin rule
                for (unsigned pins : {0u, 65535u}) {
                    ItemRecord record = valid_ic(item_code, 1, package, pins);
                    expect_check(record, "", context);
                }
                continue;
            }
            for (unsigned pins : {range->min, range->max}) {
                ItemRecord record = valid_ic(item_code, 1, package, pins);
                expect_check(record, "", context + " pins " + str(pins));
            }
            for (unsigned pins : {range->min - 1, range->max + 1, 65535u}) {
                if (pins == 65535u && range->min == 0) continue;  // min - 1 wrapped
                ItemRecord record = valid_ic(item_code, 1, package, pins);
                expect_check(record, range->message, context + " pins " + str(pins));
            }
        }
    }
}

TEST(ChekItem, AnalogTransistorsAndGaAsPackages) {
    const std::string transistors = " Number of tansistors must be between  50 to 5000\n";
    for (std::int32_t count : {50, 5000, 49, 5001, -1, std::numeric_limits<std::int32_t>::min()}) {
        ItemRecord record = valid_ic(2, 1, 1, 3);
        const bool inside = count >= 50 && count <= 5000;
        expect_check(record.i32(kCount, count), inside ? kPins4To100 : transistors, std::to_string(count));
    }
    // A GaAs MMIC has no count rule; packaged array, PGA, BGA and SMT are refused
    // with a line that has no line end, before the pin rule.
    for (unsigned package = 1; package <= 13; ++package) {
        ItemRecord record = valid_ic(2, 2, package, 25);
        record.i32(kCount, 0);
        const std::string expected = package >= 3 && package <= 6 ? " Package not supported "
                                     : package == 7                ? kPinsAtMost24
                                                                   : "";
        expect_check(record, expected, "GaAs package " + str(package));
    }
    ItemRecord untyped = valid_ic(2, 0, 1, 101);  // no type: straight to the pins
    expect_check(untyped.i32(kCount, 0), kPins4To100, "type 0");
}

TEST(ChekItem, DigitalCountsGatesForTypesOneToFiveAndTransistorsOtherwise) {
    const std::string gates = " Number of gates must be between  50 to 5000K\n";
    const std::string transistors = " Number of transistors must be between  50 to 220000K\n";
    for (unsigned type : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 255u}) {
        const bool counts_gates = type >= 1 && type <= 5;
        const std::uint32_t max = counts_gates ? 5000000u : 220000000u;
        for (std::uint32_t count : {50u, max, 49u, max + 1, 4294967295u}) {
            ItemRecord record = valid_ic(3, type, 1, 3);
            const bool inside = count >= 50 && count <= max;
            expect_check(record.u32(kCount, count), inside ? kPins4To100 : counts_gates ? gates : transistors,
                         "type " + str(type) + " count " + str(count));
        }
    }
}

TEST(ChekItem, QualityLevelsThatAStyleCannotHave) {
    for (unsigned style = 0; style <= 8; ++style) {
        for (unsigned quality = 0; quality <= 7; ++quality) {
            ItemRecord record(6);
            const bool refused = (style == 2 || style == 4) && quality == 2;
            expect_check(record.u8(151, style).u8(152, quality), refused ? " Quality level  can't be <A2>\n" : "",
                         "variable resistor " + str(style) + "/" + str(quality));
        }
    }
    // Capacitor styles: 1 refuses A1l and A1w (3, 4), 2 refuses A1p and A1m (1, 2), 0 nothing.
    const int capacitor_ban[] = {0, 1, 1, 1, 0, 1, 1, 1, 0, 1, 1, 2, 0, 0, 0};
    for (unsigned style = 0; style < std::size(capacitor_ban); ++style) {
        for (unsigned quality = 0; quality <= 11; ++quality) {
            std::string expected;
            if (capacitor_ban[style] == 1 && (quality == 3 || quality == 4))
                expected = " Quality level can't be <A1L> or <A1W> \n";
            if (capacitor_ban[style] == 2 && (quality == 1 || quality == 2))
                expected = " Quality level can't be <A1P> or <A1M> \n";
            ItemRecord record(7);
            expect_check(record.u8(151, style).u8(152, quality), expected,
                         "capacitor " + str(style) + "/" + str(quality));
        }
    }
}

TEST(ChekItem, InductiveQualityListsByFamilyType) {
    for (unsigned family = 0; family <= 17; ++family) {
        for (unsigned quality = 0; quality <= 7; ++quality) {
            // Transformers (1..8) read byte 152 with codes 1..5, every other type
            // byte 153 with codes 1..6; the coils 9..14 may not be A1.
            const bool transformer = family >= 1 && family <= 8;
            std::string expected;
            if (transformer && (quality < 1 || quality > 5))
                expected = " Quality level must be <A2>,<B1>,<B2> or <C>\n";
            if (!transformer && (quality < 1 || quality > 6))
                expected = " Quality level must be <A1>,<A2>,<B1>,<B2> or <C>\n";
            if (family >= 9 && family <= 14 && quality == 1) expected = " Quality level can't be <A1> \n";
            ItemRecord record(18);
            record.u8(151, family).u8(transformer ? 152 : 153, quality).u8(transformer ? 153 : 152, 0);
            expect_check(record, expected, "family " + str(family) + " quality " + str(quality));
        }
    }
}

}  // namespace
}  // namespace gjbz108a
