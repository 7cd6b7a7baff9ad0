// What a person sees of a platform control, read through its public messages and converted to
// Qt's types: texts, items, columns, rows, tabs and their images.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/core/WinTypes.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/ImageList.h"
#include "platform/gdi/PixelImage.h"

namespace nuvview {

QString WindowText(HWND hwnd);
DWORD WindowStyle(HWND hwnd);
// A label's text as drawn: "&&" is one ampersand, a single '&' only marks the mnemonic.
QString WithoutMnemonics(const QString& text);

// The font a window draws with (its WM_GETFONT answer) as |base| in that font's weight, slant,
// lines and size; |base| itself for null.
QFont QtFont(HFONT font, const QFont& base);
QFont QtFont(const LOGFONT& font, const QFont& base);

QStringList ComboItems(HWND combo);
// The rows' texts as a person reads them; an owner-drawn list's as its parent draws them.
QStringList ListBoxItems(HWND listBox);

struct ListViewColumn {
    QString title;
    int width = 0;
    friend bool operator==(const ListViewColumn&, const ListViewColumn&) = default;
};
struct ListViewRow {
    QStringList cells;
    int image = -1;
    bool selected = false;
    friend bool operator==(const ListViewRow&, const ListViewRow&) = default;
};
std::vector<ListViewColumn> ListViewColumns(HWND listView);
std::vector<ListViewRow> ListViewRows(HWND listView, int columns);

struct TreeNode {
    QString text;
    bool expanded = false;
    bool selected = false;
    std::vector<TreeNode> children;
    friend bool operator==(const TreeNode&, const TreeNode&) = default;
};
std::vector<TreeNode> TreeItems(HWND tree);

struct TabItem {
    QString caption;
    int image = -1;
    friend bool operator==(const TabItem&, const TabItem&) = default;
};
std::vector<TabItem> TabItems(HWND tab);

// Pixels to a pixmap; a null pixmap for a null image.
QPixmap PixmapOf(const winport::PixelImagePtr& image);
// Image |index| of |list|; a null pixmap when either is missing.
QPixmap ImageListPixmap(HIMAGELIST list, int index);
// The icon or bitmap (|imageKind|: IMAGE_ICON or IMAGE_BITMAP) a static control or a button
// shows, asked with STM_GETIMAGE or BM_GETIMAGE.
QPixmap ControlImage(HWND hwnd, UINT getImageMessage, UINT imageKind);

}  // namespace nuvview
