#include "platform/com/Guid.h"

#include <string>
#include <unordered_set>

#include "tests/platform/HResultAssert.h"

namespace {

constexpr std::string_view kText = "{C68A53C0-379D-11D3-BCD7-0050048EBC8D}";
constexpr GUID kGuid{0xC68A53C0, 0x379D, 0x11D3, {0xBC, 0xD7, 0x00, 0x50, 0x04, 0x8E, 0xBC, 0x8D}};

static_assert(winport::MakeGuid("{c68a53c0-379d-11d3-bcd7-0050048ebc8d}") == kGuid);
static_assert(winport::ParseGuid("{C68A53C0-379D-11D3-BCD7-0050048EBC8}") == std::nullopt);

}  // namespace

TEST(GuidTest, ParsesAndPrintsTheRegistryFormAndWorksAsAHashKey) {
    EXPECT_EQ(winport::ParseGuid(kText), kGuid);
    EXPECT_EQ(winport::GuidToString(kGuid), kText);
    EXPECT_EQ(winport::GuidToString(GUID_NULL), "{00000000-0000-0000-0000-000000000000}");
    const GUID high{0xFFFFFFFF, 0xFFFF, 0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
    EXPECT_EQ(winport::ParseGuid(winport::GuidToString(high)), high);

    GUID sibling = kGuid;
    sibling.Data4[7] ^= 1;
    std::unordered_set<GUID> set{kGuid, sibling, kGuid};
    EXPECT_EQ(set.size(), 2u);
    EXPECT_TRUE(set.contains(sibling));
    EXPECT_FALSE(set.contains(GUID_NULL));
    EXPECT_FALSE(IsEqualGUID(kGuid, sibling));
}

TEST(GuidTest, RefusesEveryOtherTextAndClsidFromStringAndStringFromGuid2FollowWindows) {
    const std::string malformed[] = {
        "",
        "C68A53C0-379D-11D3-BCD7-0050048EBC8D",     // no braces
        "{C68A53C0-379D-11D3-BCD7-0050048EBC8D",    // no closing brace
        "(C68A53C0-379D-11D3-BCD7-0050048EBC8D)",   // other brackets
        "{C68A53C0-379D-11D3-BCD7-0050048EBC8D}x",  // trailing text
        " {C68A53C0-379D-11D3-BCD7-0050048EBC8D}",  // leading space
        "{C68A53C-0379D-11D3-BCD7-0050048EBC8D}",   // dash out of place
        "{C68A53C0-379D-11D3-BCD70050048EBC8D0}",   // missing dash
        "{C68A53C0-379D-11D3-BCD7-0050048EBC8G}",   // not hex
        "{C68A53C0-379D-11D3-BCD7-0050048EBC8}",    // one digit short
        "{0xA53C0-379D-11D3-BCD7-0050048EBC8D}",    // C notation
        std::string("{C68A53C0-379D-11D3-BCD7-0050048EBC8D\0", 38),
    };
    for (const std::string& text : malformed) {
        EXPECT_EQ(winport::ParseGuid(text), std::nullopt) << text;
    }

    CLSID clsid = kGuid;
    EXPECT_HRESULT(S_OK, CLSIDFromString(u"{c68a53c0-379d-11d3-bcd7-0050048ebc8d}", &clsid));
    EXPECT_EQ(clsid, kGuid);
    EXPECT_HRESULT(CO_E_CLASSSTRING,
                   CLSIDFromString(u"{C68A53C0-379D-11D3-BCD7-0050048EBC8D}}", &clsid));
    EXPECT_EQ(clsid, CLSID_NULL);
    // A fullwidth digit is no hex digit.
    EXPECT_HRESULT(CO_E_CLASSSTRING,
                   CLSIDFromString(u"{C68A53C0-379D-11D3-BCD7-0050048EBC8\uFF10}", &clsid));
    EXPECT_HRESULT(CO_E_CLASSSTRING, CLSIDFromString(u"Some.ProgId", &clsid));
    EXPECT_HRESULT(E_INVALIDARG,
                   CLSIDFromString(u"{C68A53C0-379D-11D3-BCD7-0050048EBC8D}", nullptr));
    clsid = kGuid;
    EXPECT_HRESULT(S_OK, CLSIDFromString(nullptr, &clsid));
    EXPECT_EQ(clsid, CLSID_NULL);

    WCHAR buffer[64];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    EXPECT_EQ(StringFromGUID2(kGuid, buffer, CHARS_IN_GUID - 1), 0);
    EXPECT_EQ(buffer[0], u'#');
    EXPECT_EQ(StringFromGUID2(kGuid, nullptr, CHARS_IN_GUID), 0);
    EXPECT_EQ(StringFromGUID2(kGuid, buffer, CHARS_IN_GUID), CHARS_IN_GUID);
    EXPECT_EQ(std::u16string(buffer), u"{C68A53C0-379D-11D3-BCD7-0050048EBC8D}");
    EXPECT_EQ(StringFromGUID2(GUID_NULL, buffer, 64), CHARS_IN_GUID);
    EXPECT_EQ(buffer[CHARS_IN_GUID], u'#');
}
