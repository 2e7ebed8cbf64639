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
double interpolate_line(double x, double xa, double ya, double xb, double yb) noexcept;

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

// The status and message of the calling thread's last lookup_curve call. The
// message ends in a line feed, or is empty when the status is valid.
Validity validity_status() noexcept;
const char* validity_message() noexcept;

}  // namespace gjbz108a
