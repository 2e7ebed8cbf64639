// The Pareto view of a list: the categories and the parts by their share of
// the total failure rate, largest first, with percentages. Only computed parts
// have a share; the summary says what the total leaves out.
//
// Memory: a category's sum, count and pieces are kept as the parts come. Of the
// parts, a top N keeps the N largest in a heap; without a top every computed
// part is held until the end (its designator, quantity, rates and category in
// 64 bytes, more for a designator beyond 15 characters, in a vector that grows
// by doubling): 300 000 computed parts take 37 MB more than with a top of 10,
// about 120 bytes a part.
#pragma once

#include "tools/prediction/report.h"
#include "tools/reports/report_table.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace gjbz108a::cli {

struct CategoryShare {
    unsigned item_code;
    unsigned long parts = 0;
    unsigned long pieces = 0;
    double rate = 0;  // sum of quantity x failure rate
};

struct PartShare {
    std::string ref;
    unsigned quantity;
    unsigned item_code;
    float failure_rate;
    double quantity_rate;
    unsigned long order;  // among the parts read: the earlier of two equal shares comes first
};

class ParetoShares {
public:
    // `top`: the parts kept, 0 for all.
    explicit ParetoShares(std::size_t top) : top_(top) {}

    void add(const PartLine& line);

    // The categories with a computed part, largest share first (ItemCode order
    // between equal ones).
    std::vector<CategoryShare> categories() const;

    // The parts kept, largest share first; call once, at the end.
    std::vector<PartShare> take_parts();

private:
    std::size_t top_;
    unsigned long read_ = 0;
    std::array<CategoryShare, kLastItemCode + 1> categories_{};
    std::vector<PartShare> parts_;  // a heap whose front is the smallest share while a top is kept
};

// 100 x part / total: the share of the total in percent, 0 when the total is 0.
double percent_of(double part, double total) noexcept;

}  // namespace gjbz108a::cli
