#include "tools/reports/held_parts.h"

#include "tools/prediction/output.h"
#include "tools/prediction/used_value_fields.h"

#include <gjbz108a/records.h>

#include <algorithm>
#include <cstring>

namespace gjbz108a::cli {
namespace {

// A part packed: status, quantity, failure rate, quantity rate, then the texts
// ref, category and messages, each after its length, then the parameter cells
// and the factor cells, each list after its count, then the defaulted columns
// and, after a byte that says whether there are any, the defaulted keys. Only this process reads it
// back, so numbers keep their bytes in memory.
template <typename Number>
void put(std::string& bytes, Number value) {
    char raw[sizeof value];
    std::memcpy(raw, &value, sizeof value);
    bytes.append(raw, sizeof value);
}

void put_text(std::string& bytes, std::string_view text) {
    put(bytes, static_cast<std::uint32_t>(text.size()));
    bytes.append(text);
}

void put_cells(std::string& bytes, const ReportTable& table, std::uint8_t* record) {
    CellBuffer buffer;
    put(bytes, static_cast<std::uint32_t>(table.columns().size()));
    for (const ReportTable::Column& column : table.columns()) put_text(bytes, table.cell(column, record, buffer));
}

// The parameter cells show the entered block. A copy of the record whose
// entered block is the effective one shows the values the part was computed
// with; a cell that shows a value there and "---" (or "--") among the entered
// ones was left to the library's defaults. The cells are compared, not the
// fields, so that the columns need no map to the fields they show.
std::uint32_t put_effective_cells(std::string& bytes, const ReportTable& table, std::uint8_t* record) {
    std::array<std::uint8_t, GJBZ108A_EDIT_RECORD_SIZE> effective;
    std::copy_n(record, effective.size(), effective.begin());
    std::copy_n(record + GJBZ108A_EDIT_EFFECTIVE_BLOCK, GJBZ108A_BLOCK_SIZE,
                effective.begin() + GJBZ108A_EDIT_ENTERED_BLOCK);
    CellBuffer entered_cell, effective_cell;
    std::uint32_t defaulted = 0;
    put(bytes, static_cast<std::uint32_t>(table.columns().size()));
    for (std::size_t i = 0; i < table.columns().size(); ++i) {
        const ReportTable::Column& column = table.columns()[i];
        const std::string_view cell = table.cell(column, effective.data(), effective_cell);
        put_text(bytes, cell);
        const std::string_view entered = trim_blanks(table.cell(column, record, entered_cell));
        if (i < 32 && (entered == "---" || entered == "--") && trim_blanks(cell) != entered)
            defaulted |= std::uint32_t{1} << i;
    }
    return defaulted;
}

template <typename Number>
Number take(std::string_view& bytes) {
    Number value;
    std::memcpy(&value, bytes.data(), sizeof value);
    bytes.remove_prefix(sizeof value);
    return value;
}

void take_text(std::string_view& bytes, std::string& text) {
    const auto size = take<std::uint32_t>(bytes);
    text.assign(bytes.substr(0, size));
    bytes.remove_prefix(size);
}

void take_cells(std::string_view& bytes, std::vector<std::string>& cells) {
    cells.resize(take<std::uint32_t>(bytes));
    for (std::string& cell : cells) take_text(bytes, cell);
}

}  // namespace

HeldParts::HeldParts(std::size_t chunk_bytes) : chunk_bytes_(chunk_bytes) {}

void HeldParts::add(const PartLine& line) {
    unsigned code = line.record[GJBZ108A_ITEM_CODE];
    if (code >= groups_.size()) code = 0;
    Group& group = groups_[code];
    std::string& bytes = group.buffer;
    put(bytes, static_cast<std::uint8_t>(line.status));
    put(bytes, line.quantity);
    put(bytes, line.failure_rate);
    put(bytes, line.quantity_rate);
    put_text(bytes, line.ref);
    put_text(bytes, line.category);
    put_text(bytes, line.messages);
    const ReportTable& parameters = report_table(code, TableKind::parameters);
    const std::optional<std::string_view> defaulted = defaulted_keys(line.used, keys_);
    std::uint32_t defaulted_columns = 0;
    if (defaulted) defaulted_columns = put_effective_cells(bytes, parameters, line.record);
    else put_cells(bytes, parameters, line.record);
    if (line.status != Status::not_computed) put_cells(bytes, report_table(code, TableKind::factors), line.record);
    else put(bytes, std::uint32_t{0});
    put(bytes, defaulted_columns);
    put(bytes, static_cast<std::uint8_t>(defaulted.has_value()));
    put_text(bytes, defaulted.value_or(""));
    ++group.count;
    if (bytes.size() < chunk_bytes_) return;
    if (!spool_) spool_ = std::make_unique<SpoolFile>();
    group.chunks.push_back({spool_->append(bytes), bytes.size()});
    bytes.clear();
}

bool HeldParts::Reader::load() {
    const Group& group = parts_.groups_[item_code_];
    if (chunk_ < group.chunks.size()) {
        const Chunk& chunk = group.chunks[chunk_];
        parts_.spool_->read(chunk.offset, chunk.size, parts_.loaded_);
        left_ = parts_.loaded_;
    } else if (chunk_ == group.chunks.size()) {
        left_ = group.buffer;
    } else {
        return false;
    }
    ++chunk_;
    return true;
}

const HeldPart* HeldParts::Reader::next() {
    while (left_.empty())
        if (!load()) return nullptr;
    part_.status = static_cast<Status>(take<std::uint8_t>(left_));
    part_.quantity = take<unsigned>(left_);
    part_.failure_rate = take<float>(left_);
    part_.quantity_rate = take<double>(left_);
    take_text(left_, part_.ref);
    take_text(left_, part_.category);
    take_text(left_, part_.messages);
    take_cells(left_, part_.parameters);
    take_cells(left_, part_.factors);
    part_.defaulted_columns = take<std::uint32_t>(left_);
    const bool has_values = take<std::uint8_t>(left_) != 0;
    take_text(left_, part_.defaulted.emplace());
    if (!has_values) part_.defaulted.reset();
    return &part_;
}

}  // namespace gjbz108a::cli
