#include "platform/shell/MessageBox.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/core/LastError.h"
#include "platform/shell/ShellUi.h"
#include "platform/shell/ShellUiOwner.h"

int MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    if (!winport::CheckShellUiOwner(owner, winport::OwnerRequired::No, "MessageBox")) return 0;
    const std::vector<int> buttons = winport::MessageBoxButtons(type);
    if (buttons.empty()) {
        char style[16];
        std::snprintf(style, sizeof style, "0x%X", type);
        winport::SetLastErrorText(ERROR_INVALID_MSGBOX_STYLE, std::string("MessageBox: style ") +
                                                                  style + " names no button set");
        return 0;
    }
    const winport::MessageBoxRequest request{owner, text ? text : "", caption ? caption : "Error",
                                             type};
    int answer = 0;
    {
        const winport::ScopedDisabledOwner disabled(owner);
        answer = winport::GetShellUi().ShowMessageBox(request);
    }
    // An answer the box has no button for counts as closing the box.
    if (std::ranges::find(buttons, answer) == buttons.end()) {
        answer = winport::MessageBoxCancelAnswer(type);
    }
    return answer;
}

namespace winport {

std::vector<int> MessageBoxButtons(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OK: return {IDOK};
        case MB_OKCANCEL: return {IDOK, IDCANCEL};
        case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
        case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO: return {IDYES, IDNO};
        case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
        case MB_CANCELTRYCONTINUE: return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
        default: return {};
    }
}

int MessageBoxCancelAnswer(UINT type) {
    const std::vector<int> buttons = MessageBoxButtons(type);
    if (buttons.empty()) return 0;
    if (std::ranges::find(buttons, IDCANCEL) != buttons.end()) return IDCANCEL;
    switch (type & MB_TYPEMASK) {
        case MB_YESNO: return IDNO;
        case MB_ABORTRETRYIGNORE: return IDABORT;
        default: return IDOK;
    }
}

std::string_view MessageBoxButtonName(int id) {
    switch (id) {
        case IDOK: return "OK";
        case IDCANCEL: return "Cancel";
        case IDABORT: return "Abort";
        case IDRETRY: return "Retry";
        case IDIGNORE: return "Ignore";
        case IDYES: return "Yes";
        case IDNO: return "No";
        case IDTRYAGAIN: return "Try Again";
        case IDCONTINUE: return "Continue";
        default: return {};
    }
}

}  // namespace winport
