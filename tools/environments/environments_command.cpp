#include "tools/environments/environments_command.h"

#include "component_library.h"
#include "records/category_fields.h"
#include "records/field_values.h"
#include "records/record.h"
#include "tools/file_streams.h"
#include "tools/help/help_texts.h"
#include "tools/prediction/escaping.h"
#include "tools/prediction/output.h"

#include <gjbz108a/gjbz108a.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace gjbz108a::cli {
namespace {

// Parts of the three most common kinds, described as a parts list would
// describe them, at 25 degrees Celsius without cycling. PI e is result slot 2
// of all three models.
struct TypicalPart {
    std::string_view name;      // its column's title
    std::string_view csv_name;  // its CSV column
    unsigned item_code;
    std::array<std::pair<std::string_view, std::string_view>, 7> values;  // key, value; the rest empty
};
constexpr std::array<TypicalPart, 3> kTypicalParts{{
    {"Resistor", "pi_e_resistor", 5, {{{"style", "Metal Film"}, {"quality", "B1"}}}},
    {"Capacitor", "pi_e_capacitor", 7, {{{"style", "Ceramic (Class 2)"}, {"quality", "B1"}, {"surface", "Chip"}, {"sealed", "Without"}}}},
    {"IC Digital", "pi_e_ic_digital", 3,
     {{{"type", "Logic"}, {"tech", "MOS"}, {"package", "Package Dual In-Line"}, {"quality", "B1"},
       {"learning", "Stabilized"}, {"pins", "14"}, {"elements", "100"}}}},
}};
constexpr std::array<std::string_view, kTypicalParts.size()> kTypicalPartNames = [] {
    std::array<std::string_view, kTypicalParts.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = kTypicalParts[i].name;
    return names;
}();
constexpr std::size_t kPiESlot = 2;
constexpr float kTypicalTemperature = 25.0f;

std::optional<float> environment_factor(const TypicalPart& part, unsigned environment_code) {
    std::array<std::uint8_t, GJBZ108A_ITEM_RECORD_SIZE> record{};
    record[GJBZ108A_ITEM_CLASS] = 1;  // electronic
    record[GJBZ108A_ITEM_CODE] = static_cast<std::uint8_t>(part.item_code);
    record[GJBZ108A_ENVIRONMENT_CODE] = static_cast<std::uint8_t>(environment_code);
    store(record.data(), GJBZ108A_TEMPERATURE, kTypicalTemperature);
    std::uint8_t* block = record.data() + GJBZ108A_ITEM_BLOCK;
    for (const ParameterField& field : category_fields(part.item_code))
        if (field.offset > kTypeOffset) store_undefined(block, field);
    std::string why;
    for (const auto& [key, value] : part.values) {
        const ParameterField* field = key.empty() ? nullptr : find_field(part.item_code, key);
        if (field != nullptr && !read_field_value(*field, value, block, why)) return std::nullopt;
    }
    std::array<char, 4096> messages{};
    const int result = calc_item(messages.data(), record.data());
    if (result != GJBZ108A_COMPUTED && result != GJBZ108A_WITH_WARNINGS) return std::nullopt;
    return load<float>(record.data(), GJBZ108A_ITEM_RESULTS + 4 * kPiESlot);
}

void write_text(std::ostream& stream, const EnvironmentNames& names) {
    Output out(stream);
    constexpr std::size_t kCode = 4, kModels = 15, kColumn = 7, kFactor = 12;
    // A column of names only when there are names.
    std::size_t name_width = 0;
    if (!names.empty()) {
        name_width = 6;
        for (unsigned code = 1; code <= kLastEnvironmentCode; ++code)
            name_width = std::max(name_width, names.name(code).size() + 2);
    }
    out.right("Code", kCode).text("  ").left(names.empty() ? "" : "Name", name_width).left("Models", kModels)
        .right("Column", kColumn);
    for (std::string_view part : kTypicalPartNames) out.right(part, kFactor);
    out.ch('\n').right("", kCode).text("  ").left("", name_width).left("", kModels).right("", kColumn);
    for (std::size_t i = 0; i < kTypicalPartNames.size(); ++i) out.right("PI e", kFactor);
    out.ch('\n');
    for (const EnvironmentRow& row : environment_rows()) {
        out.right(out.format_whole(row.code), kCode).text("  ").left(names.name(row.code), name_width);
        out.left(row.column < 0 ? "not supported" : "supported", kModels);
        out.right(row.column < 0 ? std::string_view("-") : out.format_whole(static_cast<unsigned>(row.column)),
                  kColumn);
        for (const std::optional<float>& factor : row.pi_e)
            out.right(factor ? out.format_rounded(*factor, 6) : std::string_view("-"), kFactor);
        out.ch('\n');
    }
    out.text("\nThe typical parts, at 25 °C (\"-\" where the models refuse the environment):\n");
    for (const TypicalPart& part : kTypicalParts) {
        out.text("  ").text(part.name).text(":");
        for (const auto& [key, value] : part.values)
            if (!key.empty()) out.text(" ").text(key).text("=").text(value);
        out.ch('\n');
    }
    out.flush();
}

void write_csv(std::ostream& stream, const EnvironmentNames& names) {
    Output out(stream);
    out.text("code,name,supported,column");
    for (const TypicalPart& part : kTypicalParts) out.ch(',').text(part.csv_name);
    out.ch('\n');
    for (const EnvironmentRow& row : environment_rows()) {
        out.whole(row.code).ch(',');
        csv_cell(out, names.name(row.code));
        out.text(row.column < 0 ? ",no," : ",yes,");
        if (row.column >= 0) out.whole(static_cast<unsigned>(row.column));
        for (const std::optional<float>& factor : row.pi_e) {
            out.ch(',');
            if (factor) out.exact(*factor);
        }
        out.ch('\n');
    }
    out.flush();
}

int usage_error(std::ostream& err, std::string_view why) {
    err << "gjbz108a environments: " << why << "\nTry 'gjbz108a environments --help'.\n";
    return 2;
}

}  // namespace

