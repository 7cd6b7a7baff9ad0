// The host library's COM helpers: GUIDs in their registry form, UTF-16 texts to UTF-8, and the
// BSTR holder.
#include "hostlib/com/ComUtils.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "hostlib/com/MCBSTR.h"
#include "hostlib/com/UnicodeUtils.h"
#include "module/host/HostIds.h"
#include "platform/text/Bstr.h"

namespace {

TEST(ComUtilsTest, CLSIDToStringGivesTheBracedRegistryForm) {
    EXPECT_EQ(ComUtils::CLSIDToString(OwnerDetailsView), "{7762FBE0-7059-11D3-8DD2-00104B06462E}");
    EXPECT_EQ(ComUtils::CLSIDToString(winport::MakeGuid("{0a0b0c0d-0e0f-1011-a2b3-c4d5e6f70819}")),
              "{0A0B0C0D-0E0F-1011-A2B3-C4D5E6F70819}");
    EXPECT_EQ(ComUtils::CLSIDToString(GUID_NULL), "{00000000-0000-0000-0000-000000000000}");
}

TEST(UnicodeUtilsTest, UnicodeToStringGivesUtf8) {
    EXPECT_EQ(UnicodeUtils::UnicodeToString(u"Ελένη Zoë 東京 😀"), "Ελένη Zoë 東京 😀");
    EXPECT_EQ(UnicodeUtils::UnicodeToString(nullptr), "");
    EXPECT_EQ(UnicodeUtils::UnicodeToString(u""), "");
    const char16_t unpaired[] = {u'a', 0xD800, u'b', 0};
    EXPECT_EQ(UnicodeUtils::UnicodeToString(unpaired),
              "a\xEF\xBF\xBD"
              "b");
}

TEST(MCBSTRTest, HoldsTheTextAsWideCharactersAndFreesIt) {
    const std::size_t before = winport::LiveBstrCount();
    {
        MCBSTR text("Дмитрий 山田 😀");
        ASSERT_NE(text.Get(), nullptr);
        EXPECT_EQ(std::u16string(text.Get(), SysStringLen(text.Get())), u"Дмитрий 山田 😀");
        EXPECT_EQ(winport::LiveBstrCount(), before + 1);
        MCBSTR empty("");
        ASSERT_NE(empty.Get(), nullptr);
        EXPECT_EQ(SysStringLen(empty.Get()), 0u);
        MCBSTR zeros(std::string_view("a\0b", 3));
        EXPECT_EQ(SysStringLen(zeros.Get()), 3u) << "embedded zeros are kept";
    }
    EXPECT_EQ(winport::LiveBstrCount(), before);
}

}  // namespace
