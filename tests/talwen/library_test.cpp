// The component library's C++ interface: schema versions, CSV files in and
// out with their error messages, and the text form of parameter fields.
#include "support/temporary_library.h"

#include "component_library.h"
#include "csv.h"
#include "csv_exchange.h"
#include "method/field_types.h"
#include "method/record.h"

#include <gtest/gtest.h>

#include <sstream>

namespace gjbz108a::talwen {
namespace {

using test::TemporaryLibrary;

// The message of the Error that `body` throws, or "" when it throws none.
template <typename Body>
std::string error_of(Body&& body) {
    try {
        body();
    } catch (const Error& error) {
        return error.what();
    }
    return "";
}

std::string import_parts_text(ComponentLibrary& library, const std::string& text) {
    return error_of([&] {
        std::istringstream in(text);
        library.write([&](ComponentLibrary::Writer& writer) { import_parts(writer, in, "board.csv"); });
    });
}

TEST(ComponentLibrary, NewerSchemasAreRefusedAndCurrentOnesKept) {
    TemporaryLibrary folder;
    { ComponentLibrary library(folder.database()); }
    {
        Connection db(folder.database());
        db.execute("DELETE FROM parts WHERE item_code = 3");
    }
    {
        ComponentLibrary reopened(folder.database());  // not filled again
        EXPECT_FALSE(reopened.find_part("LOGIC QUAD NAND2 CMOS DIP14"));
        EXPECT_TRUE(reopened.find_part("SRAM 256K X 8 CMOS SO32"));
    }
    {
        Connection db(folder.database());
        db.execute("PRAGMA user_version = 2");
    }
    EXPECT_EQ(error_of([&] { ComponentLibrary library(folder.database()); }),
              folder.database().string() + ": the database has schema version 2; this library knows versions up to 1");
}

TEST(ComponentLibrary, PartsFilesNameTheLineAndColumnOfAnError) {
    TemporaryLibrary folder;
    ComponentLibrary library(folder.database());
    const std::string header = "generic_name, category, style, quality, resistors, user_pi_q\n";
    struct Case {
        const char* rows;
        const char* message;
    };
    const Case cases[] = {
        {"R1, 5, Metal Film, B7, 1,\n",
         "board.csv:2: column 'quality': 'B7' is not an entry of the list (A1m, A2, B1, B2, C, User)"},
        {"R1, 5, Metal Film, 7, 1,\n", "board.csv:2: column 'quality': '7' is outside 1..6"},
        {"# a comment\n\nR1, 5, , B2, 127,\n", "board.csv:4: column 'resistors': '127' is outside 0..126"},
        {"R1, 5, , B2, 1x,\n", "board.csv:2: column 'resistors': '1x' is not a whole number"},
        {"R1, 5, , , , 1.8e38\n", "board.csv:2: column 'user_pi_q': '1.8e38' is too large"},
        {"R1, 4, , , ,\n", "board.csv:2: category '4' is not a supported category"},
        {"R1, 3, Metal Film, , ,\n", "board.csv:2: column 'style': IC Digital has no such parameter"},
        {"R1, 5, , , , , extra\n", "board.csv:2: 7 cells but 6 columns"},
        {"R1, 5, , , ,\nr1, Resistor, , , ,\n", "board.csv:3: generic name 'r1' is already on line 2"},
        {", 5, , , ,\n", "board.csv:2: the generic name is empty"},
        {"\"R1\n, 5\n", "board.csv:2: a quoted cell is not closed"},
    };
    for (const Case& c : cases) EXPECT_EQ(import_parts_text(library, header + c.rows), c.message) << c.rows;
    EXPECT_EQ(import_parts_text(library, "generic_name, category, colour\n"), "board.csv:1: unknown column 'colour'");
    EXPECT_EQ(import_parts_text(library, "generic_name, style\n"), "board.csv:1: the column 'category' is missing");
    EXPECT_EQ(import_parts_text(library, "generic_name, category, pins, pins\n"),
              "board.csv:1: column 'pins' appears twice");
}

TEST(ComponentLibrary, AFileLandsWholeOrNotAtAll) {
    TemporaryLibrary folder;
    ComponentLibrary library(folder.database());
    const auto before = library.parts().size();
    EXPECT_EQ(import_parts_text(library, "generic_name, category, quality\nGOOD 1, 5, B2\nGOOD 2, 5, B1\nBAD, 5, Z\n"),
              "board.csv:4: column 'quality': 'Z' is not an entry of the list (A1m, A2, B1, B2, C, User)");
    EXPECT_EQ(library.parts().size(), before);
    EXPECT_FALSE(library.find_part("GOOD 1"));

    EXPECT_EQ(import_parts_text(library, "generic_name, category, quality\nGOOD 1, 5, B2\nGOOD 2, Resistor, 3\n"), "");
    const auto good = library.find_part("good 2");
    ASSERT_TRUE(good);
    EXPECT_EQ(good->block[3], 3);                        // B1 by its code
    EXPECT_EQ(good->block[1], kUndefinedSelection);      // style left undefined
    EXPECT_EQ(load<float>(good->block.data(), 8), kUndefinedF32);

    // As in a parts list: a byte-order mark, column names in any case, notes.
    EXPECT_EQ(import_parts_text(library, "\xEF\xBB\xBFGeneric_Name, CATEGORY, Quality, # source\n"
                                         "CAP 9, capacitor, b2, from the old list\n"),
              "");
    const auto cap = library.find_part("CAP 9");
    ASSERT_TRUE(cap);
    EXPECT_EQ(cap->item_code, 7);
    EXPECT_EQ(cap->block[2], 7);  // B2 of the capacitor list
}

TEST(ComponentLibrary, CrossReferenceAndDefaultsFilesCheckTheirRows) {
    TemporaryLibrary folder;
    ComponentLibrary library(folder.database());
    const auto import = [&](auto import_function, const std::string& text) {
        return error_of([&] {
            std::istringstream in(text);
            library.write([&](ComponentLibrary::Writer& writer) { import_function(writer, in, "x.csv", {}); });
        });
    };
    const std::string references = "name_kind, name, generic_name\n";
    EXPECT_EQ(import(import_cross_references, references + "catalogue, C1, G\n"),
              "x.csv:2: name_kind 'catalogue' is not an entry of the list (catalog number, military number, part name)");
    EXPECT_EQ(import(import_cross_references, references + "part name, P1, G\nPart Name, p1, H\n"),
              "x.csv:3: part name 'p1' is already on line 2");
    EXPECT_EQ(import(import_cross_references, references + "part name, P1, G\ncatalog number, p1, H\n"), "");
    EXPECT_EQ(library.find_cross_reference(NameKind::catalog_number, "P1")->generic_name, "H");

    const std::string defaults = "category, type, subtype, field, value, why\n";
    EXPECT_EQ(import(import_defaults, defaults + "3, FPGA, , style, 1,\n"),
              "x.csv:2: column 'field': IC Digital has no parameter 'style'");
    EXPECT_EQ(import(import_defaults, defaults + "3, Gate Array, , pins, 1,\n"),
              "x.csv:2: column 'type': 'Gate Array' is not an entry of the list "
              "(Logic, PLA, PAL, PLD, FPGA, mPROC, DSP, Microcontroller)");
    EXPECT_EQ(import(import_defaults, defaults + "33, 1, , pins, 1,\n"), "x.csv:2: column 'type': HYBRID has no types");
    EXPECT_EQ(import(import_defaults, defaults + "3, , , type, Logic,\n"),
              "x.csv:2: the type of IC Digital selects a defaults set; it has no default of its own");
    EXPECT_EQ(import(import_defaults, defaults + "3, , , pins, ,\n"),
              "x.csv:2: the default 'pins' of IC Digital has no value");
    EXPECT_EQ(import(import_defaults, defaults + "3, FPGA, 2, pins, 9,\n3, 5, 2, pins, 8,\n"),
              "x.csv:3: the default 'pins' of this set is already on line 2");
    EXPECT_EQ(import(import_defaults, defaults + "3, FPGA, 2, pins, 9, \"why, with a comma\"\n"), "");
    const Defaults found = library.defaults(1, 3, 5, 2);
    EXPECT_EQ(load<std::uint16_t>(found.block.data(), 6), 9);
}

TEST(ComponentLibrary, ExportedFilesImportToTheSameLibrary) {
    TemporaryLibrary folder;
    std::string parts, references, defaults;
    std::vector<Part> original_parts;
    std::vector<CrossReference> original_references;
    std::vector<DefaultValue> original_defaults;
    {
        ComponentLibrary library(folder.database());
        Part odd{"ODD \"QUOTED\", NAME", 1, 12, undefined_block(12)};
        set_field(odd.block, *find_field(12, "power_rating"), "0.1");  // no exact binary form
        set_field(odd.block, *find_field(12, "style"), "Si, NPN");
        library.put_part(odd);
        std::ostringstream p, x, d;
        export_parts(library, p);
        export_cross_references(library, x);
        export_defaults(library, d);
        parts = p.str(), references = x.str(), defaults = d.str();
        original_parts = library.parts();
        original_references = library.cross_references();
        original_defaults = library.default_values();
    }
    // A second database, emptied, is filled from the files alone.
    const auto copy_file = folder.folder() / "copy.db";
    { ComponentLibrary created(copy_file); }
    Connection(copy_file).execute("DELETE FROM parts; DELETE FROM cross_references; DELETE FROM default_values;");
    ComponentLibrary copy(copy_file);
    copy.write([&](ComponentLibrary::Writer& writer) {
        std::istringstream p(parts), x(references), d(defaults);
        import_parts(writer, p, "parts");
        import_cross_references(writer, x, "references");
        import_defaults(writer, d, "defaults");
    });
    const auto copied_parts = copy.parts();
    ASSERT_EQ(copied_parts.size(), original_parts.size());
    for (std::size_t i = 0; i < copied_parts.size(); ++i) {
        EXPECT_EQ(copied_parts[i].generic_name, original_parts[i].generic_name);
        EXPECT_EQ(copied_parts[i].item_code, original_parts[i].item_code);
        EXPECT_EQ(copied_parts[i].block, original_parts[i].block) << copied_parts[i].generic_name;
    }
    const auto copied_references = copy.cross_references();
    ASSERT_EQ(copied_references.size(), original_references.size());
    for (std::size_t i = 0; i < copied_references.size(); ++i) {
        EXPECT_EQ(copied_references[i].kind, original_references[i].kind);
        EXPECT_EQ(copied_references[i].name, original_references[i].name);
        EXPECT_EQ(copied_references[i].generic_name, original_references[i].generic_name);
    }
    const auto copied_defaults = copy.default_values();
    ASSERT_EQ(copied_defaults.size(), original_defaults.size());
    for (std::size_t i = 0; i < copied_defaults.size(); ++i) {
        EXPECT_EQ(copied_defaults[i].field, original_defaults[i].field);
        EXPECT_EQ(copied_defaults[i].type, original_defaults[i].type);
        EXPECT_EQ(field_bytes(copied_defaults[i].block, *copied_defaults[i].field).front(),
                  field_bytes(original_defaults[i].block, *original_defaults[i].field).front());
        EXPECT_EQ(copied_defaults[i].note, original_defaults[i].note);
    }
    const auto odd = parts.find("\n\"ODD \"\"QUOTED\"\", NAME\",Low Frequency Transistors,1,");
    ASSERT_NE(odd, std::string::npos) << parts;
    const std::string odd_line = parts.substr(odd + 1, parts.find('\n', odd + 1) - odd - 1);
    EXPECT_NE(odd_line.find(",\"Si, NPN\","), std::string::npos) << odd_line;
    EXPECT_NE(odd_line.find(",0.1,"), std::string::npos) << odd_line;
}

TEST(BlockCodec, RealsAreUndefinedFromTwoToThe127th) {
    const ParameterField& bits = *find_field(1, "bits");
    Block block = undefined_block(1);
    EXPECT_FALSE(is_defined(block, bits));
    store(block.data(), 8, 1.8e38f);
    EXPECT_FALSE(is_defined(block, bits));
    EXPECT_EQ(field_text(block, bits), "");
    store(block.data(), 8, 1.6e38f);
    EXPECT_TRUE(is_defined(block, bits));
    store(block.data(), 8, -1.8e38f);
    EXPECT_FALSE(is_defined(block, bits));
    set_field(block, bits, "1.7e38");  // below 2^127 = 1.7014118e38
    EXPECT_EQ(load<float>(block.data(), 8), 1.7e38f);
    EXPECT_EQ(error_of([&] { set_field(block, bits, "1.71e38"); }), "'1.71e38' is too large");
    EXPECT_EQ(error_of([&] { set_field(block, bits, "nan"); }), "'nan' is too large");
    set_field(block, bits, " --- ");
    EXPECT_EQ(load<float>(block.data(), 8), kUndefinedF32);
}

TEST(BlockCodec, NumbersStopShortOfTheirUndefinedValue) {
    Block block = undefined_block(2);
    const ParameterField& pins = *find_field(2, "pins");
    const ParameterField& transistors = *find_field(2, "transistors");
    set_field(block, pins, "65534");
    EXPECT_EQ(field_text(block, pins), "65534");
    EXPECT_EQ(error_of([&] { set_field(block, pins, "65535"); }), "'65535' is outside 0..65534");
    EXPECT_EQ(error_of([&] { set_field(block, pins, "-1"); }), "'-1' is outside 0..65534");
    set_field(block, transistors, "-2147483648");
    EXPECT_EQ(field_text(block, transistors), "-2147483648");
    EXPECT_EQ(error_of([&] { set_field(block, transistors, "2147483647"); }),
              "'2147483647' is outside -2147483648..2147483646");
    const ParameterField& elements = *find_field(3, "elements");
    Block digital = undefined_block(3);
    set_field(digital, elements, "4294967294");
    EXPECT_EQ(load<std::uint32_t>(digital.data(), 8), 4294967294u);
    const ParameterField& package = *find_field(2, "package");
    set_field(block, package, "unpack smt(chip carrier)");  // entries ignore letter case
    EXPECT_EQ(block[3], 13);
    EXPECT_EQ(field_text(block, package), "Unpack SMT(Chip carrier)");
    block[3] = 14;  // beyond the list: kept as a number
    EXPECT_EQ(field_text(block, package), "14");
}

TEST(BlockCodec, SubTypeIsUndefinedAtZeroAsTheScreenListSays) {
    const ParameterField& subtype = *find_field(5, "subtype");
    Block block = undefined_block(5);
    EXPECT_EQ(block[0], 0);  // the selection's "nothing chosen", not the byte count's 127
    EXPECT_FALSE(is_defined(block, subtype));
    set_field(block, subtype, "127");
    EXPECT_TRUE(is_defined(block, subtype));
    EXPECT_EQ(field_text(block, subtype), "127");
    EXPECT_EQ(error_of([&] { set_field(block, subtype, "0"); }), "'0' is outside 1..255");
}

TEST(Csv, QuotedCellsCommentsAndLineEndings) {
    std::istringstream in("# comment\r\na, \"b, c\" ,\"say \"\"hi\"\"\"\r\n\r\n\"two\nlines\",x\n  #not a comment?\n");
    CsvReader reader(in, "t.csv");
    auto row = reader.next();
    ASSERT_TRUE(row);
    EXPECT_EQ(row->line, 2u);
    EXPECT_EQ(row->cells, (std::vector<std::string>{"a", "b, c", "say \"hi\""}));
    row = reader.next();
    ASSERT_TRUE(row);
    EXPECT_EQ(row->line, 4u);
    EXPECT_EQ(row->cells, (std::vector<std::string>{"two\nlines", "x"}));
    EXPECT_FALSE(reader.next());  // a line that begins with # after blanks is a comment too

    std::ostringstream out;
    write_csv_row(out, std::vector<std::string>{"plain", "with,comma", "#hash", " blank", "q\"q", ""});
    EXPECT_EQ(out.str(), "plain,\"with,comma\",\"#hash\",\" blank\",\"q\"\"q\",\n");

    std::istringstream bad("a,\"b\"c\n");
    CsvReader bad_reader(bad, "bad.csv");
    EXPECT_EQ(error_of([&] { bad_reader.next(); }), "bad.csv:1: text after a quoted cell");
}

}  // namespace
}  // namespace gjbz108a::talwen
