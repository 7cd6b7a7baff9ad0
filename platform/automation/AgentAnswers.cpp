#include <algorithm>

#include "platform/automation/Agent.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/shell/MenuApi.h"
#include "platform/shell/MessageBox.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowApi.h"

namespace winport {

Agent::Agent() : m_previous(SetShellUi(this)) {}

Agent::~Agent() {
    SetShellUi(m_previous);
}

void Agent::QueueDialogHandler(int templateId, DialogHandler handler) {
    m_dialogHandlers[templateId].push_back(std::move(handler));
}

void Agent::QueueMessageBoxAnswer(int answer) {
    m_messageBoxAnswers.push_back(answer);
}

void Agent::QueueSaveAsAnswer(std::optional<std::string> path) {
    m_saveAsAnswers.push_back(std::move(path));
}

void Agent::QueueMenuAnswer(UINT command) {
    m_menuAnswers.push_back(command);
}

size_t Agent::PendingAnswers() const {
    return PendingAnswers(AnswerKind::MessageBox) + PendingAnswers(AnswerKind::SaveAs) +
           PendingAnswers(AnswerKind::PopupMenu) + PendingAnswers(AnswerKind::Dialog);
}

size_t Agent::PendingAnswers(AnswerKind kind) const {
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

int Agent::ShowMessageBox(const MessageBoxRequest& request) {
    int answer = MessageBoxCancelAnswer(request.style);
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

std::optional<std::string> Agent::ShowSaveAs(const SaveAsRequest& request) {
    std::optional<std::string> answer;
    if (!m_saveAsAnswers.empty()) {
        answer = std::move(m_saveAsAnswers.front());
        m_saveAsAnswers.pop_front();
    }
    m_saveAs.push_back({request, answer});
    return answer;
}

UINT Agent::ShowPopupMenu(const PopupMenuRequest& request) {
    UINT answer = 0;
    if (!m_menuAnswers.empty()) {
        answer = m_menuAnswers.front();
        m_menuAnswers.pop_front();
    }
    if (answer != 0 && !IsChoosableCommand(request.items, answer)) {
        m_answerFailures.push_back("the popup menu offers no command " + std::to_string(answer));
        answer = 0;
    }
    m_menus.push_back({request, answer});
    return answer;
}

void Agent::ModalDialogStarted(HWND dialog, int templateId) {
    m_modalDialogs.push_back(templateId);
    const auto found = m_dialogHandlers.find(templateId);
    if (found == m_dialogHandlers.end() || found->second.empty()) return;
    DialogHandler handler = std::move(found->second.front());
    found->second.pop_front();
    handler(dialog);
}

void Agent::ModalDialogIdle(HWND dialog) {
    // Nobody answers this dialog: cancel it, as a person closing it would.
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

}  // namespace winport
