#include "tools/environments/environment_names.h"

#include "records/field_values.h"
#include "tools/file_streams.h"

#include <algorithm>
#include <array>

namespace gjbz108a::cli {
namespace {

constexpr std::string_view kNoEnvironment = "---";

bool only_digits(std::string_view text) noexcept {
    return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool EnvironmentNames::set(unsigned code, std::string_view raw_name, std::string& why) {
    const std::string_view name = trimmed(raw_name);
    why.clear();
    if (name == kNoEnvironment) {
        names_[code].clear();
        return true;
    }
    if (name.empty()) {
        why = "a name is empty or only blanks; write --- for a code without a name";
    } else if (raw_name.size() > kLongestEnvironmentName) {
        why = "a name is longer than " + std::to_string(kLongestEnvironmentName) +
              " characters (bytes), the most the dialog's list reads";
    } else if (name.find('\0') != std::string_view::npos) {
        why = "a name holds a NUL character";
    } else if (only_digits(name)) {
        append_quoted(why, name);
        why.append(" would read as an environment code; a name needs a character that is not a digit");
    } else if (const unsigned other = code_named(name); other != 0 && other != code) {
        append_quoted(why, name);
        why.append(" is the name of code ").append(std::to_string(other)).append(" already (letter case aside)");
    }
    if (!why.empty()) return false;
    names_[code].assign(name);
    return true;
}

std::optional<EnvironmentNames> EnvironmentNames::read(std::string_view text, std::string_view file_name,
                                                       std::string& why) {
    EnvironmentNames list;
    const auto fail = [&](std::size_t line, std::string_view reason) {
        why.assign(file_name).append(":").append(std::to_string(line)).append(": ").append(reason);
        return std::nullopt;
    };
    if (text.size() > kLargestEnvironmentList)
        return fail(1, "the file is longer than " + std::to_string(kLargestEnvironmentList >> 10) +
                           " KiB; an environment list has a line for each of 27 codes");
    std::size_t line = 0, empty_line = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view entry = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (entry.ends_with('\r')) entry.remove_suffix(1);  // a list written on Windows
        ++line;
        // The dialog's list ends at the first empty line: names after one are
        // never shown, which is surely not meant.
        if (entry.empty()) {
            if (empty_line == 0) empty_line = line;
            continue;
        }
        if (empty_line != 0)
            return fail(empty_line, "an empty line ends the dialog's list, and names follow it; remove the empty line");
        if (line == 1) {
            if (trimmed(entry) != kNoEnvironment) {
                std::string reason = "the first line is ";
                append_quoted(reason, entry);
                return fail(1, reason.append(", but an environment list starts with ---, the entry of no "
                                             "environment; the names of codes 1 to 27 follow it, one a line"));
            }
            continue;
        }
        const unsigned code = static_cast<unsigned>(line - 1);
        if (code > kLastEnvironmentCode)
            return fail(line, "the codes end at 27, on line 28; the list has more lines");
        if (!list.set(code, entry, why)) return fail(line, std::string(why));
    }
    if (line == 0) return fail(1, "the file is empty; an environment list starts with ---, then a name a line");
    return list;
}

std::optional<EnvironmentNames> EnvironmentNames::read_file(const std::string& path, std::istream& standard_input,
                                                            std::string& why) {
    std::string text;
    const auto read_bounded = [&](std::istream& in) {
        std::array<char, 4096> block;
        while (text.size() <= kLargestEnvironmentList &&
               (in.read(block.data(), block.size()) || in.gcount() > 0))
            text.append(block.data(), static_cast<std::size_t>(in.gcount()));
    };
    if (path == "-") {
        read_bounded(standard_input);
        return read(text, "<stdin>", why);
    }
    InputFile file(path);
    InputStream in(file);
    read_bounded(in);
    return read(text, path, why);
}

bool EnvironmentNames::empty() const noexcept {
    return std::ranges::all_of(names_, [](const std::string& name) { return name.empty(); });
}

std::string_view EnvironmentNames::name(unsigned code) const noexcept {
    return code < names_.size() ? std::string_view(names_[code]) : std::string_view{};
}

unsigned EnvironmentNames::code_named(std::string_view name) const noexcept {
    for (unsigned code = 1; code < names_.size(); ++code)
        if (!names_[code].empty() && same_text(names_[code], name)) return code;
    return 0;
}

std::string EnvironmentNames::list_text() const {
    std::size_t last = names_.size() - 1;
    while (last > 0 && names_[last].empty()) --last;
    std::string text(kNoEnvironment);
    text.push_back('\n');
    for (std::size_t code = 1; code <= last; ++code)
        text.append(names_[code].empty() ? kNoEnvironment : std::string_view(names_[code])).push_back('\n');
    return text;
}

}  // namespace gjbz108a::cli
