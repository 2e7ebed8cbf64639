// One row of a parts list as the part reader sees it, whatever the file's
// format: its cells by column index, where it stands in the file, and what
// was wrong with its syntax. A CSV record is one; so is a part object of a
// JSON list, its members placed by the columns their names give.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace gjbz108a::cli {

class Row {
public:
    // A syntax error of the whole row rather than of one of its cells.
    static constexpr std::size_t kWholeRow = static_cast<std::size_t>(-1);

    virtual std::size_t size() const noexcept = 0;
    virtual std::string_view cell(std::size_t column) const noexcept = 0;
    // Every cell in one call, as cell() gives them: a reader reads them all.
    virtual void cells(std::vector<std::string_view>& cells) const {
        cells.resize(size());
        for (std::size_t column = 0; column < cells.size(); ++column) cells[column] = cell(column);
    }

    // The line on which the row starts, counting from 1.
    virtual unsigned long line() const noexcept = 0;
    // The line of a cell, for a format that may put cells on lines of their
    // own; the row's line for a cell it does not have.
    virtual unsigned long cell_line(std::size_t) const noexcept { return line(); }

    // True when the reader saw the row's bytes go by and all were ASCII, so
    // that nobody need look at them again for their encoding.
    virtual bool plain_ascii() const noexcept { return false; }

    // A row whose syntax is broken still gives what could be read of it;
    // syntax_error() then says why and syntax_error_cell() names the 0-based
    // column (or kWholeRow). Empty when the row is well formed.
    virtual std::string_view syntax_error() const noexcept = 0;
    virtual std::size_t syntax_error_cell() const noexcept = 0;

protected:
    ~Row() = default;
};

}  // namespace gjbz108a::cli
