// What a list view holds: its columns and its rows with their cell texts, image, item data and
// state bits. Plain storage without notifications; indexes are checked by the caller.
#pragma once

#include <string>
#include <vector>

#include "platform/core/WinTypes.h"

namespace winport {

struct ListViewColumn {
    std::string title;
    int width = 0;
    int format = 0;
    int subItem = 0;
    int image = 0;
};

struct ListViewRow {
    std::string text;
    std::vector<std::string> subItemTexts;  // [k] is the text of column k + 1.
    int image = 0;
    LPARAM param = 0;
    // Every state bit but LVIS_FOCUSED: the control keeps the one focused row by index.
    UINT state = 0;
    int indent = 0;
};

class ListViewItems {
public:
    int Count() const { return static_cast<int>(m_rows.size()); }
    bool Contains(int row) const { return row >= 0 && row < Count(); }
    ListViewRow& Row(int row) { return m_rows[static_cast<size_t>(row)]; }
    const ListViewRow& Row(int row) const { return m_rows[static_cast<size_t>(row)]; }
    void Reserve(int count) { m_rows.reserve(static_cast<size_t>(count)); }
    void Insert(int row, ListViewRow value);
    void Erase(int row);
    void Clear() { m_rows.clear(); }
    // Puts the rows in the order of |order|, a permutation of the current indexes.
    void Reorder(const std::vector<int>& order);

    // The text of a cell; column 0 is the item's own text. Empty where none was set.
    const std::string& CellText(int row, int column) const;
    void SetCellText(int row, int column, std::string text);

    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    bool ContainsColumn(int column) const { return column >= 0 && column < ColumnCount(); }
    ListViewColumn& Column(int column) { return m_columns[static_cast<size_t>(column)]; }
    const ListViewColumn& Column(int column) const {
        return m_columns[static_cast<size_t>(column)];
    }
    // Inserting a column moves the sub-item cells at and after it one column to the right.
    void InsertColumn(int column, ListViewColumn value);
    // Deleting a column other than 0 drops its cells and moves the later ones left; deleting
    // column 0 keeps every cell where it is, as Windows does.
    void EraseColumn(int column);
    // The left edge of |column| and the width of all columns together, in pixels.
    int ColumnLeft(int column) const;
    int TotalWidth() const { return ColumnLeft(ColumnCount()); }

    int SelectedCount() const;

private:
    std::vector<ListViewRow> m_rows;
    std::vector<ListViewColumn> m_columns;
};

}  // namespace winport
