#include "random_records.h"

#include "records/category_fields.h"
#include "records/item_codes.h"
#include "records/record.h"

#include <gjbz108a/calc.h>
#include <gjbz108a/check.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>

namespace gjbz108a::bench {
namespace {

// The range of every number field; 0 as the item code means any category.
// Wide ranges are drawn evenly on a logarithmic scale.
struct NumberRange {
    unsigned item_code;
    std::string_view key;
    double low, high;
    bool logarithmic = false;
};

constexpr NumberRange kRanges[]{
    {1, "bits", 16, 67108864, true},
    {15, "bits", 1, 16},
    {2, "transistors", 50, 5000, true},
    {33, "transistors", 0, 30},
    {3, "elements", 50, 5000000, true},
    {0, "pins", 3, 500},
    {0, "resistors", 1, 16},
    {0, "contact_voltage", 0, 30000},
    {0, "cores", 1, 16},
    {0, "power_rating", 0, 10},
    {0, "current_rating", 0, 10},
    {0, "holes", 1, 5000, true},
    {0, "ics", 0, 30},
    {0, "diodes", 0, 30},
    {0, "passives", 0, 30},
    {0, "user_pi_q", 0.5, 10},
    {19, "", 0, 500},  // the connection counts
};

const NumberRange& range_of(unsigned item_code, std::string_view key) {
    for (const NumberRange& range : kRanges) {
        if ((range.item_code == item_code && (range.key == key || range.key.empty())) ||
            (range.item_code == 0 && range.key == key))
            return range;
    }
    std::fprintf(stderr, "random records: no range for field '%.*s' of category %u\n",
                 static_cast<int>(key.size()), key.data(), item_code);
    std::abort();
}

class RecordDraw {
public:
    explicit RecordDraw(std::uint32_t seed) : random_(seed) {}

    ItemRecordBytes record(unsigned item_code) {
        ItemRecordBytes record{};
        record[GJBZ108A_ITEM_CLASS] = 1;
        record[GJBZ108A_ITEM_CODE] = static_cast<std::uint8_t>(item_code);
        record[GJBZ108A_ENVIRONMENT_CODE] = static_cast<std::uint8_t>(environment());
        store(record.data(), GJBZ108A_TEMPERATURE, real(0.0, 110.0));
        store(record.data(), GJBZ108A_CYCLING_RATE, real(0.0, 55.0));
        for (const ParameterField& field : category_fields(item_code)) put(record, item_code, field);
        return record;
    }

private:
    unsigned environment() {
        for (;;) {
            const unsigned code = whole(1, kLastEnvironmentCode);
            if (environment_column(code) >= 0) return code;
        }
    }

    void put(ItemRecordBytes& record, unsigned item_code, const ParameterField& field) {
        const std::size_t offset = GJBZ108A_ITEM_BLOCK + field.offset;
        if (field.type == FieldType::selection) {
            record[offset] = static_cast<std::uint8_t>(whole(1, static_cast<unsigned>(field.entries.size())));
            return;
        }
        if (field.type == FieldType::code) {  // the SubType, which no model reads
            record[offset] = static_cast<std::uint8_t>(whole(0, 255));
            return;
        }
        const NumberRange& range = range_of(item_code, field.key);
        const double value = range.logarithmic ? std::exp(real(std::log(range.low), std::log(range.high)))
                                               : real(range.low, range.high);
        const auto count = static_cast<std::uint32_t>(std::lround(value));
        switch (field.type) {
        case FieldType::u8: store(record.data(), offset, static_cast<std::uint8_t>(count)); break;
        case FieldType::u16: store(record.data(), offset, static_cast<std::uint16_t>(count)); break;
        case FieldType::i32: store(record.data(), offset, static_cast<std::int32_t>(count)); break;
        case FieldType::u32: store(record.data(), offset, count); break;
        case FieldType::f32: store(record.data(), offset, static_cast<float>(value)); break;
        case FieldType::selection:
        case FieldType::code: break;
        }
    }

    unsigned whole(unsigned low, unsigned high) {
        return std::uniform_int_distribution<unsigned>(low, high)(random_);
    }
    float real(double low, double high) {
        return static_cast<float>(std::uniform_real_distribution<double>(low, high)(random_));
    }

    std::mt19937 random_;
};

bool computes(const ItemRecordBytes& record) {
    std::array<char, 4096> messages;
    if (chek_item(messages.data(), record.data()) != GJBZ108A_CHECK_ACCEPTED) return false;
    ItemRecordBytes work = record;
    return calc_item(messages.data(), work.data()) != GJBZ108A_NOT_COMPUTED;
}

}  // namespace

std::vector<ItemRecordBytes> random_valid_records(std::size_t per_category, std::uint32_t seed) {
    RecordDraw draw(seed);
    std::vector<ItemRecordBytes> records;
    records.reserve(per_category * categories().size());
    for (const Category& category : categories()) {
        for (std::size_t made = 0; made < per_category;) {
            const ItemRecordBytes record = draw.record(category.item_code);
            if (computes(record)) {
                records.push_back(record);
                ++made;
            }
        }
    }
    std::shuffle(records.begin(), records.end(), std::mt19937(seed));
    return records;
}

}  // namespace gjbz108a::bench
