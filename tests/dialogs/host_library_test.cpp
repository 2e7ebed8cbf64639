// The plug-in's calls into the host library: through the real libtalwen.so
// of the build, and with the library or its functions missing.
#include "support/temporary_library.h"

#include "dialogs/host_library.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace gjbz108a {
namespace {

using test::TemporaryLibrary;

TEST(HostLibrary, EveryCallLoadsTheLibraryAndUnloadsItAfter) {
    TemporaryLibrary folder;
    const HostLibrary host;
    ASSERT_FALSE(test::library_loaded(kHostLibraryFile));

    std::array<std::uint8_t, 104> block{};
    block[1] = 3;  // Carbon Film
    host.put_to_lib(1, 5, "LOADER RESISTOR", block.data());
    host.put_to_xref(3, "LR-MIL-1", "LOADER RESISTOR");
    host.set_current_wnd_parent(nullptr);

    std::array<char, 64> key{};
    std::array<char, 44> generic{};
    std::array<char, 60> host_text{};
    std::strcpy(key.data(), "lr-mil-1");
    std::array<std::uint8_t, 104> found{};
    EXPECT_EQ(host.get_from_lib(3, 1, 5, key.data(), generic.data(), found.data(), host_text.data()), 1);
    EXPECT_STREQ(generic.data(), "LOADER RESISTOR");
    EXPECT_STREQ(key.data(), "LR-MIL-1");
    EXPECT_EQ(found[1], 3);

    std::array<std::uint8_t, 104> defaults{};
    EXPECT_TRUE(host.get_dflt(1, 5, 3, 0, defaults.data()));
    EXPECT_EQ(defaults[1], 3);  // the type asked for: the library's values are its own tests'

    std::array<char, 100> path{};
    // The results file is read by the live searches.
    EXPECT_EQ(host.search_in_lib(2, 1, 1, 5, "loader", path.data()), std::optional<std::int32_t>(1));
    EXPECT_EQ(host.search_in_lib(2, 1, 1, 5, "no such part", path.data()), std::optional<std::int32_t>(0));
    // A call that kept its reference to the library would keep it loaded to the end.
    EXPECT_FALSE(test::library_loaded(kHostLibraryFile));
}

// Without the library, or with a library that lacks the functions (the
// plug-in itself, in the same folder), every call is silent and says so in
// its result as the callers expect.
TEST(HostLibrary, AMissingLibraryOrFunctionIsSilent) {
    TemporaryLibrary folder;
    for (const char* file : {"libtalwen-not-installed.so", "libgjbz108a.so"}) {
        const HostLibrary host(file);
        std::array<char, 64> key{};
        std::array<char, 44> generic{};
        std::array<char, 60> host_text{};
        std::strcpy(generic.data(), "LOGIC QUAD NAND2 CMOS DIP14");  // shipped, were the library there
        std::array<std::uint8_t, 104> block;
        block.fill(0xEE);
        EXPECT_EQ(host.get_from_lib(1, 1, 3, key.data(), generic.data(), block.data(), host_text.data()), 0) << file;
        EXPECT_FALSE(host.get_dflt(1, 3, 1, 0, block.data())) << file;
        EXPECT_EQ(block[3], 0xEE) << file;
        std::array<char, 100> path{};
        EXPECT_EQ(host.search_in_lib(1, 1, 1, 3, "LOGIC", path.data()), std::nullopt) << file;
        EXPECT_EQ(path[0], '\0');
        host.put_to_lib(1, 3, "NOT STORED", block.data());
        host.put_to_xref(2, "NOT-STORED", "NOT STORED");
        host.set_current_wnd_parent(nullptr);
    }
    // Nothing reached a database: none was even created.
    EXPECT_FALSE(std::filesystem::exists(folder.database()));
}

}  // namespace
}  // namespace gjbz108a
