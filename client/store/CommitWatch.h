// CommitWatch: tells, without a lock or a system call, whether any connection may have committed
// to a database in write-ahead-log mode since a mark. Every commit rewrites the header of the
// log's shared index (its commit counter, frame count and checksums), which every connection
// maps; the header's layout is fixed because processes with different SQLite builds share it.
//
// A connection that has read in that mode keeps a shared lock on the database file until it
// closes, so no one can take the file out of the mode and the mapping lives as long as the
// connection does.
#pragma once

#include <sqlite3.h>

#include <array>
#include <cstdint>

namespace nuvclient {

class CommitWatch {
public:
    CommitWatch() = default;
    CommitWatch(const CommitWatch&) = delete;
    CommitWatch& operator=(const CommitWatch&) = delete;

    // Finds the shared index of |db| once it has read in write-ahead-log mode; until then, and
    // for a connection in another mode, there is nothing to watch. |db| outlives the watch.
    void Locate(sqlite3* db);
    // Takes the header as it stands now as the mark, when there is one to watch.
    void Mark();
    // True only when there is a mark and the header is still exactly the marked one.
    bool Unchanged() const;

private:
    // The header is kept twice; a commit writes the first copy last, so until that copy has
    // changed the commit is not complete. A mark taken while it is being written is a mix of
    // old and new words, which the finished header differs from.
    static constexpr int kHeaderWords = 12;
    using Header = std::array<std::uint32_t, kHeaderWords>;

    std::uint32_t HeaderWord(int k) const;

    const volatile std::uint32_t* m_index = nullptr;
    bool m_located = false;
    bool m_marked = false;
    Header m_mark{};
};

}  // namespace nuvclient
