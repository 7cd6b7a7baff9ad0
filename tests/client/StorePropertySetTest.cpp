#include "client/host/StorePropertySet.h"

#include "client/host/UserObject.h"
#include "client/store/DataFolder.h"
#include "hostlib/property/MCVariantPropertySet.h"
#include "module/host/HostIds.h"
#include "platform/com/Guid.h"
#include "platform/text/Utf16.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

constexpr std::uint32_t kOwner = 1234567;
constexpr std::uint32_t kGeorge = 2000001;

Value Member(std::string text, bool flag) {
    Record member;
    member.Set("Email", Value::Text(std::move(text)));
    member.Set("HideEmail", Value::Bool(flag));
    return Value::OfRecord(std::move(member));
}

// Every store type at its limits, lists of integers, texts and records, and a nested record.
Record EveryKindOfValue() {
    Record record;
    record.Set("I8", Value::Int8(-128));
    record.Set("U8", Value::UInt8(255));
    record.Set("I16", Value::Int16(-32768));
    record.Set("U16", Value::UInt16(65535));
    record.Set("I32", Value::Int32(-2147483647 - 1));
    record.Set("U32", Value::UInt32(4294967295u));
    record.Set("Flag", Value::Bool(true));
    record.Set("Name", Value::Text("Γιώργος 山田 😀"));
    record.Set("Languages", Value::OfList({Value::UInt8(12), Value::Int16(-3)}));
    record.Set("Emails", Value::OfList({Value::Text("a@b.example"), Value::Text("ё@пример.рф")}));
    record.Set("Owners", Value::OfList({Member("x@y.example", false), Member("", true)}));
    Record inner;
    inner.Set("Street", Value::Text("12, rue des Écoles"));
    inner.Set("Codes", Value::OfList({Value::UInt32(7)}));
    record.Set("Home", Value::OfRecord(inner));
    return record;
}

std::u16string Wide(std::string_view text) {
    return winport::Utf8ToUtf16(text);
}

class StorePropertySetTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_liveBefore = LiveHostObjects::Count();
        m_store = OpenDataFolder(m_temp.Path() / "data", NUV_CLIENT_DATA_DIR);
    }
    void TearDown() override { EXPECT_EQ(LiveHostObjects::Count(), m_liveBefore); }

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
        EXPECT_EQ(set->GetValue(Wide(key).c_str(), index, &type, nullptr, nullptr), S_OK);
        return type;
    }

    test::TempFolder m_temp;
    std::unique_ptr<Store> m_store;
    long m_liveBefore = 0;
};

