// Numbers as report text: the one real-number formatter of the report cells.
// The integer formatter is the exported entr_mltoasc (<gjbz108a/report.h>).
#pragma once

namespace gjbz108a {

// What FormatReal did; the report cells ignore it, the text says it all.
enum FormatRealStatus : int {
    kFormatError = -1,           // the fixed text did not fit: "ERROR"
    kFormatFixed = 0,            // fixed notation
    kFormatZero = 1,             // the value is 0
    kFormatOverflow = 2,         // too large even in exponent notation: "Overflow"
    kFormatUnderflow = 3,        // too small even in exponent notation: "Underflow"
    kFormatDecimalsCapped = 4,   // more than 19 decimals were asked for
    kFormatDecimalsReduced = 5,  // the decimals were reduced to fit the width
    kFormatVanishes = 6,         // exponent notation: 0 at the decimals asked for
    kFormatTooLarge = 7,         // exponent notation: the integer part does not fit
    kFormatUndefined = 8,        // the undefined real value: "---"
};

enum class Align : int { right = 0, left = 1 };

// Writes `value` as exactly `width` characters and a NUL at `text`, with
// `decimals` decimals where they fit, in exponent notation where fixed
// notation would show nothing or would not fit. `width` is at least 1.
// Reentrant: the number is printed into a scratch buffer of the call's own.
FormatRealStatus FormatReal(char* text, int width, int decimals, double value, Align align) noexcept;

}  // namespace gjbz108a
