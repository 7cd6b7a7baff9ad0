#include "export/ReplacingFile.h"

#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace {

// A name beside |path| that no other file has: a hidden name with a random part.
std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
    std::random_device random;
    for (;;) {
        const std::filesystem::path candidate =
            path.parent_path() /
            ("." + path.filename().string() + "." + std::to_string(random()) + ".part");
        std::error_code error;
        if (!std::filesystem::exists(candidate, error) && !error) return candidate;
        if (error) return {};
    }
}

}  // namespace

bool WriteFileReplacing(const std::filesystem::path& path, std::string_view content) {
    const std::filesystem::path temporary = TemporaryBeside(path);
    if (temporary.empty()) return false;
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (file) file.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (file) file.flush();
        if (file) file.close();
        if (!file) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (!error) return true;
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
}
