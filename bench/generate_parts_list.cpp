// Writes a parts list of any length for the command-line host: the part mix of
// bench/calc repeated, every part with its own reference, as CSV on stdout.
//   generate_parts_list PARTS
#include "part_mix.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using gjbz108a::bench::PartKind;
using gjbz108a::bench::part_kinds;

// The general columns and then every parameter key of the mix, once each.
std::vector<std::string_view> columns() {
    std::vector<std::string_view> names{"ref", "qty", "category", "environment", "temperature", "cycling_rate"};
    for (const PartKind& kind : part_kinds())
        for (const auto& field : kind.fields)
            if (std::find(names.begin(), names.end(), field.first) == names.end()) names.push_back(field.first);
    return names;
}

// Whole numbers in digits (a count column refuses "5e+05"), others shortest.
void append_number(std::string& line, double value) {
    char text[32];
    const auto whole = static_cast<long long>(value);
    const auto end = whole == value ? std::to_chars(text, text + sizeof text, whole).ptr
                                    : std::to_chars(text, text + sizeof text, value).ptr;
    line.append(text, end);
}

// The cells after the reference, the same for every part of a kind.
std::string row_tail(const PartKind& kind, const std::vector<std::string_view>& names) {
    std::vector<std::string> cells(names.size());
    cells[1] = std::to_string(1);  // qty
    cells[2] = std::to_string(kind.item_code);
    cells[3] = std::to_string(kind.environment);
    append_number(cells[4], kind.temperature);
    append_number(cells[5], kind.cycling_rate);
    for (const auto& [key, value] : kind.fields) {
        const auto at = std::find(names.begin(), names.end(), key) - names.begin();
        append_number(cells[static_cast<std::size_t>(at)], value);
    }
    std::string tail;
    for (std::size_t i = 1; i < cells.size(); ++i) tail.append(",").append(cells[i]);
    return tail.append("\n");
}

}  // namespace

int main(int argc, char** argv) {
    char* end = nullptr;
    const unsigned long long parts = argc == 2 ? std::strtoull(argv[1], &end, 10) : 0;
    if (argc != 2 || *end != '\0') {
        std::fputs("usage: generate_parts_list PARTS\n", stderr);
        return 2;
    }
    const std::vector<std::string_view> names = columns();
    std::vector<std::string> tails;
    for (const PartKind& kind : part_kinds())
        for (unsigned i = 0; i < kind.count; ++i) tails.push_back(row_tail(kind, names));

    std::string out(names.front());
    for (std::size_t i = 1; i < names.size(); ++i) out.append(",").append(names[i]);
    out.append("\n");
    for (unsigned long long n = 0; n < parts; ++n) {
        out.append("P").append(std::to_string(n + 1)).append(tails[n % tails.size()]);
        if (out.size() > (1 << 20)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
