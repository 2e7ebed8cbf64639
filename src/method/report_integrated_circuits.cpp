// Report columns of the integrated circuits (memory, analog, digital) and the
// hybrid. The marker triple changes how an integrated circuit is computed, not
// whether its factors are shown, so none of its factor cells is blanked by it.
#include "method/report_columns.h"

#include <array>

namespace gjbz108a {
namespace {

constexpr Column kPackage{"          Package          ", 27, list("package")};
constexpr Column kLearning{" Learn fact.", 12, list("learning")};
constexpr Column kActivePins{"Active pins ", 6, integer("pins", 4)};

constexpr std::array kMemoryParameters{
    Column{"  Type  ", 8, list("type")},
    Column{"  Tech   ", 9, list("tech")},
    kPackage,
    kQualColumn,
    kLearning,
    kActivePins,
    Column{"     # of bits    ", 19, real("bits", 0)},  // one line, a blank short of the width
};
// Memory and digital circuits show their columns in the same order.
constexpr std::array<std::uint8_t, 7> kMemoryDigitalOrder{2, 1, 7, 6, 3, 5, 4};

constexpr std::array kAnalogParameters{
    Column{"   Type    ", 11, list("type")},
    Column{"  Tech  ", 8, list("tech")},
    kPackage,
    kQualColumn,
    kLearning,
    kActivePins,
    Column{" # of transist.", 15, integer("transistors", 13)},
    Column{"  Seal  ", 8, list("seal")},
};
constexpr std::array<std::uint8_t, 8> kAnalogOrder{2, 1, 7, 6, 3, 8, 5, 4};

constexpr std::array kDigitalParameters{
    Column{"      Type       ", 17, list("type")},
    Column{"  Tech   ", 9, list("tech")},
    kPackage,
    kQualColumn,
    kLearning,
    kActivePins,
    Column{"  # of elements  ", 17, integer("elements", 15)},
};

// The three categories differ only in the decimals of the base rate.
constexpr std::array<Column, 7> ic_factors(unsigned base_rate_decimals) {
    return {{
        {"   Lbase    ", 12, factor(10, base_rate_decimals)},
        {" PI  e ", 7, factor(5, 2)},
        {" PI  q ", 7, factor(5, 2)},
        {"  PI  t   ", 10, factor(8, 3)},
        {"  PI  f   ", 10, factor(8, 4)},
        {" PI cyc ", 8, factor(6, 2)},
        {" PI l ", 6, factor(4, 1)},
    }};
}
constexpr auto kMemoryAnalogFactors = ic_factors(6);
constexpr auto kDigitalFactors = ic_factors(4);

constexpr std::array kHybridParameters{
    Column{" Qual ", 10, list("quality").text_of(4)},  // a cell of 6 characters
    Column{" # of IC ", 9, integer("ics", 7)},
    Column{" # of trans ", 12, integer("transistors", 10)},
    Column{" # of diode ", 12, integer("diodes", 10)},
    Column{" # of passiv ", 13, integer("passives", 11)},
};
constexpr std::array<std::uint8_t, 5> kHybridOrder{2, 3, 4, 5, 1};

// The hybrid is not an integrated circuit: the marker triple blanks its
// factors, except PI cyc.
constexpr std::array kHybridFactors{
    lb_column(3),
    kPiEColumn,
    kPiQCentredColumn,
    Column{" PI cyc ", 8, factor(6, 2)},
    Column{"   A   ", 7, factor(5, 2).blank_under_marker()},
};

constexpr std::array<CategoryReport, 4> kReports{{
    {1, {kMemoryParameters, kMemoryDigitalOrder, 4}, {kMemoryAnalogFactors, kInOrder<7>, 3}},
    {2, {kAnalogParameters, kAnalogOrder, 4}, {kMemoryAnalogFactors, kInOrder<7>, 3}},
    {3, {kDigitalParameters, kMemoryDigitalOrder, 4}, {kDigitalFactors, kInOrder<7>, 3}},
    {33, {kHybridParameters, kHybridOrder, 1}, {kHybridFactors, kInOrder<5>, 3}},
}};

}  // namespace

std::span<const CategoryReport> integrated_circuit_reports() noexcept { return kReports; }

}  // namespace gjbz108a
