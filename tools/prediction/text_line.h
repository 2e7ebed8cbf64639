// One line of a text table: each cell padded to its column, one blank between
// columns, no blanks at the end of the line. The report cells carry their own
// framing blanks, but some titles fill their column to the edge ("Active pins "
// over a column of 6), so columns are kept apart by a blank of the table's own.
#pragma once

#include "tools/prediction/output.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

class TextLine {
public:
    explicit TextLine(std::size_t indent = 0) : indent_(indent) { start(); }

    TextLine& left(std::string_view text, std::size_t width);
    TextLine& right(std::string_view text, std::size_t width);

    // Writes the line and a line feed, and starts the next line.
    void write(Output& out);
    // Starts the next line without writing this one.
    void discard() { start(); }

private:
    void start();
    void separate();

    std::size_t indent_;
    std::string line_;
    bool first_ = true;
};

}  // namespace gjbz108a::cli
