// Integrated circuits: IC Memory (1), IC Analog (2), IC Digital (3).
//
//     failure rate = Lbase x PI e x PI q x (PI t + PI f) x PI cyc x PI l
//
// The three share PI e, PI q, PI l, the pin-count term PI f, the cycling factor
// and the order of the steps; they differ in how Lbase, PI t and PI f come about.
#include "models/integrated_circuit_curves.h"
#include "models/model_run.h"
#include "models/models.h"

namespace gjbz108a {
namespace {

// Parameter block fields (ItemRecord offsets), the same in the three
// categories but for the storage of the size and the analog seal.
constexpr std::size_t kType = item_offset(fields::kIcDigital, "type");
constexpr std::size_t kTech = item_offset(fields::kIcDigital, "tech");
constexpr std::size_t kPackage = item_offset(fields::kIcDigital, "package");
constexpr std::size_t kQuality = item_offset(fields::kIcDigital, "quality");
constexpr std::size_t kLearning = item_offset(fields::kIcDigital, "learning");
constexpr std::size_t kActivePins = item_offset(fields::kIcDigital, "pins");  // u16
// Memory bits f32, analog transistors i32, digital elements u32.
constexpr std::size_t kSize = item_offset(fields::kIcDigital, "elements");
constexpr std::size_t kUserQuality = item_offset(fields::kIcDigital, "user_pi_q");
constexpr std::size_t kSeal = item_offset(fields::kIcAnalog, "seal");
static_assert(kSize == item_offset(fields::kIcMemory, "bits") && kSize == item_offset(fields::kIcAnalog, "transistors"));
static_assert(kUserQuality == item_offset(fields::kIcMemory, "user_pi_q") &&
              kUserQuality == item_offset(fields::kIcAnalog, "user_pi_q"));

// Result slots.
constexpr unsigned kOwnedSlots = 8;
constexpr unsigned kLbaseSlot = 1;
constexpr unsigned kEnvironmentSlot = 2;
constexpr unsigned kQualitySlot = 3;
constexpr unsigned kTemperatureSlot = 4;
constexpr unsigned kPinSlot = 5;
constexpr unsigned kCyclingSlot = 6;
constexpr unsigned kLearningSlot = 7;

constexpr unsigned kPackages = 13;
constexpr unsigned kFirstUnpacked = 7;  // 0-based; packages 8..13 are bare dice

// PI e in tenths, by environment column: packaged circuits (codes 1..7) and
// unpacked ones (8..13).
constexpr EnvironmentTable kPackagedEnvironment{
    10, 15, 24, 60, 63, 90, 68, 67, 43, 85, 110, 114, 170, 80, 120, 160, 12, 230, 100};
constexpr EnvironmentTable kUnpackedEnvironment{
    10, 20, 40, 120, 103, 170, 140, 120, 78, 150, 230, 200, 330, 150, 210, 300, 15, 460, 220};

// PI q in hundredths: A2, A3, A4, B1, B2, C1, C2; the list's 8th entry is User.
constexpr std::array<std::int32_t, 7> kQualityFactor{15, 25, 40, 70, 100, 200, 600};

// PI l: Stabilized, Not stabil, New device.
constexpr std::array<std::int32_t, 3> kLearningFactor{1, 2, 5};

// Lbase of a GaAs MMIC in ten-thousandths; columns MESFET, HBT, HEMT.
constexpr std::array<std::array<std::int32_t, 3>, 5> kGaAsBaseRate{{
    {28, 39, 118},  // Package Dual In-Line, glass seal
    {29, 39, 118},  // Package Dual In-Line, fused or welded seal
    {28, 38, 117},  // Package FLAT
    {28, 39, 118},  // Package Metallic Shell
    {30, 41, 120},  // every Unpack package
}};

// The steps the three models share, each storing its factor in its slot. Every
// bool step returns false when the model must stop with result 1 (its line is
// then in the message buffer).
class IcRun {
public:
    IcRun(std::uint8_t* record, char** cursor) noexcept : run_(record, cursor) {}

