#include "tools/parts_list/json_reader.h"

#include "records/field_values.h"
#include "tools/parts_list/input_limits.h"

#include <cstring>

namespace gjbz108a::cli {
namespace {

// Deeper nesting than this in a value read past is no parts list, and would
// only grow the bracket stack.
constexpr std::size_t kDeepest = 512;

// Every part's cells are as many as the columns, so a list that names ever
// new members would cost time with the square of its length; a parts list has
// a few hundred columns at most.
constexpr std::size_t kMostColumns = 2048;

bool digit(int c) noexcept { return c >= '0' && c <= '9'; }
bool letter(int c) noexcept { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string hex4(unsigned code) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) text.push_back(kHex[(code >> shift) & 0xf]);
    return text;
}

void append_utf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

}  // namespace

JsonReader::JsonReader(std::istream& input, Diagnostics& diagnostics)
    : input_(input), diagnostics_(diagnostics), layout_(ColumnLayout::Noun::member) {}

// Blanks are the only place where JSON has line breaks; LF, CRLF and a lone
// CR each end a line.
void JsonReader::skip_blanks() {
    for (;;) {
        const int c = peek();
        if (c == '\n') {
            ++line_;
        } else if (c == '\r') {
            get();
            if (peek() != '\n') ++line_;
            continue;
        } else if (c != ' ' && c != '\t') {
            return;
        }
        get();
    }
}

void JsonReader::fail(std::string_view why) {
    diagnostics_.report(line_, "", why);
    throw Stop{};
}

void JsonReader::fail_expected(const char* what) {
    const int c = peek();
    std::string why = what;
    if (c == kEnd) {
        why.append(" is expected, but the file ends");
    } else if (c > ' ' && c < 0x7f) {
        why.append(" is expected, not '").append(1, static_cast<char>(c)).append("'");
    } else {
        static constexpr char kHex[] = "0123456789abcdef";
        why.append(" is expected, not the byte 0x").append(1, kHex[c >> 4]).append(1, kHex[c & 0xf]);
    }
    fail(why);
}

void JsonReader::expect(char c, const char* what) {
    if (peek() != static_cast<unsigned char>(c)) fail_expected(what);
    get();
}

void JsonReader::part_error(std::size_t column, std::string why) {
    if (!part_error_.empty()) return;  // the first problem of a part is the one to fix
    part_error_ = std::move(why);
    part_error_column_ = column;
}

bool JsonReader::open() {
    if (place_ != Place::before_list) return !stopped_;
    try {
        open_list();
        return true;
    } catch (const Stop&) {
        stopped_ = true;
        return false;
    }
}

bool JsonReader::next() {
    if (!open() || place_ == Place::after_list) return false;
    try {
        skip_blanks();
        if (place_ == Place::next_part && peek() != ']') {
            expect(',', "',' or ']' after a part");
            skip_blanks();
            if (peek() == ']') fail("a part is expected after ','; a comma does not end the list");
        }
        if (peek() == ']') {
            get();
            close_document();
            return false;
        }
        place_ = Place::next_part;
        read_part();
        return true;
    } catch (const Stop&) {
        stopped_ = true;
        return false;
    }
}

void JsonReader::open_list() {
    input_.skip_byte_order_mark();
    skip_blanks();
    static constexpr const char* kForm = "a parts list is an array of part objects or an object with a \"parts\" array";
    const int c = peek();
    if (c == kEnd) fail(std::string("the file is empty: ") + kForm);
    if (c == '[') {
        get();
    } else if (c == '{') {
        get();
        in_top_object_ = true;
        if (!find_parts_member(false)) fail("the object has no \"parts\" member: " + std::string(kForm));
    } else {
        fail(kForm);
    }
    place_ = Place::first_part;
}

// Reads past the members of the top object up to "parts", whose '[' it reads
// (true), or to the object's end (false). `after_member`: a member was read
// before, so a ',' comes first.
bool JsonReader::find_parts_member(bool after_member) {
    skip_blanks();
    if (peek() == '}') {
        get();
        return false;
    }
    if (after_member) {
        expect(',', "',' or '}' after a member");
        skip_blanks();
    }
    for (;;) {
        read_member_name(name_);
        if (name_ == "parts") {
            if (found_parts_) fail("the member \"parts\" appears twice");
            found_parts_ = true;
            if (peek() != '[') fail("\"parts\" is an array of part objects, not " + std::string(skip_value()));
            get();
            return true;
        }
        skip_value();
        skip_blanks();
        if (peek() == '}') {
            get();
            return false;
        }
        expect(',', "',' or '}' after a member");
        skip_blanks();
    }
}

