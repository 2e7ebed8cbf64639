// An input stream read in large blocks, so that a reader can take it a byte at
// a time, or a run of plain bytes at a time, at little cost.
#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

class BlockInput {
public:
    static constexpr int kEnd = -1;

    explicit BlockInput(std::istream& input) : input_(input) {}

    // The next byte, or kEnd.
    int peek() {
        if (pos_ == size_ && !refill()) return kEnd;
        return static_cast<unsigned char>(block_[pos_]);
    }
    int get() {
        const int c = peek();
        if (c != kEnd) ++pos_;
        return c;
    }

    // Bytes from the start of the input to the next one.
    std::size_t position() const noexcept { return consumed_ + pos_; }

    // Appends the bytes from the next one up to the first for which `stop`
    // holds, or to the end of the block; they are taken.
    template <typename Stop>
    void append_run(std::string& out, Stop stop) {
        std::size_t end = pos_;
        while (end < size_ && !stop(static_cast<unsigned char>(block_[end]))) ++end;
        out.append(block_.data() + pos_, end - pos_);
        pos_ = end;
    }

    // The bytes of the block from the next one on, which stay in place until
    // the next refill; take() takes some of them.
    std::string_view buffered() const noexcept { return {block_.data() + pos_, size_ - pos_}; }
    void take(std::size_t count) noexcept { pos_ += count; }

    static constexpr std::size_t kBlockSize = std::size_t{1} << 16;

    // Takes a UTF-8 byte-order mark at the very start of the input.
    void skip_byte_order_mark() {
        static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        if (position() == 0 && peek() != kEnd && std::string_view(block_.data(), size_).starts_with(kByteOrderMark))
            pos_ = kByteOrderMark.size();
    }

private:
    bool refill() {
        consumed_ += size_;
        input_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
        size_ = static_cast<std::size_t>(input_.gcount());
        pos_ = 0;
        return size_ != 0;
    }

    std::istream& input_;
    std::array<char, kBlockSize> block_;
    std::size_t pos_ = 0;
    std::size_t size_ = 0;
    std::size_t consumed_ = 0;  // bytes of the input before the block
};

}  // namespace gjbz108a::cli
