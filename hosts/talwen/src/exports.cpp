// The C functions of the host library. Each opens the database, does one job
// and closes it again, because the caller unloads the library after every
// call. No exception crosses the interface.
#include <talwen/talwen.h>

#include "component_library.h"
#include "editing/host_library_constants.h"
#include "search_results.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>

namespace {

using namespace gjbz108a::talwen;
using gjbz108a::kGenericNameBuffer;
using gjbz108a::kKeyBuffer;
using gjbz108a::kResultPathBuffer;
using gjbz108a::NameKind;

// The block layouts stored here are those of the method that names itself so.
bool our_method(std::int32_t constant_1, std::int32_t constant_8) {
    return constant_1 == gjbz108a::kMethodConstant1 && constant_8 == gjbz108a::kMethodConstant8;
}

bool byte_range(std::int32_t value) { return value >= 0 && value <= 255; }

// Runs one exported call; a failure is told on the standard error stream (the
// callers ignore the reason, but whoever runs the host should see it) and
// answers 0.
template <typename Body>
std::int32_t guarded(const char* function, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "libtalwen: %s: %s\n", function, error.what());
    } catch (...) {
        std::fprintf(stderr, "libtalwen: %s: unexpected failure\n", function);
    }
    return 0;
}

// Stored names fit the callers' buffers; the check keeps a damaged database
// from writing past them.
void copy_name(char* buffer, std::size_t capacity, const std::string& name) {
    const std::size_t length = std::min(name.size(), capacity - 1);
    std::memcpy(buffer, name.data(), length);
    buffer[length] = '\0';
}

}  // namespace

extern "C" {

TALWEN_API void SetCurrentWndParent(void* window) { (void)window; }

TALWEN_API std::int32_t GetFromLib(std::int32_t name_kind, std::int32_t constant_1, std::int32_t constant_8,
                                   std::int32_t item_class, std::int32_t item_code, char* key, char* generic_name,
                                   std::uint8_t* block, char* host_text) {
    (void)host_text;
    return guarded("GetFromLib", [&]() -> std::int32_t {
        if (!our_method(constant_1, constant_8) || name_kind < 1 || name_kind > 4 || !key || !generic_name || !block)
            return 0;
        ComponentLibrary library(ComponentLibrary::default_location());
        std::optional<CrossReference> reference;
        if (name_kind != 1) {
            reference = library.find_cross_reference(static_cast<NameKind>(name_kind), key);
            if (!reference) return 0;
        }
        const auto part = library.find_part(reference ? reference->generic_name : std::string(generic_name));
        if (!part || part->item_class != item_class || part->item_code != item_code) return 0;
        copy_name(generic_name, kGenericNameBuffer, part->generic_name);
        if (reference) copy_name(key, kKeyBuffer, reference->name);
        std::ranges::copy(part->block, block);
        return 1;
    });
}

TALWEN_API std::int32_t GetDflt(std::int32_t constant_1, std::int32_t constant_8, std::int32_t item_class,
                                std::int32_t item_code, std::int32_t type, std::int32_t subtype,
                                std::uint8_t* defaults) {
    return guarded("GetDflt", [&]() -> std::int32_t {
        if (!defaults || !byte_range(item_code) || !byte_range(type) || !byte_range(subtype)) return 0;
        // The caller shows and merges the block whatever happens, so it gets
        // undefined values ("---") rather than whatever its buffer held.
        Block fallback = undefined_block(static_cast<unsigned>(item_code));
        fallback[gjbz108a::kSubTypeOffset] = static_cast<std::uint8_t>(subtype);
        fallback[gjbz108a::kTypeOffset] = static_cast<std::uint8_t>(type);
        std::ranges::copy(fallback, defaults);
        if (!our_method(constant_1, constant_8) || !byte_range(item_class)) return 0;
        ComponentLibrary library(ComponentLibrary::default_location());
        const Defaults found = library.defaults(static_cast<unsigned>(item_class), static_cast<unsigned>(item_code),
                                                static_cast<unsigned>(type), static_cast<unsigned>(subtype));
        std::ranges::copy(found.block, defaults);
        return found.complete ? 1 : 0;
    });
}

TALWEN_API std::int32_t PutToLib(std::int32_t constant_1, std::int32_t constant_8, std::int32_t item_class,
                                 std::int32_t item_code, const char* generic_name, const std::uint8_t* block,
                                 std::int32_t reserved_1, std::int32_t reserved_2) {
    (void)reserved_1;
    (void)reserved_2;
    return guarded("PutToLib", [&]() -> std::int32_t {
        if (!our_method(constant_1, constant_8) || !generic_name || !block || !byte_range(item_class) ||
            !byte_range(item_code))
            return 0;
        Part part{generic_name, static_cast<std::uint8_t>(item_class), static_cast<std::uint8_t>(item_code), {}};
        std::copy_n(block, kBlockSize, part.block.begin());
        ComponentLibrary library(ComponentLibrary::default_location());
        library.put_part(part);
        return 1;
    });
}

TALWEN_API std::int32_t PutToXref(std::int32_t name_kind, const char* name, const char* generic_name) {
    return guarded("PutToXref", [&]() -> std::int32_t {
        if (name_kind < 2 || name_kind > 4 || !name || !generic_name) return 0;
        ComponentLibrary library(ComponentLibrary::default_location());
        library.put_cross_reference({static_cast<NameKind>(name_kind), name, generic_name});
        return 1;
    });
}

TALWEN_API std::int32_t SearchInLib(std::int32_t search_kind, std::int32_t name_kind, std::int32_t item_class,
                                    std::int32_t item_code, const char* key, char* result_path) {
    return guarded("SearchInLib", [&]() -> std::int32_t {
        if (search_kind < 1 || search_kind > 2 || name_kind < 1 || name_kind > 4 || !key || !result_path ||
            !byte_range(item_class) || !byte_range(item_code))
            return 0;
        ComponentLibrary library(ComponentLibrary::default_location());
        const auto names = library.search(static_cast<SearchKind>(search_kind), static_cast<NameKind>(name_kind),
                                          static_cast<unsigned>(item_class), static_cast<unsigned>(item_code), key);
        if (names.empty()) return 0;
        const std::string path = write_search_results(names).string();
        if (path.size() >= kResultPathBuffer) {
            std::fprintf(stderr, "libtalwen: SearchInLib: %s: the path is longer than %zu characters\n", path.c_str(),
                         kResultPathBuffer - 1);
            return 0;
        }
        std::memcpy(result_path, path.c_str(), path.size() + 1);
        return 1;
    });
}

}  // extern "C"
