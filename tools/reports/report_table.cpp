#include "tools/reports/report_table.h"

#include "records/category_fields.h"
#include "records/field_values.h"
#include "records/item_codes.h"
#include "records/record.h"
#include "tools/prediction/output.h"

#include <gjbz108a/report.h>

#include <algorithm>
#include <stdexcept>

namespace gjbz108a::cli {
namespace {

// The exports that check their selector serve only 1; the others ignore it.
constexpr std::int32_t kSelector = 1;
// Mode 0 shows the entered parameters as stored. Mode 1 would first copy the
// effective block over the entered one, and the report would no longer show
// which parameters were left to their defaults.
constexpr std::int32_t kParameterMode = 0;
constexpr std::uint64_t kLearned = std::uint64_t{1} << 63;

std::int32_t mode_of(TableKind kind) noexcept {
    return kind == TableKind::factors ? GJBZ108A_REPORT_FACTORS : kParameterMode;
}

// "Active pins " in a column of 6 is "Active" over " pins ": "Active pins".
// " PI  e " is "PI e": a name carries single blanks only.
std::string name_of(const ReportTable::Column& column, unsigned lines) {
    std::string name;
    for (unsigned line = 0; line < lines; ++line) {
        const std::string_view piece = trim_blanks(ReportTable::title_line(column, line));
        if (piece.empty()) continue;
        if (!name.empty()) name.push_back(' ');
        for (char c : piece)
            if (c != ' ' || name.back() != ' ') name.push_back(c);
    }
    return name;
}

// The exports title a parameter column as its field is titled; the field
// table knows its unit.
const Unit* unit_of(unsigned item_code, std::string_view column_name) {
    for (const ParameterField& field : category_fields(item_code))
        if (same_text(field.title, column_name)) return field.unit;
    return nullptr;
}

}  // namespace

ReportTable::ReportTable(unsigned item_code, TableKind kind) : item_code_(item_code), kind_(kind) {
    const auto code = static_cast<std::int32_t>(item_code);
    const std::int32_t mode = mode_of(kind);
    std::uint32_t count = 0, lines = 0, shown = 0;
    if (GetFieldsCount(kSelector, code, mode, &count) != GJBZ108A_REPORT_OK || count == 0) return;
    if (GetTitleLinesCount(kSelector, code, &lines) != GJBZ108A_REPORT_OK) return;
    std::vector<std::uint32_t> order(count);
    if (GetViewFields(kSelector, code, mode, &shown, order.data()) != GJBZ108A_REPORT_OK) return;
    title_lines_ = lines;

    CellBuffer title;
    for (std::uint32_t i = 0; i < std::min(shown, count); ++i) {
        Column column{order[i], 0, {}, {}, {}};
        const auto number = static_cast<std::int32_t>(column.number);
        // GetFieldTitle asks for a line only to check it; it always gives the whole title.
        if (GetFieldLength(kSelector, code, number, mode, &column.width) != GJBZ108A_REPORT_OK ||
            GetFieldTitle(kSelector, code, number, mode, title.data(), 1) != GJBZ108A_REPORT_OK)
            continue;
        column.title = title.data();
        column.name = name_of(column, lines);
        if (const Unit* unit = kind == TableKind::parameters ? unit_of(item_code, column.name) : nullptr) {
            column.name.append(" (").append(unit->symbol).append(")");
            column.unit.append(" (").append(unit->symbol).append(")");  // framed as the title lines are
        }
        columns_.push_back(std::move(column));
    }
    if (kind == TableKind::factors) {
        // A bit a column and bit 63 for a key learned, for every type code with
        // the marker triple and without.
        if (columns_.size() > 63) throw std::logic_error("a factor table of more than 63 columns");
        shown_ = std::make_unique<std::atomic<std::uint64_t>[]>(2 * 256);
    }
}

std::string_view ReportTable::title_line(const Column& column, unsigned line) noexcept {
    const std::string_view title = column.title;
    const std::size_t start = std::size_t{line} * column.width;
    return start < title.size() ? title.substr(start, column.width) : std::string_view{};
}

bool ReportTable::titled(unsigned line) const noexcept {
    return std::any_of(columns_.begin(), columns_.end(),
                       [&](const Column& column) { return !blank(title_line(column, line)); });
}

std::string_view ReportTable::cell(const Column& column, std::uint8_t* record, CellBuffer& buffer) const {
    buffer[0] = '\0';
    GetField(kSelector, static_cast<std::int32_t>(item_code_), static_cast<std::int32_t>(column.number),
             mode_of(kind_), buffer.data(), record);
    return {buffer.data(), static_cast<std::size_t>(std::find(buffer.begin(), buffer.end(), '\0') - buffer.begin())};
}

// A factor cell is blank by the part's category, the code of its type list
// (Type, Style, Configuration) and the host's marker triple alone, never by
// its value: so which columns show is learned from GetField once for each such
// type code and marker, and then only looked up, rather than every factor of
// every part being formatted to see whether its text is blank. Threads that
// learn the same key at once store the same bits.
std::uint64_t ReportTable::shown_factors(std::uint8_t* record) const {
    const unsigned key = 2u * record[GJBZ108A_EDIT_ENTERED_BLOCK + kTypeOffset] + (marker_triple_set(record) ? 1 : 0);
    std::atomic<std::uint64_t>& known = shown_[key];
    std::uint64_t shown = known.load(std::memory_order_relaxed);
    if (shown != 0) return shown;
    shown = kLearned;
    CellBuffer buffer;
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (!blank(cell(columns_[i], record, buffer))) shown |= std::uint64_t{1} << i;
    known.store(shown, std::memory_order_relaxed);
    return shown;
}

// Factor column c shows result slot c.
std::optional<float> ReportTable::factor(const Column& column, std::uint8_t* record) const {
    const auto index = static_cast<std::size_t>(&column - columns_.data());
    if ((shown_factors(record) >> index & 1) == 0) return std::nullopt;
    return load_f32(record, GJBZ108A_EDIT_RESULTS + 4 * std::size_t{column.number});
}

const ReportTable& report_table(unsigned item_code, TableKind kind) {
    struct Tables {
        std::vector<ReportTable> parameters, factors;
        Tables() {
            for (unsigned code = 0; code <= kLastItemCode; ++code) {
                parameters.emplace_back(code, TableKind::parameters);
                factors.emplace_back(code, TableKind::factors);
            }
        }
    };
    static const Tables tables;
    if (item_code > kLastItemCode) item_code = 0;  // a code without columns
    return kind == TableKind::factors ? tables.factors[item_code] : tables.parameters[item_code];
}

}  // namespace gjbz108a::cli
