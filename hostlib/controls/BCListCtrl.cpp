#include "hostlib/controls/BCListCtrl.h"

#include <algorithm>
#include <string>

#include "platform/gdi/ImageList.h"

namespace {

constexpr int kNoImage = -1;

}  // namespace

int BCListCtrl::AddColumn(const char* title, int format, int width, int index) {
    const int count = [this] {
        int columns = 0;
        LVCOLUMNA probe;
        probe.mask = LVCF_WIDTH;
        while (SendMessage(LVM_GETCOLUMN, static_cast<WPARAM>(columns),
                           reinterpret_cast<LPARAM>(&probe))) {
            ++columns;
        }
        return columns;
    }();
    std::string text = title ? title : "";
    LVCOLUMNA column;
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = text.data();
    column.iSubItem = (index < 0 || index > count) ? count : index;
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMN, static_cast<WPARAM>(column.iSubItem),
                                        reinterpret_cast<LPARAM>(&column)));
}

int BCListCtrl::AddItem(int row, int column, const char* text, int image, LPARAM data) {
    std::string cell = text ? text : "";
    LVITEMA item;
    item.pszText = cell.data();
    if (column == 0) {
        const auto rows = static_cast<int>(SendMessage(LVM_GETITEMCOUNT));
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = (row < 0 || row > rows) ? rows : row;
        item.iImage = image;
        item.lParam = data;
        return static_cast<int>(SendMessage(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item)));
    }
    item.iSubItem = column;
    return SendMessage(LVM_SETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item))
               ? row
               : -1;
}

BOOL BCListCtrl::UpdateItem(int row, int column, const char* text, int image) {
    std::string cell = text ? text : "";
    LVITEMA item;
    item.mask = LVIF_TEXT | (column == 0 ? LVIF_IMAGE : 0);
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = cell.data();
    item.iImage = image;
    if (!SendMessage(LVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item))) return FALSE;
    SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
    return TRUE;
}

void BCListCtrl::ResetList() {
    SendMessage(LVM_DELETEALLITEMS);
}

int BCListCtrl::GetItemAsImage(int row) const {
    LVITEMA item;
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    if (!SendMessage(LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item))) return kNoImage;
    return std::max(item.iImage, kNoImage);
}

HICON BCListCtrl::GetItemAsIcon(int row) const {
    const int image = GetItemAsImage(row);
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL));
    if (image < 0 || !images) return nullptr;
    return ImageList_GetIcon(images, image, 0);
}
