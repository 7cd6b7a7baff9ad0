#include "hostlib/controls/BCBmpListBox.h"

#include <algorithm>

#include "platform/controls/ListBoxApi.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/SystemColors.h"
#include "platform/message/MessageApi.h"

namespace {

constexpr int kImagePadding = 2;

}  // namespace

void BCBmpListBox::SetImageList(HIMAGELIST images) {
    m_images = images;
    if (!m_hWnd || !(GetStyle() & LBS_OWNERDRAWFIXED)) return;
    MEASUREITEMSTRUCT measure;
    measure.CtlType = ODT_LISTBOX;
    measure.CtlID = static_cast<UINT>(GetDlgCtrlID());
    measure.itemHeight = static_cast<UINT>(SendMessage(LB_GETITEMHEIGHT));
    MeasureItem(&measure);
    SendMessage(LB_SETITEMHEIGHT, 0, static_cast<LPARAM>(measure.itemHeight));
}

void BCBmpListBox::SetBkColor(COLORREF color) {
    if (color == m_background) return;
    m_background = color;
    if (m_hWnd) Invalidate();
}

void BCBmpListBox::MeasureItem(LPMEASUREITEMSTRUCT measure) {
    int width = 0;
    int height = 0;
    if (!m_images || !ImageList_GetIconSize(m_images, &width, &height)) return;
    measure->itemHeight = std::max(measure->itemHeight, static_cast<UINT>(height + kImagePadding));
}

void BCBmpListBox::DrawItem(LPDRAWITEMSTRUCT draw) {
    // An empty list is asked only for its focus rectangle.
    if (draw->itemID == static_cast<UINT>(-1)) return;
    const int index = static_cast<int>(draw->itemID);
    const HDC dc = draw->hDC;
    RECT row = draw->rcItem;
    const bool selected = (draw->itemState & ODS_SELECTED) != 0;
    const HBRUSH background =
        CreateSolidBrush(selected ? GetSysColor(COLOR_HIGHLIGHT) : m_background);
    FillRect(dc, &row, background);
    DeleteObject(background);
    int width = 0;
    int height = 0;
    if (m_images && ImageList_GetIconSize(m_images, &width, &height)) {
        const int image = GetItemImage(index);
        if (image >= 0) {
            ImageList_Draw(m_images, image, dc, row.left + kImagePadding,
                           row.top + (row.bottom - row.top - height) / 2, ILD_TRANSPARENT);
        }
        row.left += width + kImagePadding;
    }
    row.left += kImagePadding;
    const std::string text = GetItemText(index);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawText(dc, text.c_str(), -1, &row,
             DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

std::string BCBmpListBox::GetItemText(int index) const {
    const LRESULT length = ::SendMessage(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length), '\0');
    ::SendMessage(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(index),
                  reinterpret_cast<LPARAM>(text.data()));
    return text;
}

int BCBmpListBox::GetItemImage(int) const {
    return -1;
}
