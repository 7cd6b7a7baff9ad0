// The owner of a question the shell UI asks: disabled while the question is up, as Windows
// disables the owner of a modal box, and enabled again afterwards.
#pragma once

#include <string_view>

#include "platform/core/WinTypes.h"

namespace winport {

enum class OwnerRequired { No, Yes };

// True when |owner| is a live window, or null where no owner is required; otherwise false with
// ERROR_INVALID_WINDOW_HANDLE naming |function|.
bool CheckShellUiOwner(HWND owner, OwnerRequired required, std::string_view function);

class ScopedDisabledOwner {
public:
    // Disables the top-level window of |owner| (null: none) unless it is disabled already.
    explicit ScopedDisabledOwner(HWND owner);
    // Enables it again if this disabled it and it still exists.
    ~ScopedDisabledOwner();
    ScopedDisabledOwner(const ScopedDisabledOwner&) = delete;
    ScopedDisabledOwner& operator=(const ScopedDisabledOwner&) = delete;

private:
    HWND m_disabled = nullptr;
};

}  // namespace winport
