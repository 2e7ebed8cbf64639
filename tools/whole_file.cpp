#include "tools/whole_file.h"

#include "tools/file_streams.h"

#include "locations.h"
#include "platform/replace_file.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace gjbz108a::cli {
namespace {

std::string read_all(std::istream& in, const std::string& name) {
    std::string text;
    std::array<char, 1 << 16> block;
    while (in.read(block.data(), block.size()) || in.gcount() > 0) {
        text.append(block.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > kLargestWholeFile)
            throw ReadError("cannot read " + name + ": it holds more than " +
                            std::to_string(kLargestWholeFile >> 20) + " MiB, the most a file read whole may hold");
    }
    return text;
}

// The standard library asks the system for the files' identities: stat's
// inode number is always 0 on Windows, where every two files would match.
bool same_file(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

// The database and the journal files beside it: writing over any of them
// destroys the library.
bool is_component_library(const std::string& name) {
    std::string database;
    try {
        database = talwen::default_database_location().string();
    } catch (const std::exception&) {
        return false;  // no library location, so no library to destroy
    }
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        if (same_file(name, database + suffix)) return true;
    return false;
}

}  // namespace

std::string read_whole_file(const std::string& name, std::istream& standard_input) {
    if (name == "-") return read_all(standard_input, "standard input");
    InputFile file(name);
    InputStream in(file);
    return read_all(in, name);
}

bool write_whole_file(const std::string& name, std::string_view text, std::ostream& err) {
    if (is_component_library(name)) {
        err << "gjbz108a: " << name << " is the component library's database; choose another output file\n";
        return false;
    }
    if (const std::string why = platform::replace_file(name, text); !why.empty()) {
        err << "gjbz108a: cannot write " << name << ": " << why << '\n';
        return false;
    }
    return true;
}

}  // namespace gjbz108a::cli
