#include "records/item_codes.h"

#include "records/record.h"

#include <algorithm>
#include <array>

namespace gjbz108a {
namespace {

// The names keep the spelling of the dialog titles.
constexpr std::array<Category, 28> kCategories{{
    {1, "IC Memory"},
    {2, "IC Analog"},
    {3, "IC Digital"},
    {5, "Resistor"},
    {6, "VARIABLE RESISTOR"},
    {7, "CAPACITOR"},
    {8, "SWITCHES"},
    {9, "RELAYS"},
    {10, "CONNECTORS"},
    {11, "Low Frequency Diodes"},
    {12, "Low Frequency Transistors"},
    {13, "High Frequency Diodes"},
    {14, "High Frequency Transistors"},
    {15, "OPTOELECTRONIC DEVICES"},
    {16, "GAS LASERS"},
    {18, "INDUCTIVE DEVICES"},
    {19, "CONNECTIONS"},
    {20, "PRINTED WIRINING BOARDS"},
    {21, "ROTATING DEVICES"},
    {22, "QUARTZ CRYSTALS"},
    {24, "METERS"},
    {25, "FUSES"},
    {27, "SURFACE ACCOUSTIC WAVE"},
    {28, "LAMPS INCANDESCENT"},
    {29, "MISCELLANEOUS"},
    {30, "TUBES"},
    {31, "FILTERS"},
    {33, "HYBRID"},
}};

}  // namespace

std::span<const Category> categories() noexcept { return kCategories; }

const Category* find_category(unsigned item_code) noexcept {
    auto it = std::find_if(kCategories.begin(), kCategories.end(),
                           [&](const Category& c) { return c.item_code == item_code; });
    return it == kCategories.end() ? nullptr : &*it;
}

}  // namespace gjbz108a
