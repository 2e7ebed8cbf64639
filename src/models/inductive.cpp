// Inductive devices. The sixteen family types fall into three groups,
// transformers, coils and sheet coils, each with its own environment table,
// quality list and cycling curve.
#include "models/model_run.h"
#include "models/models.h"

#include <array>
#include <span>

namespace gjbz108a {
namespace {

constexpr std::size_t kFamilyType = item_offset(fields::kInductive, "type");
// The record holds both quality codes; the group decides which one is read.
constexpr std::size_t kTransformerQuality = item_offset(fields::kInductive, "transformer_quality");
constexpr std::size_t kCoilQuality = item_offset(fields::kInductive, "coil_quality");
constexpr std::size_t kUserQuality = item_offset(fields::kInductive, "user_pi_q");

constexpr unsigned kBaseRateSlot = 1;
constexpr unsigned kEnvironmentSlot = 2;
constexpr unsigned kQualitySlot = 3;
constexpr unsigned kCyclingSlot = 4;

enum class Group { transformer, coil, sheet_coil };

struct FamilyType {
    std::int32_t base_rate;  // units of 10^-4
    Group group;
};
constexpr std::array<FamilyType, 16> kFamilyTypes{{
    {10, Group::transformer},  // low power pulse transformer
    {14, Group::transformer},  // MF transformer
    {14, Group::transformer},  // audio frequency transformer
    {27, Group::transformer},  // power supply transformer
    {27, Group::transformer},  // high power pulse transformer
    {27, Group::transformer},  // filter chokers
    {41, Group::transformer},  // high voltage transformer
    {41, Group::transformer},  // RF transformer
    {3, Group::coil},          // coil fixed
    {3, Group::coil},          // coil variable
    {3, Group::coil},          // inductives
    {9, Group::coil},          // low power RF coil
    {9, Group::coil},          // deflection coil
    {33, Group::coil},         // high power coil
    {2, Group::sheet_coil},    // sheet coil
    {2, Group::sheet_coil},    // sheet inductance
}};

// Environment tables, one stored integer per environment column, in tenths.
//   E1   E2   E3  E10   E4  E13   E5   E6   E7   E9   E8  E16  E21  E12  E17  E11  E22  E26  E23
constexpr EnvironmentTable kTransformerEnvironment{
     10,  14,  20,  60,  70, 140,  80,  75,  28,  90, 190, 120, 160,  60,  85, 200,   5, 340, 150};
constexpr EnvironmentTable kCoilEnvironment{
     10,  14,  20,  60,  70, 140,  78,  75,  28,  85, 150, 120, 160,  60,  50, 190,   5, 340, 150};
constexpr EnvironmentTable kSheetCoilEnvironment{
     10,  13,  20,  60,  55, 100,  65,  70,  28,  80, 180, 120, 160,  60,  80, 190,   5, 340, 150};

// Transformer quality "A2", "B1", "B2", "C" in hundredths; "User" follows.
constexpr std::array<std::int32_t, 4> kTransformerQualityFactor{35, 70, 100, 250};
// Coil quality "A1", "A2", "B1", "B2", "C"; "User" follows. Coils store
// hundredths, sheet coils tenths. An "A1" coil has a factor, and so a rate, of 0.
constexpr std::array<std::int32_t, 5> kCoilQualityFactor{0, 35, 70, 100, 200};
constexpr std::array<std::int32_t, 5> kSheetCoilQualityFactor{5, 7, 10, 10, 25};

// Cycling factor by on/off cycles per 1000 hours.
constexpr std::array<CurvePoint, 11> kTransformerCycling{{
    {0, 1}, {0.05f, 1}, {0.1f, 1.01f}, {0.2f, 1.02f}, {0.5f, 1.05f}, {1, 1.1f},
    {2, 1.2f}, {5, 1.5f}, {10, 2}, {20, 3}, {50, 6},
}};
constexpr std::array<CurvePoint, 10> kCoilCycling{{
    {0, 1}, {0.1f, 1}, {0.2f, 1.02f}, {0.5f, 1.04f}, {1, 1.08f},
    {2, 1.16f}, {5, 1.4f}, {10, 1.8f}, {20, 2.6f}, {50, 5},
}};
constexpr std::array<CurvePoint, 10> kSheetCoilCycling{{
    {0, 1}, {0.1f, 1}, {0.2f, 1.01f}, {0.5f, 1.03f}, {1, 1.05f},
    {2, 1.1f}, {5, 1.25f}, {10, 1.5f}, {20, 2}, {50, 3.5f},
}};

// What each group reads, in the order of the Group enumerators.
struct GroupTables {
    const EnvironmentTable* environment;
    QualityField quality;
    std::span<const std::int32_t> quality_factors;
    float quality_divisor;
    Curve cycling;
};
constexpr std::array<GroupTables, 3> kGroupTables{{
    {&kTransformerEnvironment, {kTransformerQuality, kUserQuality, "Quality (TRANSFORMERS)"},
     kTransformerQualityFactor, 100.0f, kTransformerCycling},
    {&kCoilEnvironment, {kCoilQuality, kUserQuality, "Quality (COILS)"}, kCoilQualityFactor, 100.0f,
     kCoilCycling},
    {&kSheetCoilEnvironment, {kCoilQuality, kUserQuality, "Quality (COILS)"}, kSheetCoilQualityFactor, 10.0f,
     kSheetCoilCycling},
}};

}  // namespace

int calc_inductive(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(5, {kFamilyType, kTransformerQuality, kCoilQuality})) return *done;

    unsigned type_index = 0;
    if (!run.choose(kFamilyType, kFamilyTypes.size(), "Type", type_index)) return run.refused();
    const FamilyType& type = kFamilyTypes[type_index];
    const GroupTables& group = kGroupTables[static_cast<std::size_t>(type.group)];

    const float environment = run.environment_step(kEnvironmentSlot, *group.environment);
    float quality = 0;
    if (!run.quality_step(group.quality, group.quality_factors, group.quality_divisor, kQualitySlot, quality)) {
        return run.refused();
    }
    const float base_rate = run.store(kBaseRateSlot, scaled(type.base_rate, 10000.0f));
    float cycling = 0;
    if (!run.cycling_step(kCyclingSlot, group.cycling, cycling)) return run.refused();
    return run.close(base_rate * environment * quality * cycling);
}

}  // namespace gjbz108a
