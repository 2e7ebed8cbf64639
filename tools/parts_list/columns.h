// The columns of a parts list, as its header row names them: the general
// columns of every part, the parameter columns named by the keys of the
// category field tables, and for every category which parameter field each
// column fills.
#pragma once

#include "records/category_fields.h"
#include "records/item_codes.h"
#include "tools/parts_list/diagnostics.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::cli {

class CsvReader;
class Row;

enum class ColumnKind : std::uint8_t {
    ref,              // reference designator
    qty,              // quantity
    category,         // ItemCode or category name
    environment,      // EnvironmentCode
    temperature,      // degrees Celsius
    cycling_rate,     // on/off cycles per 1000 hours
    generic_name,     // the names of a part of the component library, each
    catalog_number,   // optional, in the order of the library's name kinds
    military_number,
    part_name,
    parameter,        // a key of the category field tables
    comment,          // a name starting with '#': notes that the tool ignores
    unnamed,          // an empty name; its cells must be empty
    unknown,          // a name that is none of the above; its cells must be empty
};

// The general columns, all required, in the order of ColumnKind.
inline constexpr std::array<std::string_view, 6> kGeneralColumns{
    "ref", "qty", "category", "environment", "temperature", "cycling_rate"};

// The name columns, each optional, in the order of ColumnKind.
inline constexpr std::array<std::string_view, 4> kNameColumns{"generic_name", "catalog_number",
                                                               "military_number", "part_name"};

struct HeaderProblem {
    std::string column;  // the column's name
    std::string why;
    bool fatal;          // the list cannot be read with this header
};

class ColumnLayout {
public:
    // What messages call a column: a column of a CSV header, a member of a
    // JSON part object.
    enum class Noun { column, member };

    // Reads a CSV header record; its problems are appended to `problems`.
    ColumnLayout(const Row& header, std::vector<HeaderProblem>& problems);

    // The general and name columns only, the first ten; more are added as the
    // members of JSON part objects name them.
    explicit ColumnLayout(Noun noun);

    // Adds a column of that name; its index. Its name is not checked.
    std::size_t add(std::string_view name);

    // The first column of that name (letter case aside), or kMissing.
    std::size_t find(std::string_view name) const noexcept;

    std::size_t size() const noexcept { return kinds_.size(); }
    ColumnKind kind(std::size_t column) const noexcept { return kinds_[column]; }
    std::string_view name(std::size_t column) const noexcept { return names_[column]; }
    Noun noun() const noexcept { return noun_; }

    // "column 'qty'" or "member 'qty'"; "column 12" beyond a CSV header or for
    // a column without a name.
    std::string label(std::size_t column) const;
    std::string label(std::string_view name) const;

    // Index of a general column (all are present when no fatal problem was
    // found) or of a name column (kMissing when absent).
    std::size_t general(ColumnKind kind) const noexcept { return general_[static_cast<std::size_t>(kind)]; }
    static constexpr std::size_t kMissing = static_cast<std::size_t>(-1);

    // The field that `column` fills in the category at `category_index` (its
    // position in categories()), or nullptr when that category has no such field.
    const ParameterField* field(std::size_t category_index, std::size_t column) const noexcept {
        return fields_[column * categories().size() + category_index];
    }

private:
    Noun noun_;
    std::vector<std::string> names_;
    std::vector<ColumnKind> kinds_;
    std::array<std::size_t, kGeneralColumns.size() + kNameColumns.size()> general_;
    std::vector<const ParameterField*> fields_;  // column-major, so that columns can be added
};

// The keys of the parameters of a category; of every category (each key once)
// for nullptr.
std::vector<std::string_view> parameter_keys(const Category* category);

// What is said of a column that no category has, with the names it may have
// meant: "no category has this field; a part with a value in it is refused".
std::string unknown_column(std::string_view name);

// Reads the first row that is not blank as the header and reports its
// problems. Nothing when the list cannot be read with it (no header, a
// required column missing or one named twice); `problems` tells whether
// anything was reported.
std::optional<ColumnLayout> read_header(CsvReader& csv, Diagnostics& diagnostics, bool& problems);

}  // namespace gjbz108a::cli
