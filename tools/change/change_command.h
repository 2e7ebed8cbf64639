// gjbz108a change: a global change of a parts list from the command line.
#pragma once

#include "editing/part_library.h"

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace gjbz108a::cli {

// Runs the command with the arguments that follow "change". The changed list
// goes to `out` or to the -o file, the counts and problems to `err`. Exit
// status 0 when the list was written, 1 when it has problems, 2 for bad
// arguments or a file that cannot be read or written; nothing is written but
// with 0. Named parts come from `library`, by default the host library.
int change_command(std::span<const std::string_view> arguments, std::istream& standard_input, std::ostream& out,
                   std::ostream& err, PartLibrary* library = nullptr);

}  // namespace gjbz108a::cli
