// BCCatchDblClickEdit: an edit control that tells its parent of a double click with a
// WM_NOTIFY carrying NM_DBLCLK, then handles the click as an edit does (selects a word).
#pragma once

#include "platform/mfc/Wnd.h"

class BCCatchDblClickEdit : public CWnd {
public:
    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<BCCatchDblClickEdit> kRoutes[];

    LRESULT OnDoubleClick(WPARAM, LPARAM);
};
