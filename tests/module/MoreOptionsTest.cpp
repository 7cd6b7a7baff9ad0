// The More Options button: each form's menu and where it opens, and its commands: the card saved,
// the owner's Unlist and web-directories page, a contact's White Pages.
#include "PageTestSupport.h"
#include "hostlib/util/Browser.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/shell/MenuApi.h"

namespace moduletest {
namespace {

constexpr winport::StringResource kStrings[] = {{kUnlistText, "Unlist your details?"},
                                                {kUnlistCaption, "Unlist"}};
constexpr winport::ResourceTable kTable{"unlist strings", {}, {}, {}, kStrings};

class MoreOptionsTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        UseStrings(kTable);
        // The host library opens registered pages through the host's services.
        SetHostServices(host->Application()->GetServices());
    }
    void TearDown() override {
        SetHostServices(nullptr);
        PageFixture::TearDown();
    }
    // Clicks More Options and chooses |command| (0 dismisses the menu).
    void Choose(HWND dialog, UINT command) {
        agent.QueueMenuAnswer(command);
        ASSERT_TRUE(agent.Click(Item(dialog, IDC_DETAILS_MORE_OPTIONS)));
        winport::PumpMessages();
    }
    std::string PageText(HWND dialog, int tab, int id) {
        return Text(GetDlgItem(Dialog(dialog)->GetPage(tab)->m_hWnd, id));
    }
};

// The owner's menu has three commands and a contact's two. The menu opens centred below the
// button, or above it where the screen ends below.
TEST_F(MoreOptionsTest, EachFormHasItsMenuBelowOrAboveTheButton) {
    const struct {
        const char* form;
        std::function<HWND()> open;
        Lines items;
    } forms[] = {{"owner",
                  [&] { return OpenOwner(); },
                  {"49609 &Save as Vcard", "49610 &Unlist",
                   "49611 &Publicize my details in Web-directories"}},
                 {"contact",
                  [&] { return OpenContact(contact); },
                  {"49614 &Save as Vcard", "49616 &White Pages"}}};
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    for (const auto& f : forms) {
        SCOPED_TRACE(f.form);
        const HWND dialog = f.open();
        const HWND button = Item(dialog, IDC_DETAILS_MORE_OPTIONS);
        const int height = static_cast<int>(f.items.size()) * GetSystemMetrics(SM_CYMENUSIZE) +
                           2 * GetSystemMetrics(SM_CYDLGFRAME);
        // With room below, then with the button's bottom just where the menu no longer fits.
        for (const int roomBelow : {height + 1, height}) {
            const RECT rootRect = bctest::ScreenRect(dialog);
            const int shift = screenHeight - roomBelow - bctest::ScreenRect(button).bottom;
            SetWindowPos(dialog, nullptr, rootRect.left, rootRect.top + shift, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER);
            const RECT rect = bctest::ScreenRect(button);
            const size_t shown = agent.PopupMenus().size();
            Choose(dialog, 0);
            ASSERT_EQ(agent.PopupMenus().size(), shown + 1);
            const winport::PopupMenuRequest& menu = agent.PopupMenus().back().request;
            EXPECT_EQ(MenuItems(agent.PopupMenus().back()), f.items);
            EXPECT_EQ(menu.owner, dialog);
            EXPECT_EQ(menu.flags, TPM_CENTERALIGN | TPM_RIGHTBUTTON);
            EXPECT_EQ(menu.position.x, (rect.left + rect.right) / 2);
            EXPECT_EQ(menu.position.y, roomBelow > height ? rect.bottom : rect.top - height)
                << roomBelow;
        }
        DestroyWindow(dialog);
    }
}

