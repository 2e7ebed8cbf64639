#include "tools/parts_list/part_reader.h"

#include "records/field_types.h"
#include "records/record.h"
#include "records/field_values.h"
#include "records/suggestions.h"
#include "editing/defaults_merge.h"
#include "editing/library_lookup.h"
#include "tools/parts_list/general_values.h"
#include "tools/parts_list/row.h"
#include "tools/parts_list/screen_info.h"
#include "tools/parts_list/utf8.h"

#include <gjbz108a/defaults.h>

#include <algorithm>
#include <cstring>

namespace gjbz108a::cli {
namespace {

constexpr std::size_t kLongestReference = GJBZ108A_EDIT_PART_NAME - GJBZ108A_EDIT_REFERENCE - 1;

bool all_digits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

// Whether a real of the row, written with a decimal comma and no quotes,
// would have made two cells of digits ("30,5"): the first in a real's column.
bool PartReader::splits_a_number(const Part& part) const {
    const std::size_t category_index =
        part.category == nullptr ? 0 : static_cast<std::size_t>(part.category - categories().data());
    for (std::size_t column = 0; column + 1 < cells_.size() && column < layout_.size(); ++column) {
        const ColumnKind kind = layout_.kind(column);
        const ParameterField* field =
            kind == ColumnKind::parameter && part.category != nullptr ? layout_.field(category_index, column) : nullptr;
        const bool real = kind == ColumnKind::temperature || kind == ColumnKind::cycling_rate ||
                          (field != nullptr && field->type == FieldType::f32);
        if (real && all_digits(cells_[column]) && all_digits(cells_[column + 1])) return true;
    }
    return false;
}

void PartReader::problem(Part& part, unsigned long line, std::string_view column, std::string_view why) {
    diagnostics_.report(line, column, why);
    if (!part.problems.empty()) part.problems.push_back('\n');
    if (!column.empty()) part.problems.append(column).append(": ");
    part.problems.append(why);
}

// A problem of a cell is told on the cell's line, one of the whole row on the
// row's.
void PartReader::problem_at(Part& part, std::size_t column, std::string_view why) {
    if (column == Row::kWholeRow) problem(part, part.line, "", why);
    else problem(part, row_->cell_line(column), layout_.label(column), why);
}

// Bytes that are not UTF-8 are read as Latin-1 (utf8.h); that reading is
// a guess, so the first cell where it is made is named, once for the list.
void PartReader::check_encoding(const Row& row) {
    if (row.plain_ascii()) return;
    unsigned char any = 0;  // a row in plain ASCII, as most are, needs no closer look
    for (const std::string_view text : cells_)
        for (const char c : text) any |= static_cast<unsigned char>(c);
    if (any < 0x80) return;
    for (std::size_t column = 0; column < cells_.size(); ++column) {
        if (is_utf8(cells_[column])) continue;
        diagnostics_.report(row.cell_line(column), layout_.label(column),
                            "the cell is not UTF-8 text; here and in the rest of the list such bytes are read "
                            "as Latin-1");
        latin1_reported_ = true;
        return;
    }
}

std::string_view PartReader::cell(ColumnKind kind) const {
    const std::size_t column = layout_.general(kind);
    return column < cells_.size() ? cells_[column] : std::string_view{};
}

// A row of empty cells, or one that holds only notes (a section title, say), is
// no part.
bool PartReader::holds_a_part(const Row& row) const {
    if (!row.syntax_error().empty()) return true;
    for (std::size_t column = 0; column < cells_.size(); ++column) {
        const bool note = column < layout_.size() && layout_.kind(column) == ColumnKind::comment;
        if (!note && !cells_[column].empty()) return true;
    }
    return false;
}

bool PartReader::read(const Row& row, Part& part) {
    row.cells(cells_);
    for (std::string_view& cell : cells_) cell = trimmed(cell);
    if (!holds_a_part(row)) return false;
    row_ = &row;
    if (!latin1_reported_) check_encoding(row);

    part.record.fill(0);
    part.line = row.line();
    part.ref.clear();
    part.quantity = 0;
    part.category = nullptr;
    part.category_text.clear();
    part.problems.clear();
    part.used = UsedValues();

    if (!row.syntax_error().empty()) problem_at(part, row.syntax_error_cell(), row.syntax_error());
    if (!row.syntax_error().empty() && row.syntax_error_cell() == Row::kWholeRow) return true;  // no cells to read
    read_category(part);
    read_general(part);
    read_names(part);
    read_parameters(part);
    if (blocks_ == Blocks::entered_and_effective && !part.refused()) merge_defaults(part);
    if (blocks_ == Blocks::entered_and_effective && !part.refused()) check_used_values(part);
    return true;
}

// Every field of the category not defined, on a block of zeros as a fresh
// record has it: the same for every part of the category, so made once.
const Block& PartReader::undefined_block(const Category& category) {
    std::optional<Block>& block = undefined_blocks_[static_cast<std::size_t>(&category - categories().data())];
    if (!block) {
        block.emplace();
        block->fill(0);
        entr_fill_def(block->data(), screen_fields(category.item_code));
    }
    return *block;
}

void PartReader::read_category(Part& part) {
    const std::string_view text = cell(ColumnKind::category);
    part.category = category_named(text);
    if (part.category != nullptr) {
        const std::uint8_t code = part.category->item_code;
        part.record[GJBZ108A_ITEM_CLASS] = part.record[GJBZ108A_EDIT_ITEM_CLASS] = 1;  // electronic
        part.record[GJBZ108A_ITEM_CODE] = part.record[GJBZ108A_EDIT_ITEM_CODE] = code;
        return;
    }
    part.category_text.assign(text);
    const std::size_t column = layout_.general(ColumnKind::category);
    if (text.empty())
        problem_at(part, column, "a category is required");
    else
        problem_at(part, column, unknown_category(text));
}

void PartReader::read_general(Part& part) {
    const std::string_view ref = cell(ColumnKind::ref);
    part.ref.assign(ref);
    if (ref.size() > kLongestReference)
        problem_at(part, layout_.general(ColumnKind::ref),
                   "the reference designator is longer than " + std::to_string(kLongestReference) +
                       " characters");
    else if (ref.find('\0') != std::string_view::npos)  // the stored text would end there
        problem_at(part, layout_.general(ColumnKind::ref), "the reference designator holds a NUL character");
    else
        std::ranges::copy(ref, part.record.data() + GJBZ108A_EDIT_REFERENCE);

    for (const GeneralField& field : general_fields()) {
        if (!read_general_value(field, cell(field.column), part.record.data(), why_, environments_))
            problem_at(part, layout_.general(field.column), why_);
    }
    part.quantity = load<std::uint16_t>(part.record.data(), GJBZ108A_EDIT_QUANTITY);
}

// The entered block starts with every field not defined, or with the
// parameters of the library part that the row names; the names go into the
// record as the library spells them.
void PartReader::read_names(Part& part) {
    static constexpr std::array<std::size_t, 4> kNameFields{GJBZ108A_EDIT_GENERIC_NAME, GJBZ108A_EDIT_CATALOG_NUMBER,
                                                            GJBZ108A_EDIT_MILITARY_NUMBER, GJBZ108A_EDIT_PART_NAME};
    std::uint8_t* record = part.record.data();
    PartNames names;
    bool named = false, bad_name = false;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto kind = static_cast<NameKind>(i + 1);
        const std::size_t column = layout_.general(static_cast<ColumnKind>(kGeneralColumns.size() + i));
        names[i] = column < cells_.size() ? cells_[column] : std::string_view{};
        if (names[i].size() > longest_name(kind)) {
            problem_at(part, column,
                       "the " + std::string(name_kind_text(kind)) + " is longer than " +
                           std::to_string(longest_name(kind)) + " characters");
            bad_name = true;
            continue;
        }
        std::ranges::copy(names[i], record + kNameFields[i]);
        named = named || !names[i].empty();
    }

