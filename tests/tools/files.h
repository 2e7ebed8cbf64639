// Whole files in tests: any file read or written, or one of the source tree
// read (the README, the shipped examples), which ctest names in
// GJBZ108A_SOURCE_DIR.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace gjbz108a::cli::test {

inline std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void write_file(const std::filesystem::path& path, const std::string& text) {
    EXPECT_TRUE(std::ofstream(path, std::ios::binary) << text) << path;
}

inline std::string source_folder() {
    const char* root = std::getenv("GJBZ108A_SOURCE_DIR");
    EXPECT_NE(root, nullptr) << "GJBZ108A_SOURCE_DIR is not set";
    return root ? root : ".";
}

inline std::string source_file(const std::string& relative) { return read_file(source_folder() + "/" + relative); }

}  // namespace gjbz108a::cli::test
