// Switches, relays and connectors: no temperature or cycling factor. The
// switch and relay base rates depend on the contact voltage; fibre connectors
// read theirs off a curve over the number of cores and IC sockets take their
// failure rate straight from a table.
#include "models/model_run.h"
#include "models/models.h"

#include <array>

namespace gjbz108a {
namespace {

// Record offsets of the parameter fields.
constexpr std::size_t kStyle = 151;  // switch type, relay construction, connector configuration
constexpr std::size_t kQuality = 152;
constexpr std::size_t kRelaySeal = 153;
constexpr std::size_t kContactVoltage = 154;  // f32, mV
constexpr std::size_t kSwitchUserQuality = 158;
constexpr std::size_t kRelayUserQuality = 158;
constexpr std::size_t kConnectorUserQuality = 154;
constexpr std::size_t kLinkage = 158;
constexpr std::size_t kCores = 159;  // u8 count, not a selection code

// Result slots.
constexpr unsigned kBaseRateSlot = 1;
constexpr unsigned kEnvironmentSlot = 2;
constexpr unsigned kQualitySlot = 3;
constexpr unsigned kLinkageSlot = 4;

// Low contact voltages wear the contacts differently: at or below this many
// millivolts the switch and the unsealed electromechanical relay take their
// dry-circuit base rate.
constexpr float kDryCircuitMillivolts = 50.0f;

// Environment tables, one stored integer per environment column; the factors
// are in tenths.
//   E1   E2   E3  E10   E4  E13   E5   E6   E7   E9   E8  E16  E21  E12  E17  E11  E22  E26  E23
constexpr EnvironmentTable kSwitchEnvironment{
     10,  13,  20,  35,  64,  80,  70,  40,  30,  50, 110,  60,  90,  33,  53, 160,  10, 410, 200};
constexpr EnvironmentTable kRelayEnvironment{
     10,  11,  15,  45,  40,  85,  60,  50,  30,  65, 140,  70, 150,  45,  80, 220,  10, 370, 200};
constexpr EnvironmentTable kConnectorEnvironment{
     10,  14,  15,  30,  38,  62,  52,  25,  20,  30,  80,  43,  84,  26,  56, 105,  10, 140,  70};
// The failure rate of IC sockets itself, in units of 10^-4.
constexpr EnvironmentTable kIcSocketRate{
      3,   4,   5,   9,  11,  19,  18,   8,   6,   9,  24,  13,  25,   8,  17,  32,   3,  42,  21};

// ---- Switches ----

// Quality "A", "B1", "B2", "C" in hundredths; "User" follows.
constexpr std::array<std::int32_t, 4> kSwitchQuality{35, 70, 100, 400};

}  // namespace

int calc_switch(std::uint8_t* record, char** cursor) noexcept {
    // The switch type is decremented with the others but never enters the rate.
    ModelRun run(record, cursor);
    if (!run.open(4, {kStyle, kQuality})) return run.refused();
    if (run.marker_triple_set()) return run.answer_marker_triple();

    const float environment = run.environment_factor(kSwitchEnvironment);
    run.store(kEnvironmentSlot, environment);

    unsigned quality_index = 0;
    if (!run.choose(kQuality, kSwitchQuality.size() + 1, "Quality", quality_index)) return run.refused();
    const float quality = run.quality_factor(quality_index, kSwitchQuality, 100.0f, kSwitchUserQuality);
    run.store(kQualitySlot, quality);

    // A voltage that does not compare (NaN) falls to the higher-voltage rate.
    const float base_rate = load_f32(record, kContactVoltage) <= kDryCircuitMillivolts ? 0.069f : 0.033f;
    run.store(kBaseRateSlot, base_rate);

    return run.close(environment * base_rate * quality);
}

namespace {

// ---- Relays ----

constexpr unsigned kElectromechanical = 0;
constexpr unsigned kFixed = 1;
constexpr unsigned kUnsealed = 2;

// Quality "A1m", "A1l", "A2", "B1", "B2", "C"; "User" follows. The two
// constructions store their tables at different scales.
constexpr std::array<std::int32_t, 6> kElectromechanicalQuality{20, 35, 45, 70, 100, 400};  // hundredths
constexpr std::array<std::int32_t, 6> kFixedQuality{3, 3, 4, 6, 10, 40};                     // tenths

// Base rate by seal "Fusion welding", "Lead welding", "Unsealed", in units of 10^-4.
constexpr std::array<std::int32_t, 3> kRelaySealRate{20, 61, 140};

}  // namespace

int calc_relay(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (!run.open(4, {kStyle, kRelaySeal, kQuality})) return run.refused();
    if (run.marker_triple_set()) return run.answer_marker_triple();

    const float environment = run.environment_factor(kRelayEnvironment);
    run.store(kEnvironmentSlot, environment);

    // The construction is only compared, never used as an index: the quality
    // step asks "electromechanical?", the base-rate step asks "fixed?", and any
    // other code answers no to both.
    const unsigned construction = record[kStyle];

    unsigned quality_index = 0;
    if (!run.choose(kQuality, kElectromechanicalQuality.size() + 1, "Quality", quality_index)) {
        return run.refused();
    }
    const float quality =
        construction == kElectromechanical
            ? run.quality_factor(quality_index, kElectromechanicalQuality, 100.0f, kRelayUserQuality)
            : run.quality_factor(quality_index, kFixedQuality, 10.0f, kRelayUserQuality);
    run.store(kQualitySlot, quality);

    float base_rate = 0.021f;  // a fixed relay, whatever its seal
    if (construction != kFixed) {
        unsigned seal = 0;
        if (!run.choose(kRelaySeal, kRelaySealRate.size(), "Seal", seal)) return run.refused();
        const bool dry_circuit = load_f32(record, kContactVoltage) <= kDryCircuitMillivolts;
        base_rate = seal == kUnsealed && dry_circuit ? 0.029f : scaled(kRelaySealRate[seal], 10000.0f);
    }
    run.store(kBaseRateSlot, base_rate);

    return run.close(environment * base_rate * quality);
}

namespace {

// ---- Connectors ----

constexpr unsigned kFiber = 4;
constexpr unsigned kIcSockets = 5;
constexpr unsigned kConfigurations = 6;

// Base rate of "RF coaxial", "Cylindrical", "Rectangular", "PC Board", in units of 10^-4.
constexpr std::array<std::int32_t, 4> kConnectorRate{10, 10, 60, 60};

// Quality "A1", "A2", "B1", "B2", "C" in hundredths; "User" follows.
constexpr std::array<std::int32_t, 5> kConnectorQuality{30, 45, 75, 100, 350};

// Linkage factor of fibre connectors "FC", "SC", "ST", in tenths.
constexpr std::array<std::int32_t, 3> kLinkageFactor{10, 24, 11};

// Base rate of a fibre connector by its number of cores; the last point holds
// the rate flat from 10 cores on.
constexpr std::array<CurvePoint, 7> kFibreCores{{
    {1, 0.011f}, {2, 0.0117f}, {4, 0.0132f}, {6, 0.0149f}, {8, 0.0163f}, {10, 0.019f}, {1000000, 0.019f},
}};

// A fibre connector takes a linkage factor in place of the quality factor;
// its quality code is not read and its quality slot stays 0.
int fibre_connector(ModelRun& run, float environment) noexcept {
    float base_rate = 0;
    const float cores = load_u8(run.record(), kCores);
    if (!run.lookup(kFibreCores, cores, "Number of core N", base_rate)) return run.refused();
    run.store(kBaseRateSlot, base_rate);

    unsigned linkage = 0;
    if (!run.choose(kLinkage, kLinkageFactor.size(), "Linkage", linkage)) return run.refused();
    const float linkage_factor = scaled(kLinkageFactor[linkage], 10.0f);
    run.store(kLinkageSlot, linkage_factor);

    return run.close(linkage_factor * base_rate * environment);
}

}  // namespace

int calc_connector(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (!run.open(5, {kStyle, kQuality, kLinkage})) return run.refused();
    if (run.marker_triple_set()) return run.answer_marker_triple();

    // IC sockets: the rate comes straight from their table, no factor is stored.
    if (record[kStyle] == kIcSockets) return run.close(run.environment_factor(kIcSocketRate, 10000.0f));

    const float environment = run.environment_factor(kConnectorEnvironment);
    run.store(kEnvironmentSlot, environment);

    unsigned configuration = 0;
    if (!run.choose(kStyle, kConfigurations, "Configuration", configuration)) return run.refused();
    if (configuration == kFiber) return fibre_connector(run, environment);

    unsigned quality_index = 0;
    if (!run.choose(kQuality, kConnectorQuality.size() + 1, "Quality", quality_index)) return run.refused();
    const float quality = run.quality_factor(quality_index, kConnectorQuality, 100.0f, kConnectorUserQuality);
    run.store(kQualitySlot, quality);

    const float base_rate = scaled(kConnectorRate[configuration], 10000.0f);
    run.store(kBaseRateSlot, base_rate);

    return run.close(base_rate * environment * quality);
}

}  // namespace gjbz108a
