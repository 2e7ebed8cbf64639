// The theme's images, drawn in code: check boxes, radio buttons, the push
// button and its hover state, the drop-down box.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace appstyle {

struct Image {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows from the top
};

// The pixels that DrawTransparentBitmap leaves out.
inline constexpr std::uint32_t kTransparentPixel = 0xFF00FF;

// The image of `name`, or nothing for a name the theme has no image for.
std::optional<Image> draw_image(std::string_view name);

}  // namespace appstyle
