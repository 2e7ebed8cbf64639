// How much one record of a text file may hold: a row of a parts list or of the
// component library's CSV files, a part of a JSON list. A file may be of any
// length, but one record is held whole while it is read; these bounds keep that
// memory small whatever the input (a file without a line break, say).
#pragma once

#include <cstddef>
#include <string>

namespace gjbz108a {

// A CSV cell or a JSON value (a string, a number or a member name): no field
// of any category needs more than a few dozen bytes, a note perhaps a few
// hundred.
constexpr std::size_t kLongestCell = std::size_t{64} << 10;
// A CSV row (its commas and quotes counted), or the values of one JSON part.
constexpr std::size_t kLongestRow = std::size_t{1} << 20;

// "a cell is longer than 65536 bytes (64 KiB), the most one may hold": `thing`
// is "a cell", "a row", "a value" or "a part".
inline std::string longer_than_bound(const char* thing, std::size_t limit) {
    return std::string(thing) + " is longer than " + std::to_string(limit) + " bytes (" +
           std::to_string(limit >> 10) + " KiB), the most one may hold";
}

}  // namespace gjbz108a
