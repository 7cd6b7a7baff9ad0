// What an edit control holds besides its text (which GetWindowText reads), for the window dump
// and the view.
#pragma once

#include <cstddef>
#include <optional>

#include "platform/core/WinTypes.h"

namespace winport {

// The limit of an edit nobody has limited, in characters.
inline constexpr std::size_t kDefaultEditLimit = 30000;

struct EditState {
    // In code points, ordered: selectionStart <= selectionEnd. An empty selection is the caret.
    std::size_t selectionStart = 0;
    std::size_t selectionEnd = 0;
    std::size_t caret = 0;      // The moving end of the selection: one of its two ends.
    char32_t passwordChar = 0;  // 0 when the text shows as it is.
    std::size_t limit = 0;      // In characters.
    bool modified = false;
    bool readOnly = false;
    bool multiline = false;
    bool focused = false;
    bool selectionVisible = false;  // While focused, or always with ES_NOHIDESEL.

    friend bool operator==(const EditState&, const EditState&) = default;
};

// The state of |edit|, read on the window's own thread; nullopt with the last error set when
// |edit| is not a window of the Edit class.
std::optional<EditState> GetEditState(HWND edit);

}  // namespace winport
