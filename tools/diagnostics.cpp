#include "tools/diagnostics.h"

namespace gjbz108a::cli {

void Diagnostics::report(unsigned long line, std::string_view column, std::string_view why) {
    out_ << file_ << ':' << line << ": ";
    if (!column.empty()) out_ << column << ": ";
    out_ << why << '\n';
}

}  // namespace gjbz108a::cli
