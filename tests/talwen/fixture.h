// What the host library's tests share: the callers' buffers, a few blocks and
// files, and the message of a thrown Error.
#pragma once

#include "support/temporary_library.h"

#include <talwen/talwen.h>

#include "component_library.h"
#include "csv_exchange.h"
#include "records/field_types.h"
#include "records/field_values.h"
#include "records/record.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace gjbz108a::talwen::test {

using gjbz108a::test::TemporaryLibrary;

// The message of the Error that `body` throws, or "" when it throws none.
template <typename Body>
std::string error_of(Body&& body) {
    try {
        body();
    } catch (const Error& error) {
        return error.what();
    }
    return "";
}

// The callers' buffers for GetFromLib, filled with markers so that untouched bytes show.
struct Buffers {
    std::array<char, 64> key;
    std::array<char, 44> generic;
    std::array<std::uint8_t, 104> block;

    Buffers(const std::string& key_text = "", const std::string& generic_text = "") {
        key.fill('#');
        generic.fill('#');
        block.fill(0xEE);
        std::snprintf(key.data(), key.size(), "%s", key_text.c_str());
        std::snprintf(generic.data(), generic.size(), "%s", generic_text.c_str());
    }
    int get(int name_kind, int item_class, int item_code, int constant_1 = 1, int constant_8 = 8) {
        std::array<char, 60> host_text{};
        return GetFromLib(name_kind, constant_1, constant_8, item_class, item_code, key.data(), generic.data(),
                          block.data(), host_text.data());
    }
};

// An IC Digital block: FPGA, quality A3, `pins` pins, and a byte no field names.
inline std::array<std::uint8_t, 104> digital_block(std::uint16_t pins) {
    std::array<std::uint8_t, 104> block{0, 5, 0, 0, 2};
    store(block.data(), 6, pins);
    block[101] = 0x5A;
    return block;
}

// PutToLib as the dialogs call it.
inline int put(const std::string& generic, int item_code, std::uint16_t pins = 1) {
    return PutToLib(1, 8, 1, item_code, generic.c_str(), digital_block(pins).data(), 0, 0);
}

inline std::string file_text(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The fields of a block as text, "-" where undefined.
inline std::string block_text(unsigned item_code, const std::uint8_t* block) {
    std::string text;
    for (const ParameterField& field : category_fields(item_code)) {
        const std::string value = field_value_text(field, block);
        text += (text.empty() ? "" : ", ") + (value.empty() ? "-" : value);
    }
    return text;
}

// Imports `text` with one of the import functions; the error message or "".
template <typename Import>
std::string import_text(ComponentLibrary& library, Import import, const std::string& text,
                        const ImportProgress& progress = {}) {
    return error_of([&] {
        std::istringstream in(text);
        library.write([&](ComponentLibrary::Writer& writer) { import(writer, in, "x.csv", progress); });
    });
}

}  // namespace gjbz108a::talwen::test
