#include "records/field_values.h"

#include "records/record.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <limits>
#include <string>
#include <vector>

namespace gjbz108a {
namespace {

// The rules of every field type, each field read into a block whose other
// bytes are guards, and written back out.
TEST(FieldValues, EachTypeByItsRulesAndBackToTheSameText) {
    const std::array<std::string_view, 2> list{"Chip", "With lead"};
    const std::array<std::string_view, 11> letters{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"};
    const ParameterField u8{"cores", "# of Core", 9, FieldType::u8, {}, nullptr};
    const ParameterField u16{"pins", "Active pins", 6, FieldType::u16, {}, nullptr};
    const ParameterField i32{"transistors", "# of transist.", 8, FieldType::i32, {}, nullptr};
    const ParameterField u32{"elements", "# of elements", 12, FieldType::u32, {}, nullptr};
    const ParameterField f32{"bits", "# of bits", 16, FieldType::f32, {}, nullptr};
    const ParameterField selection{"surface", "Surface", 3, FieldType::selection, list, nullptr};
    // Up to ten entries a refusal lists them, beyond that it points to the listing.
    const ParameterField ten{"kind", "Kind", 3, FieldType::selection, std::span(letters).first(10), nullptr};
    const ParameterField eleven{"kind", "Kind", 3, FieldType::selection, letters, nullptr};
    const ParameterField code{"subtype", "SubType", 0, FieldType::code, {}, nullptr};
    // A field with a unit reads values with it (its rules are read_real's, below) and
    // writes the bare number in its unit.
    const ParameterField& voltage = *find_field(8, "contact_voltage");
    const std::string mark = " is the value that means not defined in this field; leave it empty or write --- for that";
    struct Case {
        const ParameterField& field;
        const char* text;
        const char* written;  // what field_value_text gives back, or nullptr when refused
        std::string why = {};
    };
    const Case cases[] = {
        {u8, " \t126 ", "126"}, {u8, "+128", "128"}, {u8, "255", "255"}, {u8, "---", ""}, {u8, "", ""},
        {u8, "127", nullptr, "'127'" + mark}, {u8, "256", nullptr, "'256' is out of range (0 to 255)"},
        {u8, "-1", nullptr, "'-1' is out of range (0 to 255)"},
        {u8, "99999999999999999999", nullptr, "'99999999999999999999' is out of range (0 to 255)"},
        {u8, "2.5", nullptr, "'2.5' is not a whole number"}, {u8, "1e3", nullptr, "'1e3' is not a whole number"},
        {u8, "12 pcs", nullptr, "'12 pcs' is not a number"}, {u8, "+", nullptr, "'+' is not a number"},
        {u16, "65534", "65534"}, {u16, "65535", nullptr, "'65535'" + mark},
        {i32, "2147483646", "2147483646"}, {i32, "2147483647", nullptr, "'2147483647'" + mark},
        {i32, "-5", nullptr, "'-5' is out of range (0 to 2147483647)"},
        {u32, "4294967294", "4294967294"}, {u32, "4294967295", nullptr, "'4294967295'" + mark},
        // The shortest digits that read back, without an exponent from 1e-5 to below 1e16.
        {f32, "0.1", "0.1"}, {f32, "4194304", "4194304"}, {f32, "1e-7", "1e-07"},
        {f32, "0.00001", "0.00001"}, {f32, "1e16", "1e+16"}, {f32, "1.7014117e38", "1.7014117e+38"}, {f32, "---", ""},
        {f32, "1.7014119e38", nullptr,
         "'1.7014119e38' is too large: from 2^127 (about 1.7e38) on, a value of this field means not defined"},
        {f32, "-1", nullptr, "'-1' is below the lowest value, 0"},
        {f32, "***", nullptr, "'***' is not a number"},
        // Entries by their text in any case, or by their code.
        {selection, "with LEAD", "With lead"}, {selection, "1", "Chip"}, {selection, "2", "With lead"},
        {selection, "---", ""}, {selection, "3", nullptr, "'3' is not a code of the list (1 to 2)"},
        {selection, "0", nullptr, "'0' is not a code of the list (1 to 2)"},
        {selection, "Chi", nullptr, "'Chi' is not an entry of the list (Chip, With lead)"},
        {ten, "z", nullptr, "'z' is not an entry of the list (a, b, c, d, e, f, g, h, i, j)"},
        {eleven, "z", nullptr, "'z' is not an entry of the list; gjbz108a --list-fields shows its entries"},
        {code, "0", ""}, {code, "255", "255"}, {code, "256", nullptr, "'256' is out of range (0 to 255)"},
        {voltage, " 0.05 V ", "50"},
    };
    for (const Case& c : cases) {
        std::array<std::uint8_t, GJBZ108A_BLOCK_SIZE> block;
        block.fill(0xA5);
        std::string why;
        const bool read = read_field_value(c.field, c.text, block.data(), why);
        EXPECT_EQ(read, c.written != nullptr) << c.text;
        for (std::size_t i = 0; i < block.size(); ++i) {  // a refused value writes nothing
            const bool in_field = read && i >= c.field.offset && i < c.field.offset + field_width(c.field.type);
            if (!in_field) { EXPECT_EQ(block[i], 0xA5) << c.text << " byte " << i; }
        }
        if (!read) {
            EXPECT_EQ(why, c.why);
            continue;
        }
        EXPECT_EQ(field_value_text(c.field, block.data()), c.written) << c.text;
        EXPECT_EQ(field_defined(block.data(), c.field), *c.written != '\0') << c.text;
    }
}

// Reals are rounded once to single precision. A value may carry its field's
// unit or a decimal multiple of it; the multiple moves the decimal exponent
// before the one rounding, so "0.1 mW" is the float nearest 0.0001 W, which
// 0.1f * 0.001f is not.
TEST(FieldValues, RealsAndTheirUnitsScaleTheDecimalTextExactly) {
    const auto bits = [](float value) { return "= " + std::to_string(std::bit_cast<std::uint32_t>(value)); };
    const Unit *const bare = nullptr, *const millivolts = &units::kMillivolt, *const watts = &units::kWatt;
    const Unit *const amperes = &units::kAmpere, *const cycles = &units::kCyclesPer1000Hours;
    const Unit *const celsius = &units::kCelsius;
    const std::string range =
        " is beyond the range of a single-precision number (0, or about 1.4e-45 to 3.4e38 in size)";
    const std::string not_mv = " is not a unit of this field, which is in mV (millivolts); write the number alone, "
                               "or followed by V or a decimal multiple of it (mV, kV, µV)";
    const std::vector<std::tuple<const Unit*, std::string_view, std::string>> cases = {
        {bare, "0.1", "= " + std::to_string(0x3DCCCCCDu)}, {bare, "1.048576E6", bits(1048576.0f)},
        {bare, "3.4028234e38", bits(std::numeric_limits<float>::max())}, {bare, "1e39", "'1e39'" + range},
        {bare, "inf", "'inf' is not a finite number"}, {bare, "nan", "'nan' is not a finite number"},
        {bare, "-0.5", "'-0.5' is below the lowest value, 0"}, {bare, "25C", "'25C' is not a number"},
        {bare, "0x10", "'0x10' is not a number"}, {bare, "28 V", "'28 V' is not a number"},
        {millivolts, "28", bits(28.0f)}, {millivolts, "28 V", bits(28000.0f)},
        {millivolts, "28000mV", bits(28000.0f)}, {millivolts, "2.8e-2kV", bits(28000.0f)},
        {millivolts, "50000 µV", bits(50.0f)}, {millivolts, "1 MV", bits(1e9f)},
        {watts, "0.1 mW", bits(1e-4f)}, {watts, "+2.5E-3 kW", bits(2.5f)},
        {amperes, "5 uA", bits(5e-6f)}, {amperes, "5 μA", bits(5e-6f)},
        {celsius, "125 °C", bits(125.0f)}, {celsius, "125 C", bits(125.0f)}, {celsius, "-40℃", bits(-40.0f)},
        {celsius, "-274 °C", "'-274 °C' is below the lowest value, -273.15"},
        {celsius, "313 K",
         "'313 K': K is not a unit of this field, which is in °C (degrees Celsius); write the number alone or "
         "followed by °C or C or ℃"},
        {cycles, "5 /h", "'5 /h': /h is not a unit of this field, which is in cycles/1000 h (on/off cycles per "
                         "1000 hours); write the number alone or followed by cycles/1000 h"},
        {millivolts, "28 v", "'28 v': v" + not_mv}, {millivolts, "28 mv", "'28 mv': mv" + not_mv},
        {millivolts, "28 e V", "'28 e V': e V" + not_mv}, {millivolts, "-1 V", "'-1 V' is below the lowest value, 0"},
        {millivolts, "1e36 kV", "'1e36 kV'" + range}, {millivolts, "1e99999999999 V", "'1e99999999999 V'" + range},
        {millivolts, ". V", "'. V' is not a number"},
    };
    // "= bits" when the text is taken, else why not; a temperature may go down to absolute zero.
    for (const auto& [unit, text, expected] : cases) {
        float value = 0;
        std::string why;
        const bool read = read_real(text, unit == celsius ? -273.15f : 0.0f, value, why, unit);
        EXPECT_EQ(read ? bits(value) : why, expected) << text;
    }
}

}  // namespace
}  // namespace gjbz108a
