// The module object as the host uses it: one object, initialisation, the live-dialog count that
// decides unloading, and opening windows when the host or the parent cannot have one.
#include "module/UserDetailsModule.h"

#include "ModuleTestSupport.h"

namespace moduletest {
namespace {

using UserDetailsModuleTest = ModuleFixture;

TEST_F(UserDetailsModuleTest, MayUnloadOnlyWhenEveryFormModalOrNotIsClosed) {
    EXPECT_TRUE(CanUnload());
    const HWND ownerWindow = OpenOwner();
    const HWND contactWindow = OpenContact(contact);
    const HWND pane = OpenPane();
    EXPECT_FALSE(CanUnload());

    ASSERT_TRUE(agent.Click(Item(contactWindow, IDC_DETAILS_CLOSE)));
    EXPECT_FALSE(IsWindow(contactWindow));
    ASSERT_TRUE(agent.Click(Item(ownerWindow, IDC_DETAILS_CLOSE)));
    EXPECT_FALSE(IsWindow(ownerWindow));
    EXPECT_FALSE(CanUnload()) << "the pane still lives";
    DestroyWindow(paneHost);
    EXPECT_FALSE(IsWindow(pane));
    EXPECT_TRUE(CanUnload());

    // A modal window counts while it runs; closed, it commits the contact, and one nobody answers
    // commits nothing.
    host->ClearCalls();
    bool couldUnloadWhileOpen = true;
    std::vector<std::string> tabs;
    agent.QueueDialogHandler(IDD_USER_DETAILS, [&](HWND dialog) {
        couldUnloadWhileOpen = CanUnload();
        tabs = TabCaptions(dialog);
        agent.Click(Item(dialog, IDC_DETAILS_CLOSE));
    });
    const auto runModal = [&] {
        return module->OpenUserDetailsModal(host->UserObject(contact), contact, 0, false, false,
                                            nullptr);
    };
    EXPECT_EQ(runModal(), IDCANCEL);
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 1);
    EXPECT_EQ(runModal(), IDCANCEL);  // Nobody answers.
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 1);
    EXPECT_FALSE(couldUnloadWhileOpen);
    EXPECT_EQ(tabs.size(), 6u);
    EXPECT_EQ(agent.ModalDialogs(), std::vector<int>(2, IDD_USER_DETAILS));
    EXPECT_TRUE(CanUnload());
}

// Under a parent that is gone, without a host or with one that has no services, no window is
// built, no dialog object is left behind and the user objects are given back.
TEST_F(UserDetailsModuleTest, OpensNothingUnderADeadParentWithoutAHostOrItsServices) {
    const HWND gone = CreateWindowEx(0, "Static", "gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr);
    DestroyWindow(gone);
    CWnd deadParent;
    deadParent.m_hWnd = gone;
    EXPECT_EQ(module->CreateDetailsPane(nullptr), nullptr);
    const HWND paneParent = CreateWindowEx(0, "Static", "Contact List", WS_POPUP, 0, 0, 700, 520,
                                           nullptr, nullptr, nullptr, nullptr);
    for (const std::string lacking : {"parent", "host", "services"}) {
        SCOPED_TRACE(lacking);
        if (lacking == "services") host->DropServices();
        if (lacking != "parent")
            module->Initialize(lacking == "host" ? nullptr : host->Application());
        EXPECT_EQ(module->IsInitialized(), lacking != "host");
        host->ClearCalls();
        CWnd* parent = lacking == "parent" ? &deadParent : nullptr;
        EXPECT_EQ(module->OpenOwnerDetails(host->UserObject(owner), owner, 0, false, parent),
                  nullptr);
        EXPECT_EQ(
            module->OpenUserDetails(host->UserObject(contact), contact, 0, false, false, parent),
            nullptr);
        EXPECT_EQ(module->OpenUserDetailsModal(host->UserObject(contact), contact, 0, false, false,
                                               parent),
                  -1);
        EXPECT_EQ(module->CreateDetailsPane(parent ? parent : CWnd::FromHandle(paneParent)),
                  nullptr);
        EXPECT_EQ(winport::TopLevelWindows(), std::vector<HWND>{paneParent});
        EXPECT_TRUE(CanUnload());
        EXPECT_EQ(host->User(contact).RefCount() + host->User(owner).RefCount(), 2u);
        EXPECT_TRUE(lacking != "host" || host->Calls().empty());
    }
    deadParent.m_hWnd = nullptr;
}

TEST_F(UserDetailsModuleTest, ADeletedModuleObjectIsMadeAgain) {
    delete module;
    module = Module();
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(module->IsInitialized()) << "the module-wide state outlives the object";
    const HWND window = OpenContact(contact);
    EXPECT_EQ(TabCaptions(window).front(), "Main");
}

// The requested tab, or the first when the window has no such tab (a limited one has four).
TEST_F(UserDetailsModuleTest, OpensTheRequestedTabOrTheFirst) {
    for (const auto& [requested, limited, selected] : {std::tuple{2, false, 2},
                                                       {5, false, 5},
                                                       {-1, false, 0},
                                                       {-7, true, 0},
                                                       {3, true, 3},
                                                       {5, true, 0},
                                                       {6, false, 0}}) {
        SCOPED_TRACE(testing::Message() << requested << (limited ? " limited" : ""));
        const HWND window = OpenContact(contact, requested, limited);
        EXPECT_EQ(ShownPage(window), selected);
        DestroyWindow(window);
    }
}

}  // namespace
}  // namespace moduletest
