// A streaming reader of a JSON parts list, one part object at a time.
//
// The list is an array of part objects, or an object whose "parts" member is
// that array (its other members are read past). A part's members are named
// like the columns of a CSV header and hold strings or numbers (a number's
// text is taken as written) or null, which leaves the cell empty as an absent
// member does. The columns grow as new member names appear.
//
// The input is read in large blocks and a part's texts live in buffers that
// are reused for the next part, so memory does not grow with the file. Text
// that is not JSON stops the reading: next() gives false and stopped() tells;
// the error has gone to the diagnostics. A part that is valid JSON but holds
// a value no cell can take (true, an array, ...) or a member twice comes back
// with a syntax error, and the parts after it are read.
#pragma once

#include "tools/parts_list/block_input.h"
#include "tools/parts_list/columns.h"
#include "tools/parts_list/diagnostics.h"
#include "tools/parts_list/row.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::cli {

class JsonReader final : public Row {
public:
    // Invalid JSON and the first appearance of a member that no category has
    // are reported to `diagnostics`.
    JsonReader(std::istream& input, Diagnostics& diagnostics);

    // Reads up to the list's first part; false, the error reported, when the
    // text holds no parts list. next() calls it when it was not called.
    bool open();

    // Reads the next part; false at the end of the list or where the text
    // stops being JSON. The cells stay valid until the next call.
    bool next();

    // True when reading stopped at text that is not JSON.
    bool stopped() const noexcept { return stopped_; }

    // The columns that the members have named so far: the general and name
    // columns first, then the others in the order they appeared.
    const ColumnLayout& layout() const noexcept { return layout_; }

    // True when some member's name is no column that any category has.
    bool unknown_members() const noexcept { return unknown_members_; }

    std::size_t size() const noexcept override { return cells_.size(); }
    std::string_view cell(std::size_t column) const noexcept override {
        return std::string_view(text_).substr(cells_[column].begin, cells_[column].end - cells_[column].begin);
    }
    unsigned long line() const noexcept override { return part_line_; }
    unsigned long cell_line(std::size_t column) const noexcept override {
        return column < cells_.size() ? cells_[column].line : part_line_;
    }
    std::string_view syntax_error() const noexcept override { return part_error_; }
    std::size_t syntax_error_cell() const noexcept override { return part_error_column_; }

private:
    struct Cell {
        std::size_t begin, end;  // in text_
        unsigned long line;
        bool given;  // the part has the member, null or not
    };
    struct Stop {};  // thrown where the text stops being JSON

    static constexpr int kEnd = BlockInput::kEnd;
    int peek() { return input_.peek(); }
    int get() { return input_.get(); }
    void skip_blanks();
    void expect(char c, const char* what);
    [[noreturn]] void fail(std::string_view why);
    [[noreturn]] void fail_expected(const char* what);

    void open_list();
    bool find_parts_member(bool after_member);
    void close_document();
    void read_part();
    std::size_t column_of(std::size_t position);
    void read_member_name(std::string& name);
    void read_string(std::string& out);
    void read_escape(std::string& out);
    unsigned read_hex4();
    void read_number(std::string& out);
    std::string_view read_word();
    std::string_view skip_value();
    void part_error(std::size_t column, std::string why);

    BlockInput input_;
    Diagnostics& diagnostics_;
    unsigned long line_ = 1;

    enum class Place { before_list, first_part, next_part, after_list } place_ = Place::before_list;
    bool in_top_object_ = false;  // the list is the "parts" member of an object
    bool found_parts_ = false;
    bool stopped_ = false;
    bool unknown_members_ = false;

    ColumnLayout layout_;
    std::vector<Cell> cells_;               // by column
    std::vector<std::size_t> columns_seen_; // the column of each member position in the last part
    std::string text_;                      // the part's cells, back to back
    std::string name_;                      // the member name being read
    std::string scratch_;                   // texts read past
    std::vector<char> open_;                // the brackets open while reading past a value
    unsigned long part_line_ = 0;
    std::string part_error_;
    std::size_t part_error_column_ = kWholeRow;
};

}  // namespace gjbz108a::cli
