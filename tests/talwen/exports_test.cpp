// The host library's C functions, called as the plug-in calls them, against a
// real database in a temporary folder.
#include "support/temporary_library.h"

#include <talwen/talwen.h>

#include "component_library.h"
#include "method/field_types.h"
#include "method/item_codes.h"
#include "method/record.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace gjbz108a::talwen {
namespace {

using test::TemporaryLibrary;

// The callers' buffers, filled with a marker so that untouched bytes show.
struct Buffers {
    Buffers() {
        key.fill('#');
        generic.fill('#');
        block.fill(0xEE);
        host_text.fill(0);
    }
    std::array<char, 64> key;
    std::array<char, 44> generic;
    std::array<std::uint8_t, 104> block;
    std::array<char, 60> host_text;

    void set_key(const std::string& text) { std::snprintf(key.data(), key.size(), "%s", text.c_str()); }
    void set_generic(const std::string& text) { std::snprintf(generic.data(), generic.size(), "%s", text.c_str()); }
    int get(int name_kind, int item_class, int item_code) {
        return GetFromLib(name_kind, 1, 8, item_class, item_code, key.data(), generic.data(), block.data(),
                          host_text.data());
    }
};

// An IC Digital block with a few recognisable values.
std::array<std::uint8_t, 104> digital_block(std::uint16_t pins) {
    std::array<std::uint8_t, 104> block{};
    block[1] = 5;  // FPGA
    block[4] = 2;  // A3
    store(block.data(), 6, pins);
    block[101] = 0x5A;  // a byte no field names is kept as well
    return block;
}

TEST(HostLibraryExports, PartsAreFoundByEveryNameKindIgnoringCase) {
    TemporaryLibrary folder;
    const auto block = digital_block(352);
    ASSERT_EQ(PutToLib(1, 8, 1, 3, "Board FPGA Main", block.data(), 0, 0), 1);
    ASSERT_EQ(PutToXref(2, "Cat-77", "board fpga main"), 1);
    ASSERT_EQ(PutToXref(3, "Mil-Q-9", "BOARD FPGA MAIN"), 1);
    ASSERT_EQ(PutToXref(4, "Xq9000", "Board FPGA Main"), 1);

    Buffers by_generic;
    by_generic.set_generic("BOARD FPGA MAIN");
    ASSERT_EQ(by_generic.get(1, 1, 3), 1);
    EXPECT_STREQ(by_generic.generic.data(), "Board FPGA Main");  // the stored spelling
    EXPECT_EQ(by_generic.key[0], '#');                           // not a key look-up: left alone
    EXPECT_TRUE(std::equal(block.begin(), block.begin() + 102, by_generic.block.begin()));
    EXPECT_EQ(by_generic.block[102], 0xEE);  // the buffer's last two bytes are not the block's
    EXPECT_EQ(by_generic.block[103], 0xEE);

    const std::array<std::pair<int, const char*>, 3> keys{{{2, "CAT-77"}, {3, "mil-q-9"}, {4, "XQ9000"}}};
    const std::array<const char*, 3> stored{"Cat-77", "Mil-Q-9", "Xq9000"};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        Buffers look_up;
        look_up.set_key(keys[i].second);
        look_up.set_generic("");  // the key alone finds the part
        ASSERT_EQ(look_up.get(keys[i].first, 1, 3), 1) << keys[i].second;
        EXPECT_STREQ(look_up.key.data(), stored[i]);
        EXPECT_STREQ(look_up.generic.data(), "Board FPGA Main");
        EXPECT_EQ(load<std::uint16_t>(look_up.block.data(), 6), 352);
    }

    // A catalog number is not a military number.
    Buffers wrong_kind;
    wrong_kind.set_key("Cat-77");
    EXPECT_EQ(wrong_kind.get(3, 1, 3), 0);
}