std::span<const std::string_view> typical_part_names() { return kTypicalPartNames; }

std::array<EnvironmentRow, kLastEnvironmentCode> environment_rows() {
    std::array<EnvironmentRow, kLastEnvironmentCode> rows{};
    for (unsigned code = 1; code <= kLastEnvironmentCode; ++code) {
        EnvironmentRow& row = rows[code - 1];
        row.code = code;
        row.column = environment_column(code);
        for (std::size_t i = 0; i < kTypicalParts.size(); ++i) row.pi_e[i] = environment_factor(kTypicalParts[i], code);
    }
    return rows;
}

std::optional<EnvironmentNames> environment_names_in_use(std::string_view path, std::istream& standard_input,
                                                         std::ostream& err) {
    std::string why;
    if (!path.empty()) {
        std::optional<EnvironmentNames> names;
        try {
            names = EnvironmentNames::read_file(std::string(path), standard_input, why);
        } catch (const ReadError& error) {
            why = error.what();
        }
        if (!names) err << "gjbz108a: " << why << '\n';
        return names;
    }
    EnvironmentNames names;
    try {
        talwen::ComponentLibrary library(talwen::ComponentLibrary::default_location());
        for (const talwen::EnvironmentName& stored : library.environment_names())
            if (!names.set(stored.code, stored.name, why))
                err << "gjbz108a: the component library's name of environment " << stored.code << ": " << why
                    << "; it is not used\n";
    } catch (const std::exception&) {
        // No library, no stored names: codes still work, and a part that needs
        // the library says so itself.
    }
    return names;
}

int environments_command(std::span<const std::string_view> arguments, std::istream& standard_input,
                         std::ostream& out, std::ostream& err) {
    std::string_view list_file, format = "text";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        if (arg == "--help" || arg == "-h") {
            print_help(out, "environments");
            return 0;
        }
        if (arg == "--environments" || arg == "--format") {
            if (++i == arguments.size()) return usage_error(err, std::string(arg) + " needs a value");
            (arg == "--format" ? format : list_file) = arguments[i];
            continue;
        }
        return usage_error(err, "unknown argument '" + std::string(arg) + "'");
    }
    if (format != "text" && format != "csv")
        return usage_error(err, "unknown format '" + std::string(format) + "': use text or csv");
    const std::optional<EnvironmentNames> names = environment_names_in_use(list_file, standard_input, err);
    if (!names) return 2;
    if (format == "csv") write_csv(out, *names);
    else write_text(out, *names);
    return 0;
}

}  // namespace gjbz108a::cli
