#include "hostlib/property/MCVariantProperty.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "hostlib/property/PropertyText.h"
#include "platform/text/Utf16.h"
#include "tests/hostlib/PropertySetTestSupport.h"

namespace {

using MCVariantPropertyTest = VariantPropertySetFixture;

// Stores |bits| as a T in a key, a list element and a nested key, and reads each back.
template <class T>
void StoreAndRead(MCVariantPropertySet& set, const char* type, unsigned long long bits) {
    const T value = static_cast<T>(bits);
    const std::string text = std::is_same_v<T, bool> ? (value ? "1" : "0") : std::to_string(+value);
    SCOPED_TRACE(std::string(type) + " " + text);
    for (MCVariantProperty property : {set["Value"], set["List"][2], set["Nested"]["Value"]}) {
        property = value;
        ExpectReadsAsC(property, value);
    }
    EXPECT_EQ(std::string(set["Value"]), text);
}

// Values either side of every width's limit and sign bit, and a few more, stored in each C type.
// Among them the readings the module relies on: a stored 255 read as a char is -1, a stored -1
// read as an unsigned short 65535, and 256 read as a bool true but as an unsigned char 0. List
// elements and nested values convert alike.
TEST_F(MCVariantPropertyTest, ReadsAsCConvertsTheStoredValueAndAsTextInDecimal) {
    std::vector<unsigned long long> samples = {0, 1, 0x123456789ABC, ULLONG_MAX - 0x7F, ULLONG_MAX};
    for (const int bits : {7, 8, 15, 16, 31, 32, 63}) {
        samples.push_back((1ULL << bits) - 1);
        samples.push_back(1ULL << bits);
    }
    for (const unsigned long long bits : samples) {
        StoreAndRead<char>(set, "char", bits);
        StoreAndRead<bool>(set, "bool", bits);
        StoreAndRead<unsigned char>(set, "uchar", bits);
        StoreAndRead<short>(set, "short", bits);
        StoreAndRead<unsigned short>(set, "ushort", bits);
        StoreAndRead<int>(set, "int", bits);
        StoreAndRead<unsigned int>(set, "uint", bits);
        StoreAndRead<long>(set, "long", bits);
        StoreAndRead<unsigned long>(set, "ulong", bits);
    }
}

TEST_F(MCVariantPropertyTest, TextReadsAsStrtollAndAssignmentsKeepTheirType) {
    for (const auto& [text, number] :
         std::initializer_list<std::tuple<const char*, long>>{{"42", 42},
                                                              {"  -17", -17},
                                                              {"+8 apples", 8},
                                                              {"apples", 0},
                                                              {"", 0},
                                                              {"0x10", 0},
                                                              {"99999999999999999999", LONG_MAX},
                                                              {"true", 0},
                                                              {"300", 300}}) {
        SCOPED_TRACE(text);
        set["Value"] = text;
        EXPECT_EQ(static_cast<long>(set["Value"]), number);
        EXPECT_EQ(static_cast<bool>(set["Value"]), number != 0);
        EXPECT_EQ(static_cast<unsigned char>(set["Value"]), static_cast<unsigned char>(number));
        EXPECT_EQ(static_cast<char>(set["Value"]), static_cast<char>(number));
        EXPECT_EQ(std::string(set["Value"]), text);
    }

    // Assignments accept every text form.
    set["A"] = std::string("from string");
    set["B"] = std::string_view("from view");
    set["C"] = static_cast<const char*>(nullptr);
    EXPECT_EQ(std::string(set["A"]), "from string");
    EXPECT_EQ(std::string(set["B"]), "from view");
    EXPECT_EQ(std::string(set["C"]), "");
    NUVValueType type = NUVValueType::Missing;
    ASSERT_EQ(store->GetValue(u"C", -1, &type, nullptr, nullptr), S_OK);
    EXPECT_EQ(type, NUVValueType::Text);
    // An integer assignment keeps the C type.
    set["Char"] = 'x';
    set["ULong"] = ULONG_MAX;
    ASSERT_EQ(store->GetValue(u"Char", -1, &type, nullptr, nullptr), S_OK);
    EXPECT_EQ(type, NUVValueType::Char);
    ASSERT_EQ(store->GetValue(u"ULong", -1, &type, nullptr, nullptr), S_OK);
    EXPECT_EQ(type, NUVValueType::ULong);
    EXPECT_EQ(std::string(set["ULong"]), std::to_string(ULONG_MAX));
}

TEST_F(MCVariantPropertyTest, ListsAndSetsReadAsZeroAndEmpty) {
    set["List"][0] = "x";
    set["Nested"]["Key"] = 5;
    for (const char* key : {"List", "Nested"}) {
        EXPECT_EQ(static_cast<int>(set[key]), 0) << key;
        EXPECT_FALSE(static_cast<bool>(set[key])) << key;
        EXPECT_EQ(std::string(set[key]), "") << key;
    }
}

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
