// Keeps destroyed windows in memory while any message is being handled on the thread, so that
// code still running inside a handler never touches freed memory.
#pragma once

#include <memory>

namespace winport {

struct Window;

class DispatchScope {
public:
    DispatchScope();
    ~DispatchScope();
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;
};

// Frees the window now, or when the outermost DispatchScope of the thread ends.
void BuryWindow(std::unique_ptr<Window> window);

}  // namespace winport
