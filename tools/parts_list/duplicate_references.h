// Finds reference designators that appear more than once in a parts list. A
// list may hold a million parts while everything else about it runs in
// constant memory, so no designator is kept: only a 64-bit hash of it and the
// line of its first part, 16 bytes a slot in an open-addressing table that is
// at most three quarters full: 21 to 43 bytes a part, 32 MB for a million
// parts (48 MB for a moment while the table grows).
//
// Two different designators with the same hash would be taken for one. For a
// million designators the chance that any two of the list collide is about
// n^2 / 2^65, 3 in 100 million; the cost would be one needless warning, never
// a lost or changed part, so nothing more is kept to rule it out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace gjbz108a::cli {

class DuplicateReferences {
public:
    // A designator's hash, its slot already on the way into the cache: the
    // table outgrows the cache, and a part's computation and report hide the
    // fetch when the probe is taken before them and looked up after.
    struct Probe {
        std::uint64_t hash;  // 0 for an empty designator
    };
    Probe probe(std::string_view ref) const noexcept;

    // The line of the first part with the probed designator when an earlier
    // part had it, else 0 (and `line` is remembered for it). An empty
    // designator is never a duplicate.
    unsigned long earlier_line(Probe probe, unsigned long line);

private:
    struct Slot {
        std::uint64_t hash;       // 0: an empty slot
        std::uint64_t first_line;
    };
    void grow();

    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

}  // namespace gjbz108a::cli
