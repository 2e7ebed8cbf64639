#include "tools/change/change_blocks.h"

#include "records/field_types.h"
#include "records/field_values.h"
#include "records/suggestions.h"
#include "records/undefined_value.h"
#include "tools/parts_list/screen_info.h"

#include <gjbz108a/global_change.h>

#include <algorithm>
#include <cstring>

namespace gjbz108a::cli {
namespace {

constexpr std::uint8_t kTextTypeCode = 9;  // a text of the entry's length, then a NUL

constexpr TextKey text_key(std::string_view key, std::size_t record_offset, std::uint8_t length) {
    return {key, {kTextTypeCode, length, {0, 0}, static_cast<std::uint32_t>(record_offset - kTextAreaOffset)}};
}

// The record's text fields: char[51] for the reference designator, char[63] for
// the part name, military number and catalog number, char[43] for the generic name.
constexpr std::array<TextKey, 5> kTextKeys{{
    text_key("ref", GJBZ108A_EDIT_REFERENCE, 50),
    text_key("part_name", GJBZ108A_EDIT_PART_NAME, 62),
    text_key("military_number", GJBZ108A_EDIT_MILITARY_NUMBER, 62),
    text_key("catalog_number", GJBZ108A_EDIT_CATALOG_NUMBER, 62),
    text_key("generic_name", GJBZ108A_EDIT_GENERIC_NAME, 42),
}};

constexpr std::array<ScreenField, kTextKeys.size()> kTextScreen{
    kTextKeys[0].field, kTextKeys[1].field, kTextKeys[2].field, kTextKeys[3].field, kTextKeys[4].field};
const ScreenFieldList kTextList{static_cast<std::int32_t>(kTextScreen.size()), kTextScreen.data()};

constexpr std::string_view kAny = "***", kNotDefined = "---";

std::string quoted(std::string_view text) {
    std::string quoted(1, '\'');
    quoted.append(text).push_back('\'');
    return quoted;
}

bool store_text_value(const TextKey& key, std::string_view value, TextArea& texts, std::string& why) {
    if (value == kNotDefined) value = {};  // a text that is not given is empty
    if (value.size() > key.field.length) {
        why.assign("longer than ").append(std::to_string(key.field.length)).append(" characters");
        return false;
    }
    std::uint8_t* field = texts.data() + key.field.offset;
    std::memset(field, 0, key.field.length + 1u);
    std::ranges::copy(value, field);
    return true;
}

// A SubType is a count in a part list but a SelectionCode to the global change,
// which stores it one higher: 255 has no room.
constexpr unsigned kHighestStoredCode = 254;

bool store_parameter_value(const ParameterField& field, std::string_view value, Block& block, std::string& why) {
    if (!read_field_value(field, value, block.data(), why)) return false;
    const Storage storage = storage_of(field.type);
    if (storage == Storage::selection) {
        if (block[field.offset] > kHighestStoredCode) {
            why = quoted(value).append(" is out of range (0 to ").append(std::to_string(kHighestStoredCode)).append(")");
            return false;
        }
        block[field.offset] += 1;  // stored one higher: "not defined" (0) becomes 1
        return true;
    }
    if (number_wildcard(block.data(), field.offset, storage)) {
        why = quoted(value).append(" means any value (***) in this field; write *** for that");
        return false;
    }
    return true;
}

// The keys a change of `category` (nullptr: of every category) takes.
std::vector<std::string_view> keys(const Category* category) {
    std::vector<std::string_view> keys;
    for (const GeneralField& field : general_fields()) keys.push_back(general_field_key(field));
    for (const TextKey& key : kTextKeys) keys.push_back(key.key);
    if (category != nullptr)
        for (const ParameterField& field : category_fields(category->item_code)) keys.push_back(field.key);
    return keys;
}

}  // namespace

std::span<const TextKey> text_keys() noexcept { return kTextKeys; }
const ScreenFieldList& text_fields() noexcept { return kTextList; }

bool build_change_blocks(const Category* category, ChangeSide side, const std::vector<Assignment>& assignments,
                         ChangeBlocks& blocks, std::string& why, const EnvironmentNames* environments) {
    if (category != nullptr) entr_fill_gch(blocks.parameters.data(), screen_fields(category->item_code));
    entr_fill_gch(blocks.texts.data(), &kTextList);
    blocks.general.fill(0);
    blocks.parameter_fields.clear();
    blocks.text_fields.clear();
    blocks.general_fields.clear();

    const std::string option = side == ChangeSide::conditions ? "--where " : "--set ";
    const std::span<const ParameterField> fields =
        category != nullptr ? category_fields(category->item_code) : std::span<const ParameterField>{};
    for (const Assignment& assignment : assignments) {
        const std::string argument = option + assignment.key + "=" + assignment.value;
        const auto same_key = [&](std::string_view key) { return same_text(key, assignment.key); };
        const auto text = std::ranges::find_if(kTextKeys, [&](const TextKey& key) { return same_key(key.key); });
        const auto field = std::ranges::find_if(fields, [&](const ParameterField& f) { return same_key(f.key); });
        const GeneralField* general = general_field_named(assignment.key);
        const bool seen =
            std::ranges::any_of(blocks.text_fields, [&](const TextKey* k) { return same_key(k->key); }) ||
            std::ranges::any_of(blocks.parameter_fields, [&](const ParameterField* f) { return same_key(f->key); }) ||
            std::ranges::any_of(blocks.general_fields, [&](const GeneralValue& g) { return g.field == general; });
        const bool any = trimmed(assignment.value) == kAny;
        std::string value_why;
        if (seen) {
            why = argument + ": the key is given twice";
            return false;
        }
        if (same_key("category")) {
            why = argument + ": a change keeps the category of every part";
            return false;
        }
        if (general != nullptr) {
            if (!any && !read_general_value(*general, trimmed(assignment.value), blocks.general.data(), value_why,
                                              environments)) {
                why = argument + ": " + value_why;
                return false;
            }
            blocks.general_fields.push_back({general, any});
        } else if (text != kTextKeys.end()) {
            if (assignment.value != kAny && !store_text_value(*text, assignment.value, blocks.texts, value_why)) {
                why = argument + ": the text is " + value_why;
                return false;
            }
            blocks.text_fields.push_back(&*text);
        } else if (field != fields.end()) {
            if (assignment.value != kAny &&
                !store_parameter_value(*field, assignment.value, blocks.parameters, value_why)) {
                why = argument + ": " + value_why;
                return false;
            }
            blocks.parameter_fields.push_back(&*field);
        } else if (category == nullptr) {
            why = argument + ": a change of parts of every category sets and compares only qty, environment, "
                             "temperature, cycling_rate, ref, generic_name, catalog_number, military_number and "
                             "part_name; name the category (--category) for its parameters";
            append_did_you_mean(why, likely_meant(assignment.key, keys(nullptr)));
            return false;
        } else {
            why = argument + ": " + std::string(category->name) +
                  " has no such parameter (gjbz108a --list-fields lists them), and it is not qty, environment, "
                  "temperature, cycling_rate, ref, generic_name, catalog_number, military_number or part_name";
            append_did_you_mean(why, likely_meant(assignment.key, keys(category)));
            return false;
        }
    }
    return true;
}

}  // namespace gjbz108a::cli
