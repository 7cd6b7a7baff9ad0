// The "SysAnimate32" class: opens a clip from a file, plays a range of its frames a number of
// times on a window timer at the clip's rate, and tells its parent when playing starts and stops.
// ACN_START and ACN_STOP are posted, not sent, as the control's own playing thread does in
// Windows.
#pragma once

#include "platform/controls/AnimationApi.h"
#include "platform/controls/AnimationClip.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class AnimationControl final : public WindowProcedure, public DescribesState {
public:
    explicit AnimationControl(HWND hwnd) : m_hwnd(hwnd) {}
    AnimationControl(const AnimationControl&) = delete;
    AnimationControl& operator=(const AnimationControl&) = delete;

    LRESULT HandleMessage(const Message& m) override;
    std::vector<std::string> DescribeState(HWND hwnd) const override;
    const AnimationState& State() const { return m_state; }
    PixelImagePtr Frame() const;
    void Advance(UINT frames);

private:
    LRESULT OnCreate(const CREATESTRUCT* create);
    LRESULT OnOpen(LPARAM clip);
    LRESULT OnPlay(int repeat, WORD from, WORD to);
    LRESULT OnStop();
    LRESULT OnClose();

    // Stops playing (posting ACN_STOP if it was playing) and forgets the clip.
    void Close();
    void StopPlaying();
    void Notify(WORD code) const;

    HWND m_hwnd;
    HWND m_notify = nullptr;  // The parent at creation: the notifications go there.
    AnimationState m_state;
    AviClip m_clip;
};

}  // namespace winport
