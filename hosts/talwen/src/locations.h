// Where the library keeps its files: the database, and the result file of a
// search that the caller reads after the call.
#pragma once

#include <filesystem>

namespace gjbz108a::talwen {

// TALWEN_DB when set and not empty; else talwen/library.db in the user's data
// directory: $XDG_DATA_HOME, else ~/.local/share (on Windows %LOCALAPPDATA%).
std::filesystem::path default_database_location();

// The search result file of this process, in a folder only this user can
// enter: talwen/ in $XDG_RUNTIME_DIR, else talwen-<uid>/ in the temporary
// folder. The folder is created when missing; one that is not ours, or that
// others may write to, is refused (another user could swap the file).
std::filesystem::path search_results_file();

}  // namespace gjbz108a::talwen
