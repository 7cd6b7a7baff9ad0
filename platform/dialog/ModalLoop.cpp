#include "platform/dialog/ModalLoop.h"

#include <utility>

#include "platform/core/LastError.h"

#include "platform/dialog/DialogApi.h"
#include "platform/dialog/DialogProcedure.h"
#include "platform/message/MessageApi.h"
#include "platform/shell/ShellUi.h"
#include "platform/window/WindowApi.h"

namespace winport {

ModalLoop::ModalLoop(HWND dialog) : m_dialog(dialog) {
    if (DialogProcedure* procedure = FindDialogProcedure(dialog)) procedure->modalLoop = this;
}

ModalLoop::~ModalLoop() {
    if (DialogProcedure* procedure = FindDialogProcedure(m_dialog)) procedure->modalLoop = nullptr;
}

void ModalLoop::Stop(INT_PTR result) {
    m_result = result;
    m_running = false;
}

INT_PTR ModalLoop::Run() {
    GetShellUi().ModalDialogStarted(m_dialog, DialogTemplateId(m_dialog));
    const auto& queue = MessageQueue::Current();
    while (m_running && IsWindow(m_dialog)) {
        MSG msg;
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // For the loop outside.
                break;
            }
            ProcessMessage(msg);
            continue;
        }
        if (queue->GetInputWaiter()) {
            queue->Wait();
            continue;
        }
        GetShellUi().ModalDialogIdle(m_dialog);
        if (m_running && IsWindow(m_dialog) && queue->Size() == 0) {
            // Nobody can answer a headless dialog that refused to be cancelled: end it rather
            // than wait forever.
            EndDialog(m_dialog, IDCANCEL);
        }
    }
    return m_result;
}

}  // namespace winport

BOOL EndDialog(HWND dialog, INT_PTR result) {
    winport::DialogProcedure* procedure = winport::FindDialogProcedure(dialog);
    if (!procedure) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    procedure->ended = true;
    procedure->result = result;
    if (procedure->disabledOwner) {
        EnableWindow(std::exchange(procedure->disabledOwner, nullptr), TRUE);
    }
    if (IsChild(dialog, GetFocus())) SetFocus(dialog);
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    // The owner comes to the front again, and a dialog owner gives its control the focus back.
    const HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner && GetActiveWindow() == dialog) SetActiveWindow(owner);
    if (procedure->modalLoop) procedure->modalLoop->Stop(result);
    return TRUE;
}

INT_PTR winport::RunModalLoop(HWND dialog) {
    DialogProcedure* procedure = FindDialogProcedure(dialog);
    if (!procedure) return -1;
    // Ended inside WM_INITDIALOG: never shown, and its owner is left as it was.
    if (procedure->ended) return procedure->result;
    const HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        procedure->disabledOwner = owner;
    }
    ShowWindow(dialog, SW_SHOWNORMAL);
    ModalLoop loop(dialog);
    return loop.Run();
}
