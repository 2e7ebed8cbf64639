#include "search_results.h"

#include "error.h"
#include "locations.h"

#include "platform/replace_file.h"

namespace gjbz108a::talwen {

std::filesystem::path write_search_results(const std::vector<std::string>& names) {
    const std::filesystem::path file = search_results_file();
    std::string text;
    for (const std::string& name : names) text.append(name).push_back('\n');
    if (const std::string why = platform::replace_file(file, text); !why.empty())
        throw Error(file.string() + ": cannot write the search results: " + why);
    return file;
}

}  // namespace gjbz108a::talwen
