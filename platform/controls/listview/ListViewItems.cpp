#include "platform/controls/listview/ListViewItems.h"

#include <algorithm>
#include <utility>

#include "platform/controls/ListViewApi.h"

namespace winport {
namespace {

const std::string kNoText;

}  // namespace

void ListViewItems::Insert(int row, ListViewRow value) {
    m_rows.insert(m_rows.begin() + row, std::move(value));
}

void ListViewItems::Erase(int row) {
    m_rows.erase(m_rows.begin() + row);
}

void ListViewItems::Reorder(const std::vector<int>& order) {
    std::vector<ListViewRow> sorted;
    sorted.reserve(m_rows.size());
    for (const int index : order) sorted.push_back(std::move(Row(index)));
    m_rows = std::move(sorted);
}

const std::string& ListViewItems::CellText(int row, int column) const {
    const ListViewRow& value = Row(row);
    if (column == 0) return value.text;
    const auto index = static_cast<size_t>(column - 1);
    return index < value.subItemTexts.size() ? value.subItemTexts[index] : kNoText;
}

void ListViewItems::SetCellText(int row, int column, std::string text) {
    ListViewRow& value = Row(row);
    if (column == 0) {
        value.text = std::move(text);
        return;
    }
    const auto index = static_cast<size_t>(column - 1);
    if (index >= value.subItemTexts.size()) value.subItemTexts.resize(index + 1);
    value.subItemTexts[index] = std::move(text);
}

void ListViewItems::InsertColumn(int column, ListViewColumn value) {
    m_columns.insert(m_columns.begin() + column, std::move(value));
    // The item texts stay in column 0; a new first column pushes every sub-item right.
    const auto index = static_cast<size_t>(std::max(column - 1, 0));
    for (ListViewRow& row : m_rows) {
        if (index < row.subItemTexts.size()) {
            row.subItemTexts.insert(row.subItemTexts.begin() + static_cast<long>(index),
                                    std::string());
        }
    }
}

void ListViewItems::EraseColumn(int column) {
    m_columns.erase(m_columns.begin() + column);
    if (column == 0) return;
    const auto index = static_cast<size_t>(column - 1);
    for (ListViewRow& row : m_rows) {
        if (index < row.subItemTexts.size()) {
            row.subItemTexts.erase(row.subItemTexts.begin() + static_cast<long>(index));
        }
    }
}

int ListViewItems::ColumnLeft(int column) const {
    int left = 0;
    for (int i = 0; i < column && i < ColumnCount(); ++i) left += Column(i).width;
    return left;
}

int ListViewItems::SelectedCount() const {
    return static_cast<int>(std::count_if(m_rows.begin(), m_rows.end(), [](const ListViewRow& row) {
        return (row.state & LVIS_SELECTED) != 0;
    }));
}

}  // namespace winport
