// `nuvclient gui` on a real X display (Xvfb): a person's clicks and keys, sent as X input events,
// reach the owner's window, and what he did is in the store and the directory afterwards.
#include "GuiDesktopFixture.h"

namespace viewtest {
namespace {

// The More page's spins, pressed with the mouse: the birth year steps, the age follows, and Save
// keeps the year.
TEST_F(GuiDesktopTest, OwnerStepsHisBirthYearWithTheSpinWithRealInput) {
    constexpr int kMoreTab = 3;
    const HWND layout = OpenOwner(kMoreTab);
    const HWND more = Dialog(layout)->GetPage(kMoreTab)->m_hWnd;
    RECT spin{};
    GetWindowRect(GetDlgItem(more, IDC_MORE_YEAR_SPIN), &spin);
    POINT upArrow{(spin.left + spin.right) / 2, spin.top + (spin.bottom - spin.top) / 4};
    ScreenToClient(layout, &upArrow);
    const POINT save = Centre(layout, GetDlgItem(layout, IDC_DETAILS_SAVE));

    const std::string window = StartGui({"owner", "--tab", "3"}, "My Info");
    ClickAt(window, upArrow);
    ClickAt(window, upArrow);
    ClickAt(window, save);
    EXPECT_TRUE(Publishes("BirthYear", 1993)) << "the stepped year did not reach the directory";
}

// Notes typed into a contact's multi-line field, with a line break and a correction made in the
// middle with the arrow keys, are shown and kept as typed.
TEST_F(GuiDesktopTest, MultiLineNotesTakeTypingAtTheCaretWithRealInput) {
    constexpr std::uint32_t kContact = 2000012;
    constexpr int kAboutTab = 4;
    const HWND layout = OpenContact(host->AddContact(kContact, "Mark"), kAboutTab);
    const HWND about = Dialog(layout)->GetPage(kAboutTab)->m_hWnd;
    const POINT notes = Centre(layout, GetDlgItem(about, IDC_ABOUT_NOTES));
    const POINT done = Centre(layout, GetDlgItem(layout, IDC_DETAILS_CLOSE));

    const std::string window =
        StartGui({"contact", std::to_string(kContact), "--tab", "4"}, "User Info");
    ClickAt(window, notes);
    Xdotool("type --delay 30 \"Hello there\"");
    Xdotool("key Left Left Left Left Left");
    Xdotool("type --delay 30 \"dear \"");
    Xdotool("key End Return");
    Xdotool("type --delay 30 \"Bye\"");
    std::this_thread::sleep_for(300ms);
    ClickAt(window, done);
    ASSERT_TRUE(m_gui->Wait(20s)) << "the window did not close";
    EXPECT_EQ(Stored(kContact, "Remarks"), nuvclient::Value::Text("Hello dear there\r\nBye"));
}

// The first notice of a fresh owner's window and the question of "Update From Database" come
// up in front of the window, centred on it, with the keyboard; the window stays where the person
// moved it; the desktop's close ends it.
TEST_F(GuiDesktopTest, DialogsComeInFrontOfTheirWindowAndAnswerTheKeyboard) {
    if (!m_windowManager) GTEST_SKIP() << "no window manager";
    const HWND layout = OpenOwner();
    const POINT update = Centre(layout, GetDlgItem(layout, IDC_DETAILS_UPDATE));
    const POINT nickname = Centre(layout, GetDlgItem(MainPage(layout), IDC_MAIN_NICKNAME));
    nuvclient::OpenDataFolder(m_data, NUV_CLIENT_DATA_DIR)
        ->WriteKey(kOwner, "ShowUpdateInfoWarning", nuvclient::Value::Bool(true));

    const std::string notice = StartGui({"owner"}, "Your Published Details");
    const std::string window = WindowNamed("My Info");
    ASSERT_TRUE(Active(notice)) << "the notice has the keyboard";
    EXPECT_EQ(Topmost(), notice) << "the notice is in front of its window";
    EXPECT_TRUE(WaitUntil([&] { return CentredOn(Placement(notice), Placement(window)); }));
    Xdotool("key Return");
    ASSERT_TRUE(WaitUntil([&] { return !Shown("Your Published Details"); }));

    Xdotool("windowmove " + window + " 40 60");
    std::this_thread::sleep_for(300ms);
    const RECT moved = Placement(window);
    ClickAt(window, nickname);
    EXPECT_EQ(Placement(window).left, moved.left) << "the window stays where it was put";
    EXPECT_EQ(Placement(window).top, moved.top);
    // Without a sizing border the window keeps its size.
    Xdotool("windowsize " + window + " 900 700");
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(Placement(window).right - Placement(window).left, moved.right - moved.left);
    EXPECT_EQ(Placement(window).bottom - Placement(window).top, moved.bottom - moved.top);

    ClickAt(window, update);
    const std::string question = WindowNamed("Update From Database");
    ASSERT_TRUE(Active(question));
    EXPECT_TRUE(WaitUntil([&] { return CentredOn(Placement(question), Placement(window)); }));
    Xdotool("key alt+n");
    EXPECT_TRUE(WaitUntil([&] { return !Shown("Update From Database"); })) << "No answers";
    EXPECT_TRUE(Shown("My Info"));

    ASSERT_TRUE(PressAltF4(window, [&] { return Ended(); }));
    ASSERT_TRUE(Exited()) << "the desktop's close did not close the window";
}

// A double-click on a phone field opens its dialog at once, and the dialog takes the keyboard.
TEST_F(GuiDesktopTest, PhoneDialogOpensOnTheDoubleClickAndTakesTyping) {
    constexpr int kHomeTab = 1;
    const HWND layout = OpenOwner(kHomeTab);
    const HWND home = Dialog(layout)->GetPage(kHomeTab)->m_hWnd;
    const POINT phone = Centre(layout, GetDlgItem(home, IDC_HOME_PHONE));
    const POINT save = Centre(layout, GetDlgItem(layout, IDC_DETAILS_SAVE));

    const std::string window = StartGui({"owner", "--tab", "1"}, "My Info");
    Xdotool("mousemove --window " + window + " " + std::to_string(phone.x) + " " +
            std::to_string(phone.y) + " click --repeat 2 --delay 80 1");
    const std::string dialog = WindowNamed("Phone Location");
    ASSERT_TRUE(Active(dialog)) << "the double-click opened nothing";
    // From the number on top to the local number, whose text Tab selects.
    Xdotool("key Tab Tab Tab Tab");
    Xdotool("type --delay 30 \"99887766\"");
    Xdotool("key Return");
    ASSERT_TRUE(WaitUntil([&] { return !Shown("Phone Location"); }));
    ClickAt(window, save);
    EXPECT_TRUE(Publishes("HomePhone", "+33 (4) 99887766"))
        << "the number typed in the dialog did not reach the directory";
}

// Closing the owner's window with a change not saved asks first: Cancel goes back to it, No
// closes and drops it.
TEST_F(GuiDesktopTest, ClosingWithUnsavedChangesAsksFirstWithRealInput) {
    if (!m_windowManager) GTEST_SKIP() << "no window manager";
    const HWND layout = OpenOwner();
    const POINT nickname = Centre(layout, GetDlgItem(MainPage(layout), IDC_MAIN_NICKNAME));
    const std::string window = StartGui({"owner"}, "My Info");
    ClickAt(window, nickname);
    Xdotool("type --delay 30 \"x\"");
    for (const char* answer : {"Escape", "alt+n"}) {
        SCOPED_TRACE(answer);
        ASSERT_TRUE(PressAltF4(window, [&] { return Shown("Unsaved Changes") || Ended(); }));
        const std::string question = WindowNamed("Unsaved Changes");
        ASSERT_TRUE(Active(question)) << "closed without a word";
        Xdotool(std::string("key ") + answer);
        ASSERT_TRUE(WaitUntil([&] { return !Shown("Unsaved Changes"); }));
    }
    ASSERT_TRUE(Exited()) << "No did not close the window";
    EXPECT_EQ(Stored(kOwner, "NickName")->Text(), "Lodie");
}

// A walk through the owner's window with the mouse and the keyboard only: a name, an address
// added in its dialog, a multi-line street, a country picked from its list, the About text,
// then Save; the directory holds what was typed, and Close, reading "Done", ends the program.
TEST_F(GuiDesktopTest, OwnerWalksThroughHisPagesAndSavesWithRealInput) {
    constexpr int kHomeTab = 1;
    constexpr int kAboutTab = 4;
    const HWND layout = OpenOwner();
    const HWND main = MainPage(layout);
    const HWND add = EmailAddButton(main);
    ASSERT_NE(add, nullptr);
    // The first tab's left end, wherever the tabs after it end; the arrow keys step the tabs.
    const HWND tabs = GetDlgItem(layout, IDC_DETAILS_TAB);
    RECT firstTab{};
    SendMessage(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&firstTab));
    POINT tabStrip{firstTab.left + 8, (firstTab.top + firstTab.bottom) / 2};
    MapWindowPoints(tabs, layout, &tabStrip, 1);
    ASSERT_TRUE(Dialog(layout)->MakeEveryPage());  // Pages are built when first shown.
    ASSERT_TRUE(Dialog(layout)->MakeEveryPage());  // Pages are built when first shown.
    const HWND home = Dialog(layout)->GetPage(kHomeTab)->m_hWnd;
    const HWND about = Dialog(layout)->GetPage(kAboutTab)->m_hWnd;
    const POINT places[] = {Centre(layout, GetDlgItem(main, IDC_MAIN_NICKNAME)),
                            Centre(layout, add),
                            Centre(layout, GetDlgItem(home, IDC_HOME_ADDRESS)),
                            Centre(layout, GetDlgItem(home, IDC_HOME_COUNTRY)),
                            Centre(layout, GetDlgItem(about, IDC_ABOUT_TEXT)),
                            Centre(layout, GetDlgItem(layout, IDC_DETAILS_SAVE)),
                            Centre(layout, GetDlgItem(layout, IDC_DETAILS_CLOSE))};
    const auto [nickname, addButton, street, country, aboutText, save, close] = places;
    const auto countryBefore = Stored(kOwner, "HomeCountry");
    ASSERT_TRUE(countryBefore);

