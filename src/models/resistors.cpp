// Fixed and variable resistors (ItemCodes 5 and 6):
//
//     failure rate = PI q x Lb x PI e x PI cyc
//
// Each style has its own environment and quality tables. A resistor network
// is further multiplied by its number of film resistors and by PI t.
#include "models/model_run.h"
#include "models/models.h"

#include <array>

namespace gjbz108a {
namespace {

// Record offsets shared by both categories.
constexpr std::size_t kStyle = item_offset(fields::kResistor, "style");
constexpr std::size_t kUserQuality = item_offset(fields::kResistor, "user_pi_q");  // f32
static_assert(kStyle == item_offset(fields::kVariableResistor, "style") &&
              kUserQuality == item_offset(fields::kVariableResistor, "user_pi_q"));

// Cycling curve of both categories (RCYC and VCYC hold the same points): flat
// up to 0.8 cycles.
constexpr std::array<CurvePoint, 10> kCycling{{
    {0, 1.0f}, {0.8f, 1.0f}, {1, 1.06f}, {2, 1.13f}, {3, 1.19f}, {4, 1.25f},
    {5, 1.32f}, {10, 1.63f}, {20, 2.26f}, {50, 4.15f},
}};

// Quality levels A1m, A2, B1, B2, C in tenths; "User" follows them.
using QualityTable = std::array<std::int32_t, 5>;
constexpr float kQualityDivisor = 10.0f;

struct Style {
    std::int32_t base_rate;  // units of 1e-5 (fixed) or thousandths (variable)
    const EnvironmentTable* environment;
    const QualityTable* quality;
};

// Result slots of both categories; the fixed resistors then have PI t and
// PI cyc, the variable ones PI cyc alone.
enum Slot : unsigned { kBaseRate = 1, kPiE, kPiQ };

// ---- Fixed resistors ----

constexpr std::size_t kFilmResistors = item_offset(fields::kResistor, "resistors");  // u8, used by "Network"
constexpr std::size_t kQuality = item_offset(fields::kResistor, "quality");
constexpr unsigned kNetwork = 11;

constexpr unsigned kPiT = 4;
constexpr unsigned kPiCyc = 5;

// Environment factors in tenths by environment column. R-2 also serves the
// carbon films (R-3 holds the same values); R-9, of the networks, differs from
// it in E22 only.
//   E1   E2   E3  E10   E4  E13   E5   E6   E7   E9   E8  E16  E21  E12  E17  E11  E22  E26  E23
constexpr EnvironmentTable kR1{
     10,  11,  21,  40,  50,  65,  58,  40,  30,  50, 100,  50, 105,  38,  67, 119,  10, 250, 150};
constexpr EnvironmentTable kR2{
     10,  11,  18,  35,  40,  60,  56,  38,  25,  45, 100,  50, 110,  25,  61, 125,   5, 260, 150};
constexpr EnvironmentTable kR4{
     10,  11,  18,  35,  40,  65,  60,  40,  25,  45, 100,  50, 120,  40,  94, 140,  10, 300, 150};
constexpr EnvironmentTable kR5{
     10,  11,  21,  40,  45,  80,  75,  45,  30,  50, 120,  60, 130,  56, 105, 147,  10, 340, 150};
constexpr EnvironmentTable kR6{
     10,  11,  15,  35,  40,  55,  60,  42,  25,  45, 100,  50, 120,  27,  60, 136,  10, 300, 150};
constexpr EnvironmentTable kR7{
     10,  13,  25,  50,  55,  70,  65,  50,  32,  55,  85,  70, 115,  32,  46, 170,  10, 310, 150};
constexpr EnvironmentTable kR8{
     10,  11,  20,  39,  52,  67,  61,  45,  28,  50, 100,  66, 115,  34,  64, 130,   5, 290, 150};
constexpr EnvironmentTable kR9{
     10,  11,  18,  35,  40,  60,  56,  38,  25,  45, 100,  50, 110,  25,  61, 125,  10, 260, 150};

constexpr QualityTable kRq1{2, 5, 8, 10, 25};
constexpr QualityTable kRq2{2, 5, 8, 10, 300};
constexpr QualityTable kRq3{2, 5, 8, 10, 30};
constexpr QualityTable kRq4{2, 1, 8, 10, 30};

constexpr std::array<Style, 12> kFixedStyles{{
    {33, &kR1, &kRq1},   // Composition
    {21, &kR2, &kRq1},   // Metal Film
    {68, &kR2, &kRq2},   // Carbon Film
    {810, &kR4, &kRq1},  // Non-wirewound, Power
    {340, &kR5, &kRq1},  // Wirewound, General
    {340, &kR5, &kRq1},  // Wirewound, Precision
    {600, &kR6, &kRq3},  // Wirewound, Power
    {300, &kR7, &kRq3},  // Thermo Sensitive
    {920, &kR7, &kRq4},  // Pressure Sensitive
    {450, &kR7, &kRq3},  // Photo Sensitive
    {50, &kR8, &kRq1},   // Chip Film
    {90, &kR9, &kRq3},   // Network
}};

// Temperature curve RNT of the networks; flat up to 25 degrees.
constexpr std::array<CurvePoint, 17> kNetworkTemperature{{
    {0, 1.0f}, {25, 1.0f}, {30, 1.25f}, {35, 1.56f}, {40, 1.92f}, {45, 2.4f},
    {50, 2.9f}, {55, 3.5f}, {60, 4.2f}, {65, 5.0f}, {70, 5.9f}, {75, 7.1f},
    {80, 8.3f}, {85, 9.8f}, {90, 11.4f}, {95, 13.3f}, {100, 15.4f},
}};

}  // namespace

int calc_resistor(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(6, {kStyle, kQuality})) return *done;

