// The details window's database operations over the test host: what starts them, the busy
// state a person sees while one runs, how its result comes back on the window's thread, and
// how it is ended when the window or its user goes.
#include "ModuleTestSupport.h"
#include "platform/controls/AnimationApi.h"
#include "platform/text/Utf16.h"

namespace moduletest {
namespace {

constexpr char kOwnerIdle[] = "idle|Save|&Update From Database|&More Options|";
constexpr char kOwnerBusy[] = "busy|(Save)|(&Update From Database)|(&More Options)|Cancel|-------";

class DetailsOperationsTest : public ModuleFixture {
protected:
    testhost::TestOperations& Operations() { return host->Operations(); }
    // What a person sees of the window's state: the busy animation playing or not, the buttons
    // and whether each page takes input ("+") or not ("-").
    static std::string State(HWND dialog) {
        const auto animation = winport::GetAnimationState(Item(dialog, IDC_DETAILS_ANIMATION));
        std::string pages;
        for (int i = 0; i < Dialog(dialog)->GetPageCount(); ++i) {
            const HWND page = Dialog(dialog)->GetPage(i)->m_hWnd;
            pages += !page ? '.' : IsWindowEnabled(page) ? '+' : '-';
        }
        return std::string(animation && animation->playing ? "busy|" : "idle|") + Buttons(dialog) +
               "|" + pages;
    }
    static std::string Nickname(HWND dialog) {
        return Text(Item(MainPage(dialog), IDC_MAIN_NICKNAME));
    }
    HWND OpenStaleContact() {
        host->Record(contact)["LastUpdateDate"] = 0u;
        return OpenContact(contact);
    }
    // The pane showing the contact, with his retrieval started.
    HWND OpenRetrievingPane() {
        const HWND pane = OpenPane();
        EXPECT_TRUE(SendMessage(pane, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(contact), 0));
        EXPECT_TRUE(agent.Click(Item(pane, IDC_DETAILS_SAVE)));
        EXPECT_EQ(Operations().Last().kind, "retrieve");
        return pane;
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
};

TEST_F(DetailsOperationsTest, OwnerSaveRunsBusyAndComesBackDoneWithoutReloading) {
    const HWND window = OpenOwner();
    ASSERT_TRUE(agent.Type(Item(MainPage(window), IDC_MAIN_NICKNAME), "Annie"));
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_SAVE)));

    EXPECT_THAT(host->Calls(), ::testing::Contains("Start save 1001"));
    EXPECT_EQ(static_cast<std::string>(host->Record(owner)["NickName"]), "Annie");
    EXPECT_EQ(State(window), kOwnerBusy);

    // The directory's answer may differ; an upload shows what the owner entered.
    host->Record(owner)["NickName"] = "Changed behind the window";
    ReportDone(Operations().Last());
    EXPECT_EQ(State(window), kOwnerBusy) << "the result waits for the window's thread";
    winport::PumpMessages();
    EXPECT_EQ(State(window), std::string(kOwnerIdle) + "Done|+++++++");
    EXPECT_EQ(Nickname(window), "Annie");
    EXPECT_EQ(host->Count("End save"), 1);
    EXPECT_EQ(Operations().Running(), 0);
    EXPECT_TRUE(agent.MessageBoxes().empty());
}

TEST_F(DetailsOperationsTest, RetrievalReloadsThePagesAndKeepsWhatTheOwnerTyped) {
    const HWND window = OpenStaleContact();
    ASSERT_THAT(host->Calls(), ::testing::Contains("Start retrieve 1002"));
    // Retrieving leaves the pages and More Options to the person; the pages not shown yet are
    // built as the retrieval reloads them.
    EXPECT_EQ(State(window), "busy|(Retrieve)|-|&More Options|&Close|+.....");

    const HWND page = MainPage(window);
    ASSERT_TRUE(agent.TypeInCombo(Item(page, IDC_MAIN_DISPLAY), "Borya from work"));
    host->Record(contact)["NickName"] = "Borya";
    ReportDone(Operations().Last());
    winport::PumpMessages();

    EXPECT_EQ(Text(Item(page, IDC_MAIN_NICKNAME)), "Borya") << "the pages reloaded";
    EXPECT_EQ(Text(Item(page, IDC_MAIN_DISPLAY)), "Borya from work") << "the typing was kept";
    EXPECT_EQ(Keys(contact, {"MyDefinedHandle"}), "Borya from work");
    EXPECT_EQ(State(window), "idle|Retrieve|-|&More Options|Done|++++++");
    EXPECT_EQ(host->Count("End retrieve"), 1);
}

// A failure is told with the operation's text, even without one; a report without a record is
// refused and posts nothing.
TEST_F(DetailsOperationsTest, FailureShowsTheOperationsTextAndReenablesEverything) {
    for (const char* text :
         {"The directory refused the upload: ümlaut kept", (const char*)nullptr}) {
        SCOPED_TRACE(text ? text : "no text");
        const HWND window = OpenOwner();
        const size_t boxes = agent.MessageBoxes().size();
        host->ClearCalls();
        ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_SAVE)));
        testhost::StartedOperation& save = Operations().Last();
        EXPECT_EQ(save.callback->OnError(nullptr), E_POINTER);
        winport::PumpMessages();
        EXPECT_EQ(State(window), kOwnerBusy) << "nothing was posted";
        ReportError(save, 17, text);
        winport::PumpMessages();
        // A failure without a text is still one.
        EXPECT_EQ(BoxTexts(boxes), Lines{text ? text : ""});
        const winport::MessageBoxRequest& box = agent.MessageBoxes().back().request;
        EXPECT_EQ(box.style, static_cast<UINT>(MB_OK | MB_ICONERROR));
        EXPECT_EQ(box.caption, testhost::kApplicationTitle);
        EXPECT_EQ(State(window), std::string(kOwnerIdle) + "Cancel|+++++++");
        EXPECT_EQ(host->Count("End save"), 1);
        DestroyWindow(window);
    }
}