TEST_F(StorePropertySetTest, StoredRecordReadsBackThroughBothViews) {
    for (const auto& [user, view] :
         {std::pair{kOwner, OwnerDetailsView}, std::pair{kGeorge, ContactDetailsView}}) {
        m_store->WriteRecord(user, EveryKindOfValue());
        MCVariantPropertySet record(View(user, view).Get());
        EXPECT_EQ(static_cast<char>(record["I8"]), -128);
        EXPECT_EQ(static_cast<unsigned char>(record["U8"]), 255);
        EXPECT_EQ(static_cast<short>(record["I16"]), -32768);
        EXPECT_EQ(static_cast<unsigned short>(record["U16"]), 65535);
        EXPECT_EQ(static_cast<int>(record["I32"]), -2147483647 - 1);
        EXPECT_EQ(static_cast<unsigned int>(record["U32"]), 4294967295u);
        EXPECT_TRUE(static_cast<bool>(record["Flag"]));
        EXPECT_EQ(std::string(record["Name"]), "Γιώργος 山田 😀");
        ASSERT_EQ(record["Languages"].GetSize(), 2);
        EXPECT_EQ(static_cast<int>(record["Languages"][0]), 12);
        EXPECT_EQ(static_cast<int>(record["Languages"][1]), -3);
        ASSERT_EQ(record["Emails"].GetSize(), 2);
        EXPECT_EQ(std::string(record["Emails"][1]), "ё@пример.рф");
        ASSERT_EQ(record["Owners"].GetSize(), 2);
        EXPECT_EQ(std::string(record["Owners"][0]["Email"]), "x@y.example");
        EXPECT_TRUE(static_cast<bool>(record["Owners"][1]["HideEmail"]));
        EXPECT_EQ(std::string(record["Home"]["Street"]), "12, rue des Écoles");
        EXPECT_EQ(static_cast<unsigned int>(record["Home"]["Codes"][0]), 7u);

        MINUVPropertySet* set = record.GetPropertySetInterface();
        EXPECT_EQ(TypeOf(set, "I8"), NUVValueType::Char);
        EXPECT_EQ(TypeOf(set, "U8"), NUVValueType::UChar);
        EXPECT_EQ(TypeOf(set, "I16"), NUVValueType::Short);
        EXPECT_EQ(TypeOf(set, "U16"), NUVValueType::UShort);
        EXPECT_EQ(TypeOf(set, "I32"), NUVValueType::Int);
        EXPECT_EQ(TypeOf(set, "U32"), NUVValueType::UInt);
        EXPECT_EQ(TypeOf(set, "Flag"), NUVValueType::Bool);
        EXPECT_EQ(TypeOf(set, "Owners"), NUVValueType::List);
        EXPECT_EQ(TypeOf(set, "Owners", 1), NUVValueType::PropertySet);
        EXPECT_EQ(TypeOf(set, "Home"), NUVValueType::PropertySet);
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
    Store reopened(m_store->File());
    const Record stored = reopened.ReadRecord(kOwner);
    auto typeOf = [&](const char* key) { return stored.Find(key)->Type(); };
    EXPECT_EQ(typeOf("TimeZone"), ValueType::Int8);
    EXPECT_EQ(stored.Find("TimeZone")->Integer(), -2);
    EXPECT_EQ(typeOf("Level"), ValueType::UInt8);
    EXPECT_EQ(typeOf("Country"), ValueType::Int16);
    EXPECT_EQ(typeOf("Status"), ValueType::UInt16);
    EXPECT_EQ(typeOf("Count"), ValueType::Int32);
    EXPECT_EQ(typeOf("Date"), ValueType::UInt32);
    EXPECT_EQ(stored.Find("Date")->Integer(), 4000000000);
    EXPECT_EQ(typeOf("Hidden"), ValueType::Bool);
    EXPECT_EQ(stored.Find("NickName")->Text(), "Lodie ✓");
    ASSERT_EQ(typeOf("Emails"), ValueType::List);
    EXPECT_EQ(stored.Find("Emails")->Elements().at(1).Text(), "c@d.example");
    ASSERT_EQ(typeOf("Home"), ValueType::Record);
    EXPECT_EQ(stored.Find("Home")->Members().Find("City")->Text(), "Lyon");
    const Value& owner = stored.Find("Owners")->Elements().at(0);
    ASSERT_EQ(owner.Type(), ValueType::Record);
    EXPECT_EQ(owner.Members().Find("Email")->Text(), "e@f.example");
    // The record's other keys are untouched.
    EXPECT_EQ(stored.Find("HomeCity")->Text(), "Lyon");
    EXPECT_EQ(stored.Find("UpdateInfoStatus")->Integer(), 65535);
}

TEST_F(StorePropertySetTest, SixtyFourBitIntegersTakeTheNarrowestTypeOrAreRefused) {
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
}

TEST_F(StorePropertySetTest, MissingValuesReadAsMissing) {
    auto set = View(kOwner, OwnerDetailsView);
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
                    Value::OfList({Member("a@example.org", false), Member("b@example.org", true)}));
    EXPECT_EQ(std::string(email), "b@example.org");
    other->RemoveKey(kOwner, "AdditionalOwnerEmails");
    EXPECT_EQ(std::string(email), "");
    EXPECT_EQ(record["AdditionalOwnerEmails"].GetSize(), 0);
}

// Every text of the sample data, in all its scripts, reads and writes back byte for byte.
TEST_F(StorePropertySetTest, SampleTextsSurviveReadAndWrite) {
    int texts = 0;
    for (const User& user : m_store->Users()) {
        const Record before = m_store->ReadRecord(user.number);
        MCVariantPropertySet record(View(user.number, ViewOf(user.kind)).Get());
        for (const Field& field : before.Fields()) {
            if (field.value.Type() != ValueType::Text) continue;
            const std::string read = record[field.key];
            EXPECT_EQ(read, field.value.Text()) << user.number << " " << field.key;
            record[field.key] = read;
            ++texts;
        }
        EXPECT_EQ(m_store->ReadRecord(user.number), before) << user.name;
    }
    EXPECT_GT(texts, 100);
}

}  // namespace
}  // namespace nuvclient
