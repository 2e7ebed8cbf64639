// Re-styling a dialog's controls for owner drawing: which painter each
// control gets, by window class, style bits and id.
#pragma once

#include "platform/window.h"
#include "toolkit/themed_owner.h"

#include <cstdint>
#include <string_view>

namespace gjbz108a::toolkit {

enum class Painter { none, edit, combo, group_box, radio, check_box, push_button, list_view, static_text, list, tab };

struct Restyling {
    Painter painter = Painter::none;
    bool strip_edges = false;    // the border and the sunken and static edges go
    bool strip_caption = false;
    bool unknown_class = false;  // left alone, with a debug trace
};

// The decision for one control.
Restyling restyling_for(std::string_view class_name, std::uint32_t style, int id);

// Re-styles every direct child of `dialog` in order, with `owner` as the
// painters' reference data under `subclass_id`, and redraws each.
void restyle_children(platform::Hwnd dialog, const ThemedOwner& owner, std::uintptr_t subclass_id);

// The painter's procedure (exposed for the painters' own tests).
platform::SubclassProcedure painter_procedure(Painter painter);

}  // namespace gjbz108a::toolkit
