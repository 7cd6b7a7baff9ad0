#include "tests/client/PowerLossVfs.h"

#include <cstring>
#include <fstream>

namespace nuvclient::test {
namespace {

struct File {
    sqlite3_file base;
    PowerLossVfs* owner;
    std::string* path;  // none for a temporary file
    sqlite3_file* real;
};

File* Of(sqlite3_file* file) {
    return reinterpret_cast<File*>(file);
}

std::string Contents(sqlite3_file* real) {
    sqlite3_int64 size = 0;
    if (real->pMethods->xFileSize(real, &size) != SQLITE_OK) return {};
    std::string bytes(static_cast<size_t>(size), '\0');
    if (size > 0) real->pMethods->xRead(real, bytes.data(), static_cast<int>(size), 0);
    return bytes;
}

// Every connection opened while the synchronous setting is forced starts with it OFF.
int SynchronousOff(sqlite3* db, char**, const sqlite3_api_routines*) {
    return sqlite3_exec(db, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
}

}  // namespace

// The calls SQLite makes, each passed on to the system's file system unless the power is off.
struct PowerLossCalls {
    static PowerLossVfs& Owner(sqlite3_vfs* vfs) {
        return *static_cast<PowerLossVfs*>(vfs->pAppData);
    }
    static sqlite3_file* Real(sqlite3_file* file) { return Of(file)->real; }

    static int Close(sqlite3_file* file) {
        File* f = Of(file);
        const int rc = f->real->pMethods ? f->real->pMethods->xClose(f->real) : SQLITE_OK;
        delete f->path;
        return rc;
    }
    static int Write(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset) {
        if (Of(file)->owner->m_poweredOff) return SQLITE_IOERR_WRITE;
        sqlite3_int64 size = 0;
        if (Of(file)->owner->m_diskFull &&
            (Real(file)->pMethods->xFileSize(Real(file), &size) != SQLITE_OK ||
             offset + amount > size))
            return SQLITE_FULL;
        return Real(file)->pMethods->xWrite(Real(file), buffer, amount, offset);
    }
    static int Truncate(sqlite3_file* file, sqlite3_int64 size) {
        if (Of(file)->owner->m_poweredOff) return SQLITE_IOERR_TRUNCATE;
        return Real(file)->pMethods->xTruncate(Real(file), size);
    }
    static int Sync(sqlite3_file* file, int flags) {
        File* f = Of(file);
        if (!f->owner->CountSync()) return SQLITE_IOERR_FSYNC;
        const int rc = f->real->pMethods->xSync(f->real, flags);
        if (rc == SQLITE_OK && f->path) f->owner->NoteSynced(*f->path, f->real);
        return rc;
    }
    static int FileControl(sqlite3_file* file, int op, void* argument) {
        if (op == SQLITE_FCNTL_PRAGMA && Of(file)->owner->m_forceSynchronousOff) {
            // Answered here, and so ignored: a request for any other synchronous setting.
            char** pragma = static_cast<char**>(argument);
            if (sqlite3_stricmp(pragma[1], "synchronous") == 0 && pragma[2] &&
                sqlite3_stricmp(pragma[2], "OFF") != 0 && std::strcmp(pragma[2], "0") != 0)
                return SQLITE_OK;
        }
        return Real(file)->pMethods->xFileControl(Real(file), op, argument);
    }
    // The calls passed on as they are.
    template <auto Method>
    struct Pass;
    template <class R, class... Args, R (*sqlite3_io_methods::*Method)(sqlite3_file*, Args...)>
    struct Pass<Method> {
        static R Call(sqlite3_file* file, Args... args) {
            return (Real(file)->pMethods->*Method)(Real(file), args...);
        }
    };
    template <class R, class... Args, R (*sqlite3_vfs::*Method)(sqlite3_vfs*, Args...)>
    struct Pass<Method> {
        static R Call(sqlite3_vfs* vfs, Args... args) {
            return (Owner(vfs).m_system->*Method)(Owner(vfs).m_system, args...);
        }
    };

    static constexpr sqlite3_io_methods kMethods = {
        2,
        Close,
        Pass<&sqlite3_io_methods::xRead>::Call,
        Write,
        Truncate,
        Sync,
        Pass<&sqlite3_io_methods::xFileSize>::Call,
        Pass<&sqlite3_io_methods::xLock>::Call,
        Pass<&sqlite3_io_methods::xUnlock>::Call,
        Pass<&sqlite3_io_methods::xCheckReservedLock>::Call,
        FileControl,
        Pass<&sqlite3_io_methods::xSectorSize>::Call,
        Pass<&sqlite3_io_methods::xDeviceCharacteristics>::Call,
        Pass<&sqlite3_io_methods::xShmMap>::Call,
        Pass<&sqlite3_io_methods::xShmLock>::Call,
        Pass<&sqlite3_io_methods::xShmBarrier>::Call,
        Pass<&sqlite3_io_methods::xShmUnmap>::Call,
        nullptr,
        nullptr};

