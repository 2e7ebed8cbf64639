// A field list with one entry of every field type code, over a block in which
// every byte that no field owns is a guard that the functions must not write.
#pragma once

#include <gjbz108a/gjbz108a.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace gjbz108a::test {

// Text lengths of the codes whose entry gives one; 17 and 18 always hold 8.
constexpr std::uint8_t text_length(unsigned code) {
    switch (code) {
    case 9: return 5;
    case 10: return 12;
    case 11: return 1;
    case 23: return 20;
    default: return 0;
    }
}

// Bytes each code occupies, written out from the storage table.
constexpr unsigned width_of(unsigned code) {
    switch (code) {
    case 1: case 2: case 19: case 14: case 15: case 16: case 22: case 24: return 1;
    case 3: case 4: case 20: case 12: case 13: return 2;
    case 5: case 6: case 21: case 7: return 4;
    case 8: return 8;
    case 17: case 18: return 9;
    case 9: case 10: case 11: case 23: return text_length(code) + 1u;
    default: return 8;  // codes that no function may touch
    }
}

// The undefined ("---") and wildcard ("***") values of every code as the bytes
// of its field, little-endian, texts NUL-padded.
struct SentinelBytes {
    std::string undefined, wildcard;
};

inline SentinelBytes sentinel_bytes(unsigned code) {
    using namespace std::string_literals;
    switch (code) {
    case 1: case 2: case 19: return {"\x7f"s, "\x75"s};                          // 127, 117
    case 3: return {"\xff\x7f"s, "\xf5\x7f"s};                                     // 32767, 32757
    case 4: case 20: case 12: case 13: return {"\xff\xff"s, "\xf5\xff"s};          // 65535, 65525
    case 5: return {"\xff\xff\xff\x7f"s, "\xf5\xff\xff\x7f"s};
    case 6: case 21: return {"\xff\xff\xff\xff"s, "\xf5\xff\xff\xff"s};
    case 7: return {"\xff\xff\x7f\x7f"s, "\x0a\xd7\x23\x7c"s};                  // largest f32, bits 0x7C23D70A
    case 8: return {"\x00\x00\x00\xe0\xff\xff\xef\x47"s,                        // the largest f32 as a double
                    "\x33\x33\x33\x33\xe1\x7a\x84\x47"s};                      // 3.4028234663852885e36
    case 9: return {"---\0\0\0"s, "***\0\0\0"s};                                 // length 5
    case 10: return {"---"s + std::string(10, '\0'), "***"s + std::string(10, '\0')};
    case 11: return {"-\0"s, "*\0"s};                                              // length 1: no room for more
    case 23: return {"---"s + std::string(18, '\0'), "***"s + std::string(18, '\0')};
    case 17: case 18: return {"---\0\0\0\0\0\0"s, "***\0\0\0\0\0\0"s};
    default: return {"\0"s, "\0"s};                                                // selection codes
    }
}

constexpr std::uint8_t kGuard = 0xA5;

class Block {
public:
    Block() { bytes_.fill(kGuard); }

    template <typename T>
    T get(const ScreenField& f) const {
        T value;
        std::memcpy(&value, bytes_.data() + f.offset, sizeof value);
        return value;
    }
    template <typename T>
    Block& set(const ScreenField& f, T value) {
        std::memcpy(bytes_.data() + f.offset, &value, sizeof value);
        return *this;
    }
    // Stores `value` as the field's code stores numbers (selection codes as bytes).
    Block& number(const ScreenField& f, double value) {
        switch (f.type_code) {
        case 3: return set(f, static_cast<std::int16_t>(value));
        case 4: case 20: case 12: case 13: return set(f, static_cast<std::uint16_t>(value));
        case 5: return set(f, static_cast<std::int32_t>(value));
        case 6: case 21: return set(f, static_cast<std::uint32_t>(value));
        case 7: return set(f, static_cast<float>(value));
        case 8: return set(f, value);
        default: return set(f, static_cast<std::uint8_t>(value));
        }
    }
    // The field's bytes, text and padding and closing NUL included.
    std::string raw(const ScreenField& f) const {
        return {reinterpret_cast<const char*>(bytes_.data() + f.offset), width_of(f.type_code)};
    }
    Block& set_raw(const ScreenField& f, const std::string& bytes) {
        std::memcpy(bytes_.data() + f.offset, bytes.data(), bytes.size());
        return *this;
    }
    // Writes `text` NUL-padded to the whole field.
    Block& set_text(const ScreenField& f, const std::string& text) {
        return set_raw(f, text + std::string(width_of(f.type_code) - text.size(), '\0'));
    }
    std::string text(const ScreenField& f) const {
        return reinterpret_cast<const char*>(bytes_.data() + f.offset);
    }

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    const std::array<std::uint8_t, 256>& bytes() const { return bytes_; }

private:
    std::array<std::uint8_t, 256> bytes_;
};

class AllFieldTypes {
public:
    AllFieldTypes() {
        std::uint32_t offset = 1;  // byte 0 is a guard, so that a write before the first field shows
        for (unsigned code = 0; code <= 25; ++code) add(code, offset);
        add(255, offset);
        list_ = {static_cast<std::int32_t>(fields_.size()), fields_.data()};
    }

    const ScreenFieldList* list() const { return &list_; }
    const ScreenField& operator[](unsigned code) const { return fields_[code == 255 ? 26 : code]; }

    // A list of the single entry of `code`.
    ScreenFieldList only(unsigned code) const { return {1, &(*this)[code]}; }

    // Whether every byte of `block` outside the fields of codes 1..24 still holds the guard.
    bool guards_intact(const Block& block) const {
        std::array<bool, 256> owned{};
        for (unsigned code = 1; code <= 24; ++code)
            for (unsigned i = 0; i < width_of(code); ++i) owned[(*this)[code].offset + i] = true;
        for (std::size_t i = 0; i < owned.size(); ++i)
            if (!owned[i] && block.bytes()[i] != kGuard) return false;
        return true;
    }

private:
    void add(unsigned code, std::uint32_t& offset) {
        fields_.push_back({static_cast<std::uint8_t>(code), text_length(code), {0, 0}, offset});
        offset += width_of(code) + 1;  // one guard byte after every field
    }

    std::vector<ScreenField> fields_;
    ScreenFieldList list_{};
};

}  // namespace gjbz108a::test
