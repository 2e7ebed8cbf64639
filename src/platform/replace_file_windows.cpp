// replace_file on Windows, through the Win32 file API. The mode that the new
// file keeps is the replaced file's attributes; a read-only file cannot be
// replaced (Windows refuses the rename over it), and the error says so.
#include "platform/replace_file.h"
#include "platform/temporary_names.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace gjbz108a::platform {
namespace {

namespace fs = std::filesystem;

// The system's message for `error`, without its closing full stop and line end.
std::string system_reason(DWORD error) {
    char* text = nullptr;
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = length ? std::string(text, length) : "system error " + std::to_string(error);
    if (text) ::LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
        reason.pop_back();
    return reason;
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        const bool closed = !valid() || ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

// A new file in `folder` under a name no one else holds, created exclusively.
HANDLE create_unique(const fs::path& folder, const std::string& stem, DWORD attributes, fs::path& created) {
    TemporaryNames names(stem);
    for (int attempt = 0; attempt < TemporaryNames::kAttempts; ++attempt) {
        created = folder / names.next();
        const HANDLE file =
            ::CreateFileW(created.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

bool write_all(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

std::string replace_file(const fs::path& path, std::string_view bytes) {
    // A link keeps being a link: the file it leads to is replaced.
    std::error_code error;  // a file that does not exist yet is no link
    const bool link = fs::is_symlink(fs::symlink_status(path, error));
    const fs::path target = link ? fs::weakly_canonical(path, error) : path;
    if (link && error) return error.message();
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";

    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    {
        const Handle old(::CreateFileW(target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!old.valid() && ::GetLastError() != ERROR_FILE_NOT_FOUND) return system_reason(::GetLastError());
        BY_HANDLE_FILE_INFORMATION information{};
        if (old.valid()) {
            if (!::GetFileInformationByHandle(old.get(), &information)) return system_reason(::GetLastError());
            if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return "not a regular file";
            if (information.nNumberOfLinks > 1)
                return "the file has " + std::to_string(information.nNumberOfLinks) +
                       " hard links, which replacing it would part; write to another file";
            attributes = information.dwFileAttributes & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                                          FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
            if (attributes == 0) attributes = FILE_ATTRIBUTE_NORMAL;
        }
    }

    fs::path temporary;
    Handle file(create_unique(folder, target.filename().string(), attributes, temporary));
    if (!file.valid()) return system_reason(::GetLastError());
    DWORD failure = ERROR_SUCCESS;
    if (!write_all(file.get(), bytes) || !::FlushFileBuffers(file.get())) failure = ::GetLastError();
    if (!file.close() && failure == ERROR_SUCCESS) failure = ::GetLastError();
    if (failure == ERROR_SUCCESS &&
        !::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        failure = ::GetLastError();
    if (failure != ERROR_SUCCESS) {
        ::DeleteFileW(temporary.c_str());
        return system_reason(failure);
    }
    return {};
}

}  // namespace gjbz108a::platform
