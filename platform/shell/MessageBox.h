// Message boxes (user32): the question goes to the shell UI while the owner is disabled.
#pragma once

#include <string_view>
#include <vector>

#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"

inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_RETRYCANCEL = 0x5;
inline constexpr UINT MB_CANCELTRYCONTINUE = 0x6;
inline constexpr UINT MB_TYPEMASK = 0xF;

inline constexpr UINT MB_ICONHAND = 0x10;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONASTERISK = 0x40;
inline constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr UINT MB_ICONMASK = 0xF0;

inline constexpr UINT MB_DEFBUTTON1 = 0x000;
inline constexpr UINT MB_DEFBUTTON2 = 0x100;
inline constexpr UINT MB_DEFBUTTON3 = 0x200;
inline constexpr UINT MB_DEFBUTTON4 = 0x300;
inline constexpr UINT MB_DEFMASK = 0xF00;

inline constexpr UINT MB_APPLMODAL = 0x0000;
inline constexpr UINT MB_SYSTEMMODAL = 0x1000;
inline constexpr UINT MB_TASKMODAL = 0x2000;
inline constexpr UINT MB_MODEMASK = 0x3000;

// The answers of MB_CANCELTRYCONTINUE beside IDCANCEL.
inline constexpr int IDTRYAGAIN = 10;
inline constexpr int IDCONTINUE = 11;

// Asks the shell UI with the box's text, caption (null: "Error", as Windows shows) and style,
// the owner's top-level window disabled meanwhile. Answers the button pressed; 0 with
// ERROR_INVALID_WINDOW_HANDLE for a bad owner or ERROR_INVALID_MSGBOX_STYLE for a bad
// button set.
int MessageBox(HWND owner, const char* text, const char* caption, UINT type);

namespace winport {

// The ids of the box's buttons, left to right; empty when |type| has no valid button set.
std::vector<int> MessageBoxButtons(UINT type);
// The answer of a box closed without a choice: IDCANCEL when it has a Cancel button, IDNO for
// Yes/No, IDABORT for Abort/Retry/Ignore, IDOK for OK; 0 for an invalid type.
int MessageBoxCancelAnswer(UINT type);
// The caption of button |id| as a box shows it ("OK", "Yes", "Try Again"); empty for an id no
// box shows.
std::string_view MessageBoxButtonName(int id);

}  // namespace winport
