// Capacitors (ItemCode 7):
//
//     failure rate = Lb x PI e x PI q x PI cyc, then x PI t, then x PI ch
//
// Each style has its own environment, quality and temperature tables; the two
// variable styles have no temperature factor, and only some styles a chip
// factor.
#include "models/model_run.h"
#include "models/models.h"

#include <array>

namespace gjbz108a {
namespace {

constexpr std::size_t kStyle = item_offset(fields::kCapacitor, "style");
constexpr std::size_t kQuality = item_offset(fields::kCapacitor, "quality");
constexpr std::size_t kSurface = item_offset(fields::kCapacitor, "surface");
constexpr std::size_t kSealing = item_offset(fields::kCapacitor, "sealed");
constexpr std::size_t kUserQuality = item_offset(fields::kCapacitor, "user_pi_q");

constexpr unsigned kUserLevel = 9;
constexpr unsigned kChip = 0;
constexpr unsigned kVariableAir = 12;

enum Slot : unsigned { kBaseRate = 1, kPiE, kPiQ, kPiT, kPiCyc, kPiCh };

// Environment factors by environment column, in tenths except C-6, which is in
// hundredths. C-10, of the variable styles, has 0 in E22, E26 and E23.
//   E1   E2   E3  E10   E4  E13   E5   E6   E7   E9   E8  E16  E21  E12  E17  E11  E22  E26  E23
constexpr EnvironmentTable kC1{
     10,  11,  24,  46,  48,  96,  70,  45,  28,  57, 115,  80, 210,  60, 100, 140,  10, 310, 150};
constexpr EnvironmentTable kC2{
     10,  11,  18,  27,  35,  53,  49,  28,  19,  37,  65,  47, 132,  32,  60, 100,  10, 170,  80};
constexpr EnvironmentTable kC3{
     10,  12,  18,  25,  32,  46,  42,  28,  19,  37,  57,  41,  80,  32,  50,  70,  10, 110,  50};
constexpr EnvironmentTable kC4{
     10,  12,  24,  41,  46,  76,  60,  40,  23,  47, 102,  61, 120,  34,  73, 100,  10, 170,  80};
constexpr EnvironmentTable kC5{
     10,  11,  28,  46,  51,  81,  70,  49,  29,  57,  91,  77, 140,  60,  92, 120,  10, 170,  80};
constexpr EnvironmentTable kC6{
    100, 110, 260, 430, 480, 785, 700, 440, 260, 500, 960, 720,1300, 400, 800,1100, 100,1700, 800};
constexpr EnvironmentTable kC7{
     10,  12,  24,  35,  36,  65,  50,  38,  23,  45,  85,  83, 150,  52,  75, 120,  10, 190,  90};
constexpr EnvironmentTable kC8{
     10,  12,  27,  36,  38,  71,  60,  37,  25,  49, 103,  90, 160,  56, 100, 130,  10, 210, 100};
constexpr EnvironmentTable kC9{
     10,  12,  24,  40,  42, 104,  70,  51,  30,  61, 127, 100, 210,  80, 140, 170,  10, 210, 100};
constexpr EnvironmentTable kC10{
     10,  16,  38,  66,  50, 105,  55,  60,  35,  72, 150, 100, 210,  90, 150, 200,   0,   0,   0};

// Quality levels A1p, A1m, A1l, A1w, A2, B1, B2, C1, C2 in hundredths; "User"
// follows them. 0 marks a level the style does not have.
using QualityTable = std::array<std::int32_t, 9>;
constexpr QualityTable kCq1{20, 30, 0, 0, 45, 75, 100, 200, 340};
constexpr QualityTable kCq2{45, 45, 45, 45, 45, 75, 100, 300, 300};
constexpr QualityTable kCq3{20, 30, 0, 0, 45, 75, 100, 340, 340};
constexpr QualityTable kCq4{20, 30, 0, 0, 45, 75, 100, 300, 300};
constexpr QualityTable kCq5{50, 50, 50, 50, 50, 75, 100, 300, 300};
constexpr QualityTable kCq6{15, 25, 0, 0, 45, 75, 100, 300, 300};
constexpr QualityTable kCq7{0, 0, 20, 30, 45, 75, 100, 340, 340};
constexpr QualityTable kCq8{30, 30, 30, 30, 45, 75, 100, 300, 300};

// Temperature curves CT-1 .. CT-7, flat below 10 degrees, ending at 85.
constexpr std::array<CurvePoint, 17> kCt1{{
    {0, 0.95f}, {10, 0.95f}, {15, 0.96f}, {20, 0.98f}, {25, 1.0f}, {30, 1.03f},
    {35, 1.08f}, {40, 1.14f}, {45, 1.23f}, {50, 1.35f}, {55, 1.53f}, {60, 1.8f},
    {65, 2.22f}, {70, 2.9f}, {75, 4.09f}, {80, 6.35f}, {85, 13.11f},
}};
constexpr std::array<CurvePoint, 17> kCt2{{
    {0, 0.51f}, {10, 0.51f}, {15, 0.64f}, {20, 0.8f}, {25, 1.0f}, {30, 1.25f},
    {35, 1.56f}, {40, 1.96f}, {45, 2.44f}, {50, 3.06f}, {55, 3.82f}, {60, 4.78f},
    {65, 5.98f}, {70, 7.47f}, {75, 9.34f}, {80, 11.68f}, {85, 14.61f},
}};
constexpr std::array<CurvePoint, 17> kCt3{{
    {0, 0.56f}, {10, 0.56f}, {15, 0.68f}, {20, 0.82f}, {25, 1.0f}, {30, 1.22f},
    {35, 1.48f}, {40, 1.8f}, {45, 2.19f}, {50, 2.66f}, {55, 3.23f}, {60, 3.93f},
    {65, 4.78f}, {70, 5.81f}, {75, 7.07f}, {80, 8.59f}, {85, 10.45f},
}};
constexpr std::array<CurvePoint, 17> kCt4{{
    {0, 0.9f}, {10, 0.9f}, {15, 0.93f}, {20, 0.96f}, {25, 1.0f}, {30, 1.04f},
    {35, 1.08f}, {40, 1.12f}, {45, 1.16f}, {50, 1.2f}, {55, 1.25f}, {60, 1.29f},
    {65, 1.34f}, {70, 1.39f}, {75, 1.45f}, {80, 1.5f}, {85, 1.56f},
}};
constexpr std::array<CurvePoint, 17> kCt5{{
    {0, 0.73f}, {10, 0.73f}, {15, 0.81f}, {20, 0.89f}, {25, 1.0f}, {30, 1.13f},
    {35, 1.28f}, {40, 1.46f}, {45, 1.67f}, {50, 1.93f}, {55, 2.24f}, {60, 2.61f},
    {65, 3.06f}, {70, 3.6f}, {75, 4.26f}, {80, 5.05f}, {85, 6.01f},
}};
constexpr std::array<CurvePoint, 17> kCt6{{
    {0, 0.78f}, {10, 0.78f}, {15, 0.84f}, {20, 0.91f}, {25, 1.0f}, {30, 1.09f},
    {35, 1.21f}, {40, 1.35f}, {45, 1.52f}, {50, 1.73f}, {55, 1.97f}, {60, 2.28f},
    {65, 2.65f}, {70, 3.13f}, {75, 3.72f}, {80, 4.47f}, {85, 5.44f},
}};
constexpr std::array<CurvePoint, 17> kCt7{{
    {0, 0.69f}, {10, 0.69f}, {15, 0.78f}, {20, 0.88f}, {25, 1.0f}, {30, 1.15f},
    {35, 1.35f}, {40, 1.59f}, {45, 1.91f}, {50, 2.32f}, {55, 2.87f}, {60, 3.61f},
    {65, 4.61f}, {70, 6.0f}, {75, 7.96f}, {80, 10.79f}, {85, 14.94f},
}};

// Cycling curve CCYC: flat up to 0.3 cycles.
constexpr std::array<CurvePoint, 10> kCycling{{
    {0, 1.0f}, {0.3f, 1.0f}, {1, 1.06f}, {2, 1.12f}, {3, 1.18f}, {4, 1.24f},
    {5, 1.3f}, {10, 1.6f}, {20, 2.2f}, {50, 4.0f},
}};

// Base rate of a "Variable air" capacitor by its sealing "With", "Without", in
// thousandths.
constexpr std::array<std::int32_t, 2> kVariableAirRate{102, 212};

struct Style {
    std::int32_t base_rate;  // units of 1e-5; the sealing table's for "Variable air"
    const EnvironmentTable* environment;
    float environment_divisor;
    const QualityTable* quality;
    Curve temperature;  // empty: no temperature factor
    std::int32_t chip;  // tenths; 0: no chip factor
};

constexpr std::array<Style, 13> kStyles{{
    {62, &kC1, 10.0f, &kCq1, kCt1, 15},    // Paper
    {45, &kC1, 10.0f, &kCq1, kCt1, 15},    // Plastic
    {62, &kC1, 10.0f, &kCq1, kCt1, 15},    // Paper-Plastic Mixed
    {36, &kC2, 10.0f, &kCq2, kCt2, 0},     // Glass Glaze
    {30, &kC3, 10.0f, &kCq3, kCt2, 0},     // Mica
    {40, &kC4, 10.0f, &kCq4, kCt3, 20},    // Ceramic (Class 1)
    {45, &kC5, 10.0f, &kCq4, kCt4, 20},    // Ceramic (Class 2)
    {47, &kC6, 100.0f, &kCq5, kCt5, 20},   // Ceramic (Class 3)
    {50, &kC7, 10.0f, &kCq6, kCt6, 15},    // Solid Electrolytic Tantalum
    {110, &kC8, 10.0f, &kCq4, kCt6, 0},    // Non-Solid Electrol. Tantalum
    {230, &kC9, 10.0f, &kCq7, kCt7, 15},   // Electrolytic Aluminum
    {600, &kC10, 10.0f, &kCq8, {}, 0},     // Fine Tuning variable
    {0, &kC10, 10.0f, &kCq8, {}, 0},       // Variable air
}};

}  // namespace

int calc_capacitor(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(7, {kStyle, kQuality, kSurface, kSealing})) return *done;

