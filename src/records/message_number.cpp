#include "records/message_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace gjbz108a {

char* put_general(char* out, float value) noexcept {
    char* const end = out + kGeneralTextSize;
    // A whole number of at most six digits, the usual limit of a curve: "%g"
    // rounds to six significant digits, which keeps it exact, and takes the
    // fixed style, whose decimals are all zeros and go with the point. What is
    // left is the sign (also of -0) and the digits.
    if (std::fabs(value) < 1e6f && std::trunc(value) == value) {
        if (std::signbit(value)) *out++ = '-';
        return std::to_chars(out, end, static_cast<std::uint32_t>(std::fabs(value))).ptr;
    }
    // to_chars with a precision writes what printf writes with that precision
    // in the C locale, and "%g" has precision 6.
    return std::to_chars(out, end, static_cast<double>(value), std::chars_format::general, 6).ptr;
}

}  // namespace gjbz108a
