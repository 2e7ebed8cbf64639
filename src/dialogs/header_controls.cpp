#include "dialogs/header_controls.h"

namespace gjbz108a {
namespace {

using X = HeaderExchange;
constexpr ControlKind kEdit = ControlKind::edit;

constexpr HeaderField kFields[]{
    {1028, kEdit, "Ref. des.:", 1123, X::text, 50, 3, 0, {}, 0},
    {1029, kEdit, "QTY:", 1128, X::quantity, 0, 2, 0, {}, 0},
    {1027, ControlKind::list, "ENV:", 1129, X::selection, 0, 1, 0, {}, 0},
    {1030, kEdit, "Temp:", 1130, X::real, 0, 8, 0, "°C", 1046},
    {1026, kEdit, "Part name:", 1124, X::text, 62, 7, 4, {}, 0},
    {1040, kEdit, "Mil. num.:", 1125, X::text, 62, 6, 3, {}, 0},
    {1041, kEdit, "Cat. num:", 1126, X::text, 62, 4, 2, {}, 0},
    {1042, kEdit, "Generic name:", 1127, X::text, 42, 5, 1, {}, 0},
};

constexpr HeaderButton kButtons[]{
    {kOkId, "OK", false},
    {kCancelId, "Cancel", false},
    {kHelpId, "Help", false},
    {kLibraryLookupId, "GETLIB", true},
    {kReviewDefaultsId, "DEFAULT", true},
    {kAddToLibraryId, "PUTLIB", true},
    {kUpdateCrossReferenceId, "PUTTOXR", true},
    {kSearchId, "SEARCH1", true},
    {kSearchAnywhereId, "SEARCH2", true},
};

}  // namespace

std::span<const HeaderField> header_fields() noexcept { return kFields; }

const HeaderField* find_header_field(int id) noexcept {
    for (const HeaderField& field : kFields)
        if (field.id == id) return &field;
    return nullptr;
}

const HeaderField* name_field(std::uint8_t name_kind) noexcept {
    if (name_kind == 0) return nullptr;
    for (const HeaderField& field : kFields)
        if (field.name_kind == name_kind) return &field;
    return nullptr;
}

std::span<const HeaderButton> header_buttons() noexcept { return kButtons; }

std::string button_image(std::string_view caption, bool pressed) {
    std::string name(caption);
    name += pressed ? 'D' : 'U';
    return name;
}

}  // namespace gjbz108a