    // Clears the slots, decrements the given selection codes, maps the environment.
    bool open(std::initializer_list<std::size_t> selection_offsets) noexcept {
        return run_.open(kOwnedSlots, selection_offsets);
    }

    bool choose(std::size_t offset, unsigned size, const char* field, unsigned& index) noexcept {
        return run_.choose(offset, size, field, index);
    }

    // The temperature of the part, PI e, PI l and PI q. The marker triple asks
    // for the part at 35 degrees with environment and learning left neutral, so
    // then neither Learn fact. nor Package is read here.
    bool set_conditions() noexcept {
        if (run_.marker_triple_set()) {
            temperature_ = 35.0f;
            pi_e_ = 1.0f;
            pi_l_ = 1.0f;
        } else {
            unsigned learning = 0;
            unsigned package = 0;
            if (!choose(kLearning, kLearningFactor.size(), "Learn fact.", learning) ||
                !choose(kPackage, kPackages, "Package", package))
                return false;
            temperature_ = load_f32(run_.record(), GJBZ108A_TEMPERATURE);
            pi_l_ = static_cast<float>(kLearningFactor[learning]);
            pi_e_ = run_.environment_factor(package < kFirstUnpacked ? kPackagedEnvironment
                                                                     : kUnpackedEnvironment);
        }
        run_.store(kEnvironmentSlot, pi_e_);
        run_.store(kLearningSlot, pi_l_);
        return run_.quality_step({kQuality, kUserQuality, "Qual"}, kQualityFactor, 100.0f, kQualitySlot,
                                 pi_q_);
    }

    // PI f off the pin-count curve of the package.
    bool pin_term() noexcept {
        unsigned package = 0;
        if (!choose(kPackage, kPackages, "Package", package)) return false;
        const auto pins = static_cast<float>(load_u16(run_.record(), kActivePins));
        return run_.curve_step(kPinSlot, ic::kPinCurveOfPackage[package], pins,
                               "Number of leading-out terminals", pi_f_);
    }

    bool temperature_factor(Curve curve) noexcept {
        return run_.curve_step(kTemperatureSlot, curve, temperature_, "Temperature", pi_t_);
    }

    // Lbase off a size curve.
    bool base_rate(Curve curve, float size, const char* name) noexcept {
        return run_.curve_step(kLbaseSlot, curve, size, name, lbase_);
    }

    // Lbase from a table.
    void set_base_rate(float lbase) noexcept { lbase_ = run_.store(kLbaseSlot, lbase); }

