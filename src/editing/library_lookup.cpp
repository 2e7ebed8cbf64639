#include "editing/library_lookup.h"

#include "records/field_values.h"

namespace gjbz108a {
namespace {

constexpr std::array<std::string_view, 4> kKindTexts{"generic name", "catalog number", "military number",
                                                      "part name"};

}  // namespace

std::size_t longest_name(NameKind kind) noexcept {
    return kind == NameKind::generic_name ? kLongestGenericName : kLongestName;
}

std::string_view name_kind_text(NameKind kind) noexcept { return kKindTexts[static_cast<std::size_t>(kind) - 1]; }

std::optional<StoredPart> find_named_part(PartLibrary& library, unsigned item_code, std::string_view category,
                                          const PartNames& names, std::string& why) {
    std::string tried;
    std::size_t count = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty()) continue;
        const auto kind = static_cast<NameKind>(i + 1);
        if (auto part = library.find(kind, names[i], item_code)) return part;
        tried.append(count++ ? " or the " : "the ").append(name_kind_text(kind)).push_back(' ');
        append_quoted(tried, names[i]);
    }
    if (!library.reachable())
        why = "the component library cannot be loaded to look up " + tried;
    else
        why = "the component library has no part of category " + std::string(category) + " under " + tried;
    return std::nullopt;
}

}  // namespace gjbz108a
