// One example parts-list row per category, shown with the category's fields by
// --list-fields (and so in the README); the tests read every one of them.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace gjbz108a::cli {

struct ExampleRow {
    unsigned item_code;
    std::string_view parameter_columns;  // the keys that follow the general columns
    std::string_view row;                // a complete row of a parts list
};

// In ItemCode order, one for each of the 28 categories.
std::span<const ExampleRow> example_rows() noexcept;

// The example as a parts list of its own: the header row, then the row.
void write_example(std::ostream& out, const ExampleRow& example);

}  // namespace gjbz108a::cli
