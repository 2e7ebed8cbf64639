// A table for people, written in two passes over its rows: the first fits the
// columns to the cells, the second writes the title lines, a rule under them,
// then one line per row with the row's message lines indented under it. A
// column is as wide as asked, or as its widest title line or cell when that is
// wider; columns are one blank apart.
#pragma once

#include "tools/prediction/output.h"
#include "tools/prediction/text_line.h"

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

    // The first pass: widens the columns to a row's cells, one cell per column.
    void fit(const std::vector<std::string_view>& cells);

    // The second pass: the title lines and the rule, then each row as fitted
    // before; `messages` are lines separated by line feeds.
    void write_head(Output& out);
    void write_row(Output& out, const std::vector<std::string_view>& cells, std::string_view messages = {});

private:
    struct Column {
        std::vector<std::string_view> titles;
        std::size_t width;
        Align align;
    };
    void add(const Column& column, std::string_view text);

    std::vector<Column> columns_;
    TextLine line_;
};

}  // namespace gjbz108a::cli
