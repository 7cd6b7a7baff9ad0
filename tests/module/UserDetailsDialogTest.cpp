// The user details window in its three forms as a person sees it: tabs with their images,
// buttons, title, busy animation and the owner's update warning, and what the host is asked.
#include "details/UserDetailsDialog.h"

#include <gmock/gmock.h>

#include "ModuleTestSupport.h"
#include "hostlib/framework/FrameworkMessages.h"
#include "hostlib/res/HostResourceIds.h"
#include "platform/controls/AnimationApi.h"
#include "platform/controls/TabControlApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace moduletest {
namespace {

using ::testing::ElementsAre;

const std::vector<std::string> kContactTabs = {"Main", "Home",       "Work",
                                               "More", "Info/About", "Interests / Past"};

class UserDetailsDialogTest : public ModuleFixture {
protected:
    bool Visible(HWND dialog, int id) { return IsWindowVisible(Item(dialog, id)) != FALSE; }
    bool Enabled(HWND dialog, int id) { return IsWindowEnabled(Item(dialog, id)) != FALSE; }
};

TEST_F(UserDetailsDialogTest, OwnerWindowOffersSaveUpdateAndCancel) {
    const HWND window = OpenOwner();
    ASSERT_NE(window, nullptr);
    EXPECT_THAT(TabCaptions(window), ElementsAre("Main", "Home", "Work", "More", "Info/About",
                                                 "Affiliations", "Interests"));
    EXPECT_THAT(TabImages(window), ElementsAre(59, 53, 58, 56, 60, 54, 55));
    EXPECT_EQ(Text(Item(window, IDC_DETAILS_SAVE)), "Save");
    EXPECT_TRUE(Enabled(window, IDC_DETAILS_SAVE));
    EXPECT_EQ(Text(Item(window, IDC_DETAILS_UPDATE)), "&Update From Database");
    EXPECT_TRUE(Visible(window, IDC_DETAILS_UPDATE));
    EXPECT_EQ(Text(Item(window, IDC_DETAILS_CLOSE)), "Cancel");
    EXPECT_TRUE(Visible(window, IDC_DETAILS_MORE_OPTIONS));
    EXPECT_EQ(Text(window), "My Details: Ann");
    EXPECT_EQ(host->Count("GetPropertySet 1001 owner"), 1);
    EXPECT_EQ(host->Count("GetIcon 7"), 1);
}

TEST_F(UserDetailsDialogTest, ContactWindowOffersRetrieveAndClose) {
    host->Record(contact)["NickName"] = "Bo";
    const HWND window = OpenContact(contact);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TabCaptions(window), kContactTabs);
    EXPECT_THAT(TabImages(window), ElementsAre(59, 53, 58, 56, 60, 54));
    EXPECT_EQ(Text(Item(window, IDC_DETAILS_SAVE)), "Retrieve");
    EXPECT_TRUE(Enabled(window, IDC_DETAILS_SAVE));
    EXPECT_FALSE(Visible(window, IDC_DETAILS_UPDATE));
    EXPECT_EQ(Text(Item(window, IDC_DETAILS_CLOSE)), "&Close");
    // The Main page's title is the one that stays, not the host's format.
    EXPECT_EQ(Text(window), "NUV Global Directory - User Info On: Bo");
    EXPECT_EQ(host->Count("GetPropertySet 1002 contact"), 1);
}

TEST_F(UserDetailsDialogTest, LimitedContactWindowHasFourTabsAndNoRetrieval) {
    host->Record(contact)["LastUpdateDate"] = 0u;
    const HWND window = OpenContact(contact, 0, true);
    ASSERT_NE(window, nullptr);
    EXPECT_THAT(TabCaptions(window), ElementsAre("Main", "Home", "Work", "More"));
    EXPECT_FALSE(Enabled(window, IDC_DETAILS_SAVE));
    EXPECT_FALSE(agent.Click(Item(window, IDC_DETAILS_SAVE)));
    EXPECT_FALSE(Dialog(window)->RetrievesOnOpen());
    EXPECT_EQ(host->Count("MayRetrieveNow 0"), 0);
    EXPECT_EQ(host->Count("GetTabProvider"), 0);
}

TEST_F(UserDetailsDialogTest, TabsUseTheHostsImageList) {
    const HWND window = OpenContact(contact);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(
                  SendMessage(Item(window, IDC_DETAILS_TAB), TCM_GETIMAGELIST, 0, 0)),
              host->ImageList());
}

