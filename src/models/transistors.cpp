// Low- and high-frequency transistors (ItemCodes 12 and 14):
//
//     failure rate = PI e x Lb x PI q x PI t x PI cyc x PI r
//
// PI r grows with the part's power or current rating, in bands.
#include "models/models.h"
#include "models/semiconductors.h"

#include <span>

namespace gjbz108a {
namespace {

using namespace semiconductor;

constexpr std::size_t kPowerRating = item_offset(fields::kLfTransistor, "power_rating");      // f32, W
constexpr std::size_t kCurrentRating = item_offset(fields::kLfTransistor, "current_rating");  // f32, A
static_assert(kPowerRating == item_offset(fields::kHfTransistor, "power_rating"));

// Environment factors in tenths by environment column; both transistor
// categories have these values.
//   E1   E2   E3  E10   E4  E13   E5   E6   E7   E9   E8  E16  E21  E12  E17  E11  E22  E26  E23
constexpr EnvironmentTable kEnvironment{
     10,  12,  18,  59,  55, 120,  75,  45,  30,  70, 140, 130, 200,  75, 120, 170,  12, 320, 150};

// Cycling curve of both transistor categories (CYC-T).
constexpr std::array<CurvePoint, 9> kCycling{{
    {0, 1.0f}, {1, 1.05f}, {2, 1.1f}, {3, 1.15f}, {4, 1.2f}, {5, 1.25f},
    {10, 1.5f}, {20, 2.0f}, {50, 3.5f},
}};

// ---- Rating factor ----

// A rating up to `limit` (the limit itself included or not) has `factor`.
struct Band {
    float limit;
    bool inclusive;
    float factor;
};

struct RatingBands {
    std::size_t offset;  // the f32 rating in the record
    std::span<const Band> bands;
    float above;  // beyond the last band, and for a rating that is not a number
};

// Power: 1.0 W already belongs to the second band.
constexpr std::array<Band, 4> kPowerBands{{
    {1.0f, false, 1.0f}, {5.0f, true, 1.3f}, {20.0f, true, 1.7f}, {50.0f, true, 2.3f},
}};
// Current: 1.0 A still belongs to the first band.
constexpr std::array<Band, 4> kCurrentBands{{
    {1.0f, true, 1.0f}, {5.0f, true, 1.5f}, {25.0f, true, 2.5f}, {100.0f, true, 3.5f},
}};
// High-frequency power. The limits are compared as f32, so a rating entered
// as 0.1 W is in the first band.
constexpr std::array<Band, 3> kHfPowerBands{{
    {0.1f, true, 1.0f}, {1.0f, true, 1.3f}, {5.0f, true, 2.0f},
}};

constexpr RatingBands kPower{kPowerRating, kPowerBands, 3.0f};
constexpr RatingBands kCurrent{kCurrentRating, kCurrentBands, 5.0f};
constexpr RatingBands kHfPower{kPowerRating, kHfPowerBands, 3.0f};

float rating_factor(const RatingBands& rating, float value) noexcept {
    for (const Band& band : rating.bands) {
        if (band.inclusive ? value <= band.limit : value < band.limit) return band.factor;
    }
    return rating.above;
}

// ---- Styles ----

// Temperature curves LT-1 .. LT-7 of the low-frequency styles; LT-3 and LT-4,
// the germanium ones, end at 90 degrees.
constexpr std::array<CurvePoint, 17> kLt1{{
    {0, 0.36f}, {10, 0.55f}, {20, 0.83f}, {25, 1.0f}, {30, 1.22f}, {40, 1.76f},
    {50, 2.47f}, {55, 2.91f}, {60, 3.41f}, {65, 3.99f}, {70, 4.66f}, {75, 5.41f},
    {80, 6.27f}, {85, 7.26f}, {90, 8.38f}, {95, 9.67f}, {100, 11.1f},
}};
constexpr std::array<CurvePoint, 17> kLt2{{
    {0, 0.34f}, {10, 0.53f}, {20, 0.83f}, {25, 1.0f}, {30, 1.22f}, {40, 1.78f},
    {50, 2.53f}, {55, 3.0f}, {60, 3.54f}, {65, 4.16f}, {70, 4.86f}, {75, 5.67f},
    {80, 6.59f}, {85, 7.64f}, {90, 8.83f}, {95, 10.2f}, {100, 11.7f},
}};
constexpr std::array<CurvePoint, 15> kLt3{{
    {0, 0.25f}, {10, 0.45f}, {20, 0.78f}, {25, 1.0f}, {30, 1.31f}, {40, 2.13f},
    {50, 3.42f}, {55, 4.32f}, {60, 5.47f}, {65, 6.93f}, {70, 8.83f}, {75, 11.4f},
    {80, 14.8f}, {85, 19.7f}, {90, 26.9f},
}};
constexpr std::array<CurvePoint, 15> kLt4{{
    {0, 0.26f}, {10, 0.46f}, {20, 0.78f}, {25, 1.0f}, {30, 1.29f}, {40, 2.08f},
    {50, 3.3f}, {55, 4.14f}, {60, 5.19f}, {65, 6.54f}, {70, 8.28f}, {75, 10.6f},
    {80, 13.7f}, {85, 18.2f}, {90, 24.9f},
}};
constexpr std::array<CurvePoint, 17> kLt5{{
    {0, 0.35f}, {10, 0.54f}, {20, 0.82f}, {25, 1.0f}, {30, 1.21f}, {40, 1.75f},
    {50, 2.46f}, {55, 2.9f}, {60, 3.4f}, {65, 3.97f}, {70, 4.63f}, {75, 5.37f},
    {80, 6.22f}, {85, 7.17f}, {90, 8.26f}, {95, 9.5f}, {100, 10.9f},
}};
constexpr std::array<CurvePoint, 17> kLt6{{
    {0, 0.29f}, {10, 0.49f}, {20, 0.8f}, {25, 1.0f}, {30, 1.26f}, {40, 1.93f},
    {50, 2.89f}, {55, 3.5f}, {60, 4.23f}, {65, 5.08f}, {70, 6.07f}, {75, 7.23f},
    {80, 8.55f}, {85, 10.2f}, {90, 12.0f}, {95, 14.1f}, {100, 16.5f},
}};
constexpr std::array<CurvePoint, 17> kLt7{{
    {0, 0.27f}, {10, 0.47f}, {20, 0.79f}, {25, 1.0f}, {30, 1.3f}, {40, 2.07f},
    {50, 3.2f}, {55, 3.95f}, {60, 4.85f}, {65, 5.92f}, {70, 7.21f}, {75, 8.73f},
    {80, 10.5f}, {85, 12.7f}, {90, 15.2f}, {95, 18.2f}, {100, 21.8f},
}};
// Temperature curve HT of the high-frequency transistors.
constexpr std::array<CurvePoint, 17> kHt{{
    {0, 0.24f}, {10, 0.43f}, {20, 0.76f}, {25, 1.0f}, {30, 1.3f}, {40, 2.13f},
    {50, 3.41f}, {55, 4.26f}, {60, 5.29f}, {65, 6.54f}, {70, 8.04f}, {75, 9.84f},
    {80, 12.0f}, {85, 14.6f}, {90, 17.6f}, {95, 21.4f}, {100, 25.8f},
}};

struct TransistorStyle {
    float base_rate;
    Curve temperature;
    bool germanium;             // refused above 90 degrees
    const RatingBands* rating;  // nullptr: PI r is 1
};

constexpr std::array<TransistorStyle, 8> kLfStyles{{
    {stored_rate(150), kLt1, false, &kPower},    // Si, NPN
    {stored_rate(226), kLt2, false, &kPower},    // Si, PNP
    {stored_rate(785), kLt3, true, &kPower},     // Ge, NPN
    {stored_rate(478), kLt4, true, &kPower},     // Ge, PNP
    {stored_rate(855), kLt5, false, &kPower},    // Si FET Junc
    {stored_rate(855), kLt5, false, &kPower},    // Si FET MOS
    {stored_rate(780), kLt6, false, nullptr},    // Unijunction
    {stored_rate(1440), kLt7, false, &kCurrent}, // Thyristor
}};

// Every high-frequency style (Microwave, High PWR Micr., Gal. ars. FET) is
// computed alike, so its code is never read.
constexpr TransistorStyle kHfStyle{0.0021f, kHt, false, &kHfPower};

// Picks the part's style once Steps E and Q are done; nullptr when its code is
// refused.
using StylePick = const TransistorStyle* (*)(ModelRun& run);

int transistor_model(std::uint8_t* record, char** cursor, QualityField quality,
                     StylePick pick_style) noexcept {
    ModelRun run(record, cursor);
    if (auto done = run.opening_steps(7, {kStyle, kQuality})) return *done;

    const float pi_e = run.environment_step(kPiE, kEnvironment);
    float pi_q = 0;
    if (!run.quality_step(quality, kDiodeTransistorQuality, kQualityDivisor, kPiQ, pi_q)) {
        return run.refused();
    }
    const TransistorStyle* style = pick_style(run);
    if (style == nullptr) return run.refused();
    const float base_rate = run.store(kBaseRate, style->base_rate);

    if (style->germanium && overheated(run.temperature())) return refuse_overheated(run);
    const float pi_r = run.store(
        kPiR, style->rating ? rating_factor(*style->rating, load_f32(record, style->rating->offset)) : 1.0f);
    float pi_t = 0, pi_cyc = 0;
    if (!run.curve_step(kPiT, style->temperature, run.temperature(), "Temperature", pi_t) ||
        !run.cycling_step(kPiCyc, kCycling, pi_cyc)) {
        return run.refused();
    }
    return run.close(pi_e * base_rate * pi_q * pi_t * pi_cyc * pi_r);
}

}  // namespace

int calc_lf_transistor(std::uint8_t* record, char** cursor) noexcept {
    constexpr QualityField kLfQuality{kQuality, item_offset(fields::kLfTransistor, "user_pi_q")};
    return transistor_model(record, cursor, kLfQuality, [](ModelRun& run) -> const TransistorStyle* {
        unsigned index = 0;
        return run.choose(kStyle, kLfStyles.size(), "Style", index) ? &kLfStyles[index] : nullptr;
    });
}

int calc_hf_transistor(std::uint8_t* record, char** cursor) noexcept {
    constexpr QualityField kHfQuality{kQuality, item_offset(fields::kHfTransistor, "user_pi_q")};
    return transistor_model(record, cursor, kHfQuality,
                            [](ModelRun&) -> const TransistorStyle* { return &kHfStyle; });
}

}  // namespace gjbz108a
