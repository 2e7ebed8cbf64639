// Problems in a parts list, one line each on the error stream, in the form that
// editors and build tools understand: "file:line: column 'x': why".
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

class ProgressLine;

// Appends `text` in single quotes for a message: whole when short, else its
// first 40 bytes (cut between UTF-8 characters) and "...", so that a hostile
// cell of 64 KiB cannot make a message of 64 KiB.
void append_quoted(std::string& message, std::string_view text);

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
