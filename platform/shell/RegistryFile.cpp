// SaveRegistry and LoadRegistry: the registry's text form on disk.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/core/LastError.h"
#include "platform/shell/Registry.h"
#include "platform/shell/RegistryStore.h"
#include "platform/shell/RegistryText.h"

namespace winport {

namespace {

enum class FileAccess { Read, Write };

DWORD ErrorCodeFor(int error, FileAccess access) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return access == FileAccess::Read ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EROFS: return ERROR_ACCESS_DENIED;
        default: return access == FileAccess::Read ? ERROR_READ_FAULT : ERROR_WRITE_FAULT;
    }
}

bool FailFile(const std::filesystem::path& path, FileAccess access, int error,
              std::string_view action) {
    SetLastErrorText(ErrorCodeFor(error, access), "cannot " + std::string(action) +
                                                      " registry file '" + path.string() +
                                                      "': " + std::strerror(error));
    return false;
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno != EINTR) return false;
        if (written > 0) text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes a rename in |path|'s directory survive a crash. Best effort: the data is already safe.
void SyncDirectoryOf(const std::filesystem::path& path) {
    const std::filesystem::path directory = path.has_parent_path() ? path.parent_path() : ".";
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Writes |text| to a temporary file beside |path| and renames it over |path|, so that |path| is
// always either the old file or the new one, whole.
bool ReplaceFile(const std::filesystem::path& path, std::string_view text) {
    std::string temporary = path.string() + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return FailFile(path, FileAccess::Write, errno, "create a temporary file for");
    bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.c_str(), path.c_str()) == 0) {
        SyncDirectoryOf(path);
        return true;
    }
    if (written) error = errno;
    ::unlink(temporary.c_str());
    return FailFile(path, FileAccess::Write, error, "write");
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& text) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return FailFile(path, FileAccess::Read, errno, "open");
    char buffer[1 << 16];
    while (true) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0) break;
        if (count < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            return FailFile(path, FileAccess::Read, error, "read");
        }
        text.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(fd);
    return true;
}

}  // namespace

bool SaveRegistry(const std::filesystem::path& path) {
    std::string text;
    {
        RegistryStore& store = RegistryStore::Instance();
        std::lock_guard lock(store.Mutex());
        text = FormatRegistryText(store.Roots());
    }
    return ReplaceFile(path, text);
}

bool LoadRegistry(const std::filesystem::path& path) {
    std::string text;
    if (!ReadWholeFile(path, text)) return false;
    RegistryTextError error;
    auto roots = ParseRegistryText(text, error);
    if (!roots) {
        SetLastErrorText(ERROR_INVALID_DATA, "registry file '" + path.string() + "', line " +
                                                 std::to_string(error.line) + ": " + error.message);
        return false;
    }
    RegistryStore& store = RegistryStore::Instance();
    std::lock_guard lock(store.Mutex());
    store.ReplaceRoots(std::move(*roots));
    return true;
}

}  // namespace winport
