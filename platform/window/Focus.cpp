#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowDispatch.h"
#include "platform/window/WindowTree.h"

namespace {

struct ThreadFocus {
    HWND focus = nullptr;
    HWND active = nullptr;
};

ThreadFocus& Current() {
    thread_local ThreadFocus state;
    return state;
}

bool Contains(const winport::Window& root, HWND hwnd) {
    if (root.handle == hwnd) return true;
    return IsChild(root.handle, hwnd) != FALSE;
}

enum class PlaceFocus { No, Yes };

// Brings |root| (null: none) to the front; the window going to the background hears of it first,
// while it still has the focus. Returns the window that was active.
HWND Activate(HWND root, PlaceFocus placeFocus) {
    ThreadFocus& state = Current();
    const HWND previous = GetActiveWindow();
    if (root == previous) return previous;
    if (previous) {
        SendMessage(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(root));
    }
    state.active = root && IsWindow(root) ? root : nullptr;
    if (!state.active) return previous;
    SendMessage(root, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
    // A window that did not place the focus inside itself on activation takes it itself.
    if (placeFocus == PlaceFocus::Yes && GetActiveWindow() == root) {
        const HWND focus = GetFocus();
        if (!focus || GetAncestor(focus, GA_ROOT) != root) SetFocus(root);
    }
    return previous;
}

}  // namespace

void winport::DropFocusWithin(const Window& window) {
    ThreadFocus& state = Current();
    if (state.focus && Contains(window, state.focus)) state.focus = nullptr;
    if (state.active && Contains(window, state.active)) state.active = nullptr;
}

HWND SetFocus(HWND hwnd) {
    ThreadFocus& state = Current();
    if (hwnd && !winport::RequireWindowObject(hwnd, "SetFocus")) return nullptr;
    if (state.focus == hwnd) return hwnd;
    // The focus brings its top-level window to the front first.
    if (const HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
        root && root != GetActiveWindow()) {
        Activate(root, PlaceFocus::No);
        if (!IsWindow(hwnd) || GetActiveWindow() != root) return nullptr;
    }
    const HWND previous = state.focus;
    if (previous == hwnd) return previous;
    // As Windows does, the focus has already moved when the losing window hears of it.
    state.focus = hwnd;
    if (previous && IsWindow(previous))
        SendMessage(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (state.focus != hwnd || !hwnd || !IsWindow(hwnd)) return previous;
    SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND GetFocus() {
    ThreadFocus& state = Current();
    if (state.focus && !IsWindow(state.focus)) state.focus = nullptr;
    return state.focus;
}

HWND GetActiveWindow() {
    ThreadFocus& state = Current();
    if (state.active && !IsWindow(state.active)) state.active = nullptr;
    return state.active;
}

void winport::BringToFront(HWND root) {
    Activate(root, PlaceFocus::No);
}

HWND SetActiveWindow(HWND hwnd) {
    if (hwnd && !winport::RequireWindowObject(hwnd, "SetActiveWindow")) return nullptr;
    return Activate(hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr, PlaceFocus::Yes);
}

BOOL SetForegroundWindow(HWND hwnd) {
    if (!winport::RequireWindowObject(hwnd, "SetForegroundWindow")) return FALSE;
    SetActiveWindow(hwnd);
    return BringWindowToTop(hwnd);
}

BOOL BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
