#include "dialogs/category_dialogs.h"

#include "records/field_tables.h"

#include <array>

namespace gjbz108a {
namespace {

template <std::size_t N>
using List = std::array<std::string_view, N>;

consteval VariableType variable_type(FieldType type) {
    switch (type) {
    case FieldType::u8: return VariableType::u8;
    case FieldType::u16: return VariableType::u16;
    case FieldType::u32: return VariableType::u32;
    case FieldType::i32: return VariableType::i32;
    case FieldType::f32: return VariableType::f32;
    case FieldType::selection:
    case FieldType::code: break;
    }
    throw "an edit shows a number field";
}

// A category's field table, from which its controls take their block bytes and
// storage by key. A misspelt key, an edit over a list field, or a list that
// has not as many entries as its field does not compile.
struct Fields {
    std::span<const ParameterField> table;

    consteval const ParameterField& field(std::string_view key) const {
        for (const ParameterField& candidate : table)
            if (candidate.key == key) return candidate;
        throw "no field of this key";
    }

    consteval CategoryControl list(std::string_view key, int id, std::string_view label, std::uint8_t order,
                                   std::span<const std::string_view> entries) const {
        const ParameterField& shown = field(key);
        if (shown.type != FieldType::selection || shown.entries.size() != entries.size())
            throw "a list shows a selection field with as many entries";
        return {shown.offset, VariableType::u8, id, ControlKind::list, label, order, entries, {}};
    }

