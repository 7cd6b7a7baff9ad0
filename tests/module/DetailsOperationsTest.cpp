// The details window's database operations over the test host: what starts them, the busy
// state a person sees while one runs, how its result comes back on the window's thread, and
// how it is ended when the window or its user goes.
#include <gmock/gmock.h>

#include "ModuleTestSupport.h"
#include "TestOperations.h"
#include "platform/controls/AnimationApi.h"
#include "platform/message/MessageApi.h"
#include "platform/shell/MessageBox.h"
#include "platform/text/Utf16.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace moduletest {
namespace {

using ::testing::ElementsAre;

class DetailsOperationsTest : public ModuleFixture {
protected:
    testhost::TestOperations& Operations() { return host->Operations(); }
    static bool Enabled(HWND dialog, int id) { return IsWindowEnabled(Item(dialog, id)) != FALSE; }
    static bool Playing(HWND dialog) {
        const auto state = winport::GetAnimationState(Item(dialog, IDC_DETAILS_ANIMATION));
        return state && state->playing;
    }
    // Which pages take input, in tab order.
    static std::vector<bool> PagesEnabled(HWND dialog) {
        std::vector<bool> enabled;
        for (int i = 0; i < Dialog(dialog)->GetPageCount(); ++i) {
            enabled.push_back(IsWindowEnabled(Dialog(dialog)->GetPage(i)->m_hWnd) != FALSE);
        }
        return enabled;
    }
    static bool AllPagesEnabled(HWND dialog, bool enabled) {
        const std::vector<bool> pages = PagesEnabled(dialog);
        return std::all_of(pages.begin(), pages.end(), [&](bool page) { return page == enabled; });
    }
    // The buttons as "Text" enabled or "(Text)" disabled: Save or Retrieve, Update From Database
    // (hidden in a contact's window), More Options and Close.
    static std::vector<std::string> Buttons(HWND dialog) {
        std::vector<std::string> shown;
        for (int id :
             {IDC_DETAILS_SAVE, IDC_DETAILS_UPDATE, IDC_DETAILS_MORE_OPTIONS, IDC_DETAILS_CLOSE}) {
            const std::string text = Text(Item(dialog, id));
            shown.push_back(Enabled(dialog, id) ? text : "(" + text + ")");
        }
        return shown;
    }
    HWND OpenStaleContact() {
        host->Record(contact)["LastUpdateDate"] = 0u;
        return OpenContact(contact);
    }
    static void ReportDone(testhost::StartedOperation& operation) {
        ASSERT_TRUE(operation.callback);
        EXPECT_EQ(operation.callback->OnDone(), S_OK);
    }
    static void ReportError(testhost::StartedOperation& operation, int code, const char* text) {
        ASSERT_TRUE(operation.callback);
        const std::u16string wide = winport::Utf8ToUtf16(text ? text : "");
        const DBOpErrorRecord error{0, code, text ? wide.c_str() : nullptr};
        EXPECT_EQ(operation.callback->OnError(&error), S_OK);
    }
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : agent.MessageBoxes()) texts.push_back(box.request.text);
        return texts;
    }
};

TEST_F(DetailsOperationsTest, OwnerSaveRunsBusyAndComesBackDoneWithoutReloading) {
    const HWND window = OpenOwner();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(agent.Type(Item(Dialog(window)->GetPage(0)->m_hWnd, IDC_MAIN_NICKNAME), "Annie"));
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_SAVE)));

    EXPECT_THAT(host->Calls(), ::testing::Contains("Start save 1001"));
    EXPECT_EQ(static_cast<std::string>(host->Record(owner)["NickName"]), "Annie");
    EXPECT_TRUE(Playing(window));
    EXPECT_THAT(Buttons(window),
                ElementsAre("(Save)", "(&Update From Database)", "(&More Options)", "Cancel"));
    EXPECT_TRUE(AllPagesEnabled(window, false));

    // The directory's answer may differ; an upload shows what the owner entered.
    host->Record(owner)["NickName"] = "Changed behind the window";
    ReportDone(Operations().Last());
    EXPECT_TRUE(Playing(window)) << "the result waits for the window's thread";
    winport::PumpMessages();
    EXPECT_FALSE(Playing(window));
    EXPECT_THAT(Buttons(window),
                ElementsAre("Save", "&Update From Database", "&More Options", "Done"));
    EXPECT_TRUE(AllPagesEnabled(window, true));
    EXPECT_EQ(Text(Item(Dialog(window)->GetPage(0)->m_hWnd, IDC_MAIN_NICKNAME)), "Annie");
    EXPECT_EQ(host->Count("End save"), 1);
    EXPECT_EQ(Operations().Running(), 0);
    EXPECT_TRUE(agent.MessageBoxes().empty());
}

