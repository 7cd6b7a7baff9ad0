#include "hostlib/property/MCMemoryPropertySet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/text/Bstr.h"

namespace {

class MCMemoryPropertySetTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(set->RefCount(), 1u); }

    struct Read {
        HRESULT hr;
        NUVValueType type;
        std::int64_t integer;
        std::u16string text;
        bool hasText;
    };
    Read Get(LPCOLESTR key, LONG index = -1) {
        Read read{};
        BSTR text = nullptr;
        read.hr = set->GetValue(key, index, &read.type, &read.integer, &text);
        read.hasText = text != nullptr;
        if (text) read.text.assign(text, SysStringLen(text));
        SysFreeString(text);
        return read;
    }

    winport::ComPtr<MCMemoryPropertySet> set = MCMemoryPropertySet::Create();
};

TEST_F(MCMemoryPropertySetTest, MissingKeysAndBadArgumentsAreReportedAndStoreNothing) {
    const Read missing = Get(u"HomeCity");
    EXPECT_EQ(missing.hr, S_OK);
    EXPECT_EQ(missing.type, NUVValueType::Missing);
    EXPECT_EQ(missing.integer, 0);
    EXPECT_FALSE(missing.hasText);

    NUVValueType type{};
    EXPECT_EQ(set->GetValue(nullptr, -1, &type, nullptr, nullptr), E_POINTER);
    EXPECT_EQ(set->GetValue(u"Key", -1, nullptr, nullptr, nullptr), E_POINTER);
    EXPECT_EQ(set->GetValue(u"", -1, &type, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(set->GetValue(u"Key", -2, &type, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(set->SetInteger(u"Key", kNUVMaxListIndex + 1, NUVValueType::Int, 1), E_INVALIDARG);
    EXPECT_EQ(set->SetText(u"Key", -1, nullptr), E_POINTER);
    EXPECT_EQ(set->SetText(nullptr, -1, u"x"), E_POINTER);
    EXPECT_EQ(set->Remove(nullptr), E_POINTER);
    // SetInteger takes only integer types.
    for (NUVValueType type : {NUVValueType::Missing, NUVValueType::Text, NUVValueType::List,
                              NUVValueType::PropertySet}) {
        EXPECT_EQ(set->SetInteger(u"Key", -1, type, 1), E_INVALIDARG);
    }
    EXPECT_EQ(Get(u"Key").type, NUVValueType::Missing);
}

TEST_F(MCMemoryPropertySetTest, ValuesKeepTheirTypeAndElementWritesMakeAndGrowAList) {
    ASSERT_EQ(set->SetInteger(u"Byte", -1, NUVValueType::UChar, 300), S_OK);
    ASSERT_EQ(set->SetInteger(u"Char", -1, NUVValueType::Char, 255), S_OK);
    ASSERT_EQ(set->SetInteger(u"Flag", -1, NUVValueType::Bool, 7), S_OK);
    EXPECT_EQ(Get(u"Byte").integer, 44);
    EXPECT_EQ(Get(u"Byte").type, NUVValueType::UChar);
    EXPECT_EQ(Get(u"Char").integer, static_cast<char>(255));
    EXPECT_EQ(Get(u"Flag").integer, 1);

    ASSERT_EQ(set->SetText(u"City", -1, u"東京"), S_OK);
    const Read read = Get(u"City");
    EXPECT_EQ(read.type, NUVValueType::Text);
    EXPECT_EQ(read.text, u"東京");
    EXPECT_EQ(read.integer, 0);
    ASSERT_EQ(set->SetText(u"Empty", -1, u""), S_OK);
    EXPECT_TRUE(Get(u"Empty").hasText);

    // An element write makes and grows a list, or replaces a scalar.
    ASSERT_EQ(set->SetText(u"Emails", 2, u"c"), S_OK);
    const Read list = Get(u"Emails");
    EXPECT_EQ(list.type, NUVValueType::List);
    EXPECT_EQ(list.integer, 3);
    EXPECT_EQ(Get(u"Emails", 0).type, NUVValueType::Missing);
    EXPECT_EQ(Get(u"Emails", 2).text, u"c");
    EXPECT_EQ(Get(u"Emails", 3).type, NUVValueType::Missing);
    ASSERT_EQ(set->SetInteger(u"Emails", 0, NUVValueType::Int, 5), S_OK);
    EXPECT_EQ(Get(u"Emails", 0).integer, 5);
    EXPECT_EQ(Get(u"Emails").integer, 3);
    // An element write replaces a scalar, and a scalar write the list.
    ASSERT_EQ(set->SetText(u"Key", -1, u"scalar"), S_OK);
    ASSERT_EQ(set->SetText(u"Key", 0, u"element"), S_OK);
    EXPECT_EQ(Get(u"Key").type, NUVValueType::List);
    EXPECT_EQ(Get(u"Key", 0).text, u"element");
    ASSERT_EQ(set->SetText(u"Key", -1, u"scalar again"), S_OK);
    EXPECT_EQ(Get(u"Key").text, u"scalar again");
    EXPECT_EQ(Get(u"Key", 0).type, NUVValueType::Missing);
}

// Opening an existing set finds only sets; creating one replaces another value, and the set is
// a live part of the record.
TEST_F(MCMemoryPropertySetTest, NestedSetsAreFoundOrCreatedLiveAndReleasedWithTheirKey) {
    winport::ComPtr<MINUVPropertySet> nested;
    EXPECT_EQ(set->OpenPropertySet(u"Work", -1, NUVOpenMode::Existing, nested.GetAddressOf()),
              S_FALSE);
    EXPECT_EQ(nested, nullptr);
    ASSERT_EQ(set->SetText(u"Work", -1, u"text"), S_OK);
    EXPECT_EQ(set->OpenPropertySet(u"Work", -1, NUVOpenMode::Existing, nested.GetAddressOf()),
              NUV_E_TYPEMISMATCH);
    EXPECT_EQ(nested, nullptr);
    EXPECT_EQ(set->OpenPropertySet(u"Work", -1, NUVOpenMode::Existing, nullptr), E_POINTER);

    winport::ComPtr<MINUVPropertySet> created;
    ASSERT_EQ(set->OpenPropertySet(u"Work", -1, NUVOpenMode::Create, created.GetAddressOf()), S_OK);
    ASSERT_EQ(created->SetText(u"City", -1, u"Lyon"), S_OK);
    winport::ComPtr<MINUVPropertySet> again;
    ASSERT_EQ(set->OpenPropertySet(u"Work", -1, NUVOpenMode::Create, again.GetAddressOf()), S_OK);
    EXPECT_EQ(again, created);
    EXPECT_EQ(Get(u"Work").type, NUVValueType::PropertySet);
    NUVValueType type{};
    BSTR text = nullptr;
    ASSERT_EQ(again->GetValue(u"City", -1, &type, nullptr, &text), S_OK);
    EXPECT_EQ(std::u16string(text), u"Lyon");
    SysFreeString(text);

    // Removing a key drops it and releases the sets in it.
    winport::ComPtr<MINUVPropertySet> element;
    ASSERT_EQ(set->OpenPropertySet(u"Emails", 1, NUVOpenMode::Create, element.GetAddressOf()),
              S_OK);
    EXPECT_EQ(element->AddRef(), 3u);
    element->Release();
    EXPECT_EQ(set->Remove(u"Emails"), S_OK);
    EXPECT_EQ(set->Remove(u"Emails"), S_FALSE);
    EXPECT_EQ(Get(u"Emails").type, NUVValueType::Missing);
    EXPECT_EQ(element->AddRef(), 2u);
    element->Release();
}

}  // namespace
