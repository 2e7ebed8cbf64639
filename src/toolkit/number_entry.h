// Numbers as a user types them into an edit control and as the control shows
// them: the parsers and the shortest general form of the data exchange.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gjbz108a::toolkit {

// Base 10 after blanks and tabs, as the 32-bit C runtime's strtol (signed)
// or strtoul converts it, blanks and tabs after. A zero whose first
// character is not the digit 0 ("-0", "+0", "x") is no number, and neither
// is a text with anything else after the digits.
std::optional<std::uint32_t> parse_integer(std::string_view text, bool is_signed);

// The same for a real, converted as strtod: "0.5" and " 0 " are numbers,
// ".5"'s zero twin ".0" and "-0" are not.
std::optional<double> parse_real(std::string_view text);

// `value` with `digits` significant digits in the shortest general form:
// fixed when the exponent is from -4 to digits - 1, else d.ddde+NNN; trailing
// zeros dropped, the decimal point always kept ("10.", "1.5", "1.e-005").
std::string general_form(double value, int digits);

// A real narrowed to float as IEEE arithmetic does: beyond the largest float
// an infinity.
float narrow_to_float(double value);

}  // namespace gjbz108a::toolkit
