// The component library of this test process (see private_library.cpp), and
// databases of their own for the tests that change one.
#pragma once

#include "support/temporary_library.h"

#include <string>

namespace gjbz108a::cli::test {

const gjbz108a::test::TemporaryLibrary& process_library();

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
