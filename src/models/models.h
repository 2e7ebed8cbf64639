// The failure-rate model of every part category. Each takes an ItemRecord and
// the message cursor and returns a ModelResult (model_run.h).
#pragma once

#include <cstdint>

namespace gjbz108a {

// Integrated circuits and hybrids.
int calc_ic_memory(std::uint8_t* record, char** cursor) noexcept;   // 1
int calc_ic_analog(std::uint8_t* record, char** cursor) noexcept;   // 2
int calc_ic_digital(std::uint8_t* record, char** cursor) noexcept;  // 3
int calc_hybrid(std::uint8_t* record, char** cursor) noexcept;      // 33

// Discrete semiconductors.
int calc_lf_diode(std::uint8_t* record, char** cursor) noexcept;        // 11
int calc_lf_transistor(std::uint8_t* record, char** cursor) noexcept;   // 12
int calc_hf_diode(std::uint8_t* record, char** cursor) noexcept;        // 13
int calc_hf_transistor(std::uint8_t* record, char** cursor) noexcept;   // 14
int calc_optoelectronic(std::uint8_t* record, char** cursor) noexcept;  // 15

// Resistors and capacitors.
int calc_resistor(std::uint8_t* record, char** cursor) noexcept;      // 5
int calc_var_resistor(std::uint8_t* record, char** cursor) noexcept;  // 6
int calc_capacitor(std::uint8_t* record, char** cursor) noexcept;     // 7

// Switches, relays and connectors.
int calc_switch(std::uint8_t* record, char** cursor) noexcept;     // 8
int calc_relay(std::uint8_t* record, char** cursor) noexcept;      // 9
int calc_connector(std::uint8_t* record, char** cursor) noexcept;  // 10

// Connections and printed boards.
int calc_connection(std::uint8_t* record, char** cursor) noexcept;  // 19
int calc_pwb(std::uint8_t* record, char** cursor) noexcept;         // 20

// Inductive devices, lasers, rotating devices, crystals and tubes.
int calc_gas_laser(std::uint8_t* record, char** cursor) noexcept;   // 16
int calc_inductive(std::uint8_t* record, char** cursor) noexcept;   // 18
int calc_rotating(std::uint8_t* record, char** cursor) noexcept;    // 21
int calc_quartz(std::uint8_t* record, char** cursor) noexcept;      // 22
int calc_tube(std::uint8_t* record, char** cursor) noexcept;        // 30

// Meters, fuses, SAW devices, lamps, filters and the miscellaneous group.
int calc_meter(std::uint8_t* record, char** cursor) noexcept;   // 24
int calc_fuse(std::uint8_t* record, char** cursor) noexcept;    // 25
int calc_saw(std::uint8_t* record, char** cursor) noexcept;     // 27
int calc_lamp(std::uint8_t* record, char** cursor) noexcept;    // 28
int calc_misc(std::uint8_t* record, char** cursor) noexcept;    // 29
int calc_filter(std::uint8_t* record, char** cursor) noexcept;  // 31

}  // namespace gjbz108a
