#include "tools/prediction/factor_names.h"

#include "tools/reports/report_table.h"

#include <algorithm>

namespace gjbz108a::cli {

FactorNames::FactorNames() {
    for (unsigned code = 0; code <= kLastItemCode; ++code) {
        std::vector<std::size_t>& positions = positions_.emplace_back();
        for (const ReportTable::Column& column : report_table(code, TableKind::factors).columns()) {
            const auto found = std::find(names_.begin(), names_.end(), column.name);
            positions.push_back(static_cast<std::size_t>(found - names_.begin()));
            if (found == names_.end()) names_.push_back(column.name);
        }
    }
}

}  // namespace gjbz108a::cli
