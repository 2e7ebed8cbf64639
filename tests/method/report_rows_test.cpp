// Whole report rows of a realistic part of every category, and the cells that
// depend on the part's type, the marker triple and the storage of a field.
// Every expected cell is laid out by hand from the column's width, text width
// and decimals: a blank, the text, a blank.
#include "method/field_types.h"
#include "support/edit_record.h"

#include <gjbz108a/report.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gjbz108a {
namespace {

using test::EditRecord;
using test::kEffective;
using test::kEntered;
using Cells = std::vector<std::string>;

constexpr int32_t kParameters = 0;
constexpr int32_t kFactors = 4;

Cells row(EditRecord& record, unsigned item_code, int32_t mode) {
    uint32_t count = 0;
    EXPECT_EQ(GetFieldsCount(1, item_code, mode, &count), 0);
    Cells cells;
    for (uint32_t column = 1; column <= count; ++column) {
        char cell[64];
        EXPECT_EQ(GetField(1, item_code, column, mode, cell, record.data()), 0);
        cells.emplace_back(cell);
    }
    return cells;
}

std::string cell(EditRecord& record, unsigned item_code, int32_t column, int32_t mode) {
    char text[64];
    EXPECT_EQ(GetField(1, item_code, column, mode, text, record.data()), 0);
    return text;
}

// A text followed by `count` blanks, for the long cells.
std::string padded(const char* text, std::size_t count) { return text + std::string(count, ' '); }

std::string blanks(std::size_t count) { return std::string(count, ' '); }

// ---- Integrated circuits and hybrids ----

TEST(ReportRows, IcMemory) {
    EditRecord part(1);
    part.u8(kEffective + 1, 9);  // the parameter columns show the entered block
    part.u8(kEntered + 1, 2).u8(kEntered + 2, 2).u8(kEntered + 3, 1).u8(kEntered + 4, 4).u8(kEntered + 5, 1);
    part.u16(kEntered + 6, 16).f32(kEntered + 8, 1048576.0f);
    part.result(1, 0.000123f).result(2, 2.5f).result(3, 0.5f).result(4, 1.234f);
    part.result(5, 0.0125f).result(6, 1.0f).result(7, 1.0f);

    EXPECT_EQ(row(part, 1, kParameters),
              (Cells{" DRAM   ", " MOS     ", padded(" Package Dual In-Line", 6), " B1   ", " Stabilized ",
                     " 16   ", blanks(11) + "1048576 "}));
    EXPECT_EQ(row(part, 1, kFactors),
              (Cells{"   0.000123 ", "  2.50 ", "  0.50 ", "    1.234 ", "   0.0125 ", "   1.00 ", "  1.0 "}));
}

TEST(ReportRows, IcAnalogWithTheMarkerTripleStillPrintsItsFactors) {
    EditRecord part(2);
    part.marker_triple();
    part.u8(kEntered + 1, 1).u8(kEntered + 3, 9).u8(kEntered + 4, 8).u8(kEntered + 5, 2).u8(kEntered + 20, 2);
    part.u16(kEntered + 6, 14).i32(kEntered + 8, 45);
    part.result(1, 0.0035f).result(2, 1.0f).result(3, 10.0f).result(4, 0.8f);
    part.result(5, 0.0f).result(6, 1.25f).result(7, 1.0f);

    EXPECT_EQ(row(part, 2, kParameters),
              (Cells{" Analog    ", " ---    ", padded(" Unpack FLAT", 15), " User ", " Not stabil ", " 14   ",
                     padded(" 45", 12), " Welded "}));
    EXPECT_EQ(row(part, 2, kFactors),
              (Cells{"   0.003500 ", "  1.00 ", " 10.00 ", "    0.800 ", "   0.0000 ", "   1.25 ", "  1.0 "}));
}

TEST(ReportRows, IcDigital) {
    EditRecord part(3);
    part.u8(kEntered + 1, 6).u8(kEntered + 2, 1).u8(kEntered + 3, 6).u8(kEntered + 4, 1).u8(kEntered + 5, 3);
    part.u16(kEntered + 6, 40).u32(kEntered + 8, 250000);
    part.result(1, 0.0212f).result(2, 4.0f).result(3, 2.0f).result(4, 12.345f);
    part.result(5, 123.4567f).result(6, 100.0f).result(7, 12.5f);

    EXPECT_EQ(row(part, 3, kParameters),
              (Cells{padded(" mPROC", 11), " Bipolar ", " Package SMT(Chip carrier) ", " A2   ", " New device ",
                     " 40   ", padded(" 250000", 10)}));
    EXPECT_EQ(row(part, 3, kFactors),
              (Cells{"     0.0212 ", "  4.00 ", "  2.00 ", "   12.345 ", " 123.4567 ", " 100.00 ", " 12.5 "}));
}

TEST(ReportRows, Hybrid) {
    EditRecord part(33);
    part.u8(kEntered + 2, 6).u16(kEntered + 4, 4).u16(kEntered + 6, 12).u16(kEntered + 8, 20).u16(kEntered + 10, 35);
    part.result(1, 0.0001f).result(2, 0.5f).result(3, 1.0f).result(4, 2.75f).result(5, 1.5f);

    EXPECT_EQ(row(part, 33, kParameters),
              (Cells{" B1   ", padded(" 4", 7), padded(" 12", 9), padded(" 20", 9), padded(" 35", 10)}));
    EXPECT_EQ(row(part, 33, kFactors), (Cells{"  1.0E-04 ", "  0.50 ", "  1.00 ", "   2.75 ", "  1.50 "}));
    part.marker_triple();
    EXPECT_EQ(row(part, 33, kFactors), (Cells{blanks(10), blanks(7), blanks(7), "   2.75 ", blanks(7)}));
}

// ---- Resistors, capacitors, switches, relays, connectors ----

TEST(ReportRows, Resistor) {
    EditRecord part(5);
    part.u8(kEntered + 1, 2).u8(kEntered + 2, 1).u8(kEntered + 3, 3);
    part.result(1, 0.00071f).result(2, 3.0f).result(3, 0.3f).result(4, 1.5f).result(5, 1.0f);

    EXPECT_EQ(row(part, 5, kParameters), (Cells{padded(" Metal Film", 11), padded(" 1", 6), " B1   "}));
    // PI t belongs to networks only.
    EXPECT_EQ(row(part, 5, kFactors), (Cells{"  0.00071 ", "  3.00 ", "  0.30 ", blanks(10), "   1.00 "}));
}

TEST(ReportRows, VariableResistor) {
    EditRecord part(6);
    part.u8(kEntered + 1, 5).u8(kEntered + 2, 5);
    part.result(1, 0.0123f).result(2, 1.5f).result(3, 5.0f).result(4, 1.1f);

    EXPECT_EQ(row(part, 6, kParameters), (Cells{padded(" Organic Solid", 11), " C    "}));
    EXPECT_EQ(row(part, 6, kFactors), (Cells{"    0.012 ", "  1.50 ", "  5.00 ", "   1.10 "}));
}

TEST(ReportRows, Capacitor) {
    EditRecord part(7);
    part.u8(kEntered + 1, 9).u8(kEntered + 2, 6).u8(kEntered + 3, 1);
    part.result(1, 0.00042f).result(2, 2.0f).result(3, 1.0f).result(4, 1.8f).result(5, 1.0f).result(6, 0.4f);

    EXPECT_EQ(row(part, 7, kParameters),
              (Cells{" Solid Electrolytic Tantalum  ", " B1   ", " Chip      ", " --      "}));
    EXPECT_EQ(row(part, 7, kFactors),
              (Cells{"   0.00042 ", "  2.00 ", "  1.00 ", "    1.800 ", "   1.00 ", "   0.4 "}));
}

TEST(ReportRows, Switch) {
    EditRecord part(8);
    part.u8(kEntered + 1, 3).u8(kEntered + 2, 2).f32(kEntered + 4, 500.0f);
    // 0.0055 as f32 lies just below the half: three decimals give 0.005.
    part.result(1, 0.0055f).result(2, 1.0f).result(3, 2.0f);

    EXPECT_EQ(row(part, 8, kParameters), (Cells{" Rotary     ", " B1   ", "  500.000 "}));
    EXPECT_EQ(row(part, 8, kFactors), (Cells{"    0.005 ", "  1.00 ", "  2.00 "}));
}

TEST(ReportRows, Relay) {
    EditRecord part(9);
    part.u8(kEntered + 1, 1).u8(kEntered + 2, 4).u8(kEntered + 3, 2).f32(kEntered + 4, 12.5f);
    part.result(1, 0.0234f).result(2, 3.0f).result(3, 1.5f);

    EXPECT_EQ(row(part, 9, kParameters), (Cells{" Electromechanical ", " B1   ", " Lead welding   ", "   12.500 "}));
    EXPECT_EQ(row(part, 9, kFactors), (Cells{"   0.0234 ", "  3.00 ", "  1.50 "}));
}

TEST(ReportRows, ConnectorsByConfiguration) {
    EditRecord cylindrical(10);
    cylindrical.u8(kEntered + 1, 2).u8(kEntered + 2, 3);
    cylindrical.result(1, 0.0015f).result(2, 2.0f).result(3, 1.0f).result(4, 1.5f);
    EXPECT_EQ(row(cylindrical, 10, kParameters), (Cells{" Cylindrical   ", " B1   ", " ---     ", " 0    "}));
    EXPECT_EQ(row(cylindrical, 10, kFactors), (Cells{"   0.0015 ", "  2.00 ", "  1.00 ", blanks(5)}));

    EditRecord fiber(10);
    fiber.u8(kEntered + 1, 5).u8(kEntered + 8, 2).u8(kEntered + 9, 12);
    fiber.result(1, 0.0015f).result(2, 2.0f).result(3, 1.0f).result(4, 1.5f);
    EXPECT_EQ(row(fiber, 10, kParameters), (Cells{" Fiber         ", " ---  ", " SC      ", " 12   "}));
    EXPECT_EQ(row(fiber, 10, kFactors), (Cells{"   0.0015 ", "  2.00 ", blanks(7), " 1.5 "}));

    fiber.u8(kEntered + 1, 6);  // IC sockets
    EXPECT_EQ(row(fiber, 10, kFactors), (Cells{blanks(10), blanks(7), blanks(7), blanks(5)}));
}

// ---- Discrete semiconductors ----

TEST(ReportRows, LowFrequencyDiode) {
    EditRecord part(11);
    part.u8(kEntered + 1, 3).u8(kEntered + 2, 5);
    part.result(1, 0.00065f).result(2, 5.0f).result(3, 0.7f).result(4, 2.2f).result(5, 1.0f);

    EXPECT_EQ(row(part, 11, kParameters), (Cells{" Voltage regulator ", " B1   "}));
    EXPECT_EQ(row(part, 11, kFactors), (Cells{"  0.00065 ", "  5.00 ", "  0.70 ", "    2.200 ", "   1.00 "}));
}

TEST(ReportRows, LowFrequencyTransistor) {
    EditRecord part(12);
    part.u8(kEntered + 1, 1).u8(kEntered + 2, 6).f32(kEntered + 4, 0.5f).f32(kEntered + 8, 0.1f);
    part.result(1, 0.00032f).result(2, 1.0f).result(3, 0.35f).result(4, 1.5f).result(5, 1.2f).result(6, 0.7f);

    EXPECT_EQ(row(part, 12, kParameters), (Cells{" Si, NPN     ", " B2   ", "    0.500 ", "    0.100 "}));
    EXPECT_EQ(row(part, 12, kFactors),
              (Cells{"  0.00032 ", "  1.00 ", "  0.35 ", "    1.500 ", "   1.20 ", "  0.7 "}));
}

TEST(ReportRows, HighFrequencyDiode) {
    EditRecord part(13);
    part.u8(kEntered + 1, 9).u8(kEntered + 2, 8);
    part.result(1, 0.15f).result(2, 6.5f).result(3, 0.25f).result(4, 3.0f).result(5, 1.0f);

    EXPECT_EQ(row(part, 13, kParameters), (Cells{padded(" GUNN/BULK Effect", 6), " User "}));
    EXPECT_EQ(row(part, 13, kFactors), (Cells{"  0.15000 ", "  6.50 ", "  0.25 ", "    3.000 ", "   1.00 "}));
}

TEST(ReportRows, HighFrequencyTransistor) {
    EditRecord part(14);
    part.u8(kEntered + 1, 2).u8(kEntered + 2, 7).f32(kEntered + 4, 25.0f);
    part.result(1, 0.057f).result(2, 4.0f).result(3, 5.5f).result(4, 1.2f).result(5, 1.0f).result(6, 2.0f);

    EXPECT_EQ(row(part, 14, kParameters), (Cells{" High PWR Micr. ", " C    ", "   25.000 "}));
    EXPECT_EQ(row(part, 14, kFactors),
              (Cells{"  0.05700 ", "  4.00 ", "  5.50 ", "    1.200 ", "   1.00 ", "  2.0 "}));
}

TEST(ReportRows, Optoelectronic) {
    EditRecord part(15);
    part.u8(kEntered + 1, 8).u8(kEntered + 2, 1).u8(kEntered + 3, 4);
    part.result(1, 0.0013f).result(2, 1.0f).result(3, 0.7f).result(4, 1.1f);

    EXPECT_EQ(row(part, 15, kParameters), (Cells{" Multiple bits Nixie tube  ", " A2   ", " 4    "}));
    EXPECT_EQ(row(part, 15, kFactors), (Cells{"  0.00130 ", "  1.00 ", "  0.70 ", "    1.100 "}));
}

// ---- The other categories ----

TEST(ReportRows, GasLaser) {
    EditRecord part(16);
    part.u8(kEntered + 1, 1).u8(kEntered + 2, 2);
    part.result(1, 12.34f).result(2, 1.0f).result(3, 3.0f);

    // The learning-factor cell is its 14 characters alone, without blanks around them.
    EXPECT_EQ(row(part, 16, kParameters), (Cells{" Helium Neon    ", "Not stabilized"}));
    EXPECT_EQ(row(part, 16, kFactors), (Cells{"    12.34 ", "  1.00 ", "  3.0 "}));
    part.u8(kEntered + 2, 3);
    EXPECT_EQ(cell(part, 16, 2, kParameters), "New device    ");
    part.u8(kEntered + 2, 0);
    EXPECT_EQ(cell(part, 16, 2, kParameters), padded("---", 11));
}

TEST(ReportRows, InductiveDevice) {
    EditRecord part(18);
    part.u8(kEntered + 1, 4).u8(kEntered + 2, 3).u8(kEntered + 3, 1);
    part.result(1, 0.0041f).result(2, 2.0f).result(3, 1.0f).result(4, 1.0f);

    EXPECT_EQ(row(part, 18, kParameters), (Cells{padded(" Power Supply transformer", 5), " B2   "}));
    EXPECT_EQ(row(part, 18, kFactors), (Cells{"   0.0041 ", "  2.00 ", "  1.00 ", "   1.00 "}));
}

TEST(ReportRows, Connections) {
    EditRecord part(19);
    part.u16(kEntered + 2, 120).u16(kEntered + 4, 0).u16(kEntered + 6, 65535).u16(kEntered + 8, 7);
    part.u16(kEntered + 10, 2).u16(kEntered + 12, 0).u16(kEntered + 14, 10000).u16(kEntered + 16, 3);
    part.result(1, 4.5f);

    EXPECT_EQ(row(part, 19, kParameters), (Cells{" 120    ", " 0        ", " ---  ", " 7       ", " 2    ",
                                                 " 0    ", " 10000 ", " 3    "}));
    EXPECT_EQ(row(part, 19, kFactors), (Cells{"  4.50 "}));
}

TEST(ReportRows, PrintedBoard) {
    EditRecord part(20);
    part.u8(kEntered + 2, 2).u16(kEntered + 4, 1500);
    part.result(1, 0.000017f).result(2, 0.0000011f).result(3, 2.0f).result(4, 1.0f);

    EXPECT_EQ(row(part, 20, kParameters), (Cells{" B    ", " 1500  "}));
    EXPECT_EQ(row(part, 20, kFactors), (Cells{" 0.000017 ", " 0.000001 ", "  2.00 ", "  1.00 "}));
    // The count's text is 4 characters in a cell of 5.
    part.u16(kEntered + 4, 12345);
    EXPECT_EQ(cell(part, 20, 2, kParameters), " 1234  ");
}

TEST(ReportRows, RotatingQuartzSawFilterTube) {
    EditRecord rotating(21);
    rotating.u8(kEntered + 1, 2).u8(kEntered + 2, 4).result(1, 3.4f).result(2, 1.0f).result(3, 2.0f);
    EXPECT_EQ(row(rotating, 21, kParameters), (Cells{padded(" Fan blowers", 26), " C    "}));
    EXPECT_EQ(row(rotating, 21, kFactors), (Cells{"    3.400 ", "  1.00 ", "  2.00 "}));

    EditRecord quartz(22);
    quartz.u8(kEntered + 1, 2).u8(kEntered + 2, 3).result(1, 0.0125f).result(2, 3.0f).result(3, 1.0f);
    EXPECT_EQ(row(quartz, 22, kParameters), (Cells{" Oscillator ", " B    "}));
    EXPECT_EQ(row(quartz, 22, kFactors), (Cells{"   0.0125 ", "  3.00 ", "  1.00 "}));

    EditRecord saw(27);
    saw.u8(kEntered + 2, 6).result(1, 0.024f).result(2, 2.0f).result(3, 1.5f);
    EXPECT_EQ(row(saw, 27, kParameters), (Cells{" User "}));
    EXPECT_EQ(row(saw, 27, kFactors), (Cells{" 0.024 ", "  2.00 ", "  1.50 "}));

    EditRecord filter(31);
    filter.u8(kEntered + 1, 4).u8(kEntered + 2, 1).result(1, 0.022f).result(2, 1.0f).result(3, 1.0f);
    EXPECT_EQ(row(filter, 31, kParameters), (Cells{padded(" Quartz crystal", 10), " A    "}));
    EXPECT_EQ(row(filter, 31, kFactors), (Cells{"   0.0220 ", "  1.00 ", "  1.00 "}));

    EditRecord tube(30);
    tube.u8(kEntered + 1, 30).u8(kEntered + 2, 2).result(1, 15.0f).result(2, 2.0f).result(3, 0.5f);
    EXPECT_EQ(row(tube, 30, kParameters), (Cells{padded(" Magnetron", 24), " A2   "}));
    EXPECT_EQ(row(tube, 30, kFactors), (Cells{"   15.000 ", "  2.00 ", "  0.5 "}));  // PI q: a cell of 6
}

TEST(ReportRows, Lamp) {
    EditRecord part(28);
    part.u8(kEntered + 1, 2);
    EXPECT_EQ(row(part, 28, kParameters), (Cells{" Incandescent "}));
    EXPECT_EQ(row(part, 28, kFactors), (Cells{}));
    part.u8(kEntered + 1, 0);
    EXPECT_EQ(row(part, 28, kParameters), (Cells{padded(" --", 11)}));
}

TEST(ReportRows, MiscellaneousByType) {
    EditRecord gyroscope(29);
    gyroscope.u8(kEntered + 1, 14).u8(kEntered + 3, 3).u8(kEntered + 8, 3);
    gyroscope.result(1, 0.005f).result(2, 1.0f).result(3, 0.0f).result(4, 2.2f).result(5, 4.5f);
    EXPECT_EQ(row(gyroscope, 29, kParameters),
              (Cells{padded(" Piezoelectric Gyroscope", 13), " ---  ", " New device ", " Trinal "}));
    // The quality does not enter a gyroscope's rate: PI q is shown for Types 1 to 13 only.
    EXPECT_EQ(row(gyroscope, 29, kFactors), (Cells{"  0.00500 ", "  1.00 ", blanks(7), "  2.2 ", "  4.5 "}));

    EditRecord coupler(29);
    coupler.u8(kEntered + 1, 3).u8(kEntered + 2, 2);
    coupler.result(1, 0.05f).result(2, 1.0f).result(3, 2.0f).result(4, 9.0f).result(5, 9.0f);
    EXPECT_EQ(row(coupler, 29, kParameters), (Cells{padded(" Coupler", 29), " B1   ", " ---        ", " ---    "}));
    EXPECT_EQ(row(coupler, 29, kFactors), (Cells{"  0.05000 ", "  1.00 ", "  2.00 ", blanks(6), blanks(6)}));

    coupler.u8(kEntered + 1, 15);  // Attenuators fixed: no factor shown
    EXPECT_EQ(row(coupler, 29, kFactors), (Cells{blanks(10), blanks(7), blanks(7), blanks(6), blanks(6)}));
}

// ---- Cells that depend on the type, the marker triple and the storage ----

TEST(ReportCells, CapacitorFactorsShownByStyle) {
    EditRecord part(7);
    part.result(4, 1.25f).result(6, 2.0f);
    const auto t_and_ch = [&](unsigned style) {
        part.u8(kEntered + 1, style);
        return Cells{cell(part, 7, 4, kFactors), cell(part, 7, 6, kFactors)};
    };
    EXPECT_EQ(t_and_ch(1), (Cells{"    1.250 ", "   2.0 "}));
    EXPECT_EQ(t_and_ch(12), (Cells{blanks(10), blanks(7)}));
    EXPECT_EQ(t_and_ch(4), (Cells{"    1.250 ", blanks(7)}));
    EXPECT_EQ(t_and_ch(11), (Cells{"    1.250 ", "   2.0 "}));
    EXPECT_EQ(t_and_ch(13), (Cells{blanks(10), blanks(7)}));
    // Nothing chosen: "only for 1 to 11" excludes it, "not for 4, 5, 10, 12, 13" does not.
    EXPECT_EQ(t_and_ch(0), (Cells{blanks(10), "   2.0 "}));
}

TEST(ReportCells, TheShownRuleReadsTheEnteredStyle) {
    EditRecord part(5);
    part.u8(kEffective + 1, 1).u8(kEntered + 1, 12).result(4, 1.5f);
    EXPECT_EQ(cell(part, 5, 4, kFactors), "    1.500 ");
    part.u8(kEffective + 1, 12).u8(kEntered + 1, 1);
    EXPECT_EQ(cell(part, 5, 4, kFactors), blanks(10));
}

TEST(ReportCells, TheMarkerTripleBlanksResistorFactorsButPiCyc) {
    EditRecord network(5);
    network.u8(kEntered + 1, 12);
    network.result(1, 0.00071f).result(2, 3.0f).result(3, 0.3f).result(4, 1.5f).result(5, 1.0f);
    EXPECT_EQ(row(network, 5, kFactors), (Cells{"  0.00071 ", "  3.00 ", "  0.30 ", "    1.500 ", "   1.00 "}));
    network.marker_triple();
    EXPECT_EQ(row(network, 5, kFactors), (Cells{blanks(10), blanks(7), blanks(7), blanks(10), "   1.00 "}));
    // Only all three bytes together are the marker.
    network.u8(45, 0x21);
    EXPECT_EQ(cell(network, 5, 2, kFactors), "  3.00 ");

    EditRecord variable(6);
    variable.marker_triple().result(1, 0.0123f).result(4, 1.1f);
    EXPECT_EQ(row(variable, 6, kFactors), (Cells{blanks(10), blanks(7), blanks(7), "   1.10 "}));

    EditRecord capacitor(7);  // its PI cyc is blanked too
    capacitor.marker_triple().u8(kEntered + 1, 1).result(5, 1.0f);
    EXPECT_EQ(cell(capacitor, 7, 5, kFactors), blanks(8));
}

TEST(ReportCells, InductiveQualityComesFromTheTransformerOrTheCoilList) {
    EditRecord part(18);
    part.u8(kEntered + 2, 2).u8(kEntered + 3, 1);
    part.u8(kEntered + 1, 9);  // Coil Fixed: block byte 3, list A1, A2, B1, ...
    EXPECT_EQ(cell(part, 18, 2, kParameters), " A1   ");
    part.u8(kEntered + 1, 8);  // RF transformer: block byte 2, list A2, B1, ...
    EXPECT_EQ(cell(part, 18, 2, kParameters), " B1   ");
    part.u8(kEntered + 1, 3);
    EXPECT_EQ(cell(part, 18, 2, kParameters), " B1   ");
    part.u8(kEntered + 1, 16).u8(kEntered + 3, 6);
    EXPECT_EQ(cell(part, 18, 2, kParameters), " User ");
}

TEST(ReportCells, IntegerCellsShowTheUndefinedValueOfTheirStorage) {
    EditRecord digital(3);
    digital.u32(kEntered + 8, kUndefinedU32).u16(kEntered + 6, kUndefinedU16);
    EXPECT_EQ(cell(digital, 3, 7, kParameters), padded(" ---", 13));
    EXPECT_EQ(cell(digital, 3, 6, kParameters), " ---  ");
    // The count is passed as a signed 32-bit value: a u32 beyond it prints negative.
    digital.u32(kEntered + 8, 3000000000u);
    EXPECT_EQ(cell(digital, 3, 7, kParameters), " -1294967296     ");

    EditRecord analog(2);
    analog.i32(kEntered + 8, kUndefinedI32);
    EXPECT_EQ(cell(analog, 2, 7, kParameters), padded(" ---", 11));

    EditRecord resistor(5);
    resistor.u8(kEntered + 2, kUndefinedByte);
    EXPECT_EQ(cell(resistor, 5, 2, kParameters), " ---    ");
    resistor.u8(kEntered + 2, 200);
    EXPECT_EQ(cell(resistor, 5, 2, kParameters), " 200    ");
}

TEST(ReportCells, RealAndFactorCellsAtTheirLimits) {
    EditRecord relay(9);
    relay.f32(kEntered + 4, kUndefinedF32);
    EXPECT_EQ(cell(relay, 9, 4, kParameters), "      --- ");
    relay.f32(kEntered + 4, 250000.0f);  // six digits and three decimals do not fit in 8
    EXPECT_EQ(cell(relay, 9, 4, kParameters), "  2.5E+05 ");

    EditRecord memory(1);
    memory.result(6, 1000.0f);  // PI cyc in 6 characters: no room for an exponent
    EXPECT_EQ(cell(memory, 1, 6, kFactors), " Overfl ");
    memory.result(1, 0.0000004f);
    EXPECT_EQ(cell(memory, 1, 1, kFactors), "  4.000E-07 ");  // three digits in 10
}

TEST(ReportCells, ListCodesBeyondTheListAreShownNotRead) {
    EditRecord part(5);
    part.u8(kEntered + 1, 13).u8(kEntered + 3, 0);
    EXPECT_EQ(cell(part, 5, 1, kParameters), padded(" ?13", 18));
    EXPECT_EQ(cell(part, 5, 3, kParameters), " ---  ");
}

}  // namespace
}  // namespace gjbz108a
