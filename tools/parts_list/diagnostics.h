// Problems in a parts list, one line each on the error stream, in the form that
// editors and build tools understand: "file:line: column 'x': why".
#pragma once

#include "records/field_values.h"  // append_quoted, the quoting of every message

#include <ostream>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

class ProgressLine;

class Diagnostics {
public:
    Diagnostics(std::string_view file, std::ostream& out) : file_(file), out_(out) {}

    // `column` is empty for a problem of the whole row or file.
    void report(unsigned long line, std::string_view column, std::string_view why);

    // A progress line on the same terminal, cleared before each problem.
    void share_terminal_with(ProgressLine* progress) noexcept { progress_ = progress; }

private:
    std::string file_;
    std::ostream& out_;
    ProgressLine* progress_ = nullptr;
};

}  // namespace gjbz108a::cli
