// How much of a parts list one cell and one row may hold. A list may be of any
// length, but a single record is held whole while it is read; these bounds keep
// that memory small whatever the input (a file without a line break, say).
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace gjbz108a::cli {

// A CSV cell or a JSON value (a string, a number or a member name): no field
// of any category needs more than a few dozen bytes, a note perhaps a few
// hundred.
constexpr std::size_t kLongestCell = std::size_t{64} << 10;
// A CSV row, or the values of one JSON part together.
constexpr std::size_t kLongestRow = std::size_t{1} << 20;

// A record beyond a bound: the reading stops there. `what()` says why, for
// the record's line.
class RecordTooLong : public std::runtime_error {
public:
    RecordTooLong(unsigned long line, const std::string& why) : std::runtime_error(why), line_(line) {}
    unsigned long line() const noexcept { return line_; }

private:
    unsigned long line_;
};

// "a cell is longer than 65536 bytes (64 KiB), the most one may hold; the
// list is read no further": `thing` is "a cell", "a row", "a value" or "a part".
inline std::string too_long(const char* thing, std::size_t limit) {
    return std::string(thing) + " is longer than " + std::to_string(limit) + " bytes (" +
           std::to_string(limit >> 10) + " KiB), the most one may hold; the list is read no further";
}

}  // namespace gjbz108a::cli
