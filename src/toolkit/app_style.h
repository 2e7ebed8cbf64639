// The host's style object, from its style library found by name.
#pragma once

#include <appstyle/default_app_font.h>

namespace gjbz108a::toolkit {

#if defined(_WIN32)
inline constexpr const char* kStyleLibraryFile = "appstyle.dll";
#else
inline constexpr const char* kStyleLibraryFile = "libappstyle.so";
#endif

// The style object, or null when the style library or its entry is missing:
// the dialogs then keep the platform's own look. The library is loaded on
// first use and stays loaded, as the style object and its fonts live in it.
const CDefaultAppFont* app_style();

}  // namespace gjbz108a::toolkit
