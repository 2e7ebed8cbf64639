#include "toolkit/number_entry.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace gjbz108a::toolkit {
namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

// What remains after leading blanks and tabs, and whether only blanks and
// tabs follow `end`.
std::string_view after_blanks(std::string_view text) {
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    return text;
}

bool only_blanks(const char* end) {
    while (blank(*end)) ++end;
    return *end == '\0';
}

}  // namespace

std::optional<std::uint32_t> parse_integer(std::string_view text, bool is_signed) {
    const std::string digits(after_blanks(text));
    const char* start = digits.c_str();
    char* end = nullptr;
    errno = 0;
    std::uint32_t result = 0;
    // The conversions of a C runtime whose long has 32 bits: the values are
    // read in 64 bits and saturate at the 32-bit limits as strtol and strtoul
    // do there, so that every build reads a text alike.
    if (is_signed) {
        const long long value = std::strtoll(start, &end, 10);
        const long long limited = std::clamp<long long>(value, std::numeric_limits<std::int32_t>::min(),
                                                        std::numeric_limits<std::int32_t>::max());
        result = static_cast<std::uint32_t>(static_cast<std::int32_t>(limited));
    } else {
        const unsigned long long value = std::strtoull(start, &end, 10);
        const char* sign = start;
        while (*sign != '\0' && std::isspace(static_cast<unsigned char>(*sign))) ++sign;
        const bool negative = *sign == '-';
        const unsigned long long magnitude = negative ? 0 - value : value;
        if (errno == ERANGE || magnitude > std::numeric_limits<std::uint32_t>::max())
            result = std::numeric_limits<std::uint32_t>::max();
        else
            result = static_cast<std::uint32_t>(negative ? 0 - magnitude : magnitude);
    }
    if (result == 0 && *start != '0') return std::nullopt;
    if (!only_blanks(end)) return std::nullopt;
    return result;
}

std::optional<double> parse_real(std::string_view text) {
    const std::string digits(after_blanks(text));
    const char* start = digits.c_str();
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    if (value == 0.0 && *start != '0') return std::nullopt;
    if (!only_blanks(end)) return std::nullopt;
    return value;
}

std::string general_form(double value, int digits) {
    if (!std::isfinite(value)) {
        char text[16];
        std::snprintf(text, sizeof text, "%g", value);
        return text;
    }
    // "-d.ddde+XX": the digits rounded to the precision, and the exponent.
    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, value);
    std::string_view form(scientific);
    std::string out;
    if (form.front() == '-') {
        out += '-';
        form.remove_prefix(1);
    }
    const std::size_t e = form.find('e');
    std::string mantissa;
    for (const char c : form.substr(0, e))
        if (c != '.') mantissa += c;
    const int exponent = std::atoi(std::string(form.substr(e + 1)).c_str());
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    if (exponent < -4 || exponent > digits - 1) {
        char tail[16];
        std::snprintf(tail, sizeof tail, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + mantissa.substr(0, 1) + "." + mantissa.substr(1) + tail;
    }
    if (exponent < 0) return out + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    const auto whole = static_cast<std::size_t>(exponent + 1);
    if (mantissa.size() < whole) mantissa.append(whole - mantissa.size(), '0');
    return out + mantissa.substr(0, whole) + "." + mantissa.substr(whole);
}

float narrow_to_float(double value) {
    constexpr double kFirstOverflow = 0x1.ffffffp127;  // halfway between the largest float and 2^128
    if (value >= kFirstOverflow) return std::numeric_limits<float>::infinity();
    if (value <= -kFirstOverflow) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

}  // namespace gjbz108a::toolkit
