#include "view/qt/ControlState.h"

#include <QImage>
#include <algorithm>

#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ListBoxApi.h"
#include "platform/controls/ListBoxState.h"
#include "platform/controls/ListViewApi.h"
#include "platform/controls/ListViewStructures.h"
#include "platform/controls/TabControlApi.h"
#include "platform/controls/TreeViewApi.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Icon.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace nuvview {
namespace {

constexpr int kMaxItemText = 4096;
// More columns than any list shows: the end, should a list never say there are no more.
constexpr int kMaxColumns = 256;

QString FromUtf8(const char* text) {
    return QString::fromUtf8(text);
}

// Items read by index with a (length, text) message pair, as combo and list boxes answer.
QStringList IndexedTexts(HWND hwnd, UINT countMessage, UINT lengthMessage, UINT textMessage) {
    QStringList items;
    const auto count = static_cast<int>(SendMessage(hwnd, countMessage, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendMessage(hwnd, lengthMessage, static_cast<WPARAM>(i), 0);
        std::string text(length > 0 ? static_cast<size_t>(length) + 1 : 1, '\0');
        SendMessage(hwnd, textMessage, static_cast<WPARAM>(i),
                    reinterpret_cast<LPARAM>(text.data()));
        items.push_back(FromUtf8(text.c_str()));
    }
    return items;
}

void ReadTreeLevel(HWND tree, HTREEITEM first, std::vector<TreeNode>& out) {
    for (HTREEITEM item = first; item;) {
        char buffer[kMaxItemText] = {};
        TVITEMA data;
        data.mask = TVIF_TEXT | TVIF_STATE | TVIF_HANDLE;
        data.hItem = item;
        data.stateMask = TVIS_SELECTED | TVIS_EXPANDED;
        data.pszText = buffer;
        data.cchTextMax = kMaxItemText;
        SendMessage(tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&data));
        TreeNode node;
        node.text = FromUtf8(buffer);
        node.expanded = (data.state & TVIS_EXPANDED) != 0;
        node.selected = (data.state & TVIS_SELECTED) != 0;
        const auto child = reinterpret_cast<HTREEITEM>(
            SendMessage(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
        ReadTreeLevel(tree, child, node.children);
        out.push_back(std::move(node));
        item = reinterpret_cast<HTREEITEM>(
            SendMessage(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
}

}  // namespace

QString WindowText(HWND hwnd) {
    return QString::fromStdString(winport::GetWindowTextUtf8(hwnd));
}

DWORD WindowStyle(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
}

QString WithoutMnemonics(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        if (text[i] != u'&' || i == 0 || text[i - 1] == u'&') out += text[i];
    }
    return out;
}

QFont QtFont(HFONT font, const QFont& base) {
    LOGFONT logical{};
    if (!font || !GetObject(font, sizeof logical, &logical)) return base;
    return QtFont(logical, base);
}

QFont QtFont(const LOGFONT& logical, const QFont& base) {
    QFont shown(base);
    // Both count weights from 100 (thin) to 900 (black); 0 is the default.
    if (logical.lfWeight > 0)
        shown.setWeight(static_cast<QFont::Weight>(std::clamp<LONG>(logical.lfWeight, 100, 900)));
    shown.setItalic(logical.lfItalic != 0);
    shown.setUnderline(logical.lfUnderline != 0);
    shown.setStrikeOut(logical.lfStrikeOut != 0);
    // A negative height is the characters', a positive one the cell's: 6/5 of the characters'.
    if (logical.lfHeight < 0) shown.setPixelSize(static_cast<int>(-logical.lfHeight));
    if (logical.lfHeight > 0) shown.setPixelSize(static_cast<int>(logical.lfHeight * 5 / 6));
    return shown;
}

QStringList ComboItems(HWND combo) {
    return IndexedTexts(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

QStringList ListBoxItems(HWND listBox) {
    QStringList items;
    const auto count = static_cast<int>(SendMessage(listBox, LB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index)
        items.push_back(QString::fromStdString(winport::ListBoxRowText(listBox, index)));
    return items;
}

std::vector<ListViewColumn> ListViewColumns(HWND listView) {
    std::vector<ListViewColumn> columns;
    for (int i = 0; i < kMaxColumns; ++i) {
        char buffer[kMaxItemText] = {};
        LVCOLUMNA column;
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = buffer;
        column.cchTextMax = kMaxItemText;
        if (!SendMessage(listView, LVM_GETCOLUMN, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&column)))
            break;
        columns.push_back({FromUtf8(buffer), column.cx});
    }
    return columns;
}

std::vector<ListViewRow> ListViewRows(HWND listView, int columns) {
    std::vector<ListViewRow> rows;
    const auto count = static_cast<int>(SendMessage(listView, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        ListViewRow row;
        for (int sub = 0; sub < std::max(columns, 1); ++sub) {
            char buffer[kMaxItemText] = {};
            LVITEMA item;
            item.iSubItem = sub;
            item.pszText = buffer;
            item.cchTextMax = kMaxItemText;
            SendMessage(listView, LVM_GETITEMTEXT, static_cast<WPARAM>(i),
                        reinterpret_cast<LPARAM>(&item));
            row.cells.push_back(FromUtf8(buffer));
        }
        LVITEMA item;
        item.mask = LVIF_IMAGE | LVIF_STATE;
        item.iItem = i;
        item.stateMask = LVIS_SELECTED;
        SendMessage(listView, LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
        row.image = item.iImage;
        row.selected = (item.state & LVIS_SELECTED) != 0;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<TreeNode> TreeItems(HWND tree) {
    std::vector<TreeNode> nodes;
    const auto root = reinterpret_cast<HTREEITEM>(SendMessage(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    ReadTreeLevel(tree, root, nodes);
    return nodes;
}

std::vector<TabItem> TabItems(HWND tab) {
    std::vector<TabItem> items;
    const auto count = static_cast<int>(SendMessage(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char buffer[kMaxItemText] = {};
        TCITEMA item;
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = buffer;
        item.cchTextMax = kMaxItemText;
        SendMessage(tab, TCM_GETITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        items.push_back({FromUtf8(buffer), item.iImage});
    }
    return items;
}

QPixmap PixmapOf(const winport::PixelImagePtr& image) {
    if (!image || image->width <= 0 || image->height <= 0) return {};
    // A pixel read as a 32-bit value is 0xAARRGGBB, as QImage::Format_ARGB32 keeps it.
    QImage picture(static_cast<int>(image->width), static_cast<int>(image->height),
                   QImage::Format_ARGB32);
    for (LONG y = 0; y < image->height; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(picture.scanLine(static_cast<int>(y)));
        for (LONG x = 0; x < image->width; ++x) line[x] = image->At(x, y);
    }
    return QPixmap::fromImage(picture);
}

QPixmap ImageListPixmap(HIMAGELIST list, int index) {
    if (!list || index < 0 || index >= ImageList_GetImageCount(list)) return {};
    return PixmapOf(winport::ImageListImagePixels(list, index));
}

QPixmap ControlImage(HWND hwnd, UINT getImageMessage, UINT imageKind) {
    const auto handle = SendMessage(hwnd, getImageMessage, imageKind, 0);
    if (!handle) return {};
    return PixmapOf(imageKind == IMAGE_ICON
                        ? winport::IconPixels(reinterpret_cast<HICON>(handle))
                        : winport::BitmapPixels(reinterpret_cast<HBITMAP>(handle)));
}

}  // namespace nuvview
