#include "models/curve.h"

#include "records/message_number.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string_view>

namespace gjbz108a {
namespace {

// What a lookup found: the factor, the status and, unless valid, what the
// message says: " For <name><relation><number> the model ...".
struct Reading {
    float factor;
    Validity status = Validity::valid;
    std::string_view relation = {};
    float number = 0.0f;
};

constexpr std::string_view kBelow = " < ", kAbove = " > ", kAt = " = ";

Reading invalid(float x) noexcept { return {-1.0f, Validity::invalid, kAt, x}; }

Reading may_be_invalid(float y, std::string_view relation, float limit) noexcept {
    return {y, Validity::may_be_invalid, relation, limit};
}

Reading read_curve(Curve curve, float x) noexcept {
    // A value that is not a finite number lies nowhere on a curve: the model is
    // invalid for it (the search below would otherwise find no place for it).
    if (!std::isfinite(x)) return invalid(x);

    const CurvePoint first = curve.front();
    const CurvePoint last = curve.back();

    if (x < first.x) {
        // Below a curve that starts at x = 0 (every temperature and cycling
        // curve) the line through the origin is undefined. Such a value, a
        // storage temperature below 0 degrees say, keeps the first point's
        // factor, with the warning that the model may be invalid there.
        if (first.x == 0.0f) return may_be_invalid(first.y, kBelow, first.x);
        const auto y = static_cast<float>(interpolate_line(x, 0.0, 0.0, first.x, first.y));
        if (y < 0.0f) return invalid(x);
        return may_be_invalid(y, kBelow, first.x);
    }

    if (x > last.x) {
        if (last.y == -1.0f) return invalid(x);
        const CurvePoint before = curve[curve.size() - 2];
        const auto y = static_cast<float>(interpolate_line(x, before.x, before.y, last.x, last.y));
        // Far beyond the table the line can leave the range of f32; the models
        // get a finite factor or a refusal, never an infinity.
        if (!std::isfinite(y)) return invalid(x);
        return may_be_invalid(y, kAbove, last.x);
    }

    float factor;
    if (read_inside(curve, x, factor)) return {factor};
    return invalid(x);  // in a stretch marked invalid
}

constexpr std::size_t kMessageSize = 256;

// The message of a reading that is not valid, written at `out` with its NUL;
// returns the position of the NUL. The text is that of snprintf into
// kMessageSize bytes with the format " For %s<relation>%g<verdict>", cut off
// where snprintf would cut it, but put together piece by piece.
char* put_message(char* out, const Reading& reading, const char* name) noexcept {
    char number_text[kGeneralTextSize];
    const std::string_view number(number_text,
                                  static_cast<std::size_t>(put_general(number_text, reading.number) - number_text));
    const std::string_view verdict = reading.status == Validity::invalid ? " the model is invalid\n"
                                                                         : " the model may be invalid\n";
    char* const last = out + kMessageSize - 1;
    for (std::string_view piece : {std::string_view(" For "), std::string_view(name), reading.relation, number, verdict}) {
        const std::size_t size = std::min(piece.size(), static_cast<std::size_t>(last - out));
        std::memcpy(out, piece.data(), size);
        out += size;
    }
    *out = '\0';
    return out;
}

// Every lookup_curve call of the thread form overwrites it and the caller
// reads it at once. One per thread, so that lookups on several threads keep
// their own warnings.
struct CurveValidity {
    Validity status = Validity::valid;
    char message[kMessageSize] = {};
};
thread_local CurveValidity g_validity;

}  // namespace

float lookup_curve(Curve curve, float x, const char* name) noexcept {
    const Reading reading = read_curve(curve, x);
    CurveValidity& validity = g_validity;
    validity.status = reading.status;
    if (reading.status == Validity::valid)
        validity.message[0] = '\0';
    else
        put_message(validity.message, reading, name);
    return reading.factor;
}

float lookup_curve(Curve curve, float x, const char* name, Validity& status, char** cursor) noexcept {
    const Reading reading = read_curve(curve, x);
    status = reading.status;
    if (status != Validity::valid) *cursor = put_message(*cursor, reading, name);
    return reading.factor;
}

Validity validity_status() noexcept { return g_validity.status; }

const char* validity_message() noexcept { return g_validity.message; }

}  // namespace gjbz108a
