// The command line of a global change:
//   gjbz108a change PARTS_FILE [--category C] --where KEY=VALUE... --set KEY=VALUE... [-o OUT]
#pragma once

#include "tools/change/change_blocks.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::cli {

struct ChangeRequest {
    std::string list;      // the parts list; "-" reads standard input
    std::string output;    // empty: standard output
    std::string category;  // as given, by --category or the condition category=...; empty for all
    std::string environments;  // an environment list; empty: the names the library keeps
    std::vector<Assignment> conditions, new_values;
    bool help = false;
};

// Reads the arguments that follow "change". False with the reason when they
// do not make a change: no list, no new value, a stray word.
bool parse_change_arguments(std::span<const std::string_view> arguments, ChangeRequest& request, std::string& why);

}  // namespace gjbz108a::cli
