#include "tools/cell_values.h"

#include "records/record.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <limits>

namespace gjbz108a::cli {
namespace {

TEST(CellValues, TrimsBlanksAndComparesWithoutLetterCase) {
    EXPECT_EQ(trimmed("  B1 \t"), "B1");
    EXPECT_EQ(trimmed(" \t "), "");
    EXPECT_TRUE(same_text("gaas mmic", "GaAs MMIC"));
    EXPECT_FALSE(same_text("GaAs", "GaAs MMIC"));
}

TEST(CellValues, WholeNumbersAndTheirRange) {
    std::int64_t value = 0;
    std::string why;
    EXPECT_TRUE(read_whole("9999", 1, 9999, value, why));
    EXPECT_EQ(value, 9999);
    EXPECT_TRUE(read_whole("+7", 1, 9999, value, why));
    EXPECT_EQ(value, 7);

    EXPECT_FALSE(read_whole("10000", 1, 9999, value, why));
    EXPECT_EQ(why, "'10000' is out of range (1 to 9999)");
    EXPECT_FALSE(read_whole("0", 1, 9999, value, why));
    EXPECT_EQ(why, "'0' is out of range (1 to 9999)");
    EXPECT_FALSE(read_whole("-3", 1, 9999, value, why));
    EXPECT_EQ(why, "'-3' is out of range (1 to 9999)");
    EXPECT_FALSE(read_whole("99999999999999999999", 1, 9999, value, why));
    EXPECT_EQ(why, "'99999999999999999999' is out of range (1 to 9999)");
    EXPECT_FALSE(read_whole("2.5", 1, 9999, value, why));
    EXPECT_EQ(why, "'2.5' is not a whole number");
    EXPECT_FALSE(read_whole("1e3", 1, 9999, value, why));
    EXPECT_EQ(why, "'1e3' is not a whole number");
    EXPECT_FALSE(read_whole("12 pcs", 1, 9999, value, why));
    EXPECT_EQ(why, "'12 pcs' is not a number");
    EXPECT_FALSE(read_whole("+", 1, 9999, value, why));
    EXPECT_EQ(why, "'+' is not a number");
}

TEST(CellValues, RealsAreRoundedOnceToSinglePrecision) {
    float value = 0;
    std::string why;
    EXPECT_TRUE(read_real("0.1", 0.0f, value, why));
    EXPECT_EQ(std::bit_cast<std::uint32_t>(value), 0x3DCCCCCDu);  // nearest f32 to 0.1
    EXPECT_TRUE(read_real("1.048576E6", 0.0f, value, why));
    EXPECT_EQ(value, 1048576.0f);
    EXPECT_TRUE(read_real("+25", -273.15f, value, why));
    EXPECT_EQ(value, 25.0f);
    EXPECT_TRUE(read_real("3.4028234e38", 0.0f, value, why));
    EXPECT_EQ(value, std::numeric_limits<float>::max());

    EXPECT_FALSE(read_real("1e39", 0.0f, value, why));
    EXPECT_EQ(why, "'1e39' is beyond the range of a single-precision number (0, or about 1.4e-45 to 3.4e38 in size)");
    EXPECT_FALSE(read_real("inf", 0.0f, value, why));
    EXPECT_EQ(why, "'inf' is not a finite number");
    EXPECT_FALSE(read_real("nan", 0.0f, value, why));
    EXPECT_EQ(why, "'nan' is not a finite number");
    EXPECT_FALSE(read_real("-0.5", 0.0f, value, why));
    EXPECT_EQ(why, "'-0.5' is below the lowest value, 0");
    EXPECT_FALSE(read_real("-274", -273.15f, value, why));
    EXPECT_EQ(why, "'-274' is below the lowest value, -273.15");
    EXPECT_FALSE(read_real("25C", 0.0f, value, why));
    EXPECT_EQ(why, "'25C' is not a number");
    EXPECT_FALSE(read_real("0x10", 0.0f, value, why));
    EXPECT_EQ(why, "'0x10' is not a number");
}

TEST(CellValues, ListEntriesByTextOrCode) {
    const std::array<std::string_view, 3> entries{"Stabilized", "Not stabil", "New device"};
    unsigned code = 0;
    std::string why;
    EXPECT_TRUE(read_entry("not STABIL", entries, code, why));
    EXPECT_EQ(code, 2u);
    EXPECT_TRUE(read_entry("3", entries, code, why));
    EXPECT_EQ(code, 3u);

    EXPECT_FALSE(read_entry("4", entries, code, why));
    EXPECT_EQ(why, "'4' is not a code of the list (1 to 3)");
    EXPECT_FALSE(read_entry("0", entries, code, why));
    EXPECT_EQ(why, "'0' is not a code of the list (1 to 3)");
    EXPECT_FALSE(read_entry("Not stabilized", entries, code, why));
    EXPECT_EQ(why, "'Not stabilized' is not an entry of the list (Stabilized, Not stabil, New device)");

    std::array<std::string_view, 11> long_list{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"};
    EXPECT_FALSE(read_entry("z", long_list, code, why));
    EXPECT_EQ(why, "'z' is not an entry of the list; gjbz108a --list-fields shows its entries");
}

// Stores every storage type at its place and refuses what does not fit it.
TEST(CellValues, StoreFieldWritesEachStorageTypeAndChecksItsRange) {
    std::array<std::uint8_t, GJBZ108A_BLOCK_SIZE> block{};
    std::string why;
    const std::array<std::string_view, 2> list{"Chip", "With lead"};
    const ParameterField u8{"cores", "# of Core", 9, FieldType::u8, {}};
    const ParameterField u16{"pins", "Active pins", 6, FieldType::u16, {}};
    const ParameterField i32{"transistors", "# of transist.", 8, FieldType::i32, {}};
    const ParameterField u32{"elements", "# of elements", 12, FieldType::u32, {}};
    const ParameterField f32{"bits", "# of bits", 16, FieldType::f32, {}};
    const ParameterField selection{"surface", "Surface", 3, FieldType::selection, list};

    EXPECT_TRUE(store_field(u8, "255", block.data(), why));
    EXPECT_EQ(block[9], 255);
    EXPECT_FALSE(store_field(u8, "256", block.data(), why));
    EXPECT_EQ(why, "'256' is out of range (0 to 255)");

    EXPECT_TRUE(store_field(u16, "65535", block.data(), why));
    EXPECT_EQ(load_u16(block.data(), 6), 65535);
    EXPECT_FALSE(store_field(u16, "65536", block.data(), why));
    EXPECT_EQ(why, "'65536' is out of range (0 to 65535)");

    EXPECT_TRUE(store_field(i32, "2147483647", block.data(), why));
    EXPECT_EQ(load_i32(block.data(), 8), 2147483647);
    EXPECT_FALSE(store_field(i32, "-1", block.data(), why));
    EXPECT_EQ(why, "'-1' is out of range (0 to 2147483647)");
    EXPECT_FALSE(store_field(i32, "2147483648", block.data(), why));

    EXPECT_TRUE(store_field(u32, "4294967295", block.data(), why));
    EXPECT_EQ(load_u32(block.data(), 12), 4294967295u);
    EXPECT_FALSE(store_field(u32, "4294967296", block.data(), why));
    EXPECT_EQ(why, "'4294967296' is out of range (0 to 4294967295)");

    EXPECT_TRUE(store_field(f32, "262144", block.data(), why));
    EXPECT_EQ(load_f32(block.data(), 16), 262144.0f);
    EXPECT_FALSE(store_field(f32, "-1", block.data(), why));
    EXPECT_EQ(why, "'-1' is below the lowest value, 0");

    EXPECT_TRUE(store_field(selection, "with LEAD", block.data(), why));
    EXPECT_EQ(block[3], 2);
    EXPECT_FALSE(store_field(selection, "3", block.data(), why));

    // Nothing was written outside the fields.
    for (std::size_t i : {0u, 1u, 2u, 4u, 5u, 20u, 21u}) EXPECT_EQ(block[i], 0) << i;
}

}  // namespace
}  // namespace gjbz108a::cli
