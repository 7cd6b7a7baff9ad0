#include "client/store/CommitWatch.h"

#include <string_view>

namespace nuvclient {
namespace {

// The unit in which SQLite maps the shared index; the header opens the first one.
constexpr int kIndexRegionBytes = 32768;

bool InLogMode(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA main.journal_mode", -1, &statement, nullptr) != SQLITE_OK)
        return false;
    bool wal = false;
    if (sqlite3_step(statement) == SQLITE_ROW) {
        const auto* mode = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        wal = mode && std::string_view(mode) == "wal";
    }
    sqlite3_finalize(statement);
    return wal;
}

}  // namespace

void CommitWatch::Locate(sqlite3* db) {
    if (m_located) return;
    m_located = true;
    // Asking for the mapping of a connection in another mode would create the index file.
    if (!InLogMode(db)) return;
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
        !file->pMethods || file->pMethods->iVersion < 2 || !file->pMethods->xShmMap)
        return;
    volatile void* region = nullptr;
    if (file->pMethods->xShmMap(file, 0, kIndexRegionBytes, 0, &region) != SQLITE_OK) return;
    m_index = static_cast<const volatile std::uint32_t*>(region);
}

std::uint32_t CommitWatch::HeaderWord(int k) const {
    // Acquire: whatever the caller reads next is read after the word.
    return __atomic_load_n(m_index + k, __ATOMIC_ACQUIRE);
}

void CommitWatch::Mark() {
    m_marked = m_index != nullptr;
    if (!m_marked) return;
    for (int k = 0; k < kHeaderWords; ++k) m_mark[k] = HeaderWord(k);
}

bool CommitWatch::Unchanged() const {
    if (!m_marked) return false;
    for (int k = 0; k < kHeaderWords; ++k)
        if (HeaderWord(k) != m_mark[k]) return false;
    return true;
}

}  // namespace nuvclient
