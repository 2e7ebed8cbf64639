#include "tools/parts_list/reference_designators.h"

#include "records/field_values.h"

#include <algorithm>
#include <optional>

namespace gjbz108a::cli {
namespace {

// Nine digits at most: every such number fits 32 bits.
constexpr std::size_t kMostDigits = 9;

struct Numbered {
    std::string_view prefix;
    std::uint32_t number;
};

bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

// A prefix without digits or dashes ("R", "CR", "TP_"), then digits.
std::optional<Numbered> read_numbered(std::string_view text) noexcept {
    std::size_t digits_start = text.size();
    while (digits_start > 0 && is_digit(text[digits_start - 1])) --digits_start;
    const std::size_t digits = text.size() - digits_start;
    if (digits_start == 0 || digits == 0 || digits > kMostDigits) return std::nullopt;
    for (std::size_t i = 0; i < digits_start; ++i)
        if (is_digit(text[i]) || text[i] == '-') return std::nullopt;
    std::uint32_t number = 0;
    for (std::size_t i = digits_start; i < text.size(); ++i) number = 10 * number + (text[i] - '0');
    return Numbered{text.substr(0, digits_start), number};
}

}  // namespace

Designators read_designators(std::string_view ref) noexcept {
    if (ref.empty()) return {};
    const std::size_t dash = ref.find('-');
    if (dash != std::string_view::npos && ref.find('-', dash + 1) == std::string_view::npos) {
        const auto from = read_numbered(ref.substr(0, dash)), to = read_numbered(ref.substr(dash + 1));
        if (from && to && same_text(from->prefix, to->prefix))
            return {Designators::Form::range, from->prefix, std::min(from->number, to->number),
                    std::max(from->number, to->number)};
    }
    if (const auto one = read_numbered(ref)) return {Designators::Form::numbered, one->prefix, one->number, one->number};
    return {Designators::Form::text, {}, 0, 0};
}

std::string range_count_warning(std::string_view ref, const Designators& designators, unsigned quantity) {
    if (designators.form != Designators::Form::range || designators.count() == quantity) return {};
    std::string warning;
    append_quoted(warning, ref);
    warning.append(" names ").append(std::to_string(designators.count())).append(" designators, and qty is ");
    warning.append(std::to_string(quantity));
    return warning;
}

}  // namespace gjbz108a::cli
