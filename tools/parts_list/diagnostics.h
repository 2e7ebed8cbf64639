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

    // While `held` is set, each problem's line is appended there instead of
    // written, for whoever writes it in its place among other lines (see
    // write_held); null writes again.
    void hold(std::string* held) noexcept { held_ = held; }
    // Lines that a holding Diagnostics appended, written as they stand.
    void write_held(std::string_view lines);

private:
    std::string file_;
    std::ostream& out_;
    ProgressLine* progress_ = nullptr;
    std::string* held_ = nullptr;
};

}  // namespace gjbz108a::cli
