#include "models/curve.h"

#include "records/message_number.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string_view>

namespace gjbz108a {
namespace {

// Every lookup overwrites it and the calling model reads it at once. One per
// thread, so that calculations on several threads keep their own warnings.
struct CurveValidity {
    Validity status = Validity::valid;
    char message[256] = {};
};
thread_local CurveValidity g_validity;

constexpr std::string_view kBelow = " < ", kAbove = " > ", kAt = " = ";
constexpr std::string_view kMayBeInvalid = " the model may be invalid\n";
constexpr std::string_view kInvalid = " the model is invalid\n";

// " For <name><relation><number><verdict>": the text of snprintf with the
// format " For %s<relation>%g<verdict>" into the message, cut off where
// snprintf would cut it, but put together piece by piece.
void set_message(CurveValidity& validity, const char* name, std::string_view relation, float number,
                 std::string_view verdict) noexcept {
    char number_text[kGeneralTextSize];
    const std::string_view number_piece(number_text,
                                        static_cast<std::size_t>(put_general(number_text, number) - number_text));
    char* out = validity.message;
    char* const last = validity.message + sizeof validity.message - 1;
    for (std::string_view piece : {std::string_view(" For "), std::string_view(name), relation, number_piece, verdict}) {
        const std::size_t size = std::min(piece.size(), static_cast<std::size_t>(last - out));
        std::memcpy(out, piece.data(), size);
        out += size;
    }
    *out = '\0';
}

float invalid(CurveValidity& validity, const char* name, float x) noexcept {
    validity.status = Validity::invalid;
    set_message(validity, name, kAt, x, kInvalid);
    return -1.0f;
}

float may_be_invalid(CurveValidity& validity, std::string_view relation, const char* name, float limit,
                     float y) noexcept {
    validity.status = Validity::may_be_invalid;
    set_message(validity, name, relation, limit, kMayBeInvalid);
    return y;
}

// The first point at or above x, where a walk from the first point upwards
// would stop; x lies within the curve, whose points ascend. A binary search
// that halves the stretch by arithmetic rather than a branch, which on varied
// values would be mispredicted every other step.
const CurvePoint* first_at_or_above(Curve curve, float x) noexcept {
    const CurvePoint* base = curve.data();
    std::size_t size = curve.size();
    while (size > 1) {
        const std::size_t half = size / 2;
        base += half * static_cast<std::size_t>(base[half - 1].x < x);
        size -= half;
    }
    return base;
}

}  // namespace

double interpolate_line(double x, double xa, double ya, double xb, double yb) noexcept {
    if (x == xa) return ya;
    if (x == xb) return yb;
    const double slope = (ya - yb) / (xa - xb);
    return ya - slope * xa + slope * x;
}

namespace {

float read_curve(CurveValidity& validity, Curve curve, float x, const char* name) noexcept {
    validity.status = Validity::valid;
    validity.message[0] = '\0';

    // A value that is not a finite number lies nowhere on a curve: the model is
    // invalid for it (the search below would otherwise find no place for it).
    if (!std::isfinite(x)) return invalid(validity, name, x);

    const CurvePoint first = curve.front();
    const CurvePoint last = curve.back();

    if (x < first.x) {
        // Below a curve that starts at x = 0 (every temperature and cycling
        // curve) the line through the origin is undefined. Such a value, a
        // storage temperature below 0 degrees say, keeps the first point's
        // factor, with the warning that the model may be invalid there.
        if (first.x == 0.0f) return may_be_invalid(validity, kBelow, name, first.x, first.y);
        const auto y = static_cast<float>(interpolate_line(x, 0.0, 0.0, first.x, first.y));
        if (y < 0.0f) return invalid(validity, name, x);
        return may_be_invalid(validity, kBelow, name, first.x, y);
    }

    if (x > last.x) {
        if (last.y == -1.0f) return invalid(validity, name, x);
        const CurvePoint before = curve[curve.size() - 2];
        const auto y = static_cast<float>(interpolate_line(x, before.x, before.y, last.x, last.y));
        // Far beyond the table the line can leave the range of f32; the models
        // get a finite factor or a refusal, never an infinity.
        if (!std::isfinite(y)) return invalid(validity, name, x);
        return may_be_invalid(validity, kAbove, name, last.x, y);
    }

    const CurvePoint* upper = first_at_or_above(curve, x);
    if (upper->x == x) return upper->y;
    const CurvePoint lower = upper[-1];
    if (lower.y == -1.0f) return invalid(validity, name, x);
    return static_cast<float>(interpolate_line(x, lower.x, lower.y, upper->x, upper->y));
}

}  // namespace

float lookup_curve(Curve curve, float x, const char* name) noexcept {
    return read_curve(g_validity, curve, x, name);
}

float lookup_curve(Curve curve, float x, const char* name, Validity& status) noexcept {
    CurveValidity& validity = g_validity;
    const float factor = read_curve(validity, curve, x, name);
    status = validity.status;
    return factor;
}

Validity validity_status() noexcept { return g_validity.status; }

const char* validity_message() noexcept { return g_validity.message; }

}  // namespace gjbz108a
