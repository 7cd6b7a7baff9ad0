// The work of the three directory operations, done on the calling thread with its own
// connections to the store and the directory. Each answers nothing on success, else the failure
// to report; a failure changes nothing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "client/directory/DirectoryOptions.h"

namespace nuvclient {

// Where the operations find their files.
struct DirectoryPlace {
    std::filesystem::path storeFile;
    // The data folder of the directory file (made on first use).
    std::filesystem::path dataFolder;
    // The shipped SQL a new directory file is made from.
    std::filesystem::path sampleData;
};

using DirectoryOutcome = std::optional<DirectoryFailure>;

// A user the store or the directory does not know, or of the wrong kind (ERROR_NOT_FOUND).
inline constexpr int kDirectoryUnknownUser = 1168;
// The store or the directory failed (ERROR_WRITE_FAULT); the text names the file.
inline constexpr int kDirectoryFileFailed = 29;

// Copies what |user| published into his record, keeping the owner's own keys (his time-zone
// override too, while "DontUpdateGMT" is set), and takes the publication date as
// "LastUpdateDate".
DirectoryOutcome RetrieveDetails(const DirectoryPlace& place, std::uint32_t user);

// Publishes the owner's sections whose "UpdateInfoStatus" bits are clear, then sets those bits.
DirectoryOutcome UploadOwnerDetails(const DirectoryPlace& place, std::uint32_t owner);

// Replaces the owner's published keys with what the directory holds; nothing waits to be
// uploaded afterwards.
DirectoryOutcome RefreshOwnerDetails(const DirectoryPlace& place, std::uint32_t owner);

}  // namespace nuvclient
