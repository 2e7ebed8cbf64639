// Hybrid circuits (33), described by the counts of their elements:
//
//     failure rate = Lb x PI e x PI q x PI cyc
//     Lb = (ICs x 0.0216 + transistors x 0.0054 + diodes x 0.0032 + passives x 0.0016) x A
//
// where A is a complexity factor of 1.15 or 1.3.
#include "models/model_run.h"
#include "models/models.h"

namespace gjbz108a {
namespace {

// Parameter block fields (ItemRecord offsets); the counts are u16.
constexpr std::size_t kQuality = item_offset(fields::kHybrid, "quality");
constexpr std::size_t kIcs = item_offset(fields::kHybrid, "ics");
constexpr std::size_t kTransistors = item_offset(fields::kHybrid, "transistors");
constexpr std::size_t kDiodes = item_offset(fields::kHybrid, "diodes");
constexpr std::size_t kPassives = item_offset(fields::kHybrid, "passives");
constexpr std::size_t kUserQuality = item_offset(fields::kHybrid, "user_pi_q");

// Result slots.
constexpr unsigned kOwnedSlots = 10;
constexpr unsigned kLbSlot = 1;
constexpr unsigned kEnvironmentSlot = 2;
constexpr unsigned kQualitySlot = 3;
constexpr unsigned kCyclingSlot = 4;
constexpr unsigned kComplexitySlot = 5;
constexpr unsigned kFirstElementRateSlot = 6;  // IC, transistor, diode, passive

// PI e in tenths, by environment column; the hybrid has its own table.
constexpr EnvironmentTable kEnvironment{
    10, 15, 25, 65, 70, 110, 80, 75, 50, 100, 140, 150, 200, 100, 130, 190, 12, 320, 140};

// PI q in hundredths: A2, A3, A4, A5, A6, B1, B2, C; the list's 9th entry is User.
constexpr std::array<std::int32_t, 8> kQualityFactor{15, 20, 25, 30, 40, 70, 100, 400};

// PI cyc, x = on/off cycles per 1000 hours.
constexpr std::array<CurvePoint, 9> kCycling{{
    {0, 1.0f}, {1, 1.03f}, {2, 1.06f}, {3, 1.09f}, {4, 1.12f}, {5, 1.16f}, {10, 1.31f},
    {20, 1.62f}, {50, 2.55f},
}};

// Failure rate of one element of each kind, in the order of the slots.
constexpr std::array<float, 4> kElementRate{0.0216f, 0.0054f, 0.0032f, 0.0016f};

// A hybrid whose weighted element count exceeds this carries the higher factor.
constexpr float kSimpleHybridLimit = 31.0f;

}  // namespace

int calc_hybrid(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(kOwnedSlots, {kQuality})) return *done;

    const float pi_e = run.environment_step(kEnvironmentSlot, kEnvironment);
    float pi_q = 0.0f;
    if (!run.quality_step({kQuality, kUserQuality, "Qual"}, kQualityFactor, 100.0f, kQualitySlot, pi_q))
        return run.refused();

    const auto ics = static_cast<float>(load_u16(record, kIcs));
    const auto transistors = static_cast<float>(load_u16(record, kTransistors));
    const auto diodes = static_cast<float>(load_u16(record, kDiodes));
    const auto passives = static_cast<float>(load_u16(record, kPassives));

    // Sums and products left to right in single precision, as documented.
    const float complexity = 7.0f * ics + 1.5f * transistors + diodes + passives;
    const float a = run.store(kComplexitySlot, complexity <= kSimpleHybridLimit ? 1.15f : 1.3f);
    for (unsigned i = 0; i < kElementRate.size(); ++i) run.store(kFirstElementRateSlot + i, kElementRate[i]);

    const float element_sum = ics * kElementRate[0] + transistors * kElementRate[1] +
                              diodes * kElementRate[2] + passives * kElementRate[3];
    const float lb = run.store(kLbSlot, element_sum * a);

    float pi_cyc = 0.0f;
    const float cycling_rate = load_f32(record, GJBZ108A_CYCLING_RATE);
    if (!run.curve_step(kCyclingSlot, kCycling, cycling_rate, " Circulation rate/1000 hours", pi_cyc))
        return run.refused();
    return run.close(lb * pi_e * pi_q * pi_cyc);
}

}  // namespace gjbz108a
