#include "method/number_text.h"

#include "method/field_types.h"

#include <gjbz108a/report.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace gjbz108a {
namespace {

// FormatReal prints here before laying the text out. The longest text is a
// fixed one: 39 integer digits of the largest f32, a point, 19 decimals, a sign.
char scratch[80];

constexpr int kMaxDecimals = 19;
// "-1.0E+38" is the shortest exponent text of a negative number.
constexpr int kExponentWidth = 8;

int print(const char* format, auto... args) noexcept {
    return std::snprintf(scratch, sizeof scratch, format, args...);
}

// The scratch text as exactly `width` characters: cut, or padded on the side
// that the alignment leaves free. A text that fills the width is never padded
// on the left.
void lay_out(char* text, int width, Align align) noexcept {
    const int length = static_cast<int>(std::strlen(scratch));
    const int shown = std::min(length, width);
    if (length >= width || align == Align::left) {
        std::memcpy(text, scratch, shown);
        std::memset(text + shown, ' ', width - shown);
    } else {
        std::memset(text, ' ', width - shown);
        std::memcpy(text + width - shown, scratch, shown);
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

    if (magnitude >= kUndefinedF64) {
        print("%s", kUndefinedText);
        status = kFormatUndefined;
    } else if (magnitude == 0) {
        print("%.*f", d, magnitude);
        status = kFormatZero;
    } else {
        // Halves round away from zero, whatever the printf in use does.
        const double scale = std::pow(10.0, d);
        const double rounded = std::trunc(magnitude * scale + 0.5) / scale;
        const double integer_part = std::trunc(rounded);
        bool exponent = false;
        if (integer_part != 0) {
            const int digits = print("%.0f", integer_part);
            if (digits + 1 + d + negative > width) {
                status = kFormatTooLarge;
                exponent = true;
            }
        } else if (rounded == 0) {
            status = kFormatVanishes;
            exponent = true;
        }

        if (!exponent) {
            if (print("%.*f", d, negative ? -rounded : rounded) > width) {
                print("%s", "ERROR");
                status = kFormatError;
            }
        } else if (width < negative + kExponentWidth) {
            const bool vanishes = status == kFormatVanishes;
            print("%.*s", width, vanishes ? "Underflow" : "Overflow");
            status = vanishes ? kFormatUnderflow : kFormatOverflow;
        } else {
            const int digits = std::min(room - 7, 6);
            print(negative ? "-%.*E" : "%.*E", digits, magnitude);
        }
    }
    lay_out(text, width, align);
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
