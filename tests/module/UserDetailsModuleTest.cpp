// The module object as the host uses it: one object, initialisation, the live-dialog count that
// decides unloading, and opening windows when the host or the parent cannot have one.
#include "module/UserDetailsModule.h"

#include "ModuleTestSupport.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace moduletest {
namespace {

using UserDetailsModuleTest = ModuleFixture;

TEST_F(UserDetailsModuleTest, IsInitializedOnlyWithAHostApplication) {
    module->Initialize(nullptr);
    EXPECT_FALSE(module->IsInitialized());
    module->Initialize(host->Application());
    EXPECT_TRUE(module->IsInitialized());
}

TEST_F(UserDetailsModuleTest, MayUnloadOnlyWhenEveryFormIsClosed) {
    EXPECT_TRUE(CanUnload());
    const HWND ownerWindow = OpenOwner();
    const HWND contactWindow = OpenContact(contact);
    const HWND pane = OpenPane();
    ASSERT_TRUE(ownerWindow && contactWindow && pane);
    EXPECT_FALSE(CanUnload());

    ASSERT_TRUE(agent.Click(Item(contactWindow, IDC_DETAILS_CLOSE)));
    EXPECT_FALSE(IsWindow(contactWindow));
    ASSERT_TRUE(agent.Click(Item(ownerWindow, IDC_DETAILS_CLOSE)));
    EXPECT_FALSE(IsWindow(ownerWindow));
    EXPECT_FALSE(CanUnload()) << "the pane still lives";
    DestroyWindow(paneHost);
    EXPECT_FALSE(IsWindow(pane));
    EXPECT_TRUE(CanUnload());
}

TEST_F(UserDetailsModuleTest, AModalWindowCountsWhileItRuns) {
    bool couldUnloadWhileOpen = true;
    std::vector<std::string> tabs;
    agent.QueueDialogHandler(IDD_USER_DETAILS, [&](HWND dialog) {
        couldUnloadWhileOpen = CanUnload();
        tabs = TabCaptions(dialog);
        agent.Click(Item(dialog, IDC_DETAILS_CLOSE));
    });
    const INT_PTR result =
        module->OpenUserDetailsModal(host->UserObject(contact), contact, 0, false, false, nullptr);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(couldUnloadWhileOpen);
    EXPECT_EQ(tabs.size(), 6u);
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 1);
    EXPECT_TRUE(CanUnload());
}

TEST_F(UserDetailsModuleTest, AModalWindowNobodyAnswersCommitsNothing) {
    const INT_PTR result =
        module->OpenUserDetailsModal(host->UserObject(contact), contact, 0, false, false, nullptr);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(agent.ModalDialogs(), std::vector<int>{IDD_USER_DETAILS});
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 0);
}

// Without a host, or with one that has no services, no window can be built.
TEST_F(UserDetailsModuleTest, OpensNothingBeforeInitialize) {
    module->Initialize(nullptr);
    EXPECT_EQ(OpenOwner(), nullptr);
    EXPECT_EQ(OpenContact(contact), nullptr);
    EXPECT_EQ(
        module->OpenUserDetailsModal(host->UserObject(contact), contact, 0, false, false, nullptr),
        -1);
    EXPECT_EQ(module->CreateDetailsPane(nullptr), nullptr);
    EXPECT_TRUE(winport::TopLevelWindows().empty());
    EXPECT_TRUE(CanUnload());
    EXPECT_TRUE(host->Calls().empty());
}

TEST_F(UserDetailsModuleTest, OpensNothingForAHostWithoutServices) {
    host->DropServices();
    module->Initialize(host->Application());
    EXPECT_EQ(OpenOwner(), nullptr);
    EXPECT_EQ(OpenContact(contact), nullptr);
    EXPECT_EQ(OpenPane(), nullptr);
    EXPECT_TRUE(CanUnload());
}

// A window that cannot be made leaves no dialog object behind and gives back the user object.
TEST_F(UserDetailsModuleTest, FailedCreationDestroysTheDialogOnce) {
    const HWND gone = CreateWindowEx(0, "Static", "gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr);
    DestroyWindow(gone);
    CWnd parent;
    parent.m_hWnd = gone;

    EXPECT_EQ(module->OpenOwnerDetails(host->UserObject(owner), owner, 0, false, &parent), nullptr);
    EXPECT_EQ(module->OpenUserDetails(host->UserObject(contact), contact, 0, false, false, &parent),
              nullptr);
    EXPECT_EQ(
        module->OpenUserDetailsModal(host->UserObject(contact), contact, 0, false, false, &parent),
        -1);
    EXPECT_EQ(module->CreateDetailsPane(&parent), nullptr);
    EXPECT_EQ(module->CreateDetailsPane(nullptr), nullptr);
    parent.m_hWnd = nullptr;

    EXPECT_TRUE(CanUnload());
    EXPECT_EQ(host->User(contact).RefCount(), 1u);
    EXPECT_EQ(host->User(owner).RefCount(), 1u);
}

TEST_F(UserDetailsModuleTest, ADeletedModuleObjectIsMadeAgain) {
    delete module;
    module = Module();
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(module->IsInitialized()) << "the module-wide state outlives the object";
    const HWND window = OpenContact(contact);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TabCaptions(window).front(), "Main");
}

struct InitialTabCase {
    int requested;
    bool limited;
    int selected;
};

class InitialTabTest : public ModuleFixture,
                       public ::testing::WithParamInterface<InitialTabCase> {};

TEST_P(InitialTabTest, OpensTheRequestedTabOrTheFirst) {
    const HWND window = OpenContact(contact, GetParam().requested, GetParam().limited);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SelectedTab(window), GetParam().selected);
    EXPECT_EQ(VisiblePages(window), std::vector<int>{GetParam().selected});
}

INSTANTIATE_TEST_SUITE_P(Tabs, InitialTabTest,
                         ::testing::Values(InitialTabCase{2, false, 2}, InitialTabCase{5, false, 5},
                                           InitialTabCase{-1, false, 0},
                                           InitialTabCase{-7, true, 0}, InitialTabCase{3, true, 3},
                                           InitialTabCase{5, true, 0},
                                           InitialTabCase{6, false, 0}));

}  // namespace
}  // namespace moduletest
