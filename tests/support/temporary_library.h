// A private folder for one test, holding the component library's database
// and search results, removed afterwards. The environment variables that the
// host library reads point into it while the test runs.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <stdlib.h>

namespace gjbz108a::test {

class TemporaryLibrary {
public:
    TemporaryLibrary() {
        std::string pattern = (std::filesystem::temp_directory_path() / "talwen-test-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        ::setenv("TALWEN_DB", database().c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
    }
    ~TemporaryLibrary() {
        ::unsetenv("TALWEN_DB");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TemporaryLibrary(const TemporaryLibrary&) = delete;
    TemporaryLibrary& operator=(const TemporaryLibrary&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path database() const { return folder_ / "data" / "library.db"; }

private:
    std::filesystem::path folder_;
};

}  // namespace gjbz108a::test
