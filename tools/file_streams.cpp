#include "tools/file_streams.h"

#include <fcntl.h>
#include <unistd.h>
#if defined(_WIN32)
#include <io.h>
#endif

#include <cerrno>
#include <cstring>

namespace gjbz108a::cli {
namespace {

// Files are opened in binary mode on Windows, and never inherited.
#if defined(_WIN32)
constexpr int kOpenFlags = O_BINARY | O_NOINHERIT;
constexpr const char* kNullDevice = "NUL";
bool is_open(int fd) { return ::_get_osfhandle(fd) != -1; }
#else
constexpr int kOpenFlags = O_CLOEXEC;
constexpr const char* kNullDevice = "/dev/null";
bool is_open(int fd) { return ::fcntl(fd, F_GETFD) >= 0; }
#endif

}  // namespace

bool hold_open(int fd, int flags) {
    if (is_open(fd)) return true;
    const int null = ::open(kNullDevice, flags | kOpenFlags);
    if (null >= 0 && null != fd) {
        ::dup2(null, fd);
        ::close(null);
    }
    return false;
}

InputFile::InputFile() : fd_(STDIN_FILENO), owned_(false), name_("standard input") {
    if (!hold_open(STDIN_FILENO, O_RDONLY)) fd_ = -1;
}

InputFile::InputFile(const std::string& path) : owned_(true), name_(path) {
    do fd_ = ::open(path.c_str(), O_RDONLY | kOpenFlags);
    while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) throw ReadError("cannot open " + name_ + ": " + std::strerror(errno));
}

InputFile::~InputFile() {
    if (owned_) ::close(fd_);  // read only: nothing to lose
}

InputFile::int_type InputFile::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (fd_ < 0) throw ReadError("cannot read " + name_ + ": " + std::strerror(EBADF));
    ssize_t got;
    do got = ::read(fd_, buffer_.data(), buffer_.size());
    while (got < 0 && errno == EINTR);
    if (got < 0) throw ReadError("cannot read " + name_ + ": " + std::strerror(errno));
    if (got == 0) return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(*gptr());
}

OutputFile::OutputFile(int fd, std::string name) : fd_(fd), name_(std::move(name)) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    if (!hold_open(fd, O_WRONLY)) error_ = EBADF;
}

bool OutputFile::write_all(const char* text, std::size_t size) {
    while (size > 0 && error_ == 0) {
        const ssize_t written = ::write(fd_, text, size);
        if (written < 0) {
            if (errno != EINTR) error_ = errno;
            continue;
        }
        text += written;
        size -= static_cast<std::size_t>(written);
    }
    return error_ == 0;
}

bool OutputFile::drain() {
    const bool done = write_all(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return done;
}

OutputFile::int_type OutputFile::overflow(int_type c) {
    if (!drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize OutputFile::xsputn(const char* text, std::streamsize count) {
    if (error_ != 0) return 0;
    const auto size = static_cast<std::size_t>(count);
    if (size <= static_cast<std::size_t>(epptr() - pptr())) {
        std::memcpy(pptr(), text, size);
        pbump(static_cast<int>(size));
        return count;
    }
    // A large write goes straight through, after what is buffered.
    if (!drain() || !write_all(text, size)) return 0;
    return count;
}

int OutputFile::sync() { return drain() ? 0 : -1; }

bool OutputFile::close(std::string& why) {
    drain();
    if (fd_ >= 0) {
        if (::close(fd_) != 0 && error_ == 0 && errno != EINTR) error_ = errno;
        fd_ = -1;
    }
    if (error_ == 0) return true;
    why.clear();
    if (error_ != EPIPE) why = "cannot write " + name_ + ": " + std::strerror(error_);
    return false;
}

}  // namespace gjbz108a::cli
