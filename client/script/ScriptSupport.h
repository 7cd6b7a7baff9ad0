// What the script actions and checks share: their failure, argument reading and window texts.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/core/WinTypes.h"

namespace nuvclient {

// An action that could not be done or a check that failed; the text says what and why.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A whole decimal number; throws ScriptError otherwise.
int ToInt(const std::string& word);
// Throws ScriptError unless |args| has between |least| and |most| words.
void RequireArgs(const std::vector<std::string>& args, size_t least, size_t most,
                 const char* usage);
// The key a script names (enter, escape, tab, up, ...); throws ScriptError for any other name.
UINT KeyNamed(std::string name);

// The control with |id| inside |root|: a visible one before a hidden one, and among those the
// innermost (a page's own button before the dialog's button with the same id). Throws
// ScriptError when there is none.
HWND FindControl(HWND root, const std::string& id);
// The texts of row |row| of a list view (one per column asked for: |cells|) or of a list box.
std::vector<std::string> RowTexts(HWND list, int row, size_t cells);
// The image index of a list view row; -1 for none.
int RowImage(HWND list, int row);
// The rows of a list view or a list box.
int RowCount(HWND list);

// The captions of a tab control's tabs, in order.
std::vector<std::string> TabCaptions(HWND tab);

}  // namespace nuvclient
