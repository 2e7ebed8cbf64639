// The curves of the integrated-circuit models, as the documents give them:
// temperature, pin count, circuit size and power cycling. Read only by
// integrated_circuits.cpp.
#pragma once

#include "models/curve.h"

#include <array>
#include <cstddef>

namespace gjbz108a::ic {

// ---- Temperature factor PI t, x in degrees Celsius ----

// Every temperature curve has its points at 0, 5, ..., 100 degrees.
constexpr std::array<CurvePoint, 21> temperature_curve(const std::array<float, 21>& factors) {
    std::array<CurvePoint, 21> curve{};
    for (std::size_t i = 0; i < curve.size(); ++i) curve[i] = {5.0f * static_cast<float>(i), factors[i]};
    return curve;
}

constexpr auto kMemoryBipolarTemperature = temperature_curve({
    0.93f, 0.94f, 0.95f, 0.96f, 0.98f, 1.01f, 1.04f, 1.09f, 1.14f, 1.21f, 1.3f,
    1.41f, 1.55f, 1.72f, 1.92f, 2.17f, 2.48f, 2.84f, 3.27f, 3.78f, 4.39f});
constexpr auto kMemoryMosTemperature = temperature_curve({
    0.96f, 0.98f, 1.02f, 1.08f, 1.15f, 1.26f, 1.4f, 1.6f, 1.85f, 2.19f, 2.64f,
    3.21f, 3.95f, 4.89f, 6.08f, 7.58f, 9.44f, 11.76f, 14.61f, 18.09f, 22.34f});
constexpr auto kAnalogLinearTemperature = temperature_curve({
    0.98f, 1.02f, 1.07f, 1.15f, 1.26f, 1.4f, 1.59f, 1.85f, 2.2f, 2.65f, 3.24f,
    3.99f, 4.96f, 6.18f, 7.72f, 9.64f, 12.03f, 14.98f, 18.59f, 22.99f, 28.32f});
constexpr auto kAnalogGaAsTemperature = temperature_curve({
    0.92f, 0.93f, 0.94f, 0.97f, 1.01f, 1.06f, 1.14f, 1.25f, 1.42f, 1.65f, 1.97f,
    2.4f, 3.0f, 3.8f, 4.88f, 6.3f, 8.17f, 10.61f, 13.76f, 17.8f, 22.94f});
// Digital logic: Logic, PLA, PAL, PLD and FPGA.
constexpr auto kLogicBipolarTemperature = temperature_curve({
    0.93f, 0.94f, 0.95f, 0.96f, 0.98f, 1.0f, 1.03f, 1.06f, 1.11f, 1.16f, 1.22f,
    1.3f, 1.4f, 1.52f, 1.66f, 1.83f, 2.02f, 2.26f, 2.53f, 2.85f, 3.23f});
constexpr auto kLogicMosTemperature = temperature_curve({
    0.81f, 0.82f, 0.83f, 0.84f, 0.85f, 0.87f, 0.9f, 0.93f, 0.98f, 1.03f, 1.11f,
    1.2f, 1.32f, 1.48f, 1.67f, 1.9f, 2.19f, 2.54f, 2.96f, 3.48f, 4.1f});
// Digital processors: mPROC, DSP and Microcontroller.
constexpr auto kProcessorBipolarTemperature = temperature_curve({
    1.38f, 1.41f, 1.46f, 1.52f, 1.6f, 1.7f, 1.84f, 2.01f, 2.23f, 2.51f, 2.87f,
    3.31f, 3.86f, 4.53f, 5.35f, 6.35f, 7.56f, 9.01f, 10.74f, 12.79f, 15.22f});
constexpr auto kProcessorMosTemperature = temperature_curve({
    1.27f, 1.3f, 1.35f, 1.42f, 1.52f, 1.65f, 1.83f, 2.07f, 2.39f, 2.82f, 3.37f,
    4.09f, 5.01f, 6.19f, 7.05f, 9.55f, 11.88f, 14.77f, 18.33f, 22.6f, 28.0f});

// ---- Package term PI f, x = Active pins ----

constexpr std::array<CurvePoint, 18> kPackagedDualInLinePins{{
    {4, 0.0167f}, {6, 0.0269f}, {8, 0.0376f}, {10, 0.0488f}, {12, 0.0604f}, {14, 0.0724f},
    {16, 0.0846f}, {18, 0.0971f}, {20, 0.1098f}, {22, 0.1228f}, {24, 0.1359f}, {28, 0.1628f},
    {36, 0.2185f}, {40, 0.2471f}, {48, 0.3059f}, {64, 0.4283f}, {80, 0.5561f}, {100, 0.722f},
}};
constexpr std::array<CurvePoint, 22> kPackagedFlatPins{{
    {3, 0.0059f}, {4, 0.0092f}, {6, 0.017f}, {8, 0.0264f}, {10, 0.0372f}, {12, 0.0491f},
    {14, 0.0621f}, {16, 0.0762f}, {18, 0.0912f}, {20, 0.1072f}, {22, 0.124f}, {24, 0.1416f},
    {28, 0.1793f}, {36, 0.2632f}, {40, 0.3092f}, {48, 0.4086f}, {64, 0.6343f}, {80, 0.8922f},
    {100, 1.2549f}, {120, 1.6582f}, {140, 2.0988f}, {280, 6.0551f},
}};
// Splice Array, PGA and BGA.
constexpr std::array<CurvePoint, 24> kPackagedArrayPins{{
    {4, 0.0334f}, {6, 0.0521f}, {8, 0.0715f}, {10, 0.0914f}, {12, 0.1117f}, {14, 0.1323f},
    {16, 0.1533f}, {18, 0.1745f}, {20, 0.1959f}, {22, 0.2176f}, {24, 0.2394f}, {28, 0.2837f},
    {36, 0.374f}, {40, 0.42f}, {48, 0.5132f}, {64, 0.7043f}, {80, 0.9002f}, {100, 1.1506f},
    {120, 1.4062f}, {140, 1.666f}, {280, 3.5712f}, {320, 4.1362f}, {400, 5.2869f}, {500, 6.7578f},
}};
constexpr std::array<CurvePoint, 22> kPackagedChipCarrierPins{{
    {4, 0.0713f}, {6, 0.1113f}, {8, 0.1528f}, {10, 0.1953f}, {12, 0.2386f}, {14, 0.2827f},
    {16, 0.3274f}, {18, 0.3727f}, {20, 0.4185f}, {22, 0.4645f}, {24, 0.5115f}, {28, 0.606f},
    {36, 0.799f}, {40, 0.8972f}, {48, 1.0964f}, {64, 1.5046f}, {80, 1.9231f}, {100, 2.4582f},
    {120, 3.0041f}, {140, 3.5592f}, {280, 7.6293f}, {320, 8.8364f},
}};
constexpr std::array<CurvePoint, 13> kMetallicShellPins{{
    {2, 0.0031f}, {3, 0.0057f}, {4, 0.0088f}, {6, 0.0162f}, {8, 0.0249f}, {10, 0.0348f},
    {12, 0.0457f}, {14, 0.0576f}, {16, 0.0704f}, {18, 0.084f}, {20, 0.0954f}, {22, 0.1135f},
    {24, 0.1293f},
}};
constexpr std::array<CurvePoint, 18> kUnpackedDualInLinePins{{
    {4, 0.0217f}, {6, 0.0349f}, {8, 0.0489f}, {10, 0.0635f}, {12, 0.0785f}, {14, 0.0941f},
    {16, 0.11f}, {18, 0.1262f}, {20, 0.1428f}, {22, 0.1596f}, {24, 0.1767f}, {28, 0.2117f},
    {36, 0.284f}, {40, 0.3213f}, {48, 0.3977f}, {64, 0.5568f}, {80, 0.7229f}, {100, 0.9385f},
}};
constexpr std::array<CurvePoint, 22> kUnpackedFlatPins{{
    {3, 0.0088f}, {4, 0.0137f}, {6, 0.0255f}, {8, 0.0396f}, {10, 0.0557f}, {12, 0.0736f},
    {14, 0.0932f}, {16, 0.1143f}, {18, 0.1369f}, {20, 0.1608f}, {22, 0.186f}, {24, 0.2125f},
    {28, 0.2689f}, {36, 0.3949f}, {40, 0.4639f}, {48, 0.613f}, {64, 0.9515f}, {80, 1.3383f},
    {100, 1.8823f}, {120, 2.4573f}, {140, 3.1451f}, {280, 9.0826f},
}};
constexpr std::array<CurvePoint, 24> kUnpackedArrayPins{{
    {4, 0.044f}, {6, 0.0687f}, {8, 0.0943f}, {10, 0.1205f}, {12, 0.1472f}, {14, 0.1744f},
    {16, 0.202f}, {18, 0.23f}, {20, 0.2583f}, {22, 0.2868f}, {24, 0.3156f}, {28, 0.3759f},
    {36, 0.493f}, {40, 0.5536f}, {48, 0.6765f}, {64, 0.9283f}, {80, 1.1866f}, {100, 1.5167f},
    {120, 1.8536f}, {140, 2.1961f}, {280, 4.7075f}, {320, 5.4523f}, {400, 6.9691f}, {500, 8.908f},
}};
constexpr std::array<CurvePoint, 22> kUnpackedChipCarrierPins{{
    {4, 0.0925f}, {6, 0.1445f}, {8, 0.1983f}, {10, 0.2534f}, {12, 0.3097f}, {14, 0.3669f},
    {16, 0.425f}, {18, 0.4838f}, {20, 0.5432f}, {22, 0.6033f}, {24, 0.6639f}, {28, 0.7865f},
    {36, 1.037f}, {40, 1.1644f}, {48, 1.423f}, {64, 1.9527f}, {80, 2.496f}, {100, 3.1904f},
    {120, 3.8989f}, {140, 4.6194f}, {280, 9.9019f}, {320, 11.4686f},
}};

// The pin-count curve of each package, by 0-based package index.
constexpr std::array<Curve, 13> kPinCurveOfPackage{
    kPackagedDualInLinePins, kPackagedFlatPins, kPackagedArrayPins, kPackagedArrayPins,
    kPackagedArrayPins, kPackagedChipCarrierPins, kMetallicShellPins,
    kUnpackedDualInLinePins, kUnpackedFlatPins, kUnpackedArrayPins, kUnpackedArrayPins,
    kUnpackedArrayPins, kUnpackedChipCarrierPins,
};

// ---- Base rate Lbase by circuit size ----

// x = # of bits. The point at 1045576 (not 2^20 = 1048576) is the documented one.
constexpr std::array<CurvePoint, 26> kMemoryBits{{
    {16, 0.002401f}, {32, 0.002855f}, {64, 0.003395f}, {128, 0.004037f}, {256, 0.004801f},
    {320, 0.005077f}, {512, 0.00571f}, {1024, 0.00679f}, {2048, 0.008075f}, {2560, 0.008538f},
    {4096, 0.009602f}, {8192, 0.011419f}, {9216, 0.01176f}, {16384, 0.01358f}, {32768, 0.016149f},
    {65536, 0.019205f}, {131072, 0.022838f}, {262144, 0.027159f}, {524288, 0.032298f},
    {1045576, 0.038409f}, {2097152, 0.045677f}, {4194304, 0.054319f}, {8388608, 0.064597f},
    {16777216, 0.076819f}, {33554432, 0.091353f}, {67108864, 0.108638f},
}};

// x = # of transistors of an analog circuit.
constexpr std::array<CurvePoint, 13> kAnalogTransistors{{
    {50, 0.0061f}, {100, 0.0079f}, {200, 0.0102f}, {300, 0.0119f}, {400, 0.0132f}, {500, 0.0144f},
    {600, 0.0154f}, {700, 0.0163f}, {800, 0.0171f}, {900, 0.0178f}, {1000, 0.0186f},
    {3000, 0.0279f}, {5000, 0.0337f},
}};

// x = # of gates of digital logic.
constexpr std::array<CurvePoint, 32> kLogicGates{{
    {50, 0.0028f}, {100, 0.0032f}, {200, 0.0038f}, {300, 0.0041f}, {400, 0.0044f}, {500, 0.0046f},
    {600, 0.0048f}, {700, 0.005f}, {800, 0.0051f}, {900, 0.0052f}, {1000, 0.0054f},
    {3000, 0.0068f}, {5000, 0.0077f}, {7000, 0.0083f}, {9000, 0.0087f}, {10000, 0.0089f},
    {20000, 0.0104f}, {30000, 0.0114f}, {40000, 0.0121f}, {50000, 0.0127f}, {60000, 0.0133f},
    {80000, 0.0141f}, {100000, 0.0149f}, {300000, 0.019f}, {500000, 0.0212f}, {700000, 0.0229f},
    {900000, 0.0242f}, {1000000, 0.0247f}, {2000000, 0.0289f}, {3000000, 0.0316f},
    {4000000, 0.0336f}, {5000000, 0.0353f},
}};

// x = # of transistors of a digital processor.
constexpr std::array<CurvePoint, 53> kProcessorTransistors{{
    {50, 0.0022f}, {100, 0.0025f}, {200, 0.0028f}, {300, 0.003f}, {400, 0.0032f}, {500, 0.0033f},
    {600, 0.0035f}, {700, 0.0036f}, {800, 0.0036f}, {900, 0.0037f}, {1000, 0.0038f},
    {3000, 0.0046f}, {5000, 0.0051f}, {7000, 0.0054f}, {9000, 0.0057f}, {10000, 0.0058f},
    {20000, 0.0066f}, {30000, 0.0071f}, {40000, 0.0075f}, {50000, 0.0078f}, {60000, 0.0081f},
    {70000, 0.0083f}, {80000, 0.0085f}, {100000, 0.0089f}, {300000, 0.0109f}, {500000, 0.0119f},
    {700000, 0.0127f}, {900000, 0.0133f}, {1000000, 0.0136f}, {2000000, 0.0154f},
    {3000000, 0.0166f}, {4000000, 0.0175f}, {5000000, 0.0183f}, {6000000, 0.0189f},
    {7000000, 0.0194f}, {8000000, 0.0199f}, {9000000, 0.0204f}, {10000000, 0.0208f},
    {20000000, 0.0236f}, {30000000, 0.0254f}, {40000000, 0.0268f}, {50000000, 0.0279f},
    {60000000, 0.0289f}, {70000000, 0.0297f}, {80000000, 0.0305f}, {90000000, 0.0311f},
    {100000000, 0.0317f}, {120000000, 0.0328f}, {140000000, 0.0338f}, {160000000, 0.0346f},
    {180000000, 0.0354f}, {200000000, 0.0361f}, {220000000, 0.0367f},
}};

// ---- Power cycling PI cyc, x = on/off cycles per 1000 hours ----

constexpr std::array<CurvePoint, 9> kCycling{{
    {0, 1.0f}, {1, 1.02f}, {2, 1.04f}, {3, 1.06f}, {4, 1.08f}, {5, 1.1f}, {10, 1.2f}, {20, 1.4f},
    {50, 2.0f},
}};

}  // namespace gjbz108a::ic
