// Writing a file that replaces another only once it is whole: a failure at any point leaves the
// old file as it was and no partial file behind.
#pragma once

#include <filesystem>
#include <string_view>

// Writes |content| to a new file in the folder of |path|, then renames it over |path|. False
// when any step fails; |path| is then untouched and the new file removed.
bool WriteFileReplacing(const std::filesystem::path& path, std::string_view content);
