// The component library as the tool asks it, for the two things that a part
// row needs of it: the default parameters of a part type (for the cells left
// empty) and the parameters of a part stored under a name.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace gjbz108a::cli {

using Block = std::array<std::uint8_t, 102>;

// Which name a row gives: 1 generic name, 2 catalog number, 3 military number,
// 4 part name (the host library's name kinds).
enum class NameKind : std::uint8_t { generic_name = 1, catalog_number, military_number, part_name };

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

// The host library (libtalwen.so) through the plug-in's own loader, which
// loads it by name for each call: the tool merges the defaults and looks parts
// up exactly as the plug-in's editing dialog does, with whichever host library
// the plug-in would find. Each answer is kept for the rest of the run, so a
// long list asks once per part type and name, not once per row.
std::unique_ptr<PartLibrary> make_host_library();

}  // namespace gjbz108a::cli
