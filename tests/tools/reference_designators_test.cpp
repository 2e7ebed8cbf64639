// Reference designators: what a range names and counts, and which parts name
// the same designator in any letter case, inside a range or in overlapping
// ranges. (That a prediction names them is one of Predict's cases.)
#include "tools/parts_list/duplicate_references.h"
#include "tools/parts_list/reference_designators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gjbz108a::cli {
namespace {

using Form = Designators::Form;

TEST(ReferenceDesignators, FormsAndRangeEnds) {
    const struct {
        std::string_view ref;
        Form form;
        std::string_view prefix;
        std::uint32_t first, last;
    } cases[]{
        {"R1-R1", Form::range, "R", 1, 1},
        {"R10-R1", Form::range, "R", 1, 10},  // either way round
        {"r1-R3", Form::range, "r", 1, 3},    // letter case aside
        {"R01-R10", Form::range, "R", 1, 10},
        {"CR1-CR4", Form::range, "CR", 1, 4},
        {"R1-C5", Form::text, "", 0, 0},      // mixed prefixes
        {"R1-10", Form::text, "", 0, 0},
        {"1-5", Form::text, "", 0, 0},
        {"R1--R3", Form::text, "", 0, 0},
        {"R1-R3-R5", Form::text, "", 0, 0},
        {"U1A", Form::text, "", 0, 0},
        {"R-1", Form::text, "", 0, 0},
        {"TP_7", Form::numbered, "TP_", 7, 7},
        {"R123456789", Form::numbered, "R", 123456789, 123456789},
        {"R1234567890", Form::text, "", 0, 0},  // ten digits
        {"", Form::none, "", 0, 0},
    };
    for (const auto& c : cases) {
        const Designators read = read_designators(c.ref);
        EXPECT_EQ(read.form, c.form) << c.ref;
        EXPECT_EQ(read.prefix, c.prefix) << c.ref;
        EXPECT_EQ(read.first, c.first) << c.ref;
        EXPECT_EQ(read.last, c.last) << c.ref;
    }

    const auto warning = [](std::string_view ref, unsigned quantity) {
        return range_count_warning(ref, read_designators(ref), quantity);
    };
    EXPECT_EQ(warning("R1-R10", 10), "");
    EXPECT_EQ(warning("R10-R1", 10), "");
    EXPECT_EQ(warning("R1-R1", 1), "");
    EXPECT_EQ(warning("R1-R10", 8), "'R1-R10' names 10 designators, and qty is 8");
    EXPECT_EQ(warning("R1-R1", 2), "'R1-R1' names 1 designators, and qty is 2");
    EXPECT_EQ(warning("R5", 3), "");  // no range
    EXPECT_EQ(warning("R1-C5", 3), "");
}

TEST(ReferenceDesignators, DuplicatesInAnyCaseInsideRangesAndWhereRangesOverlap) {
    const std::vector<std::pair<std::string_view, std::string>> list{
        {"R1-R10", ""},
        {"r5", "'r5' is also in the range of line 2"},
        {"R8-R12", "'R8-R12' and the range of line 2 both include R8"},
        {"R12", "'R12' is also in the range of line 4"},  // the part of R8-R12 beyond R10
        {"R11-R11", "'R11-R11' and the range of line 4 both include R11"},
        {"R13-R20", ""},
        {"C5", ""},
        {"C1-C9", "'C1-C9' includes C5, the reference of line 8"},
        {"c5", "'c5' is also the reference of line 8"},
        {"C10-C19", ""},
        {"CR1-CR4", ""},  // another prefix
        {"U1A", ""},
        {"u1a", "'u1a' is also the reference of line 13"},
        {"Q05", ""},
        {"Q5", "'Q5' is also the reference of line 15"},
        {"", ""},
        {"", ""},
        {"T1-T20000", ""},  // beyond any quantity: one designator as written
        {"T5", ""},
        {"t1-t20000", "'t1-t20000' is also the reference of line 19"},
    };
    DuplicateReferences references;
    unsigned long line = 1;
    for (const auto& [ref, expected] : list) {
        ++line;
        const DuplicateReferences::Probe probe = references.probe(ref);
        const DuplicateReferences::Earlier earlier = references.earlier(probe, line);
        EXPECT_EQ(earlier.line == 0 ? "" : DuplicateReferences::message(ref, probe, earlier), expected) << ref;
    }
}

}  // namespace
}  // namespace gjbz108a::cli
