// What a row takes from the component library. A row that names a library
// part takes its stored parameters as the entered ones, the row's own cells
// overriding them; a name the library does not know refuses the part. The
// effective block is the entered block with the library's defaults merged in,
// as the editing dialog's OK builds it; the entered block stays as the report
// shows it.
#include "tools/prediction/predict.h"

#include "fake_library.h"
#include "row_reading.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace gjbz108a::cli::test {
namespace {

// IC memory block offsets.
constexpr unsigned kTech = 2, kPackage = 3, kQuality = 4, kPins = 6, kBits = 8, kUnnamedReal = 12;
constexpr std::uint8_t kSram = 1, kDram = 2, kMos = 2, kDualInLine = 1, kB1 = 4, kB2 = 5;

const std::string kColumns = "generic_name,catalog_number,military_number,part_name,pins";

std::uint32_t bits_of(const std::uint8_t* block, unsigned offset) {
    return std::bit_cast<std::uint32_t>(load_f32(block, offset));
}

TEST(DefaultsMerge, EnteredValuesAreShownAndTheDefaultsFillTheRest) {
    FakeLibrary library;
    Block sram = FakeLibrary::complete_defaults(1, kSram);
    sram[kQuality] = kB2;
    store(sram.data(), kPins, std::uint16_t{28});
    store(sram.data(), kBits, 1048576.0f);
    library.defaults_by_type[{1, kSram, 0}] = sram;

    ReadRow row = read_row("type,quality,pins,bits", "IC Memory,1,30,0,SRAM,B1,,", library);
    EXPECT_EQ(row.diagnostics, "");
    EXPECT_EQ(library.asked, (std::vector<FakeLibrary::TypeKey>{{1, kSram, 0}}));

    EXPECT_EQ(entered(row.part)[kQuality], kB1);
    EXPECT_EQ(load_u16(entered(row.part), kPins), 65535);
    EXPECT_EQ(bits_of(entered(row.part), kBits), 0x7F7FFFFFu);
    EXPECT_EQ(report_cell(row.part, 6), " ---  ");  // the report shows what was entered
    EXPECT_EQ(report_cell(row.part, 4), " B1   ");

    EXPECT_EQ(effective(row.part)[1], kSram);
    EXPECT_EQ(effective(row.part)[kQuality], kB1);  // entered, so not the default B2
    EXPECT_EQ(load_u16(effective(row.part), kPins), 28);
    EXPECT_EQ(load_f32(effective(row.part), kBits), 1048576.0f);
    EXPECT_EQ(effective(row.part)[kTech], 1);  // from the complete set
    // No model reads the real that no column fills; it stays undefined.
    EXPECT_EQ(bits_of(effective(row.part), kUnnamedReal), 0x7F7FFFFFu);

    // The defaults are those of the part's Type and SubType.
    library.asked.clear();
    row = read_row("subtype,type", "IC Memory,1,30,0,3,DRAM", library);
    EXPECT_EQ(library.asked, (std::vector<FakeLibrary::TypeKey>{{1, kDram, 3}}));
    EXPECT_EQ(effective(row.part)[0], 3);
}

// Categories without a type list read without one: ShippedLibrary's rows give
// every category nothing but its type.
TEST(DefaultsMerge, TheTypeIsRequiredWhereTheCategoryHasOne) {
    FakeLibrary library;
    ReadRow row = read_row("style,quality", "CAPACITOR,1,30,0,,B1", library);
    EXPECT_EQ(row.diagnostics, "list.csv:2: column 'style': You must define Type of the part.\n");
    EXPECT_TRUE(row.part.refused());
    EXPECT_TRUE(library.asked.empty());
}

TEST(DefaultsMerge, AFieldWithoutADefaultRefusesThePartUnlessNoModelReadsIt) {
    FakeLibrary library;
    Block sram = FakeLibrary::complete_defaults(1, kSram);
    store(sram.data(), kPins, std::uint16_t{65535});
    store(sram.data(), kBits, std::bit_cast<float>(0x7F7FFFFFu));
    library.defaults_by_type[{1, kSram, 0}] = sram;

    // The SubType and the real at 12 stay undefined as well, and are no problem.
    ReadRow row = read_row("type,pins,bits", "IC Memory,1,30,0,SRAM,,", library);
    EXPECT_EQ(row.diagnostics,
              "list.csv:2: column 'pins': not entered, and the component library has no default for it\n"
              "list.csv:2: column 'bits': not entered, and the component library has no default for it\n");
    EXPECT_TRUE(row.part.refused());

    row = read_row("type,pins,bits", "IC Memory,1,30,0,SRAM,28,1024", library);
    EXPECT_EQ(row.diagnostics, "");
    EXPECT_EQ(effective(row.part)[0], 0);
}

TEST(DefaultsMerge, WithoutTheLibraryOnlyFullyEnteredPartsAreRead) {
    FakeLibrary library;
    library.loadable = false;
    const std::string columns = "type,tech,package,quality,learning,pins,bits,user_pi_q";
    // The user quality factor is read only with the quality User.
    ReadRow row = read_row(columns, "IC Memory,1,30,0,SRAM,MOS,Package FLAT,B1,Stabilized,20,1024,", library);
    EXPECT_EQ(row.diagnostics, "");
    EXPECT_EQ(effective(row.part)[kTech], kMos);
    EXPECT_EQ(load_u16(effective(row.part), kPins), 20);

    row = read_row(columns, "IC Memory,1,30,0,SRAM,MOS,Package FLAT,User,Stabilized,20,1024,", library);
    EXPECT_EQ(row.diagnostics,
              "list.csv:2: column 'user_pi_q': not entered, and the component library, which holds the defaults, "
              "cannot be loaded\n");
}

// Gives an IC the rate of its active pins, as the effective block holds them.
std::int32_t rate_is_pins(char*, std::uint8_t* record) {
    store(record, item_slot(0), static_cast<float>(load_u16(record, GJBZ108A_ITEM_BLOCK + kPins)));
    return GJBZ108A_COMPUTED;
}

TEST(DefaultsMerge, TheCheckAndTheModelGetTheEffectiveBlock) {
    FakeLibrary library;
    Block sram = FakeLibrary::complete_defaults(1, kSram), dram = FakeLibrary::complete_defaults(1, kDram);
    store(sram.data(), kPins, std::uint16_t{28});
    store(dram.data(), kPins, std::uint16_t{101});  // too many for a dual in-line package
    dram[kPackage] = kDualInLine;
    library.defaults_by_type[{1, kSram, 0}] = sram;
    library.defaults_by_type[{1, kDram, 0}] = dram;

    std::istringstream in("ref,qty,category,environment,temperature,cycling_rate,type,pins,bits\n"
                          "U1,1,IC Memory,1,30,0,SRAM,,1024\n"
                          "U2,2,IC Memory,1,30,0,SRAM,44,1024\n"
                          "U3,1,IC Memory,1,30,0,DRAM,,1024\n");
    std::ostringstream out, diagnostics;
    EXPECT_EQ(predict(in, "list.csv", Format::csv, View::parts, out, diagnostics, &rate_is_pins, &library),
              kSomethingRefused);
    EXPECT_EQ(diagnostics.str(),
              "list.csv:4: part 'U3' not computed: Number of pins for this package must be between  4 to 100\n");
    // The rows' first cells: the part, the rate the pins gave, the keys of the
    // values the defaults gave, and the first values (subtype left out).
    std::istringstream rows(out.str());
    std::string row;
    std::getline(rows, row);
    for (const std::string expected :
         {"U1,1,IC Memory,28,28,computed,,tech package quality learning pins,,SRAM,Bipolar,Package Dual In-Line,",
          "U2,2,IC Memory,44,88,computed,,tech package quality learning,,SRAM,",
          "U3,1,IC Memory,,,not computed,Number of pins for this package must be between  4 to 100,"
          "tech package quality learning pins,,DRAM,",
          ",,,,116,total,parts read 3; computed 2; computed with warnings 0; refused 1; pieces read 4; "
          "pieces computed 3; took defaults 3; MTBF of the computed parts 8620.689655172413 hours,"}) {
        std::getline(rows, row);
        EXPECT_TRUE(row.starts_with(expected)) << row;
    }
}

std::string generic_name_of(const Part& part) {
    return reinterpret_cast<const char*>(part.record.data() + GJBZ108A_EDIT_GENERIC_NAME);
}

TEST(NamedParts, ThePartTakesTheLibrarysParametersAndTheRowOverridesThem) {
    FakeLibrary library = FakeLibrary::with_memories();
    ReadRow row = read_row(kColumns, "IC Memory,1,30,0,sram 32k,,,,", library);
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
    FakeLibrary library = FakeLibrary::with_memories();
    // The generic name is found first, whatever the catalog number names.
    ReadRow row = read_row(kColumns, "IC Memory,1,30,0,SRAM 32K,CAT-8,,,", library);
    EXPECT_EQ(load_u16(entered(row.part), kPins), 32);
    // An unknown generic name leaves the catalog number to find the part.
    row = read_row(kColumns, "IC Memory,1,30,0,NO SUCH PART,CAT-8,,,", library);
    EXPECT_EQ(row.diagnostics, "");
    EXPECT_EQ(load_u16(entered(row.part), kPins), 8);
    EXPECT_EQ(generic_name_of(row.part), "EEPROM 8-PIN");
    // The other names stay as the row gives them.
    EXPECT_STREQ(reinterpret_cast<const char*>(row.part.record.data() + GJBZ108A_EDIT_CATALOG_NUMBER), "CAT-8");
}

// A name the library does not know refuses the part; a name longer than its
// field is refused before it is looked up.
TEST(NamedParts, UnknownNamesAndNamesLongerThanTheRecordsFields) {
    FakeLibrary library = FakeLibrary::with_memories();
    const std::string generic(42, 'G'), other(62, 'N');
    library.parts[{NameKind::generic_name, generic, 1}] = {FakeLibrary::stored_memory(32), generic};
    library.parts[{NameKind::part_name, other, 1}] = {FakeLibrary::stored_memory(8), "EEPROM 8-PIN"};
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"IC Memory,1,30,0,NO SUCH PART,,,,", "list.csv:2: column 'generic_name': the component library has no "
                                              "part of category IC Memory under the generic name 'NO SUCH PART'\n"},
        {"IC Memory,1,30,0,,,QJ-1,P-1,", "list.csv:2: column 'military_number': the component library has no part "
                                         "of category IC Memory under the military number 'QJ-1' or the part name "
                                         "'P-1'\n"},
        // A part of another category is not the one the row means.
        {"IC Digital,1,30,0,SRAM 32K,,,,", "list.csv:2: column 'generic_name': the component library has no part "
                                           "of category IC Digital under the generic name 'SRAM 32K'\n"},
        {"IC Memory,1,30,0," + generic + ",,,,", ""},
        {"IC Memory,1,30,0,,,," + other + ",", ""},
        {"IC Memory,1,30,0," + generic + "G,,,,",
         "list.csv:2: column 'generic_name': the generic name is longer than 42 characters\n"},
        {"IC Memory,1,30,0,," + other + "N,,,",
         "list.csv:2: column 'catalog_number': the catalog number is longer than 62 characters\n"},
    };
    for (const auto& [cells, diagnostics] : cases) {
        const ReadRow row = read_row(kColumns, cells, library);
        EXPECT_EQ(row.diagnostics, diagnostics) << cells;
        EXPECT_EQ(row.part.refused(), !diagnostics.empty()) << cells;
    }

    library.loadable = false;
    EXPECT_EQ(read_row(kColumns, "IC Memory,1,30,0,SRAM 32K,CAT-8,,,", library).diagnostics,
              "list.csv:2: column 'generic_name': the component library cannot be loaded to look up the generic "
              "name 'SRAM 32K' or the catalog number 'CAT-8'\n");
}

}  // namespace
}  // namespace gjbz108a::cli::test
