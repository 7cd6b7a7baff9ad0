// Sending, posting and retrieving messages.
#pragma once

#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/message/MessageQueue.h"

inline constexpr UINT PM_NOREMOVE = 0x0000;
inline constexpr UINT PM_REMOVE = 0x0001;

// Calls the window's procedure at once. Only the window's own thread may send to it.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues the message for the window's thread; any thread may post. A null window posts a
// thread message to the calling thread.
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT first, UINT last, UINT removeFlags);
// Blocks until a message passes the filter; 0 for WM_QUIT, -1 for bad arguments.
BOOL GetMessage(MSG* msg, HWND hwnd, UINT first, UINT last);
LRESULT DispatchMessage(const MSG* msg);
// Posts the WM_CHAR of a key press that has a character (Backspace, Tab, Enter, Escape).
BOOL TranslateMessage(const MSG* msg);

namespace winport {

// Installs the view's waiter on the calling thread's queue; null removes it.
void SetInputWaiter(InputWaiter* waiter);

// Dispatches one retrieved message as a dialog-aware loop does: a message for a control of a
// dialog goes through IsDialogMessage first.
void ProcessMessage(const MSG& msg);
// Dispatches every message queued for the calling thread, and those they post in turn;
// answers how many were handled.
int PumpMessages();

}  // namespace winport
