#include "platform/automation/AnswerQueue.h"

#include <algorithm>

#include "platform/shell/MenuApi.h"
#include "platform/shell/MessageBox.h"
#include "platform/window/StateDescription.h"

namespace winport {

AnswerQueue::AnswerQueue() : m_previous(SetShellUi(this)) {}

AnswerQueue::~AnswerQueue() {
    SetShellUi(m_previous);
}

void AnswerQueue::QueueDialogHandler(int templateId, DialogHandler handler) {
    m_dialogHandlers[templateId].push_back(std::move(handler));
}

void AnswerQueue::QueueMessageBoxAnswer(int answer) {
    m_messageBoxAnswers.push_back(answer);
}

void AnswerQueue::QueueSaveAsAnswer(std::optional<std::string> path) {
    m_saveAsAnswers.push_back(std::move(path));
}

void AnswerQueue::QueueMenuAnswer(UINT command) {
    m_menuAnswers.push_back(command);
}

size_t AnswerQueue::PendingAnswers() const {
    return PendingAnswers(AnswerKind::MessageBox) + PendingAnswers(AnswerKind::SaveAs) +
           PendingAnswers(AnswerKind::PopupMenu) + PendingAnswers(AnswerKind::Dialog);
}

size_t AnswerQueue::PendingAnswers(AnswerKind kind) const {
    switch (kind) {
        case AnswerKind::MessageBox: return m_messageBoxAnswers.size();
        case AnswerKind::SaveAs: return m_saveAsAnswers.size();
        case AnswerKind::PopupMenu: return m_menuAnswers.size();
        case AnswerKind::Dialog: break;
    }
    size_t pending = 0;
    for (const auto& [id, handlers] : m_dialogHandlers) pending += handlers.size();
    return pending;
}

int AnswerQueue::ShowMessageBox(const MessageBoxRequest& request) {
    int answer = HeadlessShellUi::ShowMessageBox(request);
    if (!m_messageBoxAnswers.empty()) {
        const int queued = m_messageBoxAnswers.front();
        m_messageBoxAnswers.pop_front();
        const std::vector<int> buttons = MessageBoxButtons(request.style);
        if (std::ranges::find(buttons, queued) != buttons.end()) {
            answer = queued;
        } else {
            std::string button(MessageBoxButtonName(queued));
            if (button.empty()) button = std::to_string(queued);
            m_answerFailures.push_back("the message box " + QuoteText(request.text) +
                                       " has no button " + button);
        }
    }
    m_messageBoxes.push_back({request, answer});
    return answer;
}

std::optional<std::string> AnswerQueue::ShowSaveAs(const SaveAsRequest& request) {
    std::optional<std::string> answer = HeadlessShellUi::ShowSaveAs(request);
    if (!m_saveAsAnswers.empty()) {
        answer = std::move(m_saveAsAnswers.front());
        m_saveAsAnswers.pop_front();
    }
    m_saveAs.push_back({request, answer});
    return answer;
}

UINT AnswerQueue::ShowPopupMenu(const PopupMenuRequest& request) {
    UINT answer = HeadlessShellUi::ShowPopupMenu(request);
    if (!m_menuAnswers.empty()) {
        const UINT queued = m_menuAnswers.front();
        m_menuAnswers.pop_front();
        // A queued 0 dismisses the menu.
        if (queued == 0 || IsChoosableCommand(request.items, queued)) {
            answer = queued;
        } else {
            m_answerFailures.push_back("the popup menu offers no command " +
                                       std::to_string(queued));
        }
    }
    m_menus.push_back({request, answer});
    return answer;
}

void AnswerQueue::ModalDialogStarted(HWND dialog, int templateId) {
    m_modalDialogs.push_back(templateId);
    const auto found = m_dialogHandlers.find(templateId);
    if (found == m_dialogHandlers.end() || found->second.empty()) return;
    DialogHandler handler = std::move(found->second.front());
    found->second.pop_front();
    handler(dialog);
}

}  // namespace winport
