#include "tools/parts_list/duplicate_references.h"

#include <functional>

namespace gjbz108a::cli {
namespace {

constexpr std::size_t kFirstSize = 1024;  // a power of two, as every size after it

// 32-bit FNV-1a, a second hash independent of std::hash; needed only where
// size_t has 32 bits.
[[maybe_unused]] std::uint32_t fnv1a(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

// A 64-bit hash of the designator. std::hash is as wide as size_t: where that
// is 32 bits, FNV-1a fills the high half, so that the odds of a collision stay
// those of 64 bits. The table's slot comes from the low bits, std::hash's own.
// Hash 0 marks an empty slot; a designator that hashes to 0 takes 1 instead.
std::uint64_t hash_of(std::string_view ref) {
    std::uint64_t hash = std::hash<std::string_view>{}(ref);
    if constexpr (sizeof(std::size_t) < sizeof(std::uint64_t)) hash |= std::uint64_t{fnv1a(ref)} << 32;
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
