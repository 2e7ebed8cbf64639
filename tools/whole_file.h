// Files that a command reads or writes whole: a parts list to change, a
// library table to import or export.
#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace gjbz108a::cli {

// The file's bytes, or standard input's for "-". False, with a line on `err`,
// when it cannot be opened.
bool read_whole_file(const std::string& name, std::istream& standard_input, std::string& text, std::ostream& err);

// The whole text or nothing: it goes to a file beside `name`, which then takes
// its name, so `name` may be the file that was read. False, with a line on
// `err`, when it cannot be written.
bool write_whole_file(const std::string& name, const std::string& text, std::ostream& err);

}  // namespace gjbz108a::cli
