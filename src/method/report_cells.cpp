// The cells of the report columns: parameter cells read the part's entered
// parameter block, factor cells its result block.
#include "method/number_text.h"
#include "method/report_columns.h"
#include "records/category_fields.h"
#include "records/item_codes.h"
#include "records/record.h"

#include <gjbz108a/report.h>

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace gjbz108a {
namespace {

struct Layout {
    char* text;       // where the characters between the blanks go
    unsigned length;  // how many there are
};

// Written after the characters, whose formatter may have put a NUL where the
// closing blank goes.
void close_frame(char* cell, unsigned length, bool framed) noexcept {
    if (!framed) {
        cell[length] = '\0';
        return;
    }
    cell[0] = ' ';
    cell[length + 1] = ' ';
    cell[length + 2] = '\0';
}

// The text left-aligned, cut or padded with blanks to the layout's length.
void put_left(Layout out, std::string_view text) noexcept {
    const std::size_t shown = std::min<std::size_t>(text.size(), out.length);
    std::copy_n(text.begin(), shown, out.text);
    std::fill_n(out.text + shown, out.length - shown, ' ');
}

// The field type code under which entr_mltoasc shows a field of this storage.
int32_t field_type_code(FieldType type) noexcept {
    switch (type) {
    case FieldType::u16: return 4;
    case FieldType::i32: return 5;
    case FieldType::u32: return 6;
    case FieldType::u8:
    case FieldType::selection:
    case FieldType::code:
    case FieldType::f32: break;
    }
    return 2;
}

// Byte and u16 fields are zero-extended, u32 fields keep their bits.
int32_t load_integer(const std::uint8_t* block, const ParameterField& field) noexcept {
    switch (field.type) {
    case FieldType::u16: return load_u16(block, field.offset);
    case FieldType::i32: return load_i32(block, field.offset);
    case FieldType::u32: return static_cast<int32_t>(load_u32(block, field.offset));
    case FieldType::u8:
    case FieldType::selection:
    case FieldType::code:
    case FieldType::f32: break;
    }
    return load_u8(block, field.offset);
}

void list_text(Layout out, const Cell& cell, const ParameterField& field, const std::uint8_t* block) noexcept {
    const unsigned code = block[field.offset];
    if (code == 0) return put_left(out, cell.nothing);
    if (code <= field.entries.size()) return put_left(out, field.entries[code - 1]);
    // The host stores only codes of the list; anything else is shown, not read past.
    char unknown[8];
    std::snprintf(unknown, sizeof unknown, "?%u", code);
    put_left(out, unknown);
}

void integer_text(Layout out, const Cell& cell, const ParameterField& field, const std::uint8_t* block) noexcept {
    char digits[32];
    entr_mltoasc(digits, load_integer(block, field), cell.length, field_type_code(field.type));
    put_left(out, digits);
}

void real_text(Layout out, const Cell& cell, const ParameterField& field, const std::uint8_t* block) noexcept {
    FormatReal(out.text, static_cast<int>(out.length), cell.decimals, load_f32(block, field.offset),
               Align::right);
}

void parameter_text(Layout out, unsigned item_code, const Cell& cell, const std::uint8_t* block) noexcept {
    const ParameterField* field = parameter_field(item_code, cell, block[kTypeOffset]);
    if (field == nullptr) return put_left(out, "?");  // a column table out of step with the fields
    switch (cell.kind) {
    case CellKind::list: return list_text(out, cell, *field, block);
    case CellKind::integer: return integer_text(out, cell, *field, block);
    case CellKind::real: return real_text(out, cell, *field, block);
    case CellKind::factor: break;
    }
}

void factor_text(Layout out, const Cell& cell, unsigned number, const std::uint8_t* record) noexcept {
    const bool blank = (cell.marker_blanks && marker_triple_set(record)) ||
                       !cell.shown.contains(record[GJBZ108A_EDIT_ENTERED_BLOCK + kTypeOffset]);
    if (blank) return put_left(out, {});
    const float value = load_f32(record, GJBZ108A_EDIT_RESULTS + 4 * std::size_t{number});
    FormatReal(out.text, static_cast<int>(out.length), cell.decimals, value, Align::right);
}

}  // namespace

const ParameterField* parameter_field(unsigned item_code, const Cell& cell, unsigned type) noexcept {
    const bool by_type = !cell.type_field.empty() && type >= cell.type_field_from;
    return find_field(item_code, by_type ? cell.type_field : cell.field);
}

void format_cell(char* text, unsigned item_code, const Column& column, unsigned number,
                 const std::uint8_t* record) noexcept {
    const Cell& cell = column.cell;
    const unsigned length = cell.text != 0 ? cell.text : column.width - 2u;
    const Layout out{cell.framed ? text + 1 : text, length};
    const std::uint8_t* block = record + GJBZ108A_EDIT_ENTERED_BLOCK;
    if (cell.kind == CellKind::factor)
        factor_text(out, cell, number, record);
    else
        parameter_text(out, item_code, cell, block);
    close_frame(text, length, cell.framed);
}

}  // namespace gjbz108a
