#include "platform/controls/animation/AnimationControl.h"

#include <filesystem>
#include <memory>
#include <string>

#include "platform/controls/ControlSupport.h"
#include "platform/core/LastError.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/message/TimerApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

constexpr WORD kLastFrame = 0xFFFF;
constexpr UINT_PTR kFrameTimer = 1;

struct Registrar {
    Registrar() {
        RegisterSystemClass(ANIMATE_CLASS, [](HWND hwnd) -> std::unique_ptr<WindowProcedure> {
            return std::make_unique<AnimationControl>(hwnd);
        });
    }
} const kRegistrar;

// A resource is named by a number below 0x10000 passed where a string pointer would go.
bool IsResourceId(LPARAM name) {
    return (static_cast<ULONG_PTR>(name) >> 16) == 0;
}

AnimationControl* FindAnimation(HWND hwnd, const char* caller) {
    return ControlBehind<AnimationControl>(hwnd, caller, "an animation control");
}

}  // namespace

LRESULT AnimationControl::HandleMessage(const Message& m) {
    switch (m.id) {
        case WM_CREATE: return OnCreate(reinterpret_cast<const CREATESTRUCT*>(m.lParam));
        case ACM_OPEN: return OnOpen(m.lParam);
        case ACM_PLAY:
            return OnPlay(static_cast<int>(m.wParam), LOWORD(static_cast<UINT_PTR>(m.lParam)),
                          HIWORD(static_cast<UINT_PTR>(m.lParam)));
        case ACM_STOP: return OnStop();
        case ACM_ISPLAYING: return m_state.playing ? TRUE : FALSE;
        case WM_TIMER:
            if (m.wParam == kFrameTimer) Advance(1);
            return 0;
        case WM_CLOSE: return OnClose();
        case WM_DESTROY: Close(); return 0;
        default: return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    }
}

LRESULT AnimationControl::OnCreate(const CREATESTRUCT* create) {
    m_notify = create ? create->hwndParent : nullptr;
    return 0;
}

LRESULT AnimationControl::OnOpen(LPARAM clip) {
    Close();
    // Closing answers FALSE, as in Windows.
    if (!clip) return FALSE;
    if (IsResourceId(clip)) {
        SetLastErrorText(ERROR_RESOURCE_NAME_NOT_FOUND,
                         "ACM_OPEN: no clip resource " + std::to_string(clip));
        return FALSE;
    }
    const std::string path = reinterpret_cast<const char*>(clip);
    std::optional<AviClip> avi = ReadAviClip(path);
    if (!avi) return FALSE;
    m_state.open = true;
    m_state.clip = path;
    m_state.frameCount = avi->frameCount;
    m_state.width = avi->width;
    m_state.height = avi->height;
    m_state.microSecondsPerFrame = avi->microSecondsPerFrame;
    m_clip = std::move(*avi);

    // The parent picks the brush the frames are drawn on.
    if (m_notify) {
        const HDC dc = GetDC(m_hwnd);
        const LRESULT brush = SendMessage(m_notify, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                          reinterpret_cast<LPARAM>(m_hwnd));
        ReleaseDC(m_hwnd, dc);
        if (!IsWindow(m_hwnd) || !m_state.open) return FALSE;
        m_state.background = reinterpret_cast<HBRUSH>(brush);
    }
    const DWORD style = WindowStyle(m_hwnd);
    // Without ACS_CENTER the control takes the size of the clip's frames.
    if (!(style & ACS_CENTER)) {
        SetWindowPos(m_hwnd, nullptr, 0, 0, m_state.width, m_state.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (style & ACS_AUTOPLAY) {
        return OnPlay(-1, 0, static_cast<WORD>(m_state.frameCount - 1));
    }
    return TRUE;
}

LRESULT AnimationControl::OnPlay(int repeat, WORD from, WORD to) {
    if (!m_state.open) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "ACM_PLAY: no clip is open");
        return FALSE;
    }
    // A second request while playing changes nothing.
    if (m_state.playing) return TRUE;
    const auto frames = static_cast<long>(m_state.frameCount);
    long first = from;
    const long last = to == kLastFrame ? frames - 1 : to;
    if (first >= frames && static_cast<short>(from) < 0) first = 0;
    if (first > last || last >= frames) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "ACM_PLAY: frames " + std::to_string(first) +
                                                      " to " + std::to_string(last) +
                                                      " are not a range of the clip's " +
                                                      std::to_string(frames) + " frames");
        return FALSE;
    }
    m_state.from = static_cast<UINT>(first);
    m_state.to = static_cast<UINT>(last);
    m_state.repeat = repeat;
    m_state.playsLeft = repeat;
    m_state.frame = m_state.from;
    // A range of one frame shows that frame: nothing plays and nothing is posted.
    if (first == last) return TRUE;
    m_state.playing = true;
    const DWORD milliseconds = (m_state.microSecondsPerFrame + 500) / 1000;
    SetTimer(m_hwnd, kFrameTimer, milliseconds, nullptr);
    Notify(ACN_START);
    return TRUE;
}

