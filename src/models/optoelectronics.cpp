// Optoelectronic devices (ItemCode 15):
//
//     failure rate = PI e x Lb x PI q x PI t
//
// There is no cycling factor.
#include "models/models.h"
#include "models/semiconductors.h"

namespace gjbz108a {
namespace {

using namespace semiconductor;

// u8, number of bits of a multiple-bit Nixie tube
constexpr std::size_t kBits = item_offset(fields::kOptoelectronic, "bits");
constexpr QualityField kOptoQuality{kQuality, item_offset(fields::kOptoelectronic, "user_pi_q")};

// Environment factors in tenths by environment column.
//   E1   E2   E3  E10   E4  E13   E5   E6   E7   E9   E8  E16  E21  E12  E17  E11  E22  E26  E23
constexpr EnvironmentTable kEnvironment{
     10,  11,  18,  30,  26,  70,  40,  37,  22,  51,  82,  56,  80,  40,  60, 120,  10, 160,  90};

// Quality levels A2, A3, A4, A5, B1, B2, C, in hundredths.
constexpr QualityTable kQualityTable{7, 15, 25, 45, 70, 100, 350};

// Base rates in units of 1e-5 of the styles LED, Infrated LED, Photosensitive
// diode, Photosensitive transistor, Simple photoel. coupler, Multiple photoel.
// coupler and Sole bit Nixie tube. The eighth style, the multiple-bit Nixie
// tube, has a rate that grows with its bits instead.
constexpr std::array<std::int32_t, 7> kBaseRates{41, 300, 200, 775, 520, 1450, 510};
constexpr unsigned kStyles = kBaseRates.size() + 1;

// The multiple-bit Nixie tube's rate is worked out from its decimal constants
// in double precision and rounded once, so that 4 bits give exactly the
// documented 0.0084.
float nixie_rate(unsigned bits) noexcept { return static_cast<float>(bits * 0.0011 + 0.004); }

// Temperature curve OPTO, every 5 degrees.
constexpr std::array<CurvePoint, 21> kTemperature{{
    {0, 0.25f}, {5, 0.33f}, {10, 0.45f}, {15, 0.59f}, {20, 0.77f}, {25, 1.0f}, {30, 1.29f},
    {35, 1.64f}, {40, 2.07f}, {45, 2.6f}, {50, 3.25f}, {55, 4.02f}, {60, 4.95f}, {65, 6.05f},
    {70, 7.36f}, {75, 8.9f}, {80, 10.7f}, {85, 12.83f}, {90, 15.25f}, {95, 18.07f}, {100, 21.31f},
}};

}  // namespace

int calc_optoelectronic(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(5, {kStyle, kQuality})) return *done;

    const float pi_e = run.environment_step(kPiE, kEnvironment);
    float pi_q = 0;
    if (!run.quality_step(kOptoQuality, kQualityTable, kQualityDivisor, kPiQ, pi_q)) return run.refused();
    unsigned style = 0;
    if (!run.choose(kStyle, kStyles, "Style", style)) return run.refused();
    const float base_rate = run.store(
        kBaseRate, style < kBaseRates.size() ? stored_rate(kBaseRates[style]) : nixie_rate(record[kBits]));

    float pi_t = 0;
    if (!run.curve_step(kPiT, kTemperature, run.temperature(), "Temperature", pi_t)) return run.refused();
    return run.close(pi_e * base_rate * pi_q * pi_t);
}

}  // namespace gjbz108a
