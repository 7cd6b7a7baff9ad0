#include "hostlib/controls/BCBitmapButton.h"

#include <string>

#include "platform/core/LastError.h"
#include "platform/gdi/Icon.h"

BCBitmapButton::~BCBitmapButton() {
    if (m_icon) DestroyIcon(m_icon);
}

BOOL BCBitmapButton::SetImageList(UINT state, HIMAGELIST images, int image, BOOL redraw) {
    if (state != 0 || !m_hWnd) {
        winport::SetLastErrorText(
            ERROR_INVALID_PARAMETER,
            m_hWnd ? "SetImageList: button state " + std::to_string(state) + " has no image"
                   : std::string("SetImageList: the button has no window"));
        return FALSE;
    }
    const HICON icon = ImageList_GetIcon(images, image, 0);
    if (!icon) {
        winport::SetLastErrorText(
            ERROR_INVALID_PARAMETER,
            "SetImageList: no image " + std::to_string(image) + " in the list");
        return FALSE;
    }
    SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    if (m_icon) DestroyIcon(m_icon);
    m_icon = icon;
    if (redraw) Invalidate();
    return TRUE;
}
