// The shortest text that reads back as the same number (std::to_chars),
// remembered by the number's bits. A parts list repeats the same factors and
// rates over and over, and the shortest digits of a float cost some 400
// instructions; a hit costs a dozen. Direct mapped, 4096 slots (96 KiB for
// floats, 160 KiB for doubles): a number whose slot holds another one is
// formatted again and takes the slot.
#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace gjbz108a::cli {

template <typename Number>
class ShortestTexts {
    static_assert(std::is_same_v<Number, float> || std::is_same_v<Number, double>);

public:
    std::string_view text(Number value) noexcept {
        Bits bits;
        std::memcpy(&bits, &value, sizeof bits);
        Slot& slot = slots_[(std::uint64_t{bits} * 0x9E3779B97F4A7C15u) >> (64 - kSlotBits)];
        if (slot.size == 0 || slot.bits != bits) {
            slot.bits = bits;
            slot.size = static_cast<std::uint8_t>(std::to_chars(slot.text, slot.text + kLongest, value).ptr - slot.text);
        }
        return {slot.text, slot.size};
    }

private:
    using Bits = std::conditional_t<sizeof(Number) == 4, std::uint32_t, std::uint64_t>;
    static constexpr int kSlotBits = 12;
    // Room for the longest: -1.17549435e-38 (15 characters) and
    // -2.2250738585072014e-308 (24).
    static constexpr std::size_t kLongest = sizeof(Number) == 4 ? 16 : 24;

    struct Slot {
        Bits bits = 0;
        std::uint8_t size = 0;  // 0: empty; no number's text is
        char text[kLongest];
    };
    std::array<Slot, std::size_t{1} << kSlotBits> slots_{};
};

}  // namespace gjbz108a::cli
