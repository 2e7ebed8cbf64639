// The report columns of the part categories, as data: for every column its
// title, its width and how its cell is made from the part's record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace gjbz108a {

struct ParameterField;

// A set of Type codes (Style, Type, Configuration: kTypeOffset) for which a factor
// cell shows its number. Codes from 64 on are in no set.
class TypeCodes {
public:
    static constexpr TypeCodes all() { return TypeCodes{0, true}; }
    static constexpr TypeCodes only(std::initializer_list<unsigned> codes) { return {bits(codes), false}; }
    static constexpr TypeCodes range(unsigned first, unsigned last) {
        std::uint64_t set = 0;
        for (unsigned code = first; code <= last; ++code) set |= std::uint64_t{1} << code;
        return {set, false};
    }
    // Every code but these, 0 (nothing chosen) included.
    static constexpr TypeCodes all_but(std::initializer_list<unsigned> codes) { return {bits(codes), true}; }

    constexpr bool contains(unsigned code) const {
        const bool listed = code < 64 && (bits_ >> code & 1) != 0;
        return listed != complement_;
    }

private:
    constexpr TypeCodes(std::uint64_t set, bool complement) : bits_{set}, complement_{complement} {}
    static constexpr std::uint64_t bits(std::initializer_list<unsigned> codes) {
        std::uint64_t set = 0;
        for (unsigned code : codes) set |= std::uint64_t{1} << code;
        return set;
    }
    std::uint64_t bits_;
    bool complement_;
};

enum class CellKind : std::uint8_t {
    list,     // a SelectionCode byte picks an entry of the field's list
    integer,  // a count through entr_mltoasc
    real,     // an f32 parameter through FormatReal
    factor,   // the result slot of the column's number through FormatReal
};

// How a cell is made. The cell is a blank, `text` characters, a blank (no
// blanks when not framed); `text` 0 means the column width minus 2. A
// parameter cell names its field by key: the field's offset, storage and list
// come from the category's field table (category_fields.h), so that they are
// written down once.
struct Cell {
    CellKind kind;
    std::string_view field = {};     // parameter cells: key of the block field
    std::uint8_t text = 0;
    std::uint8_t length = 0;         // integer cells: text length of entr_mltoasc
    std::uint8_t decimals = 0;       // real and factor cells
    bool framed = true;
    std::string_view nothing = "---";  // list cells: the text of code 0
    std::string_view type_field = {};  // list cells: read instead from type_field_from on
    std::uint8_t type_field_from = 0;
    TypeCodes shown = TypeCodes::all();  // factor cells
    bool marker_blanks = false;      // factor cells: blank for a part with the marker triple

    // Modifiers for the column tables: each returns a changed copy.
    constexpr Cell text_of(unsigned characters) const {
        Cell c = *this;
        c.text = static_cast<std::uint8_t>(characters);
        return c;
    }
    constexpr Cell unframed() const {
        Cell c = *this;
        c.framed = false;
        return c;
    }
    constexpr Cell nothing_as(std::string_view none) const {
        Cell c = *this;
        c.nothing = none;
        return c;
    }
    constexpr Cell from_type(unsigned type, std::string_view other) const {
        Cell c = *this;
        c.type_field = other;
        c.type_field_from = static_cast<std::uint8_t>(type);
        return c;
    }
    constexpr Cell shown_for(TypeCodes types) const {
        Cell c = *this;
        c.shown = types;
        return c;
    }
    constexpr Cell blank_under_marker() const {
        Cell c = *this;
        c.marker_blanks = true;
        return c;
    }
};

constexpr Cell list(std::string_view field) { return {.kind = CellKind::list, .field = field}; }
constexpr Cell integer(std::string_view field, unsigned length) {
    return {.kind = CellKind::integer, .field = field, .length = static_cast<std::uint8_t>(length)};
}
constexpr Cell real(std::string_view field, unsigned decimals) {
    return {.kind = CellKind::real, .field = field, .decimals = static_cast<std::uint8_t>(decimals)};
}
// A factor's number is `text` characters wide.
constexpr Cell factor(unsigned text, unsigned decimals) {
    return {.kind = CellKind::factor, .text = static_cast<std::uint8_t>(text),
            .decimals = static_cast<std::uint8_t>(decimals)};
}

struct Column {
    std::string_view title;  // its title lines end to end, each `width` long
    std::uint8_t width;
    Cell cell;
};

struct ColumnSet {
    std::span<const Column> columns;
    std::span<const std::uint8_t> display_order;  // column numbers, 1-based
    std::uint8_t quality;                         // column of the quality (factor); 0 none
};

struct CategoryReport {
    std::uint8_t item_code;
    ColumnSet parameters;
    ColumnSet factors;
};

// Columns that most categories share.
constexpr Column kQualColumn{" Qual ", 6, list("quality")};
constexpr Column kPiEColumn{" PI  e ", 7, factor(5, 2).blank_under_marker()};
constexpr Column kPiQColumn{" PI q  ", 7, factor(5, 2).blank_under_marker()};
constexpr Column kPiQCentredColumn{" PI  q ", 7, factor(5, 2).blank_under_marker()};
constexpr Column lb_column(unsigned decimals) {
    return {"   Lb     ", 10, factor(8, decimals).blank_under_marker()};
}

// The display order 1, 2, .., n.
template <std::size_t n>
constexpr std::array<std::uint8_t, n> in_order() {
    std::array<std::uint8_t, n> order{};
    for (std::size_t i = 0; i < n; ++i) order[i] = static_cast<std::uint8_t>(i + 1);
    return order;
}
template <std::size_t n>
inline constexpr std::array<std::uint8_t, n> kInOrder = in_order<n>();

// The categories of each group of column tables.
std::span<const CategoryReport> integrated_circuit_reports() noexcept;
std::span<const CategoryReport> passive_reports() noexcept;
std::span<const CategoryReport> semiconductor_reports() noexcept;
std::span<const CategoryReport> other_reports() noexcept;

// The columns of a supported category, or nullptr.
const CategoryReport* find_report(unsigned item_code) noexcept;

// The field that a parameter cell shows for a part of this Type (block byte
// 1), or nullptr when the category has no field of the cell's key.
const ParameterField* parameter_field(unsigned item_code, const Cell& cell, unsigned type) noexcept;

// Writes the cell of the part `record` (an EditRecord) in column `number` of
// its category `item_code`: usually `column.width` characters, then a NUL.
void format_cell(char* text, unsigned item_code, const Column& column, unsigned number,
                 const std::uint8_t* record) noexcept;

}  // namespace gjbz108a
