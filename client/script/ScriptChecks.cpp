// Script checks: what a person sees in the windows, and what the host was asked and stored.
#include <algorithm>
#include <fstream>

#include "client/script/ScriptRunner.h"
#include "client/script/ScriptSupport.h"
#include "client/store/DataFolder.h"
#include "platform/controls/ButtonKind.h"
#include "platform/controls/TabControlApi.h"
#include "platform/core/WinMessages.h"
#include "platform/message/MessageApi.h"
#include "platform/shell/Clipboard.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowApi.h"

namespace nuvclient {

namespace {

void Compare(const std::string& what, const std::string& expected, const std::string& found) {
    if (expected != found) {
        throw ScriptError(what + ": expected " + winport::QuoteText(expected) + ", found " +
                          winport::QuoteText(found));
    }
}

// Whether the check box or radio button |control| shows its tick; throws for other controls,
// which show none either way.
bool Ticked(HWND control, const std::string& id) {
    const winport::ButtonKind kind = winport::ButtonKindOf(control);
    if (kind != winport::ButtonKind::CheckBox && kind != winport::ButtonKind::Radio) {
        throw ScriptError("control " + id + " is not a check box");
    }
    return SendMessage(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// "expect NAME ID": control ID is in the state a person sees.
struct StateCheck {
    const char* name;
    const char* state;
    bool (*holds)(HWND control, const std::string& id);
};

const StateCheck kStateChecks[] = {
    {"enabled", "enabled", [](HWND c, const std::string&) { return IsWindowEnabled(c) != FALSE; }},
    {"disabled", "disabled", [](HWND c, const std::string&) { return !IsWindowEnabled(c); }},
    {"visible", "visible", [](HWND c, const std::string&) { return IsWindowVisible(c) != FALSE; }},
    {"hidden", "hidden", [](HWND c, const std::string&) { return !IsWindowVisible(c); }},
    {"checked", "checked", [](HWND c, const std::string& id) { return Ticked(c, id); }},
    {"unchecked", "unchecked", [](HWND c, const std::string& id) { return !Ticked(c, id); }},
    {"focus", "focused", [](HWND c, const std::string&) { return GetFocus() == c; }},
};

// A stored value as a script writes it: integers in decimal, bools as 0 or 1. |key| may name an
// element of a list: "MoreEmails[1]".
std::string StoredText(Store& store, std::uint32_t user, const std::string& key) {
    const size_t open = key.find('[');
    const std::optional<Value> stored = store.ReadKey(user, key.substr(0, open));
    if (!stored) return "(missing)";
    const Value* value = &*stored;
    if (open != std::string::npos) {
        if (key.back() != ']') throw ScriptError("usage: KEY or KEY[INDEX]");
        const int index = ToInt(key.substr(open + 1, key.size() - open - 2));
        if (value->Type() != ValueType::List) return "(not a list)";
        if (index < 0 || index >= static_cast<int>(value->Elements().size())) return "(missing)";
        value = &value->Elements()[index];
    }
    switch (value->Type()) {
        case ValueType::Text: return value->Text();
        case ValueType::List: return "(a list of " + std::to_string(value->Elements().size()) + ")";
        case ValueType::Record: return "(a record)";
        default: return std::to_string(value->Integer());
    }
}

std::string Joined(const std::vector<std::string>& words) {
    std::string joined;
    for (const std::string& word : words) {
        if (!joined.empty()) joined += ' ';
        joined += winport::QuoteText(word);
    }
    return joined;
}

}  // namespace

void ScriptRunner::AddChecks() {
    m_checks["text"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 2, 2, "expect text ID TEXT");
        Compare("text of " + args[0], args[1], winport::GetWindowTextUtf8(Control(args[0])));
    };
    m_checks["title"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 1, "expect title TEXT");
        Compare("title", args[0], winport::GetWindowTextUtf8(Current()));
    };
    for (const StateCheck& check : kStateChecks) {
        m_checks[check.name] = [this, check](const std::vector<std::string>& args) {
            RequireArgs(args, 1, 1, (std::string("expect ") + check.name + " ID").c_str());
            if (!check.holds(Control(args[0]), args[0])) {
                throw ScriptError("control " + args[0] + " is not " + check.state);
            }
        };
    }
    m_checks["tabs"] = [this](const std::vector<std::string>& args) {
        Compare("tabs", Joined(args), Joined(TabCaptions(TabControl())));
    };
    m_checks["tab"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 1, "expect tab CAPTION");
        HWND tab = TabControl();
        const int selected = static_cast<int>(SendMessage(tab, TCM_GETCURSEL, 0, 0));
        const std::vector<std::string> captions = TabCaptions(tab);
        Compare("selected tab", args[0],
                selected >= 0 && selected < static_cast<int>(captions.size()) ? captions[selected]
                                                                              : "");
    };
    m_checks["dialog"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 1, "expect dialog TEMPLATE");
        const std::vector<int>& run = m_agent.ModalDialogs();
        if (std::find(run.begin(), run.end(), ToInt(args[0])) == run.end()) {
            throw ScriptError("no modal dialog " + args[0] + " was shown");
        }
    };
    m_checks["rows"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 2, 2, "expect rows ID N");
        Compare("rows of " + args[0], args[1], std::to_string(RowCount(Control(args[0]))));
    };
    m_checks["row"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 3, 64, "expect row ID N TEXT...");
        const std::vector<std::string> cells(args.begin() + 2, args.end());
        Compare("row " + args[1] + " of " + args[0], Joined(cells),
                Joined(RowTexts(Control(args[0]), ToInt(args[1]), cells.size())));
    };
    m_checks["image"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 3, 3, "expect image ID ROW INDEX");
        Compare("image of row " + args[1] + " of " + args[0], args[2],
                std::to_string(RowImage(Control(args[0]), ToInt(args[1]))));
    };
    m_checks["clipboard"] = [](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 1, "expect clipboard TEXT");
        Compare("clipboard", args[0], winport::ClipboardText().value_or("(no text)"));
    };
    m_checks["closed"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 0, 0, "expect closed");
        if (!m_current) throw ScriptError("no window was opened");
        if (IsWindow(m_current)) throw ScriptError("the window is still open");
    };
    m_checks["box"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 2, "expect box TEXT [CAPTION]");
        if (m_agent.MessageBoxes().empty()) throw ScriptError("no message box was shown");
        const winport::MessageBoxRequest& box = m_agent.MessageBoxes().back().request;
        Compare("message box", args[0], box.text);
        if (args.size() == 2) Compare("message box caption", args[1], box.caption);
    };
    m_checks["boxes"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 1, "expect boxes N");
        Compare("message boxes shown", args[0], std::to_string(m_agent.MessageBoxes().size()));
    };
    m_checks["key"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 3, 3, "expect key USER KEY[INDEX] VALUE");
        Compare(
            "stored " + args[1] + " of " + args[0], args[2],
            StoredText(m_host.UserStore(), static_cast<std::uint32_t>(ToInt(args[0])), args[1]));
    };
    m_checks["file"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 2, 2, "expect file PATH LINE");
        const std::filesystem::path file = InDataFolder(args[0]);
        std::ifstream in(file, std::ios::binary);
        if (!in) throw ScriptError("no file " + file.string());
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line == args[1]) return;
        }
        throw ScriptError(file.string() + " has no line " + winport::QuoteText(args[1]));
    };
    m_checks["directory"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 3, 3, "expect directory USER KEY[INDEX] VALUE");
        const DirectoryPlace& place = m_host.Directory().Place();
        const std::unique_ptr<Store> directory = OpenDirectory(place.dataFolder, place.sampleData);
        Compare("published " + args[1] + " of " + args[0], args[2],
                StoredText(*directory, static_cast<std::uint32_t>(ToInt(args[0])), args[1]));
    };
    m_checks["event"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 2, "expect event WHAT [DETAIL]");
        const std::vector<HostEvent>& events = m_host.Application().Events();
        const bool found = std::any_of(events.begin(), events.end(), [&](const HostEvent& e) {
            return e.what == args[0] && (args.size() == 1 || e.detail == args[1]);
        });
        if (!found) throw ScriptError("the host was not asked: " + Joined(args));
    };
    m_checks["opened"] = [this](const std::vector<std::string>& args) {
        RequireArgs(args, 1, 1, "expect opened ADDRESS");
        const std::vector<std::string>& opened = m_host.Services().OpenedAddresses();
        if (std::find(opened.begin(), opened.end(), args[0]) == opened.end()) {
            throw ScriptError("the address was not opened: " + winport::QuoteText(args[0]));
        }
    };
}

}  // namespace nuvclient
