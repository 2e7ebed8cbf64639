// The miscellaneous group: forty part types. Types 1 to 14 are computed as a
// base rate times an environment factor and further factors; types 15 to 40
// read their failure rate straight from a table by environment, where a 0
// entry marks an environment that the type does not support.
#include "models/model_run.h"
#include "models/models.h"

#include <array>

namespace gjbz108a {
namespace {

constexpr std::size_t kType = item_offset(fields::kMiscellaneous, "type");
constexpr std::size_t kQuality = item_offset(fields::kMiscellaneous, "quality");
constexpr std::size_t kLearning = item_offset(fields::kMiscellaneous, "learning");
constexpr std::size_t kUserQuality = item_offset(fields::kMiscellaneous, "user_pi_q");
constexpr std::size_t kAxis = item_offset(fields::kMiscellaneous, "axis");

constexpr unsigned kBaseRateSlot = 1;
constexpr unsigned kEnvironmentSlot = 2;
constexpr unsigned kQualitySlot = 3;
constexpr unsigned kAxisSlot = 4;
constexpr unsigned kLearningSlot = 5;

// Environment factors of types 1 to 14, one stored integer per environment
// column, in tenths.
//    E1    E2    E3   E10    E4   E13    E5    E6    E7    E9    E8   E16   E21   E12   E17   E11   E22   E26   E23
constexpr EnvironmentTable kTypes1To9{
      10,  120,   15,   35,   40,   70,   50,   45,   30,   65,  120,   60,  100,   35,   55,   90,   10,  220,  120};
constexpr EnvironmentTable kTypes10To13{
      10,   11,  140,   20,   18,   30,   20,   25,   15,   30,   40,   30,   50,   20,   35,   45,    7,   60,   23};
constexpr EnvironmentTable kGyroscope{
      10,   13,   20,   50,   60,  110,   90,   60,   25,   70,  170,  160,  220,   80,  120,  360,    5,  660,  320};

// Failure rates of types 15 to 40, one stored integer per environment column;
// each type has its own divisor (below).
//    E1    E2    E3   E10    E4   E13    E5    E6    E7    E9    E8   E16   E21   E12   E17   E11   E22   E26   E23
constexpr EnvironmentTable kAttenuator{
      80,   96,  120,  280,  400,  960,  880,  432,  240,  560, 1120, 1200, 1920,  800, 1440, 1760,   80, 2800, 1200};
constexpr EnvironmentTable kCouplerTermResonator{
      10,   12,   15,   35,   50,  120,  110,   54,   30,   70,  140,  150,  240,  100,  180,  220,   10,  350,  150};
constexpr EnvironmentTable kAdjustableTermResonator{
      20,   24,   30,   70,  100,  240,  220,  108,   60,  140,  280,  300,  480,  200,  360,  440,   20,  700,  300};
constexpr EnvironmentTable kWaveguideSwitch{
     180,  216,  270,  630,  900, 2160, 1980,  972,  540, 1260, 2520, 2700, 4320, 1800, 3240, 3960,  180, 6300, 2700};
constexpr EnvironmentTable kWaveguideHighPower{
      80,   96,  120,  280,  400,  960,  880,  432,  240,  560, 1120, 1200, 1920,  800, 1440, 1760,   80, 2800, 1200};
constexpr EnvironmentTable kWaveguideLowPower{
      90,  108,  135,  315,  450, 1080,  990,  486,  270,  630, 1260, 1350, 2160,  900, 1620, 1980,   90, 3150, 1350};
constexpr EnvironmentTable kMicrowaveIcHighPower{
     120,  180,  288,  720,  756, 1080,  816,  804,  516, 1020, 1320, 1368, 2040,  960, 1440, 1920,  144, 2760, 1200};
constexpr EnvironmentTable kMicrowaveIcLowPower{
      10,   15,   24,   60,   63,   90,   68,   67,   43,   85,  110,  114,  170,   80,  120,  160,   12,  230,  100};
constexpr EnvironmentTable kTemperatureComponent{
      80,  104,  200,  400,  440,  560,  520,  400,  256,  440,  680,  560,  920,  256,  368, 1360,   80, 2480, 1200};
constexpr EnvironmentTable kHeater{
      70,   77,  147,  280,  315,  560,  525,  315,  210,  350,  840,  420,  910,  392,  735, 1029,   70, 2380, 1050};
constexpr EnvironmentTable kDelayLine{
     150,  210,  300,  600,  750, 1350, 1125,  600,  450, 1050, 1650, 1275, 1800, 1200, 1350, 1950,  150, 4800, 2250};
constexpr EnvironmentTable kCable{
      26,   34,   36,   65,   99,  156,  117,   65,   52,  143,  182,  208,  273,  156,  234,  338,   23,  468,  260};
constexpr EnvironmentTable kMicrophone{
     520,  572, 1040, 1560, 2340, 4680, 3380, 1716, 3640, 6240, 7800,    0, 5200,    0, 5720,  520,    0,    0,    0};
constexpr EnvironmentTable kBell{
     620,  680, 1240, 1860, 2790, 5580, 4030, 2046, 4340, 7440, 9300,    0, 6200,    0, 6820,  620,    0,    0,    0};
constexpr EnvironmentTable kSpeaker{
     390,  429,  780, 1170, 1755, 3510, 2535, 1287, 1170, 2730, 4680, 5850,    0, 3900,    0, 4290,  390,    0,    0};
constexpr EnvironmentTable kTelescopicAntenna{
     150,  180,  225,  825, 1125, 1950, 1350, 1050,  375, 1125, 2100, 1950, 2700, 1650, 1800, 1550,  150, 4500, 2250};
constexpr EnvironmentTable kLoopAntenna{
     170,  204,  255,  935, 1275, 2210, 1530, 1190,  425, 1280, 2380, 2210, 3060, 1870, 2040, 2890,  170, 5010, 2550};
constexpr EnvironmentTable kDummyLoad{
      42,   55,   59,  105,  147,  252,  210,  105,   76,  147,   20,   21,  588,  147,  273,  588,   42,  672,  378};
constexpr EnvironmentTable kTerminal{
      56,   73,   78,  140,  196,  336,  280,  140,  101,  196,  560,  280,  784,  196,  364,  784,   56,  896,  504};

// Types 1 to 14: base rate in units of 10^-4 and environment table.
struct ComputedType {
    std::int32_t base_rate;
    const EnvironmentTable* environment;
};
constexpr std::array<ComputedType, 14> kComputedTypes{{
    {430, &kTypes1To9},     // High power magnetic elements
    {430, &kTypes1To9},     // Sound insulator
    {430, &kTypes1To9},     // Coupler
    {430, &kTypes1To9},     // Amplifer
    {430, &kTypes1To9},     // Gyrator
    {430, &kTypes1To9},     // Modulator
    {430, &kTypes1To9},     // Circulator
    {430, &kTypes1To9},     // Phase shifter
    {38, &kTypes1To9},      // Low power magnetic elements
    {50, &kTypes10To13},    // Silicon solar battery
    {1900, &kTypes10To13},  // Cadmium-Nickel storage cell
    {1200, &kTypes10To13},  // Lead Acid batteries
    {1100, &kTypes10To13},  // Lithium batteries
    {50, &kGyroscope},      // Piezoelectric Gyroscope
}};

// Types 15 to 40: the failure rate is the table entry over the divisor.
struct TableReadType {
    const EnvironmentTable* rate;
    float divisor;
};
constexpr std::array<TableReadType, 26> kTableReadTypes{{
    {&kAttenuator, 10000.0f},               // Attenuators fixed
    {&kAttenuator, 10000.0f},               // Attenuators adjustable
    {&kCouplerTermResonator, 10000.0f},     // Fixed Directional coupler
    {&kCouplerTermResonator, 10000.0f},     // Fixed term
    {&kCouplerTermResonator, 10000.0f},     // Resonator
    {&kAdjustableTermResonator, 1000.0f},   // Adjustable term
    {&kAdjustableTermResonator, 1000.0f},   // Adjustable Resonator
    {&kWaveguideSwitch, 1000.0f},           // Waveguide Switch
    {&kWaveguideHighPower, 100.0f},         // Waveguide interconnect High Power
    {&kWaveguideLowPower, 1000.0f},         // Waveguide interconnect Low Power
    {&kMicrowaveIcHighPower, 100.0f},       // Microwave IC High Power
    {&kMicrowaveIcLowPower, 100.0f},        // Microwave IC Low Power
    {&kTemperatureComponent, 1000.0f},      // Temperature Components
    {&kHeater, 100.0f},                     // Heater
    {&kDelayLine, 3000.0f},                 // LC delay line <= 0.5ms
    {&kDelayLine, 1000.0f},                 // LC delay line > 0.5ms
    {&kCable, 1000.0f},                     // Cable (each x km)
    {&kMicrophone, 10000.0f},               // Electroacoustic Microphone
    {&kBell, 10000.0f},                     // Electroacoustic Bell
    {&kSpeaker, 10000.0f},                  // Electroacoustic Speaker
    {&kTelescopicAntenna, 1000.0f},         // Telescopic Antenna
    {&kLoopAntenna, 10000.0f},              // Loop Antenna
    {&kDummyLoad, 10000.0f},                // Dummy Load < 100W
    {&kDummyLoad, 10000.0f},                // Dummy Load 100W ~<= 1000W
    {&kDummyLoad, 10000.0f},                // Dummy Load > 1000W
    {&kTerminal, 10000.0f},                 // Terminal
}};

constexpr unsigned kTypes = kComputedTypes.size() + kTableReadTypes.size();
constexpr unsigned kPiezoelectricGyroscope = 13;
// Types 1 to 9 read the first quality table, 10 to 13 the second.
constexpr unsigned kFirstBatteryType = 9;

// Quality "A", "B1", "B2", "C"; "User" follows. Types 1 to 9 in hundredths,
// types 10 to 13 in tenths.
constexpr std::array<std::int32_t, 4> kQualityTypes1To9{45, 75, 100, 300};
constexpr std::array<std::int32_t, 4> kQualityTypes10To13{3, 6, 10, 30};

// The gyroscope's learning factor ("Stabilized", "Not stabil", "New device")
// and axis factor ("Single", "Duble", "Trinal"), in tenths.
constexpr std::array<std::int32_t, 3> kLearningFactor{10, 20, 45};
constexpr std::array<std::int32_t, 3> kAxisFactor{10, 11, 22};

int table_read_type(ModelRun& run, const TableReadType& type) noexcept {
    const float rate = run.store(0, run.environment_factor(*type.rate, type.divisor));
    if (rate == 0.0f) return run.refuse(" Environments not supported\n");
    return run.close(rate);
}

}  // namespace

int calc_misc(std::uint8_t* record, char** cursor) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(6, {kType, kQuality, kLearning, kAxis})) return *done;

    unsigned type = 0;
    if (!run.choose(kType, kTypes, "Type", type)) return run.refused();
    if (type >= kComputedTypes.size()) {
        return table_read_type(run, kTableReadTypes[type - kComputedTypes.size()]);
    }

    const ComputedType& computed = kComputedTypes[type];
    const float environment = run.environment_step(kEnvironmentSlot, *computed.environment);
    const float base_rate = run.store(kBaseRateSlot, scaled(computed.base_rate, 10000.0f));
    const float rate = base_rate * environment;

    // The gyroscope takes learning and axis factors and no quality factor.
    if (type == kPiezoelectricGyroscope) {
        float learning = 0;
        float axis = 0;
        if (!run.table_step(kLearning, "Learning factor", kLearningFactor, 10.0f, kLearningSlot, learning) ||
            !run.table_step(kAxis, "Axis", kAxisFactor, 10.0f, kAxisSlot, axis)) {
            return run.refused();
        }
        return run.close(axis * learning * rate);
    }

    const bool battery = type >= kFirstBatteryType;
    float quality = 0;
    if (!run.quality_step({kQuality, kUserQuality}, battery ? kQualityTypes10To13 : kQualityTypes1To9,
                          battery ? 10.0f : 100.0f, kQualitySlot, quality)) {
        return run.refused();
    }
    return run.close(quality * rate);
}

}  // namespace gjbz108a
