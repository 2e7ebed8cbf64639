// The file that hands a search's candidates to the caller.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace gjbz108a::talwen {

// Writes the names, one on each line, to this process's search result file
// and returns its path. The file is replaced whole (written beside it, then
// renamed), so a reader never sees a half-written list.
std::filesystem::path write_search_results(const std::vector<std::string>& names);

}  // namespace gjbz108a::talwen