    if (part.category == nullptr) return;
    std::uint8_t* entered = record + GJBZ108A_EDIT_ENTERED_BLOCK;
    const Block& undefined = undefined_block(*part.category);
    std::ranges::copy(undefined, entered);
    if (!named || bad_name) return;
    const auto found = find_named_part(library_, part.category->item_code, part.category->name, names, why_);
    if (!found) {
        const auto first = std::ranges::find_if(names, [](std::string_view name) { return !name.empty(); });
        problem_at(part, layout_.general(static_cast<ColumnKind>(kGeneralColumns.size() + (first - names.begin()))),
                   why_);
        return;
    }
    std::ranges::copy(found->block, entered);
    std::memset(record + GJBZ108A_EDIT_GENERIC_NAME, 0, longest_name(NameKind::generic_name));
    std::ranges::copy(found->generic_name, record + GJBZ108A_EDIT_GENERIC_NAME);
}

// The cells that hold a value define their fields of the entered block.
void PartReader::read_parameters(Part& part) {
    std::uint8_t* entered = part.record.data() + GJBZ108A_EDIT_ENTERED_BLOCK;
    const std::size_t category_index =
        part.category == nullptr ? 0 : static_cast<std::size_t>(part.category - categories().data());
    bool first_beyond = true;
    for (std::size_t column = 0; column < cells_.size(); ++column) {
        const std::string_view text = cells_[column];
        if (text.empty()) continue;
        if (column >= layout_.size()) {
            why_ = "a value beyond the last column of the header";
            if (first_beyond && splits_a_number(part))
                why_.append("; a decimal comma makes two cells of a number (30,5): write a decimal point (30.5)");
            first_beyond = false;
            problem_at(part, column, why_);
            continue;
        }
        switch (layout_.kind(column)) {
        case ColumnKind::parameter: {
            if (part.category == nullptr) break;  // its fields are unknown; the category was reported
            const ParameterField* field = layout_.field(category_index, column);
            if (field == nullptr) {
                why_ = "a part of category " + std::string(part.category->name) +
                       " has no such field; leave the cell empty";
                append_did_you_mean(why_, likely_meant(layout_.name(column), parameter_keys(part.category)));
                problem_at(part, column, why_);
            }
            else if (!read_field_value(*field, text, entered, why_))
                problem_at(part, column, why_);
            break;
        }
        case ColumnKind::unnamed:
            problem_at(part, column, "a value in a column without a name");
            break;
        case ColumnKind::unknown:
            problem_at(part, column, "no category has this field");
            break;
        default:
            break;  // general columns are read above, comments are ignored
        }
    }
}

// Also learns which values the part is computed with.
void PartReader::merge_defaults(Part& part) {
    std::uint8_t* record = part.record.data();
    if (merged_.recall(record, part.used)) return;
    for (const FieldProblem& problem : build_effective_block(record, library_)) {
        this->problem(part, part.line, layout_.label(problem.field->key), problem.why);
    }
    if (part.refused()) return;
    part.used = UsedValues(record);
    merged_.keep(record, part.used);
}

// The part is named in these messages: the line alone does not say which part
// of a JSON list or of a row over many lines is meant.
void PartReader::check_used_values(Part& part) {
    const UsedValues& used = part.used;
    std::string name = "part ";
    append_quoted(name, part.ref);
    if (defaults_ == Defaults::refused && used.any_defaulted()) {
        why_.assign(name).append(": no value for ");
        const char* separator = "";
        for (std::size_t i = 0; i < used.fields().size(); ++i) {
            if (!used.defaulted(i)) continue;
            why_.append(separator).append(used.fields()[i].key);
            separator = ", ";
        }
        why_.append("; --no-defaults refuses the component library's defaults");
        problem(part, part.line, "", why_);
        part.used = UsedValues();
        return;
    }
    if (used.user_quality_mismatch()) {
        const auto field = std::ranges::find(used.fields(), kUserQualityKey, &ParameterField::key);
        const std::string_view why = used.shown(static_cast<std::size_t>(field - used.fields().begin()))
                                         ? ": the quality is User, but no user_pi_q is given: the component "
                                           "library's default is used"
                                         : ": a user_pi_q is given, but the quality is not User: it is not used";
        diagnostics_.report(part.line, layout_.label(kUserQualityKey), name.append(why));
    }
}

}  // namespace gjbz108a::cli
