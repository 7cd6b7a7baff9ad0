#include <gtest/gtest.h>

#include <tuple>

#include "AviTestClips.h"

namespace winport::test {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int value : values) bytes += static_cast<char>(value);
    return bytes;
}

// Frame |index| of |clip| with each row as a string of index digits, top row first.
std::vector<std::string> Rows(const AviClip& clip, std::size_t index) {
    std::vector<std::string> rows;
    const std::vector<BYTE>& frame = clip.frames.at(index);
    for (LONG y = 0; y < clip.height; ++y) {
        std::string row;
        for (LONG x = 0; x < clip.width; ++x)
            row += static_cast<char>('0' + frame[static_cast<std::size_t>(y * clip.width + x)]);
        rows.push_back(row);
    }
    return rows;
}

AviClip ParseOrFail(const ClipShape& shape) {
    std::string error;
    std::optional<AviClip> clip = ParseClip(AviBytes(shape), error);
    EXPECT_TRUE(clip.has_value()) << error;
    return clip.value_or(AviClip{});
}

TEST(AviClipTest, ReadsTheHeaderPaletteAndFramesWithPaddedRowsBottomUpUnlessHeightIsNegative) {
    const AviClip clip = ParseOrFail({});
    EXPECT_EQ(std::tie(clip.frameCount, clip.width, clip.height, clip.microSecondsPerFrame),
              std::make_tuple(12u, 32, 24, 66666u));
    EXPECT_EQ(clip.palette, kClipPalette);
    ASSERT_EQ(clip.frames.size(), 12u);
    EXPECT_EQ(clip.frames[5], std::vector<BYTE>(32 * 24, 1));

    ClipShape shape{.frames = 1, .width = 3, .height = 2, .framesPresent = 1};
    // Rows of three pixels padded to four bytes; the bottom row first.
    shape.frameData = {Bytes({1, 1, 1, 9, 2, 3, 0, 9})};
    EXPECT_EQ(Rows(ParseOrFail(shape), 0), (std::vector<std::string>{"230", "111"}));
    shape.topDown = true;
    EXPECT_EQ(Rows(ParseOrFail(shape), 0), (std::vector<std::string>{"111", "230"}));
}

TEST(AviClipTest, RunLengthFramesDrawOverThePreviousFrameAndEmptyChunksRepeatIt) {
    ClipShape shape{.frames = 4, .width = 4, .height = 3, .framesPresent = 4};
    shape.compression = BI_RLE8;
    shape.frameData = {
        // Bottom row: a run of four 1s; middle row: a literal run of three (padded) and one 2;
        // top row: 3 at the end after a jump; then the end of the frame.
        Bytes({4, 1, 0, 0, 0, 3, 2, 3, 2, 0, 1, 2, 0, 0, 0, 2, 3, 0, 1, 3, 0, 1}),
        // Only a jump into the middle row and one 0 there: the rest stays.
        Bytes({0, 2, 1, 1, 1, 0, 0, 1}),
        "",
        // A run longer than the row is cut off at the frame's edge.
        Bytes({9, 2, 0, 1}),
    };
    // Another stream's chunk in between is not a frame.
    shape.otherChunks = Chunk("01wb", "sound");
    const AviClip clip = ParseOrFail(shape);
    EXPECT_EQ(Rows(clip, 0), (std::vector<std::string>{"0003", "2322", "1111"}));
    EXPECT_EQ(Rows(clip, 1), (std::vector<std::string>{"0003", "2022", "1111"}));
    EXPECT_EQ(Rows(clip, 2), Rows(clip, 1));
    EXPECT_EQ(Rows(clip, 3), (std::vector<std::string>{"0003", "2022", "2222"}));
}

ClipShape RunLength(std::string frame) {
    ClipShape shape{.frames = 1, .width = 4, .height = 2, .framesPresent = 1};
    shape.compression = BI_RLE8;
    shape.frameData = {std::move(frame)};
    return shape;
}

TEST(AviClipTest, MalformedClipsAreRefusedWithAReason) {
    const std::string valid = AviBytes({});
    const std::tuple<std::string, const char*> cases[] = {
        {"", "not a RIFF file"},
        {"JUNK" + valid.substr(4), "not a RIFF file"},
        {"RIFF" + Dword(4) + "WAVE", "not an AVI clip"},
        {valid.substr(0, valid.size() / 2), "truncated"},
        {"RIFF" + Dword(4 + 12) + "AVI " + List("movi", ""), "no 'hdrl' list"},
        {AviBytes({12, 32, 24, 66666, 5}), "holds 5 of the 12"},
        {"RIFF" + Dword(4 + 24) + "AVI " + List("hdrl", Chunk("avih", Dword(1))),
         "no complete 'avih'"},
        {AviBytes({.bits = 24}), "only 8-bit frames"},
        {AviBytes({.compression = 2}), "only 8-bit frames"},
        {AviBytes({.palette = std::vector<COLORREF>(300)}), "lacks its palette"},
        {AviBytes({.frames = 1, .framesPresent = 1, .frameData = {"abc"}}),
         "frame 0 holds 3 bytes"},
        {AviBytes(RunLength(Bytes({0, 5, 1, 2}))), "frame 0 has a literal run of 5"},
        {AviBytes(RunLength(Bytes({0, 2, 1}))), "frame 0 ends inside a jump"},
        {AviBytes({.frames = 0, .framesPresent = 0}), "cannot be played"},
    };
    for (const auto& [bytes, complaint] : cases) {
        std::string error;
        EXPECT_FALSE(ParseClip(bytes, error).has_value()) << complaint;
        EXPECT_NE(error.find(complaint), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace winport::test
