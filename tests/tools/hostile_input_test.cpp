// Parts lists that are broken or hostile: every problem is named by file, line
// and column, no part goes missing from the counts, and nothing is read or
// written outside its buffers (the sanitizer build runs these too). The
// reader's own cases (quoting, line ends, byte-order mark, columns beyond the
// header), files that are no parts list, short rows and repeated designators
// are in csv_reader_test and predict_test (and many designators in
// fast_paths_test); numbers out of range or not finite in the converter's
// tests (records/field_values_test).
#include "prediction.h"

#include "tools/parts_list/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace gjbz108a::cli::test {
namespace {

// Line 2 is UTF-8; line 3 is the first with a byte that is not (E9, e acute),
// so it alone is named; line 5 has more of them. In the text, a column each for
// Omega (two bytes) and a Latin-1 byte, two for a CJK ideograph (three bytes:
// "resistor").
TEST(HostileInput, Latin1BytesAreReadAsLatin1AndTheTextColumnsStayAligned) {
    const std::string list = std::string(kHeader) +
                             "\n"
                             "\xce\xa9" "1,1,FUSES,1,0.5,\n"
                             "F\xe9,1,FUSES,1,0.5,\n"
                             "\xe7\x94\xb5\xe9\x98\xbb" "1,1,FUSES,1,0.5,\n"
                             "\xb5" "F,1,FUS\xc9S,1,0.5,\n";
    const Prediction run = predict_text(list);
    EXPECT_EQ(run.diagnostics,
              "parts.csv:3: column 'ref': the cell is not UTF-8 text; here and in the rest of the list such bytes "
              "are read as Latin-1\n"
              "parts.csv:5: column 'category': 'FUS\xc9S' is neither a supported ItemCode nor a category name; did "
              "you mean 'FUSES'?\n");
    // The JSON stays UTF-8.
    EXPECT_TRUE(is_utf8(run.out));
    EXPECT_NE(run.out.find("{\"ref\":\"\xce\xa9" "1\","), std::string::npos);
    EXPECT_NE(run.out.find("{\"ref\":\"F\\u00e9\","), std::string::npos);
    EXPECT_NE(run.out.find("{\"ref\":\"\\u00b5F\",\"qty\":1,\"category\":\"FUS\\u00c9S\""), std::string::npos);
    EXPECT_NE(run.out.find(counts(4, 3, 0, 1)), std::string::npos);

    // Text and CSV keep the bytes as written.
    EXPECT_NE(predict_text(list, Format::csv).out.find("\nF\xe9,1,FUSES,"), std::string::npos);
    const std::string text = predict_text(list, Format::text).out;
    const std::string rest = "    1  FUSES                                 0.5           0.5  computed\n";
    EXPECT_NE(text.find("\n\xce\xa9" "1        " + rest), std::string::npos) << text;
    EXPECT_NE(text.find("\nF\xe9        " + rest), std::string::npos) << text;
    EXPECT_NE(text.find("\n\xe7\x94\xb5\xe9\x98\xbb" "1     " + rest), std::string::npos) << text;
}

TEST(Utf8, WellFormedSequencesAndTheBytesTakenAsLatin1) {
    struct Case {
        std::string text;
        bool utf8;
        std::size_t width;
    };
    const Case cases[] = {
        {"R12", true, 3},
        {"\xc2\xb5" "F", true, 2},                  // micro sign, U+00B5
        {"\xb5" "F", false, 2},                     // the same in Latin-1
        {"\xe2\x84\xa6", true, 1},                  // ohm sign, U+2126
        {"\xf0\x9f\x94\xa5", true, 2},              // an emoji, U+1F525
        {"\xe7\x94\xb5\xe5\xae\xb9", true, 4},      // two CJK ideographs
        {"\xef\xbc\xa1", true, 2},                  // full-width A, U+FF21
        {"\xc0\xaf", false, 2},                     // '/' in an overlong form
        {"\xe0\x80\xaf", false, 3},                 // and in another
        {"\xed\xa0\x80", false, 3},                 // a surrogate, U+D800
        {"\xf4\x90\x80\x80", false, 4},             // beyond U+10FFFF
        {"\xf4\x8f\xbf\xbf", true, 1},              // U+10FFFF itself
        {"\xe2\x84", false, 2},                     // cut short at the end
        {"\xe2" "A\xa6", false, 3},                 // interrupted
        {std::string("a\0b", 3), true, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(is_utf8(c.text), c.utf8) << c.text;
        EXPECT_EQ(display_width(c.text), c.width) << c.text;
    }
}

}  // namespace
}  // namespace gjbz108a::cli::test
