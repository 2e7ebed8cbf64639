#include "tools/whole_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace gjbz108a::cli {

bool read_whole_file(const std::string& name, std::istream& standard_input, std::string& text, std::ostream& err) {
    std::ostringstream content;
    if (name == "-") {
        content << standard_input.rdbuf();
    } else {
        std::ifstream in(name, std::ios::binary);
        if (!in) {
            err << name << ": cannot be opened\n";
            return false;
        }
        content << in.rdbuf();
    }
    text = std::move(content).str();
    return true;
}

bool write_whole_file(const std::string& name, const std::string& text, std::ostream& err) {
    const std::filesystem::path path(name), partial(name + ".partial");
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (out && out.write(text.data(), static_cast<std::streamsize>(text.size())) && out.flush()) {
            out.close();
            std::error_code error;
            std::filesystem::rename(partial, path, error);
            if (!error) return true;
        }
    }
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    err << name << ": cannot be written\n";
    return false;
}

}  // namespace gjbz108a::cli
