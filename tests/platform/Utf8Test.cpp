#include "platform/text/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// A name, a text and how many code points it holds.
const std::tuple<const char*, std::string, std::size_t> kSamples[] = {
    {"latin", "Crème brûlée à la Ørsted", 24}, {"greek", "Καλημέρα κόσμε", 14},
    {"cyrillic", "Съешь же ещё", 12},          {"cjk", "東京都渋谷区", 6},
    {"emoji", "ok 😀👍🏽!", 7},          {"mixed", "aé中😀", 4},
};

bool StartsOnALeadByte(std::string_view text) {
    return text.empty() || (static_cast<unsigned char>(text[0]) & 0xC0) != 0x80;
}

}  // namespace

TEST(Utf8Test, CountsAndCutsOnSequenceBoundariesWithOffsetsClampedToTheText) {
    for (const auto& [name, utf8, codePoints] : kSamples) {
        SCOPED_TRACE(name);
        EXPECT_EQ(winport::CodePointCount(utf8), codePoints);
        for (std::size_t n = 0; n <= codePoints + 1; ++n) {
            const std::string_view prefix = winport::Utf8Prefix(utf8, n);
            EXPECT_EQ(winport::CodePointCount(prefix), std::min(n, codePoints));
            EXPECT_EQ(prefix.size(), winport::Utf8OffsetOfCodePoint(utf8, n));
            EXPECT_TRUE(StartsOnALeadByte(std::string_view(utf8).substr(prefix.size())));
            EXPECT_EQ(std::string(prefix).find(winport::EncodeUtf8(winport::kReplacementCharacter)),
                      std::string::npos);
        }
    }

    const std::string text = "aé中😀";
    const std::size_t expected[] = {0, 1, 3, 6, 10, 10};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(winport::Utf8OffsetOfCodePoint(text, i), expected[i]) << "index " << i;
    }
    EXPECT_EQ(winport::Utf8OffsetOfCodePoint(text, std::string::npos), text.size());
    EXPECT_EQ(winport::Utf8Prefix("", 3), "");
}

TEST(Utf8Test, EncodesAndDecodesEveryLengthBoundaryAndIllFormedSequencesAsOneReplacement) {
    const std::tuple<char32_t, std::size_t> cases[] = {
        {0, 1},      {0x7F, 1},   {0x80, 2},   {0x7FF, 2},   {0x800, 3},
        {0xD7FF, 3}, {0xE000, 3}, {0xFFFF, 3}, {0x10000, 4}, {0x10FFFF, 4}};
    for (const auto& [codePoint, length] : cases) {
        const std::string encoded = winport::EncodeUtf8(codePoint);
        EXPECT_EQ(encoded.size(), length) << std::hex << static_cast<std::uint32_t>(codePoint);
        const winport::Utf8Decoded decoded = winport::DecodeUtf8(encoded + "tail");
        EXPECT_EQ(std::pair(decoded.codePoint, decoded.length), std::pair(codePoint, length));
    }
    EXPECT_EQ(winport::EncodeUtf8(U'😀'), "\xF0\x9F\x98\x80");
    EXPECT_EQ(winport::EncodeUtf8(0xD800), "\xEF\xBF\xBD");
    EXPECT_EQ(winport::EncodeUtf8(0x110000), "\xEF\xBF\xBD");
    EXPECT_EQ(winport::DecodeUtf8("").length, 0u);

    const std::tuple<std::string, std::size_t> illFormed[] = {
        {"\x80", 1},              // stray continuation byte
        {"\xC0\xAF", 1},          // overlong lead
        {"\xE0\x80\xAF", 1},      // overlong three-byte form
        {"\xED\xA0\x80", 1},      // encoded surrogate
        {"\xF4\x90\x80\x80", 1},  // past U+10FFFF
        {"\xFF", 1},              // never a lead byte
        {"\xE2\x82", 2},          // truncated, then end of text
        {"\xF0\x9F\x98\x41", 3},  // truncated, then ASCII "A"
        {"\xC3\xC3\xA9", 1},      // truncated, then a valid sequence
    };
    for (const auto& [bytes, consumed] : illFormed) {
        const winport::Utf8Decoded decoded = winport::DecodeUtf8(bytes);
        EXPECT_EQ(std::pair(decoded.codePoint, decoded.length),
                  std::pair(winport::kReplacementCharacter, consumed))
            << testing::PrintToString(bytes);
    }
    const std::string text = "a\xE2\x82\x62\xC3";  // "a", cut "€", "b", cut "é".
    EXPECT_EQ(winport::CodePointCount(text), 4u);
    EXPECT_EQ(winport::Utf8Prefix(text, 2), "a\xE2\x82");
}
