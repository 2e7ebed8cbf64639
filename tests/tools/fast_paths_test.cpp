// What a long list takes the short ways for gives what the plain ways give:
// the remembered shortest texts of numbers, the remembered defaults merges,
// the output buffer, and the table of references as it grows.
#include "tools/parts_list/csv_reader.h"
#include "tools/parts_list/duplicate_references.h"
#include "tools/parts_list/part_reader.h"
#include "tools/prediction/output.h"
#include "tools/prediction/shortest_texts.h"

#include "fake_library.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace gjbz108a::cli {
namespace {

// Random bit patterns (every sign, exponent, subnormal and NaN), the longest
// texts, and each number again later, after others have taken its slot.
template <typename Number, typename Bits>
void expect_texts_of_to_chars() {
    using Limits = std::numeric_limits<Number>;
    std::vector<Number> numbers{Limits::min(), -Limits::min(), Limits::max(), -Limits::max(),
                                Limits::denorm_min(), -Limits::denorm_min(), Number{0}, -Number{0},
                                Limits::infinity(), -Limits::infinity(), std::nextafter(-Limits::min(), Number{0})};
    std::mt19937_64 random(108);
    for (int i = 0; i < 200000; ++i) numbers.push_back(std::bit_cast<Number>(static_cast<Bits>(random())));
    for (int i = 0; i < 200000; ++i) numbers.push_back(numbers[random() % numbers.size()]);

    ShortestTexts<Number> texts;
    std::ostringstream written;
    std::string expected;
    {
        Output out(written);
        for (const Number number : numbers) {
            char text[64];
            const std::string plain(text, std::to_chars(text, text + sizeof text, number).ptr);
            ASSERT_EQ(texts.text(number), plain);
            out.exact(number).ch(' ');
            expected.append(plain).push_back(' ');
        }
    }
    EXPECT_EQ(written.str(), expected);
}

TEST(FastPaths, ShortestTextsAreThoseOfToChars) {
    expect_texts_of_to_chars<float, std::uint32_t>();
    expect_texts_of_to_chars<double, std::uint64_t>();
}

TEST(FastPaths, OutputOfTextsAndRunsLongerThanItsBuffer) {
    const std::string long_text = std::string(70000, 'a') + "b" + std::string(200000, 'c');
    std::ostringstream written;
    {
        Output out(written);
        out.ch('<').text(long_text).repeat(',', 150000).text("").right("x", 3).left("y", 2).ch('>');
    }
    EXPECT_EQ(written.str(), "<" + long_text + std::string(150000, ',') + "  xy >");
}

// A list of many parts read by one reader (whose remembered merges hit, miss
// and are displaced) against each row read by a reader of its own.
TEST(FastPaths, AListReadsAsEachOfItsRowsAlone) {
    std::string list = "ref,qty,category,environment,temperature,cycling_rate,type,tech,package,quality,learning,"
                       "pins,bits,style,surface,sealed\n";
    const std::vector<std::string> kinds{
        "IC Memory,1,30,5,SRAM,MOS,Package FLAT,B1,Stabilized,{},4194304,,,",
        "IC Memory,1,30,5,DRAM,,,B2,,{},,,,",  // the library's defaults fill the rest
        "IC Memory,1,30,5,,,,,,{},,,,",        // no type: refused
        "CAPACITOR,1,40,0,,,,B2,,,,Ceramic (Class 1),Chip,Without",
        "CAPACITOR,1,40,0,,,,,,{},,Ceramic (Class 1),,",  // pins: no such field
        "7,1,40,0,,,,B1,,,,Electrolytic Aluminum,,With",
    };
    for (int i = 0; i < 3000; ++i) {
        std::string row = kinds[static_cast<std::size_t>(i) % kinds.size()];
        if (const auto at = row.find("{}"); at != std::string::npos) row.replace(at, 2, std::to_string(i * 7 % 400));
        list.append("P").append(std::to_string(i)).append(",").append(row).append("\n");
    }

    const auto read_all = [&](bool reader_per_row) {
        std::istringstream in(list);
        std::ostringstream diagnostics_text;
        CsvReader csv(in);
        csv.next();
        std::vector<HeaderProblem> header_problems;
        const ColumnLayout layout(csv, header_problems);
        EXPECT_TRUE(header_problems.empty());
        Diagnostics diagnostics("list.csv", diagnostics_text);
        test::FakeLibrary library;
        PartReader shared(layout, diagnostics, library);
        std::string parts;
        while (csv.next()) {
            PartReader own(layout, diagnostics, library);
            Part part;
            EXPECT_TRUE((reader_per_row ? own : shared).read(csv, part));
            parts.append(reinterpret_cast<const char*>(part.record.data()), part.record.size()).append(part.problems);
            for (std::size_t i = 0; i < part.used.fields().size(); ++i)
                parts.append({part.used.shown(i) ? 's' : '-', part.used.defaulted(i) ? 'd' : '-'});
        }
        return parts + diagnostics_text.str();
    };
    EXPECT_EQ(read_all(false), read_all(true));
}

TEST(FastPaths, RepeatedReferencesAreFoundAcrossTheTablesGrowth) {
    constexpr unsigned long kParts = 300000;  // the table outgrows 2 MiB
    DuplicateReferences references;
    for (unsigned long line = 1; line <= kParts; ++line) {
        const std::string ref = std::string(line % 2 ? "R" : "c").append(std::to_string(line));
        ASSERT_EQ(references.earlier(references.probe(ref), line).line, 0u) << ref;
    }
    for (unsigned long line = 1; line <= kParts; line += 997) {
        const std::string ref = std::string(line % 2 ? "r" : "C").append(std::to_string(line));
        EXPECT_EQ(references.earlier(references.probe(ref), kParts + line).line, line) << ref;
    }
    EXPECT_EQ(references.earlier(references.probe("R2"), kParts + 1).line, 0u);
}

}  // namespace
}  // namespace gjbz108a::cli
