#include "tools/change/list_change.h"

#include "records/field_values.h"
#include "tools/parts_list/columns.h"
#include "tools/parts_list/csv_reader.h"
#include "tools/prediction/escaping.h"
#include "tools/parts_list/part_reader.h"
#include "tools/parts_list/screen_info.h"

#include <gjbz108a/global_change.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <sstream>

namespace gjbz108a::cli {
namespace {

// New text for the bytes [begin, end) of the list; begin == end inserts.
struct Replacement {
    std::size_t begin, end;
    std::string text;
};

using PartRecord = decltype(Part::record);

// A part as the change leaves it, to be found again when the list is read back.
struct ChangedPart {
    std::size_t index;  // among the parts of the list, from 0
    unsigned long line;
    PartRecord record;
    bool named;  // the row names a library part
};

std::string csv_text(std::string_view text) {
    std::ostringstream cell;
    {
        Output out(cell);
        csv_cell(out, text);
    }
    return cell.str();
}

std::string_view text_of(const PartRecord& record, const TextKey& key) {
    const auto* text = reinterpret_cast<const char*>(record.data() + kTextAreaOffset + key.field.offset);
    return {text, strnlen(text, key.field.length)};
}

std::size_t column_named(const ColumnLayout& layout, std::string_view key) {
    for (std::size_t column = 0; column < layout.size(); ++column)
        if (same_text(layout.name(column), key)) return column;
    return ColumnLayout::kMissing;
}

// The new cells of one changed row, by column, as replacements of the list's
// bytes. Columns beyond the row's last cell are added to its end.
void rewrite_row(const CsvReader& row, std::vector<std::pair<std::size_t, std::string>> cells,
                 std::vector<Replacement>& replacements) {
    std::ranges::sort(cells);
    std::string appended;
    std::size_t next_column = row.size();
    for (auto& [column, text] : cells) {
        if (column < row.size()) {
            replacements.push_back({row.span(column).begin, row.span(column).end, csv_text(text)});
            continue;
        }
        appended.append(column + 1 - next_column, ',').append(csv_text(text));
        next_column = column + 1;
    }
    if (!appended.empty()) {
        const std::size_t end = row.span(row.size() - 1).end;
        replacements.push_back({end, end, std::move(appended)});
    }
}

std::string apply(std::string_view list, std::vector<Replacement>& replacements) {
    std::ranges::stable_sort(replacements, {}, &Replacement::begin);
    std::string changed;
    changed.reserve(list.size());
    std::size_t copied = 0;
    for (const Replacement& replacement : replacements) {
        changed.append(list.substr(copied, replacement.begin - copied)).append(replacement.text);
        copied = replacement.end;
    }
    changed.append(list.substr(copied));
    return changed;
}

bool named(const Part& part) {
    for (const TextKey& key : text_keys())
        if (key.key != "ref" && part.record[kTextAreaOffset + key.field.offset] != 0) return true;
    return false;
}

// Reads the changed list again and finds every changed part as it was meant
// to be. Reports the first field of a part that is not.
bool reads_back(const std::string& changed, std::string_view file_name, const std::vector<ChangedPart>& parts,
                PartLibrary& library, std::ostream& diagnostics, const EnvironmentNames* environments) {
    std::istringstream in(changed);
    std::ostringstream ignored;
    Diagnostics silent(file_name, ignored), report(file_name, diagnostics);
    CsvReader csv(in);
    bool header_problems = false;
    const auto layout = read_header(csv, silent, header_problems);
    if (!layout) return false;
    PartReader reader(*layout, silent, library, PartReader::Blocks::entered_only, PartReader::Defaults::taken,
                      environments);
    Part part;
    std::size_t index = 0;
    auto expected = parts.begin();
    while (expected != parts.end() && csv.next()) {
        if (!reader.read(csv, part)) continue;
        if (index++ != expected->index) continue;
        std::string_view wrong;
        for (const GeneralField& field : general_fields())
            if (wrong.empty() && !same_general_value(field, part.record.data(), expected->record.data()))
                wrong = general_field_key(field);
        for (const ParameterField& field : category_fields(part.record[GJBZ108A_EDIT_ITEM_CODE]))
            if (wrong.empty() && std::memcmp(part.record.data() + GJBZ108A_EDIT_ENTERED_BLOCK + field.offset,
                                             expected->record.data() + GJBZ108A_EDIT_ENTERED_BLOCK + field.offset,
                                             field_width(field.type)) != 0)
                wrong = field.key;
        for (const TextKey& key : text_keys())
            if (wrong.empty() && text_of(part.record, key) != text_of(expected->record, key)) wrong = key.key;
        if (!wrong.empty()) {
            report.report(expected->line, "column '" + std::string(wrong) + "'",
                          expected->named ? "the new value cannot be written: an empty cell takes the value of the "
                                            "library part that the row names"
                                          : "the new value does not read back from its cell");
            return false;
        }
        ++expected;
    }
    return expected == parts.end();
}

using ChangedCells = std::vector<std::pair<std::size_t, std::string>>;

// The column of each new value, in the order of the new values: nothing, with
// a line for each value that has none, when the list lacks one.
struct NewValueColumns {
    std::vector<std::size_t> parameters, texts, general;
};

std::optional<NewValueColumns> new_value_columns(const ColumnLayout& layout, const ChangeBlocks& new_values,
                                                 Diagnostics& report, unsigned long header_line) {
    NewValueColumns columns;
    std::vector<std::string_view> without_column;
    for (const ParameterField* field : new_values.parameter_fields) {
        columns.parameters.push_back(column_named(layout, field->key));
        if (columns.parameters.back() == ColumnLayout::kMissing) without_column.push_back(field->key);
    }
    for (const TextKey* key : new_values.text_fields) {
        columns.texts.push_back(column_named(layout, key->key));
        if (columns.texts.back() == ColumnLayout::kMissing) without_column.push_back(key->key);
    }
    for (const GeneralValue& value : new_values.general_fields)  // every list has these columns
        columns.general.push_back(layout.general(value.field->column));
    for (std::string_view key : without_column)
        report.report(header_line, "", "the list has no column '" + std::string(key) +
                                           "' for the new value; add the column to the header first");
    if (!without_column.empty()) return std::nullopt;
    return columns;
}

// Puts the new values into a part that meets the conditions and gives the
// cells of its row that change; `after` keeps the part as changed.
// `screen` is nullptr for a change of parts of every category, which sets no
// parameter.
ChangedCells change_part(Part& part, const ChangeBlocks& new_values, const NewValueColumns& columns,
                         const ScreenFieldList* screen, ChangedPart& after) {
    const PartRecord before = part.record;
    std::uint8_t* record = part.record.data();
    if (screen != nullptr) gchg_chgrec(record + GJBZ108A_EDIT_ENTERED_BLOCK, new_values.parameters.data(), screen);
    gchg_chgrec(record + kTextAreaOffset, new_values.texts.data(), &text_fields());
    for (const GeneralValue& value : new_values.general_fields) {
        if (value.any) continue;
        const GeneralField& field = *value.field;
        std::memcpy(record + field.offset, new_values.general.data() + field.offset, field.width);
    }
    after.record = part.record;

    ChangedCells cells;
    const std::uint8_t* entered = record + GJBZ108A_EDIT_ENTERED_BLOCK;
    for (std::size_t i = 0; i < new_values.parameter_fields.size(); ++i) {
        const ParameterField& field = *new_values.parameter_fields[i];
        if (std::memcmp(before.data() + GJBZ108A_EDIT_ENTERED_BLOCK + field.offset, entered + field.offset,
                        field_width(field.type)) != 0)
            cells.emplace_back(columns.parameters[i], field_value_text(field, entered));
    }
    for (std::size_t i = 0; i < new_values.text_fields.size(); ++i) {
        const TextKey& key = *new_values.text_fields[i];
        if (text_of(before, key) != text_of(part.record, key))
            cells.emplace_back(columns.texts[i], std::string(text_of(part.record, key)));
    }
    for (std::size_t i = 0; i < new_values.general_fields.size(); ++i) {
        const GeneralField& field = *new_values.general_fields[i].field;
        if (!same_general_value(field, before.data(), record))
            cells.emplace_back(columns.general[i], general_value_text(field, record));
    }
    return cells;
}

bool meets_general_conditions(const Part& part, const ChangeBlocks& conditions) {
    return std::ranges::all_of(conditions.general_fields, [&](const GeneralValue& value) {
        return value.any || same_general_value(*value.field, part.record.data(), conditions.general.data());
    });
}

}  // namespace

ListChange change_list(std::string_view list, std::string_view file_name, const Category* category,
                       const ChangeBlocks& conditions, const ChangeBlocks& new_values, PartLibrary& library,
                       std::ostream& diagnostics, const EnvironmentNames* environments) {
    ListChange result{kListUnusable, {}};
    Diagnostics report(file_name, diagnostics);
    std::istringstream in{std::string(list)};
    CsvReader csv(in);
    bool problems = false;
    const auto layout = read_header(csv, report, problems);
    if (!layout) return result;

    const std::optional<NewValueColumns> columns = new_value_columns(*layout, new_values, report, csv.line());
    if (!columns) return result;

    const ScreenFieldList* screen = category != nullptr ? screen_fields(category->item_code) : nullptr;
    PartReader reader(*layout, report, library, PartReader::Blocks::entered_only, PartReader::Defaults::taken,
                      environments);
    Part part;
    std::vector<Replacement> replacements;
    std::vector<ChangedPart> changed_parts;
    std::size_t index = 0;
    while (csv.next()) {
        if (!reader.read(csv, part)) continue;
        ++index;
        if (part.refused()) problems = true;
        if (part.refused() || (category != nullptr && part.category != category)) continue;
        if ((screen != nullptr &&
             !gchg_cmprec(part.record.data() + GJBZ108A_EDIT_ENTERED_BLOCK, conditions.parameters.data(), screen)) ||
            !gchg_cmprec(part.record.data() + kTextAreaOffset, conditions.texts.data(), &text_fields()) ||
            !meets_general_conditions(part, conditions))
            continue;
        ++result.matched;
        ChangedPart after{index - 1, part.line, {}, named(part)};
        ChangedCells cells = change_part(part, new_values, *columns, screen, after);
        if (cells.empty()) continue;
        ++result.changed;
        rewrite_row(csv, std::move(cells), replacements);
        changed_parts.push_back(after);
    }
    if (problems) {
        result.status = kSomethingRefused;
        return result;
    }
    result.text = apply(list, replacements);
    if (!reads_back(result.text, file_name, changed_parts, library, diagnostics, environments)) {
        result.status = kSomethingRefused;
        result.text.clear();
        return result;
    }
    result.status = kAllComputed;
    return result;
}

}  // namespace gjbz108a::cli
