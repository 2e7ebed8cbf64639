// Filling combo and list boxes from text files, one entry a line, and the
// read-only mode of a dialog.
#include <gjbz108a/data_exchange.h>

#include "platform/window.h"
#include "toolkit/strings.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace gjbz108a::toolkit {
namespace {

using platform::Hwnd;

// A line is read into 100 bytes: at most 99 characters and the terminator.
constexpr int kLineBytes = 100;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }  // read only: nothing to lose on close
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The next line as the C runtime's text-mode fgets reads it: up to and with
// the line end, at most 99 characters, a CR before the line end dropped. The
// file is read in binary mode on every system so that every build reads it
// alike. Nothing at the end of the file.
std::optional<std::string> read_line(std::FILE* file) {
    std::string line;
    while (line.size() < kLineBytes - 1) {
        int c = std::getc(file);
        if (c == EOF) break;
        if (c == '\r') {
            const int next = std::getc(file);
            if (next == '\n') c = '\n';
            else if (next != EOF) std::ungetc(next, file);
        }
        line += static_cast<char>(c);
        if (c == '\n') break;
    }
    if (line.empty()) return std::nullopt;
    return line;
}

enum class Box { combo, list, list_without_duplicates };

int fill_from_file(void* dialog, int control, const char* path, Box kind) {
    const Hwnd box = platform::dialog_item(static_cast<Hwnd>(dialog), control);
    const File file(path ? std::fopen(path, "rb") : nullptr);
    if (!file) {
        if (kind == Box::combo)
            platform::message_box(static_cast<Hwnd>(dialog), "Cannot open the file " + std::string(path ? path : ""),
                                  kComboFromFileCaption, platform::box::kOk | platform::box::kIconExclamation);
        return -1;
    }
    platform::reset_content(box);
    while (const auto line = read_line(file.get())) {
        // The text ends at the first NUL, as a C string; its last character,
        // the line end where there is one, goes. An empty entry ends the list.
        std::string entry = line->substr(0, line->find('\0'));
        if (entry.empty()) break;
        entry.pop_back();
        if (entry.empty()) break;
        if (kind == Box::list_without_duplicates && platform::find_string_exact(box, -1, entry) != platform::kListError)
            continue;
        const int added = platform::add_string(box, entry);
        if (kind != Box::combo || added >= 0) continue;
        platform::message_box(static_cast<Hwnd>(dialog),
                              added == platform::kListErrorSpace ? kComboAddNoSpace : kComboAddError,
                              kComboFromFileCaption, platform::box::kOk | platform::box::kIconExclamation);
    }
    return 0;
}

int guarded_fill(void* dialog, int control, const char* path, Box kind) noexcept {
    try {
        return fill_from_file(dialog, control, path, kind);
    } catch (...) {
        return -1;
    }
}

bool has_class(Hwnd window, std::string_view name) { return platform::class_name(window) == name; }

}  // namespace
}  // namespace gjbz108a::toolkit

using namespace gjbz108a::toolkit;
using gjbz108a::platform::Hwnd;

extern "C" {

int32_t CBfromFile(void* dialog, int32_t control, const char* path) {
    return guarded_fill(dialog, control, path, Box::combo);
}
int32_t LBfromFile(void* dialog, int32_t control, const char* path) {
    return guarded_fill(dialog, control, path, Box::list);
}
int32_t LBfromFileNoDuplic(void* dialog, int32_t control, const char* path) {
    return guarded_fill(dialog, control, path, Box::list_without_duplicates);
}

void DisableEditingControls(void* dialog, const int32_t* enabled, int32_t count) {
    namespace platform = gjbz108a::platform;
    try {
        constexpr int kCancel = 2;
        for (const Hwnd control : platform::child_windows(static_cast<Hwnd>(dialog))) {
            if (platform::control_id(control) == kCancel || has_class(control, "ScrollBar") ||
                has_class(control, "Static"))
                continue;
            if (has_class(control, "Edit")) platform::set_read_only(control, true);
            else platform::enable_window(control, false);
        }
        for (int32_t i = 0; enabled != nullptr && i < count; ++i)
            platform::enable_window(platform::dialog_item(static_cast<Hwnd>(dialog), enabled[i]), true);
    } catch (...) {
        // Only the list of children is allocated; without it nothing was changed.
    }
}

}  // extern "C"
