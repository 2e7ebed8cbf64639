// The effective parameter block of a part, built from its entered block and
// the component library's defaults as the editing dialog's OK builds it: the
// Type must be defined in a category that has one, then every field left
// undefined takes the default of the part's Type and SubType (entr_upd_def).
//
// A field still undefined after the merge (the library has no default for it)
// would reach the model as its storage's mark for "not defined": 127, 65535,
// the largest f32. Every field that a model reads is in the category's field
// table, so such a field of the table refuses the part. Three kinds of field
// may stay undefined because no model reads them: the SubType, which only picks
// the defaults set, the user quality factor while no quality says User, and the
// fields that only the screen information names (bytes and reals that no
// column and no dialog shows).
#pragma once

#include "editing/part_library.h"
#include "records/category_fields.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gjbz108a {

// The refusal of a part whose category has a Type (kTypeOffset) left at 0,
// before any default is looked up: the defaults sets are kept by Type.
inline constexpr char kTypeRequired[] = "You must define Type of the part.";

// The key of the user quality factor, which the models read only when a
// quality list of the block holds its last entry, User.
inline constexpr std::string_view kUserQualityKey = "user_pi_q";
bool user_quality_chosen(unsigned item_code, const std::uint8_t* block) noexcept;

// Whether `block` leaves the Type (kTypeOffset) undefined: nothing chosen.
bool type_undefined(const std::uint8_t* block) noexcept;

// The category's Type field when `block` leaves it undefined, else nullptr.
const ParameterField* missing_type(unsigned item_code, const std::uint8_t* block) noexcept;

// OK's defaults merge: the library's defaults of the entered Type and SubType
// fill every field of the category's screen information that `entered` leaves
// undefined (entr_upd_def); the other bytes of `effective` stay as they are.
// False, and `effective` untouched, when the library cannot give the defaults.
// It calls the method's GetScrInfo and entr_upd_def, which the program links.
bool merge_defaults(unsigned item_code, const std::uint8_t* entered, std::uint8_t* effective, PartLibrary& library);

struct FieldProblem {
    const ParameterField* field;
    std::string why;
};

// Writes the effective block of `edit_record` (an EditRecord of a supported
// category whose entered block is read): the entered block, merged with the
// defaults. The problems refuse the part; with any problem the effective block
// is not to be calculated.
std::vector<FieldProblem> build_effective_block(std::uint8_t* edit_record, PartLibrary& library);

}  // namespace gjbz108a
