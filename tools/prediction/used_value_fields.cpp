#include "tools/prediction/used_value_fields.h"

#include "records/field_values.h"
#include "tools/prediction/escaping.h"
#include "tools/reports/report_table.h"

#include <gjbz108a/records.h>

#include <algorithm>

namespace gjbz108a::cli {

std::optional<std::string_view> defaulted_keys(const UsedValues& used, std::string& keys) {
    keys.clear();
    if (used.fields().empty()) return std::nullopt;
    for (std::size_t i = 0; i < used.fields().size(); ++i) {
        if (!used.defaulted(i)) continue;
        if (!keys.empty()) keys.push_back(' ');
        keys.append(used.fields()[i].key);  // lower case, digits and '_': no quotes needed
    }
    return keys;
}

void json_defaulted(Output& out, std::optional<std::string_view> keys) {
    out.text("\"defaulted\":");
    if (!keys) {
        out.text("null");
        return;
    }
    out.ch('[');
    for (std::string_view rest = *keys; !rest.empty();) {
        const std::size_t end = std::min(rest.find(' '), rest.size());
        json_string(out, rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (!rest.empty()) out.ch(',');
    }
    out.ch(']');
}

void json_parameters(Output& out, const UsedValues& used, const std::uint8_t* edit_record) {
    out.text("\"parameters\":");
    if (used.fields().empty()) {
        out.text("null");
        return;
    }
    out.ch('{');
    const char* separator = "";
    for (std::size_t i = 0; i < used.fields().size(); ++i) {
        if (!used.shown(i)) continue;
        const ParameterField& field = used.fields()[i];
        json_string(out.text(separator), field.key);
        const std::string value = field_value_text(field, edit_record + GJBZ108A_EDIT_EFFECTIVE_BLOCK);
        if (value.empty()) out.text(":null");  // not defined: the merge refuses such a part
        else if (field.type == FieldType::selection) json_string(out.ch(':'), value);
        else out.ch(':').text(value);  // the digits of a whole or a real, a valid JSON number
        separator = ",";
    }
    out.ch('}');
}

ParameterKeys::ParameterKeys() {
    for (unsigned code = 0; code <= kLastItemCode; ++code) {
        std::vector<std::size_t>& positions = positions_.emplace_back();
        for (const ParameterField& field : category_fields(code)) {
            const auto found = std::find(keys_.begin(), keys_.end(), field.key);
            positions.push_back(static_cast<std::size_t>(found - keys_.begin()));
            if (found == keys_.end()) keys_.push_back(field.key);
        }
    }
}

}  // namespace gjbz108a::cli
