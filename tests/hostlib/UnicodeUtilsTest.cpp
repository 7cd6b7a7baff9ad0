#include "hostlib/com/UnicodeUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(UnicodeUtilsTest, UnicodeToStringGivesUtf8) {
    EXPECT_EQ(UnicodeUtils::UnicodeToString(u"Ελένη Zoë 東京 😀"), "Ελένη Zoë 東京 😀");
    EXPECT_EQ(UnicodeUtils::UnicodeToString(nullptr), "");
    EXPECT_EQ(UnicodeUtils::UnicodeToString(u""), "");
    const char16_t unpaired[] = {u'a', 0xD800, u'b', 0};
    EXPECT_EQ(UnicodeUtils::UnicodeToString(unpaired),
              "a\xEF\xBF\xBD"
              "b");
}

}  // namespace
