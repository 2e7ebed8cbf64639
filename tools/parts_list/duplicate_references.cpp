#include "tools/parts_list/duplicate_references.h"

#include <functional>

namespace gjbz108a::cli {
namespace {

static_assert(sizeof(std::size_t) == 8, "the designators' hashes are 64 bits wide");

constexpr std::size_t kFirstSize = 1024;  // a power of two, as every size after it

// Hash 0 marks an empty slot; a designator that hashes to 0 takes 1 instead.
std::uint64_t hash_of(std::string_view ref) {
    const std::uint64_t hash = std::hash<std::string_view>{}(ref);
    return hash == 0 ? 1 : hash;
}

}  // namespace

DuplicateReferences::Probe DuplicateReferences::probe(std::string_view ref) const noexcept {
    if (ref.empty()) return {0};
    const std::uint64_t hash = hash_of(ref);
    if (!slots_.empty()) __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
    return {hash};
}

unsigned long DuplicateReferences::earlier_line(Probe probe, unsigned long line) {
    const std::uint64_t hash = probe.hash;
    if (hash == 0) return 0;
    if (4 * (used_ + 1) > 3 * slots_.size()) grow();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {  // linear probing
        Slot& slot = slots_[at];
        if (slot.hash == hash) return static_cast<unsigned long>(slot.first_line);
        if (slot.hash == 0) {
            slot = {hash, line};
            ++used_;
            return 0;
        }
    }
}

void DuplicateReferences::grow() {
    std::vector<Slot> old(slots_.empty() ? kFirstSize : 2 * slots_.size(), Slot{0, 0});
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.hash == 0) continue;
        std::size_t at = slot.hash & mask;
        while (slots_[at].hash != 0) at = (at + 1) & mask;
        slots_[at] = slot;
    }
}

}  // namespace gjbz108a::cli
