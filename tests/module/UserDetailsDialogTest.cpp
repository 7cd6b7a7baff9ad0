// The user details window in its three forms as a person sees it: tabs with their images,
// buttons, title, busy animation and the owner's update warning, and what the host is asked.
#include "ModuleTestSupport.h"
#include "hostlib/framework/FrameworkMessages.h"
#include "hostlib/res/HostResourceIds.h"
#include "platform/controls/AnimationApi.h"

namespace moduletest {
namespace {

using UserDetailsDialogTest = ModuleFixture;

// A limited contact's window never fetches, even stale, and asks for no outside tabs. The tabs
// show the host's images. (How a title is made and cut is DetailsTitleTest's.)
TEST_F(UserDetailsDialogTest, EachFormShowsItsTabsButtonsAndTitle) {
    host->Record(contact)["NickName"] = "Bo";
    const struct {
        const char* form;
        std::function<HWND()> open;
        std::vector<std::string> tabs;
        std::vector<int> images;
        std::string buttons;
        std::string title;
        std::vector<std::pair<const char*, int>> calls;
    } forms[] = {
        {"owner",
         [&] { return OpenOwner(); },
         {"Main", "Home", "Work", "More", "Info/About", "Affiliations", "Interests"},
         {59, 53, 58, 56, 60, 54, 55},
         "Save|&Update From Database|&More Options|Cancel",
         "My Details: Ann",
         {{"GetPropertySet 1001 owner", 1}, {"GetIcon 7", 1}}},
        // The Main page's title is the one that stays, not the host's format.
        {"contact",
         [&] { return OpenContact(contact); },
         {"Main", "Home", "Work", "More", "Info/About", "Interests / Past"},
         {59, 53, 58, 56, 60, 54},
         "Retrieve|-|&More Options|&Close",
         "NUV Global Directory - User Info On: Bo",
         {{"GetPropertySet 1002 contact", 1}}},
        {"limited",
         [&] {
             host->Record(contact)["LastUpdateDate"] = 0u;
             return OpenContact(contact, 0, true);
         },
         {"Main", "Home", "Work", "More"},
         {59, 53, 58, 56},
         "(Retrieve)|-|&More Options|&Close",
         "NUV Global Directory - User Info On: Bo",
         {{"MayRetrieveNow 0", 0}, {"Start retrieve 1002", 0}, {"GetTabProvider", 0}}},
    };
    for (const auto& f : forms) {
        SCOPED_TRACE(f.form);
        host->ClearCalls();
        const HWND window = f.open();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(TabCaptions(window), f.tabs);
        EXPECT_EQ(TabImages(window), f.images);
        EXPECT_EQ(reinterpret_cast<HIMAGELIST>(
                      SendMessage(Item(window, IDC_DETAILS_TAB), TCM_GETIMAGELIST, 0, 0)),
                  host->ImageList());
        EXPECT_EQ(Buttons(window), f.buttons);
        EXPECT_EQ(Text(window), f.title);
        for (const auto& [call, count] : f.calls) EXPECT_EQ(host->Count(call), count) << call;
    }
}

TEST_F(UserDetailsDialogTest, BusyAnimationShowsTheHostsClipBesideTheButtons) {
    const HWND window = OpenContact(contact);
    const HWND animation = Item(window, IDC_DETAILS_ANIMATION);
    const auto state = winport::GetAnimationState(animation);
    ASSERT_TRUE(state);
    EXPECT_TRUE(state->open && !state->playing);
    EXPECT_EQ(state->clip, host->ClipPath());

    const RECT clip = bctest::ScreenRect(animation);
    EXPECT_EQ(clip.right, bctest::ScreenRect(Item(window, IDC_DETAILS_TAB)).right);
    EXPECT_EQ(clip.bottom, bctest::ScreenRect(Item(window, IDC_DETAILS_SAVE)).bottom);
    EXPECT_EQ(clip.right - clip.left, static_cast<LONG>(state->width)) << "moved, not resized";
}

// The More page hears a click of its "Homepage Category" button once the window is up, and only
// when the window was opened for it.
TEST_F(UserDetailsDialogTest, HomepageCategoryOpensOnMoreAndClicksItsButton) {
    for (const bool category : {false, true}) {
        SCOPED_TRACE(category);
        const HWND window = OpenContact(contact, category ? 1 : 3, false, category);
        EXPECT_EQ(ShownPage(window), CUserDetailsDialog::kMoreTab);
        const HWND more = Dialog(window)->GetPage(CUserDetailsDialog::kMoreTab)->m_hWnd;
        MSG click{};
        if (category) {
            ASSERT_TRUE(PeekMessage(&click, more, WM_COMMAND, WM_COMMAND, PM_REMOVE));
            EXPECT_EQ(click.wParam, MAKEWPARAM(IDC_MORE_HOMEPAGE_CATEGORY, BN_CLICKED));
        }
        EXPECT_FALSE(PeekMessage(&click, more, WM_COMMAND, WM_COMMAND, PM_REMOVE)) << "only once";
    }
}

// The framework labels the owner's close button; a contact's ignores the labels.
TEST_F(UserDetailsDialogTest, FrameworkLabelsOnlyTheOwnersCloseButton) {
    for (const auto& [window, done, cancel] :
         {std::tuple{OpenOwner(), "Done", "Cancel"},
          std::tuple{OpenContact(contact), "&Close", "&Close"}}) {
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(SendMessage(window, BCM_LABELDONE, 0, 0), 0);
        EXPECT_EQ(Text(Item(window, IDC_DETAILS_CLOSE)), done);
        EXPECT_EQ(SendMessage(window, BCM_LABELCANCEL, 0, 0), 0);
        EXPECT_EQ(Text(Item(window, IDC_DETAILS_CLOSE)), cancel);
    }
}

// The update warning comes once the owner's window is up, as its own modal dialog, until he ticks
// "Don't show again"; a contact's window never warns.
TEST_F(UserDetailsDialogTest, UpdateWarningShowsUntilTheOwnerTicksDontShowAgain) {
    host->Record(contact)["ShowUpdateInfoWarning"] = true;
    const struct {
        bool show;
        std::optional<bool> tick;  // None: no warning expected.
        bool showAfter;
    } cases[] = {{true, false, true}, {true, true, false}, {false, std::nullopt, false}};
    size_t warnings = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.show << " " << c.tick.value_or(false));
        host->Record(owner)["ShowUpdateInfoWarning"] = c.show;
        std::string seen;
        if (c.tick) {
            ++warnings;
            agent.QueueDialogHandler(IDD_BC_WARNING, [&](HWND warning) {
                seen = Text(warning) + "|" + Text(GetDlgItem(warning, IDC_BC_WARNING_TEXT));
                if (*c.tick) agent.Tick(GetDlgItem(warning, IDC_BC_WARNING_DONTSHOW));
                agent.Click(GetDlgItem(warning, IDOK));
            });
        }
        const HWND window = OpenOwner();
        OpenContact(contact);
        EXPECT_EQ(agent.ModalDialogs().size(), warnings - (c.tick ? 1 : 0)) << "not before";
        winport::PumpMessages();
        EXPECT_EQ(agent.ModalDialogs(), std::vector<int>(warnings, IDD_BC_WARNING));
        if (c.tick) {
            EXPECT_EQ(seen, std::string(testhost::kWarningCaption) + "|" + testhost::kWarningText);
        }
        EXPECT_EQ(static_cast<bool>(host->Record(owner)["ShowUpdateInfoWarning"]), c.showAfter);
        EXPECT_TRUE(IsWindow(window));
    }
}

