// The files and standard streams of a command, read and written through their
// descriptors so that a failure keeps the system's reason. A read error throws
// ReadError rather than passing for the end of the input; a write error is
// kept, later output is dropped, and close() tells it.
#pragma once

#include <array>
#include <istream>
#include <memory>
#include <stdexcept>
#include <streambuf>
#include <string>

namespace gjbz108a::cli {

// "cannot open NAME: reason" or "cannot read NAME: reason".
class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A standard descriptor that is closed would be taken by the next file opened
// (the component library's database, say), which would then be read or
// written in its place. It is given /dev/null instead; false when it was
// closed. `flags` are open()'s: O_RDONLY or O_WRONLY.
bool hold_open(int fd, int flags);

class InputFile final : public std::streambuf {
public:
    // Standard input, named "standard input" in messages; left open. A closed
    // standard input fails at the first read.
    InputFile();
    // The file at `path`; throws ReadError when it cannot be opened.
    explicit InputFile(const std::string& path);
    ~InputFile() override;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

protected:
    int_type underflow() override;

private:
    int fd_;
    bool owned_;
    std::string name_;
    std::array<char, 1 << 16> buffer_;
};

// An input stream on which a read error of its InputFile reaches the caller as
// the ReadError it is (a stream would otherwise keep only its bad bit).
class InputStream : public std::istream {
public:
    explicit InputStream(InputFile& file) : std::istream(&file) { exceptions(std::ios::badbit); }
};

class OutputFile final : public std::streambuf {
public:
    // Writes to the descriptor `fd` (not closed until close()), named `name` in
    // messages: "standard output". A closed descriptor fails as a write would.
    OutputFile(int fd, std::string name);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Writes what is buffered and closes the descriptor. False when any write
    // or the close failed, with "cannot write NAME: reason" in `why`; `why`
    // stays empty for a reader that closed its pipe, which is no news to report.
    bool close(std::string& why);

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    bool drain();
    bool write_all(const char* text, std::size_t size);

    int fd_;
    std::string name_;
    int error_ = 0;  // the errno of the first failed write
    std::array<char, 1 << 16> buffer_;
};

}  // namespace gjbz108a::cli
