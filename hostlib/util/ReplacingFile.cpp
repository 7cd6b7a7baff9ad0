#include "hostlib/util/ReplacingFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>
#include <system_error>

namespace {

// Creates a new file beside |path| under a hidden name with a random part; -1 when none can be.
int CreateBeside(const std::filesystem::path& path, std::filesystem::path& created) {
    std::random_device random;
    for (;;) {
        created = path.parent_path() /
                  ("." + path.filename().string() + "." + std::to_string(random()) + ".part");
        const int file = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file >= 0 || errno != EEXIST) return file;
    }
}

// Writes all of |content|, then waits until it is on the disk. Answers the failure.
std::error_code WriteWhole(int file, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(file, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return {errno, std::generic_category()};
        if (written == 0) return std::make_error_code(std::errc::no_space_on_device);
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    if (::fsync(file) != 0) return {errno, std::generic_category()};
    return {};
}

}  // namespace

std::error_code WriteFileReplacing(const std::filesystem::path& path, std::string_view content) {
    std::filesystem::path temporary;
    const int file = CreateBeside(path, temporary);
    if (file < 0) return {errno, std::generic_category()};
    std::error_code error = WriteWhole(file, content);
    if (::close(file) != 0 && !error) error = {errno, std::generic_category()};
    if (!error) std::filesystem::rename(temporary, path, error);
    if (!error) return {};
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return error;
}
