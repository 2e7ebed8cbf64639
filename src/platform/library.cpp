#include "platform/library.h"

#if defined(_WIN32)
#include <cstring>

#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace gjbz108a::platform {

#if defined(_WIN32)

Library::Library(const std::string& file) : handle_(::LoadLibraryA(file.c_str())) {}

Library::~Library() {
    if (handle_) ::FreeLibrary(static_cast<HMODULE>(handle_));
}

Library::Address Library::find_address(const char* name) const {
    if (!handle_) return nullptr;
    // FARPROC returns an integer, so a cast to Address would warn of
    // unrelated function types; both are code addresses of one size, and
    // the bytes carry over as they are.
    const FARPROC found = ::GetProcAddress(static_cast<HMODULE>(handle_), name);
    Address address = nullptr;
    static_assert(sizeof address == sizeof found);
    std::memcpy(&address, &found, sizeof address);
    return address;
}

#else

Library::Library(const std::string& file) : handle_(::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) {}

Library::~Library() {
    if (handle_) ::dlclose(handle_);
}

Library::Address Library::find_address(const char* name) const {
    if (!handle_) return nullptr;
    // POSIX guarantees that a dlsym address converts to a function pointer.
    return reinterpret_cast<Address>(::dlsym(handle_, name));
}

#endif

}  // namespace gjbz108a::platform
