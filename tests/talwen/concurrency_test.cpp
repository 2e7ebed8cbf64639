// Readers beside a long write, and a writer killed in the middle of an
// import: the database must stay readable and consistent.
#include "fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>
#endif

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

// The writer is a forked child: POSIX systems only.
#if !defined(_WIN32)
TEST(Concurrency, AnImportKilledHalfwayLeavesTheLastCommittedState) {
    TemporaryLibrary folder;
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
            import_text(library, import_parts, bulk_parts(4000), [&](std::size_t rows) {
                if (rows != 3000) return;
                const char ready = 'r';
                if (::write(pipe_ends[1], &ready, 1) != 1) ::_exit(3);
                for (;;) ::pause();
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
    Connection db(folder.database());
    Statement check(db, "PRAGMA integrity_check");
    ASSERT_TRUE(check.step());
    EXPECT_EQ(check.text(0), "ok");
    EXPECT_EQ(library.parts().size(), 70u);  // the shipped parts the child's library was created with

    // The library takes writes again: the dead writer's lock went with it.
    EXPECT_EQ(import_text(library, import_parts, bulk_parts(10)), "");
    EXPECT_EQ(library.parts().size(), 80u);
}
#endif

}  // namespace
}  // namespace gjbz108a::talwen::test
