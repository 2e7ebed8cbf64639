// A temporary file that holds what does not fit in memory until it is read
// back. It is made in the system's temporary folder under a name no one else
// holds, and removed whatever happens: on POSIX systems as soon as it is made
// (it lives on while it is open), on Windows by the system when it is closed.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

// "cannot write the temporary file NAME: reason", and the like.
class SpoolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SpoolFile {
public:
    // Throws SpoolError when no file can be made.
    SpoolFile();
    ~SpoolFile();
    SpoolFile(const SpoolFile&) = delete;
    SpoolFile& operator=(const SpoolFile&) = delete;

    // Appends `bytes` and gives the offset where they start. Throws SpoolError.
    std::uint64_t append(std::string_view bytes);

    // Reads `size` bytes at `offset` into `bytes`, all of them or throws SpoolError.
    void read(std::uint64_t offset, std::size_t size, std::string& bytes);

private:
    [[noreturn]] void fail(std::string_view what, int error) const;
    void seek(std::uint64_t offset);

    int fd_ = -1;
    std::string name_;
    std::uint64_t size_ = 0;
};

}  // namespace gjbz108a::cli
