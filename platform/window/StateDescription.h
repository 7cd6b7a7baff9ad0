// A class procedure that can say what a person sees of its window beyond the text and the
// common styles: a check mark, a selection, the items of a list. The dump prints it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/core/WinTypes.h"

namespace winport {

class DescribesState {
public:
    virtual ~DescribesState() = default;
    // Short "name=value" or "flag" entries, in a fixed order.
    virtual std::vector<std::string> DescribeState(HWND hwnd) const = 0;
    // The text as a person sees it (a password edit shows its mask), when it differs.
    virtual std::string VisibleText(HWND hwnd, const std::string& text) const {
        (void)hwnd;
        return text;
    }
};

// |text| in double quotes, with quotes, backslashes and control characters escaped, as the
// dump shows texts.
std::string QuoteText(std::string_view text);

// The state-describing class procedure of |hwnd|, if its class has one.
const DescribesState* FindStateDescription(HWND hwnd);

}  // namespace winport
