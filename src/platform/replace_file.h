// Replacing a file whole, so that a reader sees the old bytes or the new ones,
// never a mix, and a failure leaves the old file as it was.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace gjbz108a::platform {

// Writes `bytes` to a new file beside the target and renames it over the
// target. The new file is created exclusively under a unique name, never
// through a symbolic link, takes the mode (and, where permitted, the owner and
// group) of the file it replaces, and is synced before the rename; the folder
// is synced after it. A `path` that is a symbolic link keeps the link: the
// file it points to is replaced. A file with more than one hard link is
// refused, as a rename would part it from its other names. Empty on success,
// else why, in the system's words: "No space left on device".
std::string replace_file(const std::filesystem::path& path, std::string_view bytes);

}  // namespace gjbz108a::platform
