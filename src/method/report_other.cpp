// Report columns of lasers, inductive devices, connections, printed boards,
// rotating devices, crystals, meters, fuses, SAW devices, lamps, the
// miscellaneous parts, tubes and filters.
#include "method/report_columns.h"

#include <array>

namespace gjbz108a {
namespace {

constexpr std::array kLaserParameters{
    Column{"     Type       ", 16, list("type")},
    Column{"  Learn factor  ", 16, list("learning").text_of(14).unframed()},  // a cell of 14
};
constexpr std::array kLaserFactors{
    lb_column(2),
    kPiEColumn,
    Column{" PI l ", 6, factor(4, 1).blank_under_marker()},
};

// Transformers (Types up to 8) and coils (from Type 9) have their own quality lists.
constexpr std::array kInductiveParameters{
    Column{"         Family type          ", 30, list("type")},
    Column{" Qual ", 6, list("transformer_quality").from_type(9, "coil_quality")},
};
constexpr std::array kInductiveFactors{
    Column{"   Lbase    ", 12, factor(8, 4).blank_under_marker()},  // a cell of 10
    kPiEColumn,
    kPiQCentredColumn,
    Column{" PI cyc ", 8, factor(6, 2).blank_under_marker()},
};

constexpr std::array kConnectionParameters{
    Column{" REFLOW ", 8, integer("reflow", 6)},
    Column{" SOLDERED ", 10, integer("soldered", 8)},
    Column{" HAND ", 6, integer("hand", 4)},
    Column{" HANDPCB ", 9, integer("handpcb", 7)},
    Column{" WELD ", 6, integer("weld", 4)},
    Column{" WRAP ", 6, integer("wrap", 4)},
    Column{" CRIMP ", 7, integer("crimp", 5)},
    Column{" CLIP ", 6, integer("clip", 4)},
};
constexpr std::array kConnectionFactors{kPiEColumn};

constexpr std::array kPrintedBoardParameters{
    kQualColumn,
    Column{" Metal  hole  ", 7, integer("holes", 4)},
};
constexpr std::array<std::uint8_t, 2> kPrintedBoardOrder{2, 1};
constexpr std::array kPrintedBoardFactors{
    Column{"    Lb1   ", 10, factor(8, 6).blank_under_marker()},
    Column{"    Lb2   ", 10, factor(8, 6).blank_under_marker()},
    kPiEColumn,
    kPiQColumn,
};

constexpr std::array kRotatingParameters{
    Column{"                 Type                 ", 38, list("type")},
    kQualColumn,
};
constexpr std::array kRotatingFactors{lb_column(3), kPiEColumn, kPiQColumn};

constexpr std::array kQuartzParameters{Column{"    Type    ", 12, list("type")}, kQualColumn};
constexpr std::array kQuartzFactors{lb_column(4), kPiEColumn, kPiQColumn};

constexpr std::array kSawParameters{kQualColumn};
constexpr std::array kSawFactors{
    Column{" Lbase ", 7, factor(5, 3).blank_under_marker()},
    kPiEColumn,
    kPiQCentredColumn,
};

constexpr std::array kLampParameters{Column{"     Type     ", 14, list("type").nothing_as("--")}};

// Only the Piezoelectric Gyroscope (Type 14) has PI c and PI l; Types from 15
// on have no factor that the report shows.
constexpr std::array kMiscellaneousParameters{
    Column{"                Type                 ", 37, list("type")},
    kQualColumn,
    Column{" Learn fact.", 12, list("learning")},
    Column{"  Axis  ", 8, list("axis")},
};
constexpr std::array<std::uint8_t, 4> kMiscellaneousOrder{1, 2, 4, 3};
constexpr std::array kMiscellaneousFactors{
    Column{"    Lb    ", 10, factor(8, 5).shown_for(TypeCodes::range(1, 14)).blank_under_marker()},
    Column{" PI  e ", 7, factor(5, 2).shown_for(TypeCodes::range(1, 14)).blank_under_marker()},
    Column{" PI q  ", 7, factor(5, 2).shown_for(TypeCodes::range(1, 13)).blank_under_marker()},
    Column{" PI c ", 6, factor(4, 1).shown_for(TypeCodes::only({14})).blank_under_marker()},
    Column{" PI l ", 6, factor(4, 1).shown_for(TypeCodes::only({14})).blank_under_marker()},
};

constexpr std::array kTubeParameters{
    Column{"               Type               ", 34, list("type")},
    kQualColumn,
};
constexpr std::array kTubeFactors{
    lb_column(3),
    kPiEColumn,
    Column{" PI q  ", 7, factor(4, 1).blank_under_marker()},  // a cell of 6
};

constexpr std::array kFilterParameters{
    Column{"      Construction       ", 25, list("construction")},
    kQualColumn,
};
constexpr std::array kFilterFactors{lb_column(4), kPiEColumn, kPiQColumn};

constexpr std::array<CategoryReport, 13> kReports{{
    {16, {kLaserParameters, kInOrder<2>, 0}, {kLaserFactors, kInOrder<3>, 0}},
    {18, {kInductiveParameters, kInOrder<2>, 2}, {kInductiveFactors, kInOrder<4>, 3}},
    {19, {kConnectionParameters, kInOrder<8>, 0}, {kConnectionFactors, kInOrder<1>, 0}},
    {20, {kPrintedBoardParameters, kPrintedBoardOrder, 1}, {kPrintedBoardFactors, kInOrder<4>, 4}},
    {21, {kRotatingParameters, kInOrder<2>, 2}, {kRotatingFactors, kInOrder<3>, 3}},
    {22, {kQuartzParameters, kInOrder<2>, 2}, {kQuartzFactors, kInOrder<3>, 3}},
    {24, {}, {}},  // meters and fuses have no columns
    {25, {}, {}},
    {27, {kSawParameters, kInOrder<1>, 1}, {kSawFactors, kInOrder<3>, 3}},
    {28, {kLampParameters, kInOrder<1>, 0}, {}},
    {29, {kMiscellaneousParameters, kMiscellaneousOrder, 2}, {kMiscellaneousFactors, kInOrder<5>, 3}},
    {30, {kTubeParameters, kInOrder<2>, 2}, {kTubeFactors, kInOrder<3>, 3}},
    {31, {kFilterParameters, kInOrder<2>, 2}, {kFilterFactors, kInOrder<3>, 3}},
}};

}  // namespace

std::span<const CategoryReport> other_reports() noexcept { return kReports; }

}  // namespace gjbz108a
