#include "tools/reports/pareto.h"

#include <gjbz108a/records.h>

#include <algorithm>

namespace gjbz108a::cli {
namespace {

// True when `a` comes before `b`: the larger share, or the earlier part.
bool before(const PartShare& a, const PartShare& b) noexcept {
    return a.quantity_rate != b.quantity_rate ? a.quantity_rate > b.quantity_rate : a.order < b.order;
}

}  // namespace

double percent_of(double part, double total) noexcept { return total > 0 ? 100 * part / total : 0; }

void ParetoShares::add(const PartLine& line) {
    const unsigned long order = read_++;
    if (line.status == Status::not_computed) return;
    const unsigned code = line.record[GJBZ108A_ITEM_CODE];  // a computed part's is supported
    CategoryShare& category = categories_[code];
    category.item_code = code;
    ++category.parts;
    category.pieces += line.quantity;
    category.rate += line.quantity_rate;

    // With a top, the heap's front is the part that leaves first.
    if (top_ != 0 && parts_.size() == top_) {
        const PartShare& last = parts_.front();
        if (last.quantity_rate >= line.quantity_rate) return;  // an equal share read later stays out
        std::pop_heap(parts_.begin(), parts_.end(), before);
        parts_.pop_back();
    }
    parts_.push_back({std::string(line.ref), line.quantity, code, line.failure_rate, line.quantity_rate, order});
    if (top_ != 0) std::push_heap(parts_.begin(), parts_.end(), before);
}

std::vector<CategoryShare> ParetoShares::categories() const {
    std::vector<CategoryShare> shares;
    for (const CategoryShare& category : categories_)
        if (category.parts != 0) shares.push_back(category);
    std::stable_sort(shares.begin(), shares.end(),
                     [](const CategoryShare& a, const CategoryShare& b) { return a.rate > b.rate; });
    return shares;
}

std::vector<PartShare> ParetoShares::take_parts() {
    std::sort(parts_.begin(), parts_.end(), before);
    return std::move(parts_);
}

}  // namespace gjbz108a::cli
