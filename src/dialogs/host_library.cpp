#include "dialogs/host_library.h"

// The host library's own header states each function's arguments; the calls
// below take their types from it, so the two sides cannot disagree.
#include <talwen/talwen.h>

#include "editing/host_library_constants.h"
#include "platform/library.h"

namespace gjbz108a {
namespace {

using platform::Library;

}  // namespace

void HostLibrary::set_current_wnd_parent(void* window) const {
    const Library library(file_);
    if (auto* function = library.find<decltype(SetCurrentWndParent)>("SetCurrentWndParent")) function(window);
}

std::int32_t HostLibrary::get_from_lib(std::int32_t name_kind, std::int32_t item_class, std::int32_t item_code,
                                       char* key, char* generic_name, std::uint8_t* block, char* host_text) const {
    const Library library(file_);
    auto* function = library.find<decltype(GetFromLib)>("GetFromLib");
    if (!function) return 0;
    return function(name_kind, kMethodConstant1, kMethodConstant8, item_class, item_code, key, generic_name, block,
                    host_text);
}

bool HostLibrary::get_dflt(std::int32_t item_class, std::int32_t item_code, std::int32_t type, std::int32_t subtype,
                           std::uint8_t* defaults) const {
    const Library library(file_);
    auto* function = library.find<decltype(GetDflt)>("GetDflt");
    if (!function) return false;
    function(kMethodConstant1, kMethodConstant8, item_class, item_code, type, subtype, defaults);
    return true;
}

void HostLibrary::put_to_lib(std::int32_t item_class, std::int32_t item_code, const char* generic_name,
                             const std::uint8_t* block) const {
    const Library library(file_);
    if (auto* function = library.find<decltype(PutToLib)>("PutToLib"))
        function(kMethodConstant1, kMethodConstant8, item_class, item_code, generic_name, block, 0, 0);
}

void HostLibrary::put_to_xref(std::int32_t name_kind, const char* name, const char* generic_name) const {
    const Library library(file_);
    if (auto* function = library.find<decltype(PutToXref)>("PutToXref")) function(name_kind, name, generic_name);
}

std::optional<std::int32_t> HostLibrary::search_in_lib(std::int32_t search_kind, std::int32_t name_kind,
                                                       std::int32_t item_class, std::int32_t item_code,
                                                       const char* key, char* result_path) const {
    const Library library(file_);
    auto* function = library.find<decltype(SearchInLib)>("SearchInLib");
    if (!function) return std::nullopt;
    return function(search_kind, name_kind, item_class, item_code, key, result_path);
}

}  // namespace gjbz108a
