// The names of the environments, which are the host's: they come from an
// environment list, the file from which the editing dialog fills its ENV list,
// one entry a line. The dialog selects the entry whose index is the part's
// EnvironmentCode, and like every list of the dialogs it starts with "---"
// (nothing chosen), so the file's first line is "---" and line k + 1 names
// code k. A list may name fewer than the 27 codes; "---" leaves a code
// without a name. Names compare without regard to ASCII letter case and to
// blanks around them, as the cells of a parts list do.
#pragma once

#include "records/item_codes.h"

#include <array>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

// The dialog reads a line of at most 99 characters, its line end included.
constexpr std::size_t kLongestEnvironmentName = 98;
// A list file is read whole; anything larger is no environment list.
constexpr std::size_t kLargestEnvironmentList = std::size_t{64} << 10;

class EnvironmentNames {
public:
    // Reads the text of a list file. Nothing, with "file:line: why" in `why`,
    // when it is no list the dialog would show as meant.
    static std::optional<EnvironmentNames> read(std::string_view text, std::string_view file_name,
                                                std::string& why);

    // Reads the list file `path` ("-": standard input). Throws ReadError when
    // it cannot be read; nothing, with the reason in `why`, for a bad list.
    static std::optional<EnvironmentNames> read_file(const std::string& path, std::istream& standard_input,
                                                     std::string& why);

    // A name for `code`, 1 to 27; false, with the reason, for a name that the
    // list cannot hold (too long, a NUL, only digits, the name of another code).
    bool set(unsigned code, std::string_view name, std::string& why);

    bool empty() const noexcept;

    // The code's name; empty when it has none.
    std::string_view name(unsigned code) const noexcept;

    // The code of the name, 0 when none has it.
    unsigned code_named(std::string_view name) const noexcept;

    // The list file's text: "---", then a line for every code up to the last
    // one named.
    std::string list_text() const;

private:
    std::array<std::string, kLastEnvironmentCode + 1> names_;  // index = code; [0] unused
};

}  // namespace gjbz108a::cli
