// The host library's C functions, called as the plug-in calls them, against a
// real database in a temporary folder.
#include "fixture.h"

#include "records/item_codes.h"

#include <gtest/gtest.h>

namespace gjbz108a::talwen::test {
namespace {

const std::string kLongestGeneric = "Lg" + std::string(40, 'g'), kLongestKey = "Lk" + std::string(60, 'k');

// One library for the look-ups and searches. METERS (24) has no shipped parts.
class HostLibraryExports : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& [name, item_code] :
             {std::pair<std::string, int>{"Board FPGA Main", 3}, {kLongestGeneric, 3}, {"ALPHA_1", 24}, {"alphax1", 24},
              {"50% DUTY", 24}, {"500 DUTY", 24}, {"BACK\\SLASH", 24}, {"PRE ALPHA", 24},
              {std::string(42, 'L'), 5}, {"CAP ONE", 7}, {"RES ONE", 5}})
            ASSERT_EQ(put(name, item_code, 352), 1) << name;
        for (const auto& [kind, name, generic] :
             {std::tuple<int, std::string, std::string>{2, "Cat-77", "board fpga main"},
              {3, "Mil-Q-9", "BOARD FPGA MAIN"}, {4, "Xq9000", "Board FPGA Main"}, {2, kLongestKey, kLongestGeneric},
              {2, "ZZ-100", "CAP ONE"}, {2, "ZZ-101", "CAP ONE"}, {2, "ZZ-200", "RES ONE"}, {3, "ZZ-300", "CAP ONE"},
              {4, "ZZ-400", "CAP ONE"}, {2, "REF-TO-NOTHING", "NOT STORED"}})  // the part may come later
            ASSERT_EQ(PutToXref(kind, name.c_str(), generic.c_str()), 1) << name;
    }
    TemporaryLibrary folder;
};

TEST_F(HostLibraryExports, GetFromLibFindsByEveryNameKindOrAnswersZero) {
    struct Case {
        int name_kind, item_class, item_code;
        std::string key, generic;
        const char* key_out;      // nullptr: the key buffer is left alone
        const char* generic_out;  // nullptr: not found, nothing written
        int constant_1 = 1, constant_8 = 8;
    };
    const Case cases[] = {
        {1, 1, 3, "", "BOARD FPGA MAIN", nullptr, "Board FPGA Main"},  // the stored spelling comes back
        {1, 1, 3, "", "lG" + std::string(40, 'G'), nullptr, kLongestGeneric.c_str()},
        {2, 1, 3, "CAT-77", "", "Cat-77", "Board FPGA Main"},  // the key alone finds the part
        {3, 1, 3, "mil-q-9", "", "Mil-Q-9", "Board FPGA Main"},
        {4, 1, 3, "XQ9000", "", "Xq9000", "Board FPGA Main"},
        {2, 1, 3, "lK" + std::string(60, 'K'), "", kLongestKey.c_str(), kLongestGeneric.c_str()},
        {3, 1, 3, "Cat-77", "", nullptr, nullptr},  // a catalog number is not a military number
        {1, 1, 3, "", "LOGIC TWO", nullptr, nullptr},
        // Another category, another item class.
        {1, 1, 2, "", "Board FPGA Main", nullptr, nullptr}, {1, 2, 3, "", "Board FPGA Main", nullptr, nullptr},
        {2, 1, 3, "NO-SUCH", "Board FPGA Main", nullptr, nullptr}, {2, 1, 3, "REF-TO-NOTHING", "", nullptr, nullptr},
        // Name kinds beyond 1..4, another method's constants.
        {0, 1, 3, "", "Board FPGA Main", nullptr, nullptr}, {5, 1, 3, "", "Board FPGA Main", nullptr, nullptr},
        {1, 1, 3, "", "Board FPGA Main", nullptr, nullptr, 1, 7},
        {1, 1, 3, "", "Board FPGA Main", nullptr, nullptr, 2, 8},
    };
    const auto stored = digital_block(352);
    // That an answer of 0 writes nothing, and that the block buffer's last two
    // bytes are not the block's, is the fuzz target's to check.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key + c.generic + " by name kind " + std::to_string(c.name_kind));
        Buffers buffers(c.key, c.generic);
        const Buffers before = buffers;
        ASSERT_EQ(buffers.get(c.name_kind, c.item_class, c.item_code, c.constant_1, c.constant_8),
                  c.generic_out ? 1 : 0);
        if (!c.generic_out) continue;
        if (c.key_out) EXPECT_STREQ(buffers.key.data(), c.key_out);
        else EXPECT_EQ(buffers.key, before.key);
        EXPECT_STREQ(buffers.generic.data(), c.generic_out);
        EXPECT_TRUE(std::equal(stored.begin(), stored.begin() + 102, buffers.block.begin()));
    }
}

