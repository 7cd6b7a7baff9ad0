#include "platform/shell/SaveAsDialog.h"

#include "platform/core/LastError.h"
#include "platform/shell/ShellUiOwner.h"

namespace winport {

std::optional<std::string> ShowSaveAsDialog(const SaveAsRequest& request) {
    if (!CheckShellUiOwner(request.owner, OwnerRequired::No, "ShowSaveAsDialog")) {
        return std::nullopt;
    }
    std::optional<std::string> chosen;
    {
        const ScopedDisabledOwner disabled(request.owner);
        chosen = GetShellUi().ShowSaveAs(request);
    }
    if (!chosen || chosen->empty()) {
        SetLastError(ERROR_SUCCESS);
        return std::nullopt;
    }
    return WithDefaultExtension(std::move(*chosen), request.defaultExtension);
}

std::string WithDefaultExtension(std::string path, std::string_view extension) {
    if (extension.starts_with('.')) extension.remove_prefix(1);
    const std::size_t nameStart = path.find_last_of('/') + 1;  // npos + 1 is 0.
    if (extension.empty() || path.find('.', nameStart) != std::string::npos) return path;
    path += '.';
    path += extension;
    return path;
}

}  // namespace winport
