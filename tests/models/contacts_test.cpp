// Switches (8), relays (9) and connectors (10).
#include "models/environments.h"
#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <utility>

namespace gjbz108a {
namespace {

using test::calculate;
using test::ItemRecord;
using test::expect_environment_column;

constexpr std::size_t kStyle = 151;
constexpr std::size_t kQuality = 152;
constexpr std::size_t kSeal = 153;
constexpr std::size_t kContactVoltage = 154;
constexpr std::size_t kUserQuality = 158;           // switches and relays
constexpr std::size_t kConnectorUserQuality = 154;
constexpr std::size_t kLinkage = 158;
constexpr std::size_t kCores = 159;

constexpr unsigned kSwitch = 8, kRelay = 9, kConnector = 10;

// ---- Switches ----

ItemRecord switch_part(unsigned environment, unsigned quality, float millivolts) {
    ItemRecord r(kSwitch, environment);
    r.u8(kStyle, 1).u8(kQuality, quality).f32(kContactVoltage, millivolts);
    return r;
}

TEST(Switch, EnvironmentFactorOfEveryEnvironment) {
    expect_environment_column([](unsigned e) { return switch_part(e, 3, 100); }, 2,
                              {1, 1.3f, 2, 6.4f, 7, 4, 3, 11, 5, 3.5f, 16, 3.3f, 8, 6, 5.3f, 9, 1, 20, 41});
}

TEST(Switch, QualityFactorsAndTheUserValue) {
    constexpr std::array<float, 4> pi_q{0.35f, 0.7f, 1, 4};
    for (unsigned code = 1; code <= 4; ++code) {
        ItemRecord r = switch_part(1, code, 100);
        calculate(r);
        EXPECT_EQ(r.slot(3), pi_q[code - 1]) << code;
    }
    ItemRecord user = switch_part(1, 5, 100);
    user.f32(kUserQuality, 2.75f);
    EXPECT_EQ(calculate(user).result, 3);
    EXPECT_EQ(user.slot(3), 2.75f);
    EXPECT_EQ(user.u8_at(kQuality), 4);  // decremented in place
}

TEST(Switch, ContactVoltageBoundaryAndWorkedProduct) {
    ItemRecord at50 = switch_part(8, 1, 50.0f);
    ItemRecord above = switch_part(1, 3, 50.1f);
    ItemRecord nan = switch_part(1, 3, std::numeric_limits<float>::quiet_NaN());
    const auto result = calculate(at50);
    calculate(above);
    calculate(nan);
    EXPECT_EQ(at50.slot(1), 0.069f);
    EXPECT_EQ(above.slot(1), 0.033f);
    EXPECT_EQ(nan.slot(1), 0.033f);
    // (11 x 0.069) x 0.35 in single precision; 11 x (0.069 x 0.35) differs.
    EXPECT_EQ(at50.slot(0), 0.265650004f);
    EXPECT_EQ(at50.failure_rate(), 0.265650004f);
    EXPECT_EQ(result.result, 3);
    EXPECT_TRUE(result.buffer_untouched);
}

TEST(Switch, TypeIsNotReadButAQualityOutsideTheListIsRefused) {
    ItemRecord no_type = switch_part(1, 3, 10);
    no_type.u8(kStyle, 0);
    EXPECT_EQ(calculate(no_type).result, 3);
    EXPECT_EQ(no_type.failure_rate(), 0.069f);

    ItemRecord r = switch_part(1, 6, 10);
    r.f32(GJBZ108A_FAILURE_RATE, 7.0f);
    const auto c = calculate(r);
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.messages, " Quality code 6 is not in the list 1..5\n");
    EXPECT_EQ(r.failure_rate(), 7.0f);
    EXPECT_EQ(r.slot(2), 1.0f);  // the environment factor was already stored
    ItemRecord none = switch_part(1, 0, 10);
    EXPECT_EQ(calculate(none).messages, " Quality code 0 is not in the list 1..5\n");
}

// ---- Relays ----

ItemRecord relay(unsigned environment, unsigned construction, unsigned quality, unsigned seal,
                 float millivolts) {
    ItemRecord r(kRelay, environment);
    r.u8(kStyle, construction).u8(kQuality, quality).u8(kSeal, seal).f32(kContactVoltage, millivolts);
    return r;
}

TEST(Relay, EnvironmentFactorOfEveryEnvironment) {
    expect_environment_column([](unsigned e) { return relay(e, 2, 5, 1, 100); }, 2,
                              {1, 1.1f, 1.5f, 4, 6, 5, 3, 14, 6.5f, 4.5f, 22, 4.5f, 8.5f, 7, 8, 15, 1, 20, 37});
}

TEST(Relay, EachConstructionReadsItsOwnQualityTable) {
    constexpr std::array<float, 6> electromechanical{0.2f, 0.35f, 0.45f, 0.7f, 1, 4};
    constexpr std::array<float, 6> fixed{0.3f, 0.3f, 0.4f, 0.6f, 1, 4};
    for (unsigned code = 1; code <= 6; ++code) {
        ItemRecord e = relay(1, 1, code, 1, 100);
        ItemRecord f = relay(1, 2, code, 1, 100);
        calculate(e);
        calculate(f);
        EXPECT_EQ(e.slot(3), electromechanical[code - 1]) << code;
        EXPECT_EQ(f.slot(3), fixed[code - 1]) << code;
    }
    ItemRecord user = relay(1, 1, 7, 1, 100);
    user.f32(kUserQuality, 0.125f);
    calculate(user);
    EXPECT_EQ(user.slot(3), 0.125f);
}

TEST(Relay, BaseRateBySealConstructionAndVoltage) {
    struct Case {
        unsigned construction, seal;
        float millivolts, base_rate;
    };
    constexpr std::array<Case, 8> cases{{
        {1, 1, 10, 0.002f},  {1, 2, 10, 0.0061f}, {1, 3, 10, 0.029f}, {1, 3, 50, 0.029f},
        {1, 3, 60, 0.014f},  {2, 3, 10, 0.021f},  {2, 1, 60, 0.021f}, {1, 1, 60, 0.002f},
    }};
    for (const Case& c : cases) {
        ItemRecord r = relay(1, c.construction, 5, c.seal, c.millivolts);
        EXPECT_EQ(calculate(r).result, 3);
        EXPECT_EQ(r.slot(1), c.base_rate) << c.construction << ' ' << c.seal << ' ' << c.millivolts;
    }
    // (1.1 x 0.0061) x 0.45 in single precision.
    ItemRecord r = relay(2, 1, 3, 2, 100);
    calculate(r);
    EXPECT_EQ(r.failure_rate(), 0.00301949983f);
}

TEST(Relay, SealIsReadOnlyWhenTheConstructionIsNotFixed) {
    ItemRecord fixed = relay(1, 2, 5, 0, 10);
    EXPECT_EQ(calculate(fixed).result, 3);
    EXPECT_EQ(fixed.failure_rate(), 0.021f);

    ItemRecord electromechanical = relay(1, 1, 5, 4, 10);
    const auto c = calculate(electromechanical);
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.messages, " Seal code 4 is not in the list 1..3\n");
    EXPECT_EQ(electromechanical.slot(3), 1.0f);  // quality came first
    EXPECT_EQ(electromechanical.slot(1), 0.0f);
}