// The window comes to the top when the host's dispatcher window is up.
TEST_F(UserDetailsDialogTest, ShowingAUserBringsTheWindowUpBesideTheDispatcher) {
    const HWND window = OpenContact(contact);
    const HWND other = CreateWindowEx(0, "Static", "Chat", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                      nullptr, nullptr, nullptr, nullptr);
    SendMessage(window, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(contact), 0);
    EXPECT_EQ(winport::TopLevelWindows().front(), other) << "no dispatcher: the order stays";

    CreateWindowEx(0, "Static", testhost::kDispatcherTitle, WS_POPUP, 0, 0, 50, 50, nullptr,
                   nullptr, nullptr, nullptr);
    EXPECT_EQ(SendMessage(window, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(contact), 0), 1);
    EXPECT_EQ(winport::TopLevelWindows().front(), window);
}

// A contact's details are fetched as the window opens when they are missing or stale and the
// host agrees; the host is asked only then.
TEST_F(UserDetailsDialogTest, RetrievesStaleDetailsWhenTheHostAllows) {
    const struct {
        unsigned int lastUpdate;
        unsigned int lastKnownUpdate;
        bool hostAllows;
        bool hostAsked;
        bool retrieves;
    } cases[] = {{0, 0, true, true, true},
                 {0, 0, false, true, false},
                 {500, 501, true, true, true},  // The directory has newer details.
                 {500, 500, true, false, false},
                 {500, 499, true, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.lastUpdate << " " << c.lastKnownUpdate << " " << c.hostAllows);
        host->Record(contact)["LastUpdateDate"] = c.lastUpdate;
        host->Record(contact)["LastKnownUpdateDate"] = c.lastKnownUpdate;
        host->AllowRetrieval(c.hostAllows);
        const HWND window = OpenContact(contact);
        host->ClearCalls();
        EXPECT_EQ(Dialog(window)->RetrievesOnOpen(), c.retrieves);
        EXPECT_EQ(host->Count("MayRetrieveNow 0"), c.hostAsked ? 1 : 0);
        DestroyWindow(window);
    }
}

TEST_F(UserDetailsDialogTest, OwnerAndPaneNeverRetrieveOnOpen) {
    host->Record(owner)["LastUpdateDate"] = 0u;
    const HWND ownerWindow = OpenOwner();
    const HWND pane = OpenPane();
    // The owner's own object in a contact's window: the directory's copy never replaces his
    // record unasked.
    const HWND ownerAsContact = OpenContact(owner);
    for (const HWND window : {ownerWindow, pane, ownerAsContact})
        EXPECT_FALSE(Dialog(window)->RetrievesOnOpen());
    EXPECT_EQ(Buttons(ownerAsContact), "(Retrieve)|-|&More Options|&Close");
    EXPECT_EQ(host->Count("MayRetrieveNow 0") + host->Count("Start retrieve 1001"), 0);
}

}  // namespace
}  // namespace moduletest
