// Every category's parameter fields as constexpr data: the one home of each
// field's offset, storage and list. The models, checks, screen lists and report
// cells take their offsets from here by key (offset_of), so a field moves in one
// place and a misspelt key does not compile.
#pragma once

#include "records/category_fields.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace gjbz108a::fields {

using Entries = std::span<const std::string_view>;
using F = FieldType;

template <std::size_t N>
using List = std::array<std::string_view, N>;

// ---- Lists (code = position + 1) ----

inline constexpr List<13> kIcPackage{
    "Package Dual In-Line", "Package FLAT", "Package Splice Array", "Package PGA",
    "Package BGA", "Package SMT(Chip carrier)", "Package Metallic Shell",
    "Unpack Dual In-Line", "Unpack FLAT", "Unpack Splice Array", "Unpack PGA",
    "Unpack BGA", "Unpack SMT(Chip carrier)"};
inline constexpr List<8> kIcQuality{"A2", "A3", "A4", "B1", "B2", "C1", "C2", "User"};
inline constexpr List<3> kLearning{"Stabilized", "Not stabil", "New device"};
inline constexpr List<2> kBipolarMos{"Bipolar", "MOS"};
inline constexpr List<9> kMemoryType{"SRAM", "DRAM", "ROM", "PROM", "EPROM", "EEPROM", "FLASH", "FIFO", "CCD"};
inline constexpr List<2> kAnalogType{"Analog", "GaAs MMIC"};
inline constexpr List<3> kGaAsTech{"MESFET", "HBT", "HEMT"};
inline constexpr List<3> kAnalogSeal{"Fused", "Welded", "Glass"};
inline constexpr List<8> kDigitalType{"Logic", "PLA", "PAL", "PLD", "FPGA", "mPROC", "DSP", "Microcontroller"};
inline constexpr List<9> kHybridQuality{"A2", "A3", "A4", "A5", "A6", "B1", "B2", "C", "User"};

inline constexpr List<12> kResistorStyle{
    "Composition", "Metal Film", "Carbon Film", "Non-wirewound, Power", "Wirewound, General",
    "Wirewound, Precision", "Wirewound, Power", "Thermo Sensitive", "Pressure Sensitive",
    "Photo Sensitive", "Chip Film", "Network"};
inline constexpr List<6> kResistorQuality{"A1m", "A2", "B1", "B2", "C", "User"};
inline constexpr List<7> kVariableResistorStyle{
    "General Wirewound", "Precision Wirewound", "Fine Tuning Wirewound", "Power Wirewound",
    "Organic Solid", "Composition Carbon Film", "Glass Glaze"};
inline constexpr List<13> kCapacitorStyle{
    "Paper", "Plastic", "Paper-Plastic Mixed", "Glass Glaze", "Mica", "Ceramic (Class 1)",
    "Ceramic (Class 2)", "Ceramic (Class 3)", "Solid Electrolytic Tantalum",
    "Non-Solid Electrol. Tantalum", "Electrolytic Aluminum", "Fine Tuning variable", "Variable air"};
inline constexpr List<10> kCapacitorQuality{"A1p", "A1m", "A1l", "A1w", "A2", "B1", "B2", "C1", "C2", "User"};
inline constexpr List<2> kCapacitorSurface{"Chip", "With lead"};
inline constexpr List<2> kCapacitorSealed{"With", "Without"};

inline constexpr List<4> kSwitchType{"Pushbutton", "Toggle", "Rotary", "Micro"};
inline constexpr List<5> kQualityAB1B2C{"A", "B1", "B2", "C", "User"};
inline constexpr List<2> kRelayConstruction{"Electromechanical", "Fixed"};
inline constexpr List<7> kRelayQuality{"A1m", "A1l", "A2", "B1", "B2", "C", "User"};
inline constexpr List<3> kRelaySeal{"Fusion welding", "Lead welding", "Unsealed"};
inline constexpr List<6> kConnectorConfiguration{
    "RF coaxial", "Cylindrical", "Rectangular", "PC Board", "Fiber", "IC sockets"};
inline constexpr List<6> kQualityA1A2B1B2C{"A1", "A2", "B1", "B2", "C", "User"};
inline constexpr List<3> kConnectorLinkage{"FC", "SC", "ST"};

inline constexpr List<8> kSemiconductorQuality{"A2", "A3", "A4", "A5", "B1", "B2", "C", "User"};
inline constexpr List<5> kLfDiodeStyle{
    "Si Diodes", "Ge Diodes", "Voltage regulator", "Voltage reference", "Current regulator"};
