#include <strings.h>
#include <algorithm>
#include <cstring>

#include "platform/core/LastError.h"
#include "platform/window/HandleTable.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowTree.h"

using winport::RequireWindowObject;
using winport::Window;

namespace {

HWND HandleOf(const Window* window) {
    return window ? window->handle : nullptr;
}

std::vector<Window*> SiblingsOf(const Window& window) {
    if (!window.parent) return winport::WindowTree::Instance().TopLevels();
    std::vector<Window*> siblings;
    for (const auto& child : window.parent->children) siblings.push_back(child.get());
    return siblings;
}

}  // namespace

HWND GetParent(HWND hwnd) {
    const Window* window = RequireWindowObject(hwnd, "GetParent");
    if (!window) return nullptr;
    // A popup's "parent" is its owner.
    return HandleOf(window->parent ? window->parent : window->owner);
}

HWND SetParent(HWND child, HWND newParent) {
    Window* window = RequireWindowObject(child, "SetParent");
    Window* parent = newParent ? RequireWindowObject(newParent, "SetParent") : nullptr;
    if (!window || (newParent && !parent)) return nullptr;
    for (const Window* up = parent; up; up = up->parent) {
        if (up == window) {
            winport::SetLastErrorText(ERROR_INVALID_PARAMETER,
                                      "SetParent: a window cannot become its own descendant");
            return nullptr;
        }
    }
    Window* oldParent = window->parent;
    auto& tree = winport::WindowTree::Instance();
    std::unique_ptr<Window> owned = tree.Unlink(window);
    window->parent = parent;
    tree.Link(std::move(owned));
    return HandleOf(oldParent);
}

BOOL IsChild(HWND parent, HWND hwnd) {
    const Window* window = winport::FindWindowObject(hwnd);
    if (!window || !parent) return FALSE;
    for (window = window->parent; window; window = window->parent) {
        if (window->handle == parent) return TRUE;
    }
    return FALSE;
}

HWND GetWindow(HWND hwnd, UINT relation) {
    const Window* window = RequireWindowObject(hwnd, "GetWindow");
    if (!window) return nullptr;
    if (relation == GW_CHILD) {
        return window->children.empty() ? nullptr : window->children.front()->handle;
    }
    if (relation == GW_OWNER) return HandleOf(window->owner);
    const std::vector<Window*> siblings = SiblingsOf(*window);
    const auto self = std::find(siblings.begin(), siblings.end(), window);
    switch (relation) {
        case GW_HWNDFIRST: return HandleOf(siblings.front());
        case GW_HWNDLAST: return HandleOf(siblings.back());
        case GW_HWNDNEXT: return self + 1 < siblings.end() ? (*(self + 1))->handle : nullptr;
        case GW_HWNDPREV: return self > siblings.begin() ? (*(self - 1))->handle : nullptr;
        default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    if (!hwnd) {
        const std::vector<Window*> top = winport::WindowTree::Instance().TopLevels();
        return top.empty() ? nullptr : top.front()->handle;
    }
    return GetWindow(hwnd, GW_CHILD);
}

HWND GetDlgItem(HWND dialog, int id) {
    const Window* window = RequireWindowObject(dialog, "GetDlgItem");
    if (!window) return nullptr;
    for (const auto& child : window->children) {
        if (child->id == id) return child->handle;
    }
    winport::SetLastErrorText(ERROR_INVALID_WINDOW_HANDLE,
                              "GetDlgItem: no control with id " + std::to_string(id));
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    const Window* window = RequireWindowObject(hwnd, "GetDlgCtrlID");
    return window ? window->id : 0;
}

HWND FindWindow(const char* className, const char* windowName) {
    for (const Window* window : winport::WindowTree::Instance().TopLevels()) {
        if (window->destroying) continue;
        if (className && strcasecmp(className, window->className.c_str()) != 0) continue;
        if (windowName && window->text != windowName) continue;
        return window->handle;
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    const Window* window = RequireWindowObject(hwnd, "GetAncestor");
    if (!window) return nullptr;
    if (flags == GA_PARENT) return HandleOf(window->parent);
    while (window->parent) window = window->parent;
    return window->handle;
}

std::vector<HWND> winport::ChildWindows(HWND parent) {
    std::vector<HWND> result;
    if (const Window* window = FindWindowObject(parent)) {
        result.reserve(window->children.size());
        for (const auto& child : window->children) result.push_back(child->handle);
    }
    return result;
}

std::vector<HWND> winport::TopLevelWindows() {
    std::vector<HWND> result;
    for (const Window* window : WindowTree::Instance().TopLevels())
        result.push_back(window->handle);
    return result;
}
