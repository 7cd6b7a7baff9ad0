// Tabs that outside components add through the page site: which windows ask for them, how a
// component's window is taken into its tab and follows its size, and a site that outlives its
// window.
#include "details/ExternalPagePane.h"

#include "ModuleTestSupport.h"

namespace moduletest {
namespace {

class ExternalPagePaneTest : public ModuleFixture {
protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        provider = &host->InstallTabProvider();
        notes = &provider->AddPage("Notizen ✓");
    }
    // The tab page that carries the component's window.
    HWND OutsideTab(HWND window, int index = 6) {
        BCInsideDialog* page = Dialog(window)->GetPage(index);
        return page ? page->m_hWnd : nullptr;
    }
    std::vector<std::string> PageCalls() {
        std::vector<std::string> calls;
        for (const std::string& call : host->Calls()) {
            if (call.rfind("page ", 0) == 0) calls.push_back(call);
        }
        return calls;
    }

    testhost::TestTabProvider* provider = nullptr;
    testhost::TestExternalPage* notes = nullptr;
};

// The owner's window and a contact's of user types 0 and 2 get them after their own tabs; other
// contacts, and a contact's window without his user info, ask for none.
TEST_F(ExternalPagePaneTest, WindowsThatAskForThemGetThemAfterTheirOwnTabs) {
    const HWND ownerWindow = OpenOwner();
    EXPECT_EQ(host->Count("RegisterOwnerPages 1001"), 1);
    EXPECT_EQ(TabCaptions(ownerWindow).size(), 8u);
    EXPECT_EQ(TabCaptions(ownerWindow).back(), "Notizen ✓");
    EXPECT_EQ(TabImages(ownerWindow).back(), 34);
    for (const unsigned short userType : {0, 1, 2, 3}) {
        SCOPED_TRACE(userType);
        host->ClearCalls();
        host->Record(contact)["UserType"] = userType;
        const HWND window = OpenContact(contact);
        const bool outsideTabs = userType % 2 == 0;
        EXPECT_EQ(host->Count("RegisterContactPages 1002"), outsideTabs ? 1 : 0);
        EXPECT_EQ(TabCaptions(window).size(), outsideTabs ? 7u : 6u);
        DestroyWindow(window);
    }
    host->ClearCalls();
    CWnd* window =
        module->OpenUserDetails(host->UserObject(contact), nullptr, 0, false, false, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(host->Count("GetTabProvider"), 0);
    EXPECT_EQ(TabCaptions(window->m_hWnd).size(), 6u);
}

// The component's window fills its tab and follows the pane's size, but not its minimising;
// showing another user and the pages reloading after a retrieval leave it alone.
TEST_F(ExternalPagePaneTest, ComponentWindowFillsItsTabAndFollowsItsSize) {
    const HWND window = OpenContact(contact);
    EXPECT_TRUE(PageCalls().empty()) << "the tab is built when first shown";
    ASSERT_TRUE(agent.SelectTab(Item(window, IDC_DETAILS_TAB), "Notizen ✓"));
    const HWND tab = OutsideTab(window);
    EXPECT_EQ(GetParent(notes->Window()), tab);
    RECT component{}, client{};
    GetClientRect(notes->Window(), &component);
    GetClientRect(tab, &client);
    EXPECT_EQ(component, client);
    const std::vector<std::string> calls = PageCalls();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 4),
              (std::vector<std::string>{
                  "page Notizen ✓ CreatePageWindow 1", "page Notizen ✓ GetPageWindow",
                  "page Notizen ✓ NotifyReparented 1", "page Notizen ✓ CompleteBuild 0"}));
    EXPECT_TRUE(IsWindowVisible(notes->Window()));
    host->ClearCalls();
    SendMessage(window, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(contact), 0);
    Dialog(window)->DoRefresh();
    EXPECT_TRUE(PageCalls().empty());

    MoveWindow(tab, 0, 0, 321, 123, TRUE);
    EXPECT_EQ(PageCalls(), std::vector<std::string>{"page Notizen ✓ ResizePage 321x123"});
    host->ClearCalls();
    ShowWindow(window, SW_MINIMIZE);
    SendMessage(tab, WM_SIZE, 1, MAKELPARAM(0, 0));
    EXPECT_TRUE(PageCalls().empty());
    SendMessage(tab, WM_SIZE, 2, MAKELPARAM(640, 480));
    EXPECT_EQ(PageCalls(), std::vector<std::string>{"page Notizen ✓ ResizePage 640x480"});
}

TEST_F(ExternalPagePaneTest, WindowThatCannotBeTakenInLeavesAnEmptyTab) {
    notes->handsOutDeadWindow = true;
    const HWND window = OpenContact(contact);
    EXPECT_EQ(TabCaptions(window).size(), 7u);
    EXPECT_EQ(host->Count("page Notizen ✓ NotifyReparented 1"), 0);
    EXPECT_EQ(host->Count("page Notizen ✓ CompleteBuild 0"), 0);
    host->ClearCalls();
    MoveWindow(OutsideTab(window), 0, 0, 300, 200, TRUE);
    EXPECT_TRUE(PageCalls().empty()) << "nothing to resize";
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 1);
}

// A provider may keep the site and add tabs while the window lives; past the window it gets an
// error, not a freed object.
TEST_F(ExternalPagePaneTest, SiteAddsTabsWhileItsWindowLivesAndRefusesLateCalls) {
    provider->keepSite = true;
    const HWND window = OpenContact(contact);
    ASSERT_TRUE(provider->keptSite);
    EXPECT_EQ(provider->keptSite->AddPage(u"Nothing", nullptr, nullptr, 0), S_OK);
    EXPECT_EQ(TabCaptions(window).size(), 7u) << "a null page is ignored";
    testhost::TestExternalPage& later = provider->AddPage("Later");
    EXPECT_EQ(provider->keptSite->AddPage(u"Later", nullptr, &later, 0), S_OK);
    EXPECT_EQ(TabCaptions(window).back(), "Later");
    EXPECT_EQ(GetParent(later.Window()), OutsideTab(window, 7));

    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
    ASSERT_FALSE(IsWindow(window));
    EXPECT_TRUE(CanUnload());
    EXPECT_EQ(provider->keptSite->AddPage(u"Late", nullptr, notes, 0), E_UNEXPECTED);
    EXPECT_EQ(provider->keptSite->AddPage(u"Late", nullptr, nullptr, 0), E_UNEXPECTED);
    EXPECT_EQ(notes->RefCount(), 1u);
    EXPECT_EQ(provider->keptSite.Reset(), 0u);
}

}  // namespace
}  // namespace moduletest
