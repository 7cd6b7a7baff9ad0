// The host's "topic" data list: the topics of the home-page directory, one a row, each with a
// "code", a "level" (0 for a top topic), a "parent" row (-1 for none) and a "name". Every read
// answers nothing when the list refuses it, and no row outside the table is ever read.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "module/host/MINUVDataList.h"
#include "platform/com/ComPtr.h"

class CTopicList {
public:
    // The list as the host's data-list service hands it out; an unavailable list (no service,
    // no "topic" list or no row count) when the host cannot give it.
    static CTopicList Open();

    bool Available() const { return static_cast<bool>(m_list); }
    LONG Count() const { return m_count; }

    // The row whose "code" is |code|.
    std::optional<LONG> RowOf(LONG code) const;
    std::optional<LONG> Code(LONG row) const { return Number(row, "code"); }
    std::optional<LONG> Level(LONG row) const { return Number(row, "level"); }
    // The parent row as the list gives it: -1 for a top topic, but the host may give any number.
    std::optional<LONG> Parent(LONG row) const { return Number(row, "parent"); }
    std::optional<std::string> Name(LONG row) const;
    // The rows above |row|, its parent first, up to a top topic or the first parent that cannot
    // be read or lies outside the table. A row met a second time (the host's list loops) ends
    // the walk as well.
    std::vector<LONG> Ancestors(LONG row) const;

private:
    bool Contains(LONG row) const { return row >= 0 && row < m_count; }
    std::optional<LONG> Number(LONG row, const char* field) const;

    winport::ComPtr<MINUVDataList> m_list;
    LONG m_count = 0;
};
