// Script actions a person takes with the mouse and the keyboard on one control.
#include <algorithm>
#include <cctype>

#include "client/script/ScriptRunner.h"
#include "client/script/ScriptSupport.h"
#include "platform/controls/ListBoxApi.h"
#include "platform/controls/ListViewApi.h"
#include "platform/core/WinMessages.h"
#include "platform/window/WindowClass.h"

namespace nuvclient {

namespace {

const std::pair<const char*, UINT> kKeys[] = {
    {"enter", VK_RETURN}, {"escape", VK_ESCAPE}, {"tab", VK_TAB},       {"space", VK_SPACE},
    {"up", VK_UP},        {"down", VK_DOWN},     {"left", VK_LEFT},     {"right", VK_RIGHT},
    {"home", VK_HOME},    {"end", VK_END},       {"delete", VK_DELETE}, {"backspace", VK_BACK},
    {"f4", VK_F4},        {"apps", VK_APPS},     {"pageup", VK_PRIOR},  {"pagedown", VK_NEXT},
};

}  // namespace

UINT KeyNamed(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& [keyName, key] : kKeys) {
        if (name == keyName) return key;
    }
    throw ScriptError("no key named " + name);
}

namespace {

winport::KeyModifier ModifierNamed(const std::string& name) {
    if (name == "shift") return winport::KeyModifier::Shift;
    if (name == "ctrl") return winport::KeyModifier::Control;
    throw ScriptError("no modifier named " + name + " (shift or ctrl)");
}

// Whether control |id| is a list view rather than a list box; throws for any other control.
bool IsListView(HWND list, const std::string& id) {
    const std::string kind = winport::GetClassNameOf(list);
    if (kind == WC_LISTVIEW) return true;
    if (kind == kListBoxClassName) return false;
    throw ScriptError("control " + id + " is a " + kind + ", not a list");
}

}  // namespace

void ScriptRunner::AddInputActions() {
    m_actions["click"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 1, "click ID");
        Require(m_agent.Click(Control(args[0])));
    };
    m_actions["doubleclick"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 2, "doubleclick ID [ROW]");
        HWND control = Control(args[0]);
        if (args.size() == 1) {
            Require(m_agent.DoubleClick(control));
        } else {
            const int row = ToInt(args[1]);
            Require(IsListView(control, args[0]) ? m_agent.DoubleClickListViewRow(control, row)
                                                 : m_agent.DoubleClickListBoxRow(control, row));
        }
    };
    m_actions["rightclick"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 2, "rightclick ID [ROW]");
        HWND control = Control(args[0]);
        Require(args.size() == 1 ? m_agent.RightClick(control)
                                 : m_agent.RightClickListViewRow(control, ToInt(args[1])));
    };
    m_actions["type"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 2, 2, "type ID TEXT");
        Require(m_agent.Type(Control(args[0]), args[1]));
    };
    m_actions["append"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 2, 2, "append ID TEXT");
        Require(m_agent.Type(Control(args[0]), args[1], winport::TypeMode::Append));
    };
    m_actions["key"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 2, "key NAME [shift|ctrl]");
        Require(m_agent.PressKey(KeyNamed(args[0]), args.size() == 2 ? ModifierNamed(args[1])
                                                                     : winport::KeyModifier::None));
    };
    m_actions["keys"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 1, "keys TEXT");
        Require(m_agent.TypeKeys(args[0]));
    };
    m_actions["tick"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 1, "tick ID");
        Require(m_agent.Tick(Control(args[0]), winport::CheckState::Checked));
    };
    m_actions["untick"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 1, "untick ID");
        Require(m_agent.Tick(Control(args[0]), winport::CheckState::Unchecked));
    };
    m_actions["pick"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 2, 2, "pick ID TEXT");
        Require(m_agent.PickComboItem(Control(args[0]), args[1]));
    };
    m_actions["select"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 2, 2, "select ID PATH");
        Require(m_agent.SelectTreeItem(Control(args[0]), args[1]));
    };
    m_actions["spin"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 2, 3, "spin ID up|down [TIMES]");
        if (args[1] != "up" && args[1] != "down")
            throw ScriptError("usage: spin ID up|down [TIMES]");
        const auto arrow = args[1] == "up" ? winport::SpinArrow::Up : winport::SpinArrow::Down;
        const int times = args.size() == 3 ? ToInt(args[2]) : 1;
        for (int i = 0; i < times; ++i) Require(m_agent.PressSpinArrow(Control(args[0]), arrow));
    };
    m_actions["row"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 2, 2, "row ID N");
        HWND list = Control(args[0]);
        const int row = ToInt(args[1]);
        Require(IsListView(list, args[0]) ? m_agent.SelectListViewRow(list, row)
                                          : m_agent.SelectListBoxRow(list, row));
    };
}

}  // namespace nuvclient
