// Dialogs: creation from templates, the dialog class's default procedure, keyboard navigation,
// and ending a dialog.
#pragma once

#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/resources/DialogTemplate.h"
#include "platform/window/WindowProcedure.h"

inline constexpr char kDialogClassName[] = "#32770";

BOOL EndDialog(HWND dialog, INT_PTR result);
BOOL IsDialogMessage(HWND dialog, MSG* msg);
BOOL MapDialogRect(HWND dialog, RECT* rect);
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL CheckRadioButton(HWND dialog, int first, int last, int check);
LRESULT DefDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// The key state the keyboard functions read: the high bit set while the key is down.
short GetKeyState(int virtualKey);

namespace winport {

// Creates a dialog and its controls from |tmpl|, sends WM_INITDIALOG with |initParam| and sets
// the default focus. |subclass| (the framework's dialog object) sees every message from the
// first on. A child dialog (WS_CHILD) lives in |parent|; a top-level one is owned by |parent|'s
// top-level window. Null with a clear last error if any control cannot be made.
HWND CreateDialogFromTemplate(const DialogTemplate& tmpl, HWND parent, WindowProcedure* subclass,
                              LPARAM initParam);

// The template id a dialog was made from, or 0 for a window that is not a dialog.
int DialogTemplateId(HWND dialog);
bool IsDialogWindow(HWND hwnd);
// Whether EndDialog has been called for the dialog, and with which result.
bool IsDialogEnded(HWND dialog);
INT_PTR DialogResult(HWND dialog);

// Runs a modal loop for |dialog| (already created) until EndDialog; answers its result.
INT_PTR RunModalLoop(HWND dialog);

// Sets the state GetKeyState reports, as the agent and the view press keys.
void SetKeyDown(int virtualKey, bool down);

}  // namespace winport
