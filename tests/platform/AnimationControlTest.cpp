#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "ControlTestSupport.h"
#include "platform/automation/WindowDump.h"
#include "platform/controls/AnimationApi.h"
#include "platform/controls/AnimationClip.h"
#include "platform/message/MessageApi.h"

namespace winport::test {
namespace {

constexpr int kAnimationId = 30;
const std::string kStart = "parent WM_COMMAND 1 30";
const std::string kStop = "parent WM_COMMAND 2 30";

// A clip written as its RIFF bytes: a main header, one video stream of 8-bit frames, the frames.
struct ClipShape {
    std::uint32_t frames = 12;
    std::uint32_t width = 32;
    std::uint32_t height = 24;
    std::uint32_t microSecondsPerFrame = 66666;
    std::uint32_t framesPresent = 12;
};

std::string Dword(std::uint32_t value) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
    return bytes;
}

std::string Chunk(std::string_view id, const std::string& data) {
    std::string chunk = std::string(id) + Dword(static_cast<std::uint32_t>(data.size())) + data;
    if (data.size() % 2) chunk += '\0';
    return chunk;
}

std::string List(std::string_view type, const std::string& content) {
    return Chunk("LIST", std::string(type) + content);
}

std::string AviBytes(const ClipShape& shape) {
    const std::uint32_t frameBytes = shape.width * shape.height;
    std::string mainHeader = Dword(shape.microSecondsPerFrame) + Dword(0) + Dword(0) + Dword(0x10) +
                             Dword(shape.frames) + Dword(0) + Dword(1) + Dword(frameBytes) +
                             Dword(shape.width) + Dword(shape.height);
    mainHeader += std::string(16, '\0');
    const std::string streamHeader = "vidsDIB " + std::string(48, '\0');
    const std::string bitmapInfo = Dword(40) + Dword(shape.width) + Dword(shape.height) +
                                   std::string("\x01\x00\x08\x00", 4) + std::string(24, '\0');
    std::string frames;
    for (std::uint32_t i = 0; i < shape.framesPresent; ++i) {
        frames += Chunk("00db", std::string(frameBytes, static_cast<char>(i)));
    }
    const std::string body =
        "AVI " +
        List("hdrl", Chunk("avih", mainHeader) +
                         List("strl", Chunk("strh", streamHeader) + Chunk("strf", bitmapInfo))) +
        List("movi", frames) + Chunk("idx1", "");
    return "RIFF" + Dword(static_cast<std::uint32_t>(body.size())) + body;
}

std::optional<AviClip> Parse(const std::string& bytes, std::string& error) {
    return ParseAviClip(std::span(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size()),
                        error);
}

TEST(AviClipTest, ReadsFrameCountSizeAndRateFromTheMainHeader) {
    std::string error;
    const auto clip = Parse(AviBytes({12, 32, 24, 66666, 12}), error);
    ASSERT_TRUE(clip.has_value()) << error;
    EXPECT_EQ(*clip, (AviClip{12, 32, 24, 66666}));
}

struct MalformedCase {
    const char* why;
    std::string bytes;
    const char* complaint;
};

class MalformedClipTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedClipTest, IsRefusedWithAReason) {
    std::string error;
    EXPECT_FALSE(Parse(GetParam().bytes, error).has_value()) << GetParam().why;
    EXPECT_NE(error.find(GetParam().complaint), std::string::npos) << error;
}

const std::string kValid = AviBytes({});

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedClipTest,
    ::testing::Values(
        MalformedCase{"empty", "", "not a RIFF file"},
        MalformedCase{"not RIFF", "JUNK" + kValid.substr(4), "not a RIFF file"},
        MalformedCase{"a sound file", "RIFF" + Dword(4) + "WAVE", "not an AVI clip"},
        MalformedCase{"cut in half", kValid.substr(0, kValid.size() / 2), "truncated"},
        MalformedCase{"no header list", "RIFF" + Dword(4 + 12) + "AVI " + List("movi", ""),
                      "no 'hdrl' list"},
        MalformedCase{"frames missing", AviBytes({12, 32, 24, 66666, 5}), "holds 5 of the 12"},
        MalformedCase{"short main header",
                      "RIFF" + Dword(4 + 24) + "AVI " + List("hdrl", Chunk("avih", Dword(1))),
                      "no complete 'avih'"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

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

}  // namespace
}  // namespace winport::test
