#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "AviTestClips.h"
#include "ControlTestSupport.h"
#include "platform/controls/AnimationApi.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/message/TimerApi.h"

namespace winport::test {
namespace {

constexpr int kAnimationId = 30;
constexpr UINT kForever = static_cast<UINT>(-1);
const std::string kStart = "parent WM_COMMAND 1 30";
const std::string kStop = "parent WM_COMMAND 2 30";
const std::string kAskedForBackground = "parent 0x138";  // WM_CTLCOLORSTATIC

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
        return CreateControl(ANIMATE_CLASS, style, kAnimationId, "animation");
    }
    // The animation with the twelve-frame clip open, the log empty and showing WM_COMMAND only.
    HWND OpenedAnimation(DWORD style = ACS_CENTER) {
        const HWND animation = CreateAnimation(style);
        EXPECT_TRUE(Animate_Open(animation, m_clip.c_str()));
        PumpMessages();
        spy.Only({WM_COMMAND});
        return animation;
    }
    static AnimationState State(HWND animation) { return Must(GetAnimationState(animation)); }
    // Delivers the posted notifications and compares what the parent received.
    ::testing::AssertionResult DeliveredAre(const Lines& expected) {
        PumpMessages();
        return SequenceIs(spy, expected);
    }

    static std::filesystem::path MakeFolder() {
        std::string folder = std::filesystem::temp_directory_path() / "winport-animation-XXXXXX";
        EXPECT_NE(mkdtemp(folder.data()), nullptr);
        return folder;
    }

    const std::filesystem::path m_folder = MakeFolder();
    const std::string m_clip = WriteClip("busy.avi", AviBytes({}));
};

TEST_F(AnimationControlTest, OpeningReadsTheClipAsksForTheBackgroundTakesItsSizeOrFailsClosed) {
    const HWND animation = CreateAnimation(0);
    EXPECT_EQ(Animate_Open(animation, m_clip.c_str()), TRUE);
    const AnimationState state = State(animation);
    EXPECT_EQ(std::tie(state.open, state.clip, state.frameCount, state.microSecondsPerFrame,
                       state.playing),
              std::make_tuple(true, m_clip, 12u, 66666u, false));
    EXPECT_EQ(ClientRect(animation), (RECT{0, 0, 32, 24}));
    EXPECT_TRUE(DeliveredAre({kAskedForBackground}));  // Nothing posted.

    const HWND centered = CreateAnimation(ACS_CENTER);
    EXPECT_EQ(Animate_Open(centered, m_clip.c_str()), TRUE);
    EXPECT_EQ(ClientRect(centered), (RECT{0, 0, 100, 20}));

    const std::string truncated = WriteClip("cut.avi", AviBytes({}).substr(0, 100));
    const std::string folder = m_folder.string();
    const std::tuple<LPARAM, DWORD> cases[] = {
        {Ptr("/no/such/clip.avi"), ERROR_FILE_NOT_FOUND},
        {Ptr(folder.c_str()), ERROR_FILE_NOT_FOUND},
        {Ptr(truncated.c_str()), ERROR_INVALID_DATA},
        {151, ERROR_RESOURCE_NAME_NOT_FOUND},  // A clip resource: no table carries one.
    };
    const HWND opened = OpenedAnimation();
    for (const auto& [clip, error] : cases) {
        ASSERT_EQ(Animate_Open(opened, m_clip.c_str()), TRUE);
        EXPECT_TRUE(FailsWith(SendMessage(opened, ACM_OPEN, 0, clip), error));
        EXPECT_FALSE(State(opened).open);
    }
}

