// The component library as the editing asks it, for the two things that a
// part needs of it: the default parameters of a part type (for the fields left
// undefined) and the parameters of a part stored under a name. The command-line
// host answers through the plug-in's host-library calls; tests through a fake.
#pragma once

#include "editing/host_library_constants.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace gjbz108a {

using Block = std::array<std::uint8_t, 102>;

struct StoredPart {
    Block block;               // the stored parameters, entered-block layout
    std::string generic_name;  // as the library spells it
};

class PartLibrary {
public:
    virtual ~PartLibrary() = default;

    // The defaults of the category's part type, or nothing when the library
    // cannot be reached. A field without a default holds its undefined value.
    virtual std::optional<Block> defaults(unsigned item_code, unsigned type, unsigned subtype) = 0;

    // The part of the category stored under `name`, or nothing.
    virtual std::optional<StoredPart> find(NameKind kind, std::string_view name, unsigned item_code) = 0;

    // Whether the library can be reached at all; asked to tell "not found"
    // from "no library" in a message.
    virtual bool reachable() = 0;
};

}  // namespace gjbz108a
