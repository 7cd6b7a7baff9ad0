// The shell UI when nobody answers: every question gets its cancel-like answer, so nothing
// waits for a person who is not there. An automation agent may derive from it and answer only
// what it has been told to.
#pragma once

#include "platform/shell/ShellUi.h"

namespace winport {

class HeadlessShellUi : public ShellUi {
public:
    // The box's Cancel-like button (see MessageBoxCancelAnswer).
    int ShowMessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> ShowSaveAs(const SaveAsRequest& request) override;
    UINT ShowPopupMenu(const PopupMenuRequest& request) override;
    void ModalDialogStarted(HWND dialog, int templateId) override;
    // Clicks the dialog's Cancel: WM_COMMAND IDCANCEL from its IDCANCEL control, if it has one.
    void ModalDialogIdle(HWND dialog) override;
};

}  // namespace winport
