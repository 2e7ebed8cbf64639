// The header that every part dialog shares: the part's identification, the
// OK, Cancel and Help buttons and the six image buttons of the component
// library. Template 107 holds the header alone; every category template repeats
// these controls with the same ids.
#pragma once

#include "dialogs/category_dialogs.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace gjbz108a {

inline constexpr int kHeaderTemplateId = 107;
inline constexpr std::string_view kHeaderTemplateTitle = "Processor Dialog";

// How a header field moves between its control and its variable.
enum class HeaderExchange : std::uint8_t {
    selection,  // the ENV list's selected index (DDX_ToggleByte)
    quantity,   // u16 (DDX_EditWord) within kQuantityMin..kQuantityMax (DDV_CheckWord)
    text,       // text limited to max_chars characters, also while typing
    real,       // f32 (DDX_Editfloat)
};

inline constexpr std::uint16_t kQuantityMin = 1, kQuantityMax = 9999;

struct HeaderField {
    int id;
    ControlKind kind;
    std::string_view label;
    int label_id;
    HeaderExchange exchange;
    std::uint8_t max_chars;  // text fields only
    std::uint8_t order;      // 1-based position in the header's data exchange
    std::uint8_t name_kind;  // the host library's nameKind of the four name fields, else 0
    std::string_view unit;   // a unit to the right of the control, or empty
    int unit_id;
};

// The eight header fields in the order the template shows them, two a row.
// Their data exchange, in `order`, follows that of OK, Cancel and Help.
std::span<const HeaderField> header_fields() noexcept;

// The header field `id`, or nullptr.
const HeaderField* find_header_field(int id) noexcept;

// The header field of a nameKind 1..4, or nullptr.
const HeaderField* name_field(std::uint8_t name_kind) noexcept;

inline constexpr int kOkId = 1, kCancelId = 2, kHelpId = 1025;

// Ids of the six image buttons.
inline constexpr int kLibraryLookupId = 1019, kReviewDefaultsId = 1020, kAddToLibraryId = 1021,
                     kUpdateCrossReferenceId = 1022, kSearchId = 1023, kSearchAnywhereId = 1024;

struct HeaderButton {
    int id;
    std::string_view caption;
    bool image;  // an image button: the caption names its two pictures
};

// OK, Cancel, Help, then the six image buttons in id order.
std::span<const HeaderButton> header_buttons() noexcept;

// The picture of an image button: its caption followed by "U" (released) or
// "D" (pressed).
std::string button_image(std::string_view caption, bool pressed);

}  // namespace gjbz108a
