// How every report writes the parameters a part was computed with: the
// effective value of each, and which of them the component library's defaults
// gave. Values are the texts that a parts list reads back as the same value.
#pragma once

#include "tools/parts_list/used_values.h"
#include "tools/prediction/output.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <span>
#include <string_view>
#include <vector>

namespace gjbz108a::cli {

// The keys of the values that the library's defaults gave, separated by
// blanks ("tech pins"): a CSV cell as it stands. Nothing when the part got no
// effective block.
std::optional<std::string_view> defaulted_keys(const UsedValues& used, std::string& keys);

// "defaulted":["key",...] from such keys, or null without them.
void json_defaulted(Output& out, std::optional<std::string_view> keys);

// "parameters":{"key":value,...} from the EditRecord's effective block: list
// entries as strings, numbers as numbers; null when the part got no block.
void json_parameters(Output& out, const UsedValues& used, const std::uint8_t* edit_record);

// The parameter keys of all categories, for the one-line-per-part CSV, whose
// header names every key any category has, once, in order of first appearance.
class ParameterKeys {
public:
    ParameterKeys();

    std::span<const std::string_view> keys() const noexcept { return keys_; }

    // Where field `index` of the category's fields goes among keys().
    std::size_t position(unsigned item_code, std::size_t index) const noexcept {
        return positions_[item_code][index];
    }

private:
    std::vector<std::string_view> keys_;
    std::vector<std::vector<std::size_t>> positions_;  // by ItemCode 0..33
};

}  // namespace gjbz108a::cli
