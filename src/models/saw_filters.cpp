// Surface-acoustic-wave devices and filters.
#include "models/model_run.h"
#include "models/models.h"

#include <array>

namespace gjbz108a {
namespace {

constexpr std::size_t kConstruction = item_offset(fields::kFilter, "construction");
constexpr std::size_t kQuality = item_offset(fields::kFilter, "quality");
constexpr std::size_t kUserQuality = item_offset(fields::kFilter, "user_pi_q");
static_assert(kQuality == item_offset(fields::kSaw, "quality") && kUserQuality == item_offset(fields::kSaw, "user_pi_q"));

constexpr unsigned kBaseRateSlot = 1;
constexpr unsigned kEnvironmentSlot = 2;
constexpr unsigned kQualitySlot = 3;

// Environment tables, one stored integer per environment column, in tenths.
// Filters: F-1 for the discrete constructions, F-2 for the others.
//   E1   E2   E3  E10   E4  E13   E5   E6   E7   E9   E8  E16  E21  E12  E17  E11  E22  E26  E23
constexpr EnvironmentTable kSawEnvironment{
     10,  15,  20,  50,  60, 120,  80,  50,  15,  90, 160, 150, 200, 100, 130, 180,  12, 320, 140};
constexpr EnvironmentTable kDiscreteFilterEnvironment{
     10,  12,  15,  35,  40,  80,  60,  40,  30,  60, 100,  90, 140,  55,  85, 130,   8, 250, 120};
constexpr EnvironmentTable kOtherFilterEnvironment{
     10,  12,  15,  35,  40, 110,  80,  50,  30,  70, 140, 120, 200,  70, 110, 170,   8, 320, 150};

// ---- Surface-acoustic-wave devices ----

// Quality "A2", "A3", "B1", "B2", "C" in tenths; "User" follows.
constexpr std::array<std::int32_t, 5> kSawQuality{2, 4, 7, 10, 30};

}  // namespace

int calc_saw(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(4, {kQuality})) return *done;

    const float environment = run.environment_step(kEnvironmentSlot, kSawEnvironment);
    float quality = 0;
    if (!run.quality_step({kQuality, kUserQuality}, kSawQuality, 10.0f, kQualitySlot, quality)) {
        return run.refused();
    }
    const float base_rate = run.store(kBaseRateSlot, 0.013f);
    return run.close(environment * base_rate * quality);
}

namespace {

// ---- Filters ----

// "Discrete LC", "Discrete LS and crystal", "Piezoelectric ceramics",
// "Quartz crystal", "Mechanical filters", in units of 10^-4.
constexpr std::array<std::int32_t, 5> kFilterRate{260, 510, 86, 66, 550};
// The first two constructions are discrete.
constexpr unsigned kDiscreteConstructions = 2;

// Quality "A", "B", "C"; "User" follows. Discrete filters store tenths, the
// others hundredths.
constexpr std::array<std::int32_t, 3> kDiscreteFilterQuality{5, 10, 35};
constexpr std::array<std::int32_t, 3> kOtherFilterQuality{45, 100, 350};

}  // namespace

int calc_filter(std::uint8_t* record, char** cursor) noexcept {
    // The base rate is stored before the environment is looked at, so that the
    // record holds it also when the environment is refused or the marker
    // triple is set.
    ModelRun run(record, cursor);
    run.prepare(4, {kConstruction, kQuality});
    float base_rate = 0;
    if (!run.table_step(kConstruction, "Construction", kFilterRate, 10000.0f, kBaseRateSlot, base_rate)) {
        return run.refused();
    }
    if (!run.map_environment()) return run.refused();
    if (run.marker_triple_set()) return run.answer_marker_triple();

    const bool discrete = record[kConstruction] < kDiscreteConstructions;
    float quality = 0;
    if (!run.quality_step({kQuality, kUserQuality}, discrete ? kDiscreteFilterQuality : kOtherFilterQuality,
                          discrete ? 10.0f : 100.0f, kQualitySlot, quality)) {
        return run.refused();
    }
    const float environment =
        run.environment_step(kEnvironmentSlot, discrete ? kDiscreteFilterEnvironment : kOtherFilterEnvironment);
    return run.close(base_rate * environment * quality);
}

}  // namespace gjbz108a
