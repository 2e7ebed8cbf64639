// The built tool against failing outputs, unreadable inputs and files that a
// rewrite must not harm: each fault has its own message and exit status 2,
// never the last-resort handler's, and nothing is lost.
#include "sqlite.h"
#include "tool_shell.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace gjbz108a::cli::test {
namespace {

namespace fs = std::filesystem;

const std::string kList =
    "ref,qty,category,environment,temperature,cycling_rate,style,quality\n"
    "C1,1,CAPACITOR,1,30,5,Mica,B1\n"
    "R1,1,Resistor,1,30,5,Chip Film,B1\n";

TEST(IoFaults, AnOutputThatCannotBeWrittenIsNoSuccess) {
    write_in_run_folder("list.csv", kList);
    const std::string full = "gjbz108a: cannot write standard output: No space left on device\n";
    // Every command writes through the one standard output that the tool
    // closes last: a command of each kind.
    for (const char* command :
         {"TOOL list.csv", "TOOL report --format json list.csv", "TOOL --list-fields", "TOOL lib export parts",
          "TOOL change list.csv --category 7 --set quality=B2"}) {
        const CommandRun run = shell(std::string(command) + " >/dev/full");
        EXPECT_EQ(run.status, 2) << command;
        // Nothing else: change does not go on to say how many parts it changed.
        EXPECT_EQ(run.err, full) << command;
    }
    // A reader that stops reading is no fault to report, but the output did
    // not all arrive: with SIGPIPE ignored, as some shells leave it.
    std::string long_list = "ref,qty,category,environment,temperature,cycling_rate\n";
    for (int i = 0; i < 4000; ++i) long_list.append("F").append(std::to_string(i)).append(",1,FUSES,1,30,5\n");
    write_in_run_folder("long.csv", long_list);
    const CommandRun piped = shell("trap '' PIPE; TOOL long.csv | head -c 10 >/dev/null");
    EXPECT_EQ(piped.err, "");
}

TEST(IoFaults, AnInputThatCannotBeReadStopsWithItsReason) {
    fs::create_directories(run_folder() / "dir");
    struct Case {
        const char* command;
        const char* err;
    };
    const Case cases[] = {
        {"TOOL dir", "gjbz108a: cannot read dir: Is a directory\n"},
        {"TOOL missing.csv", "gjbz108a: cannot open missing.csv: No such file or directory\n"},
        {"TOOL - <&-", "gjbz108a: cannot read standard input: Bad file descriptor\n"},
        {"TOOL change dir --category 7 --set quality=B2", "gjbz108a: cannot read dir: Is a directory\n"},
        {"TOOL lib import parts dir", "gjbz108a: cannot read dir: Is a directory\ngjbz108a lib: nothing imported\n"},
        {"TOOL lib import parts - <&-",
         "gjbz108a: cannot read standard input: Bad file descriptor\ngjbz108a lib: nothing imported\n"},
    };
    for (const auto& [command, err] : cases) {
        const CommandRun run = shell(command);
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_EQ(run.err, err) << command;
        EXPECT_EQ(run.out, "") << command;
    }
}

// change -o LIST rewrites LIST in place; what LIST is must survive it. (Its
// mode and a link to it are the file replacement's own tests, platform suite.)
TEST(IoFaults, AnInPlaceRewriteKeepsTheFileItReplaces) {
    const fs::path list = run_folder() / "kept.csv";
    std::string changed = kList;
    changed.replace(changed.find("B1"), 2, "B2");
    const std::string change = "TOOL change kept.csv --category 7 --set quality=B2 -o ";

    // Files planted under the name a fixed temporary would take are not touched.
    write_file(list, kList);
    write_in_run_folder("victim", "precious");
    write_in_run_folder("kept.csv.partial", "mine");
    EXPECT_EQ(shell(change + "kept.csv").status, 0);
    EXPECT_EQ(read_file(run_folder() / "kept.csv.partial"), "mine");
    fs::remove(run_folder() / "kept.csv.partial");
    fs::create_symlink("victim", run_folder() / "kept.csv.partial");
    write_file(list, kList);
    EXPECT_EQ(shell(change + "kept.csv").status, 0);
    EXPECT_EQ(read_file(run_folder() / "victim"), "precious");
    EXPECT_EQ(read_file(list), changed);

    // A second name would be parted from the new content: refused, untouched.
    write_file(list, kList);
    fs::remove(run_folder() / "second.csv");
    fs::create_hard_link(list, run_folder() / "second.csv");
    CommandRun run = shell(change + "kept.csv");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "gjbz108a: cannot write kept.csv: the file has 2 hard links, which replacing it would part; "
                       "write to another file\n");
    EXPECT_EQ(read_file(list), kList);

