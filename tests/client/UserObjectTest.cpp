#include "client/host/UserObject.h"

#include "client/host/StorePropertySet.h"
#include "hostlib/property/MCVariantPropertySet.h"
#include "module/host/HostIds.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

using test::kGeorge;
using test::kGroup;
using test::kOwner;

const std::string kOwnerView = winport::GuidToString(OwnerDetailsView);
const std::string kContactView = winport::GuidToString(ContactDetailsView);

class UserObjectTest : public test::StoreFixture {
protected:
    winport::ComPtr<MIUserObject> Make(std::uint32_t user) {
        winport::ComPtr<MIUserObject> object;
        EXPECT_EQ(CreateUserObject(*m_store, user, object.GetAddressOf()), S_OK);
        return object;
    }

    template <class Interface>
    HRESULT Query(IUnknown* object, winport::ComPtr<Interface>& out) {
        return object->QueryInterface(Interface::kIid,
                                      reinterpret_cast<void**>(out.GetAddressOf()));
    }

    // The answer of |user| to |view|; |set| receives what it hands out.
    HRESULT Ask(std::uint32_t user, const char* view, winport::ComPtr<MINUVPropertySet>& set) {
        winport::ComPtr<MIPropertySetSource> source;
        EXPECT_EQ(Query(Make(user).Get(), source), S_OK);
        return source->GetPropertySet(view, set.GetAddressOf());
    }
};

TEST_F(UserObjectTest, EachKindAnswersItsOwnViewOnly) {
    for (const auto& [user, answered, refusedView] :
         {std::tuple{kOwner, kOwnerView, kContactView},
          std::tuple{kGeorge, kContactView, kOwnerView},
          std::tuple{kGroup, kContactView, kOwnerView}}) {
        winport::ComPtr<MINUVPropertySet> set;
        EXPECT_EQ(Ask(user, answered.c_str(), set), S_OK) << user;
        ASSERT_TRUE(set);
        EXPECT_EQ(static_cast<unsigned int>(MCVariantPropertySet(set.Get())["UIN"]), user);
        winport::ComPtr<MINUVPropertySet> refused;
        EXPECT_EQ(Ask(user, refusedView.c_str(), refused), E_INVALIDARG) << user;
        EXPECT_FALSE(refused);
    }
}

TEST_F(UserObjectTest, ViewNamesMustBeBracedViewIds) {
    std::string lower = kOwnerView;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    winport::ComPtr<MINUVPropertySet> set;
    EXPECT_EQ(Ask(kOwner, lower.c_str(), set), S_OK);
    for (const std::string& bad : {kOwnerView.substr(1, 36), std::string(""),
                                   winport::GuidToString(MIUserObject::kIid), kOwnerView + " "}) {
        winport::ComPtr<MINUVPropertySet> refused;
        EXPECT_EQ(Ask(kOwner, bad.c_str(), refused), E_INVALIDARG) << bad;
        EXPECT_FALSE(refused);
    }
    winport::ComPtr<MINUVPropertySet> refused;
    EXPECT_EQ(Ask(kOwner, nullptr, refused), E_POINTER);
    winport::ComPtr<MIPropertySetSource> source;
    ASSERT_EQ(Query(Make(kOwner).Get(), source), S_OK);
    EXPECT_EQ(source->GetPropertySet(kOwnerView.c_str(), nullptr), E_POINTER);
}

TEST_F(UserObjectTest, OnlyGroupsAnswerEmailGroupAndAnUnknownUserGetsNoObject) {
    winport::ComPtr<MIEmailGroup> group;
    EXPECT_EQ(Query(Make(kGroup).Get(), group), S_OK);
    EXPECT_TRUE(group);
    for (std::uint32_t user : {kOwner, kGeorge}) {
        winport::ComPtr<MIEmailGroup> none;
        EXPECT_EQ(Query(Make(user).Get(), none), E_NOINTERFACE);
        EXPECT_FALSE(none);
    }

    // A user the store does not have gets no object.
    MIUserObject* object = reinterpret_cast<MIUserObject*>(this);
    EXPECT_EQ(CreateUserObject(*m_store, 4242, &object), kUnknownUser);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(CreateUserObject(*m_store, kOwner, nullptr), E_POINTER);
}

TEST_F(UserObjectTest, ReferencesBalanceOnEveryPath) {
    const long live = LiveHostObjects::Count();
    MIUserObject* raw = nullptr;
    ASSERT_EQ(CreateUserObject(*m_store, kGroup, &raw), S_OK);
    auto* object = static_cast<EmailGroupObject*>(raw);
    EXPECT_EQ(object->RefCount(), 1u);
    EXPECT_EQ(LiveHostObjects::Count(), live + 1);

    MIPropertySetSource* source = nullptr;
    ASSERT_EQ(raw->QueryInterface(MIPropertySetSource::kIid, reinterpret_cast<void**>(&source)),
              S_OK);
    EXPECT_EQ(object->RefCount(), 2u);
    MINUVPropertySet* set = nullptr;
    EXPECT_EQ(source->GetPropertySet(kOwnerView.c_str(), &set), E_INVALIDARG);
    EXPECT_EQ(LiveHostObjects::Count(), live + 1);
    ASSERT_EQ(source->GetPropertySet(kContactView.c_str(), &set), S_OK);
    EXPECT_EQ(static_cast<StorePropertySet*>(set)->RefCount(), 1u);
    EXPECT_EQ(LiveHostObjects::Count(), live + 2);
    {
        MCVariantPropertySet record(set);
        EXPECT_EQ(static_cast<StorePropertySet*>(set)->RefCount(), 2u);
        record["Notes"]["Seen"] = true;
        EXPECT_TRUE(static_cast<bool>(record["Notes"]["Seen"]));
        EXPECT_EQ(LiveHostObjects::Count(), live + 2);  // nested sets were given back
    }
    EXPECT_EQ(set->Release(), 0u);
    EXPECT_EQ(LiveHostObjects::Count(), live + 1);
    EXPECT_EQ(source->Release(), 1u);
    EXPECT_EQ(raw->Release(), 0u);
    EXPECT_EQ(LiveHostObjects::Count(), live);
}

}  // namespace
}  // namespace nuvclient
