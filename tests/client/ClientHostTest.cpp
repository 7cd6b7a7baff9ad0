#include "client/host/ClientHost.h"

#include "client/cli/OpenCommand.h"
#include "client/host/HostPreferences.h"
#include "hostlib/util/HostStrings.h"
#include "hostlib/util/RegistryKey.h"
#include "platform/resources/ResourceChain.h"
#include "platform/shell/Registry.h"
#include "platform/window/WindowApi.h"
#include "tests/client/BuildTreeHost.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

using test::kGeorge;
using test::kGroup;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

constexpr int kDetailsTemplate = 8506;

class ClientHostTest : public test::StoreFixture {
protected:
    void TearDown() override {
        StoreFixture::TearDown();
        EXPECT_EQ(winport::FindDialogTemplate(kDetailsTemplate), nullptr) << "module still loaded";
    }
};

TEST_F(ClientHostTest, LoadsAndInitialisesTheModuleAndUnloadsItAtTheEnd) {
    ClientHost host(*m_store, test::BuildTreeHost());
    EXPECT_TRUE(host.Module().IsInitialized());
    EXPECT_TRUE(host.Loaded().CanUnload());
    EXPECT_NE(winport::FindDialogTemplate(kDetailsTemplate), nullptr);
    EXPECT_EQ(BRCString(24203), "Add Email Address");
    EXPECT_EQ(BRCString(AFX_IDS_APP_TITLE), "NUV");
    char dispatcher[128] = {};
    EXPECT_TRUE(BCRegistryKey::ReadString(HKEY_CURRENT_USER, "Software\\Brightelm\\NUV\\",
                                          "DefaultPrefs", "Homepage Factory Dispatcher", dispatcher,
                                          sizeof dispatcher));
    EXPECT_STREQ(dispatcher, kHomepageFactoryTitle);

    // Windows still open are closed before the module goes.
    std::string problem;
    const HWND owner = OpenWindow(host, {WindowKind::Owner}, problem);
    ASSERT_NE(owner, nullptr) << problem;
    const HWND pane = OpenWindow(host, {WindowKind::Pane, kGeorge}, problem);
    ASSERT_NE(pane, nullptr) << problem;
    EXPECT_FALSE(host.Loaded().CanUnload());
    EXPECT_TRUE(host.Loaded().Unload(&problem)) << problem;
    EXPECT_FALSE(IsWindow(owner) || IsWindow(pane));
    EXPECT_EQ(winport::FindDialogTemplate(kDetailsTemplate), nullptr);
    EXPECT_EQ(BRCString(24203), "");
}

TEST_F(ClientHostTest, UsersAreHandedOutByNumberAndThoseThatCannotBeOpenedNamed) {
    ClientHost host(*m_store, test::BuildTreeHost());
    std::string problem;
    EXPECT_EQ(OpenWindow(host, {WindowKind::Contact, 4242}, problem), nullptr);
    EXPECT_EQ(problem, "no user has the number 4242");
    EXPECT_EQ(OpenWindow(host, {WindowKind::Contact, 1234567}, problem), nullptr);
    EXPECT_EQ(problem, "user 1234567 is owner, not a contact");
    EXPECT_EQ(OpenWindow(host, {WindowKind::Group, kGeorge}, problem), nullptr);
    EXPECT_EQ(problem, "user 2000001 is contact, not a group");
    EXPECT_TRUE(host.Loaded().CanUnload());

    // The host application hands out user objects by number.
    HostApplication& application = host.Application();
    EXPECT_EQ(application.GetServices(), &host.Services());

    winport::ComPtr<MIUserObject> object;
    BCUserInfo greek(kGeorge, "Γιώργος");
    EXPECT_EQ(application.GetUserObject(&greek, object.GetAddressOf()), S_OK);
    EXPECT_NE(object, nullptr);
    BCUserInfo stranger(4242, "nobody");
    EXPECT_EQ(application.GetUserObject(&stranger, object.ReleaseAndGetAddressOf()), kUnknownUser);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(application.GetUserObject(nullptr, object.ReleaseAndGetAddressOf()), E_POINTER);

    // The client's History tab comes through its tab provider.
    winport::ComPtr<MITabProvider> provider;
    EXPECT_TRUE(application.GetTabProvider(provider.GetAddressOf()));
    EXPECT_NE(provider, nullptr);
    EXPECT_FALSE(application.GetTabProvider(nullptr));
}

TEST_F(ClientHostTest, MissingOrForeignLibraryIsRefusedWithItsName) {
    for (const auto& [library, problem] : {std::pair<std::filesystem::path, const char*>{
                                               m_temp.Path() / "libnothing.so", "libnothing.so"},
                                           {NUV_WINPORT_PATH, "no NUVModuleGetEntryPoint"}}) {
        ClientOptions options = test::BuildTreeHost();
        options.module = library;
        EXPECT_THAT([&] { ClientHost host(*m_store, options); },
                    ThrowsMessage<ModuleError>(HasSubstr(problem)));
    }
}

TEST(OpenCommandTest, PrintsTheWindowAndFailsClearlyForWhatCannotBeOpened) {
    test::TempFolder temp;
    const std::string data = (temp.Path() / "data").string();
    test::RunResult owner = test::RunClient({"--data", data, "open", "owner"});
    EXPECT_EQ(owner.status, 0) << owner.err;
    EXPECT_THAT(owner.out, HasSubstr("\"Affiliations\""));
    EXPECT_EQ(owner.err, "");

    // A group gets its own dialog.
    test::RunResult group = test::RunClient({"--data", data, "open", "group", "9000001"});
    EXPECT_EQ(group.status, 0) << group.err;
    EXPECT_THAT(group.out, HasSubstr("#32770 \"E-NUV Info\""));
    EXPECT_THAT(group.out, HasSubstr("Edit 1013 \"" + std::to_string(kGroup) + "\""));

    test::RunResult badModule =
        test::RunClient({"--data", data, "--module", data + "/none.so", "open", "owner"});
    EXPECT_EQ(badModule.status, 1);
    EXPECT_THAT(badModule.err, HasSubstr("none.so"));
}

}  // namespace
}  // namespace nuvclient