TEST_F(UserDetailsDialogTest, BusyAnimationShowsTheHostsClipBesideTheButtons) {
    const HWND window = OpenContact(contact);
    ASSERT_NE(window, nullptr);
    const HWND animation = Item(window, IDC_DETAILS_ANIMATION);
    const auto state = winport::GetAnimationState(animation);
    ASSERT_TRUE(state);
    EXPECT_TRUE(state->open);
    EXPECT_EQ(state->clip, host->ClipPath());
    EXPECT_FALSE(state->playing);

    RECT clip{}, tabs{}, save{};
    GetWindowRect(animation, &clip);
    GetWindowRect(Item(window, IDC_DETAILS_TAB), &tabs);
    GetWindowRect(Item(window, IDC_DETAILS_SAVE), &save);
    EXPECT_EQ(clip.right, tabs.right);
    EXPECT_EQ(clip.bottom, save.bottom);
    EXPECT_EQ(clip.right - clip.left, static_cast<LONG>(state->width)) << "moved, not resized";
}

// The More page hears a click of its "Homepage Category" button once the window is up.
TEST_F(UserDetailsDialogTest, HomepageCategoryOpensOnMoreAndClicksItsButton) {
    const HWND window = OpenContact(contact, 1, false, true);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SelectedTab(window), CUserDetailsDialog::kMoreTab);
    EXPECT_EQ(VisiblePages(window), std::vector<int>{CUserDetailsDialog::kMoreTab});
    const HWND more = Dialog(window)->GetPage(CUserDetailsDialog::kMoreTab)->m_hWnd;
    MSG click{};
    ASSERT_TRUE(PeekMessage(&click, more, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(click.wParam, MAKEWPARAM(IDC_MORE_HOMEPAGE_CATEGORY, BN_CLICKED));
    EXPECT_FALSE(PeekMessage(&click, more, WM_COMMAND, WM_COMMAND, PM_REMOVE)) << "only once";
}

TEST_F(UserDetailsDialogTest, NoClickWithoutTheHomepageCategoryFlag) {
    const HWND window = OpenContact(contact, 3);
    ASSERT_NE(window, nullptr);
    const HWND more = Dialog(window)->GetPage(CUserDetailsDialog::kMoreTab)->m_hWnd;
    MSG click{};
    EXPECT_FALSE(PeekMessage(&click, more, WM_COMMAND, WM_COMMAND, PM_REMOVE));
}

TEST_F(UserDetailsDialogTest, FrameworkLabelsTheOwnersCloseButton) {
    const HWND window = OpenOwner();
    ASSERT_NE(window, nullptr);
    const HWND close = Item(window, IDC_DETAILS_CLOSE);
    EXPECT_EQ(SendMessage(window, BCM_LABELDONE, 0, 0), 0);
    EXPECT_EQ(Text(close), "Done");
    EXPECT_EQ(SendMessage(window, BCM_LABELCANCEL, 0, 0), 0);
    EXPECT_EQ(Text(close), "Cancel");
}

TEST_F(UserDetailsDialogTest, ContactsCloseButtonIgnoresTheLabels) {
    const HWND window = OpenContact(contact);
    ASSERT_NE(window, nullptr);
    SendMessage(window, BCM_LABELDONE, 0, 0);
    SendMessage(window, BCM_LABELCANCEL, 0, 0);
    EXPECT_EQ(Text(Item(window, IDC_DETAILS_CLOSE)), "&Close");
}

// The update warning comes once the owner's window is up, as its own modal dialog.
TEST_F(UserDetailsDialogTest, UpdateWarningRemembersDontShowAgain) {
    host->Record(owner)["ShowUpdateInfoWarning"] = true;
    std::string caption, text;
    agent.QueueDialogHandler(IDD_BC_WARNING, [&](HWND warning) {
        caption = Text(warning);
        text = Text(GetDlgItem(warning, IDC_BC_WARNING_TEXT));
        agent.Tick(GetDlgItem(warning, IDC_BC_WARNING_DONTSHOW));
        agent.Click(GetDlgItem(warning, IDOK));
    });
    const HWND window = OpenOwner();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(agent.ModalDialogs().empty()) << "not before the window is up";
    winport::PumpMessages();
    EXPECT_EQ(agent.ModalDialogs(), std::vector<int>{IDD_BC_WARNING});
    EXPECT_EQ(caption, testhost::kWarningCaption);
    EXPECT_EQ(text, testhost::kWarningText);
    EXPECT_FALSE(static_cast<bool>(host->Record(owner)["ShowUpdateInfoWarning"]));
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(UserDetailsDialogTest, UpdateWarningKeepsShowingUnlessTicked) {
    host->Record(owner)["ShowUpdateInfoWarning"] = true;
    agent.QueueDialogHandler(IDD_BC_WARNING,
                             [&](HWND warning) { agent.Click(GetDlgItem(warning, IDOK)); });
    ASSERT_NE(OpenOwner(), nullptr);
    winport::PumpMessages();
    EXPECT_EQ(agent.ModalDialogs().size(), 1u);
    EXPECT_TRUE(static_cast<bool>(host->Record(owner)["ShowUpdateInfoWarning"]));
}

TEST_F(UserDetailsDialogTest, NoUpdateWarningWhenTheOwnerTurnedItOff) {
    host->Record(owner)["ShowUpdateInfoWarning"] = false;
    ASSERT_NE(OpenOwner(), nullptr);
    ASSERT_NE(OpenContact(contact), nullptr);
    winport::PumpMessages();
    EXPECT_TRUE(agent.ModalDialogs().empty());
}

TEST_F(UserDetailsDialogTest, ContactWindowsNeverWarn) {
    host->Record(contact)["ShowUpdateInfoWarning"] = true;
    ASSERT_NE(OpenContact(contact), nullptr);
    winport::PumpMessages();
    EXPECT_TRUE(agent.ModalDialogs().empty());
}

// The window comes to the top when the host's dispatcher window is up.
TEST_F(UserDetailsDialogTest, ShowingAUserBringsTheWindowUpBesideTheDispatcher) {
    const HWND window = OpenContact(contact);
    ASSERT_NE(window, nullptr);
    const HWND other = CreateWindowEx(0, "Static", "Chat", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                      nullptr, nullptr, nullptr, nullptr);
    SendMessage(window, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(contact), 0);
    EXPECT_EQ(winport::TopLevelWindows().front(), other) << "no dispatcher: the order stays";

    CreateWindowEx(0, "Static", testhost::kDispatcherTitle, WS_POPUP, 0, 0, 50, 50, nullptr,
                   nullptr, nullptr, nullptr);
    EXPECT_EQ(SendMessage(window, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(contact), 0), 1);
    EXPECT_EQ(winport::TopLevelWindows().front(), window);
}

struct TitleCase {
    const char* label;
    std::string name;
    std::string expected;
};

class TitleTest : public UserDetailsDialogTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(TitleTest, OwnerTitleIsTheHostFormatWithTheName) {
    host->Record(owner)["DefinedHandle"] = GetParam().name;
    const HWND window = OpenOwner();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Text(window), GetParam().expected);
}

std::string Repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Names, TitleTest,
    ::testing::Values(TitleCase{"Plain", "Boris", "My Details: Boris"},
                      TitleCase{"Empty", "", "My Details: "},
                      TitleCase{"Percent", "100% %s%n%d", "My Details: 100% %s%n%d"},
                      // "My Details: " is 12 characters; the title stops at 255.
                      TitleCase{"Long", std::string(300, 'x'),
                                "My Details: " + std::string(243, 'x')},
                      TitleCase{"LongGreek", Repeat("λ", 300), "My Details: " + Repeat("λ", 243)}),
    [](const auto& info) { return std::string(info.param.label); });

