// gjbz108a lib: keeping the host component library from the command line:
// its parts, cross-references and defaults, one at a time or as CSV tables.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace gjbz108a::cli {

// Runs the command with the arguments that follow "lib" on the database that
// the host library uses (TALWEN_DB, else the user's). Exit status 0 when done,
// 1 when nothing was found or the library refused the change (which then
// leaves the database as it was), 2 for bad arguments.
int library_command(std::span<const std::string_view> arguments, std::istream& standard_input, std::ostream& out,
                    std::ostream& err);

}  // namespace gjbz108a::cli
