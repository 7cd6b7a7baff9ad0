#include "hostlib/controls/BCBmpListBox.h"

#include <algorithm>

#include "platform/controls/ListBoxApi.h"

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
