#include "tools/parts_list/duplicate_references.h"

#include "records/field_values.h"

#include <utility>
#include <vector>

namespace gjbz108a::cli {
namespace {

constexpr std::size_t kFirstSize = 1024;  // a power of two, as every size after it

// A range of more designators than a quantity can count is no list of parts
// but a slip; it is checked as one designator, so that its check costs at
// most this many look-ups.
constexpr std::uint64_t kLongestRange = 9999;

char lower(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// 64-bit FNV-1a of the text in lower case, so that "R5" and "r5" are one.
std::uint64_t folded_hash(std::string_view text) noexcept {
    std::uint64_t hash = 14695981039346656037u;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(lower(c))) * 1099511628211u;
    return hash;
}

// Spreads every bit into the low ones, which pick the table's slot; never 0,
// which marks an empty slot.
std::uint64_t finished(std::uint64_t hash) noexcept {
    hash = (hash ^ (hash >> 30)) * 0xBF58476D1CE4E5B9u;
    hash = (hash ^ (hash >> 27)) * 0x94D049BB133111EBu;
    hash ^= hash >> 31;
    return hash == 0 ? 1 : hash;
}

// A numbered designator by its prefix and number, so that "R05" is "R5".
std::uint64_t numbered_hash(std::uint64_t prefix, std::uint32_t number) noexcept {
    return finished(prefix + 0x9E3779B97F4A7C15u * (std::uint64_t{number} + 1));
}

bool checked_as_range(const Designators& designators) noexcept {
    return designators.form == Designators::Form::range && designators.count() <= kLongestRange;
}

}  // namespace

DuplicateReferences::Probe DuplicateReferences::probe(std::string_view ref) const noexcept {
    Probe probe{read_designators(ref), 0, 0};
    switch (probe.designators.form) {
    case Designators::Form::none: return probe;
    case Designators::Form::numbered:
        probe.prefix = folded_hash(probe.designators.prefix);
        probe.hash = numbered_hash(probe.prefix, probe.designators.first);
        break;
    default:
        probe.prefix = checked_as_range(probe.designators) ? folded_hash(probe.designators.prefix) : 0;
        probe.hash = finished(folded_hash(ref));
        break;
    }
    if (slot_count_ != 0) __builtin_prefetch(&slots()[probe.hash & (slot_count_ - 1)]);
    return probe;
}

DuplicateReferences::Earlier DuplicateReferences::earlier(const Probe& probe, unsigned long line) {
    using Kind = Earlier::Kind;
    const Designators& designators = probe.designators;
    if (designators.form == Designators::Form::none) return {};
    if (checked_as_range(designators)) return add_range(probe, line);
    if (const unsigned long first = single_line(probe.hash, line, true)) return {first, Kind::same, 0};
    if (designators.form != Designators::Form::numbered || ranges_.empty()) return {};
    if (const RangeEnd* range = range_holding(probe.prefix, designators.first))
        return {range->line, Kind::in_range, designators.first};
    return {};
}

std::string DuplicateReferences::message(std::string_view ref, const Probe& probe, const Earlier& earlier) {
    std::string text;
    append_quoted(text, ref);
    const std::string line = std::to_string(earlier.line);
    const std::string designator = std::string(probe.designators.prefix) + std::to_string(earlier.number);
    switch (earlier.kind) {
    case Earlier::Kind::same: return text.append(" is also the reference of line ").append(line);
    case Earlier::Kind::in_range: return text.append(" is also in the range of line ").append(line);
    case Earlier::Kind::includes:
        return text.append(" includes ").append(designator).append(", the reference of line ").append(line);
    case Earlier::Kind::overlaps:
        return text.append(" and the range of line ").append(line).append(" both include ").append(designator);
    }
    return text;
}

// The line of the first part with the designator of `hash`, or 0 when none
// had it (and then, with `remember`, `line` is kept for it).
unsigned long DuplicateReferences::single_line(std::uint64_t hash, unsigned long line, bool remember) {
    if (remember && 4 * (used_ + 1) > 3 * slot_count_) grow();
    if (slot_count_ == 0) return 0;
    const std::size_t mask = slot_count_ - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {  // linear probing
        Slot& slot = slots()[at];
        if (slot.hash == hash) return static_cast<unsigned long>(slot.first_line);
        if (slot.hash == 0) {
            if (remember) {
                slot = {hash, line};
                ++used_;
            }
            return 0;
        }
    }
}

const DuplicateReferences::RangeEnd* DuplicateReferences::range_holding(std::uint64_t prefix,
                                                                       std::uint32_t number) const {
    auto after = ranges_.upper_bound({prefix, number});
    if (after == ranges_.begin()) return nullptr;
    const auto& [key, end] = *std::prev(after);
    return key.first == prefix && end.last >= number ? &end : nullptr;
}

// The first designator that the range shares with an earlier range, else with
// an earlier single designator; the numbers that no earlier range covers are
// kept for `line`.
DuplicateReferences::Earlier DuplicateReferences::add_range(const Probe& probe, unsigned long line) {
    const std::uint64_t prefix = probe.prefix;
    const std::uint32_t first = probe.designators.first, last = probe.designators.last;
    Earlier found;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> uncovered;
    std::uint64_t next = first;  // the first number not yet placed
    auto node = ranges_.upper_bound({prefix, first});
    if (node != ranges_.begin() && std::prev(node)->first.first == prefix && std::prev(node)->second.last >= first)
        --node;
    for (; node != ranges_.end() && node->first.first == prefix && node->first.second <= last; ++node) {
        const std::uint32_t from = node->first.second;
        if (found.line == 0)
            found = {node->second.line, Earlier::Kind::overlaps, std::max(from, first)};
        if (from > next) uncovered.emplace_back(static_cast<std::uint32_t>(next), from - 1);
        next = std::uint64_t{node->second.last} + 1;
    }
    if (next <= last) uncovered.emplace_back(static_cast<std::uint32_t>(next), last);
    for (std::uint64_t number = first; found.line == 0 && number <= last; ++number) {
        const auto at = static_cast<std::uint32_t>(number);
        if (const unsigned long earlier = single_line(numbered_hash(prefix, at), line, false))
            found = {earlier, Earlier::Kind::includes, at};
    }
    for (const auto& [from, to] : uncovered) ranges_.emplace(std::pair{prefix, from}, RangeEnd{to, line});
    return found;
}

// Fresh pages are zero: every slot of the new table starts empty.
void DuplicateReferences::grow() {
    const std::size_t old_count = slot_count_;
    const std::size_t count = old_count == 0 ? kFirstSize : 2 * old_count;
    platform::ZeroedPages old = std::exchange(table_, platform::ZeroedPages(count * sizeof(Slot)));
    slot_count_ = count;
    const auto* old_slots = static_cast<const Slot*>(old.data());
    const std::size_t mask = count - 1;
    for (std::size_t i = 0; i < old_count; ++i) {
        const Slot& slot = old_slots[i];
        if (slot.hash == 0) continue;
        std::size_t at = slot.hash & mask;
        while (slots()[at].hash != 0) at = (at + 1) & mask;
        slots()[at] = slot;
    }
}

}  // namespace gjbz108a::cli
