// What the window dump shows of a list view: its columns, then one entry per row with the cell
// texts, the image (when a small image list shows one) and the selection and focus marks.
#include <algorithm>
#include <cstdio>

#include "platform/controls/listview/ListViewControl.h"
#include "platform/window/StateDescription.h"

namespace winport {
std::vector<std::string> ListViewControl::DescribeState(HWND) const {
    std::vector<std::string> state;
    std::string columns = "columns";
    for (int column = 0; column < m_items.ColumnCount(); ++column) {
        const ListViewColumn& value = m_items.Column(column);
        columns +=
            (column ? " | " : " ") + QuoteText(value.title) + " " + std::to_string(value.width);
    }
    state.push_back(std::move(columns));
    const int cells = std::max(m_items.ColumnCount(), 1);
    for (int row = 0; row < m_items.Count(); ++row) {
        std::string entry = "row " + std::to_string(row);
        for (int column = 0; column < cells; ++column) {
            entry += (column ? " | " : " ") + QuoteText(m_items.CellText(row, column));
        }
        const int image = m_items.Row(row).image;
        if (m_looks.smallImages && image >= 0) entry += " image=" + std::to_string(image);
        const UINT marks = StateOf(row);
        if (marks & LVIS_SELECTED) entry += " selected";
        if (marks & LVIS_FOCUSED) entry += " focused";
        state.push_back(std::move(entry));
    }
    return state;
}

}  // namespace winport
