// Rows that name a part of the component library instead of (or besides)
// giving its parameters. The names are tried in the order of the library's
// name kinds, as the editing dialog's library button tries them: generic name,
// catalog number, military number, part name; the first one found gives the
// part's parameters, and the row's own cells then override them.
#pragma once

#include "tools/part_library.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

// The names of a row by NameKind (index: kind - 1); empty where it gives none.
using PartNames = std::array<std::string_view, 4>;

// The longest name of each kind that the host's records and the library hold.
std::size_t longest_name(NameKind kind) noexcept;

// What the name columns call each kind ("generic name" ...).
std::string_view name_kind_text(NameKind kind) noexcept;

// The first part found under one of `names`. Without one, `why` says which
// names were looked up in vain (or that the library cannot be loaded).
std::optional<StoredPart> find_named_part(PartLibrary& library, unsigned item_code, std::string_view category,
                                          const PartNames& names, std::string& why);

}  // namespace gjbz108a::cli
