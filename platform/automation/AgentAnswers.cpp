#include <algorithm>

#include "platform/automation/Agent.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/shell/MessageBox.h"
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
    size_t pending = m_messageBoxAnswers.size() + m_saveAsAnswers.size() + m_menuAnswers.size();
    for (const auto& [id, handlers] : m_dialogHandlers) pending += handlers.size();
    return pending;
}

int Agent::ShowMessageBox(const MessageBoxRequest& request) {
    int answer = MessageBoxCancelAnswer(request.style);
    if (!m_messageBoxAnswers.empty()) {
        answer = m_messageBoxAnswers.front();
        m_messageBoxAnswers.pop_front();
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
