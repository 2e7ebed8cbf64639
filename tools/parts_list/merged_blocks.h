// The outcomes of the defaults merge that a parts list repeats. The effective
// block, and the values that a part is computed with, depend on nothing but
// the category and the entered block, since the component library's defaults
// are fixed for the run; a list holds the same kinds of parts over and over.
// The last outcomes without a problem are kept, direct mapped by a hash of
// the entered block, 256 of them (64 KiB): a hit costs a hash and two copies
// of a block instead of the merge, the check of every field and the screen
// information's look-ups.
#pragma once

#include "tools/parts_list/used_values.h"

#include <gjbz108a/records.h>

#include <array>
#include <cstdint>
#include <memory>

namespace gjbz108a::cli {

class MergedBlocks {
public:
    MergedBlocks() : slots_(std::make_unique<std::array<Slot, kSlots>>()) {}

    // Fills the effective block of `edit_record` and gives what the part is
    // computed with, if a part of its category and entered block was merged
    // before; else false.
    bool recall(std::uint8_t* edit_record, UsedValues& used) const noexcept;

    // Keeps the merged effective block of `edit_record` and its values.
    void keep(const std::uint8_t* edit_record, const UsedValues& used) noexcept;

private:
    static constexpr std::size_t kSlots = 256;  // slot_of gives 8 bits
    using Block = std::array<std::uint8_t, GJBZ108A_BLOCK_SIZE>;
    struct Slot {
        std::uint8_t item_code = 0;  // 0: an empty slot; no category has it
        Block entered;
        Block effective;
        UsedValues used;
    };

    static std::size_t slot_of(const std::uint8_t* edit_record) noexcept;

    std::unique_ptr<std::array<Slot, kSlots>> slots_;
};

}  // namespace gjbz108a::cli
