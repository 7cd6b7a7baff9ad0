#include "tests/soak/Monkey.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ListBoxApi.h"
#include "platform/controls/ListViewApi.h"
#include "platform/controls/RichEditApi.h"
#include "platform/controls/TabControlApi.h"
#include "platform/controls/UpDownApi.h"
#include "platform/message/MessageApi.h"
#include "platform/shell/MenuApi.h"
#include "platform/shell/MessageBox.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace nuvsoak {
namespace {

// Texts people type, from the empty one to long mixed scripts and what readers trip over.
constexpr std::array<std::string_view, 10> kTexts = {
    "",
    "Lodie",
    "  blanks at both ends  ",
    "ул. Тверская, д. 7; кв. 12",
    "山田 太郎 \xF0\x9F\x98\x80",
    "someone@example.org",
    "+33 (0)1 23 45 67 89",
    "http://example.org/a?b=c&d=e",
    "back\\slash;semi,comma:colon=equals",
    "1999",
};

constexpr std::array<UINT, 12> kKeys = {VK_TAB,  VK_RETURN, VK_ESCAPE, VK_SPACE,
                                        VK_UP,   VK_DOWN,   VK_LEFT,   VK_RIGHT,
                                        VK_HOME, VK_END,    VK_DELETE, VK_BACK};

// |window|'s visible, enabled descendants, depth first.
void CollectControls(HWND window, std::vector<HWND>& controls) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child) || !IsWindowEnabled(child)) continue;
        controls.push_back(child);
        CollectControls(child, controls);
    }
}

// The enabled command ids of |items| and their submenus.
void CollectCommands(const std::vector<winport::MenuItemSnapshot>& items, std::vector<UINT>& ids) {
    for (const winport::MenuItemSnapshot& item : items) {
        if (item.flags & (MF_GRAYED | MF_DISABLED)) continue;
        if (item.id != 0) ids.push_back(item.id);
        CollectCommands(item.submenu, ids);
    }
}

}  // namespace

Monkey::Monkey(std::uint32_t seed, std::filesystem::path saveFolder)
    : m_previous(winport::SetShellUi(this)), m_random(seed), m_saveFolder(std::move(saveFolder)) {}

Monkey::~Monkey() {
    winport::SetShellUi(m_previous);
}

int Monkey::Draw(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

std::string Monkey::RandomText() {
    std::string text(kTexts[static_cast<std::size_t>(Draw(0, kTexts.size() - 1))]);
    if (Draw(0, 9) == 0) text.append(static_cast<std::size_t>(Draw(100, 400)), 'x');
    return text;
}

void Monkey::Play(HWND window, int count) {
    // A modal dialog that has ended is hidden until its loop returns: the person's next input
    // goes to the window below once it has, not from inside the loop.
    for (int i = 0; i < count && IsWindow(window) && IsWindowVisible(window); ++i) Act(window);
}

void Monkey::Act(HWND window) {
    ++m_counts.actions;
    std::vector<HWND> controls;
    CollectControls(window, controls);
    if (controls.empty() || Draw(0, 9) == 0) {
        m_agent.PressKey(kKeys[static_cast<std::size_t>(Draw(0, kKeys.size() - 1))]);
        return;
    }
    const HWND control = controls[static_cast<std::size_t>(Draw(0, controls.size() - 1))];
    const std::string kind = winport::GetClassNameOf(control);
    const auto pick = [&](UINT countMessage) {
        const auto items = static_cast<int>(SendMessage(control, countMessage, 0, 0));
        return items > 0 ? Draw(0, items - 1) : -1;
    };
    if (kind == "Edit" || kind == RICHEDIT_CLASS || kind == MSFTEDIT_CLASS) {
        m_agent.Type(control, RandomText(),
                     Draw(0, 1) ? winport::TypeMode::Replace : winport::TypeMode::Append);
    } else if (kind == kComboBoxClassName) {
        if (const int item = pick(CB_GETCOUNT); item >= 0 && Draw(0, 2) != 0)
            m_agent.PickComboItem(control, item);
        else
            m_agent.TypeInCombo(control, RandomText());
    } else if (kind == "ListBox") {
        if (const int row = pick(LB_GETCOUNT); row >= 0) {
            if (Draw(0, 3) == 0)
                m_agent.DoubleClickListBoxRow(control, row);
            else
                m_agent.SelectListBoxRow(control, row);
        }
    } else if (kind == WC_LISTVIEW) {
        if (const int row = pick(LVM_GETITEMCOUNT); row >= 0) {
            switch (Draw(0, 3)) {
                case 0: m_agent.DoubleClickListViewRow(control, row); break;
                case 1: m_agent.RightClickListViewRow(control, row); break;
                case 2: m_agent.PressKeyInListView(control, VK_DELETE); break;
                default: m_agent.SelectListViewRow(control, row);
            }
        }
    } else if (kind == WC_TABCONTROL) {
        if (const int tab = pick(TCM_GETITEMCOUNT); tab >= 0) m_agent.SelectTab(control, tab);
    } else if (kind == UPDOWN_CLASS) {
        m_agent.PressSpinArrow(control,
                               Draw(0, 1) ? winport::SpinArrow::Up : winport::SpinArrow::Down);
    } else if (Draw(0, 5) == 0) {
        m_agent.RightClick(control);
    } else {
        m_agent.Click(control);
    }
}

int Monkey::ShowMessageBox(const winport::MessageBoxRequest& request) {
    ++m_counts.messageBoxes;
    const std::vector<int> buttons = winport::MessageBoxButtons(request.style);
    if (buttons.empty()) return HeadlessShellUi::ShowMessageBox(request);
    return buttons[static_cast<std::size_t>(Draw(0, buttons.size() - 1))];
}

std::optional<std::string> Monkey::ShowSaveAs(const winport::SaveAsRequest& request) {
    ++m_counts.saveAs;
    if (Draw(0, 1) == 0) return std::nullopt;
    return (m_saveFolder / (request.fileName.empty() ? "card.vcf" : request.fileName)).string();
}

UINT Monkey::ShowPopupMenu(const winport::PopupMenuRequest& request) {
    ++m_counts.menus;
    std::vector<UINT> commands;
    CollectCommands(request.items, commands);
    if (commands.empty() || Draw(0, 3) == 0) return 0;
    return commands[static_cast<std::size_t>(Draw(0, commands.size() - 1))];
}

void Monkey::ModalDialogStarted(HWND dialog, int) {
    ++m_counts.dialogs;
    // A dialog opened from a dialog opened from a dialog is left to be cancelled.
    if (m_depth >= 2) return;
    ++m_depth;
    Play(dialog, Draw(0, 12));
    --m_depth;
}

}  // namespace nuvsoak
