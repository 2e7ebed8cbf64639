// Spot checks of every table and curve of the integrated-circuit models, with
// the expected values read off the documented tables by hand: every environment
// column, every quality and learning entry, every GaAs base rate, and for every
// curve its first and last point and one value between two points.
#include "models/ic_part.h"

#include <gtest/gtest.h>

namespace gjbz108a::test {
namespace {

namespace f = ic_field;

struct Point {
    float x;
    float factor;
};

// First point, last point, and a value halfway between two neighbouring points.
struct CurveCheck {
    const char* name;
    Point first, last, between;
};

// Computes `part` with `x` put in place by `set_x` and returns the factor in `slot`.
template <typename SetX>
void check_curve(ItemRecord part, unsigned slot, const CurveCheck& check, SetX set_x) {
    for (const Point& p : {check.first, check.last, check.between}) {
        ItemRecord computed = part;
        set_x(computed, p.x);
        const Calculation calc = calculate(computed);
        EXPECT_EQ(calc.result, 3) << check.name << " at " << p.x << ": " << calc.messages;
        EXPECT_FLOAT_EQ(computed.slot(slot), p.factor) << check.name << " at " << p.x;
    }
}

TEST(IcTables, EnvironmentFactorsOfBothPackageGroups) {
    struct Row {
        unsigned environment_code;
        float packaged, unpacked;
    };
    // In EnvironmentCode order.
    const Row rows[] = {
        {1, 1, 1},      {2, 1.5f, 2},    {3, 2.4f, 4},   {4, 6.3f, 10.3f}, {5, 6.8f, 14},
        {6, 6.7f, 12},  {7, 4.3f, 7.8f}, {8, 11, 23},    {9, 8.5f, 15},    {10, 6, 12},
        {11, 16, 30},   {12, 8, 15},     {13, 9, 17},    {16, 11.4f, 20},  {17, 12, 21},
        {21, 17, 33},   {22, 1.2f, 1.5f}, {23, 10, 22},  {26, 23, 46},
    };
    for (const Row& row : rows) {
        for (unsigned package = 1; package <= 13; ++package) {
            ItemRecord part = ic_part(package % 3 + 1, row.environment_code);
            part.u8(f::package, package);
            ASSERT_EQ(calculate(part).result, 3);
            EXPECT_EQ(part.slot(kPiE), package <= 7 ? row.packaged : row.unpacked)
                << "EnvironmentCode " << row.environment_code << ", package " << package;
        }
    }
}

TEST(IcTables, QualityAndLearningFactors) {
    const float quality[] = {0.15f, 0.25f, 0.40f, 0.70f, 1.00f, 2.00f, 6.00f};
    for (unsigned code = 1; code <= 7; ++code) {
        ItemRecord part = ic_part(kIcDigital);
        part.u8(f::quality, code);
        ASSERT_EQ(calculate(part).result, 3);
        EXPECT_EQ(part.slot(kPiQ), quality[code - 1]) << "Qual " << code;
    }
    const float learning[] = {1, 2, 5};
    for (unsigned code = 1; code <= 3; ++code) {
        ItemRecord part = ic_part(kIcAnalog);
        part.u8(f::learning, code);
        ASSERT_EQ(calculate(part).result, 3);
        EXPECT_EQ(part.slot(kPiL), learning[code - 1]) << "Learn fact. " << code;
    }
}

TEST(IcTables, TemperatureCurves) {
    struct Case {
        unsigned item_code, type, tech;
        CurveCheck check;
    };
    const Case cases[] = {
        {kIcMemory, 1, 1, {"M-Bip", {0, 0.93f}, {100, 4.39f}, {12.5f, 0.955f}}},
        {kIcMemory, 1, 2, {"M-MOS", {0, 0.96f}, {100, 22.34f}, {27.5f, 1.33f}}},
        {kIcAnalog, 1, 1, {"A-Lin", {0, 0.98f}, {100, 28.32f}, {42.5f, 2.425f}}},
        {kIcAnalog, 2, 1, {"A-GaAs", {0, 0.92f}, {100, 22.94f}, {57.5f, 2.7f}}},
        {kIcDigital, 3, 1, {"D-Bip", {0, 0.93f}, {100, 3.23f}, {72.5f, 1.745f}}},
        {kIcDigital, 5, 2, {"D-MOS", {0, 0.81f}, {100, 4.1f}, {87.5f, 2.75f}}},
        {kIcDigital, 7, 1, {"P-Bip", {0, 1.38f}, {100, 15.22f}, {97.5f, 14.005f}}},
        {kIcDigital, 8, 2, {"P-MOS", {0, 1.27f}, {100, 28.0f}, {62.5f, 5.6f}}},
    };
    for (const Case& c : cases) {
        ItemRecord part = ic_part(c.item_code);
        part.u8(f::type, c.type).u8(f::tech, c.tech);
        check_curve(part, kPiT, c.check, [](ItemRecord& r, float x) { r.temperature(x); });
    }
}

TEST(IcTables, PinCountCurveOfEveryPackage) {
    const CurveCheck p3{"P3", {4, 0.0334f}, {500, 6.7578f}, {450, 6.02235f}};
    const CurveCheck u3{"U3", {4, 0.044f}, {500, 8.908f}, {44, 0.61505f}};
    const CurveCheck by_package[] = {
        {"P1", {4, 0.0167f}, {100, 0.722f}, {32, 0.19065f}},
        {"P2", {3, 0.0059f}, {280, 6.0551f}, {210, 4.07695f}},
        p3, p3, p3,
        {"P4", {4, 0.0713f}, {320, 8.8364f}, {300, 8.23285f}},
        {"P5", {2, 0.0031f}, {24, 0.1293f}, {23, 0.1214f}},
        {"U1", {4, 0.0217f}, {100, 0.9385f}, {90, 0.8307f}},
        {"U2", {3, 0.0088f}, {280, 9.0826f}, {130, 2.8012f}},
        u3, u3, u3,
        {"U4", {4, 0.0925f}, {320, 11.4686f}, {56, 1.68785f}},
    };
    for (unsigned package = 1; package <= 13; ++package) {
        ItemRecord part = ic_part(kIcDigital);
        part.u8(f::package, package);
        check_curve(part, kPiF, by_package[package - 1],
                    [](ItemRecord& r, float x) { r.u16(f::pins, static_cast<std::uint16_t>(x)); });
    }
}

TEST(IcTables, SizeCurves) {
    check_curve(ic_part(kIcMemory), kLbase,
                {"bits", {16, 0.002401f}, {67108864, 0.108638f}, {12800, 0.01267f}},
                [](ItemRecord& r, float x) { r.f32(f::size, x); });
    check_curve(ic_part(kIcAnalog), kLbase,
                {"analog transistors", {50, 0.0061f}, {5000, 0.0337f}, {2000, 0.02325f}},
                [](ItemRecord& r, float x) { r.i32(f::size, static_cast<std::int32_t>(x)); });
    check_curve(ic_part(kIcDigital), kLbase,
                {"gates", {50, 0.0028f}, {5000000, 0.0353f}, {150, 0.0035f}},
                [](ItemRecord& r, float x) { r.u32(f::size, static_cast<std::uint32_t>(x)); });
    ItemRecord processor = ic_part(kIcDigital);
    processor.u8(f::type, 6);
    check_curve(processor, kLbase,
                {"processor transistors", {50, 0.0022f}, {220000000, 0.0367f}, {110000000, 0.03225f}},
                [](ItemRecord& r, float x) { r.u32(f::size, static_cast<std::uint32_t>(x)); });
}

TEST(IcTables, CyclingCurve) {
    for (unsigned item_code : {kIcMemory, kIcAnalog, kIcDigital}) {
        check_curve(ic_part(item_code), kPiCyc, {"cycling", {0, 1}, {50, 2}, {35, 1.7f}},
                    [](ItemRecord& r, float x) { r.cycling_rate(x); });
    }
}

TEST(IcTables, GaAsBaseRates) {
    struct Row {
        unsigned package, seal;
        float mesfet, hbt, hemt;
    };
    const Row rows[] = {
        {1, 3, 0.0028f, 0.0039f, 0.0118f}, {1, 1, 0.0029f, 0.0039f, 0.0118f},
        {1, 2, 0.0029f, 0.0039f, 0.0118f}, {2, 0, 0.0028f, 0.0038f, 0.0117f},
        {7, 0, 0.0028f, 0.0039f, 0.0118f}, {8, 0, 0.0030f, 0.0041f, 0.0120f},
        {9, 0, 0.0030f, 0.0041f, 0.0120f}, {10, 0, 0.0030f, 0.0041f, 0.0120f},
        {11, 0, 0.0030f, 0.0041f, 0.0120f}, {12, 0, 0.0030f, 0.0041f, 0.0120f},
        {13, 0, 0.0030f, 0.0041f, 0.0120f}, {3, 1, 0, 0, 0},
        {4, 1, 0, 0, 0}, {5, 1, 0, 0, 0}, {6, 1, 0, 0, 0},
    };
    for (const Row& row : rows) {
        const float by_tech[] = {row.mesfet, row.hbt, row.hemt};
        for (unsigned tech = 1; tech <= 3; ++tech) {
            ItemRecord part = ic_part(kIcAnalog);
            part.u8(f::type, 2).u8(f::package, row.package).u8(f::seal, row.seal).u8(f::tech, tech);
            ASSERT_EQ(calculate(part).result, 3);
            EXPECT_EQ(part.slot(kLbase), by_tech[tech - 1])
                << "package " << row.package << ", seal " << row.seal << ", Tech " << tech;
        }
    }
}

}  // namespace
}  // namespace gjbz108a::test
