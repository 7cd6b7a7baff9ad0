#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "AviTestClips.h"
#include "ControlTestSupport.h"
#include "platform/automation/WindowDump.h"
#include "platform/controls/AnimationApi.h"
#include "platform/controls/AnimationClip.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/message/MessageApi.h"
#include "platform/message/TimerApi.h"

namespace winport::test {
namespace {

constexpr int kAnimationId = 30;
const std::string kStart = "parent WM_COMMAND 1 30";
const std::string kStop = "parent WM_COMMAND 2 30";

class AnimationControlTest : public ControlParentTest {
protected:
    void TearDown() override {
        ControlParentTest::TearDown();
        std::filesystem::remove_all(m_folder);
    }

    std::string WriteClip(const std::string& name, const std::string& bytes) {
        const std::string path = (m_folder / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    HWND CreateAnimation(DWORD style = ACS_CENTER) {
        const HWND hwnd = CreateControl(ANIMATE_CLASS, style, kAnimationId, "animation");
        spy.Clear();
        return hwnd;
    }
    // The animation with the twelve-frame clip open, the log empty.
    HWND OpenedAnimation(DWORD style = ACS_CENTER) {
        const HWND animation = CreateAnimation(style);
        EXPECT_TRUE(Animate_Open(animation, m_clip.c_str()));
        PumpMessages();
        spy.Clear();
        return animation;
    }
    static AnimationState State(HWND animation) {
        const std::optional<AnimationState> state = GetAnimationState(animation);
        EXPECT_TRUE(state.has_value()) << GetLastErrorText();
        return state.value_or(AnimationState{});
    }
    // Delivers the posted notifications.
    void Deliver() { PumpMessages(); }

    static std::filesystem::path MakeFolder() {
        static int made = 0;
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() /
            ("winport-animation-" + std::to_string(getpid()) + "-" + std::to_string(++made));
        std::filesystem::create_directories(folder);
        return folder;
    }

    const std::filesystem::path m_folder = MakeFolder();
    const std::string m_clip = WriteClip("busy.avi", AviBytes({}));
};

TEST_F(AnimationControlTest, OpeningReadsTheClipAsksForTheBackgroundAndTakesItsSize) {
    const HWND animation = CreateAnimation(0);
    EXPECT_EQ(Animate_Open(animation, m_clip.c_str()), TRUE);
    const AnimationState state = State(animation);
    EXPECT_TRUE(state.open);
    EXPECT_EQ(state.clip, m_clip);
    EXPECT_EQ(state.frameCount, 12u);
    EXPECT_EQ(state.microSecondsPerFrame, 66666u);
    EXPECT_FALSE(state.playing);
    RECT rect;
    GetClientRect(animation, &rect);
    EXPECT_EQ(rect, (RECT{0, 0, 32, 24}));
    Deliver();
    EXPECT_TRUE(SequenceIs(spy, {"parent 0x138"}));  // WM_CTLCOLORSTATIC, nothing posted.

    const HWND centered = CreateAnimation(ACS_CENTER);
    EXPECT_EQ(Animate_Open(centered, m_clip.c_str()), TRUE);
    GetClientRect(centered, &rect);
    EXPECT_EQ(rect, (RECT{0, 0, 100, 20}));
}

TEST_F(AnimationControlTest, AFailedOpenAnswersFalseAndLeavesTheControlClosed) {
    const std::string truncated = WriteClip("cut.avi", AviBytes({}).substr(0, 100));
    const std::string folder = m_folder.string();
    const struct {
        LPARAM clip;
        DWORD error;
    } cases[] = {
        {reinterpret_cast<LPARAM>("/no/such/clip.avi"), ERROR_FILE_NOT_FOUND},
        {reinterpret_cast<LPARAM>(folder.c_str()), ERROR_FILE_NOT_FOUND},
        {reinterpret_cast<LPARAM>(truncated.c_str()), ERROR_INVALID_DATA},
        {151, ERROR_RESOURCE_NAME_NOT_FOUND},  // A clip resource: no table carries one.
    };
    const HWND animation = OpenedAnimation();
    for (const auto& [clip, error] : cases) {
        ASSERT_EQ(Animate_Open(animation, m_clip.c_str()), TRUE);
        EXPECT_EQ(SendMessage(animation, ACM_OPEN, 0, clip), FALSE);
        EXPECT_EQ(GetLastError(), error);
        EXPECT_FALSE(State(animation).open);
    }
}

TEST_F(AnimationControlTest, PlayAndStopPostStartAndStopToTheParent) {
    const HWND animation = OpenedAnimation();
    spy.Only({WM_COMMAND});
    EXPECT_EQ(Animate_Play(animation, 0, static_cast<UINT>(-1), static_cast<UINT>(-1)), TRUE);
    EXPECT_TRUE(SequenceIs(spy, {}));  // Posted: nothing arrives before the loop runs.
    Deliver();
    EXPECT_TRUE(SequenceIs(spy, {kStart}));
    EXPECT_EQ(Animate_IsPlaying(animation), TRUE);
    AnimationState state = State(animation);
    EXPECT_EQ(state.from, 0u);
    EXPECT_EQ(state.to, 11u);
    EXPECT_EQ(state.repeat, -1);
    EXPECT_NE(DumpWindowTree(parent).find("SysAnimate32 30 \"\" [clip=busy.avi, frames=12, "
                                          "playing 0-11 repeat forever]"),
              std::string::npos)
        << DumpWindowTree(parent);

    spy.Clear();
    EXPECT_EQ(Animate_Stop(animation), TRUE);
    EXPECT_EQ(Animate_Stop(animation), TRUE);  // Stopping a stopped clip posts nothing more.
    Deliver();
    EXPECT_TRUE(SequenceIs(spy, {kStop}));
    EXPECT_EQ(Animate_IsPlaying(animation), FALSE);
    EXPECT_NE(DumpWindowTree(parent).find("[clip=busy.avi, frames=12, stopped]"),
              std::string::npos);
}

TEST_F(AnimationControlTest, PlayRefusesWhatItCannotPlayAndPostsNothing) {
    const HWND closed = CreateAnimation();
    EXPECT_EQ(Animate_Play(closed, 0, 1, 1), FALSE);
    EXPECT_EQ(Animate_Stop(closed), FALSE);
    const HWND animation = OpenedAnimation();
    spy.Only({WM_COMMAND});
    EXPECT_EQ(Animate_Play(animation, 5, 2, 1), FALSE);   // Backwards.
    EXPECT_EQ(Animate_Play(animation, 0, 12, 1), FALSE);  // Past the last frame.
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    // A range of one frame shows it without playing.
    EXPECT_EQ(Animate_Play(animation, 7, 7, 1), TRUE);
    Deliver();
    EXPECT_TRUE(SequenceIs(spy, {}));
    const AnimationState state = State(animation);
    EXPECT_FALSE(state.playing);
    EXPECT_EQ(state.frame, 7u);
}

TEST_F(AnimationControlTest, APlayRequestWhilePlayingChangesNothing) {
    const HWND animation = OpenedAnimation();
    spy.Only({WM_COMMAND});
    Animate_Play(animation, 2, 9, static_cast<UINT>(-1));
    EXPECT_EQ(Animate_Play(animation, 0, 3, 1), TRUE);
    Deliver();
    EXPECT_TRUE(SequenceIs(spy, {kStart}));
    EXPECT_EQ(State(animation).from, 2u);
    EXPECT_EQ(State(animation).to, 9u);
}

TEST_F(AnimationControlTest, AdvancingWrapsTheRangeAndStopsAfterTheLastRepeat) {
    const HWND animation = OpenedAnimation();
    spy.Only({WM_COMMAND});
    Animate_Play(animation, 2, 4, 2);
    std::vector<UINT> shown{State(animation).frame};
    for (int step = 0; step < 6; ++step) {
        EXPECT_TRUE(AdvanceAnimation(animation, 1));
        shown.push_back(State(animation).frame);
    }
    // Two passes over 2-4; the control stops as the last frame of the last pass shows.
    EXPECT_EQ(shown, (std::vector<UINT>{2, 3, 4, 2, 3, 4, 4}));
    EXPECT_FALSE(State(animation).playing);
    Deliver();
    EXPECT_TRUE(SequenceIs(spy, {kStart, kStop}));
}

TEST_F(AnimationControlTest, AClipPlayedForeverKeepsGoing) {
    const HWND animation = OpenedAnimation();
    Animate_Play(animation, 0, static_cast<UINT>(-1), static_cast<UINT>(-1));
    AdvanceAnimation(animation, 100);
    EXPECT_TRUE(State(animation).playing);
    EXPECT_EQ(State(animation).frame, 100u % 12u);
}

TEST_F(AnimationControlTest, AutoplayStartsOnOpenAndClosingStopsIt) {
    const HWND animation = CreateAnimation(ACS_CENTER | ACS_AUTOPLAY);
    spy.Only({WM_COMMAND});
    EXPECT_EQ(Animate_Open(animation, m_clip.c_str()), TRUE);
    EXPECT_EQ(State(animation).to, 11u);
    EXPECT_EQ(State(animation).repeat, -1);
    // Closing answers FALSE, as in Windows, and stops the clip.
    EXPECT_EQ(Animate_Close(animation), FALSE);
    EXPECT_EQ(State(animation), AnimationState{});
    Deliver();
    EXPECT_TRUE(SequenceIs(spy, {kStart, kStop}));
}

TEST_F(AnimationControlTest, CloseMessageClosesTheClipAndKeepsTheWindow) {
    const HWND animation = OpenedAnimation();
    Animate_Play(animation, 0, 3, 1);
    SendMessage(animation, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(animation));
    EXPECT_FALSE(State(animation).open);
    EXPECT_NE(DumpWindowTree(parent).find("[no clip]"), std::string::npos);
}

TEST_F(AnimationControlTest, ParentDestroyingTheControlOnStartOrStopIsSafe) {
    for (const WORD code : {ACN_START, ACN_STOP}) {
        const HWND animation = OpenedAnimation();
        Animate_Play(animation, 0, 2, 1);
        AdvanceAnimation(animation, 2);
        DestroyOnNotification destroyer(parent, code);
        Deliver();
        EXPECT_FALSE(IsWindow(animation));
        EXPECT_FALSE(AdvanceAnimation(animation, 1));
        EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    }
}

// Destroys the control that asks the parent for its background, inside that request.
class DestroyOnColorRequest final : public WindowProcedure {
public:
    explicit DestroyOnColorRequest(HWND parent) : m_parent(parent) { SetSubclass(parent, this); }
    ~DestroyOnColorRequest() override { SetSubclass(m_parent, nullptr); }
    DestroyOnColorRequest(const DestroyOnColorRequest&) = delete;
    DestroyOnColorRequest& operator=(const DestroyOnColorRequest&) = delete;

    LRESULT HandleMessage(const Message& m) override {
        const LRESULT result = CallClassProcedure(m.hwnd, m.id, m.wParam, m.lParam);
        if (m.id == WM_CTLCOLORSTATIC) DestroyWindow(reinterpret_cast<HWND>(m.lParam));
        return result;
    }

private:
    HWND m_parent;
};

TEST_F(AnimationControlTest, ParentDestroyingTheControlWhileItOpensIsSafe) {
    const HWND animation = CreateAnimation(ACS_AUTOPLAY);
    DestroyOnColorRequest destroyer(parent);
    EXPECT_EQ(Animate_Open(animation, m_clip.c_str()), FALSE);
    EXPECT_FALSE(IsWindow(animation));
    Deliver();
    EXPECT_TRUE(SequenceIs(spy, {"parent 0x138"}));
}

TEST_F(AnimationControlTest, DestroyingAPlayingControlPostsStop) {
    const HWND animation = OpenedAnimation();
    spy.Only({WM_COMMAND});
    Animate_Play(animation, 0, 3, static_cast<UINT>(-1));
    DestroyWindow(animation);
    Deliver();
    EXPECT_TRUE(SequenceIs(spy, {kStart, kStop}));
}

TEST_F(AnimationControlTest, StateIsReadFromAnimationControlsOnly) {
    EXPECT_FALSE(GetAnimationState(parent).has_value());
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(AdvanceAnimation(reinterpret_cast<HWND>(0x4321), 1));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

// Answers WM_CTLCOLORSTATIC with |brush|, as a parent that paints its own background does.
class BackgroundBrush final : public WindowProcedure {
public:
    BackgroundBrush(HWND parent, HBRUSH brush) : m_parent(parent), m_brush(brush) {
        SetSubclass(parent, this);
    }
    ~BackgroundBrush() override { SetSubclass(m_parent, nullptr); }
    BackgroundBrush(const BackgroundBrush&) = delete;
    BackgroundBrush& operator=(const BackgroundBrush&) = delete;

    LRESULT HandleMessage(const Message& m) override {
        if (m.id == WM_CTLCOLORSTATIC) return reinterpret_cast<LRESULT>(m_brush);
        return CallClassProcedure(m.hwnd, m.id, m.wParam, m.lParam);
    }

private:
    HWND m_parent;
    HBRUSH m_brush;
};

TEST_F(AnimationControlTest, TheFrameOnShowIsDrawnInThePalettesColours) {
    const HWND animation = OpenedAnimation();
    PixelImagePtr frame = GetAnimationFrame(animation);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->width, 32);
    EXPECT_EQ(frame->height, 24);
    EXPECT_EQ(frame->At(0, 0), PixelFromColor(kClipPalette[0]));
    Animate_Play(animation, 0, static_cast<UINT>(-1), static_cast<UINT>(-1));
    AdvanceAnimation(animation, 6);  // Frame 6 is filled with index 2.
    frame = GetAnimationFrame(animation);
    EXPECT_EQ(frame->At(31, 23), PixelFromColor(kClipPalette[2]));

    Animate_Close(animation);
    EXPECT_EQ(GetAnimationFrame(animation), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(GetAnimationFrame(parent), nullptr);
}

TEST_F(AnimationControlTest, ATransparentClipShowsTheParentsBackgroundWhereTheFirstPixelsColourIs) {
    ClipShape shape{.frames = 2, .width = 2, .height = 1, .framesPresent = 2};
    // The first frame's top-left pixel is colour 3; the second frame draws 3 and 1.
    shape.frameData = {std::string("\x03\x02\0\0", 4), std::string("\x01\x03\0\0", 4)};
    const std::string clip = WriteClip("keyed.avi", AviBytes(shape));
    const auto framesOf = [&](HWND animation) {
        Animate_Play(animation, 0, 1, static_cast<UINT>(-1));
        AdvanceAnimation(animation, 1);
        return GetAnimationFrame(animation)->pixels;
    };

    // Without a brush from the parent the key colour shows nothing.
    const HWND plain = CreateAnimation(ACS_TRANSPARENT);
    ASSERT_TRUE(Animate_Open(plain, clip.c_str()));
    EXPECT_EQ(framesOf(plain), (std::vector<std::uint32_t>{PixelFromColor(kClipPalette[1]), 0}));

    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    {
        const BackgroundBrush background(parent, brush);
        const HWND keyed = CreateAnimation(ACS_TRANSPARENT);
        ASSERT_TRUE(Animate_Open(keyed, clip.c_str()));
        EXPECT_EQ(framesOf(keyed), (std::vector<std::uint32_t>{PixelFromColor(kClipPalette[1]),
                                                               PixelFromColor(RGB(1, 2, 3))}));
        // Without ACS_TRANSPARENT the colour is drawn as it is.
        const HWND opaque = CreateAnimation(0);
        ASSERT_TRUE(Animate_Open(opaque, clip.c_str()));
        EXPECT_EQ(framesOf(opaque), (std::vector<std::uint32_t>{PixelFromColor(kClipPalette[1]),
                                                                PixelFromColor(kClipPalette[3])}));
    }
    DeleteObject(brush);
}

TEST_F(AnimationControlTest, APlayingClipStepsOnItsTimerUntilTheLastRepeat) {
    const std::string fast = WriteClip("fast.avi", AviBytes({.frames = 4,
                                                             .width = 8,
                                                             .height = 8,
                                                             .microSecondsPerFrame = 10000,
                                                             .framesPresent = 4}));
    const HWND animation = CreateAnimation();
    ASSERT_TRUE(Animate_Open(animation, fast.c_str()));
    spy.Only({WM_COMMAND});
    spy.Clear();
    Animate_Play(animation, 1, 3, 2);
    ASSERT_TRUE(NextTimerDue().has_value());
    // The loop waits for the frame timer; the control stops itself after two passes.
    std::vector<UINT> shown{State(animation).frame};
    MSG msg;
    for (int guard = 0; guard < 100 && State(animation).playing; ++guard) {
        ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE);
        DispatchMessage(&msg);
        if (msg.message == WM_TIMER) shown.push_back(State(animation).frame);
    }
    EXPECT_EQ(shown, (std::vector<UINT>{1, 2, 3, 1, 2, 3}));
    EXPECT_FALSE(State(animation).playing);
    EXPECT_FALSE(NextTimerDue().has_value());
    Deliver();
    EXPECT_TRUE(SequenceIs(spy, {kStart, kStop}));

    // Stopping and destroying end the timer too.
    Animate_Play(animation, 0, 3, static_cast<UINT>(-1));
    Animate_Stop(animation);
    EXPECT_FALSE(NextTimerDue().has_value());
    Animate_Play(animation, 0, 3, static_cast<UINT>(-1));
    DestroyWindow(animation);
    EXPECT_FALSE(NextTimerDue().has_value());
}

}  // namespace
}  // namespace winport::test
