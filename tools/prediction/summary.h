// The closing lines of every report: the total failure rate, the MTBF and the
// counts.
#pragma once

#include "tools/prediction/output.h"
#include "tools/prediction/report.h"

#include <string>

namespace gjbz108a::cli {

// The mark of a value taken from the component library's defaults, in text.
inline constexpr char kDefaultedMark = '*';

// Rates to `digits` significant digits.
void text_summary(Output& out, const Summary& summary, int digits);

// "total_failure_rate":x,"mtbf_hours":y,"summary":{...}, the closing members
// of a JSON report.
void json_summary(Output& out, const Summary& summary);

// The counts and the MTBF as the one cell of a CSV row.
void summary_cell(const Summary& summary, std::string& cell);

// The CSV columns of a summary row of their own, and its cells.
inline constexpr std::string_view kCsvSummaryColumns =
    "total_failure_rate,parts_read,computed,computed_with_warnings,refused,pieces_read,pieces_computed,"
    "took_defaults,mtbf_hours";
void csv_summary_cells(Output& out, const Summary& summary);

}  // namespace gjbz108a::cli
