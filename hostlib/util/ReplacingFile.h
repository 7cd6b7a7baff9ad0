// Writing a file that replaces another only once it is whole: a failure at any point leaves the
// old file as it was and no partial file behind.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

// Writes |content| to a new file in the folder of |path|, syncs it, then renames it over |path|.
// Answers the first failure, an empty code when written; on failure |path| is untouched and the
// new file removed.
std::error_code WriteFileReplacing(const std::filesystem::path& path, std::string_view content);
