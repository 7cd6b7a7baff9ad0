#include "client/host/StorePropertySet.h"

#include <tuple>

#include "client/host/UserObject.h"
#include "hostlib/property/MCVariantPropertySet.h"
#include "module/host/HostIds.h"
#include "platform/com/Guid.h"
#include "platform/text/Utf16.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

using test::kGeorge;
using test::kOwner;

class StorePropertySetTest : public test::StoreFixture {
protected:
    // The record of |user| in |view| through its user object.
    winport::ComPtr<MINUVPropertySet> View(std::uint32_t user, const GUID& view) {
        winport::ComPtr<MIUserObject> object;
        EXPECT_EQ(CreateUserObject(*m_store, user, object.GetAddressOf()), S_OK);
        winport::ComPtr<MIPropertySetSource> source;
        EXPECT_EQ(object->QueryInterface(MIPropertySetSource::kIid,
                                         reinterpret_cast<void**>(source.GetAddressOf())),
                  S_OK);
        winport::ComPtr<MINUVPropertySet> set;
        EXPECT_EQ(source->GetPropertySet(winport::GuidToString(view).c_str(), set.GetAddressOf()),
                  S_OK);
        return set;
    }

    NUVValueType TypeOf(MINUVPropertySet* set, std::string_view key, LONG index = -1) {
        NUVValueType type = NUVValueType::Missing;
        EXPECT_EQ(set->GetValue(winport::Utf8ToUtf16(key).c_str(), index, &type, nullptr, nullptr),
                  S_OK);
        return type;
    }
};

TEST_F(StorePropertySetTest, StoredRecordReadsBackThroughBothViews) {
    for (const auto& [user, view] :
         {std::pair{kOwner, OwnerDetailsView}, std::pair{kGeorge, ContactDetailsView}}) {
        m_store->WriteRecord(user, test::EveryKindOfValue());
        MCVariantPropertySet record(View(user, view).Get());
        MINUVPropertySet* set = record.GetPropertySetInterface();
        // Each scalar in its interface type, read as text in decimal.
        for (const auto& [key, type, text] : {
                 std::tuple{"TimeZone", NUVValueType::Char, "-128"},
                 {"SecurityLevel", NUVValueType::UChar, "255"},
                 {"HomeCountry", NUVValueType::Short, "-32768"},
                 {"UpdateInfoStatus", NUVValueType::UShort, "65535"},
                 {"IP", NUVValueType::Int, "-2147483648"},
                 {"Display", NUVValueType::UInt, "4294967295"},
                 {"DontPublishEmail", NUVValueType::Bool, "1"},
                 {"Empty", NUVValueType::Text, ""},
                 {"AdditionalOwnerEmails", NUVValueType::List, ""},
                 {"Nested", NUVValueType::PropertySet, ""},
             }) {
            EXPECT_EQ(TypeOf(set, key), type) << key;
            EXPECT_EQ(std::string(record[key]), text) << key;
        }
        ASSERT_EQ(record["Language"].GetSize(), 4);
        EXPECT_EQ(static_cast<int>(record["Language"][0]), 12);
        EXPECT_EQ(static_cast<int>(record["Language"][2]), -3);
        ASSERT_EQ(record["AdditionalEmails"].GetSize(),
                  static_cast<int>(test::kScriptTexts.size()));
        for (size_t k = 0; k < test::kScriptTexts.size(); ++k)
            EXPECT_EQ(std::string(record["AdditionalEmails"][static_cast<int>(k)]),
                      test::kScriptTexts[k]);
        ASSERT_EQ(record["AdditionalOwnerEmails"].GetSize(), 2);
        EXPECT_EQ(std::string(record["AdditionalOwnerEmails"][1]["Email"]), "ё@пример.рф");
        EXPECT_TRUE(static_cast<bool>(record["AdditionalOwnerEmails"][1]["HideEmail"]));
        EXPECT_EQ(TypeOf(set, "AdditionalOwnerEmails", 1), NUVValueType::PropertySet);
        EXPECT_EQ(std::string(record["Nested"]["Street"]), "12, rue des Écoles");
        EXPECT_TRUE(static_cast<bool>(record["Nested"]["Deep"][1]["HideEmail"]));
    }
}