struct RetrievalCase {
    const char* label;
    unsigned int lastUpdate;
    unsigned int lastKnownUpdate;
    bool hostAllows;
    bool hostAsked;
    bool retrieves;
};

class RetrievalTest : public UserDetailsDialogTest,
                      public ::testing::WithParamInterface<RetrievalCase> {};

// A contact's details are fetched as the window opens when they are missing or stale and the
// host agrees; the host is asked only then.
TEST_P(RetrievalTest, RetrievesStaleDetailsWhenTheHostAllows) {
    host->Record(contact)["LastUpdateDate"] = GetParam().lastUpdate;
    host->Record(contact)["LastKnownUpdateDate"] = GetParam().lastKnownUpdate;
    host->AllowRetrieval(GetParam().hostAllows);
    const HWND window = OpenContact(contact);
    ASSERT_NE(window, nullptr);
    host->ClearCalls();
    EXPECT_EQ(Dialog(window)->RetrievesOnOpen(), GetParam().retrieves);
    EXPECT_EQ(host->Count("MayRetrieveNow 0"), GetParam().hostAsked ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, RetrievalTest,
    ::testing::Values(RetrievalCase{"NeverRetrieved", 0, 0, true, true, true},
                      RetrievalCase{"NeverRetrievedHostBusy", 0, 0, false, true, false},
                      RetrievalCase{"DirectoryNewer", 500, 501, true, true, true},
                      RetrievalCase{"UpToDate", 500, 500, true, false, false},
                      RetrievalCase{"DirectoryOlder", 500, 499, true, false, false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(UserDetailsDialogTest, OwnerAndPaneNeverRetrieveOnOpen) {
    host->Record(owner)["LastUpdateDate"] = 0u;
    const HWND ownerWindow = OpenOwner();
    const HWND pane = OpenPane();
    // The owner's own object in a contact's window: the directory's copy never replaces his
    // record unasked.
    const HWND ownerAsContact = OpenContact(owner);
    ASSERT_TRUE(ownerWindow && pane && ownerAsContact);
    EXPECT_FALSE(Dialog(ownerWindow)->RetrievesOnOpen());
    EXPECT_FALSE(Dialog(pane)->RetrievesOnOpen());
    EXPECT_FALSE(Dialog(ownerAsContact)->RetrievesOnOpen());
    EXPECT_FALSE(Enabled(ownerAsContact, IDC_DETAILS_SAVE));
    EXPECT_EQ(host->Count("MayRetrieveNow 0"), 0);
    EXPECT_EQ(host->Count("Start retrieve 1001"), 0);
}

}  // namespace
}  // namespace moduletest
