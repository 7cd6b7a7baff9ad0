// The "Main" tab as a person uses it: a contact's names and the name he is displayed under, the
// owner's own names, the network address, the summary on the clipboard, and what lands in the
// record when the window keeps its pages.
#include "ModuleTestSupport.h"
#include "platform/controls/ToolTipApi.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/shell/Clipboard.h"
#include "platform/shell/GlobalMemory.h"

namespace moduletest {
namespace {

constexpr winport::StringResource kPageStrings[] = {
    {kPersonNameLabels, "Nick:"},           {kPersonNameLabels + 1, "Given:"},
    {kPersonNameLabels + 2, "Family:"},     {kKind3NameLabels, "Company:"},
    {kKind3NameLabels + 1, "Contact:"},     {kKind3NameLabels + 2, "Department:"},
    {kOtherKindNameLabels, "Alias:"},       {kOtherKindNameLabels + 1, "Forename:"},
    {kOtherKindNameLabels + 2, "Surname:"}, {kCopySummaryTip, "Copy details"},
    {kClipboardOpenFailed, "cannot open"},  {kClipboardEmptyFailed, "cannot empty"},
    {kClipboardSetFailed, "cannot set"},    {kFirstNameField, "first name"},
    {kDisplayNameField, "display name"},
};
constexpr winport::ResourceTable kPageResources{"main page strings", {}, {}, {}, kPageStrings};

constexpr unsigned int kTypedHandle = 0xFFFFFFFFu;

class MainPageTest : public ModuleFixture {
protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        UseStrings(kPageResources);
        winport::ResetClipboard();
    }
    void TearDown() override {
        ModuleFixture::TearDown();
        winport::ResetClipboard();
    }
    // |names| is "nickname|first|last|primary e-mail".
    void SetNames(BCUserInfo* user, std::string_view names) {
        MCVariantPropertySet record = host->Record(user);
        for (const char* key : {"NickName", "FirstName", "LastName", "PrimaryEmail"}) {
            const size_t bar = std::min(names.find('|'), names.size());
            record[key] = names.substr(0, bar);
            names.remove_prefix(std::min(bar + 1, names.size()));
        }
    }
    static HWND Control(HWND window, int id) { return Item(MainPage(window), id); }
    // The nickname's, first name's and last name's labels.
    static std::string Labels(HWND window) {
        return Text(Control(window, IDC_MAIN_NICKNAME_LABEL)) + "|" +
               Text(Control(window, IDC_MAIN_FIRST_NAME_LABEL)) + "|" +
               Text(Control(window, IDC_MAIN_LAST_NAME_LABEL));
    }
    // The entries as "text(code)", the selected one marked with '>'.
    static std::string Choices(HWND combo) {
        std::string shown;
        LRESULT i = SendMessage(combo, CB_GETCURSEL, 0, 0);
        for (const auto& [text, code] : bctest::ComboEntries(combo))
            shown += (shown.empty() ? "" : " ") + std::string(i-- == 0 ? ">" : "") + text + "(" +
                     std::to_string(code) + ")";
        return shown;
    }
    void Close(HWND window) { ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE))); }
};

TEST_F(MainPageTest, ContactSeesHisNamesReadOnlyUnderBoldLabelsOfHisKind) {
    SetNames(contact, "Bob|Boris|Petrov|bob@example.org");
    host->Record(contact)["UINString"] = "1002";
    host->Record(contact)["UserKind"] = static_cast<unsigned char>(3);
    const HWND window = OpenContact(contact);
    EXPECT_EQ(Text(Control(window, IDC_MAIN_NUMBER)), "1002");
    for (const int id : {IDC_MAIN_FIRST_NAME, IDC_MAIN_LAST_NAME, IDC_MAIN_NICKNAME})
        EXPECT_TRUE(ReadOnly(Control(window, id))) << id;
    EXPECT_EQ(Labels(window), "Company:|Contact:|Department:");
    for (const int id : {IDC_MAIN_NUMBER_LABEL, IDC_MAIN_ADDRESS_LABEL, IDC_MAIN_FIRST_NAME_LABEL,
                         IDC_MAIN_NICKNAME_LABEL, IDC_MAIN_LAST_NAME_LABEL})
        EXPECT_EQ(FontWeight(Control(window, id)), 600) << id;
    EXPECT_LT(FontWeight(Control(window, IDC_MAIN_DISPLAY_LABEL)), 600);

    // The host shows the contact again, as after a retrieval: the page reloads.
    host->Record(contact)["UserKind"] = static_cast<unsigned char>(7);
    SendMessage(window, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(contact), 0);
    EXPECT_EQ(Labels(window), "Alias:|Forename:|Surname:");
    EXPECT_EQ(Text(window), "NUV Global Directory - User Info On: Bob");
}

