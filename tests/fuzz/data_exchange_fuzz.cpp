// The number parsers and the general form of the data exchange, and the file
// fillers, on arbitrary texts. Properties: a parsed integer was written as
// digits with at most a sign, blanks and tabs around them; a finite real
// shown with 15 digits reads back as itself to 15 digits; every entry a filler
// adds is a piece of one line, shorter than 99 characters, without its line
// end; the filler without duplicates adds none.
#include "support/fuzz_support.h"

#include "platform/automation.h"
#include "platform/window.h"
#include "toolkit/number_entry.h"

#include <gjbz108a/data_exchange.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

using namespace gjbz108a;
using gjbz108a::fuzz::require;
namespace platform = gjbz108a::platform;

namespace {

// White space, at most a sign, digits, then blanks and tabs only.
void check_integer(std::string_view text) {
    std::size_t at = std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size());
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t digits_end = std::min(text.find_first_not_of("0123456789", at), text.size());
    const bool integer = digits_end > at && text.find_first_not_of(" \t", digits_end) == std::string_view::npos;
    for (const bool is_signed : {false, true})
        require(integer || !toolkit::parse_integer(text, is_signed), "a text not written as an integer was read");
}

void check_real(std::string_view text) {
    const auto parsed = toolkit::parse_real(text);
    if (!parsed || !std::isfinite(*parsed) || (*parsed == 0.0 && std::signbit(*parsed))) return;
    for (const int digits : {6, 15}) {
        const std::string shown = toolkit::general_form(*parsed, digits);
        require(shown.find('.') != std::string::npos, "a general form without its decimal point");
        require(shown.size() <= static_cast<std::size_t>(digits) + 8, "a general form too long");
        const auto again = toolkit::parse_real(shown);
        require(again.has_value(), "a general form that does not read back");
        if (digits == 15 && *parsed != 0.0)
            require(std::fabs(*again - *parsed) <= std::fabs(*parsed) * 1e-14, "15 digits changed the value");
    }
}

std::intptr_t no_procedure(platform::Hwnd, unsigned, std::uintptr_t, std::intptr_t) { return 0; }

void check_fillers(std::string_view bytes) {
    static const std::string path = [] {
        std::string file =
            (std::filesystem::temp_directory_path() / ("data-exchange-fuzz-" + std::to_string(::getpid()))).string();
        std::atexit([] { std::remove(path.c_str()); });
        return file;
    }();
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    require(!file.fail(), "the fuzz input could not be written");
    platform::DialogTemplate dialog{"Fill", {0, 0}, {100, 100}, {}, {}};
    dialog.controls = {{1, "ListBox", platform::style::kListSort, "", {0, 0, 50, 50}, 0, {}},
                       {2, "ComboBox", 0, "", {0, 50, 50, 60}, 0, {}}};
    const platform::Hwnd window = platform::create_dialog(dialog, nullptr, no_procedure, 0);
    const platform::Hwnd list = platform::dialog_item(window, 1);
    platform::set_item_capacity(platform::dialog_item(window, 2), 3);
    const auto lines = static_cast<std::size_t>(1 + std::ranges::count(bytes, '\n') + std::ranges::count(bytes, '\r'));
    for (const auto fill : {LBfromFile, LBfromFileNoDuplic, CBfromFile}) {
        require(fill(window, fill == CBfromFile ? 2 : 1, path.c_str()) == 0, "a readable file was not read");
        const platform::Hwnd box = platform::dialog_item(window, fill == CBfromFile ? 2 : 1);
        const int count = platform::item_count(box);
        require(static_cast<std::size_t>(count) <= lines + bytes.size() / 99, "more entries than lines");
        for (int i = 0; i < count; ++i) {
            const std::string entry = platform::item_text(box, i);
            require(!entry.empty() && entry.size() <= 98, "an entry empty or too long");
            require(entry.find('\n') == std::string::npos, "an entry with its line end");
            require(bytes.find(entry) != std::string_view::npos, "an entry that is no piece of the file");
            if (fill == LBfromFileNoDuplic && i > 0)
                require(platform::find_string_exact(list, -1, entry) == i, "a duplicate entry");
        }
    }
    platform::destroy_window(window);
    platform::clear_recordings();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
    case 0: check_integer(text.substr(0, text.find('\0'))); break;
    case 1: check_real(text.substr(0, text.find('\0'))); break;
    default: check_fillers(text); break;
    }
    return 0;
}
