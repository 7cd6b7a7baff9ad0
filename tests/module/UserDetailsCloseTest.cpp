// Closing a details window: a contact's Close keeps what the pages hold and tells the host, the
// owner's closes without keeping anything, and a page that refuses its entries keeps it open.
#include <algorithm>

#include "ModuleTestSupport.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

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

    testhost::TestExternalPage* notes = nullptr;
};

TEST_F(UserDetailsCloseTest, ContactCloseCommitsEveryPageAndTellsTheHostOnce) {
    const HWND window = OpenContact(contact);
    ASSERT_NE(window, nullptr);
    host->ClearCalls();
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 1);
    EXPECT_EQ(host->Count("page Notes CommitPage"), 1);
    EXPECT_EQ(host->Count("PagesCommitted"), 1);
    EXPECT_LT(Position("page Notes ValidatePage"), Position("page Notes CommitPage"));
    EXPECT_LT(Position("page Notes CommitPage"), Position("ContactCommitted 1002"));
    EXPECT_LT(Position("ContactCommitted 1002"), Position("PagesCommitted"));
}

TEST_F(UserDetailsCloseTest, RefusedEntriesKeepTheWindowOpenOnThatTab) {
    notes->valid = E_FAIL;
    const HWND window = OpenContact(contact);
    ASSERT_NE(window, nullptr);
    host->ClearCalls();
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(SelectedTab(window), 6);
    EXPECT_EQ(VisiblePages(window), std::vector<int>{6});
    EXPECT_EQ(host->Count("page Notes CommitPage"), 0);
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 0);
    EXPECT_EQ(host->Count("PagesCommitted"), 0);

    notes->valid = S_OK;
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 1);
}

TEST_F(UserDetailsCloseTest, PageWithNothingToCommitIsLeftAlone) {
    notes->canCommit = E_FAIL;
    notes->valid = E_FAIL;
    const HWND window = OpenContact(contact);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
    EXPECT_FALSE(IsWindow(window)) << "a page that cannot commit is not asked to validate";
    EXPECT_EQ(host->Count("page Notes ValidatePage"), 0);
    EXPECT_EQ(host->Count("page Notes CommitPage"), 0);
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 1);
}

// The owner's Close and any window's close box close without keeping anything.
TEST_F(UserDetailsCloseTest, OwnerCloseAndTheCloseBoxKeepNothing) {
    for (const bool ownerWindow : {true, false}) {
        SCOPED_TRACE(ownerWindow ? "owner's Close" : "contact's close box");
        const HWND window = ownerWindow ? OpenOwner() : OpenContact(contact);
        ASSERT_NE(window, nullptr);
        if (ownerWindow) {
            ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
        } else {
            SendMessage(window, WM_CLOSE, 0, 0);
        }
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(host->Count("page Notes ValidatePage"), 0);
        EXPECT_EQ(host->Count("page Notes CommitPage"), 0);
        EXPECT_EQ(host->Count("ContactCommitted 1001") + host->Count("ContactCommitted 1002"), 0);
        EXPECT_EQ(host->Count("PagesCommitted"), 0);
    }
}

}  // namespace
}  // namespace moduletest