inline constexpr List<8> kLfTransistorStyle{
    "Si, NPN", "Si, PNP", "Ge, NPN", "Ge, PNP", "Si FET Junc", "Si FET MOS", "Unijunction", "Thyristor"};
inline constexpr List<10> kHfDiodeStyle{
    "Microwave Si Detector", "Microwave Ge Detector", "Microwave Si Mixer", "Microwave Ge Mixer",
    "Varactor", "Step Recovery", "Tunnel", "PIN", "GUNN/BULK Effect", "Collapse"};
inline constexpr List<3> kHfTransistorStyle{"Microwave", "High PWR Micr.", "Gal. ars. FET"};
inline constexpr List<8> kOptoStyle{
    "LED", "Infrated LED", "Photosensitive diode", "Photosensitive transistor",
    "Simple photoel. coupler", "Multiple photoel. coupler", "Sole bit Nixie tube",
    "Multiple bits Nixie tube"};

inline constexpr List<7> kLaserType{
    "Helium Neon", "Helium Cadmium", "Argon Ionic", "CO2 sealed", "YAG stick", "Ruby rod", "Semiconductor"};
inline constexpr List<3> kLaserLearning{"Stabilized", "Not stabilized", "New device"};
inline constexpr List<16> kInductiveType{
    "Low power pulse transformer", "MF transformer", "Audio Frequency transformer",
    "Power Supply transformer", "High power pulse transformer", "Filter Chokers",
    "High voltage transformer", "RF transformer", "Coil Fixed", "Coil Variable", "Inductives",
    "Low power RF coil", "Deflection coil", "High power coil", "Sheet coil", "Sheet inductance"};
inline constexpr List<5> kTransformerQuality{"A2", "B1", "B2", "C", "User"};
inline constexpr List<4> kQualityABC{"A", "B", "C", "User"};
inline constexpr List<6> kRotatingType{
    "Common motors", "Fan blowers", "Low speed and Low Load Electromotors", "Timers Common (AC/DC)",
    "Timers Inverter driven", "Timers Commutator DC"};
inline constexpr List<2> kQuartzType{"Resonator", "Oscillator"};
inline constexpr List<5> kQualityA1A2BC{"A1", "A2", "B", "C", "User"};
inline constexpr List<6> kSawQuality{"A2", "A3", "B1", "B2", "C", "User"};
inline constexpr List<2> kLampType{"Neon", "Incandescent"};
inline constexpr List<40> kMiscType{
    "High power magnetic elements", "Sound insulator", "Coupler", "Amplifer", "Gyrator", "Modulator",
    "Circulator", "Phase shifter", "Low power magnetic elements", "Silicon solar battery",
    "Cadmium-Nickel storage cell", "Lead Acid batteries", "Lithium batteries", "Piezoelectric Gyroscope",
    "Attenuators fixed", "Attenuators adjustable", "Fixed Directional coupler", "Fixed term",
    "Resonator", "Adjustable term", "Adjustable Resonator", "Waveguide Switch",
    "Waveguide interconnect High Power", "Waveguide interconnect Low Power", "Microwave IC High Power",
    "Microwave IC Low Power", "Temperature Components", "Heater", "LC delay line <= 0.5ms",
    "LC delay line > 0.5ms", "Cable (each x km)", "Electroacoustic Microphone", "Electroacoustic Bell",
    "Electroacoustic Speaker", "Telescopic Antenna", "Loop Antenna", "Dummy Load < 100W",
    "Dummy Load 100W ~<= 1000W", "Dummy Load > 1000W", "Terminal"};
inline constexpr List<3> kMiscAxis{"Single", "Duble", "Trinal"};
inline constexpr List<34> kTubeType{
    "Transmitting Ultrashort Wave", "Transmitting Pulse Wave", "Transmitting Decimetric Wave",
    "Transmitting Centimetric Wave", "Modulator Continuous Wave", "Modulator Pulse Wave",
    "Discharging Resonance", "Discharging Non Resonance", "Voltage Regulator Tube",
    "Current Regulator Tube", "Rectifier Tube", "Thyratron", "Reception Amplifier Tube",
    "Electron Beam - Indicator Light", "Electron Beam-Monochrome Picture", "Electron Beam - Oscillograph",
    "Electron Beam - Color Picture", "Electron Beam - Camera Tube", "Backwardwave Continuous",
    "Backwardwave Pulse", "Counter Tube", "X Ray Tube", "Nixie Tube", "Photoelectric Tube",
    "Photoelectric Diplosis Tube", "Trigger Tube", "Continuous Wave Klystron", "Pulse Klystron",
    "Low Power Klystron", "Magnetron", "Traveling Wave Tubes", "Crossed field Amplifier Tube",
    "Gassing MW Switch - Power", "Gassing MW Switch - Non Power"};
