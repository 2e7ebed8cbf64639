#include "toolkit/strings.h"

#include <array>
#include <utility>

namespace gjbz108a::toolkit {
namespace {

constexpr std::array<std::pair<int, std::string_view>, 5> kStringTable{{
    {kIntegerNotNumber, "You must enter Number in this field."},
    {kRealNotNumber, "You must enter Number in this field."},
    {kIntegerOutOfRange, "Number entered is invalid.\nNumber must be between %1 and %2."},
    {kRealOutOfRange, "Number entered is invalid.\nNumber must be between %1 and %2."},
    {kStringOutOfRange, "String out of range (%1)"},
}};

}  // namespace

std::string_view load_string(int id) {
    for (const auto& [known, text] : kStringTable)
        if (known == id) return text;
    return {};
}

std::string format_two(std::string_view text, std::string_view first, std::string_view second) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace gjbz108a::toolkit
