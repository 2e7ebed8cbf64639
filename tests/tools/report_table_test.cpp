// The tool's view of the report tables, as the exports give them: display
// order, widths, title lines, names, and which factor cells are blank.
#include "tools/reports/report_table.h"

#include "records/item_codes.h"
#include "support/edit_record.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace gjbz108a::cli {
namespace {

// The columns in display order, each as "number name/width".
std::string columns_of(const ReportTable& table) {
    std::string all;
    for (const auto& column : table.columns())
        all.append(all.empty() ? "" : ", ").append(std::to_string(column.number) + " " + column.name + "/" +
                                                   std::to_string(column.width));
    return all;
}

TEST(ReportTable, ColumnsInDisplayOrderWithTheirWidthsAndTitleLines) {
    // IC Memory shows its parameter columns in the order 2, 1, 7, 6, 3, 5, 4.
    const ReportTable& memory = report_table(1, TableKind::parameters);
    EXPECT_EQ(columns_of(memory),
              "2 Tech/9, 1 Type/8, 7 # of bits/19, 6 Active pins/6, 3 Package/27, 5 Learn fact./12, 4 Qual/6");

    // Titles are cut into lines of the column's width.
    const auto& pins = memory.columns()[3];  // "Active pins " in a column of 6
    EXPECT_EQ(ReportTable::title_line(pins, 0), "Active");
    EXPECT_EQ(ReportTable::title_line(pins, 1), " pins ");

    const auto& voltage = report_table(8, TableKind::parameters).columns()[1];  // switches: 1, 3, 2
    EXPECT_EQ(ReportTable::title_line(voltage, 0), " Contact  ");
    EXPECT_EQ(ReportTable::title_line(voltage, 1), " Voltage  ");
    // The unit is the field's, not the export's: a line of its own, and in the name.
    EXPECT_EQ(voltage.name, "Contact Voltage (mV)");
    EXPECT_EQ(voltage.unit, " (mV)");
    EXPECT_EQ(memory.columns()[2].unit, "");

    // A title a blank short of its width is one line: "     # of bits    " in 19.
    EXPECT_EQ(ReportTable::title_line(memory.columns()[2], 0), "     # of bits    ");
    EXPECT_EQ(ReportTable::title_line(memory.columns()[2], 1), "");
    EXPECT_TRUE(memory.titled(1));  // "pins" is on the second line

    // Gas lasers have three title lines, all their titles one line long.
    const ReportTable& laser = report_table(16, TableKind::parameters);
    EXPECT_EQ(laser.title_lines(), 3u);
    EXPECT_EQ(columns_of(laser), "1 Type/16, 2 Learn factor/16");
    EXPECT_TRUE(laser.titled(0));
    EXPECT_FALSE(laser.titled(1));
    EXPECT_FALSE(laser.titled(2));
}

// The data formats key the cells by these names, so within a category they
// must differ from each other and from the general columns.
TEST(ReportTable, NamesOfACategoryAreDistinctAndNotEmpty) {
    for (const Category& category : categories()) {
        std::set<std::string> seen{"ref", "qty", "category", "failure_rate", "qty_x_failure_rate", "status",
                                   "messages"};
        for (TableKind kind : {TableKind::parameters, TableKind::factors}) {
            for (const auto& column : report_table(category.item_code, kind).columns()) {
                EXPECT_FALSE(column.name.empty()) << category.name;
                EXPECT_TRUE(seen.insert(column.name).second) << category.name << ": " << column.name;
            }
        }
    }
}

// Which factors show is learned per type and marker; a blank cell is no factor.
TEST(ReportTable, AFactorCellIsItsValueOrNoneWhenBlank) {
    const ReportTable& resistor = report_table(5, TableKind::factors);
    test::EditRecord network(5);
    // Network: PI t is shown. (The cells' texts are GetField's, the report's
    // tests'.)
    network.u8(test::kEntered + 1, 12).result(1, 0.5f).result(4, 1.5f).result(5, 1.25f);
    EXPECT_EQ(resistor.factor(resistor.columns()[3], network.data()), 1.5f);

    // Under the marker triple only the cycling factor is printed.
    network.marker_triple();
    EXPECT_EQ(resistor.factor(resistor.columns()[0], network.data()), std::nullopt);
    EXPECT_EQ(resistor.factor(resistor.columns()[4], network.data()), 1.25f);
    // What shows is learned per type and marker: a network without it shows its Lbase again.
    test::EditRecord other(5);
    other.u8(test::kEntered + 1, 12).result(1, 0.75f);
    EXPECT_EQ(resistor.factor(resistor.columns()[0], other.data()), 0.75f);

    // A chip film resistor has no PI t.
    test::EditRecord chip(5);
    chip.u8(test::kEntered + 1, 11).result(4, 1.5f);
    EXPECT_EQ(resistor.factor(resistor.columns()[3], chip.data()), std::nullopt);

    // The marker triple never blanks an integrated circuit's factors.
    test::EditRecord memory(1);
    memory.marker_triple().result(2, 1.5f);
    const ReportTable& ic = report_table(1, TableKind::factors);
    EXPECT_EQ(ic.factor(ic.columns()[1], memory.data()), 1.5f);
}

}  // namespace
}  // namespace gjbz108a::cli
