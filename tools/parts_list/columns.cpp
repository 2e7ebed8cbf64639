#include "tools/parts_list/columns.h"

#include "records/item_codes.h"
#include "records/field_values.h"
#include "records/suggestions.h"
#include "tools/parts_list/csv_reader.h"
#include "tools/parts_list/row.h"

#include <algorithm>

namespace gjbz108a::cli {
namespace {

bool is_parameter_key(std::string_view name) {
    for (const Category& category : categories())
        for (const ParameterField& field : category_fields(category.item_code))
            if (same_text(field.key, name)) return true;
    return false;
}

ColumnKind kind_of(std::string_view name) {
    if (name.empty()) return ColumnKind::unnamed;
    if (name.front() == '#') return ColumnKind::comment;
    for (std::size_t i = 0; i < kGeneralColumns.size(); ++i)
        if (same_text(name, kGeneralColumns[i])) return static_cast<ColumnKind>(i);
    for (std::size_t i = 0; i < kNameColumns.size(); ++i)
        if (same_text(name, kNameColumns[i])) return static_cast<ColumnKind>(kGeneralColumns.size() + i);
    return is_parameter_key(name) ? ColumnKind::parameter : ColumnKind::unknown;
}

// Broken quoting in the row does not matter here: a JSON document, say, has
// quotes everywhere.
bool names_a_general_column(const CsvReader& header) {
    for (std::size_t column = 0; column < header.size(); ++column)
        if (kind_of(trimmed(header.cell(column))) < ColumnKind::generic_name) return true;
    return false;
}

// What a header separated by semicolons or tabs was meant to be: a
// spreadsheet set to decimal commas saves "CSV" with semicolons, and a copy
// from a table gives tabs. Empty when the header is no such thing.
std::string_view separator_hint(const CsvReader& header) {
    for (const char separator : {';', '\t'}) {
        int named = 0;
        for (std::size_t column = 0; column < header.size(); ++column) {
            const std::string_view cell = header.cell(column);
            if (cell.find(separator) == std::string_view::npos) continue;
            for (std::size_t start = 0; start <= cell.size();) {
                const std::size_t end = std::min(cell.find(separator, start), cell.size());
                if (kind_of(trimmed(cell.substr(start, end - start))) < ColumnKind::generic_name) ++named;
                start = end + 1;
            }
        }
        if (named < 2) continue;
        return separator == ';'
                   ? "the columns are separated by ';': save the list as CSV with ',' between the cells and a "
                     "decimal point ('.') in numbers"
                   : "the columns are separated by tabs: save the list as CSV with ',' between the cells";
    }
    return {};
}

}  // namespace

std::vector<std::string_view> parameter_keys(const Category* category) {
    std::vector<std::string_view> keys;
    for (const Category& each : categories()) {
        if (category != nullptr && &each != category) continue;
        for (const ParameterField& field : category_fields(each.item_code))
            if (std::ranges::find(keys, field.key) == keys.end()) keys.push_back(field.key);
    }
    return keys;
}

std::string unknown_column(std::string_view name) {
    std::vector<std::string_view> known(kGeneralColumns.begin(), kGeneralColumns.end());
    known.insert(known.end(), kNameColumns.begin(), kNameColumns.end());
    const std::vector<std::string_view> keys = parameter_keys(nullptr);
    known.insert(known.end(), keys.begin(), keys.end());
    std::string why = "no category has this field; a part with a value in it is refused";
    append_did_you_mean(why, likely_meant(name, known));
    return why;
}

ColumnLayout::ColumnLayout(const Row& header, std::vector<HeaderProblem>& problems) : noun_(Noun::column) {
    general_.fill(kMissing);
    if (!header.syntax_error().empty()) {  // the names cannot be trusted; this is the one thing to fix
        problems.push_back({"", std::string(header.syntax_error()), true});
        return;
    }

    for (std::size_t column = 0; column < header.size(); ++column) {
        const std::string_view name = trimmed(header.cell(column));
        const ColumnKind kind = kind_of(name);
        if (kind <= ColumnKind::parameter) {  // names that must be unique
            for (std::size_t earlier = 0; earlier < column; ++earlier) {
                if (same_text(names_[earlier], name))
                    problems.push_back({std::string(name),
                                        "the column appears twice (also column " +
                                            std::to_string(earlier + 1) + ")",
                                        true});
            }
        }
        if (kind == ColumnKind::unknown)
            problems.push_back({std::string(name), unknown_column(name), false});
        add(name);
    }
    for (std::size_t i = 0; i < kGeneralColumns.size(); ++i)
        if (general_[i] == kMissing)
            problems.push_back({std::string(kGeneralColumns[i]), "the column is missing", true});
}

ColumnLayout::ColumnLayout(Noun noun) : noun_(noun) {
    general_.fill(kMissing);
    for (std::string_view name : kGeneralColumns) add(name);
    for (std::string_view name : kNameColumns) add(name);
}

std::size_t ColumnLayout::add(std::string_view name) {
    const std::size_t column = size();
    const ColumnKind kind = kind_of(name);
    if (kind < ColumnKind::parameter && general_[static_cast<std::size_t>(kind)] == kMissing)
        general_[static_cast<std::size_t>(kind)] = column;
    names_.emplace_back(name);
    kinds_.push_back(kind);
    for (const Category& category : categories()) {
        const ParameterField* found = nullptr;
        if (kind == ColumnKind::parameter)
            for (const ParameterField& field : category_fields(category.item_code))
                if (same_text(field.key, name)) found = &field;
        fields_.push_back(found);
    }
    return column;
}

std::size_t ColumnLayout::find(std::string_view name) const noexcept {
    for (std::size_t column = 0; column < size(); ++column)
        if (same_text(names_[column], name)) return column;
    return kMissing;
}

std::string ColumnLayout::label(std::string_view name) const {
    std::string label = noun_ == Noun::column ? "column " : "member ";
    append_quoted(label, name);
    return label;
}

std::string ColumnLayout::label(std::size_t column) const {
    if (column < size() && (noun_ == Noun::member || !names_[column].empty())) return label(names_[column]);
    return "column " + std::to_string(column + 1);
}

std::optional<ColumnLayout> read_header(CsvReader& csv, Diagnostics& diagnostics, bool& problems) {
    bool found_header = false;
    while (!found_header && csv.next()) found_header = !csv.blank();
    problems = !found_header;
    if (!found_header) {
        diagnostics.report(csv.line(), "", "no header row: the first row names the columns");
        return std::nullopt;
    }
    // A file that is no parts list gets one line, not one per missing column.
    const std::string_view first = csv.cell(0);
    if (first.starts_with("\xFF\xFE") || first.starts_with("\xFE\xFF")) {  // the byte-order marks of UTF-16
        diagnostics.report(csv.line(), "", "the file is UTF-16 text; save the parts list as UTF-8 (or ASCII) CSV");
        return std::nullopt;
    }
    if (const std::string_view hint = separator_hint(csv); !hint.empty()) {
        diagnostics.report(csv.line(), "", hint);
        return std::nullopt;
    }
    if (!names_a_general_column(csv)) {
        diagnostics.report(csv.line(), "",
                           "not a parts list: the first row names none of the columns ref, qty, category, "
                           "environment, temperature, cycling_rate");
        return std::nullopt;
    }
    std::vector<HeaderProblem> header_problems;
    std::optional<ColumnLayout> layout(std::in_place, csv, header_problems);
    bool fatal = false;
    for (const HeaderProblem& problem : header_problems) {
        diagnostics.report(csv.line(), problem.column.empty() ? "" : layout->label(problem.column), problem.why);
        fatal = fatal || problem.fatal;
    }
    if (fatal) layout.reset();
    problems = !header_problems.empty();
    return layout;
}

}  // namespace gjbz108a::cli
