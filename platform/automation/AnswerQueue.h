// The answers a person gives to what the windows ask: modal dialogs, message boxes, Save As and
// popup menus. Answers are queued ahead of their questions, one queue per kind, first in first
// out; every question is logged with the answer it got. A question with nothing queued gets the
// headless answer (cancel, no path, no command). The queue installs itself as the shell UI while
// it lives.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/WinTypes.h"
#include "platform/shell/HeadlessShellUi.h"

namespace winport {

// The questions a person answers.
enum class AnswerKind { MessageBox, SaveAs, PopupMenu, Dialog };

struct MessageBoxRecord {
    MessageBoxRequest request;
    int answer = 0;
};

struct PopupMenuRecord {
    PopupMenuRequest request;
    UINT answer = 0;
};

struct SaveAsRecord {
    SaveAsRequest request;
    std::optional<std::string> answer;
};

class AnswerQueue final : public HeadlessShellUi {
public:
    // Drives a modal dialog as a person would and ends it (presses a button).
    using DialogHandler = std::function<void(HWND dialog)>;

    AnswerQueue();
    ~AnswerQueue() override;
    AnswerQueue(const AnswerQueue&) = delete;
    AnswerQueue& operator=(const AnswerQueue&) = delete;

    void QueueDialogHandler(int templateId, DialogHandler handler);
    void QueueMessageBoxAnswer(int answer);
    void QueueSaveAsAnswer(std::optional<std::string> path);
    void QueueMenuAnswer(UINT command);

    const std::vector<MessageBoxRecord>& MessageBoxes() const { return m_messageBoxes; }
    const std::vector<PopupMenuRecord>& PopupMenus() const { return m_menus; }
    const std::vector<SaveAsRecord>& SaveAsDialogs() const { return m_saveAs; }
    // Template ids of the modal dialogs run, in order.
    const std::vector<int>& ModalDialogs() const { return m_modalDialogs; }
    // Answers queued and never asked for: all of them, or those of one kind.
    size_t PendingAnswers() const;
    size_t PendingAnswers(AnswerKind kind) const;
    // Queued answers their question could not take (a button the box does not have, a command
    // the menu does not offer), each saying why; the question was then answered as if nothing
    // had been queued for it.
    const std::vector<std::string>& AnswerFailures() const { return m_answerFailures; }

    int ShowMessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> ShowSaveAs(const SaveAsRequest& request) override;
    UINT ShowPopupMenu(const PopupMenuRequest& request) override;
    // Runs the first handler queued for the template. A dialog still open once its loop has
    // nothing to do is cancelled (HeadlessShellUi::ModalDialogIdle).
    void ModalDialogStarted(HWND dialog, int templateId) override;

private:
    ShellUi* m_previous;
    std::map<int, std::deque<DialogHandler>> m_dialogHandlers;
    std::deque<int> m_messageBoxAnswers;
    std::deque<std::optional<std::string>> m_saveAsAnswers;
    std::deque<UINT> m_menuAnswers;
    std::vector<MessageBoxRecord> m_messageBoxes;
    std::vector<PopupMenuRecord> m_menus;
    std::vector<SaveAsRecord> m_saveAs;
    std::vector<int> m_modalDialogs;
    std::vector<std::string> m_answerFailures;
};

}  // namespace winport
