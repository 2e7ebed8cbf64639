// A parts list's record beyond the bounds of records/input_limits.h: the
// reading stops there.
#pragma once

#include "records/input_limits.h"

#include <cstddef>
#include <stdexcept>
#include <string>

namespace gjbz108a::cli {

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
    return longer_than_bound(thing, limit) + "; the list is read no further";
}

}  // namespace gjbz108a::cli
