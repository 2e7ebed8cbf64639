#include "floor_kernel.h"

#include <gjbz108a/records.h>

#include <array>
#include <cstring>

namespace gjbz108a::bench {
namespace {

struct Point {
    float x, y;
};

// Tables of the size and scale of the models' own.
constexpr std::array<std::int8_t, 28> kEnvironmentColumn{
    -1, 0, 1, 2, 4, 6, 7, 8, 10, 9, 3, 15, 13, 5, -1, -1, 11, 14, -1, -1, -1, 12, 16, 18, -1, -1, 17, -1};
constexpr std::array<std::int32_t, 19> kEnvironmentTenths{
    10, 20, 40, 40, 70, 50, 60, 80, 80, 90, 120, 100, 150, 70, 90, 300, 5, 60, 100};
constexpr std::array<std::int32_t, 16> kQualityHundredths{
    50, 100, 150, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1300, 1400};
constexpr std::array<std::int32_t, 16> kBaseRateMillionths{
    120, 240, 360, 480, 600, 720, 840, 960, 1080, 1200, 1320, 1440, 1560, 1680, 1800, 1920};
constexpr std::array<Point, 21> kTemperature{{
    {0, 0.93f}, {5, 0.94f}, {10, 0.95f}, {15, 0.96f}, {20, 0.98f}, {25, 1.01f}, {30, 1.04f},
    {35, 1.09f}, {40, 1.14f}, {45, 1.21f}, {50, 1.3f}, {55, 1.41f}, {60, 1.55f}, {65, 1.72f},
    {70, 1.92f}, {75, 2.17f}, {80, 2.48f}, {85, 2.84f}, {90, 3.27f}, {95, 3.78f}, {100, 4.39f},
}};
constexpr std::array<Point, 10> kCycling{{
    {0, 1.0f}, {0.8f, 1.0f}, {1, 1.06f}, {2, 1.13f}, {3, 1.19f}, {4, 1.25f},
    {5, 1.32f}, {10, 1.63f}, {20, 2.26f}, {50, 4.15f},
}};

float load_f32(const std::uint8_t* record, std::size_t offset) {
    float value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

void store_f32(std::uint8_t* record, std::size_t offset, float value) {
    std::memcpy(record + offset, &value, sizeof value);
}

// The segment's line at x, extended beyond either end. The segment is found
// by a binary search without branches, as calc_item found it when this floor
// was set; the yardstick stays as it was.
template <std::size_t N>
float interpolate(const std::array<Point, N>& curve, float x) {
    const Point* upper = curve.data() + 1;
    std::size_t size = N - 1;
    while (size > 1) {
        const std::size_t half = size / 2;
        upper += half * static_cast<std::size_t>(upper[half - 1].x < x);
        size -= half;
    }
    const Point a = upper[-1], b = *upper;
    const double slope = (double{a.y} - b.y) / (double{a.x} - b.x);
    return static_cast<float>(a.y - slope * a.x + slope * x);
}

// One instance per category, so that the dispatch jumps to as many places as
// calc_item's does; the base rate's row differs so that no two are merged.
template <unsigned kItemCode>
int floor_model(std::uint8_t* record) {
    const int column = kEnvironmentColumn[record[GJBZ108A_ENVIRONMENT_CODE]];
    if (column < 0) return 1;
    std::uint8_t* block = record + GJBZ108A_ITEM_BLOCK;
    const unsigned type = --block[1] & 15u;
    const unsigned quality = --block[2] & 15u;

    const float pi_e = static_cast<float>(kEnvironmentTenths[static_cast<unsigned>(column)]) / 10.0f;
    const float pi_q = static_cast<float>(kQualityHundredths[quality]) / 100.0f;
    const float base_rate = static_cast<float>(kBaseRateMillionths[(type + kItemCode) & 15u]) / 1e6f;
    const float pi_t = interpolate(kTemperature, load_f32(record, GJBZ108A_TEMPERATURE));
    const float pi_cyc = interpolate(kCycling, load_f32(record, GJBZ108A_CYCLING_RATE));
    const float rate = base_rate * pi_e * pi_q * pi_t * pi_cyc;

    const std::array<float, 6> slots{rate, base_rate, pi_e, pi_q, pi_t, pi_cyc};
    std::memcpy(record + GJBZ108A_ITEM_RESULTS, slots.data(), sizeof slots);
    store_f32(record, GJBZ108A_FAILURE_RATE, rate);
    return 3;
}

using Kernel = int (*)(std::uint8_t* record);

// ItemCode -> kernel, as calc_item dispatches to its models.
constexpr std::array<Kernel, 34> kKernels{
    nullptr,            floor_model<1>,  floor_model<2>,  floor_model<3>,  nullptr,
    floor_model<5>,     floor_model<6>,  floor_model<7>,  floor_model<8>,  floor_model<9>,
    floor_model<10>,    floor_model<11>, floor_model<12>, floor_model<13>, floor_model<14>,
    floor_model<15>,    floor_model<16>, nullptr,         floor_model<18>, floor_model<19>,
    floor_model<20>,    floor_model<21>, floor_model<22>, nullptr,         floor_model<24>,
    floor_model<25>,    nullptr,         floor_model<27>, floor_model<28>, floor_model<29>,
    floor_model<30>,    floor_model<31>, nullptr,         floor_model<33>,
};

}  // namespace

int floor_calc(char*, std::uint8_t* record) {
    if (record[GJBZ108A_ITEM_CLASS] != 1) return 1;
    const unsigned environment = record[GJBZ108A_ENVIRONMENT_CODE];
    if (environment == 0 || environment > 27) return 1;
    store_f32(record, GJBZ108A_RESET_REAL, 1.0f);
    std::memset(record + GJBZ108A_RESET_WORD, 0, 4);
    const unsigned item_code = record[GJBZ108A_ITEM_CODE];
    const Kernel kernel = item_code < kKernels.size() ? kKernels[item_code] : nullptr;
    return kernel == nullptr ? 1 : kernel(record);
}

}  // namespace gjbz108a::bench
