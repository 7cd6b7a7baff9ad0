#include "platform/text/Utf16.h"

#include <gtest/gtest.h>

TEST(Utf16Test, RoundTripsEveryScriptReplacesIllFormedInputAndStopsAtAZero) {
    const struct {
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"Crème brûlée", u"Crème brûlée"},
        {"東京都渋谷区", u"東京都渋谷区"},
        {"ok 😀👍🏽", u"ok 😀👍🏽"},
        {std::string("nul\0inside", 10), std::u16string(u"nul\0inside", 10)},
        {"", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(winport::Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(winport::Utf16ToUtf8(c.utf16), c.utf8);
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
