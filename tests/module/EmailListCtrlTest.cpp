// The e-mail list as a person uses it: its columns and symbols, its context menu, the address
// on the clipboard whatever the clipboard does, and "Send Email" reaching the host, the
// reference client's mail program included.
#include "pages/identity/EmailListCtrl.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

#include <cstring>

#include "EmailTestSupport.h"
#include "client/host/HostApplication.h"
#include "client/host/HostServices.h"
#include "client/host/UserObject.h"
#include "client/store/DataFolder.h"
#include "module/UserDetailsModule.h"
#include "module/UserPropertySet.h"
#include "pages/identity/ContactEmailPane.h"
#include "platform/controls/ListViewApi.h"
#include "platform/message/MessageApi.h"
#include "platform/shell/Clipboard.h"
#include "platform/shell/GlobalMemory.h"
#include "platform/shell/MenuApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"
#include "tests/client/ClientTestSupport.h"

namespace emailtest {
namespace {

using ::testing::ElementsAre;

// The commands of a menu a person was shown, with their captions.
std::vector<std::string> Commands(const winport::PopupMenuRecord& menu) {
    std::vector<std::string> commands;
    for (const auto& item : menu.request.items) {
        commands.push_back(std::to_string(item.id) + " " + item.text);
    }
    return commands;
}

// Puts |text| on the clipboard as another program would.
void PutOnClipboard(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

class EmailListCtrlTest : public EmailFixture {
protected:
    void SetUp() override {
        EmailFixture::SetUp();
        winport::ResetClipboard();
        MCVariantPropertySet record = host->Record(contact);
        record["PrimaryEmail"] = "boris@example.org";
        record["AdditionalEmails"][0] = "борис@пример.ru";
        list = OpenPane<CContactEmailPane>(contact, IDD_CONTACT_EMAIL_PANE, IDC_CONTACT_EMAIL_LIST);
        ASSERT_NE(list, nullptr);
    }
    void TearDown() override {
        EmailFixture::TearDown();
        winport::ResetClipboard();
    }
    // Chooses |command| from the menu of |row|, as a person does.
    void Choose(int row, UINT command) {
        agent.QueueMenuAnswer(command);
        ASSERT_TRUE(agent.RightClickListViewRow(list, row));
        winport::PumpMessages();
    }

    HWND list = nullptr;
};

TEST_F(EmailListCtrlTest, MenuComesOnARowOnlyAndSendsMailThroughTheHost) {
    ASSERT_TRUE(agent.RightClickListViewRow(list, 1));
    winport::PumpMessages();
    ASSERT_EQ(agent.PopupMenus().size(), 1u);
    const winport::PopupMenuRecord& menu = agent.PopupMenus()[0];
    EXPECT_THAT(Commands(menu), ElementsAre("49607 Copy Email Address", "49608 Send Email"));
    EXPECT_EQ(menu.request.owner, list);
    EXPECT_EQ(menu.request.flags, TPM_CENTERALIGN | TPM_RIGHTBUTTON);

    RECT client{};
    GetClientRect(list, &client);
    const LPARAM below = MAKELPARAM(10, static_cast<WORD>(client.bottom - 2));
    PostMessage(list, WM_RBUTTONDOWN, MK_RBUTTON, below);
    PostMessage(list, WM_RBUTTONUP, 0, below);
    winport::PumpMessages();
    EXPECT_EQ(agent.PopupMenus().size(), 1u) << "no menu on empty space";
    Choose(0, ID_SEND_EMAIL);
    EXPECT_EQ(host->Count("SendEmail boris@example.org"), 1);
    EXPECT_EQ(winport::LiveMenuCount(), 0u) << "every menu loaded was destroyed";
}

class EmailClipboardTest
    : public EmailListCtrlTest,
      public ::testing::WithParamInterface<std::optional<winport::ClipboardStep>> {};

// Whatever step fails, nothing leaks and the clipboard is closed; what was on it stays unless
// the step that failed came after emptying it.
TEST_P(EmailClipboardTest, CopyClosesTheClipboardWhateverFails) {
    PutOnClipboard("kept");
    const std::size_t blocks = winport::LiveGlobalBlocks();
    {
        std::optional<winport::ScopedClipboardFailure> failure;
        if (GetParam()) failure.emplace(*GetParam());
        Choose(1, ID_COPY_EMAIL_ADDRESS);
    }
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
    if (!GetParam()) {
        EXPECT_EQ(winport::ClipboardText(), "борис@пример.ru");
        EXPECT_EQ(GetClipboardOwner(), list);
    } else if (GetParam() == winport::ClipboardStep::SetData) {
        EXPECT_EQ(winport::ClipboardText(), std::nullopt) << "emptied before the failure";
        EXPECT_EQ(winport::LiveGlobalBlocks(), blocks - 1) << "the refused block was freed";
    } else {
        EXPECT_EQ(winport::ClipboardText(), "kept");
        EXPECT_EQ(winport::LiveGlobalBlocks(), blocks);
    }
    EXPECT_EQ(host->Count("SendEmail борис@пример.ru"), 0);
}

INSTANTIATE_TEST_SUITE_P(Steps, EmailClipboardTest,
                         ::testing::Values(std::nullopt, winport::ClipboardStep::Open,
                                           winport::ClipboardStep::Empty,
                                           winport::ClipboardStep::SetData));

// Over the reference client: its sample contact, its mail program and its setting that leaves
// "Send Email" out.
class ClientEmailListTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_liveBefore = nuvclient::LiveHostObjects::Count();
        m_store = nuvclient::OpenDataFolder(m_temp.Path() / "data", NUV_CLIENT_DATA_DIR);
        m_window = CreateWindowEx(0, "Static", "Main", WS_POPUP | WS_VISIBLE, 0, 0, 640, 400,
                                  nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        m_pane.reset();
        m_record = MCVariantPropertySet();
        DestroyWindow(m_window);
        CUserDetailsModule::Instance()->Initialize(nullptr);
        m_application = nullptr;
        m_services = nullptr;
        EXPECT_EQ(nuvclient::LiveHostObjects::Count(), m_liveBefore) << "a host object was kept";
    }
    // The client's host with |options|, and a pane over the Greek sample contact.
    HWND Open(nuvclient::HostServicesOptions options) {
        m_pane.reset();
        m_services = winport::MakeComObject<nuvclient::HostServices>(std::move(options));
        m_application =
            winport::MakeComObject<nuvclient::HostApplication>(*m_store, *m_services.Get());
        CUserDetailsModule::Instance()->Initialize(m_application.Get());
        winport::ComPtr<MIUserObject> user;
        EXPECT_EQ(nuvclient::CreateUserObject(*m_store, 2000001, user.GetAddressOf()), S_OK);
        EXPECT_TRUE(GetUserPropertySet(user.Get(), true, m_record));
        m_pane =
            std::make_unique<CContactEmailPane>(&m_user, &m_record, CWnd::FromHandle(m_window));
        if (!m_pane->Create(IDD_CONTACT_EMAIL_PANE, CWnd::FromHandle(m_window))) return nullptr;
        return GetDlgItem(m_pane->m_hWnd, IDC_CONTACT_EMAIL_LIST);
    }
    nuvclient::HostServicesOptions WithMailProgram() {
        const std::filesystem::path program = m_temp.Path() / "mail";
        nuvclient::test::WriteBytes(program, "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.opened\"\n");
        chmod(program.c_str(), 0755);
        nuvclient::HostServicesOptions options;
        options.browser = program.string();
        options.browserWait = std::chrono::seconds(10);
        return options;
    }

    winport::Agent agent;
    nuvclient::test::TempFolder m_temp;
    std::unique_ptr<nuvclient::Store> m_store;
    winport::ComPtr<nuvclient::HostServices> m_services;
    winport::ComPtr<nuvclient::HostApplication> m_application;
    BCUserInfo m_user{2000001, "Γιώργος"};
    MCVariantPropertySet m_record;
    std::unique_ptr<CContactEmailPane> m_pane;
    HWND m_window = nullptr;
    long m_liveBefore = 0;
};

TEST_F(ClientEmailListTest, SendEmailOpensAMailLinkUnlessTheHostHasNoMail) {
    HWND list = Open(WithMailProgram());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Rows(list).front(), "Primary|giorgos@paradeigma.gr|-");
    agent.QueueMenuAnswer(ID_SEND_EMAIL);
    ASSERT_TRUE(agent.RightClickListViewRow(list, 0));
    winport::PumpMessages();
    EXPECT_EQ(m_application->Events().back(),
              (nuvclient::HostEvent{"send email", "giorgos@paradeigma.gr"}));
    EXPECT_EQ(nuvclient::test::ReadBytes(m_temp.Path() / "mail.opened"),
              "mailto:giorgos@paradeigma.gr");

    nuvclient::HostServicesOptions noMail;
    noMail.sendMailUnavailable = true;
    list = Open(noMail);
    ASSERT_TRUE(agent.RightClickListViewRow(list, 0));
    winport::PumpMessages();
    ASSERT_EQ(agent.PopupMenus().size(), 2u);
    EXPECT_THAT(Commands(agent.PopupMenus()[1]), ElementsAre("49607 Copy Email Address"));
}

}  // namespace
}  // namespace emailtest
