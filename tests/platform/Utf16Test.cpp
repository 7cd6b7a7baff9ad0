#include "platform/text/Utf16.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(Utf16Test, RoundTripsEveryScriptReplacesIllFormedInputAndStopsAtAZero) {
    const std::tuple<std::string, std::u16string> cases[] = {
        {"Crème brûlée", u"Crème brûlée"},
        {"東京都渋谷区", u"東京都渋谷区"},
        {"ok 😀👍🏽", u"ok 😀👍🏽"},
        {std::string("nul\0inside", 10), std::u16string(u"nul\0inside", 10)},
        {"", u""},
    };
    for (const auto& [utf8, utf16] : cases) {
        EXPECT_EQ(winport::Utf8ToUtf16(utf8), utf16) << utf8;
        EXPECT_EQ(winport::Utf16ToUtf8(utf16), utf8);
    }
    EXPECT_EQ(winport::Utf8ToUtf16("😀").size(), 2u);

    EXPECT_EQ(winport::Utf16ToUtf8(std::u16string_view(u"a\xD83D", 2)), "a\uFFFD");
    EXPECT_EQ(winport::Utf16ToUtf8(std::u16string_view(u"\xDE00z", 2)), "\uFFFDz");
    EXPECT_EQ(winport::Utf16ToUtf8(std::u16string_view(u"\xDE00\xD83D", 2)), "\uFFFD\uFFFD");
    EXPECT_EQ(winport::Utf16ToUtf8(std::u16string_view(u"\xD83D\xD83D\xDE00", 3)), "\uFFFD😀");
    EXPECT_EQ(winport::Utf8ToUtf16("x\xE2\x82y\xFF"), u"x\uFFFDy\uFFFD");

    const WCHAR text[] = u"wide\0hidden";
    EXPECT_EQ(winport::Utf16ToUtf8(text), "wide");
    EXPECT_EQ(winport::Utf16ToUtf8(static_cast<LPCWSTR>(nullptr)), "");
}
