// The platform's questions to a person as real Qt dialogs and menus: message boxes, the Save As
// dialog and popup menus appear over the view's windows and wait for the person's answer.
#pragma once

#include "platform/shell/ShellUi.h"

class QWidget;

namespace nuvview {

class View;

class QtShellUi final : public winport::ShellUi {
public:
    // Installs itself as the platform's shell UI for its lifetime; dialogs are placed over the
    // owner's widget in |view|.
    explicit QtShellUi(const View& view);
    ~QtShellUi() override;
    QtShellUi(const QtShellUi&) = delete;
    QtShellUi& operator=(const QtShellUi&) = delete;

    int ShowMessageBox(const winport::MessageBoxRequest& request) override;
    std::optional<std::string> ShowSaveAs(const winport::SaveAsRequest& request) override;
    UINT ShowPopupMenu(const winport::PopupMenuRequest& request) override;
    // A modal dialog is a window like the others: the view shows it, the person answers it.
    void ModalDialogStarted(HWND dialog, int templateId) override;
    void ModalDialogIdle(HWND dialog) override;

private:
    QWidget* OwnerWidget(HWND owner) const;

    const View& m_view;
    winport::ShellUi* m_previous;
};

}  // namespace nuvview