TEST_F(AnimationControlTest, PlayAndStopPostStartAndStopOnceAndBadRangesFail) {
    const HWND animation = OpenedAnimation();
    EXPECT_EQ(Animate_Play(animation, 0, kForever, kForever), TRUE);
    EXPECT_TRUE(SequenceIs(spy, {}));  // Posted: nothing arrives before the loop runs.
    EXPECT_EQ(Animate_Play(animation, 2, 3, 1), TRUE);
    EXPECT_TRUE(DeliveredAre({kStart}));
    EXPECT_EQ(Animate_IsPlaying(animation), TRUE);
    const AnimationState state = State(animation);
    EXPECT_EQ(std::tie(state.from, state.to, state.repeat), std::make_tuple(0u, 11u, -1));
    EXPECT_TRUE(DumpShows(
        parent, "SysAnimate32 30 \"\" [clip=busy.avi, frames=12, playing 0-11 repeat forever]"));

    spy.Clear();
    EXPECT_EQ(Animate_Stop(animation), TRUE);
    EXPECT_EQ(Animate_Stop(animation), TRUE);  // Stopping a stopped clip posts nothing more.
    EXPECT_TRUE(DeliveredAre({kStop}));
    EXPECT_EQ(Animate_IsPlaying(animation), FALSE);
    EXPECT_TRUE(DumpShows(parent, "[clip=busy.avi, frames=12, stopped]"));

    // What it cannot play it refuses, and posts nothing.
    const HWND closed = CreateAnimation();
    EXPECT_EQ(Animate_Play(closed, 0, 1, 1), FALSE);
    EXPECT_EQ(Animate_Stop(closed), FALSE);
    spy.Clear();
    EXPECT_EQ(Animate_Play(animation, 5, 2, 1), FALSE);  // Backwards.
    EXPECT_TRUE(FailsWith(Animate_Play(animation, 0, 12, 1),
                          ERROR_INVALID_PARAMETER));  // Past the last frame.
    // A range of one frame shows it without playing.
    EXPECT_EQ(Animate_Play(animation, 7, 7, 1), TRUE);
    EXPECT_TRUE(DeliveredAre({}));
    EXPECT_FALSE(State(animation).playing);
    EXPECT_EQ(State(animation).frame, 7u);
}

TEST_F(AnimationControlTest, AdvancingWrapsTheRangeAndStopsAfterTheLastRepeatOrNever) {
    const HWND animation = OpenedAnimation();
    Animate_Play(animation, 2, 4, 2);
    std::vector<UINT> shown{State(animation).frame};
    for (int step = 0; step < 6; ++step) {
        EXPECT_TRUE(AdvanceAnimation(animation, 1));
        shown.push_back(State(animation).frame);
    }
    // Two passes over 2-4; the control stops as the last frame of the last pass shows.
    EXPECT_EQ(shown, (std::vector<UINT>{2, 3, 4, 2, 3, 4, 4}));
    EXPECT_FALSE(State(animation).playing);
    EXPECT_TRUE(DeliveredAre({kStart, kStop}));

    Animate_Play(animation, 0, kForever, kForever);
    AdvanceAnimation(animation, 100);
    EXPECT_TRUE(State(animation).playing);
    EXPECT_EQ(State(animation).frame, 100u % 12u);
}

TEST_F(AnimationControlTest, ClosingOrDestroyingAPlayingControlPostsStopAndAutoplayStartsOnOpen) {
    const HWND animation = OpenedAnimation();
    Animate_Play(animation, 0, 3, 1);
    SendMessage(animation, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(animation));
    EXPECT_FALSE(State(animation).open);
    EXPECT_TRUE(DumpShows(parent, "[no clip]"));

    const HWND playing = OpenedAnimation();
    Animate_Play(playing, 0, 3, kForever);
    DestroyWindow(playing);
    EXPECT_TRUE(DeliveredAre({kStart, kStop}));

    // Autoplay starts on opening; closing answers FALSE, as in Windows, and stops the clip.
    const HWND autoplay = CreateAnimation(ACS_CENTER | ACS_AUTOPLAY);
    spy.Only({WM_COMMAND});
    EXPECT_EQ(Animate_Open(autoplay, m_clip.c_str()), TRUE);
    EXPECT_EQ(State(autoplay).to, 11u);
    EXPECT_EQ(State(autoplay).repeat, -1);
    EXPECT_EQ(Animate_Close(autoplay), FALSE);
    EXPECT_EQ(State(autoplay), AnimationState{});
    EXPECT_TRUE(DeliveredAre({kStart, kStop}));
}