TEST(HostLibraryExports, FailedLookUpsLeaveTheBuffersAlone) {
    TemporaryLibrary folder;
    const auto block = digital_block(100);
    ASSERT_EQ(PutToLib(1, 8, 1, 3, "LOGIC ONE", block.data(), 0, 0), 1);
    ASSERT_EQ(PutToXref(2, "REF-TO-NOTHING", "NOT IN THE LIBRARY"), 1);  // the part may come later

    struct Case {
        const char* what;
        int name_kind, item_class, item_code;
        const char* key;
        const char* generic;
        int constant_1 = 1, constant_8 = 8;
    };
    const Case cases[] = {
        {"unknown generic name", 1, 1, 3, "", "LOGIC TWO"},
        {"another category", 1, 1, 2, "", "LOGIC ONE"},
        {"another item class", 1, 2, 3, "", "LOGIC ONE"},
        {"unknown catalog number", 2, 1, 3, "NO-SUCH", "LOGIC ONE"},
        {"reference to a missing part", 2, 1, 3, "REF-TO-NOTHING", ""},
        {"name kind 0", 0, 1, 3, "", "LOGIC ONE"},
        {"name kind 5", 5, 1, 3, "", "LOGIC ONE"},
        {"other constants", 1, 1, 3, "", "LOGIC ONE", 1, 7},
    };
    for (const Case& c : cases) {
        Buffers buffers;
        buffers.set_key(c.key);
        buffers.set_generic(c.generic);
        const Buffers before = buffers;
        EXPECT_EQ(GetFromLib(c.name_kind, c.constant_1, c.constant_8, c.item_class, c.item_code, buffers.key.data(),
                             buffers.generic.data(), buffers.block.data(), buffers.host_text.data()),
                  0)
            << c.what;
        EXPECT_EQ(buffers.key, before.key) << c.what;
        EXPECT_EQ(buffers.generic, before.generic) << c.what;
        EXPECT_EQ(buffers.block, before.block) << c.what;
    }
}

TEST(HostLibraryExports, StoringReplacesByNameAndRefusesWhatCannotComeBack) {
    TemporaryLibrary folder;
    ASSERT_EQ(PutToLib(1, 8, 1, 3, "PART A", digital_block(10).data(), 0, 0), 1);
    ASSERT_EQ(PutToLib(1, 8, 1, 2, "part a", digital_block(20).data(), 0, 0), 1);  // same name: replaced
    Buffers buffers;
    buffers.set_generic("Part A");
    EXPECT_EQ(buffers.get(1, 1, 3), 0);  // no longer IC Digital
    ASSERT_EQ(buffers.get(1, 1, 2), 1);
    EXPECT_STREQ(buffers.generic.data(), "part a");
    EXPECT_EQ(load<std::uint16_t>(buffers.block.data(), 6), 20);

    ASSERT_EQ(PutToXref(2, "C-1", "PART A"), 1);
    ASSERT_EQ(PutToLib(1, 8, 1, 3, "PART B", digital_block(30).data(), 0, 0), 1);
    ASSERT_EQ(PutToXref(2, "c-1", "PART B"), 1);  // the name now refers to the other part
    Buffers by_key;
    by_key.set_key("C-1");
    ASSERT_EQ(by_key.get(2, 1, 3), 1);
    EXPECT_STREQ(by_key.generic.data(), "PART B");
    EXPECT_STREQ(by_key.key.data(), "c-1");

    const std::string longest_generic(42, 'G'), longest_name(62, 'N');
    EXPECT_EQ(PutToLib(1, 8, 1, 3, longest_generic.c_str(), digital_block(1).data(), 0, 0), 1);
    EXPECT_EQ(PutToLib(1, 8, 1, 3, (longest_generic + "G").c_str(), digital_block(1).data(), 0, 0), 0);
    EXPECT_EQ(PutToXref(2, longest_name.c_str(), "PART B"), 1);
    EXPECT_EQ(PutToXref(2, (longest_name + "N").c_str(), "PART B"), 0);
    EXPECT_EQ(PutToLib(1, 8, 1, 3, "", digital_block(1).data(), 0, 0), 0);
    EXPECT_EQ(PutToLib(1, 8, 1, 3, "TWO\nLINES", digital_block(1).data(), 0, 0), 0);  // would split a result line
    EXPECT_EQ(PutToLib(1, 8, 1, 4, "NO SUCH CATEGORY", digital_block(1).data(), 0, 0), 0);
    EXPECT_EQ(PutToLib(2, 8, 1, 3, "OTHER METHOD", digital_block(1).data(), 0, 0), 0);
    EXPECT_EQ(PutToXref(1, "GENERIC", "PART B"), 0);  // a generic name is no cross-reference

    ComponentLibrary library(folder.database());
    EXPECT_TRUE(library.find_part(longest_generic));
    EXPECT_FALSE(library.find_part(longest_generic + "G"));
    EXPECT_FALSE(library.find_part("OTHER METHOD"));
}