TEST_F(MainPageTest, CopyButtonShowsItsImageAndTip) {
    const HWND window = OpenOwner();
    const HWND button = Control(window, IDC_MAIN_COPY_SUMMARY);
    EXPECT_NE(SendMessage(button, BM_GETIMAGE, IMAGE_ICON, 0), 0);
    // The page's tip belongs to the window, and goes with it.
    HWND tip = nullptr;
    for (HWND top : winport::TopLevelWindows()) {
        if (GetWindow(top, GW_OWNER) == window) tip = top;
    }
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(winport::ToolTipText(tip, button), "Copy details");
    DestroyWindow(window);
    EXPECT_FALSE(IsWindow(tip));
}

// Closing without a change keeps the record as it was, whatever the list shows.
TEST_F(MainPageTest, DisplayOffersTheNamesChoosesTheStoredOneAndWritesNothingUntouched) {
    for (const auto& [names, display, handle, choices, text] : std::initializer_list<
             std::tuple<const char*, unsigned int, const char*, std::string, std::string>>{
             {"Bob|Boris|Petrov|bob@example.org", 3, "",
              "Bob(0) Boris(1) Petrov(2) >Boris Petrov(3) Petrov, Boris(4) bob@example.org(5)",
              "Boris Petrov"},
             {"N\\A|Not Entered|Петров|Not Entered", 2, "", ">Петров(2) Not Entered(5)", "Петров"},
             {"Bob|Boris||", 3, "", ">Bob(0) Boris(1)", "Bob"},  // The code is not offered.
             {"|李||", kTypedHandle, "", ">李(1)", "李"},        // No handle typed.
             {"Bob|||", kTypedHandle, "Big B", "Bob(0)", "Big B"},
             {"|||", 0, "", "", ""},
         }) {
        SCOPED_TRACE(names);
        SetNames(contact, names);
        host->Record(contact)["Display"] = display;
        host->Record(contact)["MyDefinedHandle"] = handle;
        const HWND window = OpenContact(contact);
        EXPECT_EQ(Choices(Control(window, IDC_MAIN_DISPLAY)), choices);
        EXPECT_EQ(Text(Control(window, IDC_MAIN_DISPLAY)), text);
        Close(window);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(Keys(contact, {"Display", "MyDefinedHandle"}),
                  std::to_string(display) + "|" + handle);
    }
}

// A picked name is kept by its code, a typed one as the typed handle, which comes back.
TEST_F(MainPageTest, PickedOrTypedNameIsKeptOnCloseAndComesBack) {
    SetNames(contact, "Bob|Boris|Petrov|");
    const HWND window = OpenContact(contact);
    ASSERT_TRUE(agent.PickComboItem(Control(window, IDC_MAIN_DISPLAY), "Petrov, Boris"));
    EXPECT_EQ(Text(window), "User Info On: Petrov, Boris");
    Close(window);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Keys(contact, {"Display", "MyDefinedHandle"}), "4|Petrov, Boris");

    SetNames(contact, "Bob|Boris||");
    const HWND typed = OpenContact(contact);
    ASSERT_TRUE(agent.TypeInCombo(Control(typed, IDC_MAIN_DISPLAY), "Борис из Праги"));
    EXPECT_EQ(Text(typed), "User Info On: Борис из Праги");
    Close(typed);
    EXPECT_EQ(Keys(contact, {"Display", "MyDefinedHandle"}), "4294967295|Борис из Праги");

    const HWND again = OpenContact(contact);
    EXPECT_EQ(Text(Control(again, IDC_MAIN_DISPLAY)), "Борис из Праги");
    EXPECT_EQ(Choices(Control(again, IDC_MAIN_DISPLAY)), "Bob(0) Boris(1)") << "none selected";
}

