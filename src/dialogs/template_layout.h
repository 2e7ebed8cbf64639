// Dialog templates built from the tables: the header template, one template
// per category and the search-results template, with the rectangles of every
// control. Positions are in dialog units of the template font (about four
// units to an average character across, eight to a line down); the platform
// turns them into pixels and the themed base scales them to the host's font.
//
// Layout: the header of every part dialog sits where template 107 has it, to
// the right of the category icon; the category's controls follow in rows, one
// a row, each with its label to the left; OK, Cancel and Help close the
// template at the bottom right.
#pragma once

#include "dialogs/category_dialogs.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace gjbz108a {

// The id of statics that code never addresses.
inline constexpr int kStaticId = -1;

struct Rect {
    int x;
    int y;
    int width;
    int height;
};

// What a template control is; each maps onto one window class and its style.
enum class ControlStyle : std::uint8_t {
    label,                // Static, left-aligned text
    icon,                 // Static showing the icon resource `icon`
    group_box,            // Button, a frame with its text at the top
    edit,                 // Edit with a border, scrolling horizontally
    drop_down_list,       // ComboBox, a drop-down list with a vertical scroll bar
    sorted_list_box,      // ListBox, sorted, with a vertical scroll bar
    push_button,          // Button
    default_push_button,  // Button, the one Enter presses
    image_button,         // Button, owner-drawn; its text names its pictures
};

// "Static", "Button", "Edit", "ComboBox" or "ListBox".
std::string_view window_class(ControlStyle style) noexcept;

struct TemplateControl {
    int id;
    ControlStyle style;
    std::string_view text;
    Rect rect;
    int icon = 0;                          // icon statics only
    std::vector<std::string_view> items;  // drop-down lists: "---" then the entries
};

struct DialogTemplate {
    int id;
    std::string_view title;
    int width;
    int height;
    std::vector<TemplateControl> controls;  // in tab order; a label just before its control
};

inline constexpr int kSearchResultsTemplateId = 130;
inline constexpr int kSearchResultsListId = 1250;

DialogTemplate header_template();
DialogTemplate category_template(const CategoryDialog& dialog);
DialogTemplate search_results_template();

}  // namespace gjbz108a
