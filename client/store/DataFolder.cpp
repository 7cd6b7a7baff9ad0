#include "client/store/DataFolder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <vector>

#include "client/store/StoreError.h"

namespace nuvclient {
namespace {

std::string ErrnoText(int error) {
    return std::strerror(error);
}

std::string ReadSqlFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in || in.bad()) throw StoreError(file, "cannot read the sample data");
    return text.str();
}

void SyncPath(const std::filesystem::path& path, int flags) {
    int fd = open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0 || fsync(fd) != 0) {
        int error = errno;
        if (fd >= 0) close(fd);
        throw StoreError(path, "cannot sync to disk (" + ErrnoText(error) + ")");
    }
    close(fd);
}

// A file of a unique name in |folder|, removed when it goes out of scope.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& folder) {
        std::string name = (folder / ".nuvclient.db.XXXXXX").string();
        int fd = mkstemp(name.data());
        if (fd < 0) {
            int error = errno;
            if (error == EACCES || error == EROFS || error == EPERM)
                throw StoreError(folder, "the data folder is read-only (" + ErrnoText(error) + ")");
            throw StoreError(folder,
                             "cannot create a file in the data folder (" + ErrnoText(error) + ")");
        }
        close(fd);
        m_path = name;
    }
    ~TemporaryFile() {
        unlink(m_path.c_str());
        for (const char* suffix : {"-journal", "-wal", "-shm"})
            unlink((m_path.string() + suffix).c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Runs the SQL files |sqlFiles| of |sampleData|, in order, in one transaction on |loading|, the
// new file that becomes |file|.
void LoadSampleData(const std::filesystem::path& loading, const std::filesystem::path& file,
                    const std::filesystem::path& sampleData,
                    std::initializer_list<const char*> sqlFiles) {
    std::vector<std::string> scripts;
    for (const char* name : sqlFiles) scripts.push_back(ReadSqlFile(sampleData / name));
    try {
        Database db(loading, OpenMode::ExistingOnly);
        db.Execute("PRAGMA synchronous = FULL; PRAGMA foreign_keys = ON");
        Transaction transaction(db, TransactionKind::Write);
        for (const std::string& script : scripts) db.Execute(script.c_str());
        transaction.Commit();
        db.Execute("PRAGMA journal_mode = WAL");
    } catch (const StoreError& error) {
        throw StoreError(file, "cannot be made from the sample data in " + sampleData.string() +
                                   " (" + error.Problem() + ")");
    }
}

void CreateDatabaseFile(const std::filesystem::path& folder, const std::filesystem::path& file,
                        const std::filesystem::path& sampleData,
                        std::initializer_list<const char*> sqlFiles) {
    TemporaryFile loading(folder);
    LoadSampleData(loading.Path(), file, sampleData, sqlFiles);
    SyncPath(loading.Path(), O_RDONLY);
    // link() never replaces: a file another process or thread created meanwhile wins.
    if (link(loading.Path().c_str(), file.c_str()) != 0 && errno != EEXIST) {
        int error = errno;
        throw StoreError(file, "cannot create the file (" + ErrnoText(error) + ")");
    }
    SyncPath(folder, O_RDONLY | O_DIRECTORY);
}

// Opens |file| in |folder| as a file of |kind|, first creating the folder and, when the file is
// missing, the file from |sqlFiles|.
std::unique_ptr<Store> OpenOrCreate(const std::filesystem::path& folder,
                                    const std::filesystem::path& file,
                                    const std::filesystem::path& sampleData,
                                    std::initializer_list<const char*> sqlFiles,
                                    const StoreKind& kind) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw StoreError(folder, "cannot create the data folder (" + error.message() + ")");
    if (!std::filesystem::is_directory(folder, error))
        throw StoreError(folder, "the data folder is not a folder");
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error)))
        CreateDatabaseFile(folder, file, sampleData, sqlFiles);
    // The write-ahead log and its index live beside the file.
    if (access(folder.c_str(), W_OK) != 0)
        throw StoreError(folder, "the data folder is read-only (" + ErrnoText(errno) + ")");
    if (access(file.c_str(), R_OK | W_OK) != 0)
        throw StoreError(file, "cannot open the " + std::string(kind.name) +
                                   " for reading and writing (" + ErrnoText(errno) + ")");
    return std::make_unique<Store>(file, kind);
}

}  // namespace

std::filesystem::path DefaultDataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') return std::filesystem::path(dataHome) / "nuvclient";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::filesystem::path(home) / ".local" / "share" / "nuvclient";
    throw StoreError("$HOME", "neither XDG_DATA_HOME nor HOME is set; give the data folder");
}

std::filesystem::path StoreFileIn(const std::filesystem::path& folder) {
    return folder / "nuvclient.db";
}

std::filesystem::path DirectoryFileIn(const std::filesystem::path& folder) {
    return folder / "directory.db";
}

std::unique_ptr<Store> OpenDataFolder(const std::filesystem::path& folder,
                                      const std::filesystem::path& sampleData) {
    return OpenOrCreate(folder, StoreFileIn(folder), sampleData, {"schema.sql", "sample.sql"},
                        kUserStore);
}

std::unique_ptr<Store> OpenDirectory(const std::filesystem::path& folder,
                                     const std::filesystem::path& sampleData) {
    return OpenOrCreate(folder, DirectoryFileIn(folder), sampleData,
                        {"schema.sql", "sample.sql", "directory.sql"}, kDirectoryStore);
}

}  // namespace nuvclient
