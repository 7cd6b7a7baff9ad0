#include "hostlib/controls/BCStaticBitmap.h"

void BCStaticBitmap::Changed() {
    if (m_hWnd) Invalidate();
}

void BCStaticBitmap::SetImageList(HIMAGELIST images, int image) {
    if (images == m_images && image == m_image) return;
    m_images = images;
    m_image = image;
    Changed();
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
