// gjbz108a lib environments: the environment names that the library keeps
// for the predictions, shown and imported as an environment list.
#include "tools/environments/environment_names.h"
#include "tools/file_streams.h"
#include "tools/library/library_commands.h"

#include <string>
#include <vector>

namespace gjbz108a::cli::lib {

void environments(ComponentLibrary& library, Arguments arguments, Streams streams) {
    if (arguments.empty()) {
        EnvironmentNames names;
        std::string why;
        for (const talwen::EnvironmentName& stored : library.environment_names())
            if (!names.set(stored.code, stored.name, why))
                throw talwen::Error("the name of environment " + std::to_string(stored.code) + ": " + why);
        if (names.empty())
            throw talwen::Error("the library names no environments; gjbz108a lib environments import FILE stores "
                                "an environment list");
        streams.out << names.list_text();
        return;
    }
    if (arguments[0] != "import" || arguments.size() != 2)
        throw UsageError("environments takes no arguments, or import and one environment list file");
    std::string why;
    const std::optional<EnvironmentNames> names = EnvironmentNames::read_file(std::string(arguments[1]), streams.in, why);
    if (!names) throw ReadError(why);
    std::vector<talwen::EnvironmentName> stored;
    for (unsigned code = 1; code <= kLastEnvironmentCode; ++code)
        if (!names->name(code).empty()) stored.push_back({code, std::string(names->name(code))});
    library.write([&](ComponentLibrary::Writer& writer) { writer.replace_environment_names(stored); });
    streams.err << "gjbz108a lib: environment names stored: " << stored.size() << '\n';
}

}  // namespace gjbz108a::cli::lib
