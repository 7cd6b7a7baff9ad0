// Closing a details window: a contact's Close keeps what the pages hold and tells the host, the
// owner's Close and the close box keep nothing, and a page that refuses its entries keeps the
// window open on its tab, as it stops the owner's Save.
#include <algorithm>

#include "ModuleTestSupport.h"

namespace moduletest {
namespace {

class UserDetailsCloseTest : public ModuleFixture {
protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        notes = &host->InstallTabProvider().AddPage("Notes");
    }
    // Where |call| stands in the host's log; -1 when it was not made.
    int Position(std::string_view call) {
        const auto& calls = host->Calls();
        const auto found = std::find(calls.begin(), calls.end(), call);
        return found == calls.end() ? -1 : static_cast<int>(found - calls.begin());
    }
    // How often the outside page was asked to validate and to commit, the host told of the
    // contact's and of the owner's commit, and the pages' connection told.
    std::string Commits() const {
        std::string counts;
        for (const char* call :
             {"page Notes ValidatePage", "page Notes CommitPage", "ContactCommitted 1002",
              "ContactCommitted 1001", "PagesCommitted"})
            counts += std::to_string(host->Count(call));
        return counts;
    }

    testhost::TestExternalPage* notes = nullptr;
};

// A page with nothing to commit is not asked to validate (it would refuse here).
TEST_F(UserDetailsCloseTest, ContactCloseCommitsEveryPageAndTellsTheHostOnce) {
    for (const auto& [canCommit, commits] : {std::pair{S_OK, "11101"}, {E_FAIL, "00101"}}) {
        SCOPED_TRACE(commits);
        notes->canCommit = notes->valid = canCommit;
        const HWND window = OpenContact(contact);
        host->ClearCalls();
        ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(Commits(), commits);
        if (canCommit != S_OK) continue;
        EXPECT_LT(Position("page Notes ValidatePage"), Position("page Notes CommitPage"));
        EXPECT_LT(Position("page Notes CommitPage"), Position("ContactCommitted 1002"));
        EXPECT_LT(Position("ContactCommitted 1002"), Position("PagesCommitted"));
    }
}

// The contact's Close and the owner's Save stop on the outside page's tab; once it takes its
// entries the contact's window closes.
TEST_F(UserDetailsCloseTest, RefusedEntriesKeepTheWindowOpenOnThatTab) {
    notes->valid = E_FAIL;
    HWND contactWindow = nullptr;
    for (const bool ownerWindow : {false, true}) {
        SCOPED_TRACE(ownerWindow ? "owner's Save" : "contact's Close");
        const HWND window = ownerWindow ? OpenOwner() : (contactWindow = OpenContact(contact));
        host->ClearCalls();
        ASSERT_TRUE(agent.Click(Item(window, ownerWindow ? IDC_DETAILS_SAVE : IDC_DETAILS_CLOSE)));
        EXPECT_EQ(ShownPage(window), ownerWindow ? 7 : 6);
        EXPECT_EQ(Commits(), "10000");
        EXPECT_TRUE(host->Operations().Started().empty());
        EXPECT_EQ(Text(Item(window, IDC_DETAILS_CLOSE)), ownerWindow ? "Cancel" : "&Close");
    }
    notes->valid = S_OK;
    ASSERT_TRUE(agent.Click(Item(contactWindow, IDC_DETAILS_CLOSE)));
    EXPECT_FALSE(IsWindow(contactWindow));
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 1);
}

// The owner's Close and any window's close box close without keeping anything.
TEST_F(UserDetailsCloseTest, OwnerCloseAndTheCloseBoxKeepNothing) {
    for (const bool ownerWindow : {true, false}) {
        SCOPED_TRACE(ownerWindow ? "owner's Close" : "contact's close box");
        const HWND window = ownerWindow ? OpenOwner() : OpenContact(contact);
        if (ownerWindow) {
            ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
        } else {
            SendMessage(window, WM_CLOSE, 0, 0);
        }
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(Commits(), "00000");
    }
}

}  // namespace
}  // namespace moduletest
