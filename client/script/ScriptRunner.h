// Runs an automation script against the running host: each line is an action a person takes
// (open a window, pick a tab, click, type, answer a box) or a check of what they would see.
// The first action that cannot be done or check that fails stops the script.
#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "client/host/ClientHost.h"
#include "client/script/ScriptParser.h"
#include "platform/automation/Agent.h"

namespace nuvclient {

struct ScriptFailure {
    int line = 0;
    std::string message;
};

class ScriptRunner {
public:
    // Dumps go to |out|.
    ScriptRunner(ClientHost& host, std::ostream& out);

    // Runs every line; false with |failure| naming the line and what went wrong.
    bool Run(const std::vector<ScriptLine>& script, ScriptFailure& failure);

    // One thing done inside a modal dialog when it comes up: click, type, pick, tick, untick.
    struct DialogStep {
        std::string verb;
        std::string id;
        std::string text;
    };

private:
    using Action = std::function<void(const std::vector<std::string>& args)>;

    void AddWindowActions();
    void AddInputActions();
    void AddAnswerActions();
    void AddChecks();

    // The window the actions apply to: the last one opened. Throws when there is none.
    HWND Current() const;
    // The control with |id| in the current window, a visible one first; throws when none.
    HWND Control(const std::string& id) const;
    HWND TabControl() const;
    // Throws the agent's reason when |done| is false.
    void Require(bool done) const;
    // Does |steps| in dialog |templateId| when it next runs; a step that fails is reported by
    // the line that was running.
    void QueueDialogAnswer(int templateId, std::vector<DialogStep> steps);

    ClientHost& m_host;
    std::ostream& m_out;
    winport::Agent m_agent;
    HWND m_current = nullptr;
    std::string m_answerFailure;
    std::map<std::string, Action> m_actions;
    std::map<std::string, Action> m_checks;
};

}  // namespace nuvclient
