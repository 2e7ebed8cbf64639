// Replacing a file whole: what the replaced file keeps.
#include "platform/replace_file.h"

#include "support/portable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace gjbz108a::platform {
namespace {

namespace fs = std::filesystem;

#if !defined(_WIN32)  // modes and symbolic links as POSIX systems have them
TEST(ReplaceFile, KeepsTheModeAndARelativeLinkWhoseTargetIsReplaced) {
    const fs::path folder = test::make_unique_folder("replace-file-");
    std::ofstream(folder / "list.csv") << "old";
    fs::permissions(folder / "list.csv", fs::perms(0640));
    fs::create_symlink("list.csv", folder / "link.csv");  // relative to the link's folder, not the working one
    EXPECT_EQ(replace_file(folder / "link.csv", "new"), "");
    EXPECT_TRUE(fs::is_symlink(folder / "link.csv"));
    std::ostringstream replaced;
    replaced << std::ifstream(folder / "list.csv").rdbuf();
    EXPECT_EQ(replaced.str(), "new");
    EXPECT_EQ(fs::status(folder / "list.csv").permissions(), fs::perms(0640));
    fs::remove_all(folder);
}
#endif

}  // namespace
}  // namespace gjbz108a::platform