TEST(Relay, AConstructionOutsideTheListTakesTheOtherBranchOfEachComparison) {
    // Neither "Electromechanical" (quality reads the fixed table) nor "Fixed"
    // (the base rate reads the seal table).
    ItemRecord r = relay(1, 3, 1, 2, 100);
    EXPECT_EQ(calculate(r).result, 3);
    EXPECT_EQ(r.slot(3), 0.3f);
    EXPECT_EQ(r.slot(1), 0.0061f);

    ItemRecord q = relay(1, 1, 8, 1, 100);
    EXPECT_EQ(calculate(q).messages, " Quality code 8 is not in the list 1..7\n");
}

// ---- Connectors ----

ItemRecord connector(unsigned environment, unsigned configuration, unsigned quality) {
    ItemRecord r(kConnector, environment);
    r.u8(kStyle, configuration).u8(kQuality, quality);
    return r;
}

ItemRecord fibre(unsigned environment, unsigned cores, unsigned linkage) {
    ItemRecord r = connector(environment, 5, 0);  // the quality is not read
    r.u8(kCores, cores).u8(kLinkage, linkage);
    return r;
}

TEST(Connector, EnvironmentFactorsAndIcSocketRatesOfEveryEnvironment) {
    expect_environment_column([](unsigned e) { return connector(e, 3, 4); }, 2,
                              {1, 1.4f, 1.5f, 3.8f, 5.2f, 2.5f, 2, 8, 3, 3, 10.5f, 2.6f, 6.2f, 4.3f, 5.6f, 8.4f, 1,
                               7, 14});
    // IC sockets: the failure rate itself, whatever the quality.
    expect_environment_column([](unsigned e) { return connector(e, 6, 0); }, 0,
                              {0.0003f, 0.0004f, 0.0005f, 0.0011f, 0.0018f, 0.0008f, 0.0006f, 0.0024f, 0.0009f,
                               0.0009f, 0.0032f, 0.0008f, 0.0019f, 0.0013f, 0.0017f, 0.0025f, 0.0003f, 0.0021f,
                               0.0042f});
}

