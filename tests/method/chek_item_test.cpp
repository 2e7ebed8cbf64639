#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace gjbz108a {
namespace {

using test::ItemRecord;

struct Check {
    unsigned result;
    std::string message;
    bool buffer_untouched;
};

// Calls chek_item through the C ABI, and fails the test if the record changed.
Check check(ItemRecord& record) {
    std::array<char, 256> buffer;
    buffer.fill('\x7f');
    const auto before = record.bytes();
    const unsigned result = chek_item(buffer.data(), record.data());
    EXPECT_EQ(record.bytes(), before) << "the check wrote the record";
    const bool untouched = buffer[0] == '\x7f';
    return {result, untouched ? std::string{} : std::string{buffer.data()}, untouched};
}

void expect_accepted(ItemRecord& record, const std::string& context) {
    const Check c = check(record);
    EXPECT_EQ(c.result, 3u) << context << ": " << c.message;
    EXPECT_TRUE(c.buffer_untouched) << context;
}

void expect_rejected(ItemRecord& record, const std::string& message, const std::string& context) {
    const Check c = check(record);
    EXPECT_EQ(c.result, 1u) << context;
    EXPECT_EQ(c.message, message) << context;
}

// Record offsets of the integrated circuits' fields.
constexpr std::size_t kType = 151, kPackage = 153, kPins = 156, kCount = 158;

// An integrated circuit whose counts pass, in a Dual In-Line package with 14 pins.
ItemRecord valid_ic(unsigned item_code) {
    ItemRecord record(item_code);
    record.u8(kType, 1).u8(kPackage, 1).u16(kPins, 14);
    if (item_code == 1) record.f32(kCount, 1024.0f);
    if (item_code == 2) record.i32(kCount, 100);
    if (item_code == 3) record.u32(kCount, 100);
    return record;
}

const std::string kPins4To100 = " Number of pins for this package must be between  4 to 100\n";
const std::string kPins3To280 = " Number of pins for this package must be between  3 to 280\n";
const std::string kPins4To320 = " Number of pins for this package must be between  4 to 320\n";
const std::string kPins4To500 = " Number of pins for this package must be between  4 to 500\n";
const std::string kPinsAtMost24 = " Number of pins for this package may not exceed  24\n";

TEST(ChekItem, RefusesNonElectronicPartsAndUnsupportedCodesOnly) {
    for (unsigned item_code : {1u, 5u, 4u}) {
        ItemRecord record(item_code);
        record.u8(GJBZ108A_ITEM_CLASS, 0).u8(GJBZ108A_METHOD_NUMBER, 108);
        expect_rejected(record, " Non electronic item was sent to method 108\n", "class 0");
    }
    for (unsigned item_code : {0u, 4u, 17u, 23u, 26u, 32u, 34u, 255u}) {
        ItemRecord record(item_code);
        expect_rejected(record, " Illegal item code " + std::to_string(item_code) + "\n", "unsupported");
    }
    // Categories without rules pass whatever their block holds, and the
    // environment is not looked at.
    for (unsigned item_code : {5u, 8u, 9u, 10u, 11u, 12u, 13u, 14u, 15u, 16u, 19u, 20u, 21u, 22u,
                               24u, 25u, 27u, 28u, 29u, 30u, 31u, 33u}) {
        ItemRecord record(item_code, 0);
        for (std::size_t k = 150; k < 252; ++k) record.u8(k, 0xFF);
        expect_accepted(record, "code " + std::to_string(item_code));
    }
}

TEST(ChekItem, MemoryBitsAreCheckedBeforeThePins) {
    const std::string bits = " Number of bits must be between  16 to 67108864\n";
    const float above = std::nextafter(67108864.0f, 1e9f);  // 67108865 is not an f32
    for (float accepted : {16.0f, 67108864.0f}) {
        ItemRecord record = valid_ic(1);
        record.f32(kCount, accepted);
        expect_accepted(record, std::to_string(accepted));
    }
    for (float refused : {15.9f, above, 0.0f, -32.0f, std::numeric_limits<float>::quiet_NaN()}) {
        ItemRecord record = valid_ic(1);
        record.f32(kCount, refused).u16(kPins, 3);  // also a pin violation: bits come first
        expect_rejected(record, bits, std::to_string(refused));
    }
}

TEST(ChekItem, PinRangesOfEveryPackageInEveryIcCategory) {
    struct Range {
        unsigned package, min, max;
        const std::string& message;
    };
    const Range ranges[] = {
        {1, 4, 100, kPins4To100},  {8, 4, 100, kPins4To100},  {2, 3, 280, kPins3To280},
        {9, 3, 280, kPins3To280},  {6, 4, 320, kPins4To320},  {13, 4, 320, kPins4To320},
        {3, 4, 500, kPins4To500},  {4, 4, 500, kPins4To500},  {5, 4, 500, kPins4To500},
        {10, 4, 500, kPins4To500}, {11, 4, 500, kPins4To500}, {12, 4, 500, kPins4To500},
    };
    for (unsigned item_code : {1u, 2u, 3u}) {
        for (const Range& r : ranges) {
            const std::string context = "code " + std::to_string(item_code) + " package " + std::to_string(r.package);
            for (unsigned pins : {r.min, r.max}) {
                ItemRecord record = valid_ic(item_code);
                record.u8(kPackage, r.package).u16(kPins, static_cast<std::uint16_t>(pins));
                expect_accepted(record, context);
            }
            for (unsigned pins : {r.min - 1, r.max + 1, 65535u}) {
                ItemRecord record = valid_ic(item_code);
                record.u8(kPackage, r.package).u16(kPins, static_cast<std::uint16_t>(pins));
                expect_rejected(record, r.message, context + " pins " + std::to_string(pins));
            }
        }
        // The metal shell has no lower bound.
        for (unsigned pins : {0u, 24u}) {
            ItemRecord record = valid_ic(item_code);
            record.u8(kPackage, 7).u16(kPins, static_cast<std::uint16_t>(pins));
            expect_accepted(record, "metal shell");
        }
        ItemRecord shell = valid_ic(item_code);
        shell.u8(kPackage, 7).u16(kPins, 25);
        expect_rejected(shell, kPinsAtMost24, "metal shell 25");
        // No package, or a code past the list: no pin rule at all.
        for (unsigned package : {0u, 14u, 255u}) {
            for (unsigned pins : {0u, 65535u}) {
                ItemRecord record = valid_ic(item_code);
                record.u8(kPackage, package).u16(kPins, static_cast<std::uint16_t>(pins));
                expect_accepted(record, "package " + std::to_string(package));
            }
        }
    }
}

TEST(ChekItem, AnalogTransistorsAndGaAsPackages) {
    const std::string transistors = " Number of tansistors must be between  50 to 5000\n";
    for (std::int32_t count : {50, 5000}) {
        ItemRecord record = valid_ic(2);
        record.i32(kCount, count);
        expect_accepted(record, std::to_string(count));
    }
    for (std::int32_t count : {49, 5001, 0, -1, std::numeric_limits<std::int32_t>::min()}) {
        ItemRecord record = valid_ic(2);
        record.i32(kCount, count).u16(kPins, 3);
        expect_rejected(record, transistors, std::to_string(count));
    }
    // A GaAs MMIC has no transistor rule; packaged array, PGA, BGA and SMT are
    // refused with a line that has no line end, before the pin rule.
    for (unsigned package : {3u, 4u, 5u, 6u}) {
        ItemRecord record = valid_ic(2);
        record.u8(kType, 2).u8(kPackage, package).i32(kCount, 0).u16(kPins, 0);
        expect_rejected(record, " Package not supported ", "GaAs package " + std::to_string(package));
    }
    ItemRecord shell = valid_ic(2);
    shell.u8(kType, 2).u8(kPackage, 7).i32(kCount, 0).u16(kPins, 25);
    expect_rejected(shell, kPinsAtMost24, "GaAs metal shell");
    for (unsigned package : {1u, 2u, 7u, 8u, 13u}) {
        ItemRecord record = valid_ic(2);
        record.u8(kType, 2).u8(kPackage, package).i32(kCount, 0);
        expect_accepted(record, "GaAs package " + std::to_string(package));
    }
    // A type not chosen goes straight to the pins.
    ItemRecord untyped = valid_ic(2);
    untyped.u8(kType, 0).i32(kCount, 0);
    expect_accepted(untyped, "type 0");
    untyped.u16(kPins, 101);
    expect_rejected(untyped, kPins4To100, "type 0 pins");
}

TEST(ChekItem, DigitalCountsGatesForTypesOneToFiveAndTransistorsOtherwise) {
    const std::string gates = " Number of gates must be between  50 to 5000K\n";
    const std::string transistors = " Number of transistors must be between  50 to 220000K\n";
    for (unsigned type = 1; type <= 5; ++type) {
        const std::string context = "type " + std::to_string(type);
        for (std::uint32_t count : {50u, 5000000u}) {
            ItemRecord record = valid_ic(3);
            record.u8(kType, type).u32(kCount, count);
            expect_accepted(record, context);
        }
        for (std::uint32_t count : {49u, 5000001u, 4294967295u}) {
            ItemRecord record = valid_ic(3);
            record.u8(kType, type).u32(kCount, count).u16(kPins, 3);
            expect_rejected(record, gates, context);
        }
    }
    for (unsigned type : {0u, 6u, 7u, 8u, 9u, 255u}) {
        const std::string context = "type " + std::to_string(type);
        for (std::uint32_t count : {50u, 5000001u, 220000000u}) {
            ItemRecord record = valid_ic(3);
            record.u8(kType, type).u32(kCount, count);
            expect_accepted(record, context);
        }
        for (std::uint32_t count : {49u, 220000001u}) {
            ItemRecord record = valid_ic(3);
            record.u8(kType, type).u32(kCount, count).u16(kPins, 3);
            expect_rejected(record, transistors, context);
        }
    }
}

TEST(ChekItem, VariableResistorWirewoundStylesCannotBeA2) {
    for (unsigned style = 0; style <= 8; ++style) {
        for (unsigned quality = 0; quality <= 7; ++quality) {
            ItemRecord record(6);
            record.u8(151, style).u8(152, quality);
            const std::string context = "style " + std::to_string(style) + " quality " + std::to_string(quality);
            if ((style == 2 || style == 4) && quality == 2)
                expect_rejected(record, " Quality level  can't be <A2>\n", context);
            else
                expect_accepted(record, context);
        }
    }
}

TEST(ChekItem, CapacitorQualityLevelsByStyle) {
    const std::string no_a1l_a1w = " Quality level can't be <A1L> or <A1W> \n";
    const std::string no_a1p_a1m = " Quality level can't be <A1P> or <A1M> \n";
    // Style -> the message for its banned pair; styles 0, 4, 8, 12, 13 ban nothing.
    const std::string* const ban[] = {
        nullptr,      &no_a1l_a1w, &no_a1l_a1w, &no_a1l_a1w, nullptr,     &no_a1l_a1w,
        &no_a1l_a1w,  &no_a1l_a1w, nullptr,     &no_a1l_a1w, &no_a1l_a1w, &no_a1p_a1m,
        nullptr,      nullptr,     nullptr,
    };
    for (unsigned style = 0; style < std::size(ban); ++style) {
        for (unsigned quality = 0; quality <= 11; ++quality) {
            ItemRecord record(7);
            record.u8(151, style).u8(152, quality);
            const std::string context = "style " + std::to_string(style) + " quality " + std::to_string(quality);
            const bool banned = ban[style] == &no_a1l_a1w   ? quality == 3 || quality == 4
                                : ban[style] == &no_a1p_a1m ? quality == 1 || quality == 2
                                                            : false;
            if (banned)
                expect_rejected(record, *ban[style], context);
            else
                expect_accepted(record, context);
        }
    }
}

TEST(ChekItem, InductiveQualityListsByFamilyType) {
    const std::string transformer = " Quality level must be <A2>,<B1>,<B2> or <C>\n";
    const std::string coil = " Quality level must be <A1>,<A2>,<B1>,<B2> or <C>\n";
    const std::string not_a1 = " Quality level can't be <A1> \n";
    // Transformers read byte 152 (codes 1..5); the coil byte is not looked at.
    for (unsigned family = 1; family <= 8; ++family) {
        for (unsigned quality = 0; quality <= 6; ++quality) {
            ItemRecord record(18);
            record.u8(151, family).u8(152, quality).u8(153, 0);
            const std::string context = "family " + std::to_string(family) + " quality " + std::to_string(quality);
            if (quality >= 1 && quality <= 5)
                expect_accepted(record, context);
            else
                expect_rejected(record, transformer, context);
        }
    }
    // Every other family type reads byte 153 (codes 1..6); coils 9..14 may not be A1.
    for (unsigned family : {0u, 9u, 10u, 11u, 12u, 13u, 14u, 15u, 16u, 17u}) {
        for (unsigned quality = 0; quality <= 7; ++quality) {
            ItemRecord record(18);
            record.u8(151, family).u8(152, 0).u8(153, quality);
            const std::string context = "family " + std::to_string(family) + " quality " + std::to_string(quality);
            if (quality == 0 || quality == 7)
                expect_rejected(record, coil, context);
            else if (quality == 1 && family >= 9 && family <= 14)
                expect_rejected(record, not_a1, context);
            else
                expect_accepted(record, context);
        }
    }
}

}  // namespace
}  // namespace gjbz108a
