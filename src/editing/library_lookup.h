// A part looked up in the component library by its names, as the editing
// dialog's library button looks it up: the names are tried in the order of the
// library's name kinds (generic name, catalog number, military number, part
// name), and the first one found gives the part's parameters, which the
// values entered with it then override.
#pragma once

#include "editing/part_library.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace gjbz108a {

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

}  // namespace gjbz108a
