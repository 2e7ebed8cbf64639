// Reading one part row of a parts list straight into a Part, with the reader
// the tool uses, against a library that the test sets up.
#pragma once

#include "tools/parts_list/csv_reader.h"
#include "tools/parts_list/part_reader.h"

#include "records/record.h"

#include <gjbz108a/report.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace gjbz108a::cli::test {

struct ReadRow {
    Part part;
    std::string diagnostics;  // what the reader reported, "list.csv:2: ..." lines
};

// The row "X,1,<cells>" under the general columns and `columns`.
inline ReadRow read_row(const std::string& columns, const std::string& cells, PartLibrary& library) {
    std::istringstream in("ref,qty,category,environment,temperature,cycling_rate," + columns + "\nX,1," + cells +
                          "\n");
    std::ostringstream out;
    CsvReader csv(in);
    csv.next();
    std::vector<HeaderProblem> problems;
    const ColumnLayout layout(csv, problems);
    EXPECT_TRUE(problems.empty());
    Diagnostics diagnostics("list.csv", out);
    PartReader reader(layout, diagnostics, library);
    ReadRow read;
    csv.next();
    EXPECT_TRUE(reader.read(csv, read.part));
    read.diagnostics = out.str();
    return read;
}

inline const std::uint8_t* entered(const Part& part) { return part.record.data() + GJBZ108A_EDIT_ENTERED_BLOCK; }
inline const std::uint8_t* effective(const Part& part) {
    return part.record.data() + GJBZ108A_EDIT_EFFECTIVE_BLOCK;
}

// The text of the part's report cell in parameter column `column`.
inline std::string report_cell(Part& part, unsigned column) {
    char text[64] = {};
    EXPECT_EQ(GetField(1, part.category->item_code, static_cast<std::int32_t>(column), 0, text, part.record.data()),
              GJBZ108A_REPORT_OK);
    return text;
}

}  // namespace gjbz108a::cli::test