    static int Open(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags,
                    int* outFlags) {
        PowerLossVfs& owner = Owner(vfs);
        File* f = Of(file);
        f->base.pMethods = nullptr;
        f->owner = &owner;
        f->path = nullptr;
        f->real = reinterpret_cast<sqlite3_file*>(f + 1);
        if (owner.m_poweredOff && (flags & SQLITE_OPEN_CREATE)) return SQLITE_CANTOPEN;
        if (name) owner.Track(name);
        const int rc = owner.m_system->xOpen(owner.m_system, name, f->real, flags, outFlags);
        if (rc != SQLITE_OK) return rc;
        if (name) {
            f->path = new std::string(name);
            if (flags & SQLITE_OPEN_MAIN_DB) owner.m_mainDatabases.insert(name);
        }
        f->base.pMethods = &kMethods;
        return SQLITE_OK;
    }
    static int Delete(sqlite3_vfs* vfs, const char* name, int syncDirectory) {
        PowerLossVfs& owner = Owner(vfs);
        if (owner.m_poweredOff) return SQLITE_IOERR_DELETE;
        const int rc = owner.m_system->xDelete(owner.m_system, name, syncDirectory);
        if (rc == SQLITE_OK) owner.m_durable[name] = std::nullopt;
        return rc;
    }
};

PowerLossVfs::PowerLossVfs() {
    m_system = sqlite3_vfs_find(nullptr);
    m_vfs.iVersion = 1;
    m_vfs.szOsFile = static_cast<int>(sizeof(File)) + m_system->szOsFile;
    m_vfs.mxPathname = m_system->mxPathname;
    m_vfs.zName = "power-loss";
    m_vfs.pAppData = this;
    m_vfs.xOpen = PowerLossCalls::Open;
    m_vfs.xDelete = PowerLossCalls::Delete;
    m_vfs.xAccess = PowerLossCalls::Pass<&sqlite3_vfs::xAccess>::Call;
    m_vfs.xFullPathname = PowerLossCalls::Pass<&sqlite3_vfs::xFullPathname>::Call;
    m_vfs.xRandomness = PowerLossCalls::Pass<&sqlite3_vfs::xRandomness>::Call;
    m_vfs.xSleep = PowerLossCalls::Pass<&sqlite3_vfs::xSleep>::Call;
    m_vfs.xCurrentTime = PowerLossCalls::Pass<&sqlite3_vfs::xCurrentTime>::Call;
    m_vfs.xGetLastError = PowerLossCalls::Pass<&sqlite3_vfs::xGetLastError>::Call;
    sqlite3_vfs_register(&m_vfs, 1);
}

PowerLossVfs::~PowerLossVfs() {
    if (m_forceSynchronousOff)
        sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(SynchronousOff));
    sqlite3_vfs_unregister(&m_vfs);
    sqlite3_vfs_register(m_system, 1);
}

void PowerLossVfs::PowerOffAtSync(int sync) {
    m_powerOffAt = m_syncs + sync;
}

void PowerLossVfs::ForceSynchronousOff() {
    m_forceSynchronousOff = true;
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(SynchronousOff));
}

bool PowerLossVfs::CountSync() {
    if (m_poweredOff) return false;
    if (++m_syncs == m_powerOffAt) m_poweredOff = true;
    return !m_poweredOff;
}

void PowerLossVfs::Track(const std::string& path) {
    if (m_durable.count(path)) return;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        m_durable[path] = std::nullopt;
        return;
    }
    m_durable[path] = std::string(std::istreambuf_iterator<char>(in), {});
}

void PowerLossVfs::NoteSynced(const std::string& path, sqlite3_file* real) {
    m_durable[path] = Contents(real);
}

void PowerLossVfs::DropUnsyncedWrites() {
    for (const auto& [path, contents] : m_durable) {
        if (!contents) {
            std::filesystem::remove(path);
            continue;
        }
        std::ofstream(path, std::ios::binary | std::ios::trunc) << *contents;
    }
    for (const std::string& path : m_mainDatabases) std::filesystem::remove(path + "-shm");
    m_poweredOff = false;
    m_powerOffAt = 0;
}

}  // namespace nuvclient::test