    const std::string window = StartGui({"owner"}, "My Info");
    ClickAt(window, nickname);
    Xdotool("key ctrl+a");
    Xdotool("type --delay 30 \"Lodie W\"");
    ClickAt(window, addButton);
    const std::string dialog = WindowNamed("Add Email Address");
    ASSERT_TRUE(Active(dialog));
    Xdotool("type --delay 30 \"walk@example.org\"");
    Xdotool("key Return");
    ASSERT_TRUE(WaitUntil([&] { return !Shown("Add Email Address"); }));
    ClickAt(window, tabStrip);
    Xdotool("key Right");
    ClickAt(window, street);
    Xdotool("key ctrl+a");
    Xdotool("type --delay 30 \"3 rue Neuve\"");
    ClickAt(window, country);
    Xdotool("key Down Return");
    ClickAt(window, tabStrip);
    Xdotool("key Right Right Right Right");
    ClickAt(window, aboutText);
    Xdotool("key ctrl+a");
    Xdotool("type --delay 30 \"Walking\"");
    std::this_thread::sleep_for(300ms);
    ClickAt(window, save);
    ASSERT_TRUE(Publishes("NickName", "Lodie W")) << "the upload did not reach the directory";
    EXPECT_EQ(Published(kOwner, "HomeAddress")->Text(), "3 rue Neuve");
    EXPECT_EQ(Published(kOwner, "About")->Text(), "Walking");
    EXPECT_NE(Published(kOwner, "HomeCountry")->Integer(), countryBefore->Integer())
        << "the next country of the list was picked";
    EXPECT_EQ(Stored(kOwner, "HomeCountry")->Integer(),
              Published(kOwner, "HomeCountry")->Integer());
    std::this_thread::sleep_for(300ms);
    ClickAt(window, close);
    ASSERT_TRUE(Exited()) << "the window did not close";
    EXPECT_EQ(Stored(kOwner, "NickName")->Text(), "Lodie W");
    EXPECT_EQ(Stored(kOwner, "UpdateInfoStatus")->Integer(), 0xFFFF);
}

// The owner picks another home-page topic with real input: the More page opens the category
// dialog, "Define Category" the topic tree, the arrow key moves to the next topic and Enter takes
// it; OK and Save publish its code.
TEST_F(GuiDesktopTest, OwnerPicksAHomepageTopicInTheTreeWithRealInput) {
    constexpr int kMoreTab = 3;
    const HWND layout = OpenOwner(kMoreTab);
    const HWND more = Dialog(layout)->GetPage(kMoreTab)->m_hWnd;
    const POINT category = Centre(layout, GetDlgItem(more, IDC_MORE_HOMEPAGE_CATEGORY));
    const POINT save = Centre(layout, GetDlgItem(layout, IDC_DETAILS_SAVE));
    // Where the category dialog has its buttons, from the same dialog opened here.
    POINT define{};
    POINT ok{};
    agent.QueueDialogHandler(IDD_HOMEPAGE_CATEGORY, [&](HWND dialog) {
        define = Centre(dialog, GetDlgItem(dialog, IDC_CATEGORY_DEFINE));
        ok = Centre(dialog, GetDlgItem(dialog, IDOK));
        EndDialog(dialog, IDCANCEL);
    });
    ASSERT_TRUE(agent.Click(GetDlgItem(more, IDC_MORE_HOMEPAGE_CATEGORY)));
    ASSERT_GT(define.x, 0);
    const auto before = Stored(kOwner, "HomepageCategory");
    ASSERT_TRUE(before);

    const std::string window = StartGui({"owner", "--tab", "3"}, "My Info");
    ClickAt(window, category);
    const std::string dialog = WindowNamed("HomePage Information");
    ASSERT_FALSE(dialog.empty());
    ClickAt(dialog, define);
    const std::string topics = WindowNamed("Select Interest Category");
    ASSERT_TRUE(Active(topics));
    Xdotool("key Down Return");
    ASSERT_TRUE(WaitUntil([&] { return !Shown("Select Interest Category"); }));
    ClickAt(dialog, ok);
    ASSERT_TRUE(WaitUntil([&] { return !Shown("HomePage Information"); }));
    ClickAt(window, save);
    EXPECT_TRUE(WaitUntil([&] {
        const auto code = Published(kOwner, "HomepageCategory");
        return code && code->Integer() != before->Integer() && code->Integer() > 0;
    })) << "the topic picked did not reach the directory";
}

// In a contact's window the owner adds an address of his own for the contact in its dialog;
// Close keeps it with the contact's record.
TEST_F(GuiDesktopTest, ContactsAddressAddedInItsDialogWithRealInput) {
    constexpr std::uint32_t kContact = 2000012;
    const HWND layout = OpenContact(host->AddContact(kContact, "Mark"));
    const HWND main = MainPage(layout);
    const HWND add = EmailAddButton(main);
    ASSERT_NE(add, nullptr);
    const POINT addButton = Centre(layout, add);
    const POINT close = Centre(layout, GetDlgItem(layout, IDC_DETAILS_CLOSE));

    const std::string window = StartGui({"contact", std::to_string(kContact)}, "User Info");
    ClickAt(window, addButton);
    const std::string dialog = WindowNamed("Email Address");
    ASSERT_TRUE(Active(dialog));
    Xdotool("type --delay 30 \"mark.home@example.org\"");
    Xdotool("key Return");
    ASSERT_TRUE(WaitUntil([&] { return !Shown("Email Address"); }));
    ClickAt(window, close);
    ASSERT_TRUE(m_gui->Wait(20s)) << "the window did not close";
    EXPECT_EQ(Stored(kContact, "AdditionalEmails"),
              nuvclient::Value::OfList({nuvclient::Value::Text("mark.home@example.org")}));
}

TEST_F(GuiDesktopTest, ThePanesWindowClosesAsTheDesktopClosesWindows) {
    if (!m_windowManager) GTEST_SKIP() << "no window manager";
    const std::string window = StartGui({"pane", "2000003"}, "NUV Contacts");
    ASSERT_TRUE(PressAltF4(window, [&] { return Ended(); }));
    ASSERT_TRUE(Exited()) << "the window did not close";
}

}  // namespace
}  // namespace viewtest