    // PI cyc, then the product, multiplied left to right in single precision.
    int close() noexcept {
        float pi_cyc = 0.0f;
        const float cycling_rate = load_f32(run_.record(), GJBZ108A_CYCLING_RATE);
        if (!run_.curve_step(kCyclingSlot, ic::kCycling, cycling_rate, "Circulation Rate", pi_cyc))
            return run_.refused();
        return run_.close(lbase_ * pi_e_ * pi_q_ * (pi_t_ + pi_f_) * pi_cyc * pi_l_);
    }

private:
    ModelRun run_;
    float temperature_ = 0.0f;
    float lbase_ = 0.0f;
    float pi_e_ = 0.0f;
    float pi_q_ = 0.0f;
    float pi_t_ = 0.0f;
    float pi_f_ = 0.0f;  // stays 0 for a GaAs MMIC, which has no pin term
    float pi_l_ = 0.0f;
};

// Lbase of a GaAs MMIC. Packages 3..6 (Splice Array, PGA, BGA, SMT) have no
// entry: their Lbase stays 0, as documented; the parameter checks refuse them.
bool set_gaas_base_rate(IcRun& ic) noexcept {
    unsigned package = 0;
    if (!ic.choose(kPackage, kPackages, "Package", package)) return false;

    unsigned row = 0;
    if (package == 0) {
        unsigned seal = 0;  // Fused, Welded, Glass
        if (!ic.choose(kSeal, 3, "Seal", seal)) return false;
        row = seal == 2 ? 0 : 1;
    } else if (package == 1) {
        row = 2;
    } else if (package == 6) {
        row = 3;
    } else if (package >= kFirstUnpacked) {
        row = 4;
    } else {
        return true;
    }

    unsigned tech = 0;
    if (!ic.choose(kTech, 3, "Tech", tech)) return false;
    ic.set_base_rate(scaled(kGaAsBaseRate[row][tech], 10000.0f));
    return true;
}

}  // namespace

int calc_ic_memory(std::uint8_t* record, char** cursor) noexcept {
    IcRun ic(record, cursor);
    // Type is decremented with the others but no factor depends on it.
    if (!ic.open({kType, kTech, kPackage, kQuality, kLearning}) || !ic.set_conditions() ||
        !ic.pin_term())
        return kNotComputed;

    unsigned tech = 0;  // Bipolar, MOS
    if (!ic.choose(kTech, 2, "Tech", tech) ||
        !ic.temperature_factor(tech == 0 ? Curve{ic::kMemoryBipolarTemperature}
                                         : Curve{ic::kMemoryMosTemperature}) ||
        !ic.base_rate(ic::kMemoryBits, load_f32(record, kSize), "Number of bytes"))
        return kNotComputed;
    return ic.close();
}

int calc_ic_analog(std::uint8_t* record, char** cursor) noexcept {
    IcRun ic(record, cursor);
    unsigned type = 0;  // Analog, GaAs MMIC
    if (!ic.open({kType, kTech, kPackage, kQuality, kLearning, kSeal}) || !ic.set_conditions() ||
        !ic.choose(kType, 2, "Type", type))
        return kNotComputed;

    if (type == 0) {
        const auto transistors = static_cast<float>(load_i32(record, kSize));
        if (!ic.pin_term() || !ic.temperature_factor(ic::kAnalogLinearTemperature) ||
            !ic.base_rate(ic::kAnalogTransistors, transistors, "Number of transistors"))
            return kNotComputed;
    } else {
        // A GaAs MMIC has no pin term and a tabled base rate.
        if (!ic.temperature_factor(ic::kAnalogGaAsTemperature) || !set_gaas_base_rate(ic))
            return kNotComputed;
    }
    return ic.close();
}

int calc_ic_digital(std::uint8_t* record, char** cursor) noexcept {
    IcRun ic(record, cursor);
    if (!ic.open({kType, kTech, kPackage, kQuality, kLearning}) || !ic.set_conditions() ||
        !ic.pin_term())
        return kNotComputed;

    // Types Logic, PLA, PAL, PLD and FPGA count gates; mPROC, DSP and
    // Microcontroller count transistors.
    unsigned type = 0;
    unsigned tech = 0;  // Bipolar, MOS
    if (!ic.choose(kType, 8, "Type", type) || !ic.choose(kTech, 2, "Tech", tech)) return kNotComputed;
    const bool processor = type >= 5;
    const bool bipolar = tech == 0;

    const Curve temperature_curve =
        processor ? (bipolar ? Curve{ic::kProcessorBipolarTemperature} : Curve{ic::kProcessorMosTemperature})
                  : (bipolar ? Curve{ic::kLogicBipolarTemperature} : Curve{ic::kLogicMosTemperature});
    const auto elements = static_cast<float>(load_u32(record, kSize));
    if (!ic.temperature_factor(temperature_curve) ||
        !(processor ? ic.base_rate(ic::kProcessorTransistors, elements, "Number of transistors")
                    : ic.base_rate(ic::kLogicGates, elements, "Number of gates")))
        return kNotComputed;
    return ic.close();
}

}  // namespace gjbz108a
