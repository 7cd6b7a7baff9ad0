// The agent's combo box verbs: a person opens the list with the button (anywhere on a drop-down
// list), scrolls the entry into sight and clicks it, or types into the edit.
#include <optional>
#include <string>

#include "platform/automation/Agent.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ComboBoxState.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

POINT Center(const RECT& rect) {
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void PostClick(HWND hwnd, POINT point) {
    const LPARAM at = MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
    PostMessage(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessage(hwnd, WM_LBUTTONUP, 0, at);
}

// Where a person clicks to open or close the list.
POINT OpenerPoint(HWND combo, const ComboBoxState& state) {
    if (state.kind != ComboKind::DropDownList) return Center(state.buttonRect);
    RECT client;
    GetClientRect(combo, &client);
    return Center(client);
}

}  // namespace

bool Agent::OpenDropDown(HWND combo) {
    if (!CanReach(combo)) return false;
    const std::optional<ComboBoxState> state = GetComboBoxState(combo);
    if (!state) return Fail(ControlName(combo) + " is not a combo box");
    if (state->kind == ComboKind::Simple)
        return Fail(ControlName(combo) + " has no drop-down list");
    if (state->dropped) return true;
    PostClick(combo, OpenerPoint(combo, *state));
    PumpMessages();
    return true;
}

bool Agent::CloseDropDown(HWND combo) {
    if (!CanReach(combo)) return false;
    const std::optional<ComboBoxState> state = GetComboBoxState(combo);
    if (!state) return Fail(ControlName(combo) + " is not a combo box");
    if (!state->dropped) return true;
    // A click on the button puts the list away without a pick.
    PostClick(combo, OpenerPoint(combo, *state));
    PumpMessages();
    return true;
}

bool Agent::PickComboItem(HWND combo, std::string_view text) {
    if (!CanReach(combo)) return false;
    if (!GetComboBoxState(combo)) return Fail(ControlName(combo) + " is not a combo box");
    const std::string wanted(text);
    const LRESULT index = SendMessage(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(wanted.c_str()));
    if (index == CB_ERR) return Fail(ControlName(combo) + " has no item \"" + wanted + "\"");
    return PickComboItem(combo, static_cast<int>(index));
}

bool Agent::PickComboItem(HWND combo, int index) {
    if (!CanReach(combo)) return false;
    std::optional<ComboBoxState> state = GetComboBoxState(combo);
    if (!state) return Fail(ControlName(combo) + " is not a combo box");
    const std::string name = ControlName(combo);
    if (state->kind != ComboKind::Simple && !state->dropped) {
        if (!OpenDropDown(combo)) return false;
        state = GetComboBoxState(combo);
        if (!state) return Fail(name + " went away when its list opened");
        if (!state->dropped) return Fail(name + " did not open its list");
    }
    // The parent may have filled the list as it opened.
    if (index < 0 || index >= static_cast<int>(state->items.size())) {
        return Fail(name + " has no item " + std::to_string(index));
    }
    if (index < state->topIndex || index >= state->topIndex + state->visibleRows) {
        // A person scrolls the list until the item shows; scrolling tells nobody.
        SendMessage(combo, CB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        state = GetComboBoxState(combo);
    }
    const RECT& list = state->listRect;
    const int rowTop = static_cast<int>(list.top) + (index - state->topIndex) * state->itemHeight;
    PostClick(combo, POINT{(list.left + list.right) / 2, rowTop + state->itemHeight / 2});
    PumpMessages();
    return true;
}

bool Agent::TypeInCombo(HWND combo, std::string_view text, TypeMode mode) {
    if (!CanReach(combo)) return false;
    const std::optional<ComboBoxState> state = GetComboBoxState(combo);
    if (!state) return Fail(ControlName(combo) + " is not a combo box");
    if (!state->edit) return Fail(ControlName(combo) + " is a drop-down list: it has no edit");
    return Type(state->edit, text, mode);
}

}  // namespace winport
