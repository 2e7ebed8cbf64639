// Low- and high-frequency diodes (ItemCodes 11 and 13):
//
//     failure rate = PI e x Lb x PI q x PI t x PI cyc
#include "models/models.h"
#include "models/semiconductors.h"

#include <span>

namespace gjbz108a {
namespace {

using namespace semiconductor;

// User quality factor of both diode categories.
constexpr QualityField kDiodeQuality{kQuality, item_offset(fields::kLfDiode, "user_pi_q")};
static_assert(kDiodeQuality.user_factor == item_offset(fields::kHfDiode, "user_pi_q"));

// Environment factors in tenths by environment column; both diode categories
// have these values.
//   E1   E2   E3  E10   E4  E13   E5   E6   E7   E9   E8  E16  E21  E12  E17  E11  E22  E26  E23
constexpr EnvironmentTable kEnvironment{
     10,  12,  17,  50,  55, 110,  75,  45,  30,  60, 140, 130, 200,  70, 110, 150,  12, 280, 150};

// Cycling curve of both diode categories (CYC-D): flat up to 0.6 cycles.
constexpr std::array<CurvePoint, 10> kCycling{{
    {0, 1.0f}, {0.6f, 1.0f}, {1, 1.08f}, {2, 1.17f}, {3, 1.25f}, {4, 1.33f},
    {5, 1.42f}, {10, 1.83f}, {20, 2.66f}, {50, 5.15f},
}};

// ---- Low-frequency diodes ----

// Temperature curves LD-A (silicon), LD-B (germanium, ends at 90 degrees) and
// LD-C (regulators and references).
constexpr std::array<CurvePoint, 17> kLdA{{
    {0, 0.26f}, {10, 0.46f}, {20, 0.78f}, {25, 1.0f}, {30, 1.28f}, {40, 2.03f},
    {50, 3.14f}, {55, 3.87f}, {60, 4.74f}, {65, 5.78f}, {70, 7.0f}, {75, 8.43f},
    {80, 10.1f}, {85, 12.1f}, {90, 14.4f}, {95, 17.1f}, {100, 20.2f},
}};
constexpr std::array<CurvePoint, 15> kLdB{{
    {0, 0.17f}, {10, 0.36f}, {20, 0.72f}, {25, 1.0f}, {30, 1.39f}, {40, 2.6f},
    {50, 4.73f}, {55, 6.32f}, {60, 8.45f}, {65, 11.3f}, {70, 15.2f}, {75, 20.5f},
    {80, 28.1f}, {85, 39.5f}, {90, 57.1f},
}};
constexpr std::array<CurvePoint, 17> kLdC{{
    {0, 0.39f}, {10, 0.58f}, {20, 0.84f}, {25, 1.0f}, {30, 1.19f}, {40, 1.65f},
    {50, 2.24f}, {55, 2.59f}, {60, 2.99f}, {65, 3.44f}, {70, 3.94f}, {75, 4.5f},
    {80, 5.13f}, {85, 5.84f}, {90, 6.63f}, {95, 7.52f}, {100, 8.52f},
}};

struct DiodeStyle {
    float base_rate;
    Curve temperature;
    bool germanium;  // refused above 90 degrees
};

constexpr std::array<DiodeStyle, 5> kLfStyles{{
    {stored_rate(109), kLdA, false},  // Si Diodes
    {stored_rate(190), kLdB, true},   // Ge Diodes
    {stored_rate(325), kLdC, false},  // Voltage regulator
    {stored_rate(325), kLdC, false},  // Voltage reference
    {stored_rate(325), kLdC, false},  // Current regulator
}};

// ---- High-frequency diodes ----

// Temperature curves HD-A (microwave detectors and mixers) and HD-B (the rest).
constexpr std::array<CurvePoint, 17> kHdA{{
    {0, 0.43f}, {10, 0.62f}, {20, 0.86f}, {25, 1.0f}, {30, 1.17f}, {40, 1.56f},
    {50, 2.06f}, {55, 2.35f}, {60, 2.68f}, {65, 3.04f}, {70, 3.44f}, {75, 3.89f},
    {80, 4.4f}, {85, 4.97f}, {90, 5.61f}, {95, 6.34f}, {100, 7.18f},
}};
constexpr std::array<CurvePoint, 17> kHdB{{
    {0, 0.35f}, {10, 0.54f}, {20, 0.82f}, {25, 1.0f}, {30, 1.21f}, {40, 1.75f},
    {50, 2.46f}, {55, 2.9f}, {60, 3.4f}, {65, 3.97f}, {70, 4.63f}, {75, 5.37f},
    {80, 6.22f}, {85, 7.17f}, {90, 8.26f}, {95, 9.5f}, {100, 10.9f},
}};

// The base rates of the high-frequency diodes are plain constants, one for the
// microwave detectors and mixers and one for the rest. No high-frequency diode
// is refused as overheated, germanium or not.
constexpr float kMicrowaveRate = 0.02f;
constexpr float kOtherRate = 0.0084f;

constexpr std::array<DiodeStyle, 10> kHfStyles{{
    {kMicrowaveRate, kHdA, false},  // Microwave Si Detector
    {kMicrowaveRate, kHdA, false},  // Microwave Ge Detector
    {kMicrowaveRate, kHdA, false},  // Microwave Si Mixer
    {kMicrowaveRate, kHdA, false},  // Microwave Ge Mixer
    {kOtherRate, kHdB, false},      // Varactor
    {kOtherRate, kHdB, false},      // Step Recovery
    {kOtherRate, kHdB, false},      // Tunnel
    {kOtherRate, kHdB, false},      // PIN
    {kOtherRate, kHdB, false},      // GUNN/BULK Effect
    {kOtherRate, kHdB, false},      // Collapse
}};

int diode_model(std::uint8_t* record, char** cursor, std::span<const DiodeStyle> styles) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(6, {kStyle, kQuality})) return *done;

    const float pi_e = run.environment_step(kPiE, kEnvironment);
    float pi_q = 0;
    if (!run.quality_step(kDiodeQuality, kDiodeTransistorQuality, kQualityDivisor, kPiQ, pi_q)) {
        return run.refused();
    }
    unsigned index = 0;
    if (!run.choose(kStyle, static_cast<unsigned>(styles.size()), "Style", index)) return run.refused();
    const DiodeStyle& style = styles[index];
    const float base_rate = run.store(kBaseRate, style.base_rate);

    if (style.germanium && overheated(run.temperature())) return refuse_overheated(run);
    float pi_t = 0, pi_cyc = 0;
    if (!run.curve_step(kPiT, style.temperature, run.temperature(), "Temperature", pi_t) ||
        !run.cycling_step(kPiCyc, kCycling, pi_cyc)) {
        return run.refused();
    }
    return run.close(pi_e * base_rate * pi_q * pi_t * pi_cyc);
}

}  // namespace

int calc_lf_diode(std::uint8_t* record, char** cursor) noexcept {
    return diode_model(record, cursor, kLfStyles);
}

int calc_hf_diode(std::uint8_t* record, char** cursor) noexcept {
    return diode_model(record, cursor, kHfStyles);
}

}  // namespace gjbz108a
