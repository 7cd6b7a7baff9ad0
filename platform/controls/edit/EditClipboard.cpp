// The clipboard messages of the edit control: WM_COPY, WM_CUT and WM_PASTE, on CF_TEXT.
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "platform/controls/edit/EditControl.h"
#include "platform/shell/Clipboard.h"
#include "platform/shell/GlobalMemory.h"
#include "platform/text/Utf8.h"

namespace winport {
namespace {

// A moveable block holding |text| and its terminating zero, or null.
HGLOBAL CopyToGlobal(std::string_view text) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    auto* bytes = block ? static_cast<char*>(GlobalLock(block)) : nullptr;
    if (!bytes) {
        if (block) GlobalFree(block);
        return nullptr;
    }
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
    GlobalUnlock(block);
    return block;
}

// Puts |text| on the clipboard as CF_TEXT; answers whether it got there.
bool PutText(HWND owner, std::string_view text) {
    if (!OpenClipboard(owner)) return false;
    const HGLOBAL block = EmptyClipboard() ? CopyToGlobal(text) : nullptr;
    const bool stored = block && SetClipboardData(CF_TEXT, block);
    if (block && !stored) GlobalFree(block);  // A refused block stays the caller's.
    CloseClipboard();
    return stored;
}

std::optional<std::string> ClipboardTextFor(HWND owner) {
    if (!OpenClipboard(owner)) return std::nullopt;
    std::optional<std::string> text;
    if (const HGLOBAL block = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(block))) {
            text.emplace(bytes, strnlen(bytes, GlobalSize(block)));
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    return text;
}

// A single-line edit takes pasted text up to its first line break.
std::string_view FirstLine(std::string_view text) {
    std::string_view line = text.substr(0, text.find('\n'));
    if (line.size() < text.size() && line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

}  // namespace

bool EditControl::CopySelection() const {
    // A password edit never gives its text away.
    if (m_passwordChar) return false;
    const std::string text = Text();
    const auto [start, end] = OrderedSelection(text);
    if (start == end) return false;
    const std::size_t from = Utf8OffsetOfCodePoint(text, start);
    const std::size_t to = Utf8OffsetOfCodePoint(text, end);
    return PutText(m_hwnd, std::string_view(text).substr(from, to - from));
}

LRESULT EditControl::OnCopy() const {
    CopySelection();
    return 0;
}

LRESULT EditControl::OnCut() {
    // The selection goes only once it is on the clipboard.
    if (!ReadOnly() && CopySelection()) ReplaceSelection({});
    return 0;
}

LRESULT EditControl::OnPaste() {
    if (ReadOnly()) return 0;
    const std::optional<std::string> text = ClipboardTextFor(m_hwnd);
    if (text) ReplaceSelection(m_multiline ? std::string_view(*text) : FirstLine(*text));
    return 0;
}

}  // namespace winport
