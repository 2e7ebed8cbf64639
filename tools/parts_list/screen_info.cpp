#include "tools/parts_list/screen_info.h"

#include <cstdint>

namespace gjbz108a::cli {

const ScreenFieldList* screen_fields(unsigned item_code) noexcept {
    const ScreenFieldList* list = nullptr;  // GetScrInfo leaves it so for unsupported codes
    GetScrInfo(static_cast<std::int32_t>(item_code), &list);
    return list;
}

}  // namespace gjbz108a::cli
