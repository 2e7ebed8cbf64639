// The component library of a prediction or a change: the host library.
#pragma once

#include "editing/part_library.h"

#include <memory>

namespace gjbz108a::cli {

// The host library (libtalwen.so) through the plug-in's own loader, which
// loads it by name for each call: the tool merges the defaults and looks parts
// up exactly as the plug-in's editing dialog does, with whichever host library
// the plug-in would find. Each answer is kept for the rest of the run, so a
// long list asks once per part type and name, not once per row.
std::unique_ptr<PartLibrary> make_host_library();

}  // namespace gjbz108a::cli
