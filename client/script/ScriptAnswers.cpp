// Script actions that answer, ahead of time, what the windows will ask: message boxes, popup
// menus, Save As and modal dialogs.
#include "client/script/ScriptRunner.h"
#include "client/script/ScriptSupport.h"
#include "platform/core/WinMessages.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace nuvclient {

namespace {

const std::pair<const char*, int> kButtons[] = {
    {"OK", IDOK},         {"Cancel", IDCANCEL}, {"Abort", IDABORT}, {"Retry", IDRETRY},
    {"Ignore", IDIGNORE}, {"Yes", IDYES},       {"No", IDNO}};

constexpr char kAnswerUsage[] =
    "answer box BUTTON | menu ID|none | saveas PATH|cancel | dialog TEMPLATE ID";

int ButtonNamed(const std::string& name) {
    for (const auto& [buttonName, id] : kButtons) {
        if (name == buttonName) return id;
    }
    throw ScriptError("no message box button named " + name);
}

}  // namespace

void ScriptRunner::AddAnswerActions() {
    m_actions["answer"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 2, 3, kAnswerUsage);
        const std::string& what = args[0];
        if (what == "box" && args.size() == 2) {
            m_agent.QueueMessageBoxAnswer(ButtonNamed(args[1]));
        } else if (what == "menu" && args.size() == 2) {
            m_agent.QueueMenuAnswer(args[1] == "none" ? 0 : static_cast<UINT>(ToInt(args[1])));
        } else if (what == "saveas" && args.size() == 2) {
            m_agent.QueueSaveAsAnswer(args[1] == "cancel" ? std::nullopt
                                                          : std::optional<std::string>(args[1]));
        } else if (what == "dialog" && args.size() == 3) {
            const int button = ToInt(args[2]);
            m_agent.QueueDialogHandler(ToInt(args[1]), [this, button](HWND dialog) {
                HWND control = GetDlgItem(dialog, button);
                if (!control || !m_agent.Click(control)) {
                    // A person would close it rather than leave the loop running.
                    SendMessage(dialog, WM_COMMAND, IDCANCEL, 0);
                }
            });
        } else {
            throw ScriptError(std::string("usage: ") + kAnswerUsage);
        }
    };
}

}  // namespace nuvclient