// With nothing to upload the save is done at once; from security level 20 the upload needs the
// host's confirmation component, which the test host lacks: nothing is saved, nobody is told.
// However an operation fails to start, the window is usable again and the person is told; he
// can try again.
TEST_F(DetailsOperationsTest, SavesThatStartNothingLeaveTheWindowUsable) {
    const struct {
        unsigned short status;
        int level;
        HRESULT create;
        bool refusesInterface;
        HRESULT start;
        const char* close;
        const char* error;  // In the box the person is told.
    } cases[] = {{0xFFFF, 0, S_OK, false, S_OK, "Done", nullptr},
                 {0x0000, 20, S_OK, false, S_OK, "Cancel", nullptr},
                 {0x0000, 0, E_OUTOFMEMORY, false, S_OK, "Cancel", "0x8007000E"},
                 {0x0000, 0, S_OK, true, S_OK, "Cancel", "0x80004002"},
                 {0x0000, 0, S_OK, false, E_FAIL, "Cancel", "0x80004005"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.status << " " << c.level << " " << c.error);
        host->Record(owner)["UpdateInfoStatus"] = c.status;
        host->Record(owner)["SecurityLevel"] = c.level;
        Operations().createResult = c.create;
        Operations().refusesInterface = c.refusesInterface;
        Operations().startResult = c.start;
        const HWND window = OpenOwner();
        const size_t boxes = agent.MessageBoxes().size();
        const size_t started = Operations().Started().size();
        ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_SAVE)));
        EXPECT_EQ(Operations().Started().size(), started);
        EXPECT_EQ(State(window), std::string(kOwnerIdle) + c.close + "|+++++++");
        EXPECT_EQ(BoxTexts(boxes),
                  c.error ? Lines{std::string("The directory could not be reached (error ") +
                                  c.error + "). Please try again later."}
                          : Lines{});
        if (c.error) {
            Operations().createResult = Operations().startResult = S_OK;
            Operations().refusesInterface = false;
            ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_SAVE)));
            EXPECT_EQ(Operations().Running(), 1);
        }
        DestroyWindow(window);
    }
}

// Update From Database asks first; after Yes it runs as a save does (owner-refresh.nuv has the
// pages reloaded from the directory).
TEST_F(DetailsOperationsTest, UpdateFromDatabaseAsksFirst) {
    const HWND window = OpenOwner();
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_UPDATE)));  // answered No
    ASSERT_EQ(agent.MessageBoxes().size(), 1u);
    EXPECT_EQ(agent.MessageBoxes()[0].request.style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_TRUE(Operations().Started().empty());

    agent.QueueMessageBoxAnswer(IDYES);
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_UPDATE)));
    EXPECT_THAT(host->Calls(), ::testing::Contains("Start update 1001"));
    // A page first shown while the window is busy is built disabled.
    ASSERT_TRUE(agent.SelectTab(Item(window, IDC_DETAILS_TAB), "Home"));
    EXPECT_EQ(State(window), "busy|(Save)|(&Update From Database)|(&More Options)|Cancel|--.....");
}

// Closed by the person or destroyed by the host, the window ends its operation, which lets go
// of the window's callback; the result it had queued is never handled.
TEST_F(DetailsOperationsTest, ClosingOrShowingAnotherUserEndsTheOperation) {
    for (const bool pane : {false, true}) {
        SCOPED_TRACE(pane ? "pane" : "window");
        const HWND window = pane ? OpenRetrievingPane() : OpenStaleContact();
        testhost::StartedOperation& retrieval = Operations().Last();
        ReportDone(retrieval);  // queued, not yet handled
        host->ClearCalls();
        if (pane) {
            DestroyWindow(paneHost);
        } else {
            ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
        }
        EXPECT_FALSE(IsWindow(window));
        EXPECT_TRUE(retrieval.ended);
        EXPECT_FALSE(retrieval.callback) << "the operation let go of the window's callback";
        winport::PumpMessages();
        EXPECT_EQ(host->Count("End retrieve"), 1) << "the queued result was never handled";
    }

    // Showing another user ends the previous user's retrieval the same way.
    BCUserInfo* other = host->AddContact(1003, "Vera");
    const HWND pane = OpenRetrievingPane();
    testhost::StartedOperation& first = Operations().Last();
    ReportDone(first);
    ASSERT_TRUE(SendMessage(pane, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(other), 0));
    EXPECT_TRUE(first.ended);
    EXPECT_EQ(State(pane), "idle|Retrieve|-|-|-|++++++");
    host->Record(other)["NickName"] = "Verochka";
    winport::PumpMessages();
    EXPECT_EQ(Nickname(pane), "") << "the old result did not reload the pages for the new user";

    ASSERT_TRUE(agent.Click(Item(pane, IDC_DETAILS_SAVE)));
    EXPECT_EQ(Operations().Last().user, 1003);
}

}  // namespace
}  // namespace moduletest