// With no name to offer the owner must type one; the window says so instead of not closing.
TEST_F(MainPageTest, EmptyDisplayNameIsExplainedAndKeepsTheWindowOpen) {
    const HWND window = OpenContact(contact, 2);
    const HWND combo = Control(window, IDC_MAIN_DISPLAY);
    agent.SelectTab(Item(window, IDC_DETAILS_TAB), "Main");
    ASSERT_TRUE(agent.TypeInCombo(combo, "x"));
    ASSERT_TRUE(agent.TypeInCombo(combo, ""));
    agent.SelectTab(Item(window, IDC_DETAILS_TAB), "Work");
    Close(window);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(BoxTexts(), Lines{"Please enter the display name."});
    EXPECT_EQ(ShownPage(window), 0);
    EXPECT_TRUE(GetFocus() == combo || IsChild(combo, GetFocus()));
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 0);

    ASSERT_TRUE(agent.TypeInCombo(combo, "Neighbour"));
    Close(window);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Keys(contact, {"MyDefinedHandle"}), "Neighbour");
}

// The pane shows each user; with no user it has nothing to show or to copy, and the person's
// clipboard stays as it was.
TEST_F(MainPageTest, PaneShowsEachUserAndWithoutOneCopiesNothing) {
    SetNames(contact, "Bob|Boris|Petrov|");
    PutTextOnClipboard("old");
    const HWND pane = OpenPane();
    ASSERT_TRUE(agent.Click(Control(pane, IDC_MAIN_COPY_SUMMARY)));
    SendMessage(pane, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(contact), 0);
    EXPECT_EQ(Text(Control(pane, IDC_MAIN_FIRST_NAME)), "Boris");
    EXPECT_EQ(Text(Control(pane, IDC_MAIN_DISPLAY)), "Bob");
    SendMessage(pane, NUVM_SHOWUSER, 0, 0);
    EXPECT_EQ(Text(Control(pane, IDC_MAIN_FIRST_NAME)), "");
    EXPECT_EQ(Choices(Control(pane, IDC_MAIN_DISPLAY)), "");
    ASSERT_TRUE(agent.Click(Control(pane, IDC_MAIN_COPY_SUMMARY)));
    EXPECT_EQ(winport::ClipboardText(), "old");
    EXPECT_EQ(GetClipboardOwner(), nullptr);
    EXPECT_EQ(BoxTexts(), Lines{});
}

// Kept as the owner's Save keeps every page: the names trimmed and cut to 20 characters, and only
// their section's bit cleared.
TEST_F(MainPageTest, OwnersNamesAreSavedInTheirSectionOrRefused) {
    for (const auto& [before, after] : {std::pair<unsigned short, unsigned short>{0xFFFF, 0xFFFB},
                                        {0x0204, 0x0200},
                                        {0x0000, 0x0000}}) {
        SCOPED_TRACE(before);
        SetNames(owner, "Annie|Ann|Lee|");
        host->Record(owner)["UpdateInfoStatus"] = before;
        const HWND window = OpenOwner();
        EXPECT_FALSE(IsWindowVisible(Control(window, IDC_MAIN_DISPLAY)) ||
                     IsWindowVisible(Control(window, IDC_MAIN_DISPLAY_LABEL)));
        ASSERT_TRUE(agent.Type(Control(window, IDC_MAIN_FIRST_NAME), "  Ἀλέξανδρος"));
        ASSERT_TRUE(agent.Type(Control(window, IDC_MAIN_NICKNAME), "Ωμέγαωμέγαωμέγαωμέγαωμέγα"));
        ASSERT_TRUE(Dialog(window)->CheckNext());
        Dialog(window)->DoNext();
        EXPECT_EQ(Keys(owner, {"FirstName", "NickName", "LastName", "UpdateInfoStatus"}),
                  "Ἀλέξανδρος|Ωμέγαωμέγαωμέγαωμέγα|Lee|" + std::to_string(after));
        DestroyWindow(window);
    }

    // A name longer than the edits allow, as the directory may hand one back, is refused on save.
    SetNames(owner, "Annie|Ἀλέξανδρος Ἀλέξανδρος Ἀ|Lee|");
    const HWND window = OpenOwner();
    ASSERT_TRUE(agent.Type(Control(window, IDC_MAIN_LAST_NAME), "Li"));
    EXPECT_FALSE(Dialog(window)->CheckNext());
    EXPECT_EQ(BoxTexts(), Lines{"The first name can be at most 20 characters long."});
    EXPECT_EQ(Keys(owner, {"LastName"}), "Lee");
}

