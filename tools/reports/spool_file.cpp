#include "tools/reports/spool_file.h"

#include "platform/temporary_names.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#if defined(_WIN32)
#include <io.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace gjbz108a::cli {
namespace {

#if defined(_WIN32)
// _O_TEMPORARY: the system removes the file when its last descriptor closes.
constexpr int kCreateFlags = O_RDWR | O_CREAT | O_EXCL | O_BINARY | O_NOINHERIT | _O_TEMPORARY;
std::int64_t seek_to(int fd, std::uint64_t offset) { return ::_lseeki64(fd, static_cast<std::int64_t>(offset), SEEK_SET); }
#else
constexpr int kCreateFlags = O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
std::int64_t seek_to(int fd, std::uint64_t offset) { return ::lseek(fd, static_cast<off_t>(offset), SEEK_SET); }
#endif

}  // namespace

SpoolFile::SpoolFile() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) throw SpoolError("cannot find the temporary folder: " + error.message());
    platform::TemporaryNames names("gjbz108a-report");
    for (int attempt = 0; attempt < platform::TemporaryNames::kAttempts; ++attempt) {
        name_ = (folder / names.next()).string();
        fd_ = ::open(name_.c_str(), kCreateFlags, 0600);
        if (fd_ >= 0 || errno != EEXIST) break;
    }
    if (fd_ < 0) fail("cannot make the temporary file", errno);
#if !defined(_WIN32)
    // Gone from the folder now, so that no way out of the program leaves it behind.
    if (::unlink(name_.c_str()) != 0) {
        const int why = errno;
        ::close(fd_);
        fd_ = -1;
        fail("cannot remove the temporary file", why);
    }
#endif
}

SpoolFile::~SpoolFile() {
    if (fd_ >= 0) ::close(fd_);  // only read back from, nothing of it is kept
}

void SpoolFile::fail(std::string_view what, int error) const {
    throw SpoolError(std::string(what) + " " + name_ + ": " + std::strerror(error));
}

void SpoolFile::seek(std::uint64_t offset) {
    if (seek_to(fd_, offset) < 0) fail("cannot seek in the temporary file", errno);
}

std::uint64_t SpoolFile::append(std::string_view bytes) {
    const std::uint64_t offset = size_;
    seek(offset);
    while (!bytes.empty()) {
        const auto written = ::write(fd_, bytes.data(), static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30)));
        if (written < 0) {
            if (errno == EINTR) continue;
            fail("cannot write the temporary file", errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        size_ += static_cast<std::uint64_t>(written);
    }
    return offset;
}

void SpoolFile::read(std::uint64_t offset, std::size_t size, std::string& bytes) {
    bytes.resize(size);
    seek(offset);
    std::size_t got = 0;
    while (got < size) {
        const auto n = ::read(fd_, bytes.data() + got, static_cast<unsigned>(std::min<std::size_t>(size - got, 1u << 30)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail("cannot read the temporary file", errno);
        if (n == 0) fail("cannot read the temporary file", EIO);  // shorter than what was written
        got += static_cast<std::size_t>(n);
    }
}

}  // namespace gjbz108a::cli
