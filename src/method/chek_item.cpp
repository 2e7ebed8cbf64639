// Plausibility rules that the models' factor tables cannot express: counts and
// packages of the integrated circuits, and quality levels that a style of
// variable resistor, capacitor or inductive device cannot have.
#include <gjbz108a/check.h>

#include "records/field_tables.h"
#include "records/item_codes.h"
#include "records/message.h"
#include "records/record.h"

#include <array>
#include <cstdint>

namespace gjbz108a {
namespace {

// A rejection message is its format with the text put in for "%s". Both are kept
// exactly as the host shows them: a text that ends in a blank and a format that
// starts with one give two blanks (" between  4 to 100").
struct Rejection {
    const char* text;
    const char* format;
};

// Offsets inside the parameter block. The three integrated circuits keep their
// package, pins and size in the same bytes, and so do the variable resistors,
// capacitors and transformers their quality code.
constexpr std::size_t kStyle = kTypeOffset;  // Type, Style or Family type
constexpr std::size_t kIcPackage = offset_of(fields::kIcDigital, "package");
constexpr std::size_t kIcPins = offset_of(fields::kIcDigital, "pins");  // u16
// Memory bits f32, analog transistors i32, digital elements u32.
constexpr std::size_t kIcCount = offset_of(fields::kIcDigital, "elements");
static_assert(kIcCount == offset_of(fields::kIcMemory, "bits") && kIcCount == offset_of(fields::kIcAnalog, "transistors"));
constexpr std::size_t kQuality = offset_of(fields::kCapacitor, "quality");
static_assert(kQuality == offset_of(fields::kVariableResistor, "quality") &&
              kQuality == offset_of(fields::kInductive, "transformer_quality"));
constexpr std::size_t kCoilQuality = offset_of(fields::kInductive, "coil_quality");

// ---- Integrated circuits ----

constexpr Rejection kBitsRange{" Number of bits must be between ", "%s 16 to 67108864\n"};
// "tansistors" is the host's spelling.
constexpr Rejection kAnalogTransistorRange{" Number of tansistors must be between ", "%s 50 to 5000\n"};
constexpr Rejection kPackageNotSupported{" Package not supported ", "%s"};  // no line end
constexpr Rejection kGateRange{" Number of gates must be between ", "%s 50 to 5000K\n"};
constexpr Rejection kDigitalTransistorRange{" Number of transistors must be between ",
                                            "%s 50 to 220000K\n"};

struct PinRange {
    std::uint16_t min, max;
    Rejection rejection;
};

constexpr const char* kPinsBetween = " Number of pins for this package must be between ";
constexpr std::array<PinRange, 5> kPinRanges{{
    {4, 100, {kPinsBetween, "%s 4 to 100\n"}},  // Dual In-Line
    {3, 280, {kPinsBetween, "%s 3 to 280\n"}},  // FLAT
    {4, 320, {kPinsBetween, "%s 4 to 320\n"}},  // SMT (chip carrier)
    {4, 500, {kPinsBetween, "%s 4 to 500\n"}},  // Splice Array, PGA, BGA
    {0, 24, {" Number of pins for this package may not exceed ", "%s 24\n"}},  // Metallic Shell
}};

// Package code -> index into kPinRanges; -1 where no pin rule applies (no package
// chosen, or a code beyond the list). Codes 1..7 are packaged, 8..13 unpackaged.
constexpr std::array<std::int8_t, 14> kPinRangeOfPackage{-1, 0, 1, 3, 3, 3, 2, 4, 0, 1, 3, 3, 3, 2};

const Rejection* check_pins(const std::uint8_t* block) noexcept {
    const unsigned package = block[kIcPackage];
    if (package >= kPinRangeOfPackage.size() || kPinRangeOfPackage[package] < 0) return nullptr;
    const PinRange& range = kPinRanges[static_cast<std::size_t>(kPinRangeOfPackage[package])];
    const unsigned pins = load_u16(block, kIcPins);
    return pins < range.min || pins > range.max ? &range.rejection : nullptr;
}

const Rejection* check_ic_memory(const std::uint8_t* block) noexcept {
    const float bits = load_f32(block, kIcCount);
    // A NaN is neither below nor above the range: it goes on to the pin rule,
    // and the model refuses it when the part is calculated.
    if (bits < 16.0f || bits > 67108864.0f) return &kBitsRange;
    return check_pins(block);
}

const Rejection* check_ic_analog(const std::uint8_t* block) noexcept {
    constexpr unsigned kAnalog = 1, kGaAsMmic = 2;
    const unsigned type = block[kStyle];
    if (type == kAnalog) {
        const std::int32_t transistors = load_i32(block, kIcCount);
        if (transistors < 50 || transistors > 5000) return &kAnalogTransistorRange;
    } else if (type == kGaAsMmic) {
        // A GaAs MMIC comes unpackaged or in a metal shell only.
        const unsigned package = block[kIcPackage];
        if (package >= 3 && package <= 6) return &kPackageNotSupported;
    }
    return check_pins(block);
}

const Rejection* check_ic_digital(const std::uint8_t* block) noexcept {
    // Types 1..5 (logic and programmable arrays) are counted in gates, the
    // processors and controllers (and a type not chosen) in transistors.
    const unsigned type = block[kStyle];
    const bool counts_gates = type >= 1 && type <= 5;
    const std::uint32_t elements = load_u32(block, kIcCount);
    const std::uint32_t max = counts_gates ? 5000000u : 220000000u;
    if (elements < 50 || elements > max) return counts_gates ? &kGateRange : &kDigitalTransistorRange;
    return check_pins(block);
}

// ---- Quality levels by style ----

// Two blanks after "level" in the host's text.
constexpr Rejection kVariableResistorNotA2{" Quality level  can't be <A2>", "%s\n"};

const Rejection* check_variable_resistor(const std::uint8_t* block) noexcept {
    constexpr unsigned kPrecisionWirewound = 2, kPowerWirewound = 4, kA2 = 2;
    const unsigned style = block[kStyle];
    const bool wirewound = style == kPrecisionWirewound || style == kPowerWirewound;
    return wirewound && block[kQuality] == kA2 ? &kVariableResistorNotA2 : nullptr;
}

struct QualityBan {
    std::uint8_t first_code, second_code;
    Rejection rejection;
};

constexpr QualityBan kNoA1lA1w{3, 4, {" Quality level can't be <A1L> or <A1W>", "%s \n"}};
constexpr QualityBan kNoA1pA1m{1, 2, {" Quality level can't be <A1P> or <A1M>", "%s \n"}};

// Capacitor style -> the quality codes that it cannot have. Glass glaze,
// ceramic class 3 and the variable styles may have any.
constexpr std::array<const QualityBan*, 14> kCapacitorBan{
    nullptr,    &kNoA1lA1w, &kNoA1lA1w, &kNoA1lA1w, nullptr,    &kNoA1lA1w, &kNoA1lA1w,
    &kNoA1lA1w, nullptr,    &kNoA1lA1w, &kNoA1lA1w, &kNoA1pA1m, nullptr,    nullptr,
};

const Rejection* check_capacitor(const std::uint8_t* block) noexcept {
    const unsigned style = block[kStyle];
    const QualityBan* ban = style < kCapacitorBan.size() ? kCapacitorBan[style] : nullptr;
    if (ban == nullptr) return nullptr;
    const unsigned quality = block[kQuality];
    return quality == ban->first_code || quality == ban->second_code ? &ban->rejection : nullptr;
}

constexpr Rejection kTransformerQuality{" Quality level must be", "%s <A2>,<B1>,<B2> or <C>\n"};
constexpr Rejection kCoilQualityRange{" Quality level must be", "%s <A1>,<A2>,<B1>,<B2> or <C>\n"};
constexpr Rejection kCoilNotA1{" Quality level can't be <A1>", "%s \n"};

const Rejection* check_inductive(const std::uint8_t* block) noexcept {
    // Family types 1..8 are transformers and chokes, with their own quality list
    // (A2, B1, B2, C, User); every other type reads the coils' list (A1, A2, B1,
    // B2, C, User), of which the coils 9..14 may not be A1 (sheet coils may).
    const unsigned family = block[kStyle];
    if (family >= 1 && family <= 8) {
        const unsigned quality = block[kQuality];
        return quality < 1 || quality > 5 ? &kTransformerQuality : nullptr;
    }
    const unsigned quality = block[kCoilQuality];
    if (quality < 1 || quality > 6) return &kCoilQualityRange;
    constexpr unsigned kA1 = 1;
    return family >= 9 && family <= 14 && quality == kA1 ? &kCoilNotA1 : nullptr;
}

// ---- Dispatch ----

using Rule = const Rejection* (*)(const std::uint8_t* block) noexcept;

struct CategoryRule {
    std::uint8_t item_code;
    Rule rule;
};

constexpr std::array<CategoryRule, 6> kRules{{
    {1, check_ic_memory},
    {2, check_ic_analog},
    {3, check_ic_digital},
    {6, check_variable_resistor},
    {7, check_capacitor},
    {18, check_inductive},
}};

std::uint32_t check(char* messages, const std::uint8_t* record) noexcept {
    char* cursor = messages;
    if (record[GJBZ108A_ITEM_CLASS] != 1) {
        append_line(&cursor, " Non electronic item was sent to method %d\n", record[GJBZ108A_METHOD_NUMBER]);
        return GJBZ108A_CHECK_REJECTED;
    }
    const unsigned item_code = record[GJBZ108A_ITEM_CODE];
    if (find_category(item_code) == nullptr) {
        append_line(&cursor, " Illegal item code %d\n", static_cast<int>(item_code));
        return GJBZ108A_CHECK_REJECTED;
    }
    for (const CategoryRule& category : kRules) {
        if (category.item_code != item_code) continue;
        const Rejection* rejection = category.rule(record + GJBZ108A_ITEM_BLOCK);
        if (rejection == nullptr) break;
        append_line(&cursor, rejection->format, rejection->text);
        return GJBZ108A_CHECK_REJECTED;
    }
    return GJBZ108A_CHECK_ACCEPTED;
}

}  // namespace
}  // namespace gjbz108a

extern "C" uint32_t chek_item(char* messages, const uint8_t* record) {
    return gjbz108a::check(messages, record);
}
