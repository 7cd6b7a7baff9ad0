// Closing the owner's window with changes not yet saved asks first: Yes saves them and closes
// once the directory has them, No drops them, Cancel goes back to them. Every way a person closes
// the window asks the same; with nothing changed, or in a contact's window, it closes at once.
#include "ModuleTestSupport.h"

namespace moduletest {
namespace {

constexpr char kQuestion[] =
    "You have changed your details without saving them. Save the changes before the window "
    "closes?";

// The ways a person closes the owner's window.
enum class Closing { CancelButton, Escape, Enter, TitleBar };

class UnsavedChangesTest : public ModuleFixture {
protected:
    HWND OpenOwnerAndType(const char* nickname) {
        const HWND window = OpenOwner();
        EXPECT_TRUE(agent.Type(Item(MainPage(window), IDC_MAIN_NICKNAME), nickname));
        return window;
    }
    void Close(HWND window, Closing how) {
        switch (how) {
            case Closing::CancelButton:
                EXPECT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
                break;
            case Closing::Escape: EXPECT_TRUE(agent.PressKey(VK_ESCAPE)); break;
            case Closing::Enter: EXPECT_TRUE(agent.PressKey(VK_RETURN)); break;
            case Closing::TitleBar:
                PostMessage(window, WM_CLOSE, 0, 0);
                winport::PumpMessages();
                break;
        }
    }
    // The boxes shown since the first |seen|.
    std::vector<std::string> Questions(size_t seen = 0) const {
        std::vector<std::string> asked;
        for (size_t i = seen; i < agent.MessageBoxes().size(); ++i) {
            const auto& box = agent.MessageBoxes()[i];
            asked.push_back(box.request.caption + ": " + box.request.text);
            EXPECT_EQ(box.request.style & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
        }
        return asked;
    }
};

TEST_F(UnsavedChangesTest, EveryWayOfClosingAsksAndEachAnswerDoesWhatItSays) {
    const std::string asked = std::string("Unsaved Changes: ") + kQuestion;
    for (const Closing how :
         {Closing::CancelButton, Closing::Escape, Closing::Enter, Closing::TitleBar}) {
        SCOPED_TRACE(static_cast<int>(how));
        const std::string before = Keys(owner, {"NickName"});
        const size_t seen = agent.MessageBoxes().size();
        // Cancel: back to the window, the change still typed.
        HWND window = OpenOwnerAndType("Annie");
        agent.QueueMessageBoxAnswer(IDCANCEL);
        Close(window, how);
        EXPECT_THAT(Questions(seen), ::testing::ElementsAre(asked));
        ASSERT_TRUE(IsWindow(window));
        EXPECT_EQ(Text(Item(MainPage(window), IDC_MAIN_NICKNAME)), "Annie");
        // No: the window closes and the record keeps what it had.
        agent.QueueMessageBoxAnswer(IDNO);
        Close(window, how);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(Keys(owner, {"NickName"}), before);
        EXPECT_TRUE(host->Operations().Started().empty());
        EXPECT_EQ(Questions(seen).size(), 2u);
    }
}

// Yes saves and closes once the directory has the changes (owner-close-saves.nuv); a failed upload
// leaves the window open.
TEST_F(UnsavedChangesTest, AFailedUploadLeavesTheWindowOpenAndNothingChangedClosesAtOnce) {
    const HWND window = OpenOwnerAndType("Annie");
    agent.QueueMessageBoxAnswer(IDYES);
    Close(window, Closing::CancelButton);
    agent.QueueMessageBoxAnswer(IDOK);
    const DBOpErrorRecord error{0, 5, u"The directory is busy."};
    ASSERT_EQ(host->Operations().Last().callback->OnError(&error), S_OK);
    winport::PumpMessages();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(agent.MessageBoxes().back().request.text, "The directory is busy.");
    // Closed now, nothing left unsaved: it closes at once.
    Close(window, Closing::CancelButton);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(agent.MessageBoxes().size(), 2u);

    // With nothing changed, or in a contact's window, closing asks nothing.
    const size_t seen = agent.MessageBoxes().size();
    const HWND ownerWindow = OpenOwner();
    Close(ownerWindow, Closing::Escape);
    EXPECT_FALSE(IsWindow(ownerWindow));
    const HWND contactWindow = OpenContact(contact);
    ASSERT_TRUE(agent.TypeInCombo(Item(MainPage(contactWindow), IDC_MAIN_DISPLAY), "Bobby",
                                  winport::TypeMode::Replace));
    Close(contactWindow, Closing::CancelButton);
    EXPECT_FALSE(IsWindow(contactWindow));
    EXPECT_THAT(Questions(seen), ::testing::IsEmpty());
}

}  // namespace
}  // namespace moduletest
