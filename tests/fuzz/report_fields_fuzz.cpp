// The report-field exports on arbitrary codes, columns, modes, lines and
// records, and the integer formatters on arbitrary values, lengths and types.
// Properties: results are 0 or 12, and 12 writes nothing; a title or cell is
// NUL-terminated, printable and within its column's width, with nothing
// written after it; GetField leaves the record alone except that mode 1
// copies the effective block over the entered one; a display order is a set
// of the columns; an integer's text fills its length and no more. (That the
// counts, widths and titles agree with one another for every ItemCode, column
// and mode, and the texts themselves, are the unit tests' to check.)
#include "support/fuzz_support.h"

#include <gjbz108a/gjbz108a.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

using namespace gjbz108a::fuzz;

namespace {

constexpr std::size_t kTextSize = 256;

// Read from the input as it stands: its five members in this order.
struct Request {
    int32_t selector, item_code, column, mode, line;
};

bool answered(int32_t result) { return result == GJBZ108A_REPORT_OK; }

void require_of(bool holds, std::string_view function, const char* what) {
    if (!holds) violated((std::string(function) + what).c_str());
}

// An export's result is 0 or 12; its outputs keep their guards, and 12 leaves
// them unwritten.
bool answered(int32_t result, std::initializer_list<const Guarded*> outputs, std::string_view function) {
    require_of(result == GJBZ108A_REPORT_OK || result == GJBZ108A_REPORT_OUT_OF_RANGE, function,
               " returned neither 0 nor 12");
    for (const Guarded* out : outputs) {
        out->check_guards("a report export wrote outside an output");
        require_of(answered(result) || untouched_from(*out, 0, kUnwritten), function, " wrote and answered 12");
    }
    return answered(result);
}

uint32_t column_count(const Request& r) {
    Guarded out(sizeof(uint32_t), kUnwritten);
    const int32_t result = GetFieldsCount(r.selector, r.item_code, r.mode, reinterpret_cast<uint32_t*>(out.data()));
    if (!answered(result, {&out}, "GetFieldsCount")) return 0;
    const auto count = load<uint32_t>(out.data());
    require(count <= 16, "a category has more than 16 columns");
    return count;
}

uint32_t title_lines(const Request& r) {
    uint32_t lines = kUnwritten;
    if (!answered(GetTitleLinesCount(r.selector, r.item_code, &lines))) return 0;
    require(lines <= 3, "more than three title lines");
    return lines;
}

uint32_t check_width(const Request& r) {
    Guarded out(sizeof(uint32_t), kUnwritten);
    const int32_t result = GetFieldLength(r.selector, r.item_code, r.column, r.mode,
                                          reinterpret_cast<uint32_t*>(out.data()));
    if (!answered(result, {&out}, "GetFieldLength")) return 0;
    const auto width = load<uint32_t>(out.data());
    require(width >= 3 && width < kTextSize / 3, "a column width out of all proportion");
    return width;
}

void check_title(const Request& r, uint32_t width, uint32_t lines) {
    Guarded text(kTextSize, kUnwritten);
    const int32_t result = GetFieldTitle(r.selector, r.item_code, r.column, r.mode, text.chars(), r.line);
    if (!answered(result, {&text}, "GetFieldTitle")) return;
    require(width != 0 && r.line >= 1 && static_cast<uint32_t>(r.line) <= lines,
            "GetFieldTitle answers a column or line that the counts do not have");
    const std::string_view title = text_in(text, "a title without its NUL");
    require(!title.empty() && title.size() <= width * lines && printable(title),
            "a title is empty, longer than its lines or not printable");
    require(untouched_from(text, title.size() + 1, kUnwritten), "bytes after a title's NUL were written");
}

void check_cell(const Request& r, uint32_t width, const Guarded& original) {
    Guarded record = original;
    Guarded text(kTextSize, kUnwritten);
    const int32_t result = GetField(r.selector, r.item_code, r.column, r.mode, text.chars(), record.data());
    record.check_guards("GetField wrote outside the record");
    answered(result, {&text}, "GetField");

    // Mode 1 refreshes the entered block from the effective one; nothing else
    // of the record changes, and a refused request changes nothing.
    Guarded expected = original;
    if (answered(result) && static_cast<std::uint8_t>(r.mode) == 1)
        std::memcpy(expected.data() + GJBZ108A_EDIT_ENTERED_BLOCK, expected.data() + GJBZ108A_EDIT_EFFECTIVE_BLOCK,
                    GJBZ108A_BLOCK_SIZE);
    require(record.same_as(expected), "GetField changed the record beyond the refresh of mode 1");

    if (!answered(result) || width == 0) {
        require(untouched_from(text, 0, kUnwritten), "GetField wrote a cell for a column without cells");
        return;
    }
    const std::string_view cell = text_in(text, "a cell without its NUL");
    require(cell.size() <= width, "a cell is wider than its column");
    require(printable(cell), "a cell holds a character that is not printable");
    require(untouched_from(text, width + 1, kUnwritten), "GetField wrote past the column's width and NUL");
}

void check_order(const Request& r) {
    const uint32_t count = column_count(r);
    Guarded shown(sizeof(uint32_t), kUnwritten);
    Guarded order(count * sizeof(uint32_t), kUnwritten);
    const int32_t view = GetViewFields(r.selector, r.item_code, r.mode, reinterpret_cast<uint32_t*>(shown.data()),
                                       reinterpret_cast<uint32_t*>(order.data()));
    if (!answered(view, {&shown, &order}, "GetViewFields")) return;
    const auto n = load<uint32_t>(shown.data());
    require(n <= count, "more columns shown than there are");
    std::vector<bool> seen(count + 1, false);
    for (uint32_t i = 0; i < n; ++i) {
        const auto column = load<uint32_t>(order.data() + 4 * i);
        require(column >= 1 && column <= count && !seen[column], "the display order is not a set of columns");
        seen[column] = true;
    }
}

// The text of `value` in `length` characters: NUL-padded up to and including
// position `length`, nothing written beyond (the digits are the unit tests').
void check_integer_text(int32_t value, int32_t length, int32_t type) {
    const std::size_t limit = length > 0 ? static_cast<std::size_t>(length) : 0;
    Guarded text(limit + 1, kUnwritten);
    const int32_t cut = entr_mltoasc(text.chars(), value, length, type);
    text.check_guards("entr_mltoasc wrote outside length + 1 bytes");
    require(cut == 0 || cut == 1, "entr_mltoasc returned neither 0 nor 1");
    const std::string_view shown = text_in(text, "entr_mltoasc left no NUL");
    require(printable(shown) && untouched_from(text, shown.size(), 0), "entr_mltoasc did not pad with NULs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const auto r = in.take<Request>();
    const auto value = in.take<int32_t>();
    const auto length = in.take<std::int8_t>();
    const auto type = in.take<int32_t>();
    Guarded record(GJBZ108A_EDIT_RECORD_SIZE);
    in.take_into(record.data(), record.size());

    const uint32_t width = check_width(r);
    check_title(r, width, title_lines(r));
    check_cell(r, width, record);
    check_order(r);
    check_integer_text(value, length, type);
    return 0;
}
