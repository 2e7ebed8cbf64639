// What a row puts into a part's entered block: empty cells are "not defined"
// (the sentinels of the field's storage, shown "---" in a report), and a typed
// value that equals such a sentinel is refused.

#include "fake_library.h"
#include "row_reading.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>

namespace gjbz108a::cli {
namespace {

using test::entered;
using test::report_cell;

test::ReadRow read_row(const std::string& columns, const std::string& cells) {
    test::FakeLibrary library;
    return test::read_row(columns, cells, library);
}

TEST(EnteredBlock, EmptyCellsAreNotDefined) {
    test::ReadRow row = read_row("type,quality,pins,bits", "IC Memory,1,30,0,SRAM,,,");
    EXPECT_EQ(row.diagnostics, "");
    const std::uint8_t* block = entered(row.part);
    EXPECT_EQ(block[1], 1);  // SRAM
    for (unsigned selection : {0u, 2u, 3u, 4u, 5u}) EXPECT_EQ(block[selection], 0) << selection;
    EXPECT_EQ(load_u16(block, 6), 65535);                              // Active pins
    for (unsigned real : {8u, 12u, 16u})                               // bits, the f32 no column fills,
        EXPECT_EQ(std::bit_cast<std::uint32_t>(load_f32(block, real)), // user quality factor
                  0x7F7FFFFFu)
            << real;

    // The report's parameter columns show them so: quality (4), pins (6), bits (7).
    EXPECT_EQ(report_cell(row.part, 4), " ---  ");
    EXPECT_EQ(report_cell(row.part, 6), " ---  ");
    EXPECT_NE(report_cell(row.part, 7).find("---"), std::string::npos);
    EXPECT_NE(report_cell(row.part, 1).find("SRAM"), std::string::npos);

    // Bytes and the other integer storages of other categories.
    row = read_row("style,resistors", "Resistor,1,30,0,Network,");
    EXPECT_EQ(entered(row.part)[2], 127);
    row = read_row("type,transistors", "IC Analog,1,30,0,Analog,");
    EXPECT_EQ(load_i32(entered(row.part), 8), 2147483647);
    EXPECT_EQ(entered(row.part)[21], 127);  // the byte no column fills
    row = read_row("type,elements", "IC Digital,1,30,0,Logic,");
    EXPECT_EQ(load_u32(entered(row.part), 8), 4294967295u);
}

// The converter's rules are tested with it; here, that the reader refuses with
// the column's name and reads SubType 0 as nothing chosen.
TEST(EnteredBlock, ATypedSentinelIsRefused) {
    test::ReadRow row = read_row("style,resistors", "Resistor,1,30,0,Network,127");
    EXPECT_EQ(row.diagnostics, "list.csv:2: column 'resistors': '127' is the value that means not defined in this "
                               "field; leave it empty or write --- for that\n");
    EXPECT_TRUE(row.part.refused());
    EXPECT_EQ(read_row("type,bits", "IC Memory,1,30,0,SRAM,1.7014119e38").diagnostics,
              "list.csv:2: column 'bits': '1.7014119e38' is too large: from 2^127 (about 1.7e38) on, a value of "
              "this field means not defined\n");
    row = read_row("subtype,type", "IC Memory,1,30,0,0,SRAM");
    EXPECT_EQ(row.diagnostics, "");
    EXPECT_EQ(entered(row.part)[0], 0);
}

}  // namespace
}  // namespace gjbz108a::cli
