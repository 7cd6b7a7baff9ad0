#include "platform/window/WindowTree.h"

#include <algorithm>

namespace winport {
namespace {

auto Position(std::vector<std::unique_ptr<Window>>& list, const Window* window) {
    return std::find_if(list.begin(), list.end(),
                        [window](const auto& entry) { return entry.get() == window; });
}

}  // namespace

WindowTree& WindowTree::Instance() {
    static WindowTree tree;
    return tree;
}

std::vector<std::unique_ptr<Window>>& WindowTree::SiblingsOf(Window* window) {
    return window->parent ? window->parent->children : m_topLevels;
}

Window* WindowTree::Link(std::unique_ptr<Window> window) {
    Window* raw = window.get();
    if (raw->parent) {
        raw->parent->children.push_back(std::move(window));
    } else {
        std::lock_guard lock(m_mutex);
        m_topLevels.insert(m_topLevels.begin(), std::move(window));
    }
    return raw;
}

std::unique_ptr<Window> WindowTree::Unlink(Window* window) {
    std::unique_lock lock(m_mutex, std::defer_lock);
    if (!window->parent) lock.lock();
    auto& siblings = SiblingsOf(window);
    const auto found = Position(siblings, window);
    if (found == siblings.end()) return nullptr;
    std::unique_ptr<Window> owned = std::move(*found);
    siblings.erase(found);
    return owned;
}

void WindowTree::BringToTop(Window* window) {
    std::unique_lock lock(m_mutex, std::defer_lock);
    if (!window->parent) lock.lock();
    auto& siblings = SiblingsOf(window);
    const auto found = Position(siblings, window);
    if (found != siblings.end()) std::rotate(siblings.begin(), found, found + 1);
}

void WindowTree::SendToBottom(Window* window) {
    std::unique_lock lock(m_mutex, std::defer_lock);
    if (!window->parent) lock.lock();
    auto& siblings = SiblingsOf(window);
    const auto found = Position(siblings, window);
    if (found != siblings.end()) std::rotate(found, found + 1, siblings.end());
}

std::vector<Window*> WindowTree::TopLevels() {
    std::lock_guard lock(m_mutex);
    std::vector<Window*> result;
    result.reserve(m_topLevels.size());
    for (const auto& window : m_topLevels) result.push_back(window.get());
    return result;
}

}  // namespace winport
