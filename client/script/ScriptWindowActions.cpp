// Script actions on whole windows: open, show another user in a pane, pick a tab, close, dump;
// and the day the windows take for today.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

#include "client/cli/OpenCommand.h"
#include "client/script/ScriptRunner.h"
#include "client/script/ScriptSupport.h"
#include "module/host/DetailsWindowMessages.h"
#include "platform/automation/WindowDump.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace nuvclient {

namespace {

const std::pair<const char*, WindowKind> kKinds[] = {{"owner", WindowKind::Owner},
                                                     {"contact", WindowKind::Contact},
                                                     {"group", WindowKind::Group},
                                                     {"pane", WindowKind::Pane}};

constexpr char kOpenUsage[] = "open owner|contact N|group N|pane N [--tab K] [--limited]";

OpenRequest ParseOpen(const std::vector<std::string>& args) {
    RequireArgs(args, 1, 5, kOpenUsage);
    auto kind = std::find_if(std::begin(kKinds), std::end(kKinds),
                             [&](const auto& entry) { return args[0] == entry.first; });
    if (kind == std::end(kKinds)) throw ScriptError(std::string("usage: ") + kOpenUsage);
    OpenRequest request{kind->second};
    size_t next = 1;
    if (request.kind != WindowKind::Owner) {
        if (args.size() < 2) throw ScriptError(std::string("usage: ") + kOpenUsage);
        request.number = static_cast<std::uint32_t>(ToInt(args[next++]));
    }
    while (next < args.size()) {
        if (args[next] == "--limited") {
            request.limited = true;
            ++next;
        } else if (args[next] == "--tab" && next + 1 < args.size()) {
            request.tab = ToInt(args[next + 1]);
            next += 2;
        } else {
            throw ScriptError(std::string("usage: ") + kOpenUsage);
        }
    }
    return request;
}

bool IsNumber(const std::string& word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void ScriptRunner::AddWindowActions() {
    m_actions["open"] = [this](const std::vector<std::string>& args) {
        std::string problem;
        const OpenRequest request = ParseOpen(args);
        HWND window = OpenWindow(m_host, request, problem);
        if (!window) throw ScriptError(problem);
        m_current = window;
        m_currentKind = request.kind;
    };
    m_actions["show"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 1, "show N|none");
        const HWND window = Current();
        HWND pane = nullptr;
        if (m_currentKind == WindowKind::Pane) {
            for (HWND child : winport::ChildWindows(window)) {
                if (winport::GetClassNameOf(child) == kDialogClassName) pane = child;
            }
        }
        if (!pane) throw ScriptError("the window holds no details pane");
        BCUserInfo* user = nullptr;
        if (args[0] != "none") {
            std::optional<User> found =
                m_host.UserStore().FindUser(static_cast<std::uint32_t>(ToInt(args[0])));
            if (!found) throw ScriptError("no user has the number " + args[0]);
            user = m_host.UserInfo(*found);
        }
        SendMessage(pane, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(user), 0);
    };
    m_actions["tab"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 1, "tab CAPTION|INDEX");
        HWND tab = TabControl();
        Require(IsNumber(args[0]) ? m_agent.SelectTab(tab, ToInt(args[0]))
                                  : m_agent.SelectTab(tab, args[0]));
    };
    m_actions["close"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 0, 0, "close");
        SendMessage(Current(), WM_CLOSE, 0, 0);
    };
    m_actions["wait"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 0, 0, "wait");
        if (!m_host.Settle()) throw ScriptError("the directory did not answer within 30 s");
    };
    m_actions["dump"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 0, 0, "dump");
        m_out << winport::DumpWindowTree(Current());
    };
    m_actions["lists"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 2, 2, "lists without NAME|all");
        if (args[0] != "without") throw ScriptError("usage: lists without NAME|all");
        if (!m_host.DataLists().Withhold(args[1]))
            throw ScriptError("the host has no data list named " + args[1]);
    };
    m_actions["today"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 1, "today YYYY-MM-DD");
        int year = 0;
        unsigned month = 0;
        unsigned day = 0;
        char end = 0;
        if (std::sscanf(args[0].c_str(), "%d-%u-%u%c", &year, &month, &day, &end) != 3 ||
            !(std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}).ok()) {
            throw ScriptError("usage: today YYYY-MM-DD (a day of the calendar)");
        }
        // Noon: the same day in every time zone near the script's.
        m_today.reset();
        m_today.emplace(std::chrono::sys_days{std::chrono::year{year} / std::chrono::month{month} /
                                              std::chrono::day{day}} +
                        std::chrono::hours{12});
    };
}

}  // namespace nuvclient
