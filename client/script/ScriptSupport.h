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

// The captions of a tab control's tabs, in order.
std::vector<std::string> TabCaptions(HWND tab);

}  // namespace nuvclient
