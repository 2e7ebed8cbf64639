// A private folder for one test, holding the component library's database
// and search results, removed afterwards. The environment variables that the
// host library reads point into it while the test runs.
#pragma once

#include "support/portable.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace gjbz108a::test {

class TemporaryLibrary {
public:
    TemporaryLibrary() {
        if (const char* earlier = std::getenv(kSearchFolderVariable)) earlier_search_folder_ = earlier;
        folder_ = make_unique_folder("talwen-test-");
        set_environment("TALWEN_DB", database().string());
        set_environment(kSearchFolderVariable, folder_.string());
    }
    // The search folder's variable is restored: on Windows it names the
    // process's temporary folder too.
    ~TemporaryLibrary() {
        unset_environment("TALWEN_DB");
        if (earlier_search_folder_) set_environment(kSearchFolderVariable, *earlier_search_folder_);
        else unset_environment(kSearchFolderVariable);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TemporaryLibrary(const TemporaryLibrary&) = delete;
    TemporaryLibrary& operator=(const TemporaryLibrary&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path database() const { return folder_ / "data" / "library.db"; }

private:
    std::optional<std::string> earlier_search_folder_;
    std::filesystem::path folder_;
};

}  // namespace gjbz108a::test