    // A list with a problem writes nothing, not even an empty file.
    write_in_run_folder("broken.csv", kList + "C2,1,CAPACITOR,1,30,5,Mica,B9\n");
    run = shell("TOOL change broken.csv --category 7 --set quality=B2 -o never.csv");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "broken.csv:4: column 'quality': 'B9' is not an entry of the list (A1p, A1m, A1l, A1w, A2, B1, "
                       "B2, C1, C2, User)\ngjbz108a change: nothing written\n");
    EXPECT_FALSE(fs::exists(run_folder() / "never.csv"));

    // No temporary file is left behind.
    for (const auto& entry : fs::directory_iterator(run_folder()))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
}

TEST(IoFaults, TheComponentLibraryIsNoOutputFile) {
    const std::string database = process_library().database().string();
    shell("TOOL lib show X");  // makes the database
    const std::string before = read_file(database);
    ASSERT_FALSE(before.empty());
    write_in_run_folder("list.csv", kList);
    for (const std::string& command : {"TOOL lib export parts -o '" + database + "'",
                                      "TOOL change list.csv --category 7 --set quality=B2 -o '" + database + "'"}) {
        const CommandRun run = shell(command);
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1),
                  "gjbz108a: " + database + " is the component library's database; choose another output file\n")
            << command;
        EXPECT_EQ(read_file(database), before) << command;
    }
}

// A library in a folder the user cannot write still reads; only a write says
// "read-only", and nothing on disk changes.
TEST(IoFaults, AReadOnlyLibraryReads) {
    const fs::path root = gjbz108a::test::make_unique_folder("gjbz108a-ro-"), database = root / "library.db";
    ASSERT_EQ(shell("TALWEN_DB='" + database.string() + "' TOOL lib show CAT-10100").status, 0);
    // A library of schema version 1, from before the environment names: read as it is.
    talwen::Connection(database).execute("DROP TABLE environment_names; PRAGMA user_version = 1");
    write_file(root / "list.csv", "ref,qty,category,environment,temperature,cycling_rate,catalog_number\n"
                             "U1,1,IC Memory,1,30,5,CAT-10100\n");
    fs::permissions(database, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(root, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const std::string before = read_file(database);
    // The superuser writes anywhere: the tool runs as nobody instead.
    const std::string as_user = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    const std::string with_library = "TALWEN_DB='" + database.string() + "' " + as_user;

    CommandRun run = shell(with_library + "TOOL lib show CAT-10100");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("SRAM 256K X 8 CMOS SO32"), std::string::npos);
    run = shell(with_library + "TOOL '" + (root / "list.csv").string() + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(shell(with_library + "TOOL environments").status, 0);
    EXPECT_EQ(shell(with_library + "TOOL lib environments").status, 1);  // it names none
    run = shell(with_library + "TOOL lib xref part_name NEW-NAME 'SRAM 256K X 8 CMOS SO32'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "gjbz108a lib: " + database.string() +
                           ": the component library is read-only here: the file cannot be written\n");
    EXPECT_EQ(read_file(database), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 2);  // no journal files

    fs::permissions(root, fs::perms::owner_all);
    fs::remove_all(root);
}

}  // namespace
}  // namespace gjbz108a::cli::test
