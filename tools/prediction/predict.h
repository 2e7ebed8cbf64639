// The tool's main loop: read a parts list row by row, compute each part and
// hand it to the report before the next row is read, then the total and the
// counts.
#pragma once

#include "tools/prediction/calculation.h"
#include "editing/part_library.h"
#include "tools/prediction/report.h"

#include <istream>
#include <ostream>
#include <string_view>

namespace gjbz108a::cli {

class EnvironmentNames;

// Exit statuses of the tool.
enum ExitStatus : int {
    kAllComputed = 0,       // every part computed (validity warnings allowed)
    kSomethingRefused = 1,  // a part or a column was refused; the others are reported
    kListUnusable = 2,      // bad options, an unreadable file or a header without its columns
};

// What a run may change besides its format and view.
struct RunOptions {
    bool no_defaults = false;  // a part that would take a library default is refused
    std::size_t top = 0;       // the parts that the Pareto view shows; 0 for all
    // The names that the environment column may hold and the output shows.
    const EnvironmentNames* environments = nullptr;
};

// Predicts the parts list read from `in`. Problems go to `diagnostics` as
// "file:line: column 'x': why", named after `file_name`. Named parts and
// defaults come from `library`, by default the host library (libtalwen.so).
// With `progress`, the count of parts read is shown there on long lists.
ExitStatus predict(std::istream& in, std::string_view file_name, Format format, View view, std::ostream& out,
                   std::ostream& diagnostics, CalculateFunction calculate = &calc_item,
                   PartLibrary* library = nullptr, std::ostream* progress = nullptr,
                   const RunOptions& options = {});

}  // namespace gjbz108a::cli
