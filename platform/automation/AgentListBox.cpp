// The agent's list box verbs: a person scrolls a row into sight, then clicks or double-clicks it.
#include <optional>
#include <string>

#include "platform/automation/Agent.h"
#include "platform/controls/ListBoxApi.h"
#include "platform/controls/ListBoxState.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

enum class Clicks { Single, Double };

// Scrolls |row| into sight and answers the point to click; nullopt, with |why| set, when the
// window is no list box or has no such row. |name| names the list in |why|.
std::optional<POINT> ShowRow(HWND listBox, const std::string& name, int row, std::string& why) {
    const std::optional<ListBoxState> state = GetListBoxState(listBox);
    if (!state) {
        why = name + " is not a list box";
        return std::nullopt;
    }
    if (row < 0 || row >= static_cast<int>(state->items.size())) {
        why = name + " has no row " + std::to_string(row);
        return std::nullopt;
    }
    if (row < state->topIndex || row >= state->topIndex + state->visibleRows) {
        SendMessage(listBox, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    }
    RECT rect{};
    SendMessage(listBox, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void PostRowClick(HWND listBox, POINT point, Clicks clicks) {
    const LPARAM at = MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
    PostMessage(listBox, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessage(listBox, WM_LBUTTONUP, 0, at);
    if (clicks == Clicks::Single) return;
    PostMessage(listBox, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessage(listBox, WM_LBUTTONUP, 0, at);
}

}  // namespace

bool Agent::SelectListBoxRow(HWND listBox, int row) {
    if (!CanReach(listBox)) return false;
    std::string why;
    const std::optional<POINT> point = ShowRow(listBox, ControlName(listBox), row, why);
    if (!point) return Fail(why);
    PostRowClick(listBox, *point, Clicks::Single);
    PumpMessages();
    return true;
}

bool Agent::DoubleClickListBoxRow(HWND listBox, int row) {
    if (!CanReach(listBox)) return false;
    std::string why;
    const std::optional<POINT> point = ShowRow(listBox, ControlName(listBox), row, why);
    if (!point) return Fail(why);
    PostRowClick(listBox, *point, Clicks::Double);
    PumpMessages();
    return true;
}

}  // namespace winport