TEST_F(StorePropertySetTest, WritesReachTheStoreWithTheirTypes) {
    {
        MCVariantPropertySet record(View(kOwner, OwnerDetailsView).Get());
        record["TimeZone"] = static_cast<char>(-2);
        record["Level"] = static_cast<unsigned char>(200);
        record["Country"] = static_cast<short>(-7);
        record["Status"] = static_cast<unsigned short>(65000);
        record["Count"] = -9;
        record["Date"] = 4000000000u;
        record["Hidden"] = true;
        record["NickName"] = "Lodie ✓";
        record["Emails"][0] = "a@b.example";
        record["Emails"][1] = "c@d.example";
        record["Home"]["City"] = "Lyon";
        record["Owners"][0]["Email"] = "e@f.example";
    }
    const Record stored = Store(m_store->File()).ReadRecord(kOwner);
    Record home;
    home.Set("City", Value::Text("Lyon"));
    Record owner;
    owner.Set("Email", Value::Text("e@f.example"));
    // Each in the store's type of the same width and sign; the record's other keys untouched.
    for (const auto& [key, value] : std::initializer_list<std::pair<const char*, Value>>{
             {"TimeZone", Value::Int8(-2)},
             {"Level", Value::UInt8(200)},
             {"Country", Value::Int16(-7)},
             {"Status", Value::UInt16(65000)},
             {"Count", Value::Int32(-9)},
             {"Date", Value::UInt32(4000000000u)},
             {"Hidden", Value::Bool(true)},
             {"NickName", Value::Text("Lodie ✓")},
             {"Emails", Value::OfList({Value::Text("a@b.example"), Value::Text("c@d.example")})},
             {"Home", Value::OfRecord(home)},
             {"Owners", Value::OfList({Value::OfRecord(owner)})},
             {"HomeCity", Value::Text("Lyon")},
             {"UpdateInfoStatus", Value::UInt16(65535)},
         }) {
        ASSERT_NE(stored.Find(key), nullptr) << key;
        EXPECT_EQ(*stored.Find(key), value) << key;
    }
}

