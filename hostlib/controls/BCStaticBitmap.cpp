#include "hostlib/controls/BCStaticBitmap.h"

#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Icon.h"

namespace {

// Between the image and the text.
constexpr int kImageGap = 4;

}  // namespace

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

void BCStaticBitmap::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(&client);
    const HBRUSH background = CreateSolidBrush(m_background);
    FillRect(dc, &client, background);
    DeleteObject(background);
    RECT text = client;
    text.left += m_leftMargin;
    int width = 0;
    int height = 0;
    if (m_images && m_image >= 0 && ImageList_GetIconSize(m_images, &width, &height)) {
        const int top = m_middle ? (client.bottom - client.top - height) / 2 : client.top;
        ImageList_Draw(m_images, m_image, dc, text.left, top, ILD_TRANSPARENT);
        text.left += width + kImageGap;
    }
    if (const HFONT font = GetFont()) SelectObject(dc, font);
    SetTextColor(dc, m_text);
    SetBkMode(dc, TRANSPARENT);
    const std::string shown = GetWindowText();
    DrawText(dc, shown.c_str(), -1, &text,
             DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS | (m_middle ? DT_VCENTER | DT_SINGLELINE : 0));
}

std::optional<LRESULT> BCStaticBitmap::OnMessage(const winport::Message& m) {
    // A picture static shows its icon itself; a line of text is drawn here.
    if (m.id != WM_PAINT || (GetStyle() & SS_TYPEMASK) == SS_ICON) return CWnd::OnMessage(m);
    const HDC given = reinterpret_cast<HDC>(m.wParam);
    const HDC dc = given ? given : ::GetDC(m_hWnd);
    Paint(dc);
    if (!given) ::ReleaseDC(m_hWnd, dc);
    return 0;
}