TEST_F(DetailsOperationsTest, SaveStopsAtAPageThatRefusesItsEntries) {
    testhost::TestExternalPage& notes = host->InstallTabProvider().AddPage("Notes");
    notes.valid = E_FAIL;
    const HWND window = OpenOwner();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_SAVE)));
    EXPECT_EQ(SelectedTab(window), 7);
    EXPECT_EQ(VisiblePages(window), std::vector<int>{7});
    EXPECT_TRUE(Operations().Started().empty());
    EXPECT_EQ(host->Count("page Notes CommitPage"), 0);
    EXPECT_EQ(Text(Item(window, IDC_DETAILS_CLOSE)), "Cancel");
}

TEST_F(DetailsOperationsTest, NothingToUploadStartsNothingAndSaysDone) {
    host->Record(owner)["UpdateInfoStatus"] = 0xFFFF;
    const HWND window = OpenOwner();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_SAVE)));
    EXPECT_TRUE(Operations().Started().empty());
    EXPECT_FALSE(Playing(window));
    EXPECT_THAT(Buttons(window),
                ElementsAre("Save", "&Update From Database", "&More Options", "Done"));
}

TEST_F(DetailsOperationsTest, HighSecurityLevelWithoutAConfirmationComponentSavesNothing) {
    host->Record(owner)["SecurityLevel"] = 20;
    const HWND window = OpenOwner();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_SAVE)));
    EXPECT_TRUE(Operations().Started().empty());
    EXPECT_TRUE(agent.MessageBoxes().empty());
    EXPECT_FALSE(Playing(window));
}

TEST_F(DetailsOperationsTest, RetrievalReloadsThePagesAndKeepsWhatTheOwnerTyped) {
    const HWND window = OpenStaleContact();
    ASSERT_NE(window, nullptr);
    ASSERT_THAT(host->Calls(), ::testing::Contains("Start retrieve 1002"));
    // Retrieving leaves the pages and More Options to the person.
    EXPECT_TRUE(Playing(window));
    EXPECT_THAT(Buttons(window),
                ElementsAre("(Retrieve)", "&Update From Database", "&More Options", "&Close"));
    EXPECT_TRUE(AllPagesEnabled(window, true));

    const HWND page = Dialog(window)->GetPage(0)->m_hWnd;
    ASSERT_TRUE(agent.TypeInCombo(Item(page, IDC_MAIN_DISPLAY), "Borya from work"));
    host->Record(contact)["NickName"] = "Borya";
    ReportDone(Operations().Last());
    winport::PumpMessages();

    EXPECT_EQ(Text(Item(page, IDC_MAIN_NICKNAME)), "Borya") << "the pages reloaded";
    EXPECT_EQ(Text(Item(page, IDC_MAIN_DISPLAY)), "Borya from work") << "the typing was kept";
    EXPECT_EQ(static_cast<std::string>(host->Record(contact)["MyDefinedHandle"]),
              "Borya from work");
    EXPECT_THAT(Buttons(window),
                ElementsAre("Retrieve", "&Update From Database", "&More Options", "Done"));
    EXPECT_EQ(host->Count("End retrieve"), 1);
}

TEST_F(DetailsOperationsTest, FailureShowsTheOperationsTextAndReenablesEverything) {
    const HWND window = OpenOwner();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_SAVE)));
    ReportError(Operations().Last(), 17, "The directory refused the upload: ümlaut kept");
    winport::PumpMessages();
    ASSERT_EQ(agent.MessageBoxes().size(), 1u);
    const winport::MessageBoxRequest& box = agent.MessageBoxes()[0].request;
    EXPECT_EQ(box.text, "The directory refused the upload: ümlaut kept");
    EXPECT_EQ(box.style, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(box.caption, testhost::kApplicationTitle);
    EXPECT_FALSE(Playing(window));
    EXPECT_THAT(Buttons(window),
                ElementsAre("Save", "&Update From Database", "&More Options", "Cancel"));
    EXPECT_TRUE(AllPagesEnabled(window, true));
    EXPECT_EQ(host->Count("End save"), 1);
}

TEST_F(DetailsOperationsTest, ErrorWithoutRecordOrTextIsHandledSafely) {
    const HWND window = OpenStaleContact();
    ASSERT_NE(window, nullptr);
    testhost::StartedOperation& retrieval = Operations().Last();
    EXPECT_EQ(retrieval.callback->OnError(nullptr), E_POINTER);
    winport::PumpMessages();
    EXPECT_TRUE(agent.MessageBoxes().empty()) << "nothing was posted";
    EXPECT_TRUE(Playing(window));

    ReportError(retrieval, 5, nullptr);
    winport::PumpMessages();
    ASSERT_EQ(agent.MessageBoxes().size(), 1u) << "a failure without a text is still one";
    EXPECT_EQ(agent.MessageBoxes()[0].request.text, "");
    EXPECT_TRUE(Enabled(window, IDC_DETAILS_SAVE));
}

struct StartFailure {
    const char* label;
    HRESULT create;
    bool refusesInterface;
    HRESULT start;
    const char* told;
};

class StartFailureTest : public DetailsOperationsTest,
                         public ::testing::WithParamInterface<StartFailure> {};

