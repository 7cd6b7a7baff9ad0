// BCBitmapButton: a push button that shows one image of an image list.
#pragma once

#include "platform/gdi/ImageList.h"
#include "platform/mfc/Wnd.h"

class BCBitmapButton : public CWnd {
public:
    BCBitmapButton() = default;
    ~BCBitmapButton() override;

    // Shows image |image| of |images| in button state |state| (0, the normal state, is the
    // one this button draws), repainting at once when |redraw|. FALSE with
    // ERROR_INVALID_PARAMETER for another state, a bad list or image, or no window.
    BOOL SetImageList(UINT state, HIMAGELIST images, int image, BOOL redraw);

private:
    HICON m_icon = nullptr;
};
