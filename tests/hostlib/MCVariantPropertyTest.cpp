#include "hostlib/property/MCVariantProperty.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "tests/hostlib/PropertySetTestSupport.h"

namespace {

// Every read conversion of |property| gives what C gives for |stored| converted to that type.
template <class T>
void ExpectReadsAsC(const MCVariantProperty& property, T stored) {
    EXPECT_EQ(static_cast<char>(property), static_cast<char>(stored)) << "as char";
    EXPECT_EQ(static_cast<bool>(property), static_cast<bool>(stored)) << "as bool";
    EXPECT_EQ(static_cast<unsigned char>(property), static_cast<unsigned char>(stored))
        << "as unsigned char";
    EXPECT_EQ(static_cast<short>(property), static_cast<short>(stored)) << "as short";
    EXPECT_EQ(static_cast<unsigned short>(property), static_cast<unsigned short>(stored))
        << "as unsigned short";
    EXPECT_EQ(static_cast<int>(property), static_cast<int>(stored)) << "as int";
    EXPECT_EQ(static_cast<unsigned int>(property), static_cast<unsigned int>(stored))
        << "as unsigned int";
    EXPECT_EQ(static_cast<long>(property), static_cast<long>(stored)) << "as long";
    EXPECT_EQ(static_cast<unsigned long>(property), static_cast<unsigned long>(stored))
        << "as unsigned long";
}

struct StoredCase {
    std::string name;
    std::function<void(MCVariantProperty)> write;
    std::function<void(const MCVariantProperty&)> expectReads;
    std::string text;  // the decimal form a read as text gives
};

template <class T>
StoredCase Stored(const char* type, unsigned long long bits) {
    const T value = static_cast<T>(bits);
    std::string text;
    if constexpr (std::is_same_v<T, bool>) {
        text = value ? "1" : "0";
    } else {
        text = std::to_string(+value);
    }
    return {std::string(type) + "_" + text,
            [value](MCVariantProperty property) { property = value; },
            [value](const MCVariantProperty& property) { ExpectReadsAsC(property, value); }, text};
}

// Values that cross every width's limits and sign.
constexpr unsigned long long kSamples[] = {
    0,
    1,
    0x7F,
    0x80,
    0xFF,
    0x100,
    0x7FFF,
    0x8000,
    0xFFFF,
    0x10000,
    0x7FFFFFFF,
    0x80000000,
    0xFFFFFFFF,
    0x100000000,
    ULLONG_MAX,
    ULLONG_MAX - 0x7F,
    0x8000000000000000,
    0x123456789ABC,
};

template <class T>
void AddSamples(std::vector<StoredCase>& cases, const char* type) {
    for (unsigned long long bits : kSamples) {
        StoredCase c = Stored<T>(type, bits);
        bool seen = false;
        for (const StoredCase& other : cases) seen = seen || other.name == c.name;
        if (!seen) cases.push_back(std::move(c));
    }
}

std::vector<StoredCase> AllStoredCases() {
    std::vector<StoredCase> cases;
    AddSamples<char>(cases, "char");
    AddSamples<bool>(cases, "bool");
    AddSamples<unsigned char>(cases, "uchar");
    AddSamples<short>(cases, "short");
    AddSamples<unsigned short>(cases, "ushort");
    AddSamples<int>(cases, "int");
    AddSamples<unsigned int>(cases, "uint");
    AddSamples<long>(cases, "long");
    AddSamples<unsigned long>(cases, "ulong");
    return cases;
}

class MCVariantPropertyConversionTest : public VariantPropertySetFixture,
                                        public ::testing::WithParamInterface<StoredCase> {};

TEST_P(MCVariantPropertyConversionTest, ReadsAsCConvertsTheStoredValue) {
    GetParam().write(set["Value"]);
    GetParam().expectReads(set["Value"]);
}

TEST_P(MCVariantPropertyConversionTest, ReadsAsTextInDecimal) {
    GetParam().write(set["Value"]);
    EXPECT_EQ(std::string(set["Value"]), GetParam().text);
}

TEST_P(MCVariantPropertyConversionTest, ListElementsAndNestedValuesConvertAlike) {
    GetParam().write(set["List"][2]);
    GetParam().write(set["Nested"]["Value"]);
    GetParam().expectReads(set["List"][2]);
    GetParam().expectReads(set["Nested"]["Value"]);
}

INSTANTIATE_TEST_SUITE_P(EveryTypePair, MCVariantPropertyConversionTest,
                         ::testing::ValuesIn(AllStoredCases()), [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (c == '-') c = 'm';
                             }
                             return name;
                         });

