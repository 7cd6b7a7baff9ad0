#include "platform/shell/HeadlessShellUi.h"

#include "platform/message/MessageApi.h"
#include "platform/shell/MessageBox.h"
#include "platform/window/WindowApi.h"

namespace winport {

int HeadlessShellUi::ShowMessageBox(const MessageBoxRequest& request) {
    return MessageBoxCancelAnswer(request.style);
}

std::optional<std::string> HeadlessShellUi::ShowSaveAs(const SaveAsRequest& /*request*/) {
    return std::nullopt;
}

UINT HeadlessShellUi::ShowPopupMenu(const PopupMenuRequest& /*request*/) {
    return 0;
}

void HeadlessShellUi::ModalDialogStarted(HWND /*dialog*/, int /*templateId*/) {}

void HeadlessShellUi::ModalDialogIdle(HWND dialog) {
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

}  // namespace winport
