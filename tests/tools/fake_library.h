// A component library whose answers a test sets: parts under names, defaults
// by part type. A part type without defaults of its own gets a complete set,
// as the host library builds one: every field of the category holds 1, the
// fields that only the screen information names stay undefined, and the
// SubType and Type are those asked for. So only the cells that a test is about
// need defaults of their own.
#pragma once

#include "editing/part_library.h"

#include "records/category_fields.h"
#include "records/record.h"

#include <gjbz108a/defaults.h>
#include <gjbz108a/screen.h>

#include <map>
#include <tuple>
#include <vector>

namespace gjbz108a::cli::test {

class FakeLibrary final : public PartLibrary {
public:
    using TypeKey = std::tuple<unsigned, unsigned, unsigned>;  // ItemCode, Type, SubType

    std::map<TypeKey, Block> defaults_by_type;
    std::map<std::tuple<NameKind, std::string, unsigned>, StoredPart> parts;
    bool loadable = true;
    std::vector<TypeKey> asked;  // every defaults request, in order

    // A block of the category with every field "not defined".
    static Block undefined_block(unsigned item_code) {
        Block block{};
        const ScreenFieldList* screen = nullptr;
        GetScrInfo(static_cast<std::int32_t>(item_code), &screen);
        entr_fill_def(block.data(), screen);
        return block;
    }

    // An IC memory as the library stores it: SRAM, B2, `pins` pins, the rest "---".
    static Block stored_memory(std::uint16_t pins) {
        Block block = undefined_block(1);
        block[1] = 1;
        block[4] = 5;
        store(block.data(), 6, pins);
        return block;
    }

    // Two memories stored under names: SRAM 32K (32 pins, also under its name
    // in lower case, as the library finds it) and, by its catalog number
    // CAT-8, EEPROM 8-PIN (8 pins).
    static FakeLibrary with_memories() {
        FakeLibrary library;
        library.parts[{NameKind::generic_name, "SRAM 32K", 1}] = {stored_memory(32), "SRAM 32K"};
        library.parts[{NameKind::generic_name, "sram 32k", 1}] = {stored_memory(32), "SRAM 32K"};
        library.parts[{NameKind::catalog_number, "CAT-8", 1}] = {stored_memory(8), "EEPROM 8-PIN"};
        return library;
    }

    static Block complete_defaults(unsigned item_code, unsigned type = 0, unsigned subtype = 0) {
        Block block = undefined_block(item_code);
        for (const ParameterField& field : category_fields(item_code)) {
            switch (field.type) {
            case FieldType::u8:
            case FieldType::selection:
            case FieldType::code: block[field.offset] = 1; break;
            case FieldType::u16: store(block.data(), field.offset, std::uint16_t{1}); break;
            case FieldType::i32: store(block.data(), field.offset, std::int32_t{1}); break;
            case FieldType::u32: store(block.data(), field.offset, std::uint32_t{1}); break;
            case FieldType::f32: store(block.data(), field.offset, 1.0f); break;
            }
        }
        block[0] = static_cast<std::uint8_t>(subtype);
        block[1] = static_cast<std::uint8_t>(type);
        return block;
    }

    std::optional<Block> defaults(unsigned item_code, unsigned type, unsigned subtype) override {
        asked.emplace_back(item_code, type, subtype);
        if (!loadable) return std::nullopt;
        const auto own = defaults_by_type.find({item_code, type, subtype});
        return own != defaults_by_type.end() ? own->second : complete_defaults(item_code, type, subtype);
    }

    std::optional<StoredPart> find(NameKind kind, std::string_view name, unsigned item_code) override {
        if (!loadable) return std::nullopt;
        const auto part = parts.find({kind, std::string(name), item_code});
        if (part == parts.end()) return std::nullopt;
        return part->second;
    }

    bool reachable() override { return loadable; }
};

}  // namespace gjbz108a::cli::test
