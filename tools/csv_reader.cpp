#include "tools/csv_reader.h"

namespace gjbz108a::cli {

CsvReader::CsvReader(std::istream& input) : input_(input) {}

int CsvReader::peek() {
    if (block_pos_ == block_size_) {
        consumed_ += block_size_;
        input_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
        block_size_ = static_cast<std::size_t>(input_.gcount());
        block_pos_ = 0;
        if (block_size_ == 0) return kEnd;
    }
    return static_cast<unsigned char>(block_[block_pos_]);
}

int CsvReader::get() {
    const int c = peek();
    if (c != kEnd) ++block_pos_;
    return c;
}

std::string_view CsvReader::cell(std::size_t index) const noexcept {
    const std::size_t begin = index == 0 ? 0 : cell_ends_[index - 1];
    return std::string_view(text_).substr(begin, cell_ends_[index] - begin);
}

bool CsvReader::blank() const noexcept {
    for (char c : text_)
        if (c != ' ' && c != '\t' && c != '\n') return false;
    return true;
}

void CsvReader::fail(const char* why) {
    if (!syntax_error_.empty()) return;  // the first problem of a record is the one to fix
    syntax_error_ = why;
    syntax_error_cell_ = cell_ends_.size();
}

// Most cells are plain text: copy the rest of such a run from the block in one
// go instead of character by character.
void CsvReader::append_plain_run() {
    const std::size_t start = block_pos_;
    std::size_t end = start;
    while (end < block_size_) {
        const char c = block_[end];
        if (c == ',' || c == '\n' || c == '\r' || c == '"') break;
        ++end;
    }
    text_.append(block_.data() + start, end - start);
    block_pos_ = end;
}

bool CsvReader::next() {
    if (!started_) {
        started_ = true;
        static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        if (peek() != kEnd && block_size_ >= 3 && std::string_view(block_.data(), 3) == kByteOrderMark)
            block_pos_ = 3;
    }
    text_.clear();
    cell_ends_.clear();
    spans_.clear();
    syntax_error_ = {};
    record_line_ = next_line_;
    if (peek() == kEnd) return false;
    cell_begin_ = position();

    enum class State { cell_start, plain, quoted, after_quote } state = State::cell_start;
    for (;;) {
        const std::size_t at = position();
        const int c = get();
        const bool line_break = c == '\n' || c == '\r';
        if (c == '\r' && peek() == '\n') get();  // CRLF is one line break
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
            }
            continue;
        }
        if (state == State::after_quote && c == '"') {  // a doubled quote stands for one
            text_.push_back('"');
            state = State::quoted;
            continue;
        }
        if (c == ',' || line_break || c == kEnd) {
            end_cell(at);
            if (c == ',') {
                cell_begin_ = position();
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
        append_plain_run();
    }
}

}  // namespace gjbz108a::cli
