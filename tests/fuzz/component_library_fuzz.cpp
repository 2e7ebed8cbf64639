// The host component library's C functions with arbitrary names, keys, codes
// and blocks, against a database in a temporary folder that every input starts
// afresh from the shipped data. Each input is a short run of calls.
// Properties: results are 0 or 1, and 0 writes nothing; nothing is written
// outside the documented buffers (the last two bytes of a block buffer stay
// as they were); a part that was stored is found again with its block under
// its name and under every cross-reference to it; a search's file lists each
// name once, sorted, every one matching the key. (Which names, codes and
// blocks are refused, and that a search misses none of the parts that match,
// are the unit tests' to check.)
#include "support/fuzz_support.h"

#include <talwen/talwen.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <stdlib.h>

using namespace gjbz108a::fuzz;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kKeyBuffer = 64, kGenericBuffer = 44, kSearchKeyBuffer = 72;
// The block and buffer sizes that talwen.h states.
constexpr std::size_t kBlockSize = 102, kBlockBuffer = 104, kResultPathBuffer = 100;

struct Folder {
    fs::path root, database, pristine;
};
Folder g_folder;

std::string folded(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// A text of up to `longest` bytes from the input; NULs end it early, as they
// would for the library.
std::string take_text(FuzzInput& in, std::size_t longest) {
    std::string text(in.take<std::uint8_t>() % (longest + 1), '\0');
    in.take_into(text.data(), text.size());
    return text.substr(0, text.find('\0'));
}

// A text in a caller's buffer of `size` bytes, NUL-terminated, the rest unwritten.
Guarded text_buffer(std::string_view text, std::size_t size) {
    Guarded buffer(size, kUnwritten);
    std::memcpy(buffer.data(), text.data(), text.size());
    buffer[text.size()] = 0;
    return buffer;
}

struct StoredPart {
    std::string spelling;
    int32_t item_class, item_code;
    std::array<std::uint8_t, kBlockSize> block;
};

// What this input stored, by folded generic name.
using Stored = std::map<std::string, StoredPart>;

struct Found {
    std::string key, generic;
    std::array<std::uint8_t, kBlockSize> block;
};

// GetFromLib, with its buffer properties.
std::optional<Found> look_up(int32_t name_kind, int32_t item_class, int32_t item_code, std::string_view key,
                             std::string_view generic, bool our_method) {
    Guarded key_buffer = text_buffer(key, kKeyBuffer), generic_buffer = text_buffer(generic, kGenericBuffer);
    Guarded block(kBlockBuffer, kUnwritten), host_text = text_buffer("host", 60);
    const Guarded key_before = key_buffer, generic_before = generic_buffer;
    const int32_t result = GetFromLib(name_kind, our_method ? 1 : 2, 8, item_class, item_code, key_buffer.chars(),
                                      generic_buffer.chars(), block.data(), host_text.chars());
    check_guards({&key_buffer, &generic_buffer, &block, &host_text}, "GetFromLib wrote outside a buffer");
    require(result == 0 || result == 1, "GetFromLib returned neither 0 nor 1");
    require(block[kBlockSize] == kUnwritten && block[kBlockSize + 1] == kUnwritten,
            "GetFromLib wrote the last two bytes of the block buffer");
    if (result == 0) {
        require(key_buffer.same_as(key_before) && generic_buffer.same_as(generic_before) &&
                    untouched_from(block, 0, kUnwritten),
                "GetFromLib wrote and answered 0");
        return std::nullopt;
    }
    require(our_method && name_kind >= 1 && name_kind <= 4, "GetFromLib found a part for a call it refuses");
    Found found{std::string(text_in(key_buffer, "GetFromLib left a key without its NUL")),
                std::string(text_in(generic_buffer, "GetFromLib left a generic name without its NUL")), {}};
    std::memcpy(found.block.data(), block.data(), kBlockSize);
    return found;
}

// The part must be found under `key` of `name_kind`, as it was stored.
void require_found(int32_t name_kind, std::string_view key, const StoredPart& part) {
    const bool by_name = name_kind == 1;
    const auto found =
        look_up(name_kind, part.item_class, part.item_code, by_name ? "" : key, by_name ? key : "", true);
    require(found.has_value(), "a stored part is not found");
    require(found->generic == part.spelling && found->block == part.block, "a stored part comes back changed");
    require(by_name || folded(found->key) == folded(key), "a cross-reference comes back under another name");
}

void get_from_lib(FuzzInput& in, const Stored& stored) {
    const bool our_method = in.take<std::uint8_t>() % 8 != 0;
    const auto name_kind = in.take<std::int8_t>();
    const auto item_class = in.take<std::uint8_t>(), item_code = in.take<std::uint8_t>();
    const std::string key = take_text(in, kKeyBuffer - 1), generic = take_text(in, kGenericBuffer - 1);
    const auto found = look_up(name_kind, item_class, item_code, key, generic, our_method);
    if (!found) return;
    if (const auto part = stored.find(folded(found->generic)); part != stored.end())
        require(found->block == part->second.block && found->generic == part->second.spelling,
                "a part comes back other than stored");
}

void get_defaults(FuzzInput& in) {
    const bool our_method = in.take<std::uint8_t>() % 8 != 0;
    const auto item_class = in.take<int16_t>(), item_code = in.take<int16_t>();
    const auto type = in.take<int16_t>(), subtype = in.take<int16_t>();
    Guarded block(kBlockBuffer, kUnwritten);
    const int32_t result = GetDflt(1, our_method ? 8 : 9, item_class, item_code, type, subtype, block.data());
    block.check_guards("GetDflt wrote outside the block buffer");
    require(result == 0 || result == 1, "GetDflt returned neither 0 nor 1");
    require(block[kBlockSize] == kUnwritten && block[kBlockSize + 1] == kUnwritten,
            "GetDflt wrote the last two bytes of the block buffer");
    require(result == 0 || our_method, "GetDflt answered 1 for another host's call");
}

void put_to_lib(FuzzInput& in, Stored& stored) {
    const int32_t item_class = in.take<int16_t>(), item_code = in.take<std::uint8_t>();
    const std::string name = take_text(in, 50);
    StoredPart part{name, item_class, item_code, {}};
    in.take_into(part.block.data(), part.block.size());
    Guarded name_buffer = text_buffer(name, name.size() + 1);
    Guarded block(part.block.data(), part.block.size());
    const int32_t result = PutToLib(1, 8, item_class, item_code, name_buffer.chars(), block.data(), 0, 0);
    check_guards({&name_buffer, &block}, "PutToLib wrote outside the name or the block");
    require(result == 0 || result == 1, "PutToLib returned neither 0 nor 1");
    if (result == 0) return;
    stored[folded(name)] = part;
    require_found(1, name, part);
}

void put_to_xref(FuzzInput& in, const Stored& stored) {
    const auto name_kind = in.take<std::int8_t>();
    const std::string name = take_text(in, 70), generic = take_text(in, 50);
    Guarded name_buffer = text_buffer(name, name.size() + 1);
    Guarded generic_buffer = text_buffer(generic, generic.size() + 1);
    const int32_t result = PutToXref(name_kind, name_buffer.chars(), generic_buffer.chars());
    check_guards({&name_buffer, &generic_buffer}, "PutToXref wrote outside a name");
    require(result == 0 || result == 1, "PutToXref returned neither 0 nor 1");
    if (result == 0) return;
    if (const auto part = stored.find(folded(generic)); part != stored.end()) require_found(name_kind, name, part->second);
}

bool matches(std::string_view name, std::string_view key, int32_t search_kind) {
    const std::string n = folded(name), k = folded(key);
    return search_kind == 1 ? n.starts_with(k) : n.find(k) != std::string::npos;
}

void search(FuzzInput& in) {
    const auto search_kind = in.take<std::int8_t>(), name_kind = in.take<std::int8_t>();
    const auto item_class = in.take<std::uint8_t>(), item_code = in.take<std::uint8_t>();
    const std::string key = take_text(in, kSearchKeyBuffer - 1);
    Guarded key_buffer = text_buffer(key, kSearchKeyBuffer);
    Guarded path(kResultPathBuffer, kUnwritten);
    const int32_t result = SearchInLib(search_kind, name_kind, item_class, item_code, key_buffer.chars(), path.chars());
    check_guards({&key_buffer, &path}, "SearchInLib wrote outside the key or the result path");
    require(result == 0 || result == 1, "SearchInLib returned neither 0 nor 1");

    if (result == 0) {
        require(untouched_from(path, 0, kUnwritten), "SearchInLib wrote a path and answered 0");
        return;
    }
    require(search_kind >= 1 && search_kind <= 2 && name_kind >= 1 && name_kind <= 4,
            "SearchInLib answered a search it refuses");
    std::ifstream file{std::string(text_in(path, "the result path has no NUL"))};
    require(file.good(), "the search result file cannot be read");
    std::vector<std::string> names;
    for (std::string line; std::getline(file, line);) names.push_back(line);
    require(!names.empty(), "SearchInLib answered 1 with an empty file");
    for (std::size_t i = 0; i < names.size(); ++i) {
        require(matches(names[i], key, search_kind), "a search result does not match the key");
        require(i == 0 || folded(names[i - 1]) < folded(names[i]), "search results not sorted or not unique");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A folder in memory where there is one: every call syncs the database.
    const fs::path temporary = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (temporary / "component-library-fuzz-XXXXXX").string();
    require(::mkdtemp(pattern.data()) != nullptr, "no temporary folder");
    g_folder.root = pattern;
    g_folder.database = g_folder.root / "library.db";
    g_folder.pristine = g_folder.root / "pristine.db";
    ::setenv("TALWEN_DB", g_folder.database.c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", g_folder.root.c_str(), 1);
    // The first call creates the database with the shipped data; every input
    // starts from a copy of it.
    std::uint8_t block[kBlockBuffer];
    GetDflt(1, 8, 1, 5, 0, 0, block);
    fs::copy_file(g_folder.database, g_folder.pristine);
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(g_folder.root, ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(g_folder.database.string() + suffix);
    fs::copy_file(g_folder.pristine, g_folder.database);

    FuzzInput in(data, size);
    Stored stored;
    for (int call = 0; call < 8 && in.remaining() > 0; ++call) {
        switch (in.take<std::uint8_t>() % 5) {
        case 0: get_from_lib(in, stored); break;
        case 1: get_defaults(in); break;
        case 2: put_to_lib(in, stored); break;
        case 3: put_to_xref(in, stored); break;
        case 4: search(in); break;
        }
    }
    return 0;
}