TEST_F(AnimationControlTest, ParentDestroyingTheControlOnStartStopOrItsOpeningIsSafe) {
    for (const WORD code : {ACN_START, ACN_STOP}) {
        const HWND animation = OpenedAnimation();
        Animate_Play(animation, 0, 2, 1);
        AdvanceAnimation(animation, 2);
        const MessageHook destroyer = DestroyOnNotification(parent, code);
        PumpMessages();
        EXPECT_FALSE(IsWindow(animation));
        EXPECT_TRUE(FailsWith(AdvanceAnimation(animation, 1), ERROR_INVALID_WINDOW_HANDLE));
    }

    // Destroyed inside its request for the parent's background.
    const HWND animation = CreateAnimation(ACS_AUTOPLAY);
    const MessageHook destroyer(parent, [](const Message& m) -> std::optional<LRESULT> {
        if (m.id == WM_CTLCOLORSTATIC) DestroyWindow(reinterpret_cast<HWND>(m.lParam));
        return std::nullopt;
    });
    spy.Only({});
    EXPECT_EQ(Animate_Open(animation, m_clip.c_str()), FALSE);
    EXPECT_FALSE(IsWindow(animation));
    EXPECT_TRUE(DeliveredAre({kAskedForBackground, "parent WM_PARENTNOTIFY WM_DESTROY animation"}));
}

TEST_F(AnimationControlTest, TheFrameOnShowIsDrawnInThePalettesColours) {
    const HWND animation = OpenedAnimation();
    PixelImagePtr frame = GetAnimationFrame(animation);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(std::tie(frame->width, frame->height), std::make_tuple(32, 24));
    EXPECT_EQ(frame->At(0, 0), PixelFromColor(kClipPalette[0]));
    Animate_Play(animation, 0, kForever, kForever);
    AdvanceAnimation(animation, 6);  // Frame 6 is filled with index 2.
    frame = GetAnimationFrame(animation);
    EXPECT_EQ(frame->At(31, 23), PixelFromColor(kClipPalette[2]));

    Animate_Close(animation);
    EXPECT_TRUE(FailsWith(GetAnimationFrame(animation), ERROR_INVALID_PARAMETER));
    // Frames and states are read from animation controls only.
    EXPECT_EQ(GetAnimationFrame(parent), nullptr);
    EXPECT_TRUE(FailsWith(GetAnimationState(parent), ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(FailsWith(AdvanceAnimation(reinterpret_cast<HWND>(0x4321), 1),
                          ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(AnimationControlTest, ATransparentClipShowsTheParentsBackgroundWhereTheFirstPixelsColourIs) {
    ClipShape shape{.frames = 2, .width = 2, .height = 1, .framesPresent = 2};
    // The first frame's top-left pixel is colour 3; the second frame draws 3 and 1.
    shape.frameData = {std::string("\x03\x02\0\0", 4), std::string("\x01\x03\0\0", 4)};
    const std::string clip = WriteClip("keyed.avi", AviBytes(shape));
    const auto secondFrameOf = [&](DWORD style) {
        const HWND animation = CreateAnimation(style);
        EXPECT_TRUE(Animate_Open(animation, clip.c_str()));
        Animate_Play(animation, 0, 1, kForever);
        AdvanceAnimation(animation, 1);
        return GetAnimationFrame(animation)->pixels;
    };
    const std::uint32_t one = PixelFromColor(kClipPalette[1]);
    // Without a brush from the parent the key colour shows nothing.
    EXPECT_EQ(secondFrameOf(ACS_TRANSPARENT), (std::vector<std::uint32_t>{one, 0}));

    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    {
        // A parent that paints its own background answers WM_CTLCOLORSTATIC with its brush.
        const MessageHook background(parent, [brush](const Message& m) -> std::optional<LRESULT> {
            if (m.id == WM_CTLCOLORSTATIC) return reinterpret_cast<LRESULT>(brush);
            return std::nullopt;
        });
        EXPECT_EQ(secondFrameOf(ACS_TRANSPARENT),
                  (std::vector<std::uint32_t>{one, PixelFromColor(RGB(1, 2, 3))}));
        // Without ACS_TRANSPARENT the colour is drawn as it is.
        EXPECT_EQ(secondFrameOf(0),
                  (std::vector<std::uint32_t>{one, PixelFromColor(kClipPalette[3])}));
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
    EXPECT_TRUE(DeliveredAre({kStart, kStop}));

    // Stopping and destroying end the timer too.
    Animate_Play(animation, 0, 3, kForever);
    Animate_Stop(animation);
    EXPECT_FALSE(NextTimerDue().has_value());
    Animate_Play(animation, 0, 3, kForever);
    DestroyWindow(animation);
    EXPECT_FALSE(NextTimerDue().has_value());
}

}  // namespace
}  // namespace winport::test
