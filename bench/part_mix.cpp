#include "part_mix.h"

#include "records/category_fields.h"
#include "records/record.h"

#include <cstdlib>
#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace gjbz108a::bench {
namespace {

const std::initializer_list<PartKind> kMix{
    {2, 1, 2, 45, 1, {{"type", 1}, {"tech", 2}, {"package", 6}, {"quality", 5}, {"learning", 1}, {"pins", 44}, {"bits", 4194304}}},
    {1, 2, 2, 45, 1, {{"type", 1}, {"tech", 1}, {"package", 1}, {"quality", 5}, {"learning", 1}, {"pins", 8}, {"transistors", 120}, {"seal", 1}}},
    {1, 2, 2, 45, 1, {{"type", 2}, {"tech", 2}, {"package", 2}, {"quality", 4}, {"learning", 2}, {"pins", 16}, {"seal", 2}}},
    {4, 3, 2, 45, 1, {{"type", 1}, {"tech", 2}, {"package", 6}, {"quality", 5}, {"learning", 1}, {"pins", 14}, {"elements", 200}}},
    {1, 3, 2, 45, 1, {{"type", 8}, {"tech", 2}, {"package", 6}, {"quality", 5}, {"learning", 1}, {"pins", 64}, {"elements", 500000}}},
    {12, 5, 2, 40, 1, {{"style", 2}, {"quality", 3}}},
    {2, 5, 2, 40, 1, {{"style", 12}, {"quality", 4}, {"resistors", 8}}},
    {1, 6, 2, 40, 1, {{"style", 6}, {"quality", 4}}},
    {14, 7, 2, 40, 1, {{"style", 7}, {"quality", 7}, {"surface", 1}, {"sealed", 1}}},
    {3, 7, 2, 40, 1, {{"style", 9}, {"quality", 6}, {"surface", 1}, {"sealed", 1}}},
    {1, 8, 2, 30, 0, {{"type", 2}, {"quality", 3}, {"contact_voltage", 5000}}},
    {1, 9, 2, 30, 0, {{"construction", 1}, {"quality", 5}, {"seal", 1}, {"contact_voltage", 28000}}},
    {2, 10, 2, 30, 0, {{"configuration", 3}, {"quality", 4}}},
    {1, 10, 2, 30, 0, {{"configuration", 5}, {"quality", 4}, {"linkage", 2}, {"cores", 4}}},
    {4, 11, 2, 40, 1, {{"style", 1}, {"quality", 6}}},
    {3, 12, 2, 40, 1, {{"style", 1}, {"quality", 6}, {"power_rating", 0.5}, {"current_rating", 0.1}}},
    {1, 13, 2, 40, 1, {{"style", 8}, {"quality", 6}}},
    {1, 14, 2, 40, 1, {{"style", 1}, {"quality", 6}, {"power_rating", 0.2}}},
    {2, 15, 2, 40, 1, {{"style", 1}, {"quality", 6}}},
    {1, 16, 2, 30, 0, {{"type", 7}, {"learning", 1}}},
    {1, 18, 2, 50, 1, {{"type", 4}, {"transformer_quality", 3}}},
    {1, 19, 2, 30, 0, {{"soldered", 400}, {"hand", 12}, {"crimp", 8}}},
    {1, 20, 2, 30, 0, {{"quality", 2}, {"holes", 600}}},
    {1, 21, 2, 30, 0, {{"type", 2}, {"quality", 3}}},
    {1, 22, 2, 30, 0, {{"type", 2}, {"quality", 3}}},
    {1, 24, 2, 30, 0, {}},
    {1, 25, 2, 30, 0, {}},
    {1, 27, 2, 30, 0, {{"quality", 4}}},
    {1, 28, 2, 30, 0, {{"type", 2}}},
    {1, 29, 2, 30, 0, {{"type", 15}, {"quality", 3}, {"learning", 1}, {"axis", 1}}},
    {1, 30, 2, 30, 0, {{"type", 30}, {"quality", 3}}},
    {1, 31, 2, 30, 0, {{"construction", 1}, {"quality", 2}}},
    {1, 33, 2, 30, 1, {{"quality", 7}, {"ics", 2}, {"transistors", 4}, {"diodes", 2}, {"passives", 10}}},
    // Beyond the curves: extrapolated with a warning.
    {1, 11, 2, 110, 1, {{"style", 1}, {"quality", 6}}},
    {1, 3, 2, 45, 80, {{"type", 1}, {"tech", 2}, {"package", 1}, {"quality", 5}, {"learning", 1}, {"pins", 16}, {"elements", 400}}},
};

void put_field(ItemRecordBytes& record, unsigned item_code, std::string_view key, double value) {
    const ParameterField* field = find_field(item_code, key);
    if (field == nullptr) {
        std::fprintf(stderr, "part mix: category %u has no field '%.*s'\n", item_code,
                     static_cast<int>(key.size()), key.data());
        std::abort();
    }
    const std::size_t offset = GJBZ108A_ITEM_BLOCK + field->offset;
    switch (field->type) {
    case FieldType::u8:
    case FieldType::selection:
    case FieldType::code: store(record.data(), offset, static_cast<std::uint8_t>(value)); break;
    case FieldType::u16: store(record.data(), offset, static_cast<std::uint16_t>(value)); break;
    case FieldType::i32: store(record.data(), offset, static_cast<std::int32_t>(value)); break;
    case FieldType::u32: store(record.data(), offset, static_cast<std::uint32_t>(value)); break;
    case FieldType::f32: store(record.data(), offset, static_cast<float>(value)); break;
    }
}

}  // namespace

std::span<const PartKind> part_kinds() { return {kMix.begin(), kMix.size()}; }

std::vector<ItemRecordBytes> part_mix() {
    std::vector<ItemRecordBytes> records;
    for (const PartKind& kind : kMix) {
        ItemRecordBytes record{};
        record[GJBZ108A_ITEM_CLASS] = 1;
        record[GJBZ108A_ITEM_CODE] = static_cast<std::uint8_t>(kind.item_code);
        record[GJBZ108A_ENVIRONMENT_CODE] = static_cast<std::uint8_t>(kind.environment);
        store(record.data(), GJBZ108A_TEMPERATURE, kind.temperature);
        store(record.data(), GJBZ108A_CYCLING_RATE, kind.cycling_rate);
        for (const auto& [key, value] : kind.fields) put_field(record, kind.item_code, key, value);
        for (unsigned i = 0; i < kind.count; ++i) records.push_back(record);
    }
    return records;
}

}  // namespace gjbz108a::bench
