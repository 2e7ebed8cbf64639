// gjbz108a environments: every EnvironmentCode, whether the models support
// it, its column of the environment-factor tables, and the environment factor
// that a few typical parts get there, computed by calc_item; with the names of
// the environment list in use.
#pragma once

#include "tools/environments/environment_names.h"

#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>

namespace gjbz108a::cli {

int environments_command(std::span<const std::string_view> arguments, std::istream& standard_input,
                         std::ostream& out, std::ostream& err);

// The names a command works with: those of the list file `path` when one is
// given, else those stored in the component library (none when it holds none
// or cannot be opened). Nothing, with the reason on `err`, when the file
// cannot be read or is no environment list.
std::optional<EnvironmentNames> environment_names_in_use(std::string_view path, std::istream& standard_input,
                                                         std::ostream& err);

// What the models do with each code, by the typical parts: one row per code.
struct EnvironmentRow {
    unsigned code;
    int column;                                 // -1: the models do not support the code
    std::array<std::optional<float>, 3> pi_e;  // per typical part; nothing where it is refused
};
std::array<EnvironmentRow, kLastEnvironmentCode> environment_rows();

// The typical parts, as the columns of the table name them.
std::span<const std::string_view> typical_part_names();

}  // namespace gjbz108a::cli
