// The few services of the operating system that the tests use, on POSIX
// systems and on Windows alike.
#pragma once

#include <filesystem>
#include <random>
#include <string>

#if defined(_WIN32)
#include <process.h>
#include <stdlib.h>
#include <windows.h>
#else
#include <dlfcn.h>
#include <stdlib.h>
#include <unistd.h>
#endif

namespace gjbz108a::test {

// The variable that names the folder of the host library's search results.
#if defined(_WIN32)
inline constexpr const char* kSearchFolderVariable = "TMP";
#else
inline constexpr const char* kSearchFolderVariable = "XDG_RUNTIME_DIR";
#endif

inline void set_environment(const char* name, const std::string& value) {
#if defined(_WIN32)
    ::_putenv_s(name, value.c_str());
#else
    ::setenv(name, value.c_str(), 1);
#endif
}

inline void unset_environment(const char* name) {
#if defined(_WIN32)
    ::_putenv_s(name, "");  // an empty value removes the variable
#else
    ::unsetenv(name);
#endif
}

inline long process_id() {
#if defined(_WIN32)
    return ::_getpid();
#else
    return static_cast<long>(::getpid());
#endif
}

// A new folder `prefix` + six random characters in the temporary folder,
// created by this call and so this process's own.
inline std::filesystem::path make_unique_folder(const std::string& prefix) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<int> pick(0, sizeof kLetters - 2);
    const std::filesystem::path parent = std::filesystem::temp_directory_path();
    for (;;) {
        std::string name = prefix;
        for (int i = 0; i < 6; ++i) name += kLetters[pick(random)];
        if (std::filesystem::create_directory(parent / name)) return parent / name;
    }
}

// Whether the library of that file name is loaded in this process now.
inline bool library_loaded(const char* file) {
#if defined(_WIN32)
    return ::GetModuleHandleA(file) != nullptr;
#else
    void* handle = ::dlopen(file, RTLD_LAZY | RTLD_NOLOAD);
    if (handle) ::dlclose(handle);
    return handle != nullptr;
#endif
}

}  // namespace gjbz108a::test
