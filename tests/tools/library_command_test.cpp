// gjbz108a lib, each command against a database of its own that starts with
// the shipped defaults and starter library (hosts/talwen/data/).
#include "tools/library/library_command.h"

#include "command_run.h"
#include "process_library.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gjbz108a::cli::test {
namespace {

CommandRun lib(const std::vector<std::string_view>& arguments, const std::string& input = "") {
    return run_command(library_command, arguments, input);
}

TEST(LibraryCommand, ShowFindsAPartByAnyOfItsNames) {
    FreshDatabase database;
    // The starter library's chip resistor and its two other names.
    const std::string shown = "generic_name         RES CHIP FILM 0603 1%\n"
                              "category             Resistor\n"
                              "catalog_number       CAT-10390\n"
                              "military_number      QJ1266-13\n"
                              "subtype              ---\n"
                              "style                Chip Film\n"
                              "resistors            1\n"
                              "quality              B2\n"
                              "user_pi_q            ---\n";
    for (std::string_view name : {"RES CHIP FILM 0603 1%", "res chip film 0603 1%", "CAT-10390", "QJ1266-13"}) {
        const CommandRun run = lib({"show", name});
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_EQ(run.out, shown) << name;
    }
    const CommandRun run = lib({"show", "CAT-99999"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "gjbz108a lib: the library has no part with the generic name, catalog number, military "
                       "number or part name 'CAT-99999'\n");
}

TEST(LibraryCommand, SearchByBeginningOrContentKindAndCategory) {
    FreshDatabase database;
    EXPECT_EQ(lib({"search", "res c"}).out, "RES CARBON FILM 0.25W 5%\nRES CHIP FILM 0603 1%\n");
    EXPECT_EQ(lib({"search", "--contains", "--category", "CAPACITOR", "chip"}).out,
              "CAP CERAMIC CHIP C0G 100PF\nCAP CERAMIC CHIP X7R 100NF\n");
    EXPECT_EQ(lib({"search", "--kind", "military_number", "QJ1266"}).out, "QJ1266-13\n");
    const CommandRun none = lib({"search", "--category", "Resistor", "CAP"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "gjbz108a lib: no generic_name begins with 'CAP'\n");
    EXPECT_EQ(lib({"search", "--kind", "serial_number", "X"}).status, 2);
    EXPECT_EQ(lib({"search"}).status, 2);
}

TEST(LibraryCommand, AddStoresOrReplacesAPart) {
    FreshDatabase database;
    CommandRun run = lib({"add", "Resistor", "RES TEST 1K", "style=Metal Film", "QUALITY=B1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "added Resistor part 'RES TEST 1K' in " + database.path() + "\n");
    EXPECT_NE(lib({"show", "RES TEST 1K"}).out.find("quality              B1\n"), std::string::npos);

    run = lib({"add", "5", "res test 1k", "style=Metal Film", "quality=C"});
    EXPECT_EQ(run.out, "replaced Resistor part 'res test 1k' in " + database.path() + "\n");
    EXPECT_NE(lib({"show", "RES TEST 1K"}).out.find("quality              C\n"), std::string::npos);

    // Refused, and nothing stored: a part without its type. (An unknown key is
    // CommandLine's case; values the fields cannot take are the converter's.)
    run = lib({"add", "Resistor", "RES BAD", "quality=B1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.starts_with("gjbz108a lib: You must define Type of the part.\n")) << run.err;
    EXPECT_EQ(lib({"show", "RES BAD"}).status, 1);
    // A name too long for the dialogs.
    EXPECT_EQ(lib({"add", "Resistor", std::string(43, 'R'), "style=Chip Film"}).status, 1);
}

TEST(LibraryCommand, CrossReferencesPointNamesAtGenericNames) {
    FreshDatabase database;
    CommandRun run = lib({"xref", "part_name", "RC0603-1K", "RES CHIP FILM 0603 1%"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "part_name 'RC0603-1K' refers to 'RES CHIP FILM 0603 1%' in " + database.path() + "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_NE(lib({"show", "rc0603-1k"}).out.find("part_name            RC0603-1K\n"), std::string::npos);

    // A name for a part that is not there is refused, and not stored.
    run = lib({"xref", "catalog_number", "CAT-1", "NOT YET THERE"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "gjbz108a lib: the library has no part 'NOT YET THERE': add it first (gjbz108a lib add); "
                       "nothing written\n");
    EXPECT_EQ(lib({"show", "CAT-1"}).status, 1);
    EXPECT_EQ(lib({"xref", "generic_name", "A", "B"}).status, 2);
    EXPECT_EQ(lib({"xref", "part_name", "A"}).status, 2);
}

TEST(LibraryCommand, DefaultsOfAPartType) {
    FreshDatabase database;
    // The shipped defaults of the PAL type of IC Digital (the library's tests
    // check which set answers); a type by its name or code, a SubType.
    const auto shown = [](const std::vector<std::string_view>& arguments) {
        const CommandRun run = lib(arguments);
        EXPECT_EQ(run.status, 0);
        return run.out;
    };
    EXPECT_EQ(shown({"defaults", "3", "pal"}),
              "category             IC Digital\ntype                 PAL\nsubtype              any\n"
              "tech                 MOS\npackage              Package SMT(Chip carrier)\nquality              B2\n"
              "learning             Stabilized\npins                 20\nelements             300\n"
              "user_pi_q            1\n");
    EXPECT_TRUE(shown({"defaults", "IC Digital"}).starts_with("category             IC Digital\ntype                 "
                                                              "any\nsubtype              any\n"));
    EXPECT_TRUE(shown({"defaults", "3", "1", "2"}).starts_with("category             IC Digital\ntype                 "
                                                               "Logic\nsubtype              2\n"));
    EXPECT_EQ(lib({"defaults", "3", "Halogen"}).status, 2);
    EXPECT_EQ(lib({"defaults", "HYBRID", "A"}).status, 2);  // no types
}

TEST(LibraryCommand, ImportIsAllOrNothing) {
    FreshDatabase database;
    CommandRun run = lib({"import", "parts", "-"}, "generic_name,category,style,quality\n"
                                                   "RES ONE,Resistor,Chip Film,B1\n"
                                                   "RES TWO,Resistor,Chip Film,Z1\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "gjbz108a lib: <stdin>:3: column 'quality': 'Z1' is not an entry of the list (A1m, A2, B1, "
                       "B2, C, User)\nnothing imported: the library is as it was\n");
    EXPECT_EQ(lib({"show", "RES ONE"}).status, 1);
    run = lib({"import", "parts", "-"},
              "generic_name,category,style\nRES ONE,Resistor,Chip Film\nRES TWO,Resistor,Chip Film\n");
    EXPECT_EQ(run.out, "imported 2 rows of parts into " + database.path() + "\n");

    run = lib({"import", "xrefs", "-"}, "name_kind,name,generic_name\npart name,RT-ONE,RES CHIP FILM 0603 1%\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "imported 1 row of xrefs into " + database.path() + "\n");
    EXPECT_EQ(lib({"show", "RT-ONE"}).status, 0);

    // A file that cannot be read is IoFaults' case.
    EXPECT_EQ(lib({"import", "tables", "-"}).status, 2);
}

// That an exported table imports as it was is the library's own test; here,
// each table by its name, to standard output or to a file.
TEST(LibraryCommand, ExportWritesEachTableToStandardOutputOrAFile) {
    FreshDatabase database;
    ASSERT_EQ(lib({"add", "CAPACITOR", "CAP EXPORT", "style=Mica"}).status, 0);
    const std::string parts = lib({"export", "parts"}).out;
    EXPECT_NE(parts.find("\nCAP EXPORT,CAPACITOR,1,"), std::string::npos);
    EXPECT_TRUE(lib({"export", "xrefs"}).out.starts_with("name_kind,name,generic_name\n"));
    EXPECT_TRUE(lib({"export", "defaults"}).out.starts_with("item_class,category,type,subtype,field,value,why\n"));
    const std::string file = database.path() + ".parts.csv";
    EXPECT_EQ(lib({"export", "parts", "-o", file}).status, 0);
    EXPECT_EQ(read_file(file), parts);
    EXPECT_EQ(lib({"export", "parts", "-o"}).status, 2);
}

TEST(LibraryCommand, HelpAndBadCommands) {
    const CommandRun help = lib({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("The database now: " + process_library().database().string()), std::string::npos);
    EXPECT_EQ(lib({}).status, 2);  // an unknown command's words are CommandLine's
}

}  // namespace
}  // namespace gjbz108a::cli::test
