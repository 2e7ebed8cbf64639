// Numbers in message lines, written as printf's "%g" writes them but without
// the printf machinery, which costs more than the calculation they report on.
#pragma once

#include <cstddef>

namespace gjbz108a {

// Room for the longest text that put_general writes ("-1.17549e-38").
constexpr std::size_t kGeneralTextSize = 16;

// Writes the text of printf's "%g" for `value` widened to double at `out`,
// without a NUL, and returns its end.
char* put_general(char* out, float value) noexcept;

}  // namespace gjbz108a
