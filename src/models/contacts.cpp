// Switches, relays and connectors: no temperature or cycling factor. The
// switch and relay base rates depend on the contact voltage; fibre connectors
// read theirs off a curve over the number of cores and IC sockets take their
// failure rate straight from a table.
#include "models/model_run.h"
#include "models/models.h"

#include <array>

namespace gjbz108a {
namespace {

// Record offsets of the parameter fields. The three categories keep their
// Type (switch type, relay construction, connector configuration) and their
// quality code in the same bytes.
constexpr std::size_t kStyle = GJBZ108A_ITEM_BLOCK + kTypeOffset;
constexpr std::size_t kQuality = item_offset(fields::kSwitch, "quality");
static_assert(kQuality == item_offset(fields::kRelay, "quality") &&
              kQuality == item_offset(fields::kConnector, "quality"));
constexpr std::size_t kRelaySeal = item_offset(fields::kRelay, "seal");
constexpr std::size_t kContactVoltage = item_offset(fields::kSwitch, "contact_voltage");  // f32, mV
static_assert(kContactVoltage == item_offset(fields::kRelay, "contact_voltage"));
constexpr std::size_t kSwitchUserQuality = item_offset(fields::kSwitch, "user_pi_q");
constexpr std::size_t kRelayUserQuality = item_offset(fields::kRelay, "user_pi_q");
constexpr std::size_t kConnectorUserQuality = item_offset(fields::kConnector, "user_pi_q");
constexpr std::size_t kLinkage = item_offset(fields::kConnector, "linkage");
constexpr std::size_t kCores = item_offset(fields::kConnector, "cores");  // u8 count, not a selection code

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
    if (auto done = run.opening_steps(4, {kStyle, kQuality})) return *done;

    const float environment = run.environment_step(kEnvironmentSlot, kSwitchEnvironment);
    float quality = 0;
    if (!run.quality_step({kQuality, kSwitchUserQuality}, kSwitchQuality, 100.0f, kQualitySlot, quality)) {
        return run.refused();
    }
    // A voltage that does not compare (NaN) falls to the higher-voltage rate.
    const bool dry_circuit = load_f32(record, kContactVoltage) <= kDryCircuitMillivolts;
    const float base_rate = run.store(kBaseRateSlot, dry_circuit ? 0.069f : 0.033f);

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
    if (auto done = run.opening_steps(4, {kStyle, kRelaySeal, kQuality})) return *done;

    const float environment = run.environment_step(kEnvironmentSlot, kRelayEnvironment);

    // The construction is only compared, never used as an index: the quality
    // step asks "electromechanical?", the base-rate step asks "fixed?", and any
    // other code answers no to both.
    const unsigned construction = record[kStyle];

    float quality = 0;
    const bool electromechanical = construction == kElectromechanical;
    if (!run.quality_step({kQuality, kRelayUserQuality},
                          electromechanical ? kElectromechanicalQuality : kFixedQuality,
                          electromechanical ? 100.0f : 10.0f, kQualitySlot, quality)) {
        return run.refused();
    }

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
    float linkage = 0;
    const float cores = load_u8(run.record(), kCores);
    if (!run.curve_step(kBaseRateSlot, kFibreCores, cores, "Number of core N", base_rate) ||
        !run.table_step(kLinkage, "Linkage", kLinkageFactor, 10.0f, kLinkageSlot, linkage)) {
        return run.refused();
    }
    return run.close(linkage * base_rate * environment);
}

}  // namespace

int calc_connector(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(5, {kStyle, kQuality, kLinkage})) return *done;

    // IC sockets: the rate comes straight from their table, no factor is stored.
    if (record[kStyle] == kIcSockets) return run.close(run.environment_factor(kIcSocketRate, 10000.0f));

    const float environment = run.environment_step(kEnvironmentSlot, kConnectorEnvironment);

    unsigned configuration = 0;
    if (!run.choose(kStyle, kConfigurations, "Configuration", configuration)) return run.refused();
    if (configuration == kFiber) return fibre_connector(run, environment);

    float quality = 0;
    if (!run.quality_step({kQuality, kConnectorUserQuality}, kConnectorQuality, 100.0f, kQualitySlot,
                          quality)) {
        return run.refused();
    }
    const float base_rate = run.store(kBaseRateSlot, scaled(kConnectorRate[configuration], 10000.0f));

    return run.close(base_rate * environment * quality);
}

}  // namespace gjbz108a
