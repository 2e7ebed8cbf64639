// The report-field exports: column counts, widths, titles, cells, display
// orders and quality columns, served from the category column tables.
#include "method/report_columns.h"

#include <gjbz108a/records.h>
#include <gjbz108a/report.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace gjbz108a {
namespace {

constexpr int32_t kOk = GJBZ108A_REPORT_OK;
constexpr int32_t kOutOfRange = GJBZ108A_REPORT_OUT_OF_RANGE;
constexpr std::uint8_t kRefreshMode = 1;  // GetField copies the effective block first

struct Counts {
    std::uint8_t parameters;
    std::uint8_t factors;
    std::uint8_t title_lines;
};

// By ItemCode 0..33, also for the codes without column tables. Code 23 counts
// one parameter column that has no cells.
constexpr std::array<Counts, 34> kCounts{{
    {0, 0, 0}, {7, 7, 2}, {8, 7, 2}, {7, 7, 2}, {0, 0, 2}, {3, 5, 2}, {2, 4, 2}, {4, 6, 2},
    {3, 3, 2}, {4, 3, 2}, {4, 4, 2}, {2, 5, 2}, {4, 6, 2}, {2, 5, 2}, {3, 6, 2}, {3, 4, 2},
    {2, 3, 3}, {0, 0, 3}, {2, 4, 2}, {8, 1, 2}, {2, 4, 2}, {2, 3, 2}, {2, 3, 2}, {1, 0, 2},
    {0, 0, 2}, {0, 0, 2}, {0, 0, 3}, {1, 3, 2}, {1, 0, 2}, {4, 5, 2}, {2, 3, 2}, {2, 3, 2},
    {0, 0, 2}, {5, 5, 2},
}};

std::uint8_t low_byte(int32_t value) noexcept { return static_cast<std::uint8_t>(value); }

bool factor_mode(int32_t mode) noexcept { return low_byte(mode) == GJBZ108A_REPORT_FACTORS; }

// The counts of a code beyond the table are not defined; such a request is refused.
const Counts* counts_of(int32_t item_code) noexcept {
    const std::uint8_t code = low_byte(item_code);
    return code < kCounts.size() ? &kCounts[code] : nullptr;
}

const ColumnSet* column_set(int32_t item_code, int32_t mode) noexcept {
    const CategoryReport* report = find_report(low_byte(item_code));
    if (report == nullptr) return nullptr;
    return factor_mode(mode) ? &report->factors : &report->parameters;
}

const Column* find_column(int32_t item_code, int32_t column, int32_t mode) noexcept {
    const ColumnSet* set = column_set(item_code, mode);
    if (set == nullptr || column < 1 || static_cast<std::size_t>(column) > set->columns.size())
        return nullptr;
    return &set->columns[column - 1];
}

}  // namespace

const CategoryReport* find_report(unsigned item_code) noexcept {
    for (auto group : {integrated_circuit_reports(), passive_reports(), semiconductor_reports(),
                       other_reports()}) {
        for (const CategoryReport& report : group)
            if (report.item_code == item_code) return &report;
    }
    return nullptr;
}

}  // namespace gjbz108a

using namespace gjbz108a;

// The selector is passed by the host and means nothing to the first five exports.

extern "C" int32_t GetFieldsCount(int32_t, int32_t item_code, int32_t mode, uint32_t* count) {
    const Counts* counts = counts_of(item_code);
    if (counts == nullptr) return kOutOfRange;
    *count = factor_mode(mode) ? counts->factors : counts->parameters;
    return kOk;
}

extern "C" int32_t GetTitleLinesCount(int32_t, int32_t item_code, uint32_t* lines) {
    const Counts* counts = counts_of(item_code);
    if (counts == nullptr) return kOutOfRange;
    *lines = counts->title_lines;
    return kOk;
}

extern "C" int32_t GetFieldLength(int32_t, int32_t item_code, int32_t column, int32_t mode,
                                  uint32_t* width) {
    const Column* found = find_column(item_code, column, mode);
    if (found == nullptr) return kOutOfRange;
    *width = found->width;
    return kOk;
}

extern "C" int32_t GetFieldTitle(int32_t, int32_t item_code, int32_t column, int32_t mode,
                                 char* text, int32_t line) {
    const Column* found = find_column(item_code, column, mode);
    const Counts* counts = counts_of(item_code);
    if (found == nullptr || counts == nullptr || line < 1 || line > counts->title_lines)
        return kOutOfRange;
    std::memcpy(text, found->title.data(), found->title.size());
    text[found->title.size()] = '\0';
    return kOk;
}

extern "C" int32_t GetField(int32_t selector, int32_t item_code, int32_t column, int32_t mode,
                            char* text, uint8_t* record) {
    uint32_t count = 0;
    if (GetFieldsCount(selector, item_code, mode, &count) != kOk || column < 1 ||
        static_cast<uint32_t>(column) > count)
        return kOutOfRange;
    if (low_byte(mode) == kRefreshMode)
        std::memcpy(record + GJBZ108A_EDIT_ENTERED_BLOCK, record + GJBZ108A_EDIT_EFFECTIVE_BLOCK,
                    GJBZ108A_BLOCK_SIZE);
    // A category counted in the table but without column tables has no cells.
    const Column* found = find_column(item_code, column, mode);
    if (found != nullptr) format_cell(text, low_byte(item_code), *found, column, record);
    return kOk;
}

extern "C" int32_t GetQualityFields(int32_t selector, int32_t item_code, uint32_t* pair) {
    const CategoryReport* report = find_report(low_byte(item_code));
    if (selector != 1 || report == nullptr) return kOutOfRange;
    pair[0] = report->parameters.quality;
    pair[1] = report->factors.quality;
    return kOk;
}

extern "C" int32_t GetViewFields(int32_t selector, int32_t item_code, int32_t mode, uint32_t* count,
                                 uint32_t* order) {
    const ColumnSet* set = column_set(item_code, mode);
    if (selector != 1 || set == nullptr) return kOutOfRange;
    *count = static_cast<uint32_t>(set->display_order.size());
    std::copy(set->display_order.begin(), set->display_order.end(), order);
    return kOk;
}
