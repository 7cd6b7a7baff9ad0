// BCStaticBitmap: a static line of text with an optional image from an image list before it,
// its own colours, a left margin and optional vertical centring, which it draws itself.
#pragma once

#include "platform/gdi/ImageList.h"
#include "platform/mfc/Wnd.h"

class BCStaticBitmap : public CWnd {
public:
    BCStaticBitmap() = default;
    ~BCStaticBitmap() override;
    BCStaticBitmap(const BCStaticBitmap&) = delete;
    BCStaticBitmap& operator=(const BCStaticBitmap&) = delete;

    // Shows image |image| of |images| (not owned) before the text; -1 shows none. A picture
    // static (SS_ICON) shows the image as its icon, which a view of the window draws.
    void SetImageList(HIMAGELIST images, int image);
    void SetColor(COLORREF text, COLORREF background);
    void SetLeftMargin(int pixels);
    void SetAlignYMiddle(BOOL middle = TRUE);

    HIMAGELIST GetImageList() const { return m_images; }
    int GetImage() const { return m_image; }
    COLORREF GetTextColor() const { return m_text; }
    COLORREF GetBackgroundColor() const { return m_background; }
    int GetLeftMargin() const { return m_leftMargin; }
    BOOL IsAlignedYMiddle() const { return m_middle; }

    // WM_PAINT: the background, the image at the left margin, then the text, in its colours.
    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    // Repaints after a change, as the setters only keep what the next paint uses.
    void Changed();
    void ShowImage();
    void Paint(HDC dc) const;

    HIMAGELIST m_images = nullptr;
    int m_image = -1;
    COLORREF m_text = 0;
    COLORREF m_background = 0xFFFFFF;
    int m_leftMargin = 0;
    BOOL m_middle = FALSE;
    HICON m_icon = nullptr;  // The picture static's icon, owned.
};