TEST(HostLibraryExports, DefaultsComeFromTheMostSpecificSet) {
    TemporaryLibrary folder;
    std::array<std::uint8_t, 104> block{};

    // IC Digital, FPGA: package, pins and elements from the FPGA set, the rest
    // from the category's set (data/defaults.csv).
    block.fill(0xEE);
    ASSERT_EQ(GetDflt(1, 8, 1, 3, 5, 0, block.data()), 1);
    EXPECT_EQ(block[0], 0);  // SubType as asked
    EXPECT_EQ(block[1], 5);  // Type as asked
    EXPECT_EQ(block[2], 2);  // MOS
    EXPECT_EQ(block[3], 5);  // Package BGA
    EXPECT_EQ(block[4], 5);  // B2
    EXPECT_EQ(block[5], 1);  // Stabilized
    EXPECT_EQ(load<std::uint16_t>(block.data(), 6), 256);
    EXPECT_EQ(load<std::uint32_t>(block.data(), 8), 50000u);
    EXPECT_EQ(load<float>(block.data(), 16), 1.0f);
    EXPECT_EQ(block[102], 0xEE);

    // IC Memory, SRAM: no set of its own, so the category's values.
    ASSERT_EQ(GetDflt(1, 8, 1, 1, 1, 0, block.data()), 1);
    EXPECT_EQ(block[1], 1);
    EXPECT_EQ(block[3], 6);  // Package SMT(Chip carrier)
    EXPECT_EQ(load<std::uint16_t>(block.data(), 6), 28);
    EXPECT_EQ(load<float>(block.data(), 8), 1048576.0f);

    // A SubType set overrides the Type set, which overrides the category.
    {
        ComponentLibrary library(folder.database());
        DefaultValue pins{1, 3, 5, 3, find_field(3, "pins"), {}, "a larger FPGA"};
        store(pins.block.data(), 6, std::uint16_t{676});
        library.write([&](ComponentLibrary::Writer& writer) { writer.put_default(pins); });
    }
    ASSERT_EQ(GetDflt(1, 8, 1, 3, 5, 3, block.data()), 1);
    EXPECT_EQ(load<std::uint16_t>(block.data(), 6), 676);
    EXPECT_EQ(block[3], 5);
    EXPECT_EQ(block[4], 5);
    ASSERT_EQ(GetDflt(1, 8, 1, 3, 5, 2, block.data()), 1);
    EXPECT_EQ(load<std::uint16_t>(block.data(), 6), 256);

    // No defaults: another item class gets undefined values and result 0.
    ASSERT_EQ(GetDflt(1, 8, 7, 3, 5, 0, block.data()), 0);
    EXPECT_EQ(block[3], kUndefinedSelection);
    EXPECT_EQ(load<std::uint16_t>(block.data(), 6), kUndefinedU16);
    EXPECT_EQ(load<float>(block.data(), 16), kUndefinedF32);
    EXPECT_EQ(block[1], 5);

    // Other constants: the layouts are not ours, so nothing but undefined values.
    ASSERT_EQ(GetDflt(1, 9, 1, 3, 5, 0, block.data()), 0);
    EXPECT_EQ(load<std::uint16_t>(block.data(), 6), kUndefinedU16);
}

