// The nested message loop of a modal dialog: one owner (RunModalLoop), one exit (EndDialog).
#pragma once

#include "platform/core/WinTypes.h"

namespace winport {

class ModalLoop {
public:
    explicit ModalLoop(HWND dialog);
    ~ModalLoop();
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

    INT_PTR Run();
    void Stop(INT_PTR result);

private:
    HWND m_dialog;
    bool m_running = true;
    INT_PTR m_result = -1;
};

}  // namespace winport
