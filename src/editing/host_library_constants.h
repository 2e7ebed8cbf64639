// The constants of the calls between the plug-in and the host library: the
// plug-in's dialogs and command-line host pass them, the host library checks
// them. One home for both sides.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gjbz108a {

// Which name field a text comes from; the host library's nameKind.
enum class NameKind : std::uint8_t { generic_name = 1, catalog_number = 2, military_number = 3, part_name = 4 };

// The first two arguments of GetFromLib, GetDflt and PutToLib: they name this
// prediction method to the host library, whose stored parameter blocks are laid
// out for it. Their values mean nothing beyond that.
constexpr std::int32_t kMethodConstant1 = 1;
constexpr std::int32_t kMethodConstant8 = 8;

// The item class of the parts of this method: electronic parts.
constexpr std::int32_t kElectronicItemClass = 1;

// The callers' buffers that the host library writes into, with their closing
// NUL, and the longest name each holds.
constexpr std::size_t kBlockBuffer = 104;          // a 102-byte block; the last two bytes are not touched
constexpr std::size_t kGenericNameBuffer = 44;     // GetFromLib's generic name
constexpr std::size_t kKeyBuffer = 64;             // GetFromLib's catalog number, military number or part name
constexpr std::size_t kHostTextBuffer = 60;        // the host's own text, passed through
constexpr std::size_t kResultPathBuffer = 100;     // SearchInLib's result file
constexpr std::size_t kLongestGenericName = 42;    // as the record's char[43]
constexpr std::size_t kLongestName = 62;           // as the record's char[63] name fields

}  // namespace gjbz108a
