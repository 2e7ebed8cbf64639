// The command line of gjbz108a: the prediction, its options and the commands,
// each run on the streams it is given.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace gjbz108a::cli {

// Runs the arguments that follow the program's name; the exit status.
// `show_progress`: the count of parts read goes to `err` on long lists.
int run_command_line(std::span<const std::string_view> arguments, std::istream& standard_input, std::ostream& out,
                     std::ostream& err, bool show_progress);

}  // namespace gjbz108a::cli
