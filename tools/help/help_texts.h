// Every help text of gjbz108a, one topic per command and subcommand, in one
// table: `COMMAND --help`, `gjbz108a help COMMAND` and the generated manual
// page and shell completion all read it. `gjbz108a help --list` names the
// topics, one a line; `gjbz108a help --all` prints every text.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

struct HelpTopic {
    std::string_view command;  // "lib show"; "" for the prediction, gjbz108a itself
    std::string_view text;     // the whole help, from its "Usage:" lines on
};

std::span<const HelpTopic> help_topics() noexcept;

// The topic of a command ("lib show"), words apart by one blank; nullptr when
// there is none.
const HelpTopic* help_topic(std::string_view command) noexcept;

// Prints the help of a command, or of the nearest command above it that has
// one ("lib" for "lib frobnicate").
void print_help(std::ostream& out, std::string_view command);

// "unknown option '--formt'", and the options of the command's help text that
// it may have meant.
std::string unknown_option(std::string_view command, std::string_view option);

// The version line of --version.
std::string_view version_line() noexcept;

}  // namespace gjbz108a::cli
