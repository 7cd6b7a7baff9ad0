#include "platform/shell/ShellUiOwner.h"

#include <string>

#include "platform/core/LastError.h"
#include "platform/shell/MenuStore.h"
#include "platform/window/WindowApi.h"

namespace winport {

bool CheckShellUiOwner(HWND owner, OwnerRequired required, std::string_view function) {
    if (owner ? IsWindow(owner) : required == OwnerRequired::No) return true;
    SetLastErrorText(ERROR_INVALID_WINDOW_HANDLE,
                     std::string(function) + ": owner " + HandleText(owner) + " is not a window");
    return false;
}

ScopedDisabledOwner::ScopedDisabledOwner(HWND owner) {
    const HWND root = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    if (!root || !IsWindowEnabled(root)) return;
    EnableWindow(root, FALSE);
    m_disabled = root;
}

ScopedDisabledOwner::~ScopedDisabledOwner() {
    if (m_disabled && IsWindow(m_disabled)) EnableWindow(m_disabled, TRUE);
}

}  // namespace winport
