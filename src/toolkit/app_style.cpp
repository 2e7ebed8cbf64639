#include "toolkit/app_style.h"

#include "platform/library.h"

namespace gjbz108a::toolkit {

const CDefaultAppFont* app_style() {
    // Never unloaded, not even at exit: the style object and what it handed
    // out live in the library for as long as the process runs.
    static const platform::Library* const library = new platform::Library(kStyleLibraryFile);
    static const CDefaultAppFont* const style = [] {
        auto* entry = library->find<decltype(CDefaultAppFont_GetInstance)>("CDefaultAppFont_GetInstance");
        return entry ? entry() : nullptr;
    }();
    return style;
}

}  // namespace gjbz108a::toolkit

// The plug-in exports these two members of the style class beside its C
// functions, so that a host can copy a style object it got from the plug-in.
CDefaultAppFont::CDefaultAppFont(const CDefaultAppFont& other) = default;
CDefaultAppFont& CDefaultAppFont::operator=(const CDefaultAppFont& other) = default;