// A contact's address shows when he lets it, the owner's when he connects directly; the field
// itself stays hidden.
TEST_F(MainPageTest, NetworkAddressShowsFourUnsignedBytesLowestFirst) {
    for (const auto& [user, shownKey, shownValue, ip, text] :
         std::initializer_list<std::tuple<BCUserInfo*, const char*, int, int, std::string>>{
             {contact, "UserShowIP", 1, static_cast<int>(0xC0A80001u), "1.0.168.192"},
             {contact, "UserShowIP", 0, 0x0100007F, ""},
             {contact, "UserShowIP", 1, 0, ""},
             {contact, "UserShowIP", 1, -1, "255.255.255.255"},
             {owner, "DirectConnectType", 0, 0x0100007F, "127.0.0.1"},
             {owner, "DirectConnectType", 2, 0x0100007F, ""},  // Behind a proxy.
         }) {
        SCOPED_TRACE(testing::Message() << shownKey << " " << shownValue << " " << ip);
        host->Record(user)[shownKey] = shownValue;
        host->Record(user)["IP"] = ip;
        const HWND window = user == owner ? OpenOwner() : OpenContact(contact);
        EXPECT_EQ(Text(Control(window, IDC_MAIN_ADDRESS)), text);
        EXPECT_FALSE(IsWindowVisible(Control(window, IDC_MAIN_ADDRESS)));
        DestroyWindow(window);
    }
}

// What was on the clipboard before stays unless the summary replaces it; the clipboard is closed
// again and no block is left behind; a failure is told.
TEST_F(MainPageTest, SummaryIsPastedOrAFailureTold) {
    SetNames(contact, "  Bob| Борис|Petrov|bob@example.org");
    host->Record(contact)["UINString"] = " 1002";
    const struct {
        std::optional<winport::ClipboardStep> failing;
        const char* message;
        std::optional<std::string> pasted;
        int blocksGained;
    } cases[] = {
        {std::nullopt, nullptr,
         "NUV #           : 1002\r\nFirst Name      : Борис\r\nLast Name       : "
         "Petrov\r\nNickname        : Bob\r\nEmail     : bob@example.org\r\n",
         0},
        {winport::ClipboardStep::Open, "cannot open", "old", 0},
        {winport::ClipboardStep::Empty, "cannot empty", "old", 0},
        {winport::ClipboardStep::SetData, "cannot set", std::nullopt, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message ? c.message : "copied");
        PutTextOnClipboard("old");
        const HWND window = OpenContact(contact);
        const size_t blocks = winport::LiveGlobalBlocks();
        const size_t boxes = agent.MessageBoxes().size();
        {
            std::optional<winport::ScopedClipboardFailure> failure;
            if (c.failing) failure.emplace(*c.failing);
            ASSERT_TRUE(agent.Click(Control(window, IDC_MAIN_COPY_SUMMARY)));
        }
        EXPECT_EQ(winport::ClipboardText(), c.pasted);
        EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
        EXPECT_EQ(static_cast<int>(winport::LiveGlobalBlocks() - blocks), c.blocksGained);
        EXPECT_EQ(BoxTexts(boxes), c.message ? Lines{c.message} : Lines{});
        DestroyWindow(window);
    }
}

// The e-mail pane lies inside the "Email Addresses" frame, clear of its caption, at every font.
TEST_F(MainPageTest, EmailPaneLiesInsideItsFrame) {
    host->Record(owner)["PrimaryEmail"] = "ann@example.org";
    for (const auto& [dpi, caption] : {std::pair{96, 12}, std::pair{120, 18}}) {
        SCOPED_TRACE(dpi);
        winport::ScopedLogicalPixelsPerInch scoped(dpi);
        const HWND window = OpenOwner();
        const HWND pane = EmailPane(window, IDC_OWNER_EMAIL_LIST);
        ASSERT_NE(pane, nullptr);
        EXPECT_EQ(SendMessage(GetDlgItem(pane, IDC_OWNER_EMAIL_LIST), LVM_GETITEMCOUNT, 0, 0), 1);
        const RECT frame = bctest::ScreenRect(Control(window, IDC_MAIN_EMAIL_GROUP));
        EXPECT_EQ(bctest::ScreenRect(pane),
                  (RECT{frame.left + 4, frame.top + caption, frame.right - 4, frame.bottom - 4}));
        DestroyWindow(window);
    }
}

}  // namespace
}  // namespace moduletest
