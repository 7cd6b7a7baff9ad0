// BCBmpListBox: an owner-drawn list box whose items show an image of an image list beside
// their text; each row is tall enough for its image.
#pragma once

#include "hostlib/controls/BCMeasureItemReflection.h"
#include "platform/gdi/ImageList.h"
#include "platform/mfc/Wnd.h"

class BCBmpListBox : public CWnd, public BCMeasuringControl {
public:
    // The item images (not owned); a fixed-height list box takes the new row height at once.
    void SetImageList(HIMAGELIST images);
    void SetBkColor(COLORREF color);
    // Raises the row height the platform proposes to the image height plus a pixel above and
    // below; a smaller image leaves it as proposed.
    void MeasureItem(LPMEASUREITEMSTRUCT measure) override;

    HIMAGELIST GetImageList() const { return m_images; }
    COLORREF GetBkColor() const { return m_background; }

private:
    HIMAGELIST m_images = nullptr;
    COLORREF m_background = 0xFFFFFF;
};
