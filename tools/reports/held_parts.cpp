#include "tools/reports/held_parts.h"

#include "tools/reports/report_table.h"

#include <gjbz108a/records.h>

namespace gjbz108a::cli {
namespace {

std::vector<std::string> cells(const ReportTable& table, std::uint8_t* record) {
    std::vector<std::string> texts;
    CellBuffer buffer;
    for (const ReportTable::Column& column : table.columns())
        texts.emplace_back(table.cell(column, record, buffer));
    return texts;
}

}  // namespace

void HeldParts::add(const PartLine& line) {
    unsigned code = line.record[GJBZ108A_ITEM_CODE];
    if (code >= groups_.size()) code = 0;
    HeldPart part{std::string(line.ref), line.quantity, std::string(line.category), line.status,
                  line.failure_rate, line.quantity_rate, std::string(line.messages),
                  cells(report_table(code, TableKind::parameters), line.record), {}};
    if (line.status != Status::not_computed)
        part.factors = cells(report_table(code, TableKind::factors), line.record);
    groups_[code].push_back(std::move(part));
}

}  // namespace gjbz108a::cli
