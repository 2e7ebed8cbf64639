// Finds reference designators that more than one part of a parts list names:
// the same designator in any letter case ("R5", "r5"), a designator inside a
// range ("R5" and "R1-R10"), and ranges that overlap ("R1-R10", "R8-R12").
//
// A list may hold a million parts while everything else about it runs in
// constant memory, so no designator is kept: a single one is a 64-bit hash
// and the line of its first part, 16 bytes a slot in an open-addressing table
// at most three quarters full: 21 to 43 bytes a part, 32 MB for a million
// parts (48 MB for a moment while the table grows), on huge pages where the
// system has them, as look-ups land anywhere in it. A range is kept whole, as
// its prefix's hash, its ends and its line, in an ordered map of ranges that
// do not overlap (a range that overlaps earlier ones adds only the numbers
// they do not cover): some 80 bytes a node, at most two nodes a range.
//
// Two different designators with the same hash would be taken for one. For a
// million designators the chance that any two of the list collide is about
// n^2 / 2^65, 3 in 100 million; the cost would be one needless warning, never
// a lost or changed part, so nothing more is kept to rule it out.
#pragma once

#include "platform/zeroed_pages.h"
#include "tools/parts_list/reference_designators.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace gjbz108a::cli {

class DuplicateReferences {
public:
    // A designator read and hashed, its slot already on the way into the
    // cache: the table outgrows the cache, and a part's computation and report
    // hide the fetch when the probe is taken before them and looked up after.
    struct Probe {
        Designators designators;
        std::uint64_t hash;    // of the designator (of a numbered one: its prefix and number)
        std::uint64_t prefix;  // of the prefix of a numbered designator or a range
    };
    Probe probe(std::string_view ref) const noexcept;

    // What an earlier part shares with the probed one; line 0 when nothing
    // (and the probed designators are remembered for `line`). An empty
    // designator is never a duplicate.
    struct Earlier {
        enum class Kind { same, in_range, includes, overlaps };
        unsigned long line = 0;
        Kind kind = Kind::same;
        std::uint32_t number = 0;  // the first designator both name, for the last three
    };
    Earlier earlier(const Probe& probe, unsigned long line);

    // "'R5' is also the reference of line 3", and the like for ranges.
    static std::string message(std::string_view ref, const Probe& probe, const Earlier& earlier);

private:
    struct Slot {
        std::uint64_t hash;  // 0: an empty slot
        std::uint64_t first_line;
    };
    struct RangeEnd {
        std::uint32_t last;
        unsigned long line;
    };
    // Ranges by their prefix's hash and first number.
    using Ranges = std::map<std::pair<std::uint64_t, std::uint32_t>, RangeEnd>;

    unsigned long single_line(std::uint64_t hash, unsigned long line, bool remember);
    Earlier add_range(const Probe& probe, unsigned long line);
    const RangeEnd* range_holding(std::uint64_t prefix, std::uint32_t number) const;
    void grow();
    Slot* slots() const noexcept { return static_cast<Slot*>(table_.data()); }

    platform::ZeroedPages table_;  // of slot_count_ slots, a power of two
    std::size_t slot_count_ = 0;
    std::size_t used_ = 0;
    Ranges ranges_;
};

}  // namespace gjbz108a::cli
