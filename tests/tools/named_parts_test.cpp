// Rows that name a part of the component library: its stored parameters are
// the entered ones, the row's own cells override them, and a name that the
// library does not know refuses the part.
#include "fake_library.h"
#include "row_reading.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace gjbz108a::cli {
namespace {

using test::effective;
using test::entered;
using test::FakeLibrary;
using test::read_row;

constexpr unsigned kTech = 2, kQuality = 4, kPins = 6;
constexpr std::uint8_t kSram = 1, kB2 = 5;
const std::string kColumns = "generic_name,catalog_number,military_number,part_name,pins";

FakeLibrary library_with_two_memories() {
    FakeLibrary library;
    library.parts[{NameKind::generic_name, "SRAM 32K", 1}] = {FakeLibrary::stored_memory(32), "SRAM 32K"};
    library.parts[{NameKind::generic_name, "sram 32k", 1}] = {FakeLibrary::stored_memory(32), "SRAM 32K"};
    library.parts[{NameKind::catalog_number, "CAT-8", 1}] = {FakeLibrary::stored_memory(8), "EEPROM 8-PIN"};
    return library;
}

std::string generic_name_of(const Part& part) {
    return reinterpret_cast<const char*>(part.record.data() + GJBZ108A_EDIT_GENERIC_NAME);
}

TEST(NamedParts, ThePartTakesTheLibrarysParametersAndTheRowOverridesThem) {
    FakeLibrary library = library_with_two_memories();
    test::ReadRow row = read_row(kColumns, "IC Memory,1,30,0,sram 32k,,,,", library);
    EXPECT_EQ(row.diagnostics, "");
    EXPECT_EQ(entered(row.part)[1], kSram);
    EXPECT_EQ(entered(row.part)[kQuality], kB2);
    EXPECT_EQ(load_u16(entered(row.part), kPins), 32);
    EXPECT_EQ(entered(row.part)[kTech], 0);    // the library part leaves it "---" ...
    EXPECT_EQ(effective(row.part)[kTech], 1);  // ... and the defaults fill it
    EXPECT_EQ(generic_name_of(row.part), "SRAM 32K");  // as the library spells it

    row = read_row(kColumns, "IC Memory,1,30,0,SRAM 32K,,,,44", library);
    EXPECT_EQ(row.diagnostics, "");
    EXPECT_EQ(load_u16(entered(row.part), kPins), 44);
    EXPECT_EQ(load_u16(effective(row.part), kPins), 44);
    EXPECT_EQ(entered(row.part)[kQuality], kB2);
}

TEST(NamedParts, NamesAreTriedInTheOrderOfTheirKinds) {
    FakeLibrary library = library_with_two_memories();
    // The generic name is found first, whatever the catalog number names.
    test::ReadRow row = read_row(kColumns, "IC Memory,1,30,0,SRAM 32K,CAT-8,,,", library);
    EXPECT_EQ(load_u16(entered(row.part), kPins), 32);
    // An unknown generic name leaves the catalog number to find the part.
    row = read_row(kColumns, "IC Memory,1,30,0,NO SUCH PART,CAT-8,,,", library);
    EXPECT_EQ(row.diagnostics, "");
    EXPECT_EQ(load_u16(entered(row.part), kPins), 8);
    EXPECT_EQ(generic_name_of(row.part), "EEPROM 8-PIN");
    // The other names stay as the row gives them.
    EXPECT_STREQ(reinterpret_cast<const char*>(row.part.record.data() + GJBZ108A_EDIT_CATALOG_NUMBER), "CAT-8");
}

TEST(NamedParts, ANameTheLibraryDoesNotKnowRefusesThePart) {
    FakeLibrary library = library_with_two_memories();
    test::ReadRow row = read_row(kColumns, "IC Memory,1,30,0,NO SUCH PART,,,,", library);
    EXPECT_EQ(row.diagnostics, "list.csv:2: column 'generic_name': the component library has no part of category "
                               "IC Memory under the generic name 'NO SUCH PART'\n");
    EXPECT_TRUE(row.part.refused());

    EXPECT_EQ(read_row(kColumns, "IC Memory,1,30,0,,,QJ-1,P-1,", library).diagnostics,
              "list.csv:2: column 'military_number': the component library has no part of category IC Memory "
              "under the military number 'QJ-1' or the part name 'P-1'\n");
    // A part of another category is not the one the row means.
    EXPECT_EQ(read_row(kColumns, "IC Digital,1,30,0,SRAM 32K,,,,", library).diagnostics,
              "list.csv:2: column 'generic_name': the component library has no part of category IC Digital "
              "under the generic name 'SRAM 32K'\n");

    library.loadable = false;
    EXPECT_EQ(read_row(kColumns, "IC Memory,1,30,0,SRAM 32K,CAT-8,,,", library).diagnostics,
              "list.csv:2: column 'generic_name': the component library cannot be loaded to look up the generic "
              "name 'SRAM 32K' or the catalog number 'CAT-8'\n");
}

TEST(NamedParts, NamesFitTheRecordsNameFields) {
    FakeLibrary library;
    const std::string generic(42, 'G'), other(62, 'N');
    library.parts[{NameKind::generic_name, generic, 1}] = {FakeLibrary::stored_memory(32), generic};
    library.parts[{NameKind::part_name, other, 1}] = {FakeLibrary::stored_memory(8), "EEPROM 8-PIN"};
    EXPECT_EQ(read_row(kColumns, "IC Memory,1,30,0," + generic + ",,,,", library).diagnostics, "");
    EXPECT_EQ(read_row(kColumns, "IC Memory,1,30,0,,,," + other + ",", library).diagnostics, "");

    EXPECT_EQ(read_row(kColumns, "IC Memory,1,30,0," + generic + "G,,,,", library).diagnostics,
              "list.csv:2: column 'generic_name': the generic name is longer than 42 characters\n");
    EXPECT_EQ(read_row(kColumns, "IC Memory,1,30,0,," + other + "N,,,", library).diagnostics,
              "list.csv:2: column 'catalog_number': the catalog number is longer than 62 characters\n");
}

}  // namespace
}  // namespace gjbz108a::cli
