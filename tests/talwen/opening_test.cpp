// Opening a database: what is refused is left byte for byte as it was, what
// is missing or empty is filled. Writing beside others: readers beside a long
// write see the last committed state at once, a second writer waits for the
// first, and one that waits too long says why. (That a file lands whole or not
// at all is the import tests'; that a killed writer leaves the last committed
// state is the write-ahead log's, whose use is pinned here.)
#include "fixture.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace gjbz108a::talwen::test {
namespace {

namespace fs = std::filesystem;

// The library refuses in words what it cannot use; the exports fail quietly.
TEST(Opening, ANewerOrForeignDatabaseIsRefusedUntouched) {
    struct Case {
        const char* setup;  // on a database in rollback-journal mode, as another program keeps one; none: a text file
        std::string error;  // after the file name (for a text file any reason, in SQLite's words)
    };
    const Case cases[] = {
        {"CREATE TABLE parts (x); PRAGMA user_version = 3",
         ": the database has schema version 3; this library knows versions up to 2"},
        {"CREATE TABLE notes (x); INSERT INTO notes VALUES (1)",
         ": not a component library: the database holds tables of another program"},
        {"PRAGMA journal_mode = WAL; CREATE TABLE parts (x); PRAGMA user_version = 7",
         ": the database has schema version 7; this library knows versions up to 2"},
        {nullptr, ""},
    };
    for (const auto& [setup, error] : cases) {
        SCOPED_TRACE(setup ? setup : "a text file");
        TemporaryLibrary folder;
        fs::create_directories(folder.database().parent_path());
        if (setup) Connection(folder.database()).execute(setup);
        else std::ofstream(folder.database()) << "this is not a database, but a text file of some length........";
        const std::string before = file_text(folder.database());
        const std::string refusal = error_of([&] { ComponentLibrary library(folder.database()); });
        if (setup) EXPECT_EQ(refusal, folder.database().string() + error);
        else EXPECT_TRUE(refusal.starts_with(folder.database().string() + ": ")) << refusal;
        EXPECT_EQ(Buffers("", "ANY").get(1, 1, 3), 0);
        EXPECT_EQ(put("ANY", 3), 0);
        std::array<std::uint8_t, 104> block{};
        EXPECT_EQ(GetDflt(1, 8, 1, 3, 1, 2, block.data()), 0);
        EXPECT_EQ(block_text(3, block.data()), "2, Logic, -, -, -, -, -, -, -");  // undefined values, not stale bytes
        SetCurrentWndParent(nullptr);                                           // accepted whatever the state
        EXPECT_EQ(file_text(folder.database()), before);
        EXPECT_FALSE(fs::exists(folder.database().string() + "-journal"));
    }
}

// A missing file, an empty file or an empty database is filled with the
// shipped data, in write-ahead-log mode, also when an export opens it first; a
// library of the current schema is kept as it is; one of schema version 1,
// from before the environment names, is brought up to date and keeps its parts.
TEST(Opening, MissingAndEmptyLibrariesAreFilledCurrentOnesKeptOlderOnesBroughtUpToDate) {
    enum Start { missing, empty_file, created };  // created by an earlier opening
    const struct {
        Start start;
        const char* setup;  // then
        bool refilled;      // the parts deleted by the setup are back
    } cases[] = {
        {missing, "", true},
        {empty_file, "", true},
        {empty_file, "PRAGMA page_size = 4096; VACUUM", true},
        {created, "DELETE FROM parts WHERE item_code = 3", false},
        {created, "DELETE FROM parts WHERE item_code = 3; DROP TABLE environment_names; PRAGMA user_version = 1", false},
    };
    for (const auto& [start, setup, refilled] : cases) {
        SCOPED_TRACE(testing::Message() << start << " " << setup);
        TemporaryLibrary folder;
        if (start != missing) fs::create_directories(folder.database().parent_path());
        if (start == created) ComponentLibrary{folder.database()};
        if (start == empty_file) std::ofstream{folder.database()};  // zero bytes
        if (*setup != '\0') Connection(folder.database()).execute(setup);
        Buffers buffers("cat-10010");  // data/cross_references.csv
        ASSERT_EQ(buffers.get(2, 1, 3), refilled ? 1 : 0);
        if (refilled) {
            EXPECT_STREQ(buffers.generic.data(), "LOGIC QUAD NAND2 CMOS DIP14");
            EXPECT_EQ(block_text(3, buffers.block.data()), "-, Logic, MOS, Package Dual In-Line, B2, Stabilized, 14, 50, -");
        }
        ComponentLibrary library(folder.database());
        Connection db(folder.database());
        EXPECT_EQ(db.query_integer("PRAGMA user_version"), 2);
        EXPECT_EQ(db.query_integer("SELECT count(*) FROM parts"), refilled ? 70 : 61);  // 9 of them IC Digital
        EXPECT_EQ(db.query_integer("SELECT count(*) FROM cross_references"), 129);
        EXPECT_EQ(db.query_integer("SELECT journal_mode = 'wal' FROM pragma_journal_mode"), 1);
        EXPECT_TRUE(library.environment_names().empty());
        for (unsigned code : {3u, 4u}) {  // each write replaces the names
            library.write(
                [&](ComponentLibrary::Writer& writer) { writer.replace_environment_names({{1, "GB"}, {code, "NS"}}); });
        }
        const auto names = library.environment_names();
        ASSERT_EQ(names.size(), 2u);
        EXPECT_EQ(names[1].code, 4u);
        EXPECT_EQ(names[1].name, "NS");
    }
}

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
        EXPECT_EQ(look_up("BULK 1", 5), 0);
        std::array<char, 100> path{};
        EXPECT_EQ(SearchInLib(1, 1, 1, 5, "BULK", path.data()), 0);
        std::array<std::uint8_t, 104> defaults{};
        EXPECT_EQ(GetDflt(1, 8, 1, 5, 2, 0, defaults.data()), 1);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
        // A second writer waits for the first instead of failing; one that
        // waits too long says why (here at once instead of after 10 s).
        Connection impatient(folder.database());
        sqlite3_busy_timeout(impatient.handle(), 0);
        EXPECT_EQ(error_of([&] { impatient.execute("BEGIN IMMEDIATE"); }),
                  folder.database().string() +
                      ": another process is writing the component library and did not finish in 10 s of waiting; "
                      "try again when it is done");
        second_writer = std::thread([] { EXPECT_EQ(put("WAITED", 5), 1); });
        std::this_thread::sleep_for(std::chrono::milliseconds(200));  // let it reach the lock
    };
    std::string parts = "generic_name, category, style, quality\n";
    for (int i = 1; i <= 2000; ++i) parts += "BULK " + std::to_string(i) + ", 5, Metal Film, B2\n";
    EXPECT_EQ(import_text(library, import_parts, parts, halfway), "");
    second_writer.join();
    EXPECT_EQ(look_up("BULK 2000", 5), 1);
    EXPECT_EQ(look_up("WAITED", 5), 1);
}

}  // namespace
}  // namespace gjbz108a::talwen::test
