#include "hostlib/property/PropertyText.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text/Utf16.h"

namespace {

// Texts at the edges of the ASCII shortcut: empty, embedded zeros, the last ASCII unit and the
// first that is not, each script's letters, a four-byte sequence.
const std::string kTexts[] = {
    "",           "FirstName",    std::string("nul\0inside", 10), "\x7F", "\xC2\x80",
    "HomeCity é", "Γιώργος 山田", "e\xCC\x81 \xF0\x9F\x98\x80",
};

TEST(PropertyTextTest, TextConvertsAsTheFullConverterConvertsIt) {
    for (const std::string& text : kTexts) {
        const std::u16string wide = PropertyTextToWide(text);
        EXPECT_EQ(wide, winport::Utf8ToUtf16(text)) << text;
        EXPECT_EQ(PropertyTextFromWide(wide), text) << text;
    }
    EXPECT_EQ(PropertyTextToWide("Email"), u"Email");
    EXPECT_EQ(PropertyTextFromWide(u"Straße"),
              "Stra\xC3\x9F"
              "e");
    // Ill-formed input converts as the full converter converts it, never narrowed unit by unit.
    EXPECT_EQ(PropertyTextToWide("a\xFF"
                                 "b"),
              u"a\uFFFDb");
    EXPECT_EQ(PropertyTextToWide("\xC3"), u"\uFFFD");
    const char16_t loneSurrogate[] = {u'k', 0xD800, u'y', 0};
    EXPECT_EQ(PropertyTextFromWide(loneSurrogate), "k\xEF\xBF\xBDy");
    const char16_t wideUnit[] = {u'A', 0x0141, 0};
    EXPECT_EQ(PropertyTextFromWide(wideUnit), "A\xC5\x81");
}

}  // namespace
