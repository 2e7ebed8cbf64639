// gjbz108a help [COMMAND [SUBCOMMAND]] | --list | --all
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace gjbz108a::cli {

// Runs the command with the arguments that follow "help". Exit status 0, or
// 2 for a command that has no help (with the ones it may have meant).
int help_command(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);

}  // namespace gjbz108a::cli
