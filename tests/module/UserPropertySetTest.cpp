#include "module/UserPropertySet.h"

#include <gtest/gtest.h>

#include "client/host/HostApplication.h"
#include "client/host/HostServices.h"
#include "client/host/UserObject.h"
#include "client/store/DataFolder.h"
#include "module/UserDetailsModule.h"
#include "tests/client/ClientTestSupport.h"

namespace {

using nuvclient::List;
using nuvclient::LiveHostObjects;
using nuvclient::Record;
using nuvclient::Value;

constexpr std::uint32_t kOwner = 1234567;
constexpr std::uint32_t kGreek = 2000001;
constexpr std::uint32_t kCyrillic = 2000002;
constexpr std::uint32_t kJapanese = 2000003;
constexpr std::uint32_t kChinese = 2000004;
constexpr std::uint32_t kGroup = 9000001;

// The module initialised with the reference client's host over a fresh copy of the sample data.
class UserPropertySetTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_liveBefore = LiveHostObjects::Count();
        m_store = nuvclient::OpenDataFolder(m_temp.Path() / "data", NUV_CLIENT_DATA_DIR);
        m_services = winport::MakeComObject<nuvclient::HostServices>();
        m_application =
            winport::MakeComObject<nuvclient::HostApplication>(*m_store, *m_services.Get());
        CUserDetailsModule::Instance()->Initialize(m_application.Get());
    }
    void TearDown() override {
        CUserDetailsModule::Instance()->Initialize(nullptr);
        m_application = nullptr;
        m_services = nullptr;
        EXPECT_EQ(LiveHostObjects::Count(), m_liveBefore) << "a host object was not released";
    }

    winport::ComPtr<MIUserObject> UserObject(std::uint32_t number) {
        winport::ComPtr<MIUserObject> object;
        EXPECT_EQ(nuvclient::CreateUserObject(*m_store, number, object.GetAddressOf()), S_OK);
        return object;
    }

    nuvclient::test::TempFolder m_temp;
    std::unique_ptr<nuvclient::Store> m_store;
    winport::ComPtr<nuvclient::HostServices> m_services;
    winport::ComPtr<nuvclient::HostApplication> m_application;
    long m_liveBefore = 0;
};

TEST_F(UserPropertySetTest, RecordWrittenToTheStoreReadsBackWithEveryTypeAndList) {
    Record nested;
    nested.Set("Email", Value::Text("anna@example.org"));
    nested.Set("HideEmail", Value::Bool(true));
    const struct {
        std::uint32_t user;
        bool contactView;
    } views[] = {{kGreek, true}, {kOwner, false}};
    for (const auto& view : views) {
        SCOPED_TRACE(view.user);
        m_store->WriteKey(view.user, "TimeZone", Value::Int8(-4));
        m_store->WriteKey(view.user, "Language1", Value::UInt8(255));
        m_store->WriteKey(view.user, "Age", Value::Int16(-300));
        m_store->WriteKey(view.user, "UserType", Value::UInt16(65535));
        m_store->WriteKey(view.user, "BirthYear", Value::Int32(-2000000000));
        m_store->WriteKey(view.user, "LastUpdateDate", Value::UInt32(4000000000u));
        m_store->WriteKey(view.user, "ShowUpdateInfoWarning", Value::Bool(true));
        m_store->WriteKey(view.user, "HomeCity", Value::Text("Zürich"));
        m_store->WriteKey(
            view.user, "MoreEmails",
            Value::OfList({Value::Text("a@example.org"), Value::Text("b@example.org")}));
        m_store->WriteKey(view.user, "AdditionalOwnerEmails",
                          Value::OfList({Value::OfRecord(nested)}));

        MCVariantPropertySet set;
        ASSERT_TRUE(GetUserPropertySet(UserObject(view.user).Get(), view.contactView, set));
        EXPECT_EQ(static_cast<char>(set["TimeZone"]), -4);
        EXPECT_EQ(static_cast<unsigned char>(set["Language1"]), 255);
        EXPECT_EQ(static_cast<char>(set["Language1"]), -1);
        EXPECT_EQ(static_cast<short>(set["Age"]), -300);
        EXPECT_EQ(static_cast<unsigned short>(set["UserType"]), 65535);
        EXPECT_EQ(static_cast<int>(set["BirthYear"]), -2000000000);
        EXPECT_EQ(static_cast<unsigned int>(set["LastUpdateDate"]), 4000000000u);
        EXPECT_TRUE(static_cast<bool>(set["ShowUpdateInfoWarning"]));
        EXPECT_EQ(std::string(set["HomeCity"]), "Zürich");
        ASSERT_EQ(set["MoreEmails"].GetSize(), 2);
        EXPECT_EQ(std::string(set["MoreEmails"][1]), "b@example.org");
        ASSERT_EQ(set["AdditionalOwnerEmails"].GetSize(), 1);
        EXPECT_EQ(std::string(set["AdditionalOwnerEmails"][0]["Email"]), "anna@example.org");
        EXPECT_TRUE(static_cast<bool>(set["AdditionalOwnerEmails"][0]["HideEmail"]));
        EXPECT_EQ(static_cast<int>(set["NoSuchKey"]), 0);
    }
}

TEST_F(UserPropertySetTest, TextInEverySampleScriptSurvivesAReadAndAWriteByteForByte) {
    for (std::uint32_t user : {kOwner, kGreek, kCyrillic, kJapanese, kChinese}) {
        SCOPED_TRACE(user);
        const bool contact = user != kOwner;
        const std::string first = m_store->ReadKey(user, "FirstName")->Text();
        const std::string last = m_store->ReadKey(user, "LastName")->Text();
        {
            MCVariantPropertySet set;
            ASSERT_TRUE(GetUserPropertySet(UserObject(user).Get(), contact, set));
            EXPECT_EQ(std::string(set["FirstName"]), first);
            // Written back swapped, so a write that changed nothing would show.
            set["FirstName"] = std::string(set["LastName"]);
            set["LastName"] = first;
        }
        EXPECT_EQ(m_store->ReadKey(user, "FirstName")->Text(), last);
        EXPECT_EQ(m_store->ReadKey(user, "LastName")->Text(), first);
    }
}

TEST_F(UserPropertySetTest, RefusedViewsAndObjectsWithoutASourceLeaveTheSetAlone) {
    MCVariantPropertySet set;
    ASSERT_TRUE(GetUserPropertySet(UserObject(kGreek).Get(), true, set));
    MINUVPropertySet* attached = set.GetPropertySetInterface();

    // The owner's record is not handed out in the contact view, nor a contact's or a group's
    // in the owner view.
    EXPECT_FALSE(GetUserPropertySet(UserObject(kOwner).Get(), true, set));
    EXPECT_FALSE(GetUserPropertySet(UserObject(kGreek).Get(), false, set));
    EXPECT_FALSE(GetUserPropertySet(UserObject(kGroup).Get(), false, set));
    // The services object is a COM object without a property-set source.
    EXPECT_FALSE(GetUserPropertySet(m_services.Get(), true, set));
    EXPECT_FALSE(GetUserPropertySet(nullptr, true, set));
    EXPECT_EQ(set.GetPropertySetInterface(), attached);
    EXPECT_EQ(std::string(set["FirstName"]), "Γιώργος");
}

}  // namespace
