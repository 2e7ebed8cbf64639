// The fast paths of the curve lookup against the straightforward ones, on
// millions of values: the "%g" text of put_general against snprintf's, and
// lookup_curve (points below x counted, messages put together piece by piece)
// against a walk from the first point with snprintf messages, in its thread's
// form and in the models' (read_factor, inline within the curve).
// Any difference fails loudly, with the first few cases; the count of values
// compared is printed.
#include "models/curve.h"
#include "records/message_number.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using gjbz108a::CurvePoint;
using gjbz108a::Validity;

long g_differences = 0;

void report(const std::string& what) {
    if (++g_differences <= 10) std::fprintf(stderr, "DIFFERENCE: %s\n", what.c_str());
}

// ---- "%g" ----

void check_general(float value) {
    char expected[64];
    std::snprintf(expected, sizeof expected, "%g", static_cast<double>(value));
    char text[gjbz108a::kGeneralTextSize];
    const std::string actual(text, gjbz108a::put_general(text, value));
    if (actual != expected)
        report("put_general(" + std::to_string(std::bit_cast<std::uint32_t>(value)) + ") = '" + actual +
               "', snprintf gives '" + expected + "'");
}

long check_general_texts(std::mt19937& random) {
    long count = 0;
    // Every whole number up to 2^21 either side, and their neighbours.
    for (std::int32_t n = -(1 << 21); n <= (1 << 21); ++n, count += 3) {
        const auto value = static_cast<float>(n);
        check_general(value);
        check_general(std::nextafter(value, -INFINITY));
        check_general(std::nextafter(value, INFINITY));
    }
    // Any bit pattern: every magnitude, subnormals, infinities and NaNs.
    for (int i = 0; i < 4'000'000; ++i, ++count) check_general(std::bit_cast<float>(static_cast<std::uint32_t>(random())));
    // Around the powers of ten, where the style and the rounding turn.
    for (int exponent = -45; exponent <= 38; ++exponent) {
        float value = static_cast<float>(std::pow(10.0, exponent));
        for (int step = 0; step < 2000; ++step, count += 2) {
            check_general(value);
            check_general(-value);
            value = std::nextafter(value, step < 1000 ? 0.0f : INFINITY);
            if (step == 999) value = static_cast<float>(std::pow(10.0, exponent));
        }
    }
    check_general(-0.0f);
    return count + 1;
}

// ---- lookup_curve ----

struct Lookup {
    float factor;
    Validity status;
    std::string message;
};

// The lookup as a walk from the first point, its messages made by snprintf.
Lookup walk_lookup(const std::vector<CurvePoint>& curve, float x, const char* name) {
    char message[256] = {};
    auto invalid = [&] {
        std::snprintf(message, sizeof message, " For %s = %g the model is invalid\n", name, static_cast<double>(x));
        return Lookup{-1.0f, Validity::invalid, message};
    };
    auto may_be_invalid = [&](const char* format, float limit, float y) {
        std::snprintf(message, sizeof message, format, name, static_cast<double>(limit));
        return Lookup{y, Validity::may_be_invalid, message};
    };
    constexpr const char* kBelow = " For %s < %g the model may be invalid\n";
    constexpr const char* kAbove = " For %s > %g the model may be invalid\n";
    if (!std::isfinite(x)) return invalid();
    const CurvePoint first = curve.front(), last = curve.back();
    if (x < first.x) {
        if (first.x == 0.0f) return may_be_invalid(kBelow, first.x, first.y);
        const auto y = static_cast<float>(gjbz108a::interpolate_line(x, 0.0, 0.0, first.x, first.y));
        if (y < 0.0f) return invalid();
        return may_be_invalid(kBelow, first.x, y);
    }
    if (x > last.x) {
        if (last.y == -1.0f) return invalid();
        const CurvePoint before = curve[curve.size() - 2];
        const auto y = static_cast<float>(gjbz108a::interpolate_line(x, before.x, before.y, last.x, last.y));
        if (!std::isfinite(y)) return invalid();
        return may_be_invalid(kAbove, last.x, y);
    }
    std::size_t i = 0;
    for (; i < curve.size(); ++i) {
        if (curve[i].x == x) return {curve[i].y, Validity::valid, ""};
        if (curve[i].x > x) break;
    }
    if (curve[i - 1].y == -1.0f) return invalid();
    return {static_cast<float>(gjbz108a::interpolate_line(x, curve[i - 1].x, curve[i - 1].y, curve[i].x, curve[i].y)),
            Validity::valid, ""};
}

