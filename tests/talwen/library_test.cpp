// The component library's CSV files in and out, with their error messages.
// (That a block starts undefined and a refused value throws the converter's
// reason shows in the imports and in the defaults of an unknown set.)
#include "fixture.h"

#include "records/field_values.h"
#include "records/input_limits.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace gjbz108a::talwen::test {
namespace {

TEST(ComponentLibrary, FilesNameTheLineAndColumnOfAnError) {
    TemporaryLibrary folder;
    ComponentLibrary library(folder.database());
    using Import = std::size_t (*)(ComponentLibrary::Writer&, std::istream&, const std::string&, const ImportProgress&);
    const std::string parts = "generic_name, category, style, quality, resistors, user_pi_q\n",
                      references = "name_kind, name, generic_name\n",
                      defaults = "category, type, subtype, field, value, why\n";
    // A file without a line break, or with one huge cell, is refused at the
    // bound instead of being read whole.
    const std::string header = "generic_name, category, style\n",
                      cell_bound = "x.csv:2: a cell is longer than 65536 bytes (64 KiB), the most one may hold",
                      row_bound = "x.csv:2: a row is longer than 1048576 bytes (1024 KiB), the most one may hold";
    std::string quoted_lines;  // short cells, a line break in each
    while (quoted_lines.size() <= kLongestRow) quoted_lines += "\"a\nb\",";
    struct Case {
        Import import;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {import_parts, parts + "R1, 5, Metal Film, B7, 1,\n",
         "x.csv:2: column 'quality': 'B7' is not an entry of the list (A1m, A2, B1, B2, C, User)"},
        // A long cell (as long as one may be, with its blank) is quoted by its start only.
        {import_parts, parts + "R1, 5, Metal Film, " + std::string(kLongestCell - 1, 'Q') + ", 1,\n",
         "x.csv:2: column 'quality': '" + std::string(40, 'Q') +
             "...' is not an entry of the list (A1m, A2, B1, B2, C, User)"},
        {import_parts, parts + "R1, 4, , , ,\n", "x.csv:2: category '4' is not a supported category"},
        {import_parts, "generic_name, category, item_class\nR1, 5, 256\n",
         "x.csv:2: item_class '256' is not a number 0..255"},
        {import_parts, parts + "R1, 3, Metal Film, , ,\n", "x.csv:2: column 'style': IC Digital has no such parameter"},
        {import_parts, parts + "R1, 5, , , , , extra\n", "x.csv:2: 7 cells but 6 columns"},
        {import_parts, parts + "R1, 5, , , ,\nr1, Resistor, , , ,\n",
         "x.csv:3: generic name 'r1' is already on line 2"},
        // Comments, blank lines and a quoted cell over two lines count in the line number.
        {import_parts, "generic_name, category, quality, # note\n# comment\n\nGOOD 1, 5, B2, \"two\nlines\"\n"
                       "  #also a comment\nBAD, 5, Z\n",
         "x.csv:7: column 'quality': 'Z' is not an entry of the list (A1m, A2, B1, B2, C, User)"},
        {import_parts, parts + "\"R1\n, 5\n", "x.csv:2: a quoted cell is not closed"},
        {import_parts, parts + "\"R1\"x, 5\n", "x.csv:2: text after a quoted cell"},
        {import_parts, "generic_name, category, colour\n", "x.csv:1: unknown column 'colour'"},
        {import_parts, "generic_name, style\n", "x.csv:1: the column 'category' is missing"},
        {import_parts, "generic_name, category, pins, pins\n", "x.csv:1: column 'pins' appears twice"},
        {import_cross_references, references + "catalogue, C1, G\n",
         "x.csv:2: name_kind 'catalogue' is not an entry of the list (catalog number, military number, part name)"},
        {import_cross_references, references + "part name, P1, G\nPart Name, p1, H\n",
         "x.csv:3: part name 'p1' is already on line 2"},
        {import_cross_references, references + "military number, P1, G\ncatalog number, p1, H\n", ""},
        {import_defaults, defaults + "3, FPGA, , style, 1,\n",
         "x.csv:2: column 'field': IC Digital has no parameter 'style'"},
        {import_defaults, defaults + "33, 1, , pins, 1,\n", "x.csv:2: column 'type': HYBRID has no types"},
        {import_defaults, defaults + "3, , , type, Logic,\n",
         "x.csv:2: the type of IC Digital selects a defaults set; it has no default of its own"},
        {import_defaults, defaults + "3, , , pins, ,\n", "x.csv:2: the default 'pins' of IC Digital has no value"},
        {import_defaults, defaults + "3, FPGA, 2, pins, 9,\n3, 5, 2, pins, 8,\n",
         "x.csv:3: the default 'pins' of this set is already on line 2"},
        {import_defaults, defaults + "3, FPGA, 2, pins, 9, \"why, with a comma\"\n", ""},
        {import_parts, header + "R1, 5, " + std::string(kLongestCell + 1, 'Q') + "\n", cell_bound},
        {import_parts,
         header + "R1, 5, \"" + std::string(kLongestCell / 2, 'Q') + "\n" + std::string(kLongestCell / 2, 'Q') + "\"\n",
         cell_bound},
        // A row of the most bytes is read (and has too many cells); one more is not.
        {import_parts, header + "R1," + std::string(kLongestRow - 3, ',') + "\n",
         "x.csv:2: 1048575 cells but 3 columns"},
        {import_parts, header + "R1," + std::string(kLongestRow - 2, ',') + "\n", row_bound},
        {import_parts, header + "R1, " + std::string(2 * kLongestRow, ' '), row_bound},
        {import_parts, header + quoted_lines + "\n", row_bound},
    };
    const auto shipped_parts = library.parts().size();
    for (const Case& c : cases) EXPECT_EQ(import_text(library, c.import, c.text), c.message) << c.text.substr(0, 80);
    EXPECT_EQ(library.parts().size(), shipped_parts);  // a file lands whole or not at all
    EXPECT_EQ(library.find_cross_reference(NameKind::catalog_number, "P1")->generic_name, "H");
    EXPECT_EQ(load<std::uint16_t>(library.defaults(1, 3, 5, 2).block.data(), 6), 9);
    EXPECT_EQ(load<std::uint16_t>(library.defaults(1, 3, 5, 1).block.data(), 6), 256);
}

TEST(ComponentLibrary, AFileReadsAsAPartsListReads) {
    TemporaryLibrary folder;
    ComponentLibrary library(folder.database());
    const auto before = library.parts().size();
    // As in a parts list: a byte-order mark, column names in any case, notes,
    // lines ended as on Windows.
    EXPECT_EQ(import_text(library, import_parts,
                          "\xEF\xBB\xBFGeneric_Name, CATEGORY, Quality, # source\r\n"
                          "CAP 9, capacitor, b2, \"say \"\"old\"\", list\" \r\nGOOD 2, Resistor, 3\r\n"),
              "");
    EXPECT_EQ(library.parts().size(), before + 2);
    const auto good = library.find_part("good 2");
    ASSERT_TRUE(good);
    EXPECT_EQ(good->item_class, 1);
    EXPECT_EQ(good->block[3], 3);                    // B1 by its code
    EXPECT_EQ(good->block[1], kUndefinedSelection);  // style left undefined
    EXPECT_EQ(load<float>(good->block.data(), 8), kUndefinedF32);
    EXPECT_EQ(library.find_part("CAP 9")->block[2], 7);  // B2 of the capacitor list
}

TEST(ComponentLibrary, ExportedFilesImportToTheSameLibrary) {
    TemporaryLibrary folder;
    ComponentLibrary library(folder.database());
    Part odd{"ODD \"QUOTED\", NAME", 1, 12, undefined_block(12)};
    set_field(odd.block, *find_field(12, "power_rating"), "0.1");  // no exact binary form
    set_field(odd.block, *find_field(12, "style"), "Si, NPN");
    library.put_part(odd);
    for (const char* name : {"#1 READ AS A COMMENT UNLESS QUOTED", " LEADING BLANK"})
        library.put_part({name, 1, 5, undefined_block(5)});
    const auto exported = [](ComponentLibrary& from) {
        std::ostringstream parts, references, defaults;
        export_parts(from, parts);
        export_cross_references(from, references);
        export_defaults(from, defaults);
        return std::array{parts.str(), references.str(), defaults.str()};
    };
    const auto files = exported(library);

    // A second database, emptied, is filled from the files alone.
    ComponentLibrary copy(folder.folder() / "copy.db");
    Connection(folder.folder() / "copy.db")
        .execute("DELETE FROM parts; DELETE FROM cross_references; DELETE FROM default_values;");
    EXPECT_EQ(import_text(copy, import_parts, files[0]) + import_text(copy, import_cross_references, files[1]) +
                  import_text(copy, import_defaults, files[2]),
              "");
    EXPECT_EQ(exported(copy), files);
    // The same blocks: a value's text reads back to the same bits.
    EXPECT_TRUE(std::ranges::equal(copy.parts(), library.parts(), {}, &Part::block, &Part::block));
    EXPECT_EQ(copy.default_values().size(), 140u);
    const auto odd_line = files[0].find("\n\"ODD \"\"QUOTED\"\", NAME\",Low Frequency Transistors,1,");
    ASSERT_NE(odd_line, std::string::npos) << files[0];
    const std::string line = files[0].substr(odd_line, files[0].find('\n', odd_line + 1) - odd_line);
    EXPECT_NE(line.find(",\"Si, NPN\","), std::string::npos) << line;
    EXPECT_NE(line.find(",0.1,"), std::string::npos) << line;
}

}  // namespace
}  // namespace gjbz108a::talwen::test
