// Connections and printed wiring boards. Neither reads a curve, so neither
// warns.
#include "models/model_run.h"
#include "models/models.h"

#include <array>

namespace gjbz108a {
namespace {

// Environment tables, one stored integer per environment column, in tenths.
//   E1   E2   E3  E10   E4  E13   E5   E6   E7   E9   E8  E16  E21  E12  E17  E11  E22  E26  E23
constexpr EnvironmentTable kConnectionEnvironment{
     10,  11,  17,  35,  40,  70,  55,  38,  30,  50, 100,  60,  80,  40,  60, 120,  10, 250, 120};
constexpr EnvironmentTable kBoardEnvironment{
     10,  13,  20,  40,  40,  80,  70,  45,  35,  60, 130,  90, 200,  50, 100, 220,  10, 300, 150};

// ---- Connections ----

// One record counts every joint of an assembly by joining technique: a u16
// count per technique, and its rate per joint.
struct JoiningTechnique {
    std::size_t count_offset;
    float rate;
};
constexpr std::array<JoiningTechnique, 8> kJoiningTechniques{{
    {item_offset(fields::kConnection, "reflow"), 0.000009f},     // reflow soldering (printed board)
    {item_offset(fields::kConnection, "soldered"), 0.000027f},   // wave soldering (printed board)
    {item_offset(fields::kConnection, "hand"), 0.00001f},        // wire-wrap soldering-iron soldering
    {item_offset(fields::kConnection, "handpcb"), 0.000065f},    // non-wire-wrap soldering-iron soldering
    {item_offset(fields::kConnection, "weld"), 0.0000085f},      // soldering welding
    {item_offset(fields::kConnection, "wrap"), 0.0000012f},      // wire-wrap connection
    {item_offset(fields::kConnection, "crimp"), 0.000035f},      // pressure welding
    {item_offset(fields::kConnection, "clip"), 0.000017f},       // clamp welding
}};

}  // namespace

// The environment factor goes into slot 1, where other categories keep their
// base rate.
int calc_connection(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(2, {})) return *done;
    const float environment = run.environment_step(1, kConnectionEnvironment);

    // Summed in single precision in the order of the table.
    float joints = 0.0f;
    for (const JoiningTechnique& technique : kJoiningTechniques) {
        joints = joints + static_cast<float>(load_u16(record, technique.count_offset)) * technique.rate;
    }
    return run.close(environment * joints);
}

namespace {

// ---- Printed wiring boards ----

constexpr std::size_t kBoardQuality = item_offset(fields::kPrintedBoard, "quality");
constexpr std::size_t kPlatedHoles = item_offset(fields::kPrintedBoard, "holes");  // u16
constexpr std::size_t kBoardUserQuality = item_offset(fields::kPrintedBoard, "user_pi_q");

constexpr unsigned kHoleRateSlot = 1;
constexpr unsigned kBoardRateSlot = 2;
constexpr unsigned kBoardEnvironmentSlot = 3;
constexpr unsigned kBoardQualitySlot = 4;

// Quality "A", "B", "C" in tenths; "User" follows.
constexpr std::array<std::int32_t, 3> kBoardQualityFactor{3, 10, 30};

// Rate per plated-through hole and of the board itself.
constexpr float kRatePerHole = 0.000012f;
constexpr float kRatePerBoard = 0.00011f;

}  // namespace

int calc_pwb(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(5, {kBoardQuality})) return *done;

    const float environment = run.environment_step(kBoardEnvironmentSlot, kBoardEnvironment);
    float quality = 0;
    if (!run.quality_step({kBoardQuality, kBoardUserQuality}, kBoardQualityFactor, 10.0f, kBoardQualitySlot,
                          quality)) {
        return run.refused();
    }
    run.store(kHoleRateSlot, kRatePerHole);
    run.store(kBoardRateSlot, kRatePerBoard);
    const float holes = load_u16(record, kPlatedHoles);
    return run.close((holes * kRatePerHole + kRatePerBoard) * environment * quality);
}

}  // namespace gjbz108a