// Cancel and No leave every page as it was; Yes empties every page but Main and uploads nothing.
// The owner's next Save writes the empty pages, the country included, and keeps Main.
TEST_F(MoreOptionsTest, UnlistEmptiesEveryPageButMainUntilSaveUploadsThem) {
    MCVariantPropertySet record = host->Record(owner);
    record["NickName"] = "Ann";
    record["HomeAddress"] = "1, rue de la Soie";
    record["HomeCountry"] = static_cast<short>(33);
    record["WorkCompany"] = "Soieries";
    record["About"] = "Tisseuse";
    record["Gender"] = 2;
    record["InterestCategory"][0] = 117;
    record["InterestText"][0] = std::string("rebetiko");
    record["GroupCategory"][0] = 201;
    record["GroupText"][0] = std::string("Tennis");
    host->InstallTabProvider().AddPage("Notizen ✓");
    const HWND window = OpenOwner(1);
    for (const int answer : {IDCANCEL, IDNO}) {
        agent.QueueMessageBoxAnswer(answer);
        Choose(window, ID_OWNER_UNLIST);
        EXPECT_EQ(PageText(window, 1, IDC_HOME_ADDRESS), "1, rue de la Soie") << answer;
    }
    // The outside tab is built when first shown.
    ASSERT_TRUE(agent.SelectTab(Item(window, IDC_DETAILS_TAB), "Notizen ✓"));
    host->ClearCalls();
    agent.QueueMessageBoxAnswer(IDYES);
    Choose(window, ID_OWNER_UNLIST);
    ASSERT_EQ(agent.MessageBoxes().size(), 3u);
    // An outside component's tab is left as it is.
    ASSERT_EQ(TabCaptions(window).back(), "Notizen ✓");
    for (const std::string& call : host->Calls()) EXPECT_FALSE(call.starts_with("page ")) << call;
    const winport::MessageBoxRequest& question = agent.MessageBoxes().back().request;
    EXPECT_EQ(question.text + "|" + question.caption, "Unlist your details?|Unlist");
    EXPECT_EQ(question.style, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION));
    EXPECT_EQ(PageText(window, 1, IDC_HOME_ADDRESS) + "|" + PageText(window, 2, IDC_WORK_COMPANY) +
                  "|" + PageText(window, 4, IDC_ABOUT_TEXT) + "|" +
                  PageText(window, 0, IDC_MAIN_NICKNAME),
              "|||Ann");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Dialog(window)->GetPage(1)->m_hWnd, IDC_HOME_MAP)))
        << "no country, no map";
    EXPECT_TRUE(host->Operations().Started().empty());
    EXPECT_EQ(Keys(owner, {"HomeAddress"}), "1, rue de la Soie");

    ASSERT_TRUE(SaveOwnerWindow(window));
    EXPECT_EQ(Keys(owner, {"NickName", "HomeAddress", "WorkCompany", "About", "HomeCountry",
                           "Gender", "InterestCategory[0]", "GroupCategory[0]"}),
              "Ann||||0|0|0|0");
}

// Save as Vcard asks for the file in every form; the owner's third command opens the registered
// page; White Pages, from the menu or as command 1035, reaches the host outside the owner's
// window, where 1035 is Update From Database.
TEST_F(MoreOptionsTest, CommandsReachTheWriterTheBrowserAndTheHost) {
    host->RegisterAddress("Web Directories Update", "https://directories.example/update");
    const HWND ownerWindow = OpenOwner(1);
    agent.QueueSaveAsAnswer(std::nullopt);
    Choose(ownerWindow, ID_OWNER_SAVE_VCARD);
    Choose(ownerWindow, ID_OWNER_PUBLICIZE);
    EXPECT_EQ(OpenedAddresses(), std::vector<std::string>{"https://directories.example/update"});
    // Update From Database asks first; No keeps the pages.
    agent.QueueMessageBoxAnswer(IDNO);
    SendMessage(ownerWindow, WM_COMMAND, IDC_DETAILS_UPDATE, 0);
    EXPECT_EQ(host->Count("OpenWhitePages"), 0);
    EXPECT_EQ(agent.MessageBoxes().size(), 1u);

    const HWND contactWindow = OpenContact(contact);
    agent.QueueSaveAsAnswer(std::nullopt);
    Choose(contactWindow, ID_CONTACT_SAVE_VCARD);
    Choose(contactWindow, ID_CONTACT_WHITE_PAGES);
    SendMessage(contactWindow, WM_COMMAND, IDC_DETAILS_UPDATE, 0);
    EXPECT_EQ(host->Count("OpenWhitePages"), 2);
    // Unlist is the owner's: sent to a contact's window it asks nothing and clears nothing.
    SendMessage(contactWindow, WM_COMMAND, ID_OWNER_UNLIST, 0);
    EXPECT_EQ(agent.MessageBoxes().size(), 1u);

    ASSERT_EQ(agent.SaveAsDialogs().size(), 2u);
    for (const auto& asked : agent.SaveAsDialogs())
        EXPECT_THAT(asked.request.fileName, ::testing::StartsWith("NUV#"));
}

}  // namespace
}  // namespace moduletest
