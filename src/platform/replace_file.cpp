#include "platform/replace_file.h"
#include "platform/temporary_names.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace gjbz108a::platform {
namespace {

namespace fs = std::filesystem;

std::string system_reason(int error) { return std::strerror(error); }

// The file that writing through `path` reaches: a chain of symbolic links is
// followed to its end, which need not exist yet.
bool resolve_links(fs::path& path, std::string& why) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return true;
        const fs::path target = fs::read_symlink(path, error);
        if (error) {
            why = error.message();
            return false;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    why = system_reason(ELOOP);
    return false;
}

// A new file in `folder` under a name no one else holds, created exclusively
// and never through a link; its descriptor, or -1 with errno set.
int create_unique(const fs::path& folder, const std::string& stem, fs::path& created) {
    TemporaryNames names(stem);
    for (int attempt = 0; attempt < TemporaryNames::kAttempts; ++attempt) {
        created = folder / names.next();
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::string replace_file(const fs::path& path, std::string_view bytes) {
    fs::path target = path;
    std::string why;
    if (!resolve_links(target, why)) return why;
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";

    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT) return system_reason(errno);
    if (replacing && !S_ISREG(old.st_mode)) return "not a regular file";
    if (replacing && old.st_nlink > 1)
        return "the file has " + std::to_string(old.st_nlink) +
               " hard links, which replacing it would part; write to another file";

    fs::path temporary;
    const int fd = create_unique(folder, target.filename().string(), temporary);
    if (fd < 0) return system_reason(errno);
    int error = 0;
    if (replacing) {
        // The owner first: a change of owner may clear the set-id bits.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        if (::fchmod(fd, old.st_mode & 07777) != 0) error = errno;
    }
    if (error == 0 && !write_all(fd, bytes)) error = errno;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return system_reason(error);
    }
    // The rename itself lasts once the folder is on disk.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        const bool synced = ::fsync(dir) == 0;
        error = errno;
        ::close(dir);
        if (!synced && error != EINVAL) return system_reason(error);
    }
    return {};
}

}  // namespace gjbz108a::platform