TEST_F(HostLibraryExports, StoringReplacesByNameAndRefusesWhatCannotComeBack) {
    const std::string longest_generic(42, 'G'), longest_name(62, 'N');
    const struct {
        const char* what;
        int result, expected;
    } calls[] = {
        // Evaluated in order: the library fills as the rows go.
        {"part a", put("PART A", 3, 10), 1},
        {"same name, other case and category: replaced", put("part a", 2, 20), 1},
        {"catalog number", PutToXref(2, "C-1", "PART A"), 1},
        {"part b", put("PART B", 3, 30), 1},
        {"the name now refers to part b", PutToXref(2, "c-1", "PART B"), 1},
        {"longest generic name", put(longest_generic, 3), 1},
        {"generic name too long", put(longest_generic + "G", 3), 0},
        {"longest cross-reference", PutToXref(2, longest_name.c_str(), "PART B"), 1},
        {"cross-reference too long", PutToXref(2, (longest_name + "N").c_str(), "PART B"), 0},
        {"empty name", put("", 3), 0},
        {"a name that would split a result line", put("TWO\nLINES", 3), 0},
        {"no such category", put("NO SUCH CATEGORY", 4), 0},
        {"another method's layout", PutToLib(2, 8, 1, 3, "OTHER METHOD", digital_block(1).data(), 0, 0), 0},
        {"a generic name is no cross-reference", PutToXref(1, "GENERIC", "PART B"), 0},
    };
    for (const auto& call : calls) EXPECT_EQ(call.result, call.expected) << call.what;

    ComponentLibrary library(folder.database());
    const auto a = library.find_part("Part A");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->generic_name, "part a");
    EXPECT_EQ(a->item_code, 2);
    EXPECT_EQ(load<std::uint16_t>(a->block.data(), 6), 20);
    EXPECT_EQ(library.find_cross_reference(NameKind::catalog_number, "C-1")->generic_name, "PART B");
}

TEST_F(HostLibraryExports, DefaultsComeFromTheMostSpecificSet) {
    {  // Sets of a SubType of the FPGA and of a SubType of any type, over the FPGA
       // set (data/defaults.csv) and the category's. A type's set outranks a SubType's.
        ComponentLibrary library(folder.database());
        ASSERT_EQ(import_text(library, import_defaults,
                              "category, type, subtype, field, value, why\n3, FPGA, 3, pins, 676,\n3, , 4, pins, 500,\n"),
                  "");
    }
    struct Case {
        int constant_8, item_class, item_code, type, subtype, result;
        const char* fields;  // SubType, Type, then the category's parameters
    };
    const Case cases[] = {
        {8, 1, 3, 5, 0, 1, "-, FPGA, MOS, Package BGA, B2, Stabilized, 256, 50000, 1"},
        {8, 1, 3, 5, 3, 1, "3, FPGA, MOS, Package BGA, B2, Stabilized, 676, 50000, 1"},
        {8, 1, 3, 5, 2, 1, "2, FPGA, MOS, Package BGA, B2, Stabilized, 256, 50000, 1"},
        {8, 1, 3, 5, 4, 1, "4, FPGA, MOS, Package BGA, B2, Stabilized, 256, 50000, 1"},
        {8, 1, 3, 1, 0, 1, "-, Logic, MOS, Package SMT(Chip carrier), B2, Stabilized, 14, 50, 1"},
        // SRAM has no set of its own: the category's values.
        {8, 1, 1, 1, 0, 1, "-, SRAM, MOS, Package SMT(Chip carrier), B2, Stabilized, 28, 1048576, 1"},
        // Without a type: the category's set, complete without one. (That every type's set is complete
        // shows in the shipped library's parts of every type, computed from the defaults alone.)
        {8, 1, 3, 0, 0, 1, "-, -, MOS, Package SMT(Chip carrier), B2, Stabilized, 14, 50, 1"},
        {8, 1, 4, 0, 0, 0, ""},  // no such category
        {8, 7, 3, 5, 3, 0, "3, FPGA, -, -, -, -, -, -, -"},  // no defaults for another item class
        {9, 1, 3, 5, 2, 0, "2, FPGA, -, -, -, -, -, -, -"},  // another method's layouts are not ours
    };
    for (const Case& c : cases) {
        std::array<std::uint8_t, 104> block;
        block.fill(0xEE);
        EXPECT_EQ(GetDflt(1, c.constant_8, c.item_class, c.item_code, c.type, c.subtype, block.data()), c.result)
            << c.fields;
        EXPECT_EQ(block_text(static_cast<unsigned>(c.item_code), block.data()), c.fields);
    }

}

