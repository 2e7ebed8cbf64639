// A table for people, built whole and then written: title lines, a rule under
// them, then one line per row with the row's message lines indented under it.
// A column is as wide as asked, or as its widest title line or cell when that
// is wider; columns are one blank apart.
#pragma once

#include "tools/prediction/output.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace gjbz108a::cli {

class TextTable {
public:
    enum class Align { left, right };

    // `titles` holds the title lines from the first; lines blank in every
    // column are left out.
    void column(std::vector<std::string_view> titles, std::size_t width = 0, Align align = Align::left);

    // One cell per column; `messages` are lines separated by line feeds.
    void row(std::vector<std::string_view> cells, std::string_view messages = {});

    void write(Output& out) const;

private:
    struct Column {
        std::vector<std::string_view> titles;
        std::size_t width;
        Align align;
    };
    struct Row {
        std::vector<std::string_view> cells;
        std::string_view messages;
    };
    std::vector<Column> columns_;
    std::vector<Row> rows_;
};

}  // namespace gjbz108a::cli
