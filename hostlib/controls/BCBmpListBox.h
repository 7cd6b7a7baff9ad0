// BCBmpListBox: an owner-drawn list box whose items show an image of an image list beside
// their text; each row is tall enough for its image. A derived class may keep the items itself
// and answer their texts and images.
#pragma once

#include <string>

#include "hostlib/controls/BCOwnerDrawReflection.h"
#include "platform/gdi/ImageList.h"
#include "platform/mfc/Wnd.h"

class BCBmpListBox : public CWnd, public BCOwnerDrawControl {
public:
    // The item images (not owned); a fixed-height list box takes the new row height at once.
    void SetImageList(HIMAGELIST images);
    void SetBkColor(COLORREF color);
    // Raises the row height the platform proposes to the image height plus a pixel above and
    // below; a smaller image leaves it as proposed.
    void MeasureItem(LPMEASUREITEMSTRUCT measure) override;
    // The row on the background colour (the highlight when selected), its image at the left
    // and its text after it, centred in the row's height.
    void DrawItem(LPDRAWITEMSTRUCT draw) override;

    HIMAGELIST GetImageList() const { return m_images; }
    COLORREF GetBkColor() const { return m_background; }

protected:
    // The text of item |index|: the list box's own string.
    virtual std::string GetItemText(int index) const;
    // The image of item |index| in the image list; -1 for none.
    virtual int GetItemImage(int index) const;

private:
    HIMAGELIST m_images = nullptr;
    COLORREF m_background = 0xFFFFFF;
};
