#include "dialogs/tool_tips.h"

namespace gjbz108a {
namespace {

// Texts that more than one row shows.
constexpr std::string_view kQualityLevelTip = "Component Quality Level";
constexpr std::string_view kContactVoltageTip = "Contact voltage, mV";

constexpr ToolTip kGeneralTips[]{
    {1001, "Component Type/Style"},
    {1002, "Component Technology"},
    {1007, kQualityLevelTip},
    {1009, kQualityLevelTip},
    {1010, "Number of bits"},
    {1015, "Number of pins"},
    {1019, "Retrieve component data from component libraries"},
    {1020, "Review defaults for the selected component type"},
    {1021, "Add/update project library with new data for the component with the current generic name"},
    {1022,
     "Update cross-reference between the Generic Name and the Part Name, Military Number or Catalog Number"},
    {1023,
     "Location sensitive search in component library (by first characters of Generic Name, "
     "Part Number, Military Number or Catalog Number)"},
    {1024, "Location insensitive search in component library"},
    {1026, "Part name is usually the manufacturer's part number"},
    {1027, "Current environment condition symbol"},
    {1028,
     "A reference designator is a symbol assigned to a component. A typical application of "
     "reference designators is in printed circuit board design symbols (like 'R13', 'C34')."},
    {1029, "Quantity in current assembly"},
    {1030, "Case or Ambient Temperature [°C]"},
    {1040, "An item's military number"},
    {1041, "An item's catalog number, typically an in-house identifying part number"},
    {1042, "Internal generic numbers are used to look up reliability data (Library, Cross Reference etc.)"},
    {1043, "Number of Gates"},
    {1047, "Surface type"},
    {1133, "Number of transistors"},
    {1137, "Resistors number"},
    {1252, "User defined Quality Factor, applicable when Quality Level = User-definable"},
    {2000, "Learning factor"},
    {5000, "With or Without sealed"},
};

constexpr CategoryToolTip kCategoryTips[]{
    {8, 1183, kContactVoltageTip},
    {9, 1183, kContactVoltageTip},
    {9, 1001, "Construction"},
    {10, 1001, "Connector configuration"},
    {10, 1032, "Linkage"},
    {10, 1034, "Number of core"},
    {12, 1183, "Power Rated [W]"},
    {12, 1185, "Rated Power [W]"},
    {15, 1216, "Amount of Nixie"},
    {18, 1224, "Transformer Quality Level"},
    {18, 1226, "Coil Quality Level"},
    {19, 1226, "Quality level"},
    {19, 1228, "Hand Solder, w/o Wrapping Connection"},
    {19, 1229, "Crimp Connection"},
    {19, 1230, "Weld Connection"},
    {19, 1231, "Solderless Wrap Connection"},
    {19, 1232, "Wrapped and Soldered"},
    {19, 1233, "Clip Termination Connection"},
    {19, 1234, "Reflow Solder Connection"},
    {19, 1235, "Dipsolder"},
    {19, 1237, "Hand Solder for PCB"},
    {20, 1015, "Number of metal plated pins"},
    {29, 1256, "The number of Axis"},
    {33, 1217, "Number of monolithic IC"},
    {33, 1218, "UNumber of diode"},
    {33, 1219, "Number of passive components"},
    {33, 3000, "Number of transistor"},
};

}  // namespace

std::span<const ToolTip> general_tool_tips() noexcept { return kGeneralTips; }

std::span<const CategoryToolTip> category_tool_tips() noexcept { return kCategoryTips; }

std::string_view tool_tip_text(unsigned item_code, int id) noexcept {
    for (const CategoryToolTip& tip : kCategoryTips)
        if (tip.item_code == item_code && tip.id == id) return tip.text;
    for (const ToolTip& tip : kGeneralTips)
        if (tip.id == id) return tip.text;
    return {};
}

}  // namespace gjbz108a