TEST_F(HostLibraryExports, SearchesMatchTheKeyLiterallyIgnoringCase) {
    const std::string longest(42, 'L');
    struct Case {
        int search_kind, name_kind, item_code;
        std::string key;
        const char* lines;  // nullptr: result 0
    };
    const Case cases[] = {
        {1, 1, 24, "alpha", "ALPHA_1\nalphax1\n"},
        {2, 1, 24, "ALPHA", "ALPHA_1\nalphax1\nPRE ALPHA\n"},
        {1, 1, 24, "ALPHA_", "ALPHA_1\n"},  // _ is no single-character wildcard
        {2, 1, 24, "_", "ALPHA_1\n"},
        {2, 1, 24, "%", "50% DUTY\n"},  // % is no wildcard either
        {2, 1, 24, "\\", "BACK\\SLASH\n"},  // nor is the escape character
        {2, 1, 24, "", "50% DUTY\n500 DUTY\nALPHA_1\nalphax1\nBACK\\SLASH\nPRE ALPHA\n"},
        {1, 1, 0, "50", "50% DUTY\n500 DUTY\n"},  // category 0: every category
        {1, 1, 24, "LPHA", nullptr},              // contained, but not at the start
        {2, 1, 3, "ALPHA", nullptr}, {3, 1, 24, "ALPHA", nullptr},  // another category, no such search kind
        // Keys up to the longest name of their kind.
        {1, 1, 5, longest, "LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL\n"}, {2, 1, 5, longest + "L", nullptr},
        {2, 2, 5, std::string(63, 'L'), nullptr}, {2, 2, 5, std::string(200000, 'L'), nullptr},
        // Names of the kind that refer to parts of the category.
        {1, 2, 7, "zz-", "ZZ-100\nZZ-101\n"},
        {2, 3, 7, "300", "ZZ-300\n"},
        {2, 4, 7, "Z-4", "ZZ-400\n"},
        {1, 2, 0, "ZZ", "ZZ-100\nZZ-101\nZZ-200\n"},
        {2, 2, 0, "TO-NOTH", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.substr(0, 50) + " by search kind " + std::to_string(c.search_kind));
        std::array<char, 100> path;
        ASSERT_EQ(SearchInLib(c.search_kind, c.name_kind, 1, c.item_code, c.key.c_str(), path.data()), c.lines ? 1 : 0);
        if (c.lines) { EXPECT_EQ(file_text(path.data()), c.lines); }
    }
}

TEST_F(HostLibraryExports, TheResultPathFillsItsBufferToTheLastByte) {
    // The results go to <search folder>/talwen/search-<process>.txt.
    const std::string file_name = "/talwen/search-" + std::to_string(gjbz108a::test::process_id()) + ".txt";
    for (const std::size_t length : {99u, 100u}) {
        const std::string runtime = folder.folder().string() + "/" +
                                    std::string(length - folder.folder().string().size() - 1 - file_name.size(), 'r');
        std::filesystem::create_directories(runtime);
        gjbz108a::test::set_environment(gjbz108a::test::kSearchFolderVariable, runtime);
        std::array<char, 101> path;
        path.fill('#');
        const bool fits = length < 100;  // with its terminating zero
        EXPECT_EQ(SearchInLib(2, 1, 1, 3, "LOGIC", path.data()), fits ? 1 : 0) << length;
        EXPECT_EQ(fits ? path[99] : path[0], fits ? '\0' : '#');
        EXPECT_EQ(path[100], '#');
    }
}

}  // namespace
}  // namespace gjbz108a::talwen::test
