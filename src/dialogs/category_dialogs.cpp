#include "dialogs/category_dialogs.h"

#include <array>

namespace gjbz108a {
namespace {

template <std::size_t N>
using List = std::array<std::string_view, N>;
using V = VariableType;

constexpr CategoryControl list(std::uint8_t block_byte, int id, std::string_view label, std::uint8_t order,
                               std::span<const std::string_view> entries) {
    return {block_byte, V::u8, id, ControlKind::list, label, order, entries, {}};
}
constexpr CategoryControl edit(std::uint8_t block_byte, V type, int id, std::string_view label, std::uint8_t order,
                               std::string_view unit = {}) {
    return {block_byte, type, id, ControlKind::edit, label, order, {}, unit};
}

// Rules name their type indexes and controls inline.
template <IndexRange... Ranges>
constexpr IndexRange kTypes[]{Ranges...};
template <int... Ids>
constexpr int kIds[]{Ids...};

constexpr IndexRange only(std::uint8_t index) { return {index, index}; }
constexpr IndexRange up_to(std::uint8_t index) { return {0, index}; }
constexpr IndexRange from(std::uint8_t index) { return {index, kNoSelection}; }

// The family quality rule: while a part type is selected (any index but 0, no
// selection included, as the type event counts every index but "---" as a type),
// or always in the categories without a Type list.
constexpr QualityRule kQualityWhileTyped[]{{kQualityListId, from(1)}};
constexpr QualityRule kQualityAlways[]{{kQualityListId, {0, kNoSelection}}};

// ---- List entries (entry k is SelectionCode k; "---" is entry 0) ----

constexpr List<13> kIcPackages{
    "Package Dual In-Line", "Package FLAT", "Package Splice Array", "Package PGA", "Package BGA",
    "Package Surface Installed (Chip carrier)", "Package Metallic Shell",
    "Unpackaged Dual In-Line", "Unpackaged FLAT", "Unpackaged Splice Array", "Unpackaged PGA",
    "Unpackaged BGA", "Unpackaged Surface Installed (Chip carrier)"};
constexpr List<3> kLearningFactors{
    "The product already produced steady", "Instability product", "Trial products"};
constexpr List<9> kMemoryTypes{
    "SRAM", "DRAM", "ROM", "PROM", "EPROM", "EEPROM", "FLASH", "FIFO", "CCD"};
constexpr List<2> kBipolarMos{"Bipolar", "MOS"};
constexpr List<8> kIcQualities{"A2", "A3", "A4", "B1", "B2", "C1", "C2", "User-definable"};
constexpr List<2> kAnalogTypes{"Monolithic Analog Circuit", "GaAs MMIC"};
constexpr List<3> kGaAsTechnologies{"MESFET", "HBT", "HEMT"};
constexpr List<3> kAnalogSeals{"Fused", "Welded", "Glass"};
constexpr List<8> kDigitalTypes{
    "Logic", "PLA", "PAL", "PLD", "FPGA", "Microprocessor", "DSP", "Microcontroller"};
constexpr List<12> kResistorStyles{
    "Composition", "Metal Film", "Carbon Film", "Non-wirewound, Power", "Wirewound, General",
    "Wirewound, Precision", "Wirewound, Power", "Thermo Sensitive", "Pressure Sensitive",
    "Photo Sensitive", "Chip Film", "Network"};
constexpr List<6> kResistorQualities{"A1m", "A2", "B1", "B2", "C", "User-definable"};
constexpr List<7> kVariableResistorStyles{
    "General Wirewound", "Precision Wirewound", "Fine Tuning Wirewound", "Power Wirewound",
    "Organic Solid", "Composition Carbon Film", "Glass Glaze"};
constexpr List<13> kCapacitorStyles{
    "Paper", "Plastic", "Paper-Plastic Mixed", "Glass Glaze", "Mica", "Ceramic (Class 1)",
    "Ceramic (Class 2)", "Ceramic (Class 3)", "Solid Electrolytic Tantalum",
    "Non-Solid Electrolytic Tantalum", "Electrolytic Aluminum", "Fine Tuning variable",
    "Variable air"};
constexpr List<10> kCapacitorQualities{
    "A1p", "A1m", "A1l", "A1w", "A2", "B1", "B2", "C1", "C2", "User-definable"};
constexpr List<2> kCapacitorSurfaceTypes{"Chip", "Lead (including Lead SMT, Through Hole)"};
constexpr List<2> kCapacitorSeals{"With", "Without"};
constexpr List<4> kSwitchTypes{"Pushbutton", "Toggle", "Rotary", "Micro"};
constexpr List<5> kQualitiesAToC{"A", "B1", "B2", "C", "User-definable"};
constexpr List<2> kRelayConstructions{"Electromechanical", "Fixed"};
constexpr List<7> kRelayQualities{"A1m", "A1l", "A2", "B1", "B2", "C", "User-definable"};
constexpr List<3> kRelaySeals{"Fusion welding", "Lead welding", "Unsealed"};
constexpr List<6> kConnectorConfigurations{
    "RF coaxial", "Cylindrical", "Rectangular", "Printed Circuit Board", "Fiber", "IC sockets"};
constexpr List<6> kQualitiesA1ToC{"A1", "A2", "B1", "B2", "C", "User-definable"};
constexpr List<3> kConnectorLinkages{"FC", "SC", "ST"};
constexpr List<5> kLfDiodeStyles{
    "Si Diodes  ", "Ge Diodes  ", "Voltage regulator", "Voltage reference", "Current regulator"};
constexpr List<8> kSemiconductorQualities{
    "A2", "A3", "A4", "A5", "B1", "B2", "C", "User-definable"};
constexpr List<8> kLfTransistorStyles{
    "Si, NPN", "Si, PNP", "Ge, NPN", "Ge, PNP", "Si FET Junction", "Si FET MOS", "Unijunction",
    "Thyristor"};
constexpr List<10> kHfDiodeStyles{
    "Microwave Si Detector", "Microwave Ge Detector", "Microwave Si Mixer", "Microwave Ge Mixer",
    "Varactor", "Step Recovery", "Tunnel", "PIN", "GUNN/BULK Effect", "Collapse"};
constexpr List<3> kHfTransistorStyles{"Microwave", "High Power Microwave", "Gallium arsenide FET"};
constexpr List<8> kOptoStyles{
    "LED", "Infrated LED", "Photosensitive diode", "Photosensitive transistor",
    "Simple photoelectric coupler", "Multiple photoelectric coupler", "Sole bit Nixie Tube",
    "Multiple bits Nixie Tube"};
constexpr List<7> kGasLaserTypes{
    "Helium Neon", "Helium Cadmium", "Argon Ionic", "CO2 sealed", "YAG stick", "Ruby rod",
    "Semiconductor"};
constexpr List<16> kInductiveTypes{
    "Low power pulse transformer", "MF transformer", "Audio Frequency transformer",
    "Power Supply transformer", "High power pulse transformer", "Filter Chokers",
    "High voltage transformer", "RF transformer", "Coil Fixed", "Coil Variable", "Inductives",
    "Low power RF coil", "Deflection coil", "High power coil", "Chip coil", "Chip inductor"};
constexpr List<5> kTransformerQualities{"A2", "B1", "B2", "C", "User-definable"};
constexpr List<4> kQualitiesABC{"A", "B", "C", "User-definable"};
constexpr List<6> kRotatingTypes{
    "Common motors", "Fan blowers", "Low speed and Low Load Electromotors",
    "Timers Common (AC/DC)", "Timers Inverter driven", "Timers Commutator DC"};
constexpr List<2> kQuartzTypes{"Resonator", "Oscillator"};
constexpr List<5> kQualitiesA1A2BC{"A1", "A2", "B", "C", "User-definable"};
constexpr List<6> kSawQualities{"A2", "A3", "B1", "B2", "C", "User-definable"};
constexpr List<2> kLampTypes{"Neon", "Incandescent"};
constexpr List<40> kMiscTypes{
    "High power magnetic elements", "Sound insulator", "Coupler", "Amplifer", "Gyrator",
    "Modulator", "Circulator", "Phase shifter", "Low power magnetic elements",
    "Silicon solar battery", "Cadmium-Nickel storage cell", "Lead Acid batteries",
    "Lithium batteries", "Piezoelectric Gyroscope", "Attenuators fixed", "Attenuators adjustable",
    "Fixed Directional coupler", "Fixed term", "Resonator", "Adjustable term",
    "Adjustable Resonator", "Waveguide Switch", "Waveguide interconnect High Power",
    "Waveguide interconnect Low Power", "Microwave IC High Power", "Microwave IC Low Power",
    "Temperature Components", "Heater", "LC delay line <= 0.5ms", "LC delay line > 0.5ms",
    "Cable (each x km)", "Electroacoustic Microphone", "Electroacoustic Bell",
    "Electroacoustic Speaker", "Telescopic Antenna", "Loop Antenna", "Dummy Load < 100W",
    "Dummy Load 100W ~<= 1000W", "Dummy Load > 1000W", "Terminal"};
constexpr List<3> kMiscAxes{"Single", "Duble", "Trinal"};
constexpr List<34> kTubeTypes{
    "Transmitting Ultrashort Wave", "Transmitting Pulse Wave", "Transmitting Decimetric Wave",
    "Transmitting Centimetric Wave", "Modulator Continuous Wave", "Modulator Pulse Wave",
    "Discharging Resonance", "Discharging Non Resonance", "Voltage Regulator Tube",
    "Current Regulator Tube", "Rectifier Tube", "Thyratron", "Reception Amplifier Tube",
    "Electron Beam - Indicator Light", "Electron Beam - Monochrome Picture",
    "Electron Beam - Oscillograph", "Electron Beam - Color Picture", "Electron Beam - Camera Tube",
    "Backwardwave Continuous", "Backwardwave Pulse", "Counter Tube", "X Ray Tube", "Nixie Tube",
    "Photoelectric Tube", "Photoelectric Diplosis Tube", "Trigger Tube",
    "Continuous Wave Klystron", "Pulse Klystron", "Low Power Klystron", "Magnetron",
    "Traveling Wave Tubes", "Crossed field Amplifier Tube", "Gassing Microwave Switch - Power",
    "Gassing Microwave Switch - Non Power"};
constexpr List<5> kFilterConstructions{
    "Discrete LC", "Discrete LC and crystal ", "Piezoelectric ceramics", "Quartz crystal",
    "Mechanical filter"};
constexpr List<9> kHybridQualities{"A2", "A3", "A4", "A5", "A6", "B1", "B2", "C", "User-definable"};


// ---- Per category: controls in the order the templates show them, group
// boxes, type rules. Members of a group box are shown on adjacent rows. ----

// IC Memory
constexpr std::array kMemoryControls{
    list(1, 1001, "Type:", 3, kMemoryTypes),
    list(2, 1002, "Tech:", 2, kBipolarMos),
    list(3, 1007, "Package:", 1, kIcPackages),
    list(4, 1009, "Quality:", 4, kIcQualities),
    list(5, 2000, "Learning factor:", 5, kLearningFactors),
    edit(6, V::u16, 1015, "# of Pins:", 6),
    edit(8, V::f32, 1010, "# of bits:", 7),
    edit(16, V::f32, 1252, "PI q:", 8),
};

// IC Analog
constexpr std::array kAnalogControls{
    list(1, 1001, "Type:", 4, kAnalogTypes),
    list(3, 1007, "Package:", 2, kIcPackages),
    list(4, 1009, "Quality:", 5, kIcQualities),
    list(5, 2000, "Learning factor:", 6, kLearningFactors),
    edit(6, V::u16, 1015, "# of Pins:", 7),
    edit(8, V::i32, 1133, "# of transistors:", 8),
    edit(16, V::f32, 1252, "PI q:", 9),
    list(2, 1002, "Tech:", 3, kGaAsTechnologies),
    list(20, 5000, "Seal:", 1, kAnalogSeals),
};
constexpr GroupBox kAnalogGroups[]{{"for GaAs MMIC", kIds<1002, 5000>}};
constexpr TypeRule kAnalogRules[]{
    {kTypes<only(1)>, kIds<5000, 1002>},  // Monolithic Analog Circuit
    {kTypes<only(2)>, kIds<1133>},        // GaAs MMIC
};

// IC Digital
constexpr std::array kDigitalControls{
    list(1, 1001, "Type:", 3, kDigitalTypes),
    list(2, 1002, "Tech:", 2, kBipolarMos),
    list(3, 1007, "Package:", 1, kIcPackages),
    list(4, 1009, "Quality:", 4, kIcQualities),
    list(5, 2000, "Learning factor:", 6, kLearningFactors),
    edit(6, V::u16, 1015, "# of Pins:", 7),
    edit(8, V::u32, 1043, "# of gates/trans:", 5),
    edit(16, V::f32, 1252, "PI q:", 8),
};

// Resistor: "# of resistors:" only for a network.
constexpr std::array kResistorControls{
    list(1, 1001, "Style:", 2, kResistorStyles),
    edit(2, V::u8, 1137, "# of resistors:", 3),
    list(3, 1009, "Quality:", 1, kResistorQualities),
    edit(8, V::f32, 1252, "PI q:", 4),
};
constexpr TypeRule kResistorRules[]{{kTypes<up_to(11), from(13)>, kIds<1137>}};

// Variable resistor
constexpr std::array kVariableResistorControls{
    list(1, 1001, "Style:", 2, kVariableResistorStyles),
    list(2, 1009, "Quality:", 1, kResistorQualities),
    edit(8, V::f32, 1252, "PI q:", 3),
};

// Capacitor
constexpr std::array kCapacitorControls{
    list(1, 1001, "Style:", 2, kCapacitorStyles),
    list(2, 1009, "Quality:", 1, kCapacitorQualities),
    edit(10, V::f32, 1252, "PI q:", 3),
    list(3, 1047, "Surface Type:", 4, kCapacitorSurfaceTypes),
    list(4, 5000, "Sealed:", 5, kCapacitorSeals),
};
constexpr GroupBox kCapacitorGroups[]{{"for Variable air", kIds<5000>}};
constexpr TypeRule kCapacitorRules[]{
    // Glass Glaze, Mica, Non-Solid Electrolytic Tantalum, Fine Tuning variable, Variable air
    {kTypes<IndexRange{4, 5}, only(10), IndexRange{12, 13}>, kIds<1047>},
    {kTypes<up_to(12), from(14)>, kIds<5000>},  // all but Variable air
};

// Switches
constexpr std::array kSwitchControls{
    list(1, 1001, "Type of switch:", 2, kSwitchTypes),
    list(2, 1009, "Quality:", 1, kQualitiesAToC),
    edit(4, V::f32, 1183, "Contact voltage:", 3, "mV"),
    edit(8, V::f32, 1252, "PI q:", 4),
};

// Relays: the group box frames both controls that a fixed relay has not.
constexpr std::array kRelayControls{
    list(1, 1001, "Construction:", 2, kRelayConstructions),
    list(2, 1009, "Quality:", 1, kRelayQualities),
    edit(8, V::f32, 1252, "PI q:", 3),
    edit(4, V::f32, 1183, "Contact voltage:", 4, "mV"),
    list(3, 5000, "Seal:", 5, kRelaySeals),
};
constexpr GroupBox kRelayGroups[]{{"Electromechanical", kIds<1183, 5000>}};
constexpr TypeRule kRelayRules[]{{kTypes<only(2)>, kIds<1183, 5000>}};  // Fixed

// Connectors: the quality rule runs for configurations 1 to 4 only.
constexpr std::array kConnectorControls{
    list(1, 1001, "Configuration:", 2, kConnectorConfigurations),
    list(2, 1009, "Quality:", 1, kQualitiesA1ToC),
    edit(4, V::f32, 1252, "PI q:", 3),
    list(8, 1032, "Linkage:", 4, kConnectorLinkages),
    edit(9, V::u8, 1034, "# of core:", 5),
};
constexpr GroupBox kConnectorGroups[]{{"Fiber Connector", kIds<1032, 1034>}};
constexpr TypeRule kConnectorRules[]{
    {kTypes<up_to(4), from(6)>, kIds<1032, 1034>},  // all but Fiber
    {kTypes<IndexRange{5, 6}>, kIds<1009, 1252>},   // Fiber, IC sockets
};
constexpr QualityRule kConnectorQuality[]{{kQualityListId, {1, 4}}};

// Low frequency diodes
constexpr std::array kLfDiodeControls{
    list(1, 1001, "Style:", 2, kLfDiodeStyles),
    list(2, 1009, "Quality:", 1, kSemiconductorQualities),
    edit(8, V::f32, 1252, "PI q:", 3),
};

// Low frequency transistors
constexpr std::array kLfTransistorControls{
    list(1, 1001, "Style:", 2, kLfTransistorStyles),
    list(2, 1009, "Quality:", 1, kSemiconductorQualities),
    edit(4, V::f32, 1185, "P. rate:", 3),
    edit(8, V::f32, 1183, "I. rate:", 4),
    edit(16, V::f32, 1252, "PI q:", 5),
};
constexpr TypeRule kLfTransistorRules[]{
    {kTypes<up_to(7)>, kIds<1183>},          // "---" to Unijunction
    {kTypes<IndexRange{7, 8}>, kIds<1185>},  // Unijunction, Thyristor
};

// High frequency diodes
constexpr std::array kHfDiodeControls{
    list(1, 1001, "Style:", 2, kHfDiodeStyles),
    list(2, 1009, "Quality:", 1, kSemiconductorQualities),
    edit(8, V::f32, 1252, "PI q:", 3),
};

// High frequency transistors
constexpr std::array kHfTransistorControls{
    list(1, 1001, "Style:", 2, kHfTransistorStyles),
    list(2, 1009, "Quality:", 1, kSemiconductorQualities),
    edit(4, V::f32, 1185, "P. rate:", 3),
    edit(12, V::f32, 1252, "PI q:", 4),
};

// Optoelectronic devices: "# of Bits:" only for a multiple-bit Nixie tube.
constexpr std::array kOptoControls{
    list(1, 1001, "Style:", 2, kOptoStyles),
    list(2, 1009, "Quality:", 1, kSemiconductorQualities),
    edit(4, V::f32, 1252, "PI q:", 4),
    edit(3, V::u8, 1216, "# of Bits:", 3),
};
constexpr GroupBox kOptoGroups[]{{"(only for Nixie Tube)", kIds<1216>}};
constexpr TypeRule kOptoRules[]{{kTypes<up_to(7), from(9)>, kIds<1216>}};

// Gas lasers
constexpr std::array kGasLaserControls{
    list(1, 1001, "Type:", 1, kGasLaserTypes),
    list(2, 2000, "Learning factor:", 2, kLearningFactors),
};

// Inductive devices: a quality list for transformers (types 1 to 8) and one
// for coils (types 9 and above); "PI q:" follows the list of the type.
constexpr std::array kInductiveControls{
    list(1, 1001, "Type:", 3, kInductiveTypes),
    list(2, 1224, "Quality:", 2, kTransformerQualities),
    list(3, 1226, "Quality:", 1, kQualitiesA1ToC),
    edit(8, V::f32, 1252, "PI q:", 4),
};
constexpr GroupBox kInductiveGroups[]{{"TRANSFORMERS", kIds<1224>}, {"COILS", kIds<1226>}};
constexpr TypeRule kInductiveRules[]{
    {kTypes<from(9)>, kIds<1224>},
    {kTypes<up_to(8)>, kIds<1226>},
};
constexpr QualityRule kInductiveQuality[]{{1224, {1, 8}}, {1226, from(9)}};

// Connections: eight quantities, the labels framed apart from the edits.
constexpr std::array kConnectionControls{
    edit(2, V::u16, 1234, "Reflow Soldering (Printed board)", 4),
    edit(4, V::u16, 1232, "Wave-soldering (Printed board)", 7),
    edit(6, V::u16, 1228, "Wire-wrap soldering iron soldering", 3),
    edit(8, V::u16, 1237, "Non-wire-wrap soldering iron soldering", 8),
    edit(10, V::u16, 1230, "Soldering welding", 6),
    edit(12, V::u16, 1231, "Wire-wrap connection", 5),
    edit(14, V::u16, 1229, "Pressure welding", 2),
    edit(16, V::u16, 1233, "Clamp welding", 1),
};
constexpr std::span<const int> kConnectionIds = kIds<1234, 1232, 1228, 1237, 1230, 1231, 1229, 1233>;
constexpr GroupBox kConnectionGroups[]{
    {"Type of connections", kConnectionIds, Framed::labels},
    {"QTY", kConnectionIds, Framed::controls},
};

// Printed wiring boards
constexpr std::array kPrintedBoardControls{
    list(2, 1009, "Quality:", 1, kQualitiesABC),
    edit(4, V::u16, 1015, "# of metallized holes:", 2),
    edit(6, V::f32, 1252, "PI q:", 3),
};

// Rotating devices
constexpr std::array kRotatingControls{
    list(1, 1001, "Type:", 1, kRotatingTypes),
    list(2, 1009, "Quality:", 2, kQualitiesAToC),
    edit(4, V::f32, 1252, "PI q:", 3),
};

// Quartz crystals
constexpr std::array kQuartzControls{
    list(1, 1001, "Type:", 2, kQuartzTypes),
    list(2, 1009, "Quality:", 1, kQualitiesA1A2BC),
    edit(4, V::f32, 1252, "PI q:", 3),
};

// Surface acoustic wave devices
constexpr std::array kSawControls{
    list(2, 1009, "Quality:", 1, kSawQualities),
    edit(4, V::f32, 1252, "PI q:", 2),
};

// Lamps
constexpr std::array kLampControls{
    list(1, 1001, "Type:", 1, kLampTypes),
};

// Miscellaneous: quality only for types 1 to 13, learning factor and axes only
// for the piezoelectric gyroscope.
constexpr std::array kMiscControls{
    list(1, 1001, "Type:", 1, kMiscTypes),
    list(2, 1009, "Quality:", 2, kQualitiesAToC),
    edit(4, V::f32, 1252, "PI q:", 3),
    list(3, 2000, "Learning factor:", 4, kLearningFactors),
    list(8, 1256, "Axis:", 5, kMiscAxes),
};
constexpr GroupBox kMiscGroups[]{{"Gyroscopes", kIds<2000, 1256>}};
constexpr TypeRule kMiscRules[]{
    {kTypes<from(14)>, kIds<1009, 1252>},
    {kTypes<up_to(13), from(15)>, kIds<2000, 1256>},  // all but Piezoelectric Gyroscope
};
constexpr QualityRule kMiscQuality[]{{kQualityListId, {1, 13}}};

// Tubes
constexpr std::array kTubeControls{
    list(1, 1001, "Type :", 1, kTubeTypes),
    list(2, 1009, "Quality:", 2, kQualitiesA1A2BC),
    edit(4, V::f32, 1252, "PI q:", 3),
};

// Filters
constexpr std::array kFilterControls{
    list(1, 1001, "Construction:", 1, kFilterConstructions),
    list(2, 1009, "Quality:", 2, kQualitiesABC),
    edit(4, V::f32, 1252, "PI q:", 3),
};

// Hybrid
constexpr std::array kHybridControls{
    list(2, 1009, "Quality:", 1, kHybridQualities),
    edit(12, V::f32, 1252, "PI q:", 2),
    edit(4, V::u16, 1217, "# of monolithic IC:", 3),
    edit(6, V::u16, 3000, "# of transistor:", 4),
    edit(8, V::u16, 1218, "# of diode:", 5),
    edit(10, V::u16, 1219, "# of passive components:", 6),
};

// Icons of the templates.
constexpr int kDigitalIcon = 103, kGeneralIcon = 104, kMemoryIcon = 105, kAnalogIcon = 106;

constexpr CategoryDialog kDialogs[]{
    {1, "CM08_101", 109, "IC Memory   GJB/Z 108A-2006 Detailed", kMemoryIcon, kMemoryControls, {}, {},
     kQualityWhileTyped},
    {2, "CM08_102", 110, "IC Analog   GJB/Z 108A-2006 Detailed", kAnalogIcon, kAnalogControls, kAnalogGroups,
     kAnalogRules, kQualityWhileTyped},
    {3, "CM08_103", 108, "IC Digital   GJB/Z 108A-2006 Detailed", kDigitalIcon, kDigitalControls, {}, {},
     kQualityWhileTyped},
    {5, "CM08_105", 139, "Resistor   GJB/Z 108A-2006 Detailed", kGeneralIcon, kResistorControls, {},
     kResistorRules, kQualityWhileTyped},
    {6, "CM08_106", 113, "VARIABLE RESISTOR  GJB/Z 108A-2006 Detailed", kGeneralIcon, kVariableResistorControls,
     {}, {}, kQualityWhileTyped},
    {7, "CM08_107", 114, "CAPACITOR  GJB/Z 108A-2006 Detailed", kGeneralIcon, kCapacitorControls,
     kCapacitorGroups, kCapacitorRules, kQualityWhileTyped},
    {8, "CM08_108", 115, "SWITCHES  GJB/Z 108A-2006 Detailed", kGeneralIcon, kSwitchControls, {}, {},
     kQualityWhileTyped},
    {9, "CM08_109", 116, "RELAYS  GJB/Z 108A-2006 Detailed", kGeneralIcon, kRelayControls, kRelayGroups,
     kRelayRules, kQualityWhileTyped},
    {10, "CM08_110", 117, "CONNECTORS  GJB/Z 108A-2006 Detailed", kGeneralIcon, kConnectorControls,
     kConnectorGroups, kConnectorRules, kConnectorQuality},
    {11, "CM08_111", 118, "Low Frequency Diodes  GJB/Z 108A-2006 Detailed", kGeneralIcon, kLfDiodeControls, {},
     {}, kQualityWhileTyped},
    {12, "CM08_112", 120, "Low Frequency Transistors  GJB/Z 108A-2006 Detailed", kGeneralIcon,
     kLfTransistorControls, {}, kLfTransistorRules, kQualityWhileTyped},
    {13, "CM08_113", 121, "High Frequency Diodes  GJB/Z 108A-2006 Detailed", kGeneralIcon, kHfDiodeControls, {},
     {}, kQualityWhileTyped},
    {14, "CM08_114", 119, "High Frequency Transistors  GJB/Z 108A-2006 Detailed", kGeneralIcon,
     kHfTransistorControls, {}, {}, kQualityWhileTyped},
    {15, "CM08_115", 122, "OPTOELECTRONIC DEVICES  GJB/Z 108A-2006 Detailed", kGeneralIcon, kOptoControls,
     kOptoGroups, kOptoRules, kQualityWhileTyped},
    {16, "CM08_116", 123, "GAS LASERS  GJB/Z 108A-2006 Detailed", kGeneralIcon, kGasLaserControls, {}, {}, {}},
    {18, "CM08_118", 125, "INDUCTIVE DEVICES  GJB/Z 108A-2006 Detailed", kGeneralIcon, kInductiveControls,
     kInductiveGroups, kInductiveRules, kInductiveQuality},
    {19, "CM08_119", 126, "CONNECTIONS  GJB/Z 108A-2006 Detailed", kGeneralIcon, kConnectionControls,
     kConnectionGroups, {}, {}},
    {20, "CM08_120", 127, "PRINTED WIRINING BOARDS  GJB/Z 108A-2006 Detailed", kGeneralIcon,
     kPrintedBoardControls, {}, {}, kQualityAlways},
    {21, "CM08_121", 128, "ROTATING DEVICES   GJB/Z 108A-2006 Detailed", kGeneralIcon, kRotatingControls, {},
     {}, kQualityWhileTyped},
    {22, "CM08_122", 129, "QUARTZ CRYSTALS  GJB/Z 108A-2006 Detailed", kGeneralIcon, kQuartzControls, {}, {},
     kQualityWhileTyped},
    {24, "CM08_124", 132, "METERS  GJB/Z 108A-2006 Detailed", kGeneralIcon, {}, {}, {}, {}},
    {25, "CM08_125", 133, "FUSES   GJB/Z 108A-2006 Detailed", kGeneralIcon, {}, {}, {}, {}},
    {27, "CM08_127", 135, "SURFACE ACCOUSTIC WAVE   GJB/Z 108A-2006  Detailed", kGeneralIcon, kSawControls, {},
     {}, kQualityAlways},
    {28, "CM08_128", 136, "LAMPS INCANDESCENT   GJB/Z 108A-2006 Detailed", kGeneralIcon, kLampControls, {}, {},
     {}},
    {29, "CM08_129", 137, "MISCELLANEOUS   GJB/Z 108A-2006 Detailed", kGeneralIcon, kMiscControls, kMiscGroups,
     kMiscRules, kMiscQuality},
    {30, "CM08_130", 138, "TUBES  GJB/Z 108A-2006 Detailed", kGeneralIcon, kTubeControls, {}, {},
     kQualityWhileTyped},
    {31, "CM08_131", 140, "FILTERS  GJB/Z 108A-2006 Detailed", kGeneralIcon, kFilterControls, {}, {},
     kQualityWhileTyped},
    {33, "CM08_133", 141, "HYBRID  GJB/Z 108A-2006 Detailed", kGeneralIcon, kHybridControls, {}, {},
     kQualityAlways},
};

}  // namespace

std::span<const CategoryDialog> category_dialogs() noexcept { return kDialogs; }

const CategoryDialog* find_category_dialog(unsigned item_code) noexcept {
    for (const CategoryDialog& dialog : kDialogs)
        if (dialog.item_code == item_code) return &dialog;
    return nullptr;
}

const CategoryControl* find_control(const CategoryDialog& dialog, int id) noexcept {
    for (const CategoryControl& control : dialog.controls)
        if (control.id == id) return &control;
    return nullptr;
}

bool has_type_list(const CategoryDialog& dialog) noexcept { return find_control(dialog, kTypeListId) != nullptr; }

}  // namespace gjbz108a
