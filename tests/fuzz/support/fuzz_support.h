// What every fuzz target needs: reading its input field by field, buffers with
// guard bytes around them, and stopping loudly when a property does not hold.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace gjbz108a::fuzz {

// A violated property is a finding like a crash: libFuzzer saves the input.
// Told on both streams, so that a run that closes the error stream
// (-close_fd_mask=2) still shows it.
[[noreturn]] inline void violated(const char* what) {
    std::fprintf(stderr, "property violated: %s\n", what);
    std::printf("property violated: %s\n", what);
    std::fflush(nullptr);
    std::abort();
}

inline void require(bool holds, const char* what) {
    if (!holds) violated(what);
}

// The fill of an output buffer, so that the bytes a call did not write show.
constexpr std::uint8_t kUnwritten = 0x7F;

// The value of type T stored at `at`, whatever its alignment.
template <typename T>
T load(const void* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// The input read front to back, so that a seed file is the arguments in call
// order. Past the end every value reads as 0.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    void take_into(void* out, std::size_t n) {
        const std::size_t available = std::min(n, size_ - position_);
        std::memcpy(out, data_ + position_, available);
        std::memset(static_cast<std::uint8_t*>(out) + available, 0, n - available);
        position_ += available;
    }

    template <typename T>
    T take() {
        T value;
        take_into(&value, sizeof value);
        return value;
    }

    std::size_t remaining() const { return size_ - position_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// A buffer handed to the code under test, with guard bytes on both sides that
// must come back unchanged. The allocation is exactly guards plus buffer, so the
// address sanitizer catches what goes past the guards.
class Guarded {
public:
    static constexpr std::size_t kGuard = 32;

    explicit Guarded(std::size_t size, std::uint8_t fill = 0) : bytes_(kGuard + size + kGuard), size_(size) {
        for (std::size_t i = 0; i < kGuard; ++i) {
            bytes_[i] = guard_byte(i);
            bytes_[kGuard + size + i] = guard_byte(i + 1);
        }
        std::fill_n(data(), size, fill);
    }
    Guarded(const void* contents, std::size_t size) : Guarded(size) { std::memcpy(data(), contents, size); }

    std::uint8_t* data() { return bytes_.data() + kGuard; }
    const std::uint8_t* data() const { return bytes_.data() + kGuard; }
    char* chars() { return reinterpret_cast<char*>(data()); }
    const char* chars() const { return reinterpret_cast<const char*>(data()); }
    std::size_t size() const { return size_; }
    std::uint8_t& operator[](std::size_t i) { return data()[i]; }
    std::uint8_t operator[](std::size_t i) const { return data()[i]; }

    bool same_as(const Guarded& other) const {
        return size_ == other.size_ && std::memcmp(data(), other.data(), size_) == 0;
    }

    // Call after every call that was handed this buffer.
    void check_guards(const char* what) const {
        for (std::size_t i = 0; i < kGuard; ++i)
            require(bytes_[i] == guard_byte(i) && bytes_[kGuard + size_ + i] == guard_byte(i + 1), what);
    }

private:
    // Varied, so that no single stray byte value passes for a guard.
    static std::uint8_t guard_byte(std::size_t i) { return static_cast<std::uint8_t>(0xA5 ^ (i * 37)); }

    std::vector<std::uint8_t> bytes_;
    std::size_t size_;
};

// The guards of every buffer that one call was handed.
inline void check_guards(std::initializer_list<const Guarded*> buffers, const char* what) {
    for (const Guarded* buffer : buffers) buffer->check_guards(what);
}

// The NUL-terminated text at the start of a buffer; violated when the buffer
// holds no NUL.
inline std::string_view text_in(const Guarded& buffer, const char* what) {
    const void* nul = std::memchr(buffer.data(), 0, buffer.size());
    require(nul != nullptr, what);
    return {buffer.chars(), static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - buffer.data())};
}

inline bool printable(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

// Whether bytes [from, size) of a buffer still hold `fill`.
inline bool untouched_from(const Guarded& buffer, std::size_t from, std::uint8_t fill) {
    for (std::size_t i = from; i < buffer.size(); ++i)
        if (buffer[i] != fill) return false;
    return true;
}

}  // namespace gjbz108a::fuzz