// However an operation fails to start, the window is usable again and the person is told.
TEST_P(StartFailureTest, WindowIsUsableAgainAndThePersonIsTold) {
    Operations().createResult = GetParam().create;
    Operations().refusesInterface = GetParam().refusesInterface;
    Operations().startResult = GetParam().start;
    const HWND window = OpenOwner();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_SAVE)));
    EXPECT_EQ(Operations().Running(), 0);
    EXPECT_FALSE(Playing(window));
    EXPECT_THAT(Buttons(window),
                ElementsAre("Save", "&Update From Database", "&More Options", "Cancel"));
    EXPECT_TRUE(AllPagesEnabled(window, true));
    EXPECT_THAT(BoxTexts(), ElementsAre(GetParam().told));

    // The person can try again.
    Operations().createResult = S_OK;
    Operations().refusesInterface = false;
    Operations().startResult = S_OK;
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_SAVE)));
    EXPECT_EQ(Operations().Running(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, StartFailureTest,
    ::testing::Values(
        StartFailure{"NotCreated", E_OUTOFMEMORY, false, S_OK,
                     "The directory could not be reached (error 0x8007000E). Please try again "
                     "later."},
        StartFailure{"InterfaceRefused", S_OK, true, S_OK,
                     "The directory could not be reached (error 0x80004002). Please try again "
                     "later."},
        StartFailure{"StartFailed", S_OK, false, E_FAIL,
                     "The directory could not be reached (error 0x80004005). Please try again "
                     "later."}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DetailsOperationsTest, UpdateFromDatabaseAsksFirstAndReloadsEverything) {
    const HWND window = OpenOwner();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_UPDATE)));  // answered No
    ASSERT_EQ(agent.MessageBoxes().size(), 1u);
    EXPECT_EQ(agent.MessageBoxes()[0].request.style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_TRUE(Operations().Started().empty());

    agent.QueueMessageBoxAnswer(IDYES);
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_UPDATE)));
    EXPECT_THAT(host->Calls(), ::testing::Contains("Start update 1001"));
    EXPECT_THAT(Buttons(window),
                ElementsAre("(Save)", "(&Update From Database)", "(&More Options)", "Cancel"));
    EXPECT_TRUE(AllPagesEnabled(window, false));

    host->Record(owner)["NickName"] = "From the directory";
    ReportDone(Operations().Last());
    winport::PumpMessages();
    EXPECT_EQ(Text(Item(Dialog(window)->GetPage(0)->m_hWnd, IDC_MAIN_NICKNAME)),
              "From the directory");
    EXPECT_TRUE(AllPagesEnabled(window, true));
}

TEST_F(DetailsOperationsTest, ClosingEndsTheOperationAndDropsWhatItPosted) {
    const HWND window = OpenStaleContact();
    ASSERT_NE(window, nullptr);
    testhost::StartedOperation& retrieval = Operations().Last();
    ReportDone(retrieval);  // queued, not yet handled
    host->ClearCalls();
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(retrieval.ended);
    EXPECT_FALSE(retrieval.callback) << "the operation let go of the window's callback";
    EXPECT_THAT(host->Calls(), ::testing::Contains("End retrieve"));
    winport::PumpMessages();
    EXPECT_EQ(host->Count("End retrieve"), 1) << "the queued result was never handled";
}

TEST_F(DetailsOperationsTest, PaneDestroyedByTheHostEndsItsOperation) {
    const HWND pane = OpenPane();
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(SendMessage(pane, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(contact), 0));
    ASSERT_TRUE(agent.Click(Item(pane, IDC_DETAILS_SAVE)));
    testhost::StartedOperation& retrieval = Operations().Last();
    EXPECT_EQ(retrieval.kind, "retrieve");
    ReportDone(retrieval);
    DestroyWindow(paneHost);
    EXPECT_TRUE(retrieval.ended);
    winport::PumpMessages();
    EXPECT_EQ(host->Count("End retrieve"), 1);
}

TEST_F(DetailsOperationsTest, ShowingAnotherUserEndsThePreviousUsersRetrieval) {
    BCUserInfo* other = host->AddContact(1003, "Vera");
    const HWND pane = OpenPane();
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(SendMessage(pane, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(contact), 0));
    ASSERT_TRUE(agent.Click(Item(pane, IDC_DETAILS_SAVE)));
    testhost::StartedOperation& first = Operations().Last();
    ReportDone(first);
    ASSERT_TRUE(SendMessage(pane, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(other), 0));
    EXPECT_TRUE(first.ended);
    EXPECT_FALSE(Playing(pane));
    EXPECT_TRUE(Enabled(pane, IDC_DETAILS_SAVE));
    host->Record(other)["NickName"] = "Verochka";
    winport::PumpMessages();
    EXPECT_EQ(Text(Item(Dialog(pane)->GetPage(0)->m_hWnd, IDC_MAIN_NICKNAME)), "")
        << "the old result did not reload the pages for the new user";

    ASSERT_TRUE(agent.Click(Item(pane, IDC_DETAILS_SAVE)));
    EXPECT_EQ(Operations().Last().user, 1003);
}

}  // namespace
}  // namespace moduletest