    unsigned index = 0;
    if (!run.choose(kStyle, kStyles.size(), "Style", index)) return run.refused();
    const Style& style = kStyles[index];

    const float pi_e = run.environment_step(kPiE, *style.environment, style.environment_divisor);
    if (pi_e == 0.0f) {
        return run.refuse(" For Variable Capacitors Environments SF,ML and MF not supported\n");
    }
    float pi_q = 0;
    if (!run.quality_step({kQuality, kUserQuality}, *style.quality, 100.0f, kPiQ, pi_q)) {
        return run.refused();
    }
    // The user's own factor is taken as it is, 0 included.
    if (pi_q == 0.0f && record[kQuality] != kUserLevel) return run.refuse(" Quality Level not supported\n");

    float base_rate = 0;
    if (index == kVariableAir) {
        unsigned sealing = 0;
        if (!run.choose(kSealing, kVariableAirRate.size(), "Sealed", sealing)) return run.refused();
        base_rate = scaled(kVariableAirRate[sealing], 1000.0f);
    } else {
        base_rate = scaled(style.base_rate, 100000.0f);
    }
    run.store(kBaseRate, base_rate);

    float pi_cyc = 0;
    if (!run.cycling_step(kPiCyc, kCycling, pi_cyc)) return run.refused();
    // Slot 0 holds this much when the temperature curve refuses.
    float rate = run.store(0, base_rate * pi_e * pi_q * pi_cyc);

    if (!style.temperature.empty()) {
        float pi_t = 0;
        if (!run.curve_step(kPiT, style.temperature, run.temperature(), " Temperature", pi_t)) {
            return run.refused();
        }
        rate = pi_t * rate;
    }
    if (style.chip != 0) {
        // Only "Chip" takes the factor; any other surface code, listed or not,
        // counts as leaded.
        const float pi_ch = run.store(kPiCh, record[kSurface] == kChip ? scaled(style.chip, 10.0f) : 1.0f);
        rate = rate * pi_ch;
    }
    return run.close(rate);
}

}  // namespace gjbz108a
