#include "platform/automation/WindowDump.h"

#include <vector>

#include "platform/core/WinStyles.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

std::vector<std::string> CommonFlags(HWND hwnd) {
    const auto style = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
    std::vector<std::string> flags;
    if (!(style & WS_VISIBLE)) flags.emplace_back("hidden");
    if (style & WS_DISABLED) flags.emplace_back("disabled");
    if (GetFocus() == hwnd) flags.emplace_back("focus");
    // On a top-level window the same bit is WS_MAXIMIZEBOX.
    if ((style & WS_CHILD) && (style & WS_TABSTOP)) flags.emplace_back("tabstop");
    return flags;
}

void DumpWindow(HWND hwnd, int depth, std::string& out) {
    out.append(static_cast<size_t>(depth) * 2, ' ');
    out += GetClassNameOf(hwnd);
    const auto style = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
    if (style & WS_CHILD) out += " " + std::to_string(GetDlgCtrlID(hwnd));
    std::string text = GetWindowTextUtf8(hwnd);
    const DescribesState* description = FindStateDescription(hwnd);
    if (description) text = description->VisibleText(hwnd, text);
    out += " " + QuoteText(text);
    std::vector<std::string> flags = CommonFlags(hwnd);
    if (description) {
        for (std::string& entry : description->DescribeState(hwnd))
            flags.push_back(std::move(entry));
    }
    if (!flags.empty()) {
        out += " [";
        for (size_t i = 0; i < flags.size(); ++i) out += (i ? ", " : "") + flags[i];
        out += "]";
    }
    out += "\n";
    for (HWND child : ChildWindows(hwnd)) DumpWindow(child, depth + 1, out);
}

}  // namespace

std::string DumpWindowTree(HWND root) {
    std::string out;
    if (IsWindow(root)) DumpWindow(root, 0, out);
    return out;
}

}  // namespace winport