inline constexpr List<5> kFilterConstruction{
    "Discrete LC", "Discrete LS and crystal", "Piezoelectric ceramics", "Quartz crystal",
    "Mechanical filters"};

// ---- Fields per category (block offsets = record offset - 150) ----

// SubType picks an entry of the host's own list: its 0 is "nothing chosen", as
// in every selection field, not a count.
inline constexpr ParameterField kSubType{"subtype", "SubType", kSubTypeOffset, F::code, {}, nullptr};

constexpr ParameterField number(std::string_view key, std::string_view title, std::uint8_t offset, F type,
                                const Unit* unit = nullptr) {
    return {key, title, offset, type, {}, unit};
}
constexpr ParameterField choice(std::string_view key, std::string_view title, std::uint8_t offset, Entries list) {
    return {key, title, offset, F::selection, list, nullptr};
}
constexpr ParameterField user_quality(std::uint8_t offset) {
    return number("user_pi_q", "user quality factor", offset, F::f32);
}

inline constexpr std::array kIcMemory{
    kSubType,
    choice("type", "Type", 1, kMemoryType),
    choice("tech", "Tech", 2, kBipolarMos),
    choice("package", "Package", 3, kIcPackage),
    choice("quality", "Qual", 4, kIcQuality),
    choice("learning", "Learn fact.", 5, kLearning),
    number("pins", "Active pins", 6, F::u16),
    number("bits", "# of bits", 8, F::f32),
    user_quality(16),
};
inline constexpr std::array kIcAnalog{
    kSubType,
    choice("type", "Type", 1, kAnalogType),
    choice("tech", "Tech", 2, kGaAsTech),
    choice("package", "Package", 3, kIcPackage),
    choice("quality", "Qual", 4, kIcQuality),
    choice("learning", "Learn fact.", 5, kLearning),
    number("pins", "Active pins", 6, F::u16),
    number("transistors", "# of transist.", 8, F::i32),
    user_quality(16),
    choice("seal", "Seal", 20, kAnalogSeal),
};
inline constexpr std::array kIcDigital{
    kSubType,
    choice("type", "Type", 1, kDigitalType),
    choice("tech", "Tech", 2, kBipolarMos),
    choice("package", "Package", 3, kIcPackage),
    choice("quality", "Qual", 4, kIcQuality),
    choice("learning", "Learn fact.", 5, kLearning),
    number("pins", "Active pins", 6, F::u16),
    number("elements", "# of elements", 8, F::u32),
    user_quality(16),
};
inline constexpr std::array kResistor{
    kSubType,
    choice("style", "Style", 1, kResistorStyle),
    number("resistors", "# film resist.", 2, F::u8),
    choice("quality", "Qual", 3, kResistorQuality),
    user_quality(8),
};
inline constexpr std::array kVariableResistor{
    kSubType,
    choice("style", "Style", 1, kVariableResistorStyle),
    choice("quality", "Qual", 2, kResistorQuality),
    user_quality(8),
};
inline constexpr std::array kCapacitor{
    kSubType,
    choice("style", "Style", 1, kCapacitorStyle),
    choice("quality", "Qual", 2, kCapacitorQuality),
    choice("surface", "Surface", 3, kCapacitorSurface),
    choice("sealed", "Sealed", 4, kCapacitorSealed),
    user_quality(10),
};
inline constexpr std::array kSwitch{
    kSubType,
    choice("type", "Type", 1, kSwitchType),
    choice("quality", "Qual", 2, kQualityAB1B2C),
    number("contact_voltage", "Contact Voltage", 4, F::f32, &units::kMillivolt),
    user_quality(8),
};
inline constexpr std::array kRelay{
    kSubType,
    choice("construction", "Construction", 1, kRelayConstruction),
    choice("quality", "Qual", 2, kRelayQuality),
    choice("seal", "Seal", 3, kRelaySeal),
    number("contact_voltage", "Contact Voltage", 4, F::f32, &units::kMillivolt),
    user_quality(8),
};
inline constexpr std::array kConnector{
    kSubType,
    choice("configuration", "Configuration", 1, kConnectorConfiguration),
    choice("quality", "Qual", 2, kQualityA1A2B1B2C),
    user_quality(4),
    choice("linkage", "Linkage", 8, kConnectorLinkage),
    number("cores", "# of Core", 9, F::u8),
};
inline constexpr std::array kLfDiode{
    kSubType,
    choice("style", "Style", 1, kLfDiodeStyle),
    choice("quality", "Qual", 2, kSemiconductorQuality),
    user_quality(8),
};
inline constexpr std::array kLfTransistor{
    kSubType,
    choice("style", "Style", 1, kLfTransistorStyle),
    choice("quality", "Qual", 2, kSemiconductorQuality),
    number("power_rating", "Power rating", 4, F::f32, &units::kWatt),
    number("current_rating", "Current rating", 8, F::f32, &units::kAmpere),
    user_quality(16),
};
inline constexpr std::array kHfDiode{
    kSubType,
    choice("style", "Style", 1, kHfDiodeStyle),
    choice("quality", "Qual", 2, kSemiconductorQuality),
    user_quality(8),
};
inline constexpr std::array kHfTransistor{
    kSubType,
    choice("style", "Style", 1, kHfTransistorStyle),
    choice("quality", "Qual", 2, kSemiconductorQuality),
    number("power_rating", "Power rating", 4, F::f32, &units::kWatt),
    user_quality(12),
};
inline constexpr std::array kOptoelectronic{
    kSubType,
    choice("style", "Style", 1, kOptoStyle),
    choice("quality", "Qual", 2, kSemiconductorQuality),
    number("bits", "# of bits", 3, F::u8),
    user_quality(4),
};
inline constexpr std::array kGasLaser{
    kSubType,
    choice("type", "Type", 1, kLaserType),
    choice("learning", "Learn factor", 2, kLaserLearning),
};
inline constexpr std::array kInductive{
    kSubType,
    choice("type", "Family type", 1, kInductiveType),
    choice("transformer_quality", "Qual", 2, kTransformerQuality),
    choice("coil_quality", "Quality (COILS)", 3, kQualityA1A2B1B2C),
    user_quality(8),
};
inline constexpr std::array kConnection{
    kSubType,
    number("reflow", "REFLOW", 2, F::u16),
    number("soldered", "SOLDERED", 4, F::u16),
    number("hand", "HAND", 6, F::u16),
    number("handpcb", "HANDPCB", 8, F::u16),
    number("weld", "WELD", 10, F::u16),
    number("wrap", "WRAP", 12, F::u16),
    number("crimp", "CRIMP", 14, F::u16),
    number("clip", "CLIP", 16, F::u16),
};
inline constexpr std::array kPrintedBoard{
    kSubType,
    choice("quality", "Qual", 2, kQualityABC),
    number("holes", "Metal hole", 4, F::u16),
    user_quality(6),
};
inline constexpr std::array kRotating{
    kSubType,
    choice("type", "Type", 1, kRotatingType),
    choice("quality", "Qual", 2, kQualityAB1B2C),
    user_quality(4),
};
inline constexpr std::array kQuartz{
    kSubType,
    choice("type", "Type", 1, kQuartzType),
    choice("quality", "Qual", 2, kQualityA1A2BC),
    user_quality(4),
};
inline constexpr std::array kHeaderOnly{kSubType};
inline constexpr std::array kSaw{
    kSubType,
    choice("quality", "Qual", 2, kSawQuality),
    user_quality(4),
};
inline constexpr std::array kLamp{
    kSubType,
    choice("type", "Type", 1, kLampType),
};
inline constexpr std::array kMiscellaneous{
    kSubType,
    choice("type", "Type", 1, kMiscType),
    choice("quality", "Qual", 2, kQualityAB1B2C),
    choice("learning", "Learn fact.", 3, kLearning),
    user_quality(4),
    choice("axis", "Axis", 8, kMiscAxis),
};
inline constexpr std::array kTube{
    kSubType,
    choice("type", "Type", 1, kTubeType),
    choice("quality", "Qual", 2, kQualityA1A2BC),
    user_quality(4),
};
inline constexpr std::array kFilter{
    kSubType,
    choice("construction", "Construction", 1, kFilterConstruction),
    choice("quality", "Qual", 2, kQualityABC),
    user_quality(4),
};
inline constexpr std::array kHybrid{
    kSubType,
    choice("quality", "Qual", 2, kHybridQuality),
    number("ics", "# of IC", 4, F::u16),
    number("transistors", "# of trans", 6, F::u16),
    number("diodes", "# of diode", 8, F::u16),
    number("passives", "# of passiv", 10, F::u16),
    user_quality(12),
};

}  // namespace gjbz108a::fields
