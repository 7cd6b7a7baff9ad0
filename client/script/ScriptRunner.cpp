#include "client/script/ScriptRunner.h"

#include <utility>

#include "client/script/ScriptSupport.h"
#include "platform/controls/TabControlApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace nuvclient {

ScriptRunner::ScriptRunner(ClientHost& host, std::ostream& out) : m_host(host), m_out(out) {
    AddWindowActions();
    AddInputActions();
    AddAnswerActions();
    AddChecks();
}

bool ScriptRunner::Run(const std::vector<ScriptLine>& script, ScriptFailure& failure) {
    for (const ScriptLine& line : script) {
        const std::string& verb = line.words.front();
        std::vector<std::string> args(line.words.begin() + 1, line.words.end());
        m_line = line.number;
        const HWND open = m_current && IsWindow(m_current) ? m_current : nullptr;
        try {
            if (verb == "expect") {
                if (args.empty()) throw ScriptError("expect what?");
                auto check = m_checks.find(args.front());
                if (check == m_checks.end()) throw ScriptError("no check named " + args.front());
                args.erase(args.begin());
                check->second(args);
            } else {
                auto action = m_actions.find(verb);
                if (action == m_actions.end()) throw ScriptError("no action named " + verb);
                action->second(args);
            }
            winport::PumpMessages();
            RequireAnswersTaken();
        } catch (const std::exception& error) {
            failure = {line.number, error.what()};
            return false;
        }
        if (open && !IsWindow(open) &&
            FindUnaskedAnswer(open, "before the window closed on line " + std::to_string(m_line),
                              failure)) {
            return false;
        }
    }
    return !FindUnaskedAnswer(nullptr, "by the end of the script", failure);
}

std::filesystem::path ScriptRunner::InDataFolder(const std::string& path) const {
    return m_host.UserStore().File().parent_path() / path;
}

HWND ScriptRunner::Current() const {
    if (!m_current || !IsWindow(m_current)) throw ScriptError("no window is open");
    return m_current;
}

HWND ScriptRunner::Control(const std::string& id) const {
    return FindControl(Current(), id);
}

HWND ScriptRunner::TabControl() const {
    for (HWND window : winport::ChildWindows(Current())) {
        if (winport::GetClassNameOf(window) == WC_TABCONTROL) return window;
        for (HWND inner : winport::ChildWindows(window)) {
            if (winport::GetClassNameOf(inner) == WC_TABCONTROL) return inner;
        }
    }
    throw ScriptError("the window has no tabs");
}

void ScriptRunner::Require(bool done) const {
    if (!done) throw ScriptError(m_agent.LastError());
}

void ScriptRunner::RequireAnswersTaken() {
    if (!m_answerFailure.empty()) throw ScriptError(std::exchange(m_answerFailure, {}));
    if (!m_agent.AnswerFailures().empty()) throw ScriptError(m_agent.AnswerFailures().front());
}

}  // namespace nuvclient
