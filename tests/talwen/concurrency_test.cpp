// Readers beside a long write: they see the last committed state at once, and
// a second writer waits for the first. (That a file lands whole or not at all
// is the import tests'; that a killed writer leaves the last committed state
// is the write-ahead log's, whose use the database tests pin.)
#include "fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace gjbz108a::talwen::test {
namespace {

// GetFromLib by generic name, as the dialogs call it.
int look_up(const char* generic, int item_code) { return Buffers("", generic).get(1, 1, item_code); }

TEST(Concurrency, ReadersGoOnWhileAnImportHoldsTheWriteLock) {
    TemporaryLibrary folder;
    ComponentLibrary library(folder.database());
    std::thread second_writer;
    const auto halfway = [&](std::size_t rows) {
        if (rows != 1000) return;
        // The write transaction is open with 1000 rows in it. Readers, on their
        // own connections, see the last committed state at once rather than
        // after the busy timeout.
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(look_up("LOGIC QUAD NAND2 CMOS DIP14", 3), 1);
        EXPECT_EQ(look_up("BULK 00001", 5), 0);
        std::array<char, 100> path{};
        EXPECT_EQ(SearchInLib(1, 1, 1, 5, "BULK", path.data()), 0);
        std::array<std::uint8_t, 104> defaults{};
        EXPECT_EQ(GetDflt(1, 8, 1, 5, 2, 0, defaults.data()), 1);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
        // A second writer waits for the first instead of failing.
        second_writer = std::thread([] { EXPECT_EQ(put("WAITED", 5), 1); });
        std::this_thread::sleep_for(std::chrono::milliseconds(200));  // let it reach the lock
    };
    EXPECT_EQ(import_text(library, import_parts, bulk_parts(2000), halfway), "");
    second_writer.join();
    EXPECT_EQ(look_up("BULK 02000", 5), 1);
    EXPECT_EQ(look_up("WAITED", 5), 1);
}

}  // namespace
}  // namespace gjbz108a::talwen::test
