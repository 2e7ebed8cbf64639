#include "models/curve.h"

#include <cmath>
#include <cstdio>

namespace gjbz108a {
namespace {

// Every lookup overwrites it and the calling model reads it at once. One per
// thread, so that calculations on several threads keep their own warnings.
struct CurveValidity {
    Validity status = Validity::valid;
    char message[256] = {};
};
thread_local CurveValidity g_validity;

float invalid(const char* name, float x) noexcept {
    g_validity.status = Validity::invalid;
    std::snprintf(g_validity.message, sizeof g_validity.message,
                  " For %s = %g the model is invalid\n", name, static_cast<double>(x));
    return -1.0f;
}

float may_be_invalid(const char* format, const char* name, float limit, float y) noexcept {
    g_validity.status = Validity::may_be_invalid;
    std::snprintf(g_validity.message, sizeof g_validity.message, format, name,
                  static_cast<double>(limit));
    return y;
}

constexpr const char* kBelow = " For %s < %g the model may be invalid\n";
constexpr const char* kAbove = " For %s > %g the model may be invalid\n";

}  // namespace

double interpolate_line(double x, double xa, double ya, double xb, double yb) noexcept {
    if (x == xa) return ya;
    if (x == xb) return yb;
    const double slope = (ya - yb) / (xa - xb);
    return ya - slope * xa + slope * x;
}

float lookup_curve(Curve curve, float x, const char* name) noexcept {
    g_validity.status = Validity::valid;
    g_validity.message[0] = '\0';

    // A value that is not a finite number lies nowhere on a curve: the model is
    // invalid for it (the walk below would otherwise never find its place).
    if (!std::isfinite(x)) return invalid(name, x);

    const CurvePoint first = curve.front();
    const CurvePoint last = curve.back();

    if (x < first.x) {
        // Below a curve that starts at x = 0 (every temperature and cycling
        // curve) the line through the origin is undefined. Such a value, a
        // storage temperature below 0 degrees say, keeps the first point's
        // factor, with the warning that the model may be invalid there.
        if (first.x == 0.0f) return may_be_invalid(kBelow, name, first.x, first.y);
        const auto y = static_cast<float>(interpolate_line(x, 0.0, 0.0, first.x, first.y));
        if (y < 0.0f) return invalid(name, x);
        return may_be_invalid(kBelow, name, first.x, y);
    }

    if (x > last.x) {
        if (last.y == -1.0f) return invalid(name, x);
        const CurvePoint before = curve[curve.size() - 2];
        const auto y = static_cast<float>(interpolate_line(x, before.x, before.y, last.x, last.y));
        // Far beyond the table the line can leave the range of f32; the models
        // get a finite factor or a refusal, never an infinity.
        if (!std::isfinite(y)) return invalid(name, x);
        return may_be_invalid(kAbove, name, last.x, y);
    }

    std::size_t i = 0;
    for (; i < curve.size(); ++i) {
        if (curve[i].x == x) return curve[i].y;
        if (curve[i].x > x) break;
    }
    const CurvePoint lower = curve[i - 1];
    const CurvePoint upper = curve[i];
    if (lower.y == -1.0f) return invalid(name, x);
    return static_cast<float>(interpolate_line(x, lower.x, lower.y, upper.x, upper.y));
}

Validity validity_status() noexcept { return g_validity.status; }

const char* validity_message() noexcept { return g_validity.message; }

}  // namespace gjbz108a