    consteval CategoryControl edit(std::string_view key, int id, std::string_view label, std::uint8_t order,
                                   std::string_view unit = {}) const {
        const ParameterField& shown = field(key);
        return {shown.offset, variable_type(shown.type), id, ControlKind::edit, label, order, {}, unit};
    }
};

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
constexpr Fields memory{fields::kIcMemory};
constexpr std::array kMemoryControls{
    memory.list("type", 1001, "Type:", 3, kMemoryTypes),
    memory.list("tech", 1002, "Tech:", 2, kBipolarMos),
    memory.list("package", 1007, "Package:", 1, kIcPackages),
    memory.list("quality", 1009, "Quality:", 4, kIcQualities),
    memory.list("learning", 2000, "Learning factor:", 5, kLearningFactors),
    memory.edit("pins", 1015, "# of Pins:", 6),
    memory.edit("bits", 1010, "# of bits:", 7),
    memory.edit("user_pi_q", 1252, "PI q:", 8),
};

// IC Analog
constexpr Fields analog{fields::kIcAnalog};
constexpr std::array kAnalogControls{
    analog.list("type", 1001, "Type:", 4, kAnalogTypes),
    analog.list("package", 1007, "Package:", 2, kIcPackages),
    analog.list("quality", 1009, "Quality:", 5, kIcQualities),
    analog.list("learning", 2000, "Learning factor:", 6, kLearningFactors),
    analog.edit("pins", 1015, "# of Pins:", 7),
    analog.edit("transistors", 1133, "# of transistors:", 8),
    analog.edit("user_pi_q", 1252, "PI q:", 9),
    analog.list("tech", 1002, "Tech:", 3, kGaAsTechnologies),
    analog.list("seal", 5000, "Seal:", 1, kAnalogSeals),
};
constexpr GroupBox kAnalogGroups[]{{"for GaAs MMIC", kIds<1002, 5000>}};
constexpr TypeRule kAnalogRules[]{
    {kTypes<only(1)>, kIds<5000, 1002>},  // Monolithic Analog Circuit
    {kTypes<only(2)>, kIds<1133>},        // GaAs MMIC
};

// IC Digital
constexpr Fields digital{fields::kIcDigital};
constexpr std::array kDigitalControls{
    digital.list("type", 1001, "Type:", 3, kDigitalTypes),
    digital.list("tech", 1002, "Tech:", 2, kBipolarMos),
    digital.list("package", 1007, "Package:", 1, kIcPackages),
    digital.list("quality", 1009, "Quality:", 4, kIcQualities),
    digital.list("learning", 2000, "Learning factor:", 6, kLearningFactors),
    digital.edit("pins", 1015, "# of Pins:", 7),
    digital.edit("elements", 1043, "# of gates/trans:", 5),
    digital.edit("user_pi_q", 1252, "PI q:", 8),
};

// Resistor: "# of resistors:" only for a network.
constexpr Fields resistor{fields::kResistor};
constexpr std::array kResistorControls{
    resistor.list("style", 1001, "Style:", 2, kResistorStyles),
    resistor.edit("resistors", 1137, "# of resistors:", 3),
    resistor.list("quality", 1009, "Quality:", 1, kResistorQualities),
    resistor.edit("user_pi_q", 1252, "PI q:", 4),
};
constexpr TypeRule kResistorRules[]{{kTypes<up_to(11), from(13)>, kIds<1137>}};

// Variable resistor
constexpr Fields variable_resistor{fields::kVariableResistor};
constexpr std::array kVariableResistorControls{
    variable_resistor.list("style", 1001, "Style:", 2, kVariableResistorStyles),
    variable_resistor.list("quality", 1009, "Quality:", 1, kResistorQualities),
    variable_resistor.edit("user_pi_q", 1252, "PI q:", 3),
};

// Capacitor
constexpr Fields capacitor{fields::kCapacitor};
constexpr std::array kCapacitorControls{
    capacitor.list("style", 1001, "Style:", 2, kCapacitorStyles),
    capacitor.list("quality", 1009, "Quality:", 1, kCapacitorQualities),
    capacitor.edit("user_pi_q", 1252, "PI q:", 3),
    capacitor.list("surface", 1047, "Surface Type:", 4, kCapacitorSurfaceTypes),
    capacitor.list("sealed", 5000, "Sealed:", 5, kCapacitorSeals),
};
constexpr GroupBox kCapacitorGroups[]{{"for Variable air", kIds<5000>}};
constexpr TypeRule kCapacitorRules[]{
    // Glass Glaze, Mica, Non-Solid Electrolytic Tantalum, Fine Tuning variable, Variable air
    {kTypes<IndexRange{4, 5}, only(10), IndexRange{12, 13}>, kIds<1047>},
    {kTypes<up_to(12), from(14)>, kIds<5000>},  // all but Variable air
};

// Switches
constexpr Fields switches{fields::kSwitch};
constexpr std::array kSwitchControls{
    switches.list("type", 1001, "Type of switch:", 2, kSwitchTypes),
    switches.list("quality", 1009, "Quality:", 1, kQualitiesAToC),
    switches.edit("contact_voltage", 1183, "Contact voltage:", 3, "mV"),
    switches.edit("user_pi_q", 1252, "PI q:", 4),
};

// Relays: the group box frames both controls that a fixed relay has not.
constexpr Fields relay{fields::kRelay};
constexpr std::array kRelayControls{
    relay.list("construction", 1001, "Construction:", 2, kRelayConstructions),
    relay.list("quality", 1009, "Quality:", 1, kRelayQualities),
    relay.edit("user_pi_q", 1252, "PI q:", 3),
    relay.edit("contact_voltage", 1183, "Contact voltage:", 4, "mV"),
    relay.list("seal", 5000, "Seal:", 5, kRelaySeals),
};
constexpr GroupBox kRelayGroups[]{{"Electromechanical", kIds<1183, 5000>}};
constexpr TypeRule kRelayRules[]{{kTypes<only(2)>, kIds<1183, 5000>}};  // Fixed

// Connectors: the quality rule runs for configurations 1 to 4 only.
constexpr Fields connector{fields::kConnector};
constexpr std::array kConnectorControls{
    connector.list("configuration", 1001, "Configuration:", 2, kConnectorConfigurations),
    connector.list("quality", 1009, "Quality:", 1, kQualitiesA1ToC),
    connector.edit("user_pi_q", 1252, "PI q:", 3),
    connector.list("linkage", 1032, "Linkage:", 4, kConnectorLinkages),
    connector.edit("cores", 1034, "# of core:", 5),
};
constexpr GroupBox kConnectorGroups[]{{"Fiber Connector", kIds<1032, 1034>}};
constexpr TypeRule kConnectorRules[]{
    {kTypes<up_to(4), from(6)>, kIds<1032, 1034>},  // all but Fiber
    {kTypes<IndexRange{5, 6}>, kIds<1009, 1252>},   // Fiber, IC sockets
};
constexpr QualityRule kConnectorQuality[]{{kQualityListId, {1, 4}}};

// Low frequency diodes
constexpr Fields lf_diode{fields::kLfDiode};
constexpr std::array kLfDiodeControls{
    lf_diode.list("style", 1001, "Style:", 2, kLfDiodeStyles),
    lf_diode.list("quality", 1009, "Quality:", 1, kSemiconductorQualities),
    lf_diode.edit("user_pi_q", 1252, "PI q:", 3),
};

// Low frequency transistors
constexpr Fields lf_transistor{fields::kLfTransistor};
constexpr std::array kLfTransistorControls{
    lf_transistor.list("style", 1001, "Style:", 2, kLfTransistorStyles),
    lf_transistor.list("quality", 1009, "Quality:", 1, kSemiconductorQualities),
    lf_transistor.edit("power_rating", 1185, "P. rate:", 3),
    lf_transistor.edit("current_rating", 1183, "I. rate:", 4),
    lf_transistor.edit("user_pi_q", 1252, "PI q:", 5),
};
constexpr TypeRule kLfTransistorRules[]{
    {kTypes<up_to(7)>, kIds<1183>},          // "---" to Unijunction
    {kTypes<IndexRange{7, 8}>, kIds<1185>},  // Unijunction, Thyristor
};

// High frequency diodes
constexpr Fields hf_diode{fields::kHfDiode};
constexpr std::array kHfDiodeControls{
    hf_diode.list("style", 1001, "Style:", 2, kHfDiodeStyles),
    hf_diode.list("quality", 1009, "Quality:", 1, kSemiconductorQualities),
    hf_diode.edit("user_pi_q", 1252, "PI q:", 3),
};

// High frequency transistors
constexpr Fields hf_transistor{fields::kHfTransistor};
constexpr std::array kHfTransistorControls{
    hf_transistor.list("style", 1001, "Style:", 2, kHfTransistorStyles),
    hf_transistor.list("quality", 1009, "Quality:", 1, kSemiconductorQualities),
    hf_transistor.edit("power_rating", 1185, "P. rate:", 3),
    hf_transistor.edit("user_pi_q", 1252, "PI q:", 4),
};

// Optoelectronic devices: "# of Bits:" only for a multiple-bit Nixie tube.
constexpr Fields optoelectronic{fields::kOptoelectronic};
constexpr std::array kOptoControls{
    optoelectronic.list("style", 1001, "Style:", 2, kOptoStyles),
    optoelectronic.list("quality", 1009, "Quality:", 1, kSemiconductorQualities),
    optoelectronic.edit("user_pi_q", 1252, "PI q:", 4),
    optoelectronic.edit("bits", 1216, "# of Bits:", 3),
};
constexpr GroupBox kOptoGroups[]{{"(only for Nixie Tube)", kIds<1216>}};
constexpr TypeRule kOptoRules[]{{kTypes<up_to(7), from(9)>, kIds<1216>}};

// Gas lasers
constexpr Fields gas_laser{fields::kGasLaser};
constexpr std::array kGasLaserControls{
    gas_laser.list("type", 1001, "Type:", 1, kGasLaserTypes),
    gas_laser.list("learning", 2000, "Learning factor:", 2, kLearningFactors),
};

// Inductive devices: a quality list for transformers (types 1 to 8) and one
// for coils (types 9 and above); "PI q:" follows the list of the type.
constexpr Fields inductive{fields::kInductive};
constexpr std::array kInductiveControls{
    inductive.list("type", 1001, "Type:", 3, kInductiveTypes),
    inductive.list("transformer_quality", 1224, "Quality:", 2, kTransformerQualities),
    inductive.list("coil_quality", 1226, "Quality:", 1, kQualitiesA1ToC),
    inductive.edit("user_pi_q", 1252, "PI q:", 4),
};
constexpr GroupBox kInductiveGroups[]{{"TRANSFORMERS", kIds<1224>}, {"COILS", kIds<1226>}};
constexpr TypeRule kInductiveRules[]{
    {kTypes<from(9)>, kIds<1224>},
    {kTypes<up_to(8)>, kIds<1226>},
};
constexpr QualityRule kInductiveQuality[]{{1224, {1, 8}}, {1226, from(9)}};

// Connections: eight quantities, the labels framed apart from the edits.
constexpr Fields connection{fields::kConnection};
constexpr std::array kConnectionControls{
    connection.edit("reflow", 1234, "Reflow Soldering (Printed board)", 4),
    connection.edit("soldered", 1232, "Wave-soldering (Printed board)", 7),
    connection.edit("hand", 1228, "Wire-wrap soldering iron soldering", 3),
    connection.edit("handpcb", 1237, "Non-wire-wrap soldering iron soldering", 8),
    connection.edit("weld", 1230, "Soldering welding", 6),
    connection.edit("wrap", 1231, "Wire-wrap connection", 5),
    connection.edit("crimp", 1229, "Pressure welding", 2),
    connection.edit("clip", 1233, "Clamp welding", 1),
};
constexpr std::span<const int> kConnectionIds = kIds<1234, 1232, 1228, 1237, 1230, 1231, 1229, 1233>;
constexpr GroupBox kConnectionGroups[]{
    {"Type of connections", kConnectionIds, Framed::labels},
    {"QTY", kConnectionIds, Framed::controls},
};

// Printed wiring boards
constexpr Fields printed_board{fields::kPrintedBoard};
constexpr std::array kPrintedBoardControls{
    printed_board.list("quality", 1009, "Quality:", 1, kQualitiesABC),
    printed_board.edit("holes", 1015, "# of metallized holes:", 2),
    printed_board.edit("user_pi_q", 1252, "PI q:", 3),
};

// Rotating devices
constexpr Fields rotating{fields::kRotating};
constexpr std::array kRotatingControls{
    rotating.list("type", 1001, "Type:", 1, kRotatingTypes),
    rotating.list("quality", 1009, "Quality:", 2, kQualitiesAToC),
    rotating.edit("user_pi_q", 1252, "PI q:", 3),
};

// Quartz crystals
constexpr Fields quartz{fields::kQuartz};
constexpr std::array kQuartzControls{
    quartz.list("type", 1001, "Type:", 2, kQuartzTypes),
    quartz.list("quality", 1009, "Quality:", 1, kQualitiesA1A2BC),
    quartz.edit("user_pi_q", 1252, "PI q:", 3),
};

// Surface acoustic wave devices
constexpr Fields saw{fields::kSaw};
constexpr std::array kSawControls{
    saw.list("quality", 1009, "Quality:", 1, kSawQualities),
    saw.edit("user_pi_q", 1252, "PI q:", 2),
};

// Lamps
constexpr Fields lamp{fields::kLamp};
constexpr std::array kLampControls{
    lamp.list("type", 1001, "Type:", 1, kLampTypes),
};

// Miscellaneous: quality only for types 1 to 13, learning factor and axes only
// for the piezoelectric gyroscope.
constexpr Fields miscellaneous{fields::kMiscellaneous};
constexpr std::array kMiscControls{
    miscellaneous.list("type", 1001, "Type:", 1, kMiscTypes),
    miscellaneous.list("quality", 1009, "Quality:", 2, kQualitiesAToC),
    miscellaneous.edit("user_pi_q", 1252, "PI q:", 3),
    miscellaneous.list("learning", 2000, "Learning factor:", 4, kLearningFactors),
    miscellaneous.list("axis", 1256, "Axis:", 5, kMiscAxes),
};
constexpr GroupBox kMiscGroups[]{{"Gyroscopes", kIds<2000, 1256>}};
constexpr TypeRule kMiscRules[]{
    {kTypes<from(14)>, kIds<1009, 1252>},
    {kTypes<up_to(13), from(15)>, kIds<2000, 1256>},  // all but Piezoelectric Gyroscope
};
constexpr QualityRule kMiscQuality[]{{kQualityListId, {1, 13}}};

// Tubes
constexpr Fields tube{fields::kTube};
constexpr std::array kTubeControls{
    tube.list("type", 1001, "Type :", 1, kTubeTypes),
    tube.list("quality", 1009, "Quality:", 2, kQualitiesA1A2BC),
    tube.edit("user_pi_q", 1252, "PI q:", 3),
};

// Filters
constexpr Fields filter{fields::kFilter};
constexpr std::array kFilterControls{
    filter.list("construction", 1001, "Construction:", 1, kFilterConstructions),
    filter.list("quality", 1009, "Quality:", 2, kQualitiesABC),
    filter.edit("user_pi_q", 1252, "PI q:", 3),
};

// Hybrid
constexpr Fields hybrid{fields::kHybrid};
constexpr std::array kHybridControls{
    hybrid.list("quality", 1009, "Quality:", 1, kHybridQualities),
    hybrid.edit("user_pi_q", 1252, "PI q:", 2),
    hybrid.edit("ics", 1217, "# of monolithic IC:", 3),
    hybrid.edit("transistors", 3000, "# of transistor:", 4),
    hybrid.edit("diodes", 1218, "# of diode:", 5),
    hybrid.edit("passives", 1219, "# of passive components:", 6),
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
