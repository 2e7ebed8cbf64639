// A streaming reader of comma-separated values, one record at a time.
//
// It reads the common dialect: cells separated by commas, records by LF, CRLF
// or a lone CR; a cell in double quotes may hold commas, line breaks and doubled
// quotes; a UTF-8 byte-order mark before the first record is skipped. The input
// is read in large blocks and the cells of a record live in buffers that are
// reused for the next record, so memory does not grow with the file.
#pragma once

#include "tools/parts_list/block_input.h"
#include "tools/parts_list/row.h"

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::cli {

class CsvReader final : public Row {
public:
    explicit CsvReader(std::istream& input);

    // Reads the next record; false at the end of the input. The cells stay valid
    // until the next call. Throws RecordTooLong for a cell or a record beyond
    // the bounds of input_limits.h.
    bool next();

    std::size_t size() const noexcept override { return cells_.size(); }
    std::string_view cell(std::size_t index) const noexcept override;
    void cells(std::vector<std::string_view>& cells) const override;

    bool plain_ascii() const noexcept override { return ascii_; }

    // True when every cell is empty or holds only blanks, tabs and line breaks.
    bool blank() const noexcept;

    // The line on which the record starts, counting from 1.
    unsigned long line() const noexcept override { return record_line_; }

    // Where a cell stands in the input, quotes included and its comma or line
    // break excluded: byte offsets from the start of the input (a byte-order
    // mark counts). A tool that rewrites some cells copies the rest as it was.
    struct Span {
        std::size_t begin, end;
    };
    Span span(std::size_t index) const noexcept {
        if (line_.data() == nullptr) return spans_[index];
        return {line_begin_ + cells_[index].begin, line_begin_ + cells_[index].end};
    }

    // A record whose quoting is broken still gives its cells as well as they can
    // be read; syntax_error() then says why and syntax_error_cell() names the
    // 0-based cell. Empty when the record is well formed.
    std::string_view syntax_error() const noexcept override { return syntax_error_; }
    std::size_t syntax_error_cell() const noexcept override { return syntax_error_cell_; }

private:
    static constexpr int kEnd = BlockInput::kEnd;
    struct Place {
        std::size_t begin, end;  // in line_ when it is set, else in text_
    };
    void end_cell(std::size_t raw_end) {
        cells_.push_back({cells_.empty() ? 0 : cells_.back().end, text_.size()});
        spans_.push_back({cell_begin_, raw_end});
    }
    bool next_plain_line();
    void fail(const char* why);
    void check_length() const;

    BlockInput input_;

    std::string_view line_;    // a plain record's line, in the input's block
    std::size_t line_begin_ = 0;  // and where it starts in the input
    bool ascii_ = false;          // known of a plain record's line only
    std::string text_;         // the cells of any other record, back to back
    std::vector<Place> cells_;
    std::vector<Span> spans_;  // each cell of any other record in the input
    std::size_t cell_begin_ = 0;
    std::size_t record_begin_ = 0;
    unsigned long next_line_ = 1;
    unsigned long record_line_ = 0;
    std::string_view syntax_error_;
    std::size_t syntax_error_cell_ = 0;
};

}  // namespace gjbz108a::cli