LRESULT AnimationControl::OnStop() {
    if (!m_state.open) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "ACM_STOP: no clip is open");
        return FALSE;
    }
    StopPlaying();
    return TRUE;
}

LRESULT AnimationControl::OnClose() {
    // WM_CLOSE closes the clip; the window stays.
    Close();
    return 0;
}

void AnimationControl::Advance(UINT frames) {
    for (UINT step = 0; step < frames && m_state.playing; ++step) {
        m_state.frame = m_state.frame >= m_state.to ? m_state.from : m_state.frame + 1;
        // Showing the last frame of the range ends one pass.
        if (m_state.frame == m_state.to && m_state.playsLeft != -1 && --m_state.playsLeft == 0) {
            StopPlaying();
        }
    }
}

PixelImagePtr AnimationControl::Frame() const {
    if (!m_state.open) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "GetAnimationFrame: no clip is open");
        return nullptr;
    }
    const std::vector<BYTE>& indices = m_clip.frames[m_state.frame];
    auto picture = std::make_shared<PixelImage>();
    picture->width = m_clip.width;
    picture->height = m_clip.height;
    picture->pixels.reserve(indices.size());
    // An index past a short palette draws its first colour.
    const auto colorOf = [this](BYTE index) {
        return m_clip.palette[index < m_clip.palette.size() ? index : 0];
    };
    const bool transparent = (WindowStyle(m_hwnd) & ACS_TRANSPARENT) != 0;
    const COLORREF key = colorOf(m_clip.frames.front().front());
    LOGBRUSH brush;
    const bool solid = m_state.background &&
                       GetObject(m_state.background, sizeof brush, &brush) == sizeof brush &&
                       brush.lbStyle == BS_SOLID;
    const std::uint32_t background = solid ? PixelFromColor(brush.lbColor) : 0;
    for (const BYTE index : indices) {
        const COLORREF color = colorOf(index);
        picture->pixels.push_back(transparent && color == key ? background : PixelFromColor(color));
    }
    return picture;
}

void AnimationControl::Close() {
    StopPlaying();
    m_state = AnimationState{};
    m_clip = AviClip{};
}

void AnimationControl::StopPlaying() {
    if (!m_state.playing) return;
    m_state.playing = false;
    KillTimer(m_hwnd, kFrameTimer);
    Notify(ACN_STOP);
}

void AnimationControl::Notify(WORD code) const {
    if (!m_notify) return;
    const auto id = static_cast<WORD>(GetDlgCtrlID(m_hwnd));
    PostMessage(m_notify, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(m_hwnd));
}

std::vector<std::string> AnimationControl::DescribeState(HWND) const {
    if (!m_state.open) return {"no clip"};
    std::vector<std::string> state{
        "clip=" + std::filesystem::path(m_state.clip).filename().string(),
        "frames=" + std::to_string(m_state.frameCount)};
    if (!m_state.playing) {
        state.emplace_back("stopped");
        return state;
    }
    const std::string repeat = m_state.repeat == -1 ? "forever" : std::to_string(m_state.repeat);
    state.push_back("playing " + std::to_string(m_state.from) + "-" + std::to_string(m_state.to) +
                    " repeat " + repeat);
    return state;
}

std::optional<AnimationState> GetAnimationState(HWND animation) {
    const AnimationControl* control = FindAnimation(animation, "GetAnimationState");
    if (!control) return std::nullopt;
    return control->State();
}

PixelImagePtr GetAnimationFrame(HWND animation) {
    const AnimationControl* control = FindAnimation(animation, "GetAnimationFrame");
    return control ? control->Frame() : nullptr;
}

bool AdvanceAnimation(HWND animation, UINT frames) {
    AnimationControl* control = FindAnimation(animation, "AdvanceAnimation");
    if (!control) return false;
    control->Advance(frames);
    return true;
}

}  // namespace winport
