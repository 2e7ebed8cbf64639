// Piecewise-linear factor curves and the validity of a model for a value.
#pragma once

#include <span>

namespace gjbz108a {

struct CurvePoint {
    float x;
    float y;
};

// Points in strictly ascending x. A point whose y is exactly -1 marks the
// stretch up to the next point (or, for the last point, everything above the
// table) as a range where the model is invalid.
using Curve = std::span<const CurvePoint>;

enum class Validity { valid = 0, may_be_invalid = 1, invalid = 2 };

// The value at x of the straight line through (xa, ya) and (xb, yb).
inline double interpolate_line(double x, double xa, double ya, double xb, double yb) noexcept {
    if (x == xa) return ya;
    if (x == xb) return yb;
    const double slope = (ya - yb) / (xa - xb);
    return ya - slope * xa + slope * x;
}

// The first point at or above x, where a walk from the first point upwards
// would stop; x lies within the curve, whose points ascend, so it is the count
// of points below x. Counting them all has no chain of dependent loads and
// compares, which a binary search has, and on curves of the models' lengths (7
// to 53 points) it is the faster.
inline const CurvePoint* first_at_or_above(Curve curve, float x) noexcept {
    unsigned below = 0;  // 32 bits, so that four compares go into one vector add
    for (const CurvePoint& point : curve) below += point.x < x;
    return curve.data() + below;
}

// Reads the factor at x off the curve (at least two points) and judges the
// model's validity for x: beyond either end it extrapolates and warns, in an
// invalid stretch it refuses and returns -1. `name` names the parameter in the
// warning. Sets the calling thread's validity status and message, which the
// calling model reads at once.
float lookup_curve(Curve curve, float x, const char* name) noexcept;

// The same for a model, which takes the status from `status` and, unless it
// is valid, the message appended at *cursor (with its NUL; the cursor moves to
// the NUL). The thread's status and message are left alone: a calculation
// touches no per-thread state.
float lookup_curve(Curve curve, float x, const char* name, Validity& status, char** cursor) noexcept;

// The factor at x when x lies within the curve and outside any stretch marked
// invalid (a point of factor -1 starts one): the lookup's common case, which
// warns of nothing. False for every other x, NaN and either infinity included,
// as the points are finite.
inline bool read_inside(Curve curve, float x, float& factor) noexcept {
    if (!(curve.front().x <= x && x <= curve.back().x)) return false;
    const CurvePoint* upper = first_at_or_above(curve, x);
    if (upper->x == x) {
        factor = upper->y;
        return true;
    }
    const CurvePoint lower = upper[-1];
    if (lower.y == -1.0f) return false;
    factor = static_cast<float>(interpolate_line(x, lower.x, lower.y, upper->x, upper->y));
    return true;
}

// lookup_curve for a model with the common case inline; every other x takes
// the lookup above.
inline float read_factor(Curve curve, float x, const char* name, Validity& status, char** cursor) noexcept {
    float factor;
    if (read_inside(curve, x, factor)) {
        status = Validity::valid;
        return factor;
    }
    return lookup_curve(curve, x, name, status, cursor);
}

// The status and message of the calling thread's last lookup_curve call. The
// message ends in a line feed, or is empty when the status is valid.
Validity validity_status() noexcept;
const char* validity_message() noexcept;

}  // namespace gjbz108a
