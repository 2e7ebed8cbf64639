// Files that a command reads or writes whole: a parts list to change, a
// library table to import or export.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

// The most a file read whole may hold; a larger one is refused rather than
// taking memory without bound.
constexpr std::size_t kLargestWholeFile = std::size_t{256} << 20;

// The file's bytes, or standard input's for "-". Throws ReadError when it
// cannot be opened or read, or holds more than kLargestWholeFile bytes.
std::string read_whole_file(const std::string& name, std::istream& standard_input);

// Replaces the file `name` with `text` whole, or leaves it as it was (see
// platform::replace_file), so `name` may be the file that was read. The
// component library's database is refused. False, with a line on `err`, when
// nothing was written.
bool write_whole_file(const std::string& name, std::string_view text, std::ostream& err);

}  // namespace gjbz108a::cli
