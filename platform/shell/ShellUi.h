// What the platform asks a person: message boxes, the Save As dialog, popup menus and modal
// dialogs. The automation agent answers headlessly; a real view shows real dialogs.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/core/WinTypes.h"

namespace winport {

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT style = 0;  // MB_* flags.
};

struct SaveAsRequest {
    HWND owner = nullptr;
    std::string title;
    std::string fileName;          // The proposed name.
    std::string defaultExtension;  // Without the dot.
    std::string filter;            // Pairs separated by '|', as MFC writes them.
    DWORD flags = 0;               // OFN_* flags.
};

struct MenuItemSnapshot {
    UINT id = 0;  // 0 for separators and submenus.
    std::string text;
    UINT flags = 0;  // MF_GRAYED, MF_CHECKED, MF_SEPARATOR, MF_POPUP ...
    std::vector<MenuItemSnapshot> submenu;
};

struct PopupMenuRequest {
    HWND owner = nullptr;
    std::vector<MenuItemSnapshot> items;
    POINT position;
    UINT flags = 0;  // TPM_* flags.
};

class ShellUi {
public:
    virtual ~ShellUi() = default;
    // Answers the id of the button pressed (IDOK, IDCANCEL, IDYES, IDNO ...).
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
    // Answers the chosen path, or nothing when the person cancels.
    virtual std::optional<std::string> ShowSaveAs(const SaveAsRequest& request) = 0;
    // Answers the chosen command id, or 0 when the menu is dismissed.
    virtual UINT ShowPopupMenu(const PopupMenuRequest& request) = 0;
    // A modal dialog has been created and is about to run its loop.
    virtual void ModalDialogStarted(HWND dialog, int templateId) = 0;
    // A modal loop has nothing to do and no view waits for input: the dialog must be answered
    // now (the headless answer is to cancel it).
    virtual void ModalDialogIdle(HWND dialog) = 0;
};

// The installed shell UI; a headless one that cancels everything when nothing is installed.
ShellUi& GetShellUi();
// Installs |ui| (not owned) and answers the previous one; null restores the headless default.
ShellUi* SetShellUi(ShellUi* ui);

}  // namespace winport
