#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace nuvclient::test {

// A SQLite file system for tests, made the default while it lives. It passes every call to the
// system's own and remembers each file as it stood at its last sync. Power goes off just before
// a chosen sync, or when the test says so: from then on every write, sync and delete fails, as
// for a machine that has stopped. DropUnsyncedWrites() then puts every file back as it was at
// its last sync (a file never synced is gone), as a disk keeps only what it was told to make
// durable, and forgets the shared-memory index that a real power loss wipes. The disk can also
// fill up: from then on no file grows, while writes within a file's present size still succeed.
class PowerLossVfs {
public:
    PowerLossVfs();
    ~PowerLossVfs();
    PowerLossVfs(const PowerLossVfs&) = delete;
    PowerLossVfs& operator=(const PowerLossVfs&) = delete;

    // The power goes off instead of the |sync|th sync from now (counted from 1).
    void PowerOffAtSync(int sync);
    void PowerOff() { m_poweredOff = true; }
    bool PoweredOff() const { return m_poweredOff; }
    void FillDisk() { m_diskFull = true; }
    int Syncs() const { return m_syncs; }
    // Call once every connection is closed; the power is back on afterwards.
    void DropUnsyncedWrites();
    // The connections opened while this lives run with "synchronous" OFF, whatever they ask
    // for: the setting a durable store must not have.
    void ForceSynchronousOff();

private:
    friend struct PowerLossCalls;

    void Track(const std::string& path);
    void NoteSynced(const std::string& path, sqlite3_file* real);
    bool CountSync();

    sqlite3_vfs m_vfs{};
    sqlite3_vfs* m_system = nullptr;
    // Every file opened by name, with its content at its last sync; none when it did not exist.
    std::map<std::string, std::optional<std::string>> m_durable;
    std::set<std::string> m_mainDatabases;
    int m_syncs = 0;
    int m_powerOffAt = 0;
    bool m_poweredOff = false;
    bool m_diskFull = false;
    bool m_forceSynchronousOff = false;
};

}  // namespace nuvclient::test
