// Runs an automation script against the running host: each line is an action a person takes
// (open a window, pick a tab, click, type, answer a box) or a check of what they would see.
// The first action that cannot be done or check that fails stops the script.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "client/cli/OpenCommand.h"
#include "client/host/ClientHost.h"
#include "client/script/ScriptParser.h"
#include "hostlib/util/Time.h"
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

    // Runs every line; false with |failure| naming the line and what went wrong. An answer
    // nobody asked for by the time its window closed, or by the end, fails on its own line.
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
    // |path| as the script means it: a relative path is inside the data folder, beside the store.
    std::filesystem::path InDataFolder(const std::string& path) const;
    // The control with |id| in the current window, a visible one first; throws when none.
    HWND Control(const std::string& id) const;
    HWND TabControl() const;
    // Throws the agent's reason when |done| is false.
    void Require(bool done) const;
    // Throws when an answer given ahead could not be given: a step failed, a dialog was left
    // open, or the question had no such choice.
    void RequireAnswersTaken();
    // Does |steps| in dialog |templateId| when it next runs; a step that fails is reported by
    // the line that was running, as is a dialog the steps leave open.
    void QueueDialogAnswer(int templateId, std::vector<DialogStep> steps);

    // An answer given ahead of its question, and whether the question came.
    struct GivenAnswer {
        int line = 0;
        winport::AnswerKind kind = winport::AnswerKind::MessageBox;
        int templateId = 0;
        HWND window = nullptr;  // The current window when it was given.
        bool asked = false;     // Kept for dialogs; the agent counts the other kinds.
    };
    // Keeps the answer the running line gives; answers its index in m_answers.
    size_t RecordAnswer(winport::AnswerKind kind, int templateId = 0);
    // True, with |failure| on its line, when an answer given while |window| was current (any,
    // when null) was never asked for; |until| says by when.
    bool FindUnaskedAnswer(HWND window, const std::string& until, ScriptFailure& failure) const;

    ClientHost& m_host;
    std::ostream& m_out;
    winport::Agent m_agent;
    HWND m_current = nullptr;
    WindowKind m_currentKind = WindowKind::Owner;
    int m_line = 0;
    std::vector<GivenAnswer> m_answers;
    std::string m_answerFailure;
    std::map<std::string, Action> m_actions;
    std::map<std::string, Action> m_checks;
    // The day the script says it is ("today"), for every window it opens.
    std::optional<BCTime::ScopedNow> m_today;
};

}  // namespace nuvclient