// After the list's closing ']': the rest of the top object, then nothing but
// blanks.
void JsonReader::close_document() {
    place_ = Place::after_list;
    if (in_top_object_ && find_parts_member(true)) fail("the member \"parts\" appears twice");
    skip_blanks();
    if (peek() != kEnd) fail("text follows the end of the parts list");
}

void JsonReader::read_part() {
    text_.clear();
    part_line_ = line_;
    cells_.assign(layout_.size(), Cell{0, 0, line_, false});
    part_error_.clear();
    part_error_column_ = kWholeRow;
    if (peek() != '{') {
        part_error(kWholeRow, "a part is an object of members, not " + std::string(skip_value()));
        return;
    }
    get();
    skip_blanks();
    if (peek() == '}') {
        get();
        return;
    }
    for (std::size_t position = 0;; ++position) {
        read_member_name(name_);
        const std::size_t column = column_of(position);
        const bool twice = cells_[column].given;
        if (twice) part_error(column, "the member appears twice in the part");
        const std::size_t begin = text_.size();
        const unsigned long line = line_;
        const int c = peek();
        if (c == '"') {
            get();
            read_string(text_);
        } else if (c == '-' || digit(c)) {
            read_number(text_);
        } else if (const std::string_view kind = skip_value(); kind != "null") {
            part_error(column, "a value is a string, a number or null, not " + std::string(kind));
        }
        if (!twice) cells_[column] = Cell{begin, text_.size(), line, true};
        if (text_.size() > kLongestRow) fail(too_long("a part", kLongestRow));
        skip_blanks();
        if (peek() == '}') {
            get();
            return;
        }
        expect(',', "',' or '}' after a member");
        skip_blanks();
    }
}

// The column of the member whose name was just read. Parts of one list
// mostly give their members in the same order, so the column that the same
// position had in the last part is tried first.
std::size_t JsonReader::column_of(std::size_t position) {
    if (position < columns_seen_.size() && layout_.name(columns_seen_[position]) == name_)
        return columns_seen_[position];
    const std::string_view name = trimmed(name_);
    std::size_t column = layout_.find(name);
    if (column == ColumnLayout::kMissing) {
        if (layout_.size() == kMostColumns)
            fail("more than " + std::to_string(kMostColumns) +
                 " different member names: no parts list has so many columns");
        column = layout_.add(name);
        cells_.push_back(Cell{0, 0, part_line_, false});
        if (layout_.kind(column) == ColumnKind::unknown) {
            unknown_members_ = true;
            diagnostics_.report(line_, layout_.label(column), unknown_column(name));
        }
    }
    if (position >= columns_seen_.size()) columns_seen_.resize(position + 1);
    columns_seen_[position] = column;
    return column;
}

// A member's name, its ':' and the blanks up to its value.
void JsonReader::read_member_name(std::string& name) {
    expect('"', "a member name in double quotes");
    name.clear();
    read_string(name);
    skip_blanks();
    expect(':', "':' after the member name");
    skip_blanks();
}

// After the opening quote, up to and with the closing one. Runs of plain
// characters are copied from the input's block in one go.
void JsonReader::read_string(std::string& out) {
    const std::size_t begin = out.size();
    for (;;) {
        input_.append_run(out, [](unsigned char c) { return c == '"' || c == '\\' || c < 0x20; });
        if (out.size() - begin > kLongestCell) fail(too_long("a value", kLongestCell));
        const int c = get();
        if (c == kEnd) fail("the file ends inside a string");
        if (c == '"') return;
        if (c == '\\') read_escape(out);
        else if (c >= 0x20) out.push_back(static_cast<char>(c));  // the run stopped at the end of a block
        else if (c == '\n' || c == '\r') fail("a string does not end on its line: a line break in it is written \\n");
        else fail("a control character in a string is written as an escape (\\t, \\u0001, ...)");
    }
}

