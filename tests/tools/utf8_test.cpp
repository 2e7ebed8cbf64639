#include "tools/parts_list/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace gjbz108a::cli {
namespace {

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
}  // namespace gjbz108a::cli
