// The details pane inside a host window: no user at first, then whichever user the host sends,
// never showing one user's details for another.
#include "ModuleTestSupport.h"

namespace moduletest {
namespace {

class UserDetailsPaneTest : public ModuleFixture {
protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        pane = OpenPane();
        host->ClearCalls();
    }
    LRESULT Show(BCUserInfo* user) {
        return SendMessage(pane, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(user), 0);
    }
    bool RetrieveEnabled() { return IsWindowEnabled(Item(pane, IDC_DETAILS_SAVE)) != FALSE; }
    // The name the pages would show, read from the record every page shares.
    std::string ShownName() { return Dialog(pane)->GetPropertySet()["DefinedHandle"]; }

    HWND pane = nullptr;
};

// The pane starts as a child without a user or a title, and shows one user after another.
TEST_F(UserDetailsPaneTest, ShowsOneUserAfterAnotherAndNothingOfOneThatCannotBeShown) {
    EXPECT_EQ(GetParent(pane), paneHost);
    EXPECT_EQ(TabCaptions(pane).size(), 6u);
    EXPECT_EQ(Buttons(pane), "(Retrieve)|-|-|-");
    EXPECT_EQ(host->Count("GetTabProvider"), 0) << "no user, no outside tabs";
    BCUserInfo* third = host->AddContact(1003, "Chen");
    EXPECT_EQ(Show(contact), 1);
    EXPECT_TRUE(RetrieveEnabled());
    EXPECT_EQ(ShownName(), "Boris");
    EXPECT_EQ(Show(third), 1);
    EXPECT_EQ(ShownName(), "Chen");
    EXPECT_TRUE(RetrieveEnabled());
    EXPECT_EQ(Text(pane), "") << "the pane takes no title";
    // The pages built when the first user is shown take the host's tab images.
    std::vector<std::string> calls = host->Calls();
    std::erase(calls, "GetSmallImageList");
    EXPECT_EQ(calls,
              (std::vector<std::string>{"GetUserObject 1002", "GetPropertySet 1002 contact",
                                        "GetUserObject 1003", "GetPropertySet 1003 contact"}));
    EXPECT_EQ(host->User(contact).RefCount(), 1u) << "the previous user is let go";
    // No user, one whose record cannot be read or one the host does not know: nothing of the
    // previous user stays, and Retrieve is offered only for a user object the host gave.
    BCUserInfo* unreadable = host->AddContact(1004, "Dora");
    host->User(unreadable).readable = false;
    const struct {
        BCUserInfo* user;
        bool retrieve;
        std::vector<std::string> calls;
    } cases[] = {
        {nullptr, false, {}},
        {unreadable,
         true,
         {"GetUserObject 1004", "GetPropertySet 1004 contact", "GetPropertySet 1004 owner"}},
        {host->Stranger(), false, {"GetUserObject 9999"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.user ? c.user->GetNumber() : 0);
        Show(contact);
        host->ClearCalls();
        EXPECT_EQ(Show(c.user), 1);
        EXPECT_EQ(ShownName(), "");
        EXPECT_EQ(RetrieveEnabled(), c.retrieve);
        EXPECT_EQ(host->Calls(), c.calls);
    }
}

// The owner's own record is never replaced by the directory's copy unasked: shown in the pane he
// offers no Retrieve, and a command to retrieve him starts nothing.
TEST_F(UserDetailsPaneTest, OwnerShownOffersNoRetrieveUntilAContactIs) {
    Show(contact);
    EXPECT_TRUE(RetrieveEnabled());
    Show(owner);
    EXPECT_FALSE(RetrieveEnabled());
    const HWND retrieve = Item(pane, IDC_DETAILS_SAVE);
    EXPECT_FALSE(agent.Click(retrieve));
    SendMessage(pane, WM_COMMAND, MAKEWPARAM(IDC_DETAILS_SAVE, BN_CLICKED),
                reinterpret_cast<LPARAM>(retrieve));
    EXPECT_EQ(host->Count("Start retrieve 1001"), 0);
    Show(contact);
    ASSERT_TRUE(agent.Click(retrieve));
    EXPECT_EQ(host->Count("Start retrieve 1002"), 1);
}

// The host closes the pane; a Close command only keeps what the pages hold.
TEST_F(UserDetailsPaneTest, CloseCommandKeepsThePagesButNotThePaneAway) {
    Show(contact);
    host->ClearCalls();
    const HWND close = Item(pane, IDC_DETAILS_CLOSE);
    SendMessage(pane, WM_COMMAND, MAKEWPARAM(IDC_DETAILS_CLOSE, BN_CLICKED),
                reinterpret_cast<LPARAM>(close));
    EXPECT_TRUE(IsWindow(pane));
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 1);
}

}  // namespace
}  // namespace moduletest