void JsonReader::read_escape(std::string& out) {
    const int c = get();
    switch (c) {
    case '"': out.push_back('"'); return;
    case '\\': out.push_back('\\'); return;
    case '/': out.push_back('/'); return;
    case 'b': out.push_back('\b'); return;
    case 'f': out.push_back('\f'); return;
    case 'n': out.push_back('\n'); return;
    case 'r': out.push_back('\r'); return;
    case 't': out.push_back('\t'); return;
    case 'u': break;
    case kEnd: fail("the file ends inside a string");
    default:
        if (c > ' ' && c < 0x7f) fail(std::string("'\\") + static_cast<char>(c) + "' is no escape of JSON");
        fail("a backslash in a string starts an escape such as \\\\, \\\" or \\n");
    }
    unsigned code = read_hex4();
    if (code >= 0xDC00 && code <= 0xDFFF)
        fail(hex4(code) + " is the second half of a surrogate pair, without a first half before it");
    if (code >= 0xD800 && code <= 0xDBFF) {  // the first half of a character beyond U+FFFF
        if (get() != '\\' || get() != 'u')
            fail(hex4(code) + " is the first half of a surrogate pair, without a \\uDC00 to \\uDFFF after it");
        const unsigned low = read_hex4();
        if (low < 0xDC00 || low > 0xDFFF)
            fail(hex4(code) + " is the first half of a surrogate pair, but " + hex4(low) + " is no second half");
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    }
    append_utf8(out, code);
}

unsigned JsonReader::read_hex4() {
    unsigned code = 0;
    for (int i = 0; i < 4; ++i) {
        const int c = get();
        unsigned value;
        if (digit(c)) value = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f') value = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') value = static_cast<unsigned>(c - 'A' + 10);
        else fail("\\u is followed by four hexadecimal digits");
        code = code << 4 | value;
    }
    return code;
}

// A number's text as it stands, checked against JSON's form of numbers.
void JsonReader::read_number(std::string& out) {
    const std::size_t begin = out.size();
    const auto take = [&] {
        if (out.size() - begin == kLongestCell) fail(too_long("a value", kLongestCell));
        out.push_back(static_cast<char>(get()));
    };
    const auto digits = [&] {
        while (digit(peek())) take();
    };
    if (peek() == '-') take();
    if (peek() == '0') {
        take();
        if (digit(peek())) fail("a number does not start with 0 unless it is 0 or 0.x: write 5, not 05");
    } else if (digit(peek())) {
        digits();
    } else {
        fail("'-' is not followed by a digit");
    }
    if (peek() == '.') {
        take();
        if (!digit(peek())) fail("a decimal point is followed by a digit in JSON: write 5 or 5.0, not 5.");
        digits();
    }
    if (peek() == 'e' || peek() == 'E') {
        take();
        if (peek() == '+' || peek() == '-') take();
        if (!digit(peek())) fail("an exponent needs a digit");
        digits();
    }
}

// true, false or null; any other word is a text that lacks its quotes.
std::string_view JsonReader::read_word() {
    scratch_.clear();
    while ((letter(peek()) || digit(peek()) || peek() == '_') && scratch_.size() < 40)
        scratch_.push_back(static_cast<char>(get()));
    for (std::string_view word : {"true", "false", "null"})
        if (scratch_ == word) return word;
    fail("'" + scratch_ + "' is no JSON value: a text is written in double quotes");
}

// Reads past a value of any kind, checking its syntax; what kind it was.
std::string_view JsonReader::skip_value() {
    const int c = peek();
    if (c == '"') {
        get();
        scratch_.clear();
        read_string(scratch_);
        return "a string";
    }
    if (c == '-' || digit(c)) {
        scratch_.clear();
        read_number(scratch_);
        return "a number";
    }
    if (letter(c)) return read_word();
    if (c != '[' && c != '{') fail_expected("a value");

    // An array or an object, read with a stack of the open brackets rather
    // than by recursion, so that no input can exhaust the call stack.
    const std::string_view kind = c == '[' ? "an array" : "an object";
    open_.assign(1, static_cast<char>(get()));
    bool just_opened = true;
    while (!open_.empty()) {
        skip_blanks();
        const bool object = open_.back() == '{';
        if (peek() == (object ? '}' : ']')) {
            get();
            open_.pop_back();
            just_opened = false;
            continue;
        }
        if (!just_opened) {
            expect(',', object ? "',' or '}' after a member" : "',' or ']' after a value");
            skip_blanks();
        }
        if (object) {
            read_member_name(scratch_);
        }
        const int inner = peek();
        if (inner == '[' || inner == '{') {
            if (open_.size() == kDeepest)
                fail("arrays and objects are nested more than " + std::to_string(kDeepest) + " deep");
            open_.push_back(static_cast<char>(get()));
            just_opened = true;
            continue;
        }
        if (inner == '"') {
            get();
            scratch_.clear();
            read_string(scratch_);
        } else if (inner == '-' || digit(inner)) {
            scratch_.clear();
            read_number(scratch_);
        } else if (letter(inner)) {
            read_word();
        } else {
            fail_expected("a value");
        }
        just_opened = false;
    }
    return kind;
}

}  // namespace gjbz108a::cli
