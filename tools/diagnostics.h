// Problems in a parts list, one line each on the error stream, in the form that
// editors and build tools understand: "file:line: column 'x': why".
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

class Diagnostics {
public:
    Diagnostics(std::string_view file, std::ostream& out) : file_(file), out_(out) {}

    // `column` is empty for a problem of the whole row or file.
    void report(unsigned long line, std::string_view column, std::string_view why);

private:
    std::string file_;
    std::ostream& out_;
};

}  // namespace gjbz108a::cli
