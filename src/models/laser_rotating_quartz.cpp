// Gas lasers, rotating devices and quartz crystals: plain products of a base
// rate by type, an environment factor and a quality factor (the laser takes a
// learning factor in its place).
#include "models/model_run.h"
#include "models/models.h"

#include <array>

namespace gjbz108a {
namespace {

constexpr std::size_t kType = GJBZ108A_ITEM_BLOCK + kTypeOffset;
// The learning code of lasers, the quality code of the others.
constexpr std::size_t kSecondCode = item_offset(fields::kGasLaser, "learning");
static_assert(kSecondCode == item_offset(fields::kRotating, "quality") &&
              kSecondCode == item_offset(fields::kQuartz, "quality"));
constexpr std::size_t kUserQuality = item_offset(fields::kRotating, "user_pi_q");
static_assert(kUserQuality == item_offset(fields::kQuartz, "user_pi_q"));

constexpr unsigned kBaseRateSlot = 1;
constexpr unsigned kEnvironmentSlot = 2;
constexpr unsigned kThirdFactorSlot = 3;  // learning or quality factor

// Environment tables, one stored integer per environment column, in tenths.
//   E1   E2   E3  E10   E4  E13   E5   E6   E7   E9   E8  E16  E21  E12  E17  E11  E22  E26  E23
constexpr EnvironmentTable kLaserEnvironment{
     10,  15,  20,  50,  55, 160, 110, 100,  40, 120, 150, 170, 250,  90, 130, 180,   6, 270, 130};
constexpr EnvironmentTable kRotatingEnvironment{
     10,  12,  15,  25,  40, 100,  45,  50,  23,  68, 130,  50, 150,  33,  96, 160,  10, 216, 110};
constexpr EnvironmentTable kResonatorEnvironment{
     10,  12,  15,  35,  40, 120,  80,  54,  30,  70, 140, 150, 240, 100, 180, 220,  10, 320, 150};
constexpr EnvironmentTable kOscillatorEnvironment{
     10,  12,  15,  35,  40, 120,  80,  55,  30,  70, 140, 150, 240, 100, 180, 220,  10, 320, 150};

// ---- Gas lasers ----

// "Helium Neon", "Helium Cadmium", "Argon Ionic", "CO2 sealed", "YAG stick",
// "Ruby rod", "Semiconductor", in hundredths.
constexpr std::array<std::int32_t, 7> kLaserRate{36, 240, 220, 150, 510, 720, 90};
// "Stabilized", "Not stabilized", "New device", in tenths.
constexpr std::array<std::int32_t, 3> kLearningFactor{10, 25, 50};

}  // namespace

int calc_gas_laser(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(4, {kType, kSecondCode})) return *done;

    const float environment = run.environment_step(kEnvironmentSlot, kLaserEnvironment);
    float learning = 0;
    float base_rate = 0;
    if (!run.table_step(kSecondCode, "Learning factor", kLearningFactor, 10.0f, kThirdFactorSlot, learning) ||
        !run.table_step(kType, "Type", kLaserRate, 100.0f, kBaseRateSlot, base_rate)) {
        return run.refused();
    }

    return run.close(base_rate * environment * learning);
}

namespace {

// ---- Rotating devices ----

// "Common motors", "Fan blowers", "Low speed and Low Load Electromotors",
// "Timers Common (AC/DC)", "Timers Inverter driven", "Timers Commutator DC",
// in hundredths.
constexpr std::array<std::int32_t, 6> kRotatingRate{12, 23, 19, 46, 46, 46};
// Quality "A", "B1", "B2", "C" in hundredths; "User" follows.
constexpr std::array<std::int32_t, 4> kRotatingQuality{60, 85, 100, 200};

}  // namespace

int calc_rotating(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(4, {kType, kSecondCode})) return *done;

    const float environment = run.environment_step(kEnvironmentSlot, kRotatingEnvironment);
    float quality = 0;
    float base_rate = 0;
    if (!run.quality_step({kSecondCode, kUserQuality}, kRotatingQuality, 100.0f, kThirdFactorSlot, quality) ||
        !run.table_step(kType, "Type", kRotatingRate, 100.0f, kBaseRateSlot, base_rate)) {
        return run.refused();
    }

    return run.close(base_rate * environment * quality);
}

namespace {

// ---- Quartz crystals ----

constexpr unsigned kResonator = 0;

// "Resonator", "Oscillator", in thousandths.
constexpr std::array<std::int32_t, 2> kQuartzRate{22, 56};
// Quality "A1", "A2", "B", "C" in hundredths; "User" follows.
constexpr std::array<std::int32_t, 4> kQuartzQuality{20, 35, 100, 350};

}  // namespace

int calc_quartz(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(4, {kType, kSecondCode})) return *done;

    // The environment table is chosen by comparing the type with "Resonator";
    // the type indexes a table only for the base rate, after the quality.
    const bool resonator = record[kType] == kResonator;
    const float environment =
        run.environment_step(kEnvironmentSlot, resonator ? kResonatorEnvironment : kOscillatorEnvironment);
    float quality = 0;
    float base_rate = 0;
    if (!run.quality_step({kSecondCode, kUserQuality}, kQuartzQuality, 100.0f, kThirdFactorSlot, quality) ||
        !run.table_step(kType, "Type", kQuartzRate, 1000.0f, kBaseRateSlot, base_rate)) {
        return run.refused();
    }

    return run.close(base_rate * environment * quality);
}

}  // namespace gjbz108a
