// Report columns of resistors, capacitors, switches, relays and connectors.
// A part with the marker triple gets no computed factors, so their cells are
// blank for it; only the cycling factor of the resistors is still printed.
#include "method/report_columns.h"

#include <array>

namespace gjbz108a {
namespace {

constexpr Column kLbase{"   Lbase    ", 12, factor(8, 5).blank_under_marker()};  // a cell of 10
constexpr Column kPiCycPrinted{" PI cyc ", 8, factor(6, 2)};
constexpr Column kContactVoltage{" Contact   Voltage  ", 10, real("contact_voltage", 3)};

constexpr std::array kResistorParameters{
    Column{"        Style         ", 22, list("style")},
    Column{" # film  resist.", 8, integer("resistors", 6)},
    kQualColumn,
};
constexpr std::array kResistorFactors{
    kLbase,
    kPiEColumn,
    kPiQCentredColumn,
    Column{"  PI  t   ", 10, factor(8, 3).shown_for(TypeCodes::only({12})).blank_under_marker()},
    kPiCycPrinted,
};

constexpr std::array kVariableResistorParameters{
    Column{"         Style          ", 25, list("style")},  // one line, a blank short of the width
    kQualColumn,
};
constexpr std::array kVariableResistorFactors{
    Column{"   Lbase    ", 12, factor(8, 3).blank_under_marker()},  // a cell of 10
    kPiEColumn,
    kPiQCentredColumn,
    kPiCycPrinted,
};

// The surface and sealing lists show "--" for nothing chosen.
constexpr std::array kCapacitorParameters{
    Column{"             Style            ", 30, list("style")},
    kQualColumn,
    Column{"  Surface  ", 11, list("surface").nothing_as("--")},
    Column{" Sealed  ", 9, list("sealed").nothing_as("--")},
};
constexpr std::array<std::uint8_t, 4> kCapacitorOrder{1, 3, 4, 2};
constexpr std::array kCapacitorFactors{
    Column{"   Lbase    ", 12, factor(9, 5).blank_under_marker()},  // a cell of 11
    kPiEColumn,
    kPiQCentredColumn,
    Column{"  PI  t   ", 10, factor(8, 3).shown_for(TypeCodes::range(1, 11)).blank_under_marker()},
    Column{" PI cyc ", 8, factor(6, 2).blank_under_marker()},
    Column{" PI ch ", 7,
           factor(5, 1).shown_for(TypeCodes::all_but({4, 5, 10, 12, 13})).blank_under_marker()},
};

constexpr std::array kSwitchParameters{
    Column{"    Type    ", 12, list("type")},
    kQualColumn,
    kContactVoltage,
};
constexpr std::array<std::uint8_t, 3> kSwitchOrder{1, 3, 2};
constexpr std::array kSwitchFactors{lb_column(3), kPiEColumn, kPiQColumn};

constexpr std::array kRelayParameters{
    Column{"   Construction    ", 19, list("construction")},
    kQualColumn,
    Column{"      Seal      ", 16, list("seal")},
    kContactVoltage,
};
constexpr std::array<std::uint8_t, 4> kRelayOrder{1, 3, 4, 2};
constexpr std::array kRelayFactors{lb_column(4), kPiEColumn, kPiQColumn};

// Fiber connectors (Configuration 5) have a learning factor instead of a
// quality factor; IC sockets (6) have no factor of their own.
constexpr std::array kConnectorParameters{
    Column{" Configuration ", 15, list("configuration")},
    kQualColumn,
    Column{" Linkage ", 9, list("linkage")},
    Column{" # of  Core ", 6, integer("cores", 4)},
};
constexpr std::array<std::uint8_t, 4> kConnectorOrder{1, 2, 4, 3};
constexpr std::array kConnectorFactors{
    Column{"   Lb     ", 10, factor(8, 4).shown_for(TypeCodes::range(1, 5)).blank_under_marker()},
    Column{" PI  e ", 7, factor(5, 2).shown_for(TypeCodes::range(1, 5)).blank_under_marker()},
    Column{" PI q  ", 7, factor(5, 2).shown_for(TypeCodes::range(1, 4)).blank_under_marker()},
    Column{" PI l", 5, factor(3, 1).shown_for(TypeCodes::only({5})).blank_under_marker()},
};

constexpr std::array<CategoryReport, 6> kReports{{
    {5, {kResistorParameters, kInOrder<3>, 3}, {kResistorFactors, kInOrder<5>, 3}},
    {6, {kVariableResistorParameters, kInOrder<2>, 2}, {kVariableResistorFactors, kInOrder<4>, 3}},
    {7, {kCapacitorParameters, kCapacitorOrder, 2}, {kCapacitorFactors, kInOrder<6>, 3}},
    {8, {kSwitchParameters, kSwitchOrder, 2}, {kSwitchFactors, kInOrder<3>, 3}},
    {9, {kRelayParameters, kRelayOrder, 2}, {kRelayFactors, kInOrder<3>, 3}},
    {10, {kConnectorParameters, kConnectorOrder, 2}, {kConnectorFactors, kInOrder<4>, 3}},
}};

}  // namespace

std::span<const CategoryReport> passive_reports() noexcept { return kReports; }

}  // namespace gjbz108a
