#include "pages/work/TopicList.h"

#include <unordered_set>

#include "pages/HostDataList.h"

CTopicList CTopicList::Open() {
    CTopicList topics;
    topics.m_list = OpenHostDataList("topic");
    if (!topics.m_list || topics.m_list->GetCount(&topics.m_count) != S_OK || topics.m_count < 0) {
        topics.m_list.Reset();
        topics.m_count = 0;
    }
    return topics;
}

std::optional<LONG> CTopicList::RowOf(LONG code) const {
    LONG row = -1;
    if (!m_list || m_list->FindRow("code", code, &row) != S_OK || !Contains(row))
        return std::nullopt;
    return row;
}

std::optional<LONG> CTopicList::Number(LONG row, const char* field) const {
    LONG value = 0;
    if (!m_list || !Contains(row) || m_list->GetLong(row, field, &value) != S_OK)
        return std::nullopt;
    return value;
}

std::optional<std::string> CTopicList::Name(LONG row) const {
    const char* name = nullptr;
    if (!m_list || !Contains(row) || m_list->GetString(row, "name", &name) != S_OK || !name)
        return std::nullopt;
    return std::string(name);
}

std::vector<LONG> CTopicList::Ancestors(LONG row) const {
    std::vector<LONG> ancestors;
    std::unordered_set<LONG> visited{row};
    for (std::optional<LONG> parent = Parent(row);
         parent && Contains(*parent) && visited.insert(*parent).second; parent = Parent(*parent)) {
        ancestors.push_back(*parent);
    }
    return ancestors;
}