using MCVariantPropertyTest = VariantPropertySetFixture;

TEST_F(MCVariantPropertyTest, StoredByteOf255ReadsAsCharMinusOne) {
    set["TimeZone"] = static_cast<unsigned char>(255);
    if constexpr (std::is_signed_v<char>) {
        EXPECT_EQ(static_cast<char>(set["TimeZone"]), -1);
    }
    EXPECT_EQ(static_cast<int>(static_cast<signed char>(static_cast<char>(set["TimeZone"]))), -1);
    EXPECT_EQ(static_cast<int>(set["TimeZone"]), 255);
}

TEST_F(MCVariantPropertyTest, StoredMinusOneReadsAsUnsignedShort65535) {
    set["UpdateInfoStatus"] = -1;
    EXPECT_EQ(static_cast<unsigned short>(set["UpdateInfoStatus"]), 65535);
    set["UpdateInfoStatus"] = static_cast<short>(-1);
    EXPECT_EQ(static_cast<unsigned short>(set["UpdateInfoStatus"]), 65535);
}

TEST_F(MCVariantPropertyTest, BoolIsNonzero) {
    set["Flag"] = 256;
    EXPECT_TRUE(static_cast<bool>(set["Flag"]));
    EXPECT_EQ(static_cast<unsigned char>(set["Flag"]), 0);
    set["Flag"] = true;
    EXPECT_EQ(static_cast<int>(set["Flag"]), 1);
}

struct TextCase {
    const char* text;
    long number;
};

class MCVariantPropertyTextTest : public VariantPropertySetFixture,
                                  public ::testing::WithParamInterface<TextCase> {};

TEST_P(MCVariantPropertyTextTest, ReadsAsStrtollAndStaysText) {
    set["Value"] = GetParam().text;
    EXPECT_EQ(static_cast<long>(set["Value"]), GetParam().number);
    EXPECT_EQ(static_cast<bool>(set["Value"]), GetParam().number != 0);
    EXPECT_EQ(std::string(set["Value"]), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Texts, MCVariantPropertyTextTest,
                         ::testing::Values(TextCase{"42", 42}, TextCase{"  -17", -17},
                                           TextCase{"+8 apples", 8}, TextCase{"apples", 0},
                                           TextCase{"", 0}, TextCase{"0x10", 0},
                                           TextCase{"99999999999999999999", LONG_MAX},
                                           TextCase{"true", 0}));

TEST_F(MCVariantPropertyTest, TextReadAsNumberConvertsToTheNarrowType) {
    set["Value"] = "300";
    EXPECT_EQ(static_cast<unsigned char>(set["Value"]), 44);
    EXPECT_EQ(static_cast<char>(set["Value"]), static_cast<char>(300));
}

TEST_F(MCVariantPropertyTest, TextAssignmentsAcceptEveryForm) {
    set["A"] = std::string("from string");
    set["B"] = std::string_view("from view");
    set["C"] = static_cast<const char*>(nullptr);
    EXPECT_EQ(std::string(set["A"]), "from string");
    EXPECT_EQ(std::string(set["B"]), "from view");
    EXPECT_EQ(std::string(set["C"]), "");
    NUVValueType type = NUVValueType::Missing;
    ASSERT_EQ(store->GetValue(u"C", -1, &type, nullptr, nullptr), S_OK);
    EXPECT_EQ(type, NUVValueType::Text);
}

TEST_F(MCVariantPropertyTest, AssignmentKeepsTheCType) {
    set["Char"] = 'x';
    set["ULong"] = ULONG_MAX;
    NUVValueType type = NUVValueType::Missing;
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

}  // namespace
