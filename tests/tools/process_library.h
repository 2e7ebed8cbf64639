// The component library of this test process (see private_library.cpp),
// databases of their own for the tests that change one, and a folder beside
// it for the files that the tests run the tool on.
#pragma once

#include "files.h"

#include "support/temporary_library.h"

#include <filesystem>
#include <string>

namespace gjbz108a::cli::test {

const gjbz108a::test::TemporaryLibrary& process_library();

inline const std::filesystem::path& run_folder() {
    static const std::filesystem::path path = process_library().folder() / "run";
    std::filesystem::create_directories(path);
    return path;
}

// Writes the file `name` of the run folder; gives its path.
inline std::string write_in_run_folder(const std::string& name, const std::string& text) {
    const std::filesystem::path path = run_folder() / name;
    write_file(path, text);
    return path.string();
}

// A new database in the process's folder; TALWEN_DB names it while this lives
// and the process's own database again afterwards.
class FreshDatabase {
public:
    FreshDatabase() {
        static int count = 0;
        path_ = (process_library().folder() / ("fresh-" + std::to_string(++count) + ".db")).string();
        gjbz108a::test::set_environment("TALWEN_DB", path_);
    }
    ~FreshDatabase() { gjbz108a::test::set_environment("TALWEN_DB", process_library().database().string()); }
    FreshDatabase(const FreshDatabase&) = delete;
    FreshDatabase& operator=(const FreshDatabase&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace gjbz108a::cli::test
