#include "tools/parts_list/general_values.h"

#include "records/field_values.h"
#include "records/item_codes.h"
#include "records/record.h"
#include "tools/environments/environment_names.h"

#include <gjbz108a/records.h>

#include <array>
#include <charconv>

namespace gjbz108a::cli {
namespace {

constexpr std::int64_t kMostParts = 9999;
// Temperatures below absolute zero are typing errors, not storage conditions.
constexpr float kLowestTemperature = -273.15f;

constexpr std::array<GeneralField, 4> kFields{{
    {ColumnKind::qty, GJBZ108A_EDIT_QUANTITY, 2, nullptr},                        // u16
    {ColumnKind::environment, GJBZ108A_ENVIRONMENT_CODE, 1, nullptr},             // u8
    {ColumnKind::temperature, GJBZ108A_TEMPERATURE, 4, &units::kCelsius},         // f32
    {ColumnKind::cycling_rate, GJBZ108A_CYCLING_RATE, 4, &units::kCyclesPer1000Hours},  // f32
}};

}  // namespace

std::span<const GeneralField> general_fields() noexcept { return kFields; }

std::string_view general_field_key(const GeneralField& field) noexcept {
    return kGeneralColumns[static_cast<std::size_t>(field.column)];
}

const GeneralField* general_field_named(std::string_view name) noexcept {
    for (const GeneralField& field : kFields)
        if (same_text(general_field_key(field), name)) return &field;
    return nullptr;
}

namespace {

// A code, or a name of the list. Names are never digits only, so a number is
// always a code; it is tried first, as it is what most lists hold.
bool read_environment(std::string_view text, const EnvironmentNames* environments, std::int64_t& code,
                      std::string& why) {
    if (read_whole(text, 1, kLastEnvironmentCode, code, why)) return true;
    double number;
    if (std::from_chars(text.data(), text.data() + text.size(), number).ptr == text.data() + text.size())
        return false;  // a number, but not a code: read_whole said why
    const bool named = environments != nullptr && !environments->empty();
    if (named)
        if (const unsigned found = environments->code_named(text); found != 0) return code = found, true;
    why.clear();
    append_quoted(why, text);
    why.append(named ? " is neither an environment code (1 to 27) nor a name of the environment list"
                     : " is not an environment code (1 to 27), and no environment list names one "
                       "(see gjbz108a environments --help)");
    return false;
}

}  // namespace

bool read_general_value(const GeneralField& field, std::string_view text, std::uint8_t* record, std::string& why,
                        const EnvironmentNames* environments) {
    std::int64_t whole = 0;
    float real = 0.0f;
    switch (field.column) {
    case ColumnKind::qty:
        if (text.empty()) return why = "a quantity is required", false;
        if (!read_whole(text, 1, kMostParts, whole, why)) return false;
        store(record, field.offset, static_cast<std::uint16_t>(whole));
        return true;
    case ColumnKind::environment:
        if (text.empty()) return why = "an environment code is required", false;
        if (!read_environment(text, environments, whole, why)) return false;
        record[field.offset] = static_cast<std::uint8_t>(whole);
        return true;
    default:
        // An empty temperature or cycling rate is the header's 0, as an empty
        // parameter leaves its field not defined.
        const float lowest = field.column == ColumnKind::temperature ? kLowestTemperature : 0.0f;
        if (!text.empty() && !read_real(text, lowest, real, why, field.unit)) return false;
        store(record, field.offset, real);
        return true;
    }
}

bool same_general_value(const GeneralField& field, const std::uint8_t* a, const std::uint8_t* b) noexcept {
    switch (field.column) {
    case ColumnKind::qty: return load<std::uint16_t>(a, field.offset) == load<std::uint16_t>(b, field.offset);
    case ColumnKind::environment: return a[field.offset] == b[field.offset];
    default: return load<float>(a, field.offset) == load<float>(b, field.offset);
    }
}

std::string general_value_text(const GeneralField& field, const std::uint8_t* record) {
    char text[48];
    const auto written = [&](auto value, auto... format) {
        return std::string(text, std::to_chars(text, text + sizeof text, value, format...).ptr);
    };
    switch (field.column) {
    case ColumnKind::qty: return written(unsigned{load<std::uint16_t>(record, field.offset)});
    case ColumnKind::environment: return written(unsigned{record[field.offset]});
    default: {
        // The shortest digits that read back as the same number, without an
        // exponent where one is not needed.
        const float value = load<float>(record, field.offset);
        const float magnitude = value < 0 ? -value : value;
        const bool plain = magnitude == 0 || (magnitude >= 1e-5f && magnitude < 1e16f);
        return written(value, plain ? std::chars_format::fixed : std::chars_format::general);
    }
    }
}

}  // namespace gjbz108a::cli