    unsigned index = 0;
    if (!run.choose(kStyle, kFixedStyles.size(), "Style", index)) return run.refused();
    const Style& style = kFixedStyles[index];

    const float pi_e = run.environment_step(kPiE, *style.environment);
    float pi_q = 0;
    if (!run.quality_step({kQuality, kUserQuality}, *style.quality, kQualityDivisor, kPiQ, pi_q)) {
        return run.refused();
    }
    const float base_rate = run.store(kBaseRate, scaled(style.base_rate, 100000.0f));
    float pi_cyc = 0;
    if (!run.cycling_step(kPiCyc, kCycling, pi_cyc)) return run.refused();
    float rate = run.store(0, pi_q * base_rate * pi_e * pi_cyc);

    if (index == kNetwork) {
        // Slot 0 already holds the rate of one film resistor when the curve
        // refuses the temperature.
        float pi_t = 0;
        if (!run.curve_step(kPiT, kNetworkTemperature, run.temperature(), " Temperature", pi_t)) {
            return run.refused();
        }
        const float film_resistors = record[kFilmResistors];
        rate = film_resistors * pi_t * rate;
    }
    return run.close(rate);
}

namespace {

// ---- Variable resistors ----

constexpr std::size_t kVariableQuality = item_offset(fields::kVariableResistor, "quality");
constexpr unsigned kUserLevel = 5;

constexpr unsigned kVariablePiCyc = 4;

// Environment factors in tenths by environment column, one table per style;
// 0 marks an environment the style is not made for.
//   E1   E2   E3  E10   E4  E13   E5   E6   E7   E9   E8  E16  E21  E12  E17  E11  E22  E26  E23
constexpr EnvironmentTable kV1{
     10,  12,  20,  40,  53, 106,  80,  42,  30,  47,  94,  93, 133,  44,  80, 164,  10,   0,   0};
constexpr EnvironmentTable kV2{
     10,  12,  20,  40,  50,  73,  60,  48,  30,  50, 112,  93, 133,  59,  96, 260,   0,   0,   0};
constexpr EnvironmentTable kV3{
     10,  12,  18,  35,  40,  65,  55,  35,  25,  38,  76,  67, 133,  43,  78, 164,   0,   0,   0};
constexpr EnvironmentTable kV4{
     10,  13,  20,  40,  53, 106,  80,  42,  30,  47,   0,  93,   0,  62,   0, 189,   0,   0,   0};
constexpr EnvironmentTable kV5{
     10,  11,  15,  35,  56, 113,  85,  45,  25,  53, 106, 110, 147,  75,  90, 130,   0,   0,   0};
constexpr EnvironmentTable kV6{
     10,  11,  15,  35,  56, 113,  85,  55,  30,  67, 134, 124, 165,  85, 102, 200,   0,   0,   0};
constexpr EnvironmentTable kV7{
     10,  12,  20,  40,  45,  73,  60,  35,  20,  38,  76,  67, 167,  34, 110, 190,   0,   0,   0};

// 0 marks a level the style does not have.
constexpr QualityTable kVq1{2, 5, 7, 10, 30};
constexpr QualityTable kVq2{2, 0, 7, 10, 30};
constexpr QualityTable kVq3{2, 3, 5, 10, 40};

constexpr std::array<Style, 7> kVariableStyles{{
    {31, &kV1, &kVq1},  // General Wirewound
    {40, &kV2, &kVq2},  // Precision Wirewound
    {27, &kV3, &kVq1},  // Fine Tuning Wirewound
    {45, &kV4, &kVq2},  // Power Wirewound
    {10, &kV5, &kVq1},  // Organic Solid
    {19, &kV6, &kVq3},  // Composition Carbon Film
    {9, &kV7, &kVq1},   // Glass Glaze
}};

}  // namespace

int calc_var_resistor(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(5, {kStyle, kVariableQuality})) return *done;

    // The style picks the environment table, so it is checked first; a style
    // outside the list never reaches the quality level.
    unsigned index = 0;
    if (!run.choose(kStyle, kVariableStyles.size(), "Style", index)) return run.refused();
    const Style& style = kVariableStyles[index];

    const float pi_e = run.environment_step(kPiE, *style.environment);
    if (pi_e == 0.0f) return run.refuse(" Environment is not applicable for this style\n");
    float pi_q = 0;
    if (!run.quality_step({kVariableQuality, kUserQuality}, *style.quality, kQualityDivisor,
                          kPiQ, pi_q)) {
        return run.refused();
    }
    // The user's own factor is taken as it is, 0 included.
    if (pi_q == 0.0f && record[kVariableQuality] != kUserLevel) {
        return run.refuse(" Quality Level is not applicable for this style\n");
    }
    const float base_rate = run.store(kBaseRate, scaled(style.base_rate, 1000.0f));
    float pi_cyc = 0;
    if (!run.cycling_step(kVariablePiCyc, kCycling, pi_cyc)) return run.refused();
    return run.close(pi_q * base_rate * pi_e * pi_cyc);
}

}  // namespace gjbz108a