TEST(HostLibraryExports, EveryCategoryHasCompleteShippedDefaults) {
    TemporaryLibrary folder;
    ComponentLibrary library(folder.database());
    for (const Category& category : categories()) {
        const Defaults defaults = library.defaults(1, category.item_code, 0, 0);
        EXPECT_TRUE(defaults.complete) << category.name;
        const ParameterField* type = type_field(category.item_code);
        for (std::size_t code = 1; type && code <= type->entries.size(); ++code)
            EXPECT_TRUE(library.defaults(1, category.item_code, static_cast<unsigned>(code), 0).complete)
                << category.name << " " << type->entries[code - 1];
    }
    EXPECT_FALSE(library.defaults(1, 4, 0, 0).complete);
}

std::string file_text(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(HostLibraryExports, SearchesMatchTheKeyLiterallyIgnoringCase) {
    TemporaryLibrary folder;
    // METERS: a category without shipped parts.
    const auto block = digital_block(8);
    for (const char* name : {"ALPHA_1", "alphax1", "50% DUTY", "500 DUTY", "BACK\\SLASH", "PRE ALPHA"})
        ASSERT_EQ(PutToLib(1, 8, 1, 24, name, block.data(), 0, 0), 1) << name;

    struct Case {
        int kind;
        const char* key;
        const char* lines;
    };
    const Case cases[] = {
        {1, "alpha", "ALPHA_1\nalphax1\n"},
        {2, "ALPHA", "ALPHA_1\nalphax1\nPRE ALPHA\n"},
        {1, "ALPHA_", "ALPHA_1\n"},  // _ is no single-character wildcard
        {2, "_", "ALPHA_1\n"},
        {2, "%", "50% DUTY\n"},      // % is no wildcard either
        {1, "50%", "50% DUTY\n"},
        {2, "\\", "BACK\\SLASH\n"},  // nor is the escape character
        {2, "k\\s", "BACK\\SLASH\n"},
        {2, "", "50% DUTY\n500 DUTY\nALPHA_1\nalphax1\nBACK\\SLASH\nPRE ALPHA\n"},
    };
    for (const Case& c : cases) {
        std::array<char, 100> path{};
        ASSERT_EQ(SearchInLib(c.kind, 1, 1, 24, c.key, path.data()), 1) << c.key;
        EXPECT_EQ(file_text(path.data()), c.lines) << c.key;
        EXPECT_TRUE(std::filesystem::path(path.data()).string().starts_with(folder.folder().string()));
    }

    std::array<char, 100> path;
    path.fill('#');
    EXPECT_EQ(SearchInLib(1, 1, 1, 24, "LPHA", path.data()), 0);  // contained, but not at the start
    EXPECT_EQ(SearchInLib(2, 1, 1, 3, "ALPHA", path.data()), 0);   // another category
    EXPECT_EQ(SearchInLib(3, 1, 1, 24, "ALPHA", path.data()), 0);  // no such search kind
    EXPECT_EQ(path[0], '#');

    // Category 0 searches every category.
    ASSERT_EQ(SearchInLib(1, 1, 1, 0, "50", path.data()), 1);
    EXPECT_EQ(file_text(path.data()), "50% DUTY\n500 DUTY\n");
}

TEST(HostLibraryExports, SearchKeysOfAnyLengthAreSafe) {
    TemporaryLibrary folder;
    const std::string longest(42, 'L');
    ASSERT_EQ(PutToLib(1, 8, 1, 5, longest.c_str(), digital_block(1).data(), 0, 0), 1);
    std::array<char, 100> path;
    path.fill('#');
    ASSERT_EQ(SearchInLib(1, 1, 1, 5, longest.c_str(), path.data()), 1);
    EXPECT_EQ(file_text(path.data()), longest + "\n");
    for (std::size_t length : {43u, 72u, 1000u, 200000u}) {
        path.fill('#');
        const std::string key(length, 'L');
        EXPECT_EQ(SearchInLib(2, 1, 1, 5, key.c_str(), path.data()), 0) << length;
        EXPECT_EQ(SearchInLib(2, 2, 1, 5, key.c_str(), path.data()), 0) << length;
        EXPECT_EQ(path[0], '#');
    }
}

TEST(HostLibraryExports, NameSearchesFindCrossReferencesOfTheCategory) {
    TemporaryLibrary folder;
    ASSERT_EQ(PutToLib(1, 8, 1, 7, "CAP ONE", digital_block(1).data(), 0, 0), 1);
    ASSERT_EQ(PutToLib(1, 8, 1, 5, "RES ONE", digital_block(1).data(), 0, 0), 1);
    ASSERT_EQ(PutToXref(2, "ZZ-100", "CAP ONE"), 1);
    ASSERT_EQ(PutToXref(2, "ZZ-101", "CAP ONE"), 1);
    ASSERT_EQ(PutToXref(2, "ZZ-200", "RES ONE"), 1);
    ASSERT_EQ(PutToXref(3, "ZZ-300", "CAP ONE"), 1);
    ASSERT_EQ(PutToXref(4, "ZZ-400", "CAP ONE"), 1);
    ASSERT_EQ(PutToXref(2, "ZZ-999", "NOT STORED"), 1);
    std::array<char, 100> path{};
    ASSERT_EQ(SearchInLib(1, 2, 1, 7, "zz-", path.data()), 1);
    EXPECT_EQ(file_text(path.data()), "ZZ-100\nZZ-101\n");
    ASSERT_EQ(SearchInLib(2, 3, 1, 7, "300", path.data()), 1);
    EXPECT_EQ(file_text(path.data()), "ZZ-300\n");
    ASSERT_EQ(SearchInLib(2, 4, 1, 7, "Z-4", path.data()), 1);
    EXPECT_EQ(file_text(path.data()), "ZZ-400\n");
    ASSERT_EQ(SearchInLib(1, 2, 1, 0, "ZZ", path.data()), 1);
    EXPECT_EQ(file_text(path.data()), "ZZ-100\nZZ-101\nZZ-200\n");
}

TEST(HostLibraryExports, AMissingDatabaseIsCreatedWithTheShippedData) {
    TemporaryLibrary folder;
    ASSERT_FALSE(std::filesystem::exists(folder.database()));
    Buffers buffers;
    buffers.set_key("cat-10010");  // data/cross_references.csv
    ASSERT_EQ(buffers.get(2, 1, 3), 1);
    EXPECT_STREQ(buffers.generic.data(), "LOGIC QUAD NAND2 CMOS DIP14");
    EXPECT_EQ(buffers.block[1], 1);                                     // Logic
    EXPECT_EQ(load<std::uint32_t>(buffers.block.data(), 8), 50u);       // elements
    EXPECT_EQ(load<float>(buffers.block.data(), 16), kUndefinedF32);    // user_pi_q left to the default
    ASSERT_TRUE(std::filesystem::exists(folder.database()));

    Connection db(folder.database());
    EXPECT_EQ(db.query_integer("PRAGMA user_version"), 1);
    Statement mode(db, "PRAGMA journal_mode");
    ASSERT_TRUE(mode.step());
    EXPECT_EQ(mode.text(0), "wal");
    EXPECT_EQ(db.query_integer("SELECT count(*) FROM parts"), 70);
    EXPECT_EQ(db.query_integer("SELECT count(*) FROM cross_references"), 129);
    EXPECT_EQ(db.query_integer("SELECT count(*) FROM default_values"), 140);
}

TEST(HostLibraryExports, AnUnusableDatabaseFailsQuietlyForTheCaller) {
    TemporaryLibrary folder;
    std::filesystem::create_directories(folder.database().parent_path());
    std::ofstream(folder.database()) << "this is not a database, but a text file of some length........";
    Buffers buffers;
    buffers.set_generic("ANY");
    EXPECT_EQ(buffers.get(1, 1, 3), 0);
    EXPECT_EQ(PutToLib(1, 8, 1, 3, "ANY", digital_block(1).data(), 0, 0), 0);
    std::array<std::uint8_t, 104> block{};
    EXPECT_EQ(GetDflt(1, 8, 1, 3, 1, 0, block.data()), 0);
    EXPECT_EQ(block[3], kUndefinedSelection);  // undefined values, not stale bytes
    SetCurrentWndParent(nullptr);              // accepted whatever the state
}

}  // namespace
}  // namespace gjbz108a::talwen
