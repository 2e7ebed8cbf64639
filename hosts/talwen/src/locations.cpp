#include "locations.h"

#include "error.h"

#include <cstdlib>
#include <string>

#if defined(_WIN32)
#include <process.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace gjbz108a::talwen {
namespace {

namespace fs = std::filesystem;

// An environment variable's value when it is set to an absolute path.
const char* absolute_path_from(const char* variable) {
    const char* value = std::getenv(variable);
    return value && fs::path(value).is_absolute() ? value : nullptr;
}

#if defined(_WIN32)
fs::path user_data_folder() {
    if (const char* local = absolute_path_from("LOCALAPPDATA")) return local;
    throw Error("LOCALAPPDATA is not set; set TALWEN_DB to the database file");
}

fs::path private_folder() { return fs::temp_directory_path() / "talwen"; }

void make_private(const fs::path& folder) { fs::create_directories(folder); }

long process_id() { return _getpid(); }
#else
fs::path user_data_folder() {
    if (const char* data = absolute_path_from("XDG_DATA_HOME")) return data;
    if (const char* home = absolute_path_from("HOME")) return fs::path(home) / ".local" / "share";
    throw Error("neither XDG_DATA_HOME nor HOME is set; set TALWEN_DB to the database file");
}

fs::path private_folder() {
    if (const char* runtime = absolute_path_from("XDG_RUNTIME_DIR")) return fs::path(runtime) / "talwen";
    return fs::temp_directory_path() / ("talwen-" + std::to_string(getuid()));
}

void make_private(const fs::path& folder) {
    ::mkdir(folder.c_str(), 0700);  // fails harmlessly when it exists; checked below
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != getuid() ||
        (status.st_mode & 0077) != 0)
        throw Error(folder.string() + " is not a private folder of this user");
}

long process_id() { return static_cast<long>(getpid()); }
#endif

}  // namespace

fs::path default_database_location() {
    if (const char* named = std::getenv("TALWEN_DB"); named && *named) return named;
    return user_data_folder() / "talwen" / "library.db";
}

fs::path search_results_file() {
    const fs::path folder = private_folder();
    make_private(folder);
    return folder / ("search-" + std::to_string(process_id()) + ".txt");
}

}  // namespace gjbz108a::talwen
