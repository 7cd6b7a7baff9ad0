// BCListCtrl: the host's wrapper of a list view in report view: columns, rows with an image
// from the list's small image list, and the row's image read back as an index or an icon.
#pragma once

#include "platform/controls/ListViewApi.h"
#include "platform/mfc/Wnd.h"

class BCListCtrl : public CWnd {
public:
    // Inserts a column titled |title| with LVCFMT_* |format| and |width| pixels at |index|;
    // -1 or an index past the last column appends it. Answers its index, or -1.
    int AddColumn(const char* title, int format, int width, int index);
    // Column 0 inserts a row at |row| (-1: at the end) with |text|, |image| (-1: none) and
    // |data| as its item data, and answers the row's index. A later column sets that cell's
    // text of row |row| and answers |row|. -1 when the row or column does not exist.
    int AddItem(int row, int column, const char* text, int image = -1, LPARAM data = 0);
    // Sets a cell's text and, for column 0, the row's image, then redraws the row.
    BOOL UpdateItem(int row, int column, const char* text, int image = -1);
    // Removes every row.
    void ResetList();
    // The row's image index into the small image list; -1 for none or no such row.
    int GetItemAsImage(int row) const;
    // A new icon of the row's image, which the caller destroys; null when the row has none.
    HICON GetItemAsIcon(int row) const;
};
