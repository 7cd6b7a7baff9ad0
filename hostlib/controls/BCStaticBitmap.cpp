#include "hostlib/controls/BCStaticBitmap.h"

#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/gdi/Icon.h"

void BCStaticBitmap::Changed() {
    if (m_hWnd) Invalidate();
}

BCStaticBitmap::~BCStaticBitmap() {
    if (m_icon) DestroyIcon(m_icon);
}

void BCStaticBitmap::SetImageList(HIMAGELIST images, int image) {
    if (images == m_images && image == m_image) return;
    m_images = images;
    m_image = image;
    ShowImage();
    Changed();
}

void BCStaticBitmap::ShowImage() {
    if (!m_hWnd || (GetStyle() & SS_TYPEMASK) != SS_ICON) return;
    HICON icon =
        m_images && m_image >= 0 ? ImageList_GetIcon(m_images, m_image, ILD_NORMAL) : nullptr;
    SendMessage(STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    if (m_icon) DestroyIcon(m_icon);
    m_icon = icon;
}

void BCStaticBitmap::SetColor(COLORREF text, COLORREF background) {
    if (text == m_text && background == m_background) return;
    m_text = text;
    m_background = background;
    Changed();
}

void BCStaticBitmap::SetLeftMargin(int pixels) {
    if (pixels == m_leftMargin) return;
    m_leftMargin = pixels;
    Changed();
}

void BCStaticBitmap::SetAlignYMiddle(BOOL middle) {
    if (middle == m_middle) return;
    m_middle = middle;
    Changed();
}
