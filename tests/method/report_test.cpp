// The report of a part of every category, cells at the edges of their rules,
// and the report-field exports for every ItemCode, column and mode: return
// codes, counts, the refresh of mode 1, the factor cells that the part's type
// or the marker triple leave blank; and the number formatters.
// Cells are joined by "|"; each is laid out by hand from its column's width,
// text width and decimals: a blank, the text, a blank.
#include "records/field_types.h"
#include "method/method_codes.h"
#include "method/number_text.h"
#include "support/edit_record.h"

#include <gjbz108a/report.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace gjbz108a {
namespace {

using test::EditRecord;
using test::kEffective;
using test::kEntered;
constexpr int32_t kParameters = 0, kRefresh = 1, kFactors = 4;

// A field of the entered block, a byte unless its storage is given.
enum Storage { byte, u16, i32, u32, f32 };
struct Entry {
    std::size_t offset;
    double value;
    Storage storage = byte;
};

EditRecord part(unsigned item_code, const std::vector<Entry>& entries) {
    EditRecord record(item_code);
    for (std::size_t i = 0; i < GJBZ108A_BLOCK_SIZE; ++i) record.u8(kEffective + i, 0x5A);  // never shown
    for (const Entry& e : entries) {
        const std::size_t at = kEntered + e.offset;
        switch (e.storage) {
        case byte: record.u8(at, static_cast<unsigned>(e.value)); break;
        case u16: record.u16(at, static_cast<std::uint16_t>(e.value)); break;
        case i32: record.i32(at, static_cast<std::int32_t>(e.value)); break;
        case u32: record.u32(at, static_cast<std::uint32_t>(e.value)); break;
        case f32: record.f32(at, static_cast<float>(e.value)); break;
        }
    }
    return record;
}

std::string cells(EditRecord& record, unsigned item_code, int32_t mode) {
    uint32_t count = 0;
    EXPECT_EQ(GetFieldsCount(1, item_code, mode, &count), 0);
    std::string text = "|";
    for (uint32_t column = 1; column <= count; ++column) {
        char cell[64];
        EXPECT_EQ(GetField(1, item_code, column, mode, cell, record.data()), 0);
        text += std::string(cell) + "|";
    }
    return text;
}

// The column numbers of a display order as digits.
std::string view_order(unsigned item_code, int32_t mode) {
    uint32_t count = 0, columns[16] = {};
    EXPECT_EQ(GetViewFields(1, item_code, mode, &count, columns), 0);
    std::string order;
    for (uint32_t i = 0; i < count; ++i) order += std::to_string(columns[i]);
    return order;
}

struct Report {
    unsigned item_code;
    std::vector<Entry> entered;
    std::vector<float> factors;  // result slots 1..
    uint32_t quality, quality_factor;
    const char* parameter_order;
    const char* factor_order;
    const char* parameter_cells;
    const char* factor_cells = "|";
};

const Report kReports[] = {
    {1, {{1, 2}, {2, 2}, {3, 1}, {4, 4}, {5, 1}, {6, 16, u16}, {8, 1048576, f32}},
     {0.000123f, 2.5f, 0.5f, 1.234f, 0.0125f, 1, 1}, 4, 3, "2176354", "1234567",
     "| DRAM   | MOS     | Package Dual In-Line      | B1   | Stabilized | 16   |           1048576 |",
     "|   0.000123 |  2.50 |  0.50 |    1.234 |   0.0125 |   1.00 |  1.0 |"},
    {2, {{1, 1}, {3, 9}, {4, 8}, {5, 2}, {6, 14, u16}, {8, 45, i32}, {20, 2}},
     {0.0035f, 1, 10, 0.8f, 0, 1.25f, 1}, 4, 3, "21763854", "1234567",
     "| Analog    | ---    | Unpack FLAT               | User | Not stabil | 14   | 45            | Welded |",
     "|   0.003500 |  1.00 | 10.00 |    0.800 |   0.0000 |   1.25 |  1.0 |"},
    {3, {{1, 6}, {2, 1}, {3, 6}, {4, 1}, {5, 3}, {6, 40, u16}, {8, 250000, u32}},
     {0.0212f, 4, 2, 12.345f, 123.4567f, 100, 12.5f}, 4, 3, "2176354", "1234567",
     "| mPROC           | Bipolar | Package SMT(Chip carrier) | A2   | New device | 40   | 250000          |",
     "|     0.0212 |  4.00 |  2.00 |   12.345 | 123.4567 | 100.00 | 12.5 |"},
    // PI t belongs to networks only; Lbase has a text of 10 in a column of 12.
    {5, {{1, 2}, {2, 1}, {3, 3}}, {0.00071f, 3, 0.3f, 1.5f, 1}, 3, 3, "123", "12345",
     "| Metal Film           | 1      | B1   |", "|  0.00071 |  3.00 |  0.30 |          |   1.00 |"},
    {6, {{1, 5}, {2, 5}}, {0.0123f, 1.5f, 5, 1.1f}, 2, 3, "12", "1234",
     "| Organic Solid           | C    |", "|    0.012 |  1.50 |  5.00 |   1.10 |"},
    {7, {{1, 9}, {2, 6}, {3, 1}}, {0.00042f, 2, 1, 1.8f, 1, 0.4f}, 2, 3, "1342", "123456",
     "| Solid Electrolytic Tantalum  | B1   | Chip      | --      |",
     "|   0.00042 |  2.00 |  1.00 |    1.800 |   1.00 |   0.4 |"},
    // 0.0055 as f32 lies just below the half: three decimals give 0.005.
    {8, {{1, 3}, {2, 2}, {4, 500, f32}}, {0.0055f, 1, 2}, 2, 3, "132", "123",
     "| Rotary     | B1   |  500.000 |", "|    0.005 |  1.00 |  2.00 |"},
    {9, {{1, 1}, {2, 4}, {3, 2}, {4, 12.5f, f32}}, {0.0234f, 3, 1.5f}, 2, 3, "1342", "123",
     "| Electromechanical | B1   | Lead welding   |   12.500 |", "|   0.0234 |  3.00 |  1.50 |"},
    // A fiber connector has a learning factor instead of a quality factor.
    {10, {{1, 5}, {8, 2}, {9, 12}}, {0.0015f, 2, 1, 1.5f}, 2, 3, "1243", "1234",
     "| Fiber         | ---  | SC      | 12   |", "|   0.0015 |  2.00 |       | 1.5 |"},
    {11, {{1, 3}, {2, 5}}, {0.00065f, 5, 0.7f, 2.2f, 1}, 2, 3, "12", "12345",
     "| Voltage regulator | B1   |", "|  0.00065 |  5.00 |  0.70 |    2.200 |   1.00 |"},
    {12, {{1, 1}, {2, 6}, {4, 0.5f, f32}, {8, 0.1f, f32}},
     {0.00032f, 1, 0.35f, 1.5f, 1.2f, 0.7f}, 2, 3, "1342", "123456",
     "| Si, NPN     | B2   |    0.500 |    0.100 |",
     "|  0.00032 |  1.00 |  0.35 |    1.500 |   1.20 |  0.7 |"},
    {13, {{1, 9}, {2, 8}}, {0.15f, 6.5f, 0.25f, 3, 1}, 2, 3, "12", "12345",
     "| GUNN/BULK Effect      | User |", "|  0.15000 |  6.50 |  0.25 |    3.000 |   1.00 |"},
    {14, {{1, 2}, {2, 7}, {4, 25, f32}}, {0.057f, 4, 5.5f, 1.2f, 1, 2}, 2, 3, "132", "123456",
     "| High PWR Micr. | C    |   25.000 |", "|  0.05700 |  4.00 |  5.50 |    1.200 |   1.00 |  2.0 |"},
    {15, {{1, 8}, {2, 1}, {3, 4}}, {0.0013f, 1, 0.7f, 1.1f}, 2, 3, "132", "1234",
     "| Multiple bits Nixie tube  | A2   | 4    |", "|  0.00130 |  1.00 |  0.70 |    1.100 |"},
    // The learning-factor cell is its 14 characters alone, without blanks around them.
    {16, {{1, 1}, {2, 2}}, {12.34f, 1, 3}, 0, 0, "12", "123",
     "| Helium Neon    |Not stabilized|", "|    12.34 |  1.00 |  3.0 |"},
    {18, {{1, 4}, {2, 3}, {3, 1}}, {0.0041f, 2, 1, 1}, 2, 3, "12", "1234",
     "| Power Supply transformer     | B2   |", "|   0.0041 |  2.00 |  1.00 |   1.00 |"},
    {19, {{2, 120, u16}, {4, 0, u16}, {6, 65535, u16}, {8, 7, u16}, {10, 2, u16}, {12, 0, u16}, {14, 10000, u16},
          {16, 3, u16}}, {4.5f}, 0, 0, "12345678", "1",
     "| 120    | 0        | ---  | 7       | 2    | 0    | 10000 | 3    |", "|  4.50 |"},
    {20, {{2, 2}, {4, 1500, u16}}, {0.000017f, 0.0000011f, 2, 1}, 1, 4, "21", "1234",
     "| B    | 1500  |", "| 0.000017 | 0.000001 |  2.00 |  1.00 |"},
    {21, {{1, 2}, {2, 4}}, {3.4f, 1, 2}, 2, 3, "12", "123",
     "| Fan blowers                          | C    |", "|    3.400 |  1.00 |  2.00 |"},
    {22, {{1, 2}, {2, 3}}, {0.0125f, 3, 1}, 2, 3, "12", "123",
     "| Oscillator | B    |", "|   0.0125 |  3.00 |  1.00 |"},
    {24, {}, {}, 0, 0, "", "", "|"},
    {25, {}, {}, 0, 0, "", "", "|"},
    {27, {{2, 6}}, {0.024f, 2, 1.5f}, 1, 3, "1", "123", "| User |", "| 0.024 |  2.00 |  1.50 |"},
    {28, {{1, 2}}, {}, 0, 0, "1", "", "| Incandescent |"},
    // Only the gyroscope (Type 14) has PI c and PI l, and no PI q.
    {29, {{1, 14}, {3, 3}, {8, 3}}, {0.005f, 1, 0, 2.2f, 4.5f}, 2, 3, "1243", "12345",
     "| Piezoelectric Gyroscope             | ---  | New device | Trinal |",
     "|  0.00500 |  1.00 |       |  2.2 |  4.5 |"},
    // PI q has a text of 6 in a column of 7.
    {30, {{1, 30}, {2, 2}}, {15, 2, 0.5f}, 2, 3, "12", "123",
     "| Magnetron                        | A2   |", "|   15.000 |  2.00 |  0.5 |"},
    {31, {{1, 4}, {2, 1}}, {0.022f, 1, 1}, 2, 3, "12", "123",
     "| Quartz crystal          | A    |", "|   0.0220 |  1.00 |  1.00 |"},
    // The quality cell is 6 characters in a column of 10.
    {33, {{2, 6}, {4, 4, u16}, {6, 12, u16}, {8, 20, u16}, {10, 35, u16}},
     {0.0001f, 0.5f, 1, 2.75f, 1.5f}, 1, 3, "23451", "12345",
     "| B1   | 4       | 12         | 20         | 35          |",
     "|  1.0E-04 |  0.50 |  1.00 |   2.75 |  1.50 |"},
};

TEST(ReportRows, EveryCategory) {
    for (const Report& report : kReports) {
        const unsigned code = report.item_code;
        EditRecord record = part(code, report.entered);
        for (unsigned slot = 0; slot < report.factors.size(); ++slot) record.result(slot + 1, report.factors[slot]);
        EXPECT_EQ(cells(record, code, kParameters), report.parameter_cells) << code;
        EXPECT_EQ(cells(record, code, kFactors), report.factor_cells) << code;
        EXPECT_EQ(view_order(code, kParameters), report.parameter_order) << code;
        EXPECT_EQ(view_order(code, kFactors), report.factor_order) << code;
        uint32_t pair[2] = {99, 99};
        EXPECT_EQ(GetQualityFields(1, code, pair), 0) << code;
        EXPECT_EQ((std::array{pair[0], pair[1]}), (std::array{report.quality, report.quality_factor})) << code;
    }
}

TEST(ReportRows, ParameterCellsAtTheEdgesOfTheirRules) {
    const std::tuple<unsigned, int32_t, std::vector<Entry>, const char*> cases[] = {
        // Inductive quality: the transformer list up to Type 8, the coil list from Type 9.
        {18, 2, {{1, 9}, {2, 2}, {3, 1}}, " A1   "}, {18, 2, {{1, 8}, {2, 2}, {3, 1}}, " B1   "},
        {18, 2, {{1, 0}, {2, 2}, {3, 1}}, " B1   "}, {18, 2, {{1, 16}, {3, 6}}, " User "},
        // The undefined value of each storage shows as dashes; a u32 count is shown as i32.
        {3, 7, {{8, kUndefinedU32, u32}}, " ---             "}, {3, 7, {{8, 3000000000.0, u32}}, " -1294967296     "},
        {2, 7, {{8, kUndefinedI32, i32}}, " ---           "}, {5, 2, {{2, kUndefinedByte}}, " ---    "},
        {5, 2, {{2, 200}}, " 200    "}, {20, 2, {{4, 12345, u16}}, " 1234  "},
        {28, 1, {}, " --           "}, {5, 1, {{1, 13}}, " ?13                  "},  // none chosen; past the list
    };
    for (const auto& [item, column, entered, cell] : cases) {
        EditRecord record = part(item, entered);
        char text[64];
        ASSERT_EQ(GetField(1, item, column, kParameters, text, record.data()), 0);
        EXPECT_EQ(std::string(text), cell) << item << " column " << column;
    }
}

TEST(ReportRows, TitlesOfMoreThanOneLineOrShorterThanTheirColumn) {
    const std::tuple<unsigned, int32_t, int32_t, const char*> titles[] = {
        {8, kParameters, 3, " Contact   Voltage  "}, {1, kParameters, 7, "     # of bits    "},
        {16, kParameters, 2, "  Learn factor  "},   {10, kFactors, 4, " PI l"}, {1, kFactors, 5, "  PI  f   "},
    };
    for (const auto& [item, mode, column, title] : titles) {
        char text[64];
        ASSERT_EQ(GetFieldTitle(1, item, column, mode, text, 1), 0);
        EXPECT_STREQ(text, title) << item << " column " << column;
    }
}

// Parameter columns, factor columns and title lines of ItemCodes 0..33.
constexpr std::array<std::array<uint32_t, 3>, 34> kCounts{{
    {0, 0, 0}, {7, 7, 2}, {8, 7, 2}, {7, 7, 2}, {0, 0, 2}, {3, 5, 2}, {2, 4, 2}, {4, 6, 2}, {3, 3, 2},
    {4, 3, 2}, {4, 4, 2}, {2, 5, 2}, {4, 6, 2}, {2, 5, 2}, {3, 6, 2}, {3, 4, 2}, {2, 3, 3}, {0, 0, 3},
    {2, 4, 2}, {8, 1, 2}, {2, 4, 2}, {2, 3, 2}, {2, 3, 2}, {1, 0, 2}, {0, 0, 2}, {0, 0, 2}, {0, 0, 3},
    {1, 3, 2}, {1, 0, 2}, {4, 5, 2}, {2, 3, 2}, {2, 3, 2}, {0, 0, 2}, {5, 5, 2},
}};

// Every ItemCode 0..33, column and mode: the answers agree with the counts.
// Only the low bytes of the ItemCode and the mode count, so higher bytes are
// set throughout; the selector matters to GetQualityFields and GetViewFields
// only. (The cells are laid out by hand in the rows above; that a refused call
// writes nothing, and no cell is wider than its column, is the fuzz target's
// to check, on arbitrary requests and records.)
TEST(ReportFields, EveryItemCodeColumnAndModeAnswersConsistently) {
    for (unsigned item = 0; item <= 33; ++item) {
        const bool supported = test::supported(item);
        const int32_t code = static_cast<int32_t>(item) + 0x300;
        uint32_t lines = 0, pair[2], count = 0, listed, order[16];
        EXPECT_EQ(GetTitleLinesCount(7, code, &lines), 0);
        EXPECT_EQ(lines, kCounts[item][2]) << item;
        for (int32_t selector : {0, 2, 0x101}) {
            EXPECT_EQ(GetQualityFields(selector, code, pair), 12) << item;
            EXPECT_EQ(GetViewFields(selector, code, kParameters, &count, order), 12) << item;
        }
        EXPECT_EQ(GetQualityFields(1, code, pair), supported ? 0 : 12) << item;
        for (int32_t mode : {kParameters, kRefresh, kFactors}) {
            SCOPED_TRACE("item " + std::to_string(item) + " mode " + std::to_string(mode));
            const bool factors = mode == kFactors;
            mode += 0x200;
            EXPECT_EQ(GetFieldsCount(7, code, mode, &count), 0);
            EXPECT_EQ(count, kCounts[item][factors ? 1 : 0]);
            EXPECT_EQ(GetViewFields(1, code, mode, &listed, order), supported ? 0 : 12);
            for (int32_t column = 0; column <= static_cast<int32_t>(count) + 1; ++column) {
                SCOPED_TRACE("column " + std::to_string(column));
                const bool inside = column >= 1 && column <= static_cast<int32_t>(count);
                const bool served = inside && supported;  // ItemCode 23 counts a column without cells
                uint32_t width = 0;
                char title[128];
                EXPECT_EQ(GetFieldTitle(7, code, column, mode, title, static_cast<int32_t>(lines) + 1), 12);
                EXPECT_EQ(GetFieldTitle(7, code, column, mode, title, static_cast<int32_t>(lines)), served ? 0 : 12);
                EXPECT_EQ(GetFieldLength(7, code, column, mode, &width), served ? 0 : 12);
                EditRecord record(item);
                char cell[128] = "";
                EXPECT_EQ(GetField(7, code, column, mode, cell, record.data()), inside ? 0 : 12);
            }
        }
    }
    uint32_t count = 99;  // codes beyond the tables
    EXPECT_EQ(GetFieldsCount(0, 34, kParameters, &count), 12);
    EXPECT_EQ(GetTitleLinesCount(0, 255, &count), 12);
    EXPECT_EQ(count, 99u);
}

// The rows above show that the other modes read the entered block as it is;
// that mode 1 copies the whole block, also where no cell is made, is the fuzz
// target's to check.
TEST(ReportFields, ModeOneFirstCopiesTheEffectiveBlockOverTheEnteredOne) {
    EditRecord record(7);
    record.u8(kEffective + 1, 2).u8(kEntered + 1, 12);
    char cell[64];
    EXPECT_EQ(GetField(1, 7, 1, kRefresh + 0x300, cell, record.data()), 0);  // the low byte counts
    EXPECT_STREQ(cell, " Plastic                      ");
}

// When a factor column has a number, by the Type (Style, Configuration) code.
bool shown(unsigned item, int32_t column, unsigned type) {
    const auto in = [&](unsigned first, unsigned last) { return type >= first && type <= last; };
    switch (item) {
    case 5: return column != 4 || type == 12;
    case 7: return column == 4 ? in(1, 11) : column == 6 ? !(in(4, 5) || type == 10 || in(12, 13)) : true;
    case 10: return column == 4 ? type == 5 : column == 3 ? in(1, 4) : in(1, 5);
    case 29: return column >= 4 ? type == 14 : column == 3 ? in(1, 13) : in(1, 14);
    default: return true;
    }
}

// The marker triple leaves the integrated circuits' factors and a few PI cyc.
bool blanked_by_marker(unsigned item, int32_t column) {
    return item > 3 && !(item == 5 && column == 5) && !((item == 6 || item == 33) && column == 4);
}

TEST(ReportCells, FactorsShownByTypeAndBlankedByTheMarkerTriple) {
    const std::array<std::array<unsigned, 3>, 4> markers{{{0, 0x20, 1}, {1, 0x20, 1}, {1, 0x21, 1}, {1, 0x20, 0}}};
    for (unsigned item : test::kSupportedItemCodes) {
        for (int32_t column = 1; column <= static_cast<int32_t>(kCounts[item][1]); ++column) {
            for (unsigned type = 0; type <= 45; ++type) {
                for (const auto& marker : markers) {
                    EditRecord record(item);
                    record.u8(44, marker[0]).u8(45, marker[1]).u8(46, marker[2]);
                    record.u8(kEntered + 1, type).u8(kEffective + 1, type + 1);  // the entered code decides
                    for (unsigned slot = 1; slot <= 7; ++slot) record.result(slot, 1.25f);
                    char cell[64];
                    ASSERT_EQ(GetField(1, item, column, kFactors, cell, record.data()), 0);
                    const bool blank = std::string(cell).find_first_not_of(' ') == std::string::npos;
                    const bool marked = marker == markers[1];
                    EXPECT_EQ(blank, !shown(item, column, type) || (marked && blanked_by_marker(item, column)))
                        << item << " column " << column << " type " << type << " marker " << marked;
                }
            }
        }
    }
}

TEST(FormatReal, TextAndStatusOfEveryPath) {
    // Width, decimals, value, the text right-aligned, the status.
    const std::tuple<int, int, double, const char*, int> cases[] = {
        {8, 3, 3.14159, "   3.142", kFormatFixed},
        {8, 3, -2.5, "  -2.500", kFormatFixed},
        {5, 2, 12.25, "12.25", kFormatFixed},      // fills the width
        {8, 2, 0.125, "    0.13", kFormatFixed},   // halves round away from zero
        {8, 3, -0.0, "   0.000", kFormatZero},
        {8, 3, kUndefinedF32, "     ---", kFormatUndefined},
        {10, 2, 3.4028233e38f, " 3.403E+38", kFormatTooLarge},  // the f32 below the undefined value
        {8, 3, 0.0004, " 4.0E-04", kFormatVanishes},
        {9, 3, -0.0004, " -4.0E-04", kFormatVanishes},
        {5, 2, 0.001, "Under", kFormatUnderflow},  // no room for an exponent below 8 (9 with a sign)
        {8, 3, -0.0004, "Underflo", kFormatUnderflow},
        {8, 2, 123456.0, " 1.2E+05", kFormatTooLarge},
        {9, 2, -123456.0, " -1.2E+05", kFormatTooLarge},
        {20, 2, 1.5e20, "        1.500000E+20", kFormatTooLarge},  // at most 6 digits
        {5, 2, 123.25, "Overf", kFormatOverflow},
        {8, 2, -123456.0, "Overflow", kFormatOverflow},
        {30, 19, 1.5, "         1.5000000000000000000", kFormatFixed},
        {30, 25, 1.5, "         1.5000000000000000000", kFormatDecimalsCapped},  // at most 19
        {5, 4, 1.23456, "1.235", kFormatDecimalsReduced},
        {2, 1, 7.0, " 7", kFormatDecimalsReduced},
        {8, -3, 5000.0, "   ERROR", kFormatError},  // printf's six default decimals cannot fit
        {8, 3, std::nan(""), "     nan", kFormatFixed},  // a host's NaN prints as printf prints it
    };
    for (const auto& [width, decimals, value, text, status] : cases) {
        char buffer[64];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(FormatReal(buffer, width, decimals, value, Align::right), status) << text;
        EXPECT_STREQ(buffer, text);
    }
    char left[16];
    FormatReal(left, 8, 3, 3.14159, Align::left);
    EXPECT_STREQ(left, "3.142   ");
}

// entr_max_val decides what is undefined: the type codes, not the storages (19, 20, 21 as i32).
TEST(EntrMltoasc, DashesForTheUndefinedValueDigitsCutToTheLength) {
    // Value, length, field type code, text, whether it was cut.
    const std::tuple<int32_t, int32_t, int32_t, const char*, int32_t> cases[] = {
        {2147483647, 10, 5, "---", 0}, {127, 4, 2, "---", 0}, {127, 4, 1, "---", 0}, {65535, 4, 4, "---", 0},
        {32767, 6, 3, "---", 0}, {-1, 15, 6, "---", 0}, {-1, 15, 5, "-1", 0}, {127, 4, 4, "127", 0},
        {127, 4, 19, "127", 0}, {2147483647, 10, 21, "---", 0}, {200, 4, 2, "200", 0}, {1234, 4, 5, "1234", 0},
        {123456, 4, 5, "1234", 1}, {-123, 3, 5, "-12", 1}, {65535, 4, 2, "6553", 1}, {7, 0, 5, "", 1},
        {2147483647, 2, 5, "--", 0},  // cut, but not reported
    };
    for (const auto& [value, length, type, text, cut] : cases) {
        char buffer[32];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(entr_mltoasc(buffer, value, length, type), cut) << value;
        EXPECT_STREQ(buffer, text);  // NUL-padded to the length, nothing after: the fuzz target checks it
    }
}

}  // namespace
}  // namespace gjbz108a
