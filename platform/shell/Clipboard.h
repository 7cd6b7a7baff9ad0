// The clipboard (user32): one per process, opened by one window at a time, holding global memory
// blocks by format. A block set successfully belongs to the clipboard, which frees it when the
// format is replaced or the clipboard emptied.
#pragma once

#include <optional>
#include <string>

#include "platform/core/WinTypes.h"

inline constexpr UINT CF_TEXT = 1;
inline constexpr UINT CF_UNICODETEXT = 13;

// Fails with ERROR_ACCESS_DENIED while another window has it open; the same window (null
// included) may open it again, from any thread, which then becomes the thread that holds it.
BOOL OpenClipboard(HWND hWndNewOwner);
BOOL CloseClipboard();
// Frees every block held and makes the window that opened the clipboard its owner.
BOOL EmptyClipboard();
// Only global memory formats exist here, so the data is an HGLOBAL. A null hMem announces a
// format without data. Returns hMem on success and null on failure; on failure the caller keeps
// the block.
HGLOBAL SetClipboardData(UINT uFormat, HGLOBAL hMem);
// The block stays the clipboard's; the caller must neither free it nor keep it past a close.
HGLOBAL GetClipboardData(UINT uFormat);
BOOL IsClipboardFormatAvailable(UINT format);
int CountClipboardFormats();
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();

namespace winport {

enum class ClipboardStep { Open, Empty, SetData };

// Makes one clipboard step fail, as when another process holds the clipboard, until destroyed.
// The failing call changes nothing but the last error.
class ScopedClipboardFailure {
public:
    explicit ScopedClipboardFailure(ClipboardStep step);
    ~ScopedClipboardFailure();
    ScopedClipboardFailure(const ScopedClipboardFailure&) = delete;
    ScopedClipboardFailure& operator=(const ScopedClipboardFailure&) = delete;

private:
    ClipboardStep m_step;
    bool m_wasFailing;
};

// The CF_TEXT content up to its terminating zero, read without opening the clipboard; nullopt
// when there is no CF_TEXT data.
std::optional<std::string> ClipboardText();
// Closes the clipboard, frees its data and forgets its owner.
void ResetClipboard();

}  // namespace winport
