#include "tools/reports/text_table.h"

#include "tools/parts_list/utf8.h"

#include <algorithm>
#include <string>

namespace gjbz108a::cli {

void TextTable::column(std::vector<std::string_view> titles, std::size_t width, Align align) {
    for (std::string_view title : titles) width = std::max(width, display_width(title));
    columns_.push_back({std::move(titles), width, align});
}

void TextTable::fit(const std::vector<std::string_view>& cells) {
    for (std::size_t i = 0; i < cells.size() && i < columns_.size(); ++i)
        columns_[i].width = std::max(columns_[i].width, display_width(cells[i]));
}

void TextTable::add(const Column& column, std::string_view text) {
    if (column.align == Align::right) line_.right(text, column.width);
    else line_.left(text, column.width);
}

void TextTable::write_head(Output& out) {
    std::size_t title_lines = 0;
    for (const Column& column : columns_) title_lines = std::max(title_lines, column.titles.size());
    for (std::size_t l = 0; l < title_lines; ++l) {
        const bool titled = std::any_of(columns_.begin(), columns_.end(), [&](const Column& column) {
            return l < column.titles.size() && !blank(column.titles[l]);
        });
        if (!titled) continue;
        for (const Column& column : columns_) add(column, l < column.titles.size() ? column.titles[l] : "");
        line_.write(out);
    }
    for (const Column& column : columns_) line_.left(std::string(column.width, '-'), column.width);
    line_.write(out);
}

void TextTable::write_row(Output& out, const std::vector<std::string_view>& cells, std::string_view messages) {
    for (std::size_t i = 0; i < columns_.size(); ++i) add(columns_[i], i < cells.size() ? cells[i] : "");
    line_.write(out);
    // Message lines are indented past the reference designators.
    const std::size_t indent = columns_.empty() ? 0 : columns_.front().width + 2;
    for_each_line(messages, [&](std::string_view message) { out.text(std::string(indent, ' ')).text(message).ch('\n'); });
}

}  // namespace gjbz108a::cli
