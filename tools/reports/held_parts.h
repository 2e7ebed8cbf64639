// The parts of a list held for the report tables, grouped by category.
//
// A table can only be written once every part of its category has been read,
// and the parts of a category are spread over the list. Reading the list twice
// would keep memory constant, but standard input cannot be read twice; so the
// parts are held, and only what the tables show of them: the cells as GetField
// writes them when the part has been computed (some hundred bytes a part, not
// the 1281 of its EditRecord).
#pragma once

#include "tools/prediction/report.h"
#include "tools/reports/report_table.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace gjbz108a::cli {

struct HeldPart {
    std::string ref;
    unsigned quantity;      // 0 when the row held no valid quantity
    std::string category;   // the category's name, or the cell as written
    Status status;
    float failure_rate;
    double quantity_rate;
    std::string messages;
    std::vector<std::string> parameters;  // the cells, in display order
    std::vector<std::string> factors;     // the cells, in display order; none when not computed
};

class HeldParts {
public:
    void add(const PartLine& line);

    // The parts of the category in list order; ItemCode 0 holds the parts
    // whose category is not known, which have no cells.
    std::span<const HeldPart> of(unsigned item_code) const noexcept { return groups_[item_code]; }

private:
    std::array<std::vector<HeldPart>, kLastItemCode + 1> groups_;  // by ItemCode
};

// A report that writes nothing until the whole list is read, holding the parts.
class HoldingReport : public Report {
public:
    void part(const PartLine& line) final { parts_.add(line); }

protected:
    HeldParts parts_;
};

}  // namespace gjbz108a::cli