// A curve of 2 to 60 points in ascending x over a random scale, now and then
// with a stretch marked invalid (y = -1).
std::vector<CurvePoint> random_curve(std::mt19937& random) {
    const std::size_t size = std::uniform_int_distribution<std::size_t>(2, 60)(random);
    const double scale = std::pow(10.0, std::uniform_int_distribution<int>(-3, 8)(random));
    const bool whole = random() % 2 == 0;  // pin counts and temperatures
    std::vector<CurvePoint> curve;
    double x = std::uniform_int_distribution<int>(-1, 3)(random) * scale / 4;
    while (curve.size() < size) {
        const auto point_x = static_cast<float>(whole ? std::round(x) : x);
        if (curve.empty() || point_x > curve.back().x) {
            const bool marked = random() % 16 == 0;
            curve.push_back({point_x, marked ? -1.0f : static_cast<float>(std::uniform_real_distribution<double>(-1, 50)(random))});
        }
        x += std::uniform_real_distribution<double>(0.01, 1.0)(random) * scale;
    }
    return curve;
}

float random_x(std::mt19937& random, const std::vector<CurvePoint>& curve) {
    const CurvePoint first = curve.front(), last = curve.back();
    switch (random() % 8) {
    case 0: return curve[random() % curve.size()].x;  // on a point
    case 1: return std::nextafter(curve[random() % curve.size()].x, random() % 2 ? INFINITY : -INFINITY);
    case 2: return first.x - std::abs(last.x - first.x) * static_cast<float>(random() % 100) / 50.0f;  // below
    case 3: return last.x + std::abs(last.x - first.x) * static_cast<float>(random() % 100) / 50.0f;  // above
    case 4: return std::bit_cast<float>(static_cast<std::uint32_t>(random()));  // anything, NaN included
    default:
        return static_cast<float>(std::uniform_real_distribution<double>(first.x, last.x)(random));
    }
}

long check_lookups(std::mt19937& random) {
    constexpr const char* kNames[] = {"Temperature", " Circulation rate/1000 hours", "Number of core N"};
    long count = 0;
    for (int c = 0; c < 40'000; ++c) {
        const std::vector<CurvePoint> curve = random_curve(random);
        for (int i = 0; i < 100; ++i, ++count) {
            const float x = random_x(random, curve);
            const char* name = kNames[random() % 3];
            const Lookup expected = walk_lookup(curve, x, name);
            const float factor = gjbz108a::lookup_curve(curve, x, name);
            if (std::bit_cast<std::uint32_t>(factor) != std::bit_cast<std::uint32_t>(expected.factor) ||
                gjbz108a::validity_status() != expected.status || expected.message != gjbz108a::validity_message())
                report("lookup_curve on a curve of " + std::to_string(curve.size()) + " points at x = " +
                       std::to_string(x) + ": " + std::to_string(factor) + " '" + gjbz108a::validity_message() +
                       "', the walk gives " + std::to_string(expected.factor) + " '" + expected.message + "'");
            // The models' form: the same factor and status, and the message
            // appended at the cursor, which stays put when there is none.
            Validity status = Validity::valid;
            char appended[300];
            char* cursor = appended;
            const float model_factor = gjbz108a::read_factor(curve, x, name, status, &cursor);
            const std::string model_message =
                cursor == appended ? "" : std::string(appended, static_cast<std::size_t>(cursor - appended));
            if (std::bit_cast<std::uint32_t>(model_factor) != std::bit_cast<std::uint32_t>(expected.factor) ||
                status != expected.status || model_message != expected.message || (cursor != appended && *cursor != '\0'))
                report("read_factor on a curve of " + std::to_string(curve.size()) +
                       " points at x = " + std::to_string(x) + " differs from the walk");
        }
    }
    return count;
}

}  // namespace

int main() {
    std::mt19937 random(108);
    const long texts = check_general_texts(random);
    const long lookups = check_lookups(random);
    std::printf("fast paths against the straightforward ones: %ld %%g texts, %ld curve lookups, %ld differences\n",
                texts, lookups, g_differences);
    return g_differences == 0 ? 0 : 1;
}
