// Electron tubes: base rate by type, environment and quality factors.
#include "models/model_run.h"
#include "models/models.h"

#include <array>

namespace gjbz108a {
namespace {

constexpr std::size_t kType = item_offset(fields::kTube, "type");
constexpr std::size_t kQuality = item_offset(fields::kTube, "quality");
constexpr std::size_t kUserQuality = item_offset(fields::kTube, "user_pi_q");

constexpr unsigned kBaseRateSlot = 1;
constexpr unsigned kEnvironmentSlot = 2;
constexpr unsigned kQualitySlot = 3;

// Base rate by type, in thousandths.
constexpr std::array<std::int32_t, 34> kTubeRate{
    86,    // Transmitting Ultrashort Wave
    130,   // Transmitting Pulse Wave
    150,   // Transmitting Decimetric Wave
    170,   // Transmitting Centimetric Wave
    99,    // Modulator Continuous Wave
    120,   // Modulator Pulse Wave
    10,    // Discharging Resonance
    7,     // Discharging Non Resonance
    68,    // Voltage Regulator Tube
    68,    // Current Regulator Tube
    220,   // Rectifier Tube
    630,   // Thyratron
    20,    // Reception Amplifier Tube
    750,   // Electron Beam - Indicator Light
    160,   // Electron Beam-Monochrome Picture
    70,    // Electron Beam - Oscillograph
    210,   // Electron Beam - Color Picture
    990,   // Electron Beam - Camera Tube
    2030,  // Backwardwave Continuous
    2480,  // Backwardwave Pulse
    830,   // Counter Tube
    290,   // X Ray Tube
    50,    // Nixie Tube
    450,   // Photoelectric Tube
    1450,  // Photoelectric Diplosis Tube
    340,   // Trigger Tube
    1020,  // Continuous Wave Klystron
    1230,  // Pulse Klystron
    840,   // Low Power Klystron
    1650,  // Magnetron
    1020,  // Traveling Wave Tubes
    1380,  // Crossed field Amplifier Tube
    400,   // Gassing MW Switch - Power
    230,   // Gassing MW Switch - Non Power
};

// Environment factor, one stored integer per environment column, in tenths.
//   E1   E2   E3  E10   E4  E13   E5   E6   E7   E9   E8  E16  E21  E12  E17  E11  E22  E26  E23
constexpr EnvironmentTable kTubeEnvironment{
     10,  13,  20,  50,  60, 120,  90,  70,  25,  80, 170, 160, 220,  80, 120, 360,  10, 600, 250};

// Quality "A1", "A2", "B", "C" in tenths; "User" follows.
constexpr std::array<std::int32_t, 4> kTubeQuality{3, 7, 10, 25};

}  // namespace

int calc_tube(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(4, {kType, kQuality})) return *done;

    const float environment = run.environment_step(kEnvironmentSlot, kTubeEnvironment);
    float quality = 0;
    float base_rate = 0;
    if (!run.quality_step({kQuality, kUserQuality}, kTubeQuality, 10.0f, kQualitySlot, quality) ||
        !run.table_step(kType, "Type", kTubeRate, 1000.0f, kBaseRateSlot, base_rate)) {
        return run.refused();
    }

    return run.close(base_rate * environment * quality);
}

}  // namespace gjbz108a
