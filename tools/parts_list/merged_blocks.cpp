#include "tools/parts_list/merged_blocks.h"

#include <cstring>

namespace gjbz108a::cli {
namespace {

constexpr std::size_t kBlockSize = GJBZ108A_BLOCK_SIZE;

}  // namespace

std::size_t MergedBlocks::slot_of(const std::uint8_t* edit_record) noexcept {
    const std::uint8_t* entered = edit_record + GJBZ108A_EDIT_ENTERED_BLOCK;
    std::uint64_t hash = edit_record[GJBZ108A_ITEM_CODE];
    std::uint64_t word;
    // The block's whole words, and its last word, which overlaps the one before.
    for (std::size_t at = 0; at + sizeof word <= kBlockSize; at += sizeof word) {
        std::memcpy(&word, entered + at, sizeof word);
        hash = (hash ^ word) * 0x9E3779B97F4A7C15u;
    }
    std::memcpy(&word, entered + kBlockSize - sizeof word, sizeof word);
    hash = (hash ^ word) * 0x9E3779B97F4A7C15u;
    return static_cast<std::size_t>(hash >> 56);  // the best-mixed bits pick one of 256
}

bool MergedBlocks::recall(std::uint8_t* edit_record, UsedValues& used) const noexcept {
    const Slot& slot = (*slots_)[slot_of(edit_record)];
    if (slot.item_code != edit_record[GJBZ108A_ITEM_CODE] ||
        std::memcmp(slot.entered.data(), edit_record + GJBZ108A_EDIT_ENTERED_BLOCK, kBlockSize) != 0)
        return false;
    std::memcpy(edit_record + GJBZ108A_EDIT_EFFECTIVE_BLOCK, slot.effective.data(), kBlockSize);
    used = slot.used;
    return true;
}

void MergedBlocks::keep(const std::uint8_t* edit_record, const UsedValues& used) noexcept {
    Slot& slot = (*slots_)[slot_of(edit_record)];
    slot.item_code = edit_record[GJBZ108A_ITEM_CODE];
    std::memcpy(slot.entered.data(), edit_record + GJBZ108A_EDIT_ENTERED_BLOCK, kBlockSize);
    std::memcpy(slot.effective.data(), edit_record + GJBZ108A_EDIT_EFFECTIVE_BLOCK, kBlockSize);
    slot.used = used;
}

}  // namespace gjbz108a::cli
