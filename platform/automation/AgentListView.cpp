// The list view verbs: a person scrolls the row into view and clicks it, double-clicks it,
// right-clicks it, or focuses the list and presses a key.
#include "platform/automation/Agent.h"
#include "platform/controls/ListViewApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

// Scrolls |row| into view and finds the middle of the part of it a click selects; answers why
// a person cannot click the row, or nothing. |name| names the list in the answer.
std::string FindRowPoint(HWND listView, const std::string& name, int row, LPARAM& point) {
    if (GetClassNameOf(listView) != WC_LISTVIEW) return name + " is not a list view";
    const auto count = static_cast<int>(SendMessage(listView, LVM_GETITEMCOUNT, 0, 0));
    if (row < 0 || row >= count) {
        return name + " has no row " + std::to_string(row) + " (" + std::to_string(count) +
               " rows)";
    }
    const std::string unclickable =
        name + " row " + std::to_string(row) + " has no visible part to click";
    SendMessage(listView, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT rect;
    rect.left = LVIR_SELECTBOUNDS;
    if (!SendMessage(listView, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&rect)) ||
        rect.right <= rect.left) {
        return unclickable;
    }
    RECT client;
    GetClientRect(listView, &client);
    const LONG x = (rect.left + rect.right) / 2;
    const LONG y = (rect.top + rect.bottom) / 2;
    if (x < client.left || x >= client.right || y < client.top || y >= client.bottom) {
        return unclickable;
    }
    point = MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
    return {};
}

void PostButton(HWND hwnd, UINT down, UINT up, WPARAM button, LPARAM point) {
    PostMessage(hwnd, down, button, point);
    PostMessage(hwnd, up, 0, point);
}

}  // namespace

bool Agent::SelectListViewRow(HWND listView, int row) {
    LPARAM point = 0;
    if (!CanReach(listView)) return false;
    if (std::string problem = FindRowPoint(listView, ControlName(listView), row, point);
        !problem.empty()) {
        return Fail(std::move(problem));
    }
    PostButton(listView, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, point);
    PumpMessages();
    // The parent may refuse the change (LVN_ITEMCHANGING); the row then stays unselected.
    if (IsWindow(listView) &&
        !SendMessage(listView, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED)) {
        return Fail(ControlName(listView) + " row " + std::to_string(row) + " was not selected");
    }
    return true;
}

bool Agent::DoubleClickListViewRow(HWND listView, int row) {
    LPARAM point = 0;
    if (!CanReach(listView)) return false;
    if (std::string problem = FindRowPoint(listView, ControlName(listView), row, point);
        !problem.empty()) {
        return Fail(std::move(problem));
    }
    PostButton(listView, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, point);
    PostButton(listView, WM_LBUTTONDBLCLK, WM_LBUTTONUP, MK_LBUTTON, point);
    PumpMessages();
    return true;
}

bool Agent::RightClickListViewRow(HWND listView, int row) {
    LPARAM point = 0;
    if (!CanReach(listView)) return false;
    if (std::string problem = FindRowPoint(listView, ControlName(listView), row, point);
        !problem.empty()) {
        return Fail(std::move(problem));
    }
    PostButton(listView, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, point);
    PumpMessages();
    return true;
}

bool Agent::PressKeyInListView(HWND listView, UINT virtualKey) {
    if (!CanReach(listView)) return false;
    if (GetFocus() != listView) SetFocus(listView);
    if (GetFocus() != listView) return Fail(ControlName(listView) + " does not take the focus");
    return PressKey(virtualKey);
}

}  // namespace winport
