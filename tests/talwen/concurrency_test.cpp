// Readers beside a long write, and a writer killed in the middle of an
// import: the database must stay readable and consistent.
#include "support/temporary_library.h"

#include <talwen/talwen.h>

#include "component_library.h"
#include "csv_exchange.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <sstream>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace gjbz108a::talwen {
namespace {

using test::TemporaryLibrary;

// A parts file of `count` resistors named BULK 00001, BULK 00002, ...
std::string bulk_parts(int count) {
    std::string text = "generic_name, category, style, quality\n";
    for (int i = 1; i <= count; ++i) {
        std::array<char, 64> row{};
        std::snprintf(row.data(), row.size(), "BULK %05d, 5, Metal Film, B2\n", i);
        text += row.data();
    }
    return text;
}

// GetFromLib by generic name through the exported interface, as the dialogs call it.
int look_up(const char* generic, int item_code) {
    std::array<char, 64> key{};
    std::array<char, 44> name{};
    std::array<std::uint8_t, 104> block{};
    std::array<char, 60> host_text{};
    std::snprintf(name.data(), name.size(), "%s", generic);
    return GetFromLib(1, 1, 8, 1, item_code, key.data(), name.data(), block.data(), host_text.data());
}

TEST(Concurrency, ReadersGoOnWhileAnImportHoldsTheWriteLock) {
    TemporaryLibrary folder;
    { ComponentLibrary created(folder.database()); }

    std::mutex mutex;
    std::condition_variable changed;
    bool writer_paused = false, readers_done = false;
    std::thread writer([&] {
        ComponentLibrary library(folder.database());
        std::istringstream in(bulk_parts(2000));
        library.write([&](ComponentLibrary::Writer& w) {
            import_parts(w, in, "bulk.csv", [&](std::size_t rows) {
                if (rows != 1000) return;
                std::unique_lock lock(mutex);
                writer_paused = true;
                changed.notify_all();
                changed.wait(lock, [&] { return readers_done; });
            });
        });
    });
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return writer_paused; });
    }
    // The write transaction is open with 1000 rows in it. Readers see the last
    // committed state, at once rather than after the busy timeout.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(look_up("LOGIC QUAD NAND2 CMOS DIP14", 3), 1);
    EXPECT_EQ(look_up("BULK 00001", 5), 0);
    std::array<char, 100> path{};
    EXPECT_EQ(SearchInLib(1, 1, 1, 5, "BULK", path.data()), 0);
    std::array<std::uint8_t, 104> defaults{};
    EXPECT_EQ(GetDflt(1, 8, 1, 5, 2, 0, defaults.data()), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    // A second writer waits for the first instead of failing.
    std::thread second_writer([&] {
        const std::array<std::uint8_t, 104> block{};
        EXPECT_EQ(PutToLib(1, 8, 1, 5, "WAITED", block.data(), 0, 0), 1);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // let it reach the lock
    {
        std::lock_guard lock(mutex);
        readers_done = true;
        changed.notify_all();
    }
    writer.join();
    second_writer.join();
    EXPECT_EQ(look_up("BULK 02000", 5), 1);
    EXPECT_EQ(look_up("WAITED", 5), 1);
}

TEST(Concurrency, AnImportKilledHalfwayLeavesTheLastCommittedState) {
    TemporaryLibrary folder;
    std::size_t parts_before = 0;
    {
        ComponentLibrary library(folder.database());
        parts_before = library.parts().size();
    }
    int pipe_ends[2];
    ASSERT_EQ(::pipe(pipe_ends), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child imports and stops halfway, inside its write transaction,
        // until it is killed. It never returns to the test framework.
        ::close(pipe_ends[0]);
        try {
            ComponentLibrary library(folder.database());
            std::istringstream in(bulk_parts(4000));
            library.write([&](ComponentLibrary::Writer& w) {
                import_parts(w, in, "bulk.csv", [&](std::size_t rows) {
                    if (rows != 3000) return;
                    const char ready = 'r';
                    if (::write(pipe_ends[1], &ready, 1) != 1) ::_exit(3);
                    for (;;) ::pause();
                });
            });
        } catch (...) {
        }
        ::_exit(2);
    }
    ::close(pipe_ends[1]);
    char ready = 0;
    ASSERT_EQ(::read(pipe_ends[0], &ready, 1), 1);
    ::close(pipe_ends[0]);
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    ComponentLibrary library(folder.database());
    {
        Connection db(folder.database());
        Statement check(db, "PRAGMA integrity_check");
        ASSERT_TRUE(check.step());
        EXPECT_EQ(check.text(0), "ok");
    }
    EXPECT_EQ(library.parts().size(), parts_before);
    EXPECT_FALSE(library.find_part("BULK 00001"));
    EXPECT_TRUE(library.find_part("SRAM 256K X 8 CMOS SO32"));

    // The library takes writes again: the dead writer's lock went with it.
    std::istringstream in(bulk_parts(10));
    library.write([&](ComponentLibrary::Writer& w) { import_parts(w, in, "bulk.csv"); });
    EXPECT_EQ(library.parts().size(), parts_before + 10);
}

}  // namespace
}  // namespace gjbz108a::talwen
