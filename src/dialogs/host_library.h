// Calls into the host library (libtalwen.so, TALWEN.DLL on Windows): the
// component-library look-up, defaults, storing, cross-references and search
// that the editing dialogs offer.
//
// Every call loads the library by name, looks the function up by name, calls
// it and unloads the library again; nothing stays loaded between calls, so the
// host may replace or remove the library while the plug-in runs. A missing
// library or function is never reported: each call says what it then returns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace gjbz108a {

#if defined(_WIN32)
inline constexpr const char* kHostLibraryFile = "TALWEN.DLL";
#else
inline constexpr const char* kHostLibraryFile = "libtalwen.so";
#endif

class HostLibrary {
public:
    // The library is found by the system's search for `file`: on Linux first in
    // the run path of the module that loads it (the plug-in is linked with
    // $ORIGIN, so that is the plug-in's own folder), then the usual places.
    explicit HostLibrary(std::string file = kHostLibraryFile) : file_(std::move(file)) {}

    void set_current_wnd_parent(void* window) const;

    // 1 when the part was found (key, generic name and block are filled);
    // anything else, and 0 when the library or the function is missing.
    std::int32_t get_from_lib(std::int32_t name_kind, std::int32_t item_class, std::int32_t item_code, char* key,
                              char* generic_name, std::uint8_t* block, char* host_text) const;

    // False when the library or the function is missing: the caller stops.
    bool get_dflt(std::int32_t item_class, std::int32_t item_code, std::int32_t type, std::int32_t subtype,
                  std::uint8_t* defaults) const;

    void put_to_lib(std::int32_t item_class, std::int32_t item_code, const char* generic_name,
                    const std::uint8_t* block) const;

    void put_to_xref(std::int32_t name_kind, const char* name, const char* generic_name) const;

    // The library's result (1 = results in the file named by result_path), or
    // nothing when the library or the function is missing.
    std::optional<std::int32_t> search_in_lib(std::int32_t search_kind, std::int32_t name_kind,
                                              std::int32_t item_class, std::int32_t item_code, const char* key,
                                              char* result_path) const;

private:
    std::string file_;
};

}  // namespace gjbz108a
