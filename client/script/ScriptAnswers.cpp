// Script actions that answer, ahead of time, what the windows will ask: message boxes, popup
// menus, Save As and modal dialogs.
#include <stdexcept>

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
    "answer box BUTTON | menu ID|none | saveas PATH|cancel | dialog TEMPLATE STEP...";
constexpr char kStepUsage[] =
    "dialog steps: ID (click) | click ID | type ID TEXT | pick ID TEXT | tick ID | untick ID";

// The steps after "answer dialog TEMPLATE": a lone id is a click.
std::vector<ScriptRunner::DialogStep> ParseDialogSteps(const std::vector<std::string>& args) {
    std::vector<ScriptRunner::DialogStep> steps;
    for (size_t at = 2; at < args.size();) {
        const std::string& verb = args[at];
        const bool takesText = verb == "type" || verb == "pick";
        const bool takesId = takesText || verb == "click" || verb == "tick" || verb == "untick";
        if (!takesId) {
            steps.push_back({"click", verb, ""});
            ToInt(verb);
            ++at;
            continue;
        }
        const size_t needed = takesText ? 3 : 2;
        if (at + needed > args.size()) throw ScriptError(std::string("usage: ") + kStepUsage);
        steps.push_back({verb, args[at + 1], takesText ? args[at + 2] : ""});
        ToInt(args[at + 1]);
        at += needed;
    }
    return steps;
}

int ButtonNamed(const std::string& name) {
    for (const auto& [buttonName, id] : kButtons) {
        if (name == buttonName) return id;
    }
    throw ScriptError("no message box button named " + name);
}

}  // namespace

void ScriptRunner::QueueDialogAnswer(int templateId, std::vector<DialogStep> steps) {
    m_agent.QueueDialogHandler(templateId, [this, templateId, steps](HWND dialog) {
        try {
            for (const DialogStep& step : steps) {
                HWND control = FindControl(dialog, step.id);
                if (step.verb == "click") Require(m_agent.Click(control));
                if (step.verb == "type") Require(m_agent.Type(control, step.text));
                if (step.verb == "pick") Require(m_agent.PickComboItem(control, step.text));
                if (step.verb == "tick") Require(m_agent.Tick(control, true));
                if (step.verb == "untick") Require(m_agent.Tick(control, false));
            }
        } catch (const std::exception& error) {
            m_answerFailure =
                "the answer to dialog " + std::to_string(templateId) + " failed: " + error.what();
        }
        // A person who could not do what was asked closes the dialog rather than leave it.
        if (IsWindow(dialog) && IsWindowVisible(dialog))
            SendMessage(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

void ScriptRunner::AddAnswerActions() {
    m_actions["answer"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 2, 64, kAnswerUsage);
        const std::string& what = args[0];
        if (what == "box" && args.size() == 2) {
            m_agent.QueueMessageBoxAnswer(ButtonNamed(args[1]));
        } else if (what == "menu" && args.size() == 2) {
            m_agent.QueueMenuAnswer(args[1] == "none" ? 0 : static_cast<UINT>(ToInt(args[1])));
        } else if (what == "saveas" && args.size() == 2) {
            m_agent.QueueSaveAsAnswer(args[1] == "cancel" ? std::nullopt
                                                          : std::optional<std::string>(args[1]));
        } else if (what == "dialog" && args.size() >= 3) {
            QueueDialogAnswer(ToInt(args[1]), ParseDialogSteps(args));
        } else {
            throw ScriptError(std::string("usage: ") + kAnswerUsage);
        }
    };
}

}  // namespace nuvclient
