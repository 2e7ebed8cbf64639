// What a run of the tool or of one of its commands gave: the exit status and
// the two output streams. A command runs in the process on a text as its
// standard input.
#pragma once

#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

namespace gjbz108a::cli::test {

struct CommandRun {
    int status;
    std::string out, err;
};

template <typename Command, typename... More>
CommandRun run_command(Command command, std::span<const std::string_view> arguments, const std::string& input,
                       More&&... more) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = command(arguments, in, out, err, std::forward<More>(more)...);
    return {status, out.str(), err.str()};
}

}  // namespace gjbz108a::cli::test
