#include "tools/parts_list/csv_reader.h"

#include "tools/parts_list/input_limits.h"

#include <cstring>

namespace gjbz108a::cli {

// A line that lies whole in the block is the bounds' worry of no cell or row.
static_assert(BlockInput::kBlockSize <= kLongestCell && BlockInput::kBlockSize <= kLongestRow);

CsvReader::CsvReader(std::istream& input) : input_(input) {}

std::string_view CsvReader::cell(std::size_t index) const noexcept {
    const Place place = cells_[index];
    const char* text = line_.data() != nullptr ? line_.data() : text_.data();
    return {text + place.begin, place.end - place.begin};
}

void CsvReader::cells(std::vector<std::string_view>& cells) const {
    const char* text = line_.data() != nullptr ? line_.data() : text_.data();
    cells.resize(cells_.size());
    for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = {text + cells_[i].begin, cells_[i].end - cells_[i].begin};
}

bool CsvReader::blank() const noexcept {
    for (std::size_t i = 0; i < size(); ++i)
        for (char c : cell(i))
            if (c != ' ' && c != '\t' && c != '\n') return false;
    return true;
}

// Most records are a line without quotes or carriage returns that lies whole
// in the input's block: their cells are read where they lie, split at the
// commas, with no byte copied. Any other record goes the general way.
bool CsvReader::next_plain_line() {
    const std::string_view block = input_.buffered();
    const auto* line_end = static_cast<const char*>(std::memchr(block.data(), '\n', block.size()));
    if (line_end == nullptr) return false;
    const std::string_view line = block.substr(0, static_cast<std::size_t>(line_end - block.data()));
    // One look per question, each a loop the compiler makes wide.
    if (line.find('"') != std::string_view::npos || line.find('\r') != std::string_view::npos) return false;
    unsigned char bytes = 0;
    for (const char c : line) bytes |= static_cast<unsigned char>(c);
    std::size_t cell_begin = 0;
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line[at] != ',') continue;
        cells_.push_back({cell_begin, at});
        cell_begin = at + 1;
    }
    cells_.push_back({cell_begin, line.size()});
    line_ = line;
    line_begin_ = input_.position();
    ascii_ = bytes < 0x80;
    input_.take(line.size() + 1);
    ++next_line_;
    return true;
}

void CsvReader::fail(const char* why) {
    if (!syntax_error_.empty()) return;  // the first problem of a record is the one to fix
    syntax_error_ = why;
    syntax_error_cell_ = cells_.size();
}

// The bounds are checked as the bytes arrive, a block (64 KiB) at a time at
// most, so that a record without an end never takes more memory than that.
void CsvReader::check_length() const {
    const std::size_t cell_begin = cells_.empty() ? 0 : cells_.back().end;
    if (text_.size() - cell_begin > kLongestCell) throw RecordTooLong(record_line_, too_long("a cell", kLongestCell));
    // The row's bytes as they stand in the input, quotes and commas included: a
    // row of empty cells costs memory too.
    if (input_.position() - record_begin_ > kLongestRow)
        throw RecordTooLong(record_line_, too_long("a row", kLongestRow));
}

bool CsvReader::next() {
    input_.skip_byte_order_mark();
    text_.clear();
    cells_.clear();
    spans_.clear();
    syntax_error_ = {};
    record_line_ = next_line_;
    if (input_.peek() == kEnd) return false;
    line_ = {};
    ascii_ = false;
    if (next_plain_line()) return true;
    cell_begin_ = record_begin_ = input_.position();

    enum class State { cell_start, plain, quoted, after_quote } state = State::cell_start;
    for (;;) {
        const std::size_t at = input_.position();
        const int c = input_.get();
        const bool line_break = c == '\n' || c == '\r';
        if (c == '\r' && input_.peek() == '\n') input_.get();  // CRLF is one line break
        if (line_break) ++next_line_;

        if (state == State::quoted) {
            if (c == '"') {
                state = State::after_quote;
            } else if (c == kEnd) {
                fail("a quoted cell is not closed before the end of the file");
                end_cell(at);
                return true;
            } else {
                text_.push_back(line_break ? '\n' : static_cast<char>(c));
                // A quoted cell takes a byte at a time: the check every 4 KiB costs nothing.
                if ((text_.size() & 0xfff) == 0) check_length();
            }
            continue;
        }
        if (state == State::after_quote && c == '"') {  // a doubled quote stands for one
            text_.push_back('"');
            state = State::quoted;
            continue;
        }
        if (c == ',' || line_break || c == kEnd) {
            check_length();
            end_cell(at);
            if (c == ',') {
                cell_begin_ = input_.position();
                state = State::cell_start;
                continue;
            }
            return true;
        }
        if (state == State::cell_start && c == '"') {
            state = State::quoted;
            continue;
        }
        if (state == State::after_quote) fail("text follows the closing quote of a cell");
        // A quote inside an unquoted cell is kept as it stands.
        text_.push_back(static_cast<char>(c));
        state = State::plain;
        // Most cells are plain text: the rest of such a run is copied in one go.
        input_.append_run(text_, [](unsigned char b) { return b == ',' || b == '\n' || b == '\r' || b == '"'; });
        check_length();
    }
}

}  // namespace gjbz108a::cli
