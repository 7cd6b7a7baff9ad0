#include "client/host/ClientHost.h"

#include "client/cli/OpenCommand.h"
#include "client/host/HostPreferences.h"
#include "client/store/DataFolder.h"
#include "hostlib/util/HostStrings.h"
#include "hostlib/util/RegistryKey.h"
#include "platform/resources/ResourceChain.h"
#include "platform/shell/Registry.h"
#include "platform/window/WindowApi.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

constexpr std::uint32_t kGreek = 2000001;
constexpr std::uint32_t kGroup = 9000001;
constexpr int kDetailsTemplate = 8506;

class ClientHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_liveBefore = LiveHostObjects::Count();
        m_store = OpenDataFolder(m_temp.Path() / "data", NUV_CLIENT_DATA_DIR);
    }
    void TearDown() override {
        EXPECT_EQ(LiveHostObjects::Count(), m_liveBefore) << "a host object was not released";
        EXPECT_EQ(winport::FindDialogTemplate(kDetailsTemplate), nullptr) << "module still loaded";
    }

    test::TempFolder m_temp;
    std::unique_ptr<Store> m_store;
    long m_liveBefore = 0;
};

TEST_F(ClientHostTest, LoadsAndInitialisesTheModuleAndUnloadsItAtTheEnd) {
    ClientHost host(*m_store);
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

    std::string problem;
    EXPECT_TRUE(host.Loaded().Unload(&problem)) << problem;
    EXPECT_EQ(winport::FindDialogTemplate(kDetailsTemplate), nullptr);
    EXPECT_EQ(BRCString(24203), "");
}

TEST_F(ClientHostTest, WindowsStillOpenAreClosedBeforeTheModuleGoes) {
    ClientHost host(*m_store);
    std::string problem;
    HWND owner = OpenWindow(host, {WindowKind::Owner}, problem);
    ASSERT_NE(owner, nullptr) << problem;
    HWND pane = OpenWindow(host, {WindowKind::Pane, kGreek}, problem);
    ASSERT_NE(pane, nullptr) << problem;
    EXPECT_FALSE(host.Loaded().CanUnload());

    EXPECT_TRUE(host.Loaded().Unload(&problem)) << problem;
    EXPECT_FALSE(IsWindow(owner));
    EXPECT_FALSE(IsWindow(pane));
}

TEST_F(ClientHostTest, UsersThatCannotBeOpenedAreNamed) {
    ClientHost host(*m_store);
    std::string problem;
    EXPECT_EQ(OpenWindow(host, {WindowKind::Contact, 4242}, problem), nullptr);
    EXPECT_EQ(problem, "no user has the number 4242");
    EXPECT_EQ(OpenWindow(host, {WindowKind::Contact, 1234567}, problem), nullptr);
    EXPECT_EQ(problem, "user 1234567 is owner, not a contact");
    EXPECT_EQ(OpenWindow(host, {WindowKind::Group, kGreek}, problem), nullptr);
    EXPECT_EQ(problem, "user 2000001 is contact, not a group");
    EXPECT_TRUE(host.Loaded().CanUnload());
}

TEST_F(ClientHostTest, HostApplicationHandsOutUserObjectsByNumber) {
    ClientHost host(*m_store);
    HostApplication& application = host.Application();
    EXPECT_EQ(application.GetServices(), &host.Services());

    winport::ComPtr<MIUserObject> object;
    BCUserInfo greek(kGreek, "Γιώργος");
    EXPECT_EQ(application.GetUserObject(&greek, object.GetAddressOf()), S_OK);
    EXPECT_NE(object, nullptr);
    BCUserInfo stranger(4242, "nobody");
    EXPECT_EQ(application.GetUserObject(&stranger, object.ReleaseAndGetAddressOf()), kUnknownUser);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(application.GetUserObject(nullptr, object.ReleaseAndGetAddressOf()), E_POINTER);

    winport::ComPtr<MITabProvider> provider;
    EXPECT_FALSE(application.GetTabProvider(provider.GetAddressOf()));
    EXPECT_EQ(provider, nullptr);
}

TEST_F(ClientHostTest, MissingOrForeignLibraryIsRefusedWithItsName) {
    ClientOptions missing;
    missing.module = m_temp.Path() / "libnothing.so";
    try {
        ClientHost host(*m_store, missing);
        ADD_FAILURE() << "a missing module was loaded";
    } catch (const ModuleError& error) {
        EXPECT_NE(std::string(error.what()).find("libnothing.so"), std::string::npos);
    }
    ClientOptions foreign;
    foreign.module = NUV_WINPORT_PATH;
    try {
        ClientHost host(*m_store, foreign);
        ADD_FAILURE() << "a library without the entry points was taken for the module";
    } catch (const ModuleError& error) {
        EXPECT_NE(std::string(error.what()).find("no NUVModuleGetEntryPoint"), std::string::npos);
    }
}

TEST(OpenCommandTest, PrintsTheWindowAndFailsClearlyForWhatCannotBeOpened) {
    test::TempFolder temp;
    const std::string data = (temp.Path() / "data").string();
    test::RunResult owner = test::RunClient({"--data", data, "open", "owner"});
    EXPECT_EQ(owner.status, 0) << owner.err;
    EXPECT_NE(owner.out.find("\"Affiliations\""), std::string::npos) << owner.out;
    EXPECT_EQ(owner.err, "");

    test::RunResult group = test::RunClient({"--data", data, "open", "group", "9000001"});
    EXPECT_EQ(group.status, 1);
    EXPECT_EQ(group.out, "");
    EXPECT_NE(group.err.find(std::to_string(kGroup)), std::string::npos);

    test::RunResult badModule =
        test::RunClient({"--data", data, "--module", data + "/none.so", "open", "owner"});
    EXPECT_EQ(badModule.status, 1);
    EXPECT_NE(badModule.err.find("none.so"), std::string::npos);
}

}  // namespace
}  // namespace nuvclient
