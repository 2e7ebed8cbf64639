// The tool-tip texts of the part dialogs: one text per control for every
// category, and the texts that one category replaces or adds for its own
// controls. The texts are static and NUL-terminated, so they outlive any
// tool-tip control that shows them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace gjbz108a {

struct ToolTip {
    int id;
    std::string_view text;
};

struct CategoryToolTip {
    std::uint8_t item_code;
    int id;
    std::string_view text;
};

std::span<const ToolTip> general_tool_tips() noexcept;
std::span<const CategoryToolTip> category_tool_tips() noexcept;

// The text for control `id` of a dialog whose own ItemCode is `item_code`
// (the dialog keeps 0 outside single-part mode, where only the general texts
// apply); empty when the control has no tool tip.
std::string_view tool_tip_text(unsigned item_code, int id) noexcept;

}  // namespace gjbz108a
