#include "platform/window/DispatchScope.h"

#include <vector>

#include "platform/window/Window.h"

namespace winport {
namespace {

struct ThreadDispatch {
    int depth = 0;
    std::vector<std::unique_ptr<Window>> graveyard;
};

ThreadDispatch& Current() {
    thread_local ThreadDispatch dispatch;
    return dispatch;
}

}  // namespace

DispatchScope::DispatchScope() {
    ++Current().depth;
}

DispatchScope::~DispatchScope() {
    ThreadDispatch& dispatch = Current();
    if (--dispatch.depth == 0 && !dispatch.graveyard.empty()) {
        // Freeing a window may run destructors that send messages; take the list first.
        auto buried = std::move(dispatch.graveyard);
        dispatch.graveyard.clear();
    }
}

void BuryWindow(std::unique_ptr<Window> window) {
    ThreadDispatch& dispatch = Current();
    if (dispatch.depth == 0) return;  // |window| is freed as it leaves scope.
    dispatch.graveyard.push_back(std::move(window));
}

}  // namespace winport
