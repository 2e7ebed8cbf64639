#include "search_results.h"

#include "error.h"
#include "locations.h"

#include <fstream>

namespace gjbz108a::talwen {

std::filesystem::path write_search_results(const std::vector<std::string>& names) {
    const std::filesystem::path file = search_results_file();
    std::filesystem::path partial = file;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        for (const std::string& name : names) out << name << '\n';
        out.close();
        if (!out) throw Error(partial.string() + ": cannot write the search results");
    }
    std::filesystem::rename(partial, file);
    return file;
}

}  // namespace gjbz108a::talwen
