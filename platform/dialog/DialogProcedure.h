// The class procedure of the dialog class: what DefDlgProc does, and the state a dialog keeps.
#pragma once

#include "platform/core/WinTypes.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class ModalLoop;

class DialogProcedure final : public WindowProcedure {
public:
    explicit DialogProcedure(HWND hwnd) : m_hwnd(hwnd) {}
    ~DialogProcedure() override;

    LRESULT HandleMessage(const Message& m) override;

    int templateId = 0;
    HFONT font = nullptr;  // Owned: made from the template.
    SIZE baseUnits{6, 13};
    int defaultId = 0;  // Set by DM_SETDEFID; 0 means the first default push button.
    bool ended = false;
    INT_PTR result = 0;
    ModalLoop* modalLoop = nullptr;
    HWND disabledOwner = nullptr;  // The owner a modal run disabled.

private:
    // Gives the focus back to the control that had it when the dialog was last deactivated;
    // without one, unless |justActivated|, to the first tab stop (its text selected) or else to
    // the first control.
    void RestoreFocus(bool justActivated);
    LRESULT OnGetDefId();
    // WM_NEXTDLGCTL: the next or previous tab stop, or the control |wParam| when |lParam| says.
    LRESULT OnNextControl(WPARAM wParam, LPARAM lParam);
    HWND m_hwnd;
    HWND m_savedFocus = nullptr;  // The focused control when the dialog was deactivated.
};

// The dialog state of |hwnd|, or null when it is not a dialog.
DialogProcedure* FindDialogProcedure(HWND hwnd);

// Moves the focus of |dialog| to |control| as the dialog manager does: an edit's whole text
// selected, the default button moved with the focus.
void MoveDialogFocus(HWND dialog, HWND control);

}  // namespace winport
