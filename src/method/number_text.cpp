#include "method/number_text.h"

#include "records/field_types.h"

#include <gjbz108a/report.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>

namespace gjbz108a {
namespace {

constexpr int kMaxDecimals = 19;
// "-1.0E+38" is the shortest exponent text of a negative number.
constexpr int kExponentWidth = 8;

// FormatReal prints here before laying the text out. The longest text is a
// fixed one: 39 integer digits of the largest f32, a point, 19 decimals, a sign.
// std::to_chars rounds exactly as printf's %f and %E do (to the nearest, from
// the exact binary value) and is several times faster, which a report of a
// million parts notices.
class Scratch {
public:
    // A negative count of decimals (a width of 0 or 1 leaves no room) is
    // printf's "none given": six.
    int fixed(double value, int decimals) noexcept {
        if (decimals < 0) decimals = 6;
        return finish(std::to_chars(text_, std::end(text_) - 1, value, std::chars_format::fixed, decimals).ptr);
    }
    // printf's %.*E: an upper-case E and at least two exponent digits.
    int exponent(double value, int decimals) noexcept {
        if (decimals < 0) decimals = 6;
        char* end = std::to_chars(text_, std::end(text_) - 1, value, std::chars_format::scientific, decimals).ptr;
        std::replace(text_, end, 'e', 'E');
        return finish(end);
    }
    // The same text as fixed(units / 10^decimals, decimals) for units below
    // 2^52, without the general conversion: the quotient is within half an
    // ulp of units / 10^decimals, less than half a unit of the last decimal
    // at that size, so printing it rounds back to exactly these digits.
    int fixed_units(std::uint64_t units, int decimals, bool negative) noexcept {
        char digits[20];
        const char* const digits_end = std::to_chars(digits, std::end(digits), units).ptr;
        const int count = static_cast<int>(digits_end - digits);
        char* out = text_;
        if (negative) *out++ = '-';
        if (count <= decimals) {
            *out++ = '0';
            *out++ = '.';
            out = std::fill_n(out, decimals - count, '0');
            out = std::copy(static_cast<const char*>(digits), digits_end, out);
        } else {
            out = std::copy(static_cast<const char*>(digits), digits_end - decimals, out);
            if (decimals > 0) {
                *out++ = '.';
                out = std::copy(digits_end - decimals, digits_end, out);
            }
        }
        return finish(out);
    }
    int copy(std::string_view text) noexcept {
        return finish(std::copy(text.begin(), text.end(), text_));
    }
    std::string_view text() const noexcept { return {text_, length_}; }

private:
    int finish(char* end) noexcept {
        length_ = static_cast<std::size_t>(end - text_);
        return static_cast<int>(length_);
    }
    char text_[80];
    std::size_t length_ = 0;
};

// The digits of a whole number, as "%.0f" prints it; below 2^53 counted
// without printing (a report formats every factor cell).
int integer_digits(double whole, Scratch& scratch) noexcept {
    if (!(whole < 0x1p53)) return scratch.fixed(whole, 0);  // NaN too
    int digits = 1;
    for (auto n = static_cast<std::uint64_t>(whole); n >= 10; n /= 10) ++digits;
    return digits;
}

// The scratch text as exactly `width` characters: cut, or padded on the side
// that the alignment leaves free. A text that fills the width is never padded
// on the left.
void lay_out(char* text, int width, std::string_view printed, Align align) noexcept {
    const int length = static_cast<int>(printed.size());
    const int shown = std::min(length, width);
    if (length >= width || align == Align::left) {
        std::memcpy(text, printed.data(), shown);
        std::memset(text + shown, ' ', width - shown);
    } else {
        std::memset(text, ' ', width - shown);
        std::memcpy(text + width - shown, printed.data(), shown);
    }
    text[width] = '\0';
}

}  // namespace

FormatRealStatus FormatReal(char* text, int width, int decimals, double value, Align align) noexcept {
    const int negative = value < 0 ? 1 : 0;
    const double magnitude = std::fabs(value);
    const int room = width - negative;

    FormatRealStatus status = kFormatFixed;
    int d = decimals;
    if (d > kMaxDecimals) {
        d = kMaxDecimals;
        status = kFormatDecimalsCapped;
    }
    if (d > room - 2) {  // keep room for a digit and the point
        d = room - 2;
        status = kFormatDecimalsReduced;
    }

    Scratch scratch;
    if (magnitude >= kUndefinedF64) {
        scratch.copy(kUndefinedText);
        status = kFormatUndefined;
    } else if (magnitude == 0) {
        scratch.fixed(magnitude, d);
        status = kFormatZero;
    } else {
        // Halves round away from zero, whatever the printf in use does.
        const double scale = std::pow(10.0, d);
        const double units = std::trunc(magnitude * scale + 0.5);
        const double rounded = units / scale;
        const double integer_part = std::trunc(rounded);
        bool exponent = false;
        if (integer_part != 0) {
            const int digits = integer_digits(integer_part, scratch);
            if (digits + 1 + d + negative > width) {
                status = kFormatTooLarge;
                exponent = true;
            }
        } else if (rounded == 0) {
            status = kFormatVanishes;
            exponent = true;
        }

        if (!exponent) {
            const int printed = d >= 0 && units < 0x1p52
                                    ? scratch.fixed_units(static_cast<std::uint64_t>(units), d, negative)
                                    : scratch.fixed(negative ? -rounded : rounded, d);
            if (printed > width) {
                scratch.copy("ERROR");
                status = kFormatError;
            }
        } else if (width < negative + kExponentWidth) {
            const bool vanishes = status == kFormatVanishes;
            scratch.copy(std::string_view(vanishes ? "Underflow" : "Overflow").substr(0, std::max(width, 0)));
            status = vanishes ? kFormatUnderflow : kFormatOverflow;
        } else {
            const int digits = std::min(room - 7, 6);
            scratch.exponent(negative ? -magnitude : magnitude, digits);
        }
    }
    lay_out(text, width, scratch.text(), align);
    return status;
}

}  // namespace gjbz108a

// The type codes, not the storages, decide: 19, 20 and 21 answer the i32 value.
extern "C" int32_t entr_max_val(int32_t field_type_code) {
    using namespace gjbz108a;
    switch (field_type_code) {
    case 1: case 2: return kUndefinedByte;
    case 3: return kUndefinedI16;
    case 4: return kUndefinedU16;
    case 6: return static_cast<int32_t>(kUndefinedU32);
    default: return kUndefinedI32;
    }
}

extern "C" int32_t entr_mltoasc(char* text, int32_t value, int32_t length, int32_t field_type_code) {
    // A negative length is taken as 0: only the NUL is written.
    const std::size_t limit = length > 0 ? static_cast<std::size_t>(length) : 0;
    char digits[16];
    const char* source = gjbz108a::kUndefinedText;
    int32_t cut = 0;
    if (value != entr_max_val(field_type_code)) {
        const int printed = std::snprintf(digits, sizeof digits, "%ld", static_cast<long>(value));
        cut = static_cast<std::size_t>(printed) > limit ? 1 : 0;
        source = digits;
    }
    std::strncpy(text, source, limit);  // pads a shorter text with NULs
    text[limit] = '\0';
    return cut;
}
