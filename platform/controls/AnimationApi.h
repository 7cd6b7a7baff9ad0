// The animation control ("SysAnimate32"): its styles, messages and notifications with Windows'
// values, the functions behind the Animate_* macros, and what a view or a test reads of it.
// A playing clip steps on its window's timer; AdvanceAnimation steps it at once, for a test.
#pragma once

#include <optional>
#include <string>

#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/gdi/PixelImage.h"
#include "platform/message/MessageApi.h"

inline constexpr char ANIMATE_CLASS[] = "SysAnimate32";

inline constexpr DWORD ACS_CENTER = 0x0001;
inline constexpr DWORD ACS_TRANSPARENT = 0x0002;
inline constexpr DWORD ACS_AUTOPLAY = 0x0004;
inline constexpr DWORD ACS_TIMER = 0x0008;

// ACM_OPEN: lParam is a file path (char*), or null to close the clip. A resource id is looked up
// in the resource chain, which carries no clips, so it fails with ERROR_RESOURCE_NAME_NOT_FOUND.
inline constexpr UINT ACM_OPEN = WM_USER + 100;
// ACM_PLAY: wParam is the repeat count (-1 repeats until stopped), lParam MAKELONG(from, to) in
// frames; a "to" of -1 means the last frame.
inline constexpr UINT ACM_PLAY = WM_USER + 101;
inline constexpr UINT ACM_STOP = WM_USER + 102;
inline constexpr UINT ACM_ISPLAYING = WM_USER + 104;

// Posted to the parent as WM_COMMAND.
inline constexpr WORD ACN_START = 1;
inline constexpr WORD ACN_STOP = 2;

inline BOOL Animate_Open(HWND animation, const char* path) {
    return static_cast<BOOL>(SendMessage(animation, ACM_OPEN, 0, reinterpret_cast<LPARAM>(path)));
}
inline BOOL Animate_Close(HWND animation) {
    return Animate_Open(animation, nullptr);
}
inline BOOL Animate_Play(HWND animation, UINT from, UINT to, UINT repeat) {
    return static_cast<BOOL>(SendMessage(
        animation, ACM_PLAY, repeat, MAKELPARAM(static_cast<WORD>(from), static_cast<WORD>(to))));
}
inline BOOL Animate_Stop(HWND animation) {
    return static_cast<BOOL>(SendMessage(animation, ACM_STOP, 0, 0));
}
inline BOOL Animate_IsPlaying(HWND animation) {
    return static_cast<BOOL>(SendMessage(animation, ACM_ISPLAYING, 0, 0));
}

namespace winport {

struct AnimationState {
    bool open = false;
    std::string clip;  // The path the clip was opened from.
    DWORD frameCount = 0;
    LONG width = 0;
    LONG height = 0;
    DWORD microSecondsPerFrame = 0;
    bool playing = false;
    UINT from = 0;  // The range last played or sought, in frames.
    UINT to = 0;
    int repeat = 0;               // As ACM_PLAY gave it; -1 repeats until stopped.
    int playsLeft = 0;            // Passes still to show, counting the current one; -1 for ever.
    UINT frame = 0;               // The frame on show.
    HBRUSH background = nullptr;  // The parent's answer to WM_CTLCOLORSTATIC when it opened.

    friend bool operator==(const AnimationState&, const AnimationState&) = default;
};

// The state of |animation|; nullopt with the last error set when it is not an animation control.
std::optional<AnimationState> GetAnimationState(HWND animation);

// The frame on show as a picture, for a view to draw; null with the last error set when no clip
// is open. With ACS_TRANSPARENT the colour of the first frame's top-left pixel shows the
// background the parent chose when the clip opened (its solid brush), or nothing without one.
PixelImagePtr GetAnimationFrame(HWND animation);

// Shows the next |frames| frames of a playing clip, as its timer would, wrapping from the last
// frame of the range to the first; after the last repeat the clip stops and ACN_STOP is posted.
// A stopped control does not move. False with the last error set when |animation| is not an
// animation control.
bool AdvanceAnimation(HWND animation, UINT frames);

}  // namespace winport