TEST(Connector, IcSocketsStoreNoFactor) {
    ItemRecord sockets = connector(26, 6, 1);
    calculate(sockets);
    EXPECT_EQ(sockets.failure_rate(), 0.0042f);
    for (unsigned slot = 1; slot <= 4; ++slot) EXPECT_EQ(sockets.slot(slot), 0.0f) << slot;
}

TEST(Connector, BaseRateByConfigurationAndQualityFactors) {
    constexpr std::array<float, 4> base_rate{0.001f, 0.001f, 0.006f, 0.006f};
    for (unsigned configuration = 1; configuration <= 4; ++configuration) {
        ItemRecord r = connector(1, configuration, 4);
        calculate(r);
        EXPECT_EQ(r.slot(1), base_rate[configuration - 1]) << configuration;
        EXPECT_EQ(r.slot(4), 0.0f) << configuration;  // no linkage factor
    }
    constexpr std::array<float, 5> pi_q{0.3f, 0.45f, 0.75f, 1, 3.5f};
    for (unsigned code = 1; code <= 5; ++code) {
        ItemRecord r = connector(1, 2, code);
        calculate(r);
        EXPECT_EQ(r.slot(3), pi_q[code - 1]) << code;
    }
    ItemRecord user = connector(1, 1, 6);
    user.f32(kConnectorUserQuality, 1.5f);
    calculate(user);
    EXPECT_EQ(user.slot(3), 1.5f);

    // (0.001 x 1.4) x 0.75 in single precision.
    ItemRecord r = connector(2, 1, 3);
    calculate(r);
    EXPECT_EQ(r.failure_rate(), 0.00105000008f);
}

TEST(Connector, FibreReadsTheCoreCurveAndTheLinkageInsteadOfTheQuality) {
    ItemRecord three = fibre(1, 3, 2);  // SC, halfway between 2 and 4 cores
    const auto c = calculate(three);
    EXPECT_EQ(c.result, 3);
    EXPECT_FLOAT_EQ(three.slot(1), 0.01245f);
    EXPECT_EQ(three.slot(4), 2.4f);
    EXPECT_EQ(three.slot(3), 0.0f);
    EXPECT_FLOAT_EQ(three.failure_rate(), 0.02988f);

    // The first point, the flat end (a u8 count never reaches the last point)
    // and the three linkages; (2.4 x 0.011) x 1.5 exactly as ordered.
    ItemRecord one = fibre(3, 1, 2);
    ItemRecord many = fibre(1, 255, 3);
    ItemRecord fc = fibre(1, 10, 1);
    calculate(one);
    EXPECT_EQ(calculate(many).result, 3);
    calculate(fc);
    EXPECT_EQ(one.slot(1), 0.011f);
    EXPECT_EQ(one.failure_rate(), 0.0396000035f);
    EXPECT_EQ(many.slot(1), 0.019f);
    EXPECT_EQ(many.slot(4), 1.1f);
    EXPECT_EQ(fc.slot(4), 1.0f);
    EXPECT_EQ(fc.failure_rate(), 0.019f);
}

