#include "platform/shell/Clipboard.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <sstream>
#include <thread>
#include <utility>
#include <vector>

#include "platform/core/LastError.h"
#include "platform/shell/GlobalMemory.h"

namespace {

struct StepFailure {
    const char* function;
    DWORD code;
};

// Indexed by ClipboardStep: what an injected failure of each step reports.
constexpr std::array<StepFailure, 3> kStepFailures = {{
    {"OpenClipboard", ERROR_ACCESS_DENIED},
    {"EmptyClipboard", ERROR_ACCESS_DENIED},
    {"SetClipboardData", ERROR_NOT_ENOUGH_MEMORY},
}};

struct ClipboardData {
    UINT format;
    HGLOBAL block;  // null for a format announced without data
};

struct ClipboardState {
    std::mutex mutex;
    bool isOpen = false;
    HWND openWindow = nullptr;
    std::thread::id openThread;
    HWND owner = nullptr;
    std::vector<ClipboardData> formats;  // in the order they were set
    std::array<bool, kStepFailures.size()> failing{};
};

ClipboardState& State() {
    static auto* state = new ClipboardState();  // never destroyed: used until the process ends
    return *state;
}

// "function: <handle> what" as the text of a failure.
std::string Describe(const char* function, const void* handle, const char* what) {
    std::ostringstream text;
    text << function << ": " << handle << ' ' << what;
    return text.str();
}

bool HeldByThisThread(const ClipboardState& state) {
    return state.isOpen && state.openThread == std::this_thread::get_id();
}

void FailNotOpen(const char* function) {
    winport::SetLastErrorText(ERROR_CLIPBOARD_NOT_OPEN,
                              std::string(function) + ": the clipboard is not open on this thread");
}

bool FailsByInjection(const ClipboardState& state, winport::ClipboardStep step) {
    const auto index = static_cast<std::size_t>(step);
    if (!state.failing[index]) return false;
    winport::SetLastErrorText(kStepFailures[index].code,
                              std::string(kStepFailures[index].function) + ": injected failure");
    return true;
}

std::vector<ClipboardData>::iterator FindFormat(ClipboardState& state, UINT format) {
    return std::find_if(state.formats.begin(), state.formats.end(),
                        [format](const ClipboardData& data) { return data.format == format; });
}

void FreeAll(ClipboardState& state) {
    for (const ClipboardData& data : state.formats) {
        if (data.block) GlobalFree(data.block);
    }
    state.formats.clear();
}

}  // namespace

BOOL OpenClipboard(HWND hWndNewOwner) {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (state.isOpen && state.openWindow != hWndNewOwner) {
        winport::SetLastErrorText(ERROR_ACCESS_DENIED, Describe("OpenClipboard", state.openWindow,
                                                                "has the clipboard open"));
        return FALSE;
    }
    if (FailsByInjection(state, winport::ClipboardStep::Open)) return FALSE;
    state.isOpen = true;
    state.openWindow = hWndNewOwner;
    state.openThread = std::this_thread::get_id();
    return TRUE;
}

BOOL CloseClipboard() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (!HeldByThisThread(state)) {
        FailNotOpen("CloseClipboard");
        return FALSE;
    }
    state.isOpen = false;
    state.openWindow = nullptr;
    return TRUE;
}

BOOL EmptyClipboard() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (!HeldByThisThread(state)) {
        FailNotOpen("EmptyClipboard");
        return FALSE;
    }
    if (FailsByInjection(state, winport::ClipboardStep::Empty)) return FALSE;
    FreeAll(state);
    state.owner = state.openWindow;
    return TRUE;
}

HGLOBAL SetClipboardData(UINT uFormat, HGLOBAL hMem) {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (!HeldByThisThread(state)) {
        FailNotOpen("SetClipboardData");
        return nullptr;
    }
    // Windows refuses format 0 with the code it gives for a clipboard that is not open.
    if (uFormat == 0) {
        winport::SetLastErrorText(ERROR_CLIPBOARD_NOT_OPEN,
                                  "SetClipboardData: 0 is not a clipboard format");
        return nullptr;
    }
    if (hMem && GlobalFlags(hMem) == GMEM_INVALID_HANDLE) {
        winport::SetLastErrorText(ERROR_INVALID_HANDLE, Describe("SetClipboardData", hMem,
                                                                 "is not a global memory handle"));
        return nullptr;
    }
    const auto existing = FindFormat(state, uFormat);
    const bool heldElsewhere =
        hMem &&
        std::any_of(state.formats.begin(), state.formats.end(), [&](const ClipboardData& data) {
            return data.block == hMem && data.format != uFormat;
        });
    if (heldElsewhere) {
        winport::SetLastErrorText(
            ERROR_INVALID_PARAMETER,
            Describe("SetClipboardData", hMem, "already holds another format"));
        return nullptr;
    }
    if (FailsByInjection(state, winport::ClipboardStep::SetData)) return nullptr;
    if (existing == state.formats.end()) {
        state.formats.push_back({uFormat, hMem});
    } else {
        if (existing->block && existing->block != hMem) GlobalFree(existing->block);
        existing->block = hMem;
    }
    return hMem;
}

HGLOBAL GetClipboardData(UINT uFormat) {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (!HeldByThisThread(state)) {
        FailNotOpen("GetClipboardData");
        return nullptr;
    }
    const auto found = FindFormat(state, uFormat);
    return found == state.formats.end() ? nullptr : found->block;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    return format != 0 && FindFormat(state, format) != state.formats.end();
}

int CountClipboardFormats() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    return static_cast<int>(state.formats.size());
}

HWND GetClipboardOwner() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    return state.owner;
}

HWND GetOpenClipboardWindow() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    return state.isOpen ? state.openWindow : nullptr;
}

namespace winport {

ScopedClipboardFailure::ScopedClipboardFailure(ClipboardStep step) : m_step(step) {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    bool& failing = state.failing[static_cast<std::size_t>(step)];
    m_wasFailing = failing;
    failing = true;
}

ScopedClipboardFailure::~ScopedClipboardFailure() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    state.failing[static_cast<std::size_t>(m_step)] = m_wasFailing;
}

std::optional<std::string> ClipboardText() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    const auto found = FindFormat(state, CF_TEXT);
    if (found == state.formats.end() || !found->block) return std::nullopt;
    const auto bytes = GlobalBlockContents(found->block);
    if (!bytes) return std::nullopt;
    const auto end = std::find(bytes->begin(), bytes->end(), BYTE{0});
    return std::string(bytes->begin(), end);
}

void ResetClipboard() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    FreeAll(state);
    state.isOpen = false;
    state.openWindow = nullptr;
    state.openThread = {};
    state.owner = nullptr;
}

}  // namespace winport
