// The texts of the data-exchange utilities: the string table and captions.
#pragma once

#include <string>
#include <string_view>

namespace gjbz108a::toolkit {

enum StringId : int {
    kIntegerNotNumber = 61712,
    kRealNotNumber = 61713,
    kIntegerOutOfRange = 61714,
    kRealOutOfRange = 61715,
    kStringOutOfRange = 61716,
};

// The text of a string-table entry, empty for an id the table lacks.
std::string_view load_string(int id);

// `text` with %1 replaced by `first` and %2 by `second`.
std::string format_two(std::string_view text, std::string_view first, std::string_view second);

inline constexpr std::string_view kValidationCaption = "Dialog Validation";
inline constexpr std::string_view kComboFromFileCaption = "ComboBox From File";
inline constexpr std::string_view kComboAddError = "Error add string to Combo Box";
inline constexpr std::string_view kComboAddNoSpace = "Unsufficient memory on add string to Combo Box";

}  // namespace gjbz108a::toolkit
