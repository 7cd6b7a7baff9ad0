// Script actions that answer, ahead of time, what the windows will ask: message boxes, popup
// menus, Save As and modal dialogs; and which of those answers were never asked for.
#include <stdexcept>

#include "client/script/ScriptRunner.h"
#include "client/script/ScriptSupport.h"
#include "platform/core/WinMessages.h"
#include "platform/message/MessageApi.h"
#include "platform/shell/MessageBox.h"
#include "platform/window/WindowApi.h"

namespace nuvclient {

namespace {

using winport::CheckState;

constexpr char kAnswerUsage[] =
    "answer box BUTTON | menu ID|none | saveas PATH|cancel | dialog TEMPLATE STEP...";
constexpr char kStepUsage[] =
    "dialog steps: ID (click) | click ID | type ID TEXT | pick ID TEXT | select ID PATH | tick "
    "ID | untick ID | key NAME | keys TEXT";

// The steps after "answer dialog TEMPLATE": a lone id is a click.
std::vector<ScriptRunner::DialogStep> ParseDialogSteps(const std::vector<std::string>& args) {
    std::vector<ScriptRunner::DialogStep> steps;
    for (size_t at = 2; at < args.size();) {
        const std::string& verb = args[at];
        if (verb == "key" || verb == "keys") {
            // The keyboard acts on the focus: no control named.
            if (at + 2 > args.size()) throw ScriptError(std::string("usage: ") + kStepUsage);
            if (verb == "key") KeyNamed(args[at + 1]);
            steps.push_back({verb, "", args[at + 1]});
            at += 2;
            continue;
        }
        const bool takesText = verb == "type" || verb == "pick" || verb == "select";
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
    for (int id = IDOK; id <= IDCONTINUE; ++id) {
        const std::string_view button = winport::MessageBoxButtonName(id);
        if (!button.empty() && name == button) return id;
    }
    throw ScriptError("no message box button named " + name);
}

// What did not come up for an answer of |kind|.
std::string QuestionOf(winport::AnswerKind kind, int templateId) {
    switch (kind) {
        case winport::AnswerKind::MessageBox: return "no message box";
        case winport::AnswerKind::SaveAs: return "no Save As dialog";
        case winport::AnswerKind::PopupMenu: return "no popup menu";
        case winport::AnswerKind::Dialog: break;
    }
    return "no dialog " + std::to_string(templateId);
}

}  // namespace

size_t ScriptRunner::RecordAnswer(winport::AnswerKind kind, int templateId) {
    const HWND window = m_current && IsWindow(m_current) ? m_current : nullptr;
    m_answers.push_back({m_line, kind, templateId, window, false});
    return m_answers.size() - 1;
}

bool ScriptRunner::FindUnaskedAnswer(HWND window, const std::string& until,
                                     ScriptFailure& failure) const {
    using winport::AnswerKind;
    // The agent takes the answers of a kind first in, first out: the last ones given wait.
    std::map<AnswerKind, size_t> waiting;
    for (AnswerKind kind : {AnswerKind::MessageBox, AnswerKind::SaveAs, AnswerKind::PopupMenu}) {
        waiting[kind] = m_agent.PendingAnswers(kind);
    }
    const GivenAnswer* first = nullptr;
    for (auto given = m_answers.rbegin(); given != m_answers.rend(); ++given) {
        bool unasked = !given->asked;
        if (given->kind != AnswerKind::Dialog) {
            unasked = waiting[given->kind] > 0;
            if (unasked) --waiting[given->kind];
        }
        // Walking backwards, the last one kept is the first given.
        if (unasked && (!window || given->window == window)) first = &*given;
    }
    if (!first) return false;
    failure = {first->line,
               QuestionOf(first->kind, first->templateId) + " came up for this answer " + until};
    return true;
}

void ScriptRunner::QueueDialogAnswer(int templateId, std::vector<DialogStep> steps) {
    const size_t given = RecordAnswer(winport::AnswerKind::Dialog, templateId);
    m_agent.QueueDialogHandler(templateId, [this, templateId, steps, given](HWND dialog) {
        m_answers[given].asked = true;
        try {
            for (const DialogStep& step : steps) {
                if (step.verb == "key") Require(m_agent.PressKey(KeyNamed(step.text)));
                if (step.verb == "keys") Require(m_agent.TypeKeys(step.text));
                if (step.id.empty()) continue;
                HWND control = FindControl(dialog, step.id);
                if (step.verb == "click") Require(m_agent.Click(control));
                if (step.verb == "type") Require(m_agent.Type(control, step.text));
                if (step.verb == "pick") Require(m_agent.PickComboItem(control, step.text));
                if (step.verb == "select") Require(m_agent.SelectTreeItem(control, step.text));
                if (step.verb == "tick") Require(m_agent.Tick(control, CheckState::Checked));
                if (step.verb == "untick") Require(m_agent.Tick(control, CheckState::Unchecked));
            }
        } catch (const std::exception& error) {
            m_answerFailure =
                "the answer to dialog " + std::to_string(templateId) + " failed: " + error.what();
        }
        if (!IsWindow(dialog) || !IsWindowVisible(dialog)) return;
        if (m_answerFailure.empty()) {
            m_answerFailure = "dialog " + std::to_string(templateId) +
                              " is still open after the steps of its answer";
        }
        // A person who could not do what was asked closes the dialog rather than leave it.
        SendMessage(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

void ScriptRunner::AddAnswerActions() {
    m_actions["answer"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 2, 64, kAnswerUsage);
        const std::string& what = args[0];
        if (what == "box" && args.size() == 2) {
            m_agent.QueueMessageBoxAnswer(ButtonNamed(args[1]));
            RecordAnswer(winport::AnswerKind::MessageBox);
        } else if (what == "menu" && args.size() == 2) {
            m_agent.QueueMenuAnswer(args[1] == "none" ? 0 : static_cast<UINT>(ToInt(args[1])));
            RecordAnswer(winport::AnswerKind::PopupMenu);
        } else if (what == "saveas" && args.size() == 2) {
            m_agent.QueueSaveAsAnswer(args[1] == "cancel"
                                          ? std::nullopt
                                          : std::optional<std::string>(InDataFolder(args[1])));
            RecordAnswer(winport::AnswerKind::SaveAs);
        } else if (what == "dialog" && args.size() >= 3) {
            QueueDialogAnswer(ToInt(args[1]), ParseDialogSteps(args));
        } else {
            throw ScriptError(std::string("usage: ") + kAnswerUsage);
        }
    };
}

}  // namespace nuvclient
