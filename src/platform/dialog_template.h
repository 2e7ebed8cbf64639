// Dialog templates as data: the dialog's title, size and font, and its
// controls with id, class, style, text and rectangle, in dialog pixels.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gjbz108a::platform {

struct ControlTemplate {
    int id = 0;
    std::string class_name;  // "Edit", "ComboBox", "Button", "Static", "ListBox", ...
    std::uint32_t style = 0;  // child and visible are implied
    std::string text;
    Rect rect;                // in the dialog's client coordinates
    std::uint32_t ex_style = 0;
    std::vector<std::string> items;  // the entries of a list, in order
};

struct DialogTemplate {
    std::string title;
    Point position;  // of the window, on the screen
    Size client_size;
    LogicalFont font{"MS Sans Serif", -11, 400};
    std::vector<ControlTemplate> controls;
};

}  // namespace gjbz108a::platform
