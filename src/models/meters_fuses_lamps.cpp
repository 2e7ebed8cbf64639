// Meters, fuses and lamps: the failure rate is read straight from a table by
// environment. No factor slot is cleared or written; slot 0 and the header
// failure rate are.
#include "models/model_run.h"
#include "models/models.h"

namespace gjbz108a {
namespace {

// Failure rates, one stored integer per environment column. Meters in
// thousandths:
//     E1     E2     E3    E10     E4    E13     E5     E6     E7     E9     E8    E16    E21    E12    E17    E11    E22    E26    E23
constexpr EnvironmentTable kMeterRate{
      880,  1056,  1760,  3340,  3960,  7040,  5280,  4400,  2380,  5280, 11440, 15840, 17600, 10560, 17600, 19360,   880, 24640, 11440};

// Fuses in units of 10^-4, neon lamps in thousandths, incandescent lamps in
// hundredths:
//   E1   E2   E3  E10   E4  E13   E5   E6   E7   E9   E8  E16  E21  E12  E17  E11  E22  E26  E23
constexpr EnvironmentTable kFuseRate{
     17,  22,  24,  43,  65, 102,  77,  43,  34,  94, 119, 136, 179, 102, 153, 221,  15, 306, 170};
constexpr EnvironmentTable kNeonRate{
     70,  77,  91, 140, 154, 252, 224, 168,  91, 196, 280, 287, 385, 210, 294, 385,  70, 420, 280};
constexpr EnvironmentTable kIncandescentRate{
     20,  22,  26,  40,  44,  72,  64,  48,  26,  56,  80,  82, 110,  60,  84, 110,  20, 120,  80};

constexpr std::size_t kLampType = item_offset(fields::kLamp, "type");
constexpr unsigned kNeon = 0;

}  // namespace

int calc_meter(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(0, {})) return *done;
    return run.close(run.environment_factor(kMeterRate, 1000.0f));
}

int calc_fuse(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(0, {})) return *done;
    return run.close(run.environment_factor(kFuseRate, 10000.0f));
}

// The lamp type is only compared with "Neon": any other code is an
// incandescent lamp.
int calc_lamp(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(0, {kLampType})) return *done;
    if (record[kLampType] == kNeon) return run.close(run.environment_factor(kNeonRate, 1000.0f));
    return run.close(run.environment_factor(kIncandescentRate, 100.0f));
}

}  // namespace gjbz108a
