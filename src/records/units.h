// The units of the numbers a part carries, as data: the one home of what a
// number of a field or of the part's header means, and of the unit texts that
// a typed value may carry instead of the bare number.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace gjbz108a {

struct Unit {
    std::string_view symbol;  // as shown after a number: "mV", "°C"
    std::string_view name;    // in words: "millivolts"
    // The symbol that a decimal prefix scales ("V" for mV, kV, µV), and the
    // power of ten of the stored unit over it (mV is 10^-3 V). Empty for a
    // unit that takes no multiples.
    std::string_view base;
    int exponent;
    std::span<const std::string_view> spellings;  // other texts for the stored unit itself
};

// The decimal prefixes a value may put before a unit's base symbol.
struct UnitPrefix {
    std::string_view text;
    int exponent;
};
// Micro is the micro sign, the Greek mu or a "u".
inline constexpr std::array<UnitPrefix, 10> kUnitPrefixes{{
    {"p", -12}, {"n", -9}, {"µ", -6}, {"μ", -6}, {"u", -6}, {"m", -3}, {"", 0}, {"k", 3}, {"M", 6}, {"G", 9}}};

namespace units {

// The models compare contact voltages with 50 mV.
inline constexpr Unit kMillivolt{"mV", "millivolts", "V", -3, {}};
inline constexpr Unit kWatt{"W", "watts", "W", 0, {}};
inline constexpr Unit kAmpere{"A", "amperes", "A", 0, {}};
// A temperature is no quantity a prefix scales; "C" and the one-character
// sign are what people type for the degree.
inline constexpr std::array<std::string_view, 2> kCelsiusSpellings{"C", "℃"};
inline constexpr Unit kCelsius{"°C", "degrees Celsius", "", 0, kCelsiusSpellings};
inline constexpr Unit kCyclesPer1000Hours{"cycles/1000 h", "on/off cycles per 1000 hours", "", 0, {}};

}  // namespace units
}  // namespace gjbz108a
