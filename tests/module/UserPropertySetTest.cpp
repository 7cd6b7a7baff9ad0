// The user's record attached in the module's view names over the reference client's user
// objects. How the record reads and writes its values is the client's (StorePropertySetTest).
#include "module/UserPropertySet.h"

#include "ClientOperationsSupport.h"

namespace moduletest {
namespace {

constexpr std::uint32_t kGroup = 9000001;

using UserPropertySetTest = ClientModuleFixture;

TEST_F(UserPropertySetTest, AttachesTheRecordInItsViewOrLeavesTheSetAlone) {
    for (const auto& [user, contactView] :
         {std::pair{kSampleOwner, false}, std::pair{kSampleGreek, true}}) {
        SCOPED_TRACE(user);
        MCVariantPropertySet set;
        ASSERT_TRUE(GetUserPropertySet(UserObject(user).Get(), contactView, set));
        EXPECT_EQ(std::string(set["FirstName"]), m_store->ReadKey(user, "FirstName")->Text());
        set["NickName"] = "Ἀθηνᾶ";
        EXPECT_EQ(m_store->ReadKey(user, "NickName"), nuvclient::Value::Text("Ἀθηνᾶ"));
    }

    MCVariantPropertySet set;
    ASSERT_TRUE(GetUserPropertySet(UserObject(kSampleGreek).Get(), true, set));
    MINUVPropertySet* attached = set.GetPropertySetInterface();
    // The owner's record is not handed out in the contact view, nor a contact's or a group's
    // in the owner view.
    EXPECT_FALSE(GetUserPropertySet(UserObject(kSampleOwner).Get(), true, set));
    EXPECT_FALSE(GetUserPropertySet(UserObject(kSampleGreek).Get(), false, set));
    EXPECT_FALSE(GetUserPropertySet(UserObject(kGroup).Get(), false, set));
    // The services object is a COM object without a property-set source.
    EXPECT_FALSE(GetUserPropertySet(m_services.Get(), true, set));
    EXPECT_FALSE(GetUserPropertySet(nullptr, true, set));
    EXPECT_EQ(set.GetPropertySetInterface(), attached);
    EXPECT_EQ(std::string(set["FirstName"]), "Γιώργος");
}

}  // namespace
}  // namespace moduletest