TEST_F(StorePropertySetTest,
       SixtyFourBitIntegersTakeTheNarrowestTypeAndMissingValuesReadAsMissing) {
    auto set = View(kOwner, OwnerDetailsView);
    EXPECT_EQ(set->SetInteger(u"A", -1, NUVValueType::Long, -5), S_OK);
    EXPECT_EQ(set->SetInteger(u"B", -1, NUVValueType::Long, 3000000000), S_OK);
    EXPECT_EQ(set->SetInteger(u"C", -1, NUVValueType::ULong, 7), S_OK);
    EXPECT_EQ(m_store->ReadKey(kOwner, "A"), Value::Int32(-5));
    EXPECT_EQ(m_store->ReadKey(kOwner, "B"), Value::UInt32(3000000000u));
    EXPECT_EQ(m_store->ReadKey(kOwner, "C"), Value::UInt32(7));
    EXPECT_EQ(set->SetInteger(u"D", -1, NUVValueType::Long, -3000000000), kValueOverflow);
    EXPECT_EQ(set->SetInteger(u"D", -1, NUVValueType::ULong, 5000000000), kValueOverflow);
    EXPECT_EQ(set->SetInteger(u"D", -1, NUVValueType::ULong, -1), kValueOverflow);
    EXPECT_EQ(set->SetInteger(u"A", -1, NUVValueType::Long, 1LL << 40), kValueOverflow);
    EXPECT_FALSE(m_store->ReadKey(kOwner, "D"));
    EXPECT_EQ(m_store->ReadKey(kOwner, "A"), Value::Int32(-5));
    EXPECT_EQ(set->SetInteger(u"A", -1, NUVValueType::Text, 1), E_INVALIDARG);

    // Missing values read as missing.
    NUVValueType type = NUVValueType::Int;
    std::int64_t integer = 5;
    BSTR text = reinterpret_cast<BSTR>(&integer);
    EXPECT_EQ(set->GetValue(u"NoSuchKey", -1, &type, &integer, &text), S_OK);
    EXPECT_EQ(type, NUVValueType::Missing);
    EXPECT_EQ(integer, 0);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(TypeOf(set.Get(), "AdditionalOwnerEmails", 2), NUVValueType::Missing);
    EXPECT_EQ(TypeOf(set.Get(), "FirstName", 0), NUVValueType::Missing);
    EXPECT_EQ(set->GetValue(u"", -1, &type, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(set->GetValue(nullptr, -1, &type, nullptr, nullptr), E_POINTER);
    EXPECT_EQ(set->GetValue(u"UIN", -2, &type, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(set->GetValue(u"UIN", -1, &type, &integer, nullptr), S_OK);
    EXPECT_EQ(type, NUVValueType::UInt);
    EXPECT_EQ(integer, kOwner);
}

TEST_F(StorePropertySetTest, ListsGrowByOneAndReplaceOtherValues) {
    auto set = View(kOwner, OwnerDetailsView);
    EXPECT_EQ(set->SetInteger(u"FirstName", 0, NUVValueType::Short, 4), S_OK);
    EXPECT_EQ(m_store->ReadKey(kOwner, "FirstName"), Value::OfList({Value::Int16(4)}));
    EXPECT_EQ(set->SetText(u"FirstName", 1, u"two"), S_OK);
    EXPECT_EQ(set->SetText(u"FirstName", 3, u"gap"), E_INVALIDARG);
    EXPECT_EQ(m_store->ReadKey(kOwner, "FirstName"),
              Value::OfList({Value::Int16(4), Value::Text("two")}));
    std::int64_t count = 0;
    NUVValueType type{};
    EXPECT_EQ(set->GetValue(u"FirstName", -1, &type, &count, nullptr), S_OK);
    EXPECT_EQ(type, NUVValueType::List);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(set->SetText(u"FirstName", 0, nullptr), E_POINTER);
}

TEST_F(StorePropertySetTest, NestedSetsAreLiveViewsOfTheRecord) {
    auto set = View(kOwner, OwnerDetailsView);
    winport::ComPtr<MINUVPropertySet> missing;
    EXPECT_EQ(set->OpenPropertySet(u"Work", -1, NUVOpenMode::Existing, missing.GetAddressOf()),
              S_FALSE);
    EXPECT_FALSE(missing);
    EXPECT_EQ(set->OpenPropertySet(u"FirstName", -1, NUVOpenMode::Existing, missing.GetAddressOf()),
              NUV_E_TYPEMISMATCH);
    EXPECT_FALSE(missing);

    winport::ComPtr<MINUVPropertySet> email;
    ASSERT_EQ(set->OpenPropertySet(u"AdditionalOwnerEmails", 1, NUVOpenMode::Existing,
                                   email.GetAddressOf()),
              S_OK);
    EXPECT_EQ(static_cast<StorePropertySet*>(email.Get())->RefCount(), 1u);
    EXPECT_EQ(email->SetText(u"Email", -1, u"new@example.org"), S_OK);
    EXPECT_EQ(m_store->ReadRecord(kOwner)
                  .Find("AdditionalOwnerEmails")
                  ->Elements()
                  .at(1)
                  .Members()
                  .Find("Email")
                  ->Text(),
              "new@example.org");
    EXPECT_EQ(email->Remove(u"HideEmail"), S_OK);
    EXPECT_EQ(email->Remove(u"HideEmail"), S_FALSE);

    winport::ComPtr<MINUVPropertySet> work;
    ASSERT_EQ(set->OpenPropertySet(u"FirstName", -1, NUVOpenMode::Create, work.GetAddressOf()),
              S_OK);
    EXPECT_EQ(work->SetInteger(u"Floor", -1, NUVValueType::UChar, 3), S_OK);
    EXPECT_EQ(TypeOf(set.Get(), "FirstName"), NUVValueType::PropertySet);

    // Once its place is gone the set reads nothing and refuses writes.
    EXPECT_EQ(set->Remove(u"AdditionalOwnerEmails"), S_OK);
    EXPECT_EQ(TypeOf(email.Get(), "Email"), NUVValueType::Missing);
    EXPECT_EQ(email->SetText(u"Email", -1, u"x"), kDetachedSet);
    EXPECT_FALSE(m_store->ReadKey(kOwner, "AdditionalOwnerEmails"));
    EXPECT_EQ(set->Remove(u"AdditionalOwnerEmails"), S_FALSE);
}

// Reads come from the record the store keeps, yet a write by another connection shows at the
// very next read: keys, list sizes and values inside nested sets alike.
TEST_F(StorePropertySetTest, WritesOfAnotherConnectionShowAtTheNextRead) {
    MCVariantPropertySet record(View(kOwner, OwnerDetailsView).Get());
    const MCVariantProperty email = record["AdditionalOwnerEmails"][1]["Email"];
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(std::string(record["NickName"]), "Lodie");
        EXPECT_EQ(record["Language"].GetSize(), 3);
        EXPECT_EQ(std::string(email), "é.mercier@société.example");
    }
    auto other = OpenDataFolder(m_temp.Path() / "data", NUV_CLIENT_DATA_DIR);
    other->WriteKey(kOwner, "NickName", Value::Text("Lo"));
    EXPECT_EQ(std::string(record["NickName"]), "Lo");
    other->WriteKey(kOwner, "Language", Value::OfList({Value::UInt8(7)}));
    EXPECT_EQ(record["Language"].GetSize(), 1);
    EXPECT_EQ(static_cast<int>(record["Language"][0]), 7);
    other->WriteKey(kOwner, "AdditionalOwnerEmails",
                    Value::OfList({test::OwnerEmail("a@example.org", false),
                                   test::OwnerEmail("b@example.org", true)}));
    EXPECT_EQ(std::string(email), "b@example.org");
    other->RemoveKey(kOwner, "AdditionalOwnerEmails");
    EXPECT_EQ(std::string(email), "");
    EXPECT_EQ(record["AdditionalOwnerEmails"].GetSize(), 0);
}

}  // namespace
}  // namespace nuvclient