TEST(Connector, EveryPointOfTheFibreCurve) {
    constexpr std::array<std::pair<unsigned, float>, 6> points{{
        {1, 0.011f}, {2, 0.0117f}, {4, 0.0132f}, {6, 0.0149f}, {8, 0.0163f}, {10, 0.019f}}};
    for (auto [cores, base_rate] : points) {
        ItemRecord r = fibre(1, cores, 1);
        EXPECT_EQ(calculate(r).result, 3) << cores;
        EXPECT_EQ(r.slot(1), base_rate) << cores;
    }
}

TEST(Connector, NoCoresWarnsAndGivesZero) {
    ItemRecord r = fibre(1, 0, 1);
    const auto c = calculate(r);
    EXPECT_EQ(c.result, 2);
    EXPECT_EQ(c.messages, " For Number of core N < 1 the model may be invalid\n\n");
    EXPECT_EQ(r.slot(1), 0.0f);
    EXPECT_EQ(r.failure_rate(), 0.0f);
}

TEST(Connector, CodesOutsideTheirListsAreRefusedWhereTheyWouldBeRead) {
    ItemRecord configuration = connector(1, 7, 1);
    EXPECT_EQ(calculate(configuration).messages, " Configuration code 7 is not in the list 1..6\n");
    ItemRecord none = connector(1, 0, 1);
    EXPECT_EQ(calculate(none).messages, " Configuration code 0 is not in the list 1..6\n");
    ItemRecord quality = connector(1, 1, 7);
    EXPECT_EQ(calculate(quality).messages, " Quality code 7 is not in the list 1..6\n");

    ItemRecord linkage = fibre(1, 2, 4);
    const auto c = calculate(linkage);
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.messages, " Linkage code 4 is not in the list 1..3\n");
    EXPECT_EQ(linkage.slot(1), 0.0117f);  // the curve was read first
    // Other configurations never read the linkage.
    ItemRecord plain = connector(1, 1, 1);
    plain.u8(kLinkage, 9);
    EXPECT_EQ(calculate(plain).result, 3);
}

// ---- All three ----

TEST(ContactModels, MarkerTripleAndUnsupportedEnvironment) {
    for (unsigned item_code : {kSwitch, kRelay, kConnector}) {
        ItemRecord marked(item_code, 26);
        marked.u8(kStyle, 1).u8(kQuality, 1).u8(kSeal, 1).u8(kLinkage, 1).marker_triple();
        marked.f32(GJBZ108A_ITEM_RESULTS + 4, 5.0f).f32(GJBZ108A_FAILURE_RATE, 5.0f);
        const auto c = calculate(marked);
        EXPECT_EQ(c.result, 3) << item_code;
        EXPECT_TRUE(c.buffer_untouched) << item_code;
        EXPECT_EQ(marked.failure_rate(), 0.0f) << item_code;
        EXPECT_EQ(marked.slot(1), 0.0f) << item_code;

        ItemRecord unsupported(item_code, 14);
        unsupported.u8(kStyle, 1).u8(kQuality, 1);
        const auto u = calculate(unsupported);
        EXPECT_EQ(u.result, 1) << item_code;
        EXPECT_EQ(u.messages, " Environment not supported\n") << item_code;
        EXPECT_EQ(unsupported.u8_at(kQuality), 0) << item_code;
    }
}

}  // namespace
}  // namespace gjbz108a
