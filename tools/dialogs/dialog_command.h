// gjbz108a dialog and gjbz108a edit: a part's editing dialog from the command
// line. The dialog runs in whichever window system the platform layer has; the
// headless one performs the actions of a file and both commands print what a
// user would have seen at the end.
#pragma once

#include "editing/part_library.h"

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace gjbz108a::cli {

// The arguments that follow "dialog". Exit status 0 when the dialog ran,
// 2 for bad arguments, an unreadable file or a part that is not in the list.
int dialog_command(std::span<const std::string_view> arguments, std::istream& standard_input, std::ostream& out,
                   std::ostream& err, PartLibrary* library = nullptr);

// The arguments that follow "edit": the part's dialog in single-part mode,
// and on OK its row rewritten where the dialog changed it.
int edit_command(std::span<const std::string_view> arguments, std::istream& standard_input, std::ostream& out,
                 std::ostream& err, PartLibrary* library = nullptr);

}  // namespace gjbz108a::cli
