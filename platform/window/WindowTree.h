// The process's window tree: top-level windows in z-order and the links between windows.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "platform/window/Window.h"

namespace winport {

class WindowTree {
public:
    static WindowTree& Instance();

    // Links a new window at the top (top-level) or after its last sibling (child).
    Window* Link(std::unique_ptr<Window> window);
    // Unlinks a window and hands back its ownership.
    std::unique_ptr<Window> Unlink(Window* window);
    // Moves a window to the top of its siblings (or of the top-level windows).
    void BringToTop(Window* window);
    void SendToBottom(Window* window);
    std::vector<Window*> TopLevels();

private:
    std::vector<std::unique_ptr<Window>>& SiblingsOf(Window* window);

    std::mutex m_mutex;  // Guards m_topLevels; child lists belong to their window's thread.
    std::vector<std::unique_ptr<Window>> m_topLevels;
};

}  // namespace winport
