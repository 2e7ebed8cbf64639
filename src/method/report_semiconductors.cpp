// Report columns of the discrete semiconductors: low- and high-frequency diodes
// and transistors, optoelectronic devices.
#include "method/report_columns.h"

#include <array>
#include <span>

namespace gjbz108a {
namespace {

// The factors of the transistors; the diodes have the first five of them and
// the optoelectronic devices the first four.
constexpr std::array kTransistorFactors{
    Column{"   Lb     ", 10, factor(8, 5).blank_under_marker()},
    kPiEColumn,
    kPiQColumn,
    Column{"  PI  t   ", 10, factor(8, 3).blank_under_marker()},
    Column{" PI cyc ", 8, factor(6, 2).blank_under_marker()},
    Column{" PI r ", 6, factor(4, 1).blank_under_marker()},
};
constexpr auto kDiodeFactors = std::span{kTransistorFactors}.first<5>();
constexpr auto kOptoelectronicFactors = std::span{kTransistorFactors}.first<4>();

constexpr Column kPowerRating{"  Power     rating  ", 10, real("power_rating", 3)};

constexpr std::array kLfDiodeParameters{Column{"       Style       ", 19, list("style")}, kQualColumn};

constexpr std::array kLfTransistorParameters{
    Column{"    Style    ", 13, list("style")},
    kQualColumn,
    kPowerRating,
    Column{"  Current   rating  ", 10, real("current_rating", 3)},
};
constexpr std::array<std::uint8_t, 4> kLfTransistorOrder{1, 3, 4, 2};

constexpr std::array kHfDiodeParameters{Column{"         Style         ", 23, list("style")}, kQualColumn};

constexpr std::array kHfTransistorParameters{
    Column{"      Style     ", 16, list("style")},
    kQualColumn,
    kPowerRating,
};

constexpr std::array kOptoelectronicParameters{
    Column{"           Style           ", 27, list("style")},
    kQualColumn,
    Column{" # of  bits ", 6, integer("bits", 4)},
};

// Three columns with the quality last.
constexpr std::array<std::uint8_t, 3> kQualityLastOrder{1, 3, 2};

constexpr std::array<CategoryReport, 5> kReports{{
    {11, {kLfDiodeParameters, kInOrder<2>, 2}, {kDiodeFactors, kInOrder<5>, 3}},
    {12, {kLfTransistorParameters, kLfTransistorOrder, 2}, {kTransistorFactors, kInOrder<6>, 3}},
    {13, {kHfDiodeParameters, kInOrder<2>, 2}, {kDiodeFactors, kInOrder<5>, 3}},
    {14, {kHfTransistorParameters, kQualityLastOrder, 2}, {kTransistorFactors, kInOrder<6>, 3}},
    {15, {kOptoelectronicParameters, kQualityLastOrder, 2}, {kOptoelectronicFactors, kInOrder<4>, 3}},
}};

}  // namespace

std::span<const CategoryReport> semiconductor_reports() noexcept { return kReports; }

}  // namespace gjbz108a
