// The host library's BSTR holder. (Its GUID and UTF-16 helpers hand on the platform's
// conversions, which the platform's tests pin.)
#include "hostlib/com/MCBSTR.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/text/Bstr.h"

namespace {

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
