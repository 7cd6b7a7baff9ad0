// The Save As common dialog: the question goes to the shell UI while the owner is disabled.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/core/WinTypes.h"
#include "platform/shell/ShellUi.h"

inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x0002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x0004;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x0800;

namespace winport {

// Asks the shell UI for the path to save under (the flags travel with the request, for the UI
// to honour), the owner's top-level window disabled meanwhile. A chosen name without an
// extension gets the default one, as the common dialog appends lpstrDefExt. Nothing when the
// person cancels (last error ERROR_SUCCESS) or the owner is not a window
// (ERROR_INVALID_WINDOW_HANDLE).
std::optional<std::string> ShowSaveAsDialog(const SaveAsRequest& request);

// |path| with "." and |extension| (given with or without its dot) appended when the file name
// has no extension of its own.
std::string WithDefaultExtension(std::string path, std::string_view extension);

}  // namespace winport
