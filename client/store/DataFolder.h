#pragma once

#include <filesystem>
#include <memory>

#include "client/store/Store.h"

namespace nuvclient {

// $XDG_DATA_HOME/nuvclient, else ~/.local/share/nuvclient. Throws StoreError when neither
// XDG_DATA_HOME nor HOME is set to an absolute path.
std::filesystem::path DefaultDataFolder();

// The store file inside a data folder.
std::filesystem::path StoreFileIn(const std::filesystem::path& folder);

// Opens the store of |folder|. On first run it creates the folder and a store filled from the
// SQL files of |sampleData| (schema.sql, then sample.sql) in one transaction; the file appears
// under its name only once it is complete. An existing file is opened as it is, never replaced.
std::unique_ptr<Store> OpenDataFolder(const std::filesystem::path& folder,
                                      const std::filesystem::path& sampleData);

// The file of the emulated directory service inside a data folder.
std::filesystem::path DirectoryFileIn(const std::filesystem::path& folder);

// Opens the directory of |folder| as OpenDataFolder opens the store; a new one is filled from
// schema.sql, sample.sql and then directory.sql, which turns the sample users into what they
// published.
std::unique_ptr<Store> OpenDirectory(const std::filesystem::path& folder,
                                     const std::filesystem::path& sampleData);

}  // namespace nuvclient
