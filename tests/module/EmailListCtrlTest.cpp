// The e-mail list as a person uses it: its columns and symbols, its context menu, the address
// on the clipboard whatever the clipboard does, and "Send Email" reaching the host, the
// reference client's mail program included.
#include "pages/identity/EmailListCtrl.h"

#include <sys/stat.h>

#include "ClientOperationsSupport.h"
#include "EmailTestSupport.h"
#include "module/UserPropertySet.h"
#include "pages/identity/ContactEmailPane.h"
#include "platform/shell/Clipboard.h"
#include "platform/shell/GlobalMemory.h"
#include "platform/shell/MenuApi.h"

namespace emailtest {
namespace {

using ::testing::ElementsAre;

class EmailListCtrlTest : public EmailFixture {
protected:
    void SetUp() override {
        EmailFixture::SetUp();
        winport::ResetClipboard();
        MCVariantPropertySet record = host->Record(contact);
        record["PrimaryEmail"] = "boris@example.org";
        record["AdditionalEmails"][0] = "борис@пример.ru";
        list = OpenPane<CContactEmailPane>(contact, IDD_CONTACT_EMAIL_PANE, IDC_CONTACT_EMAIL_LIST);
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
    EXPECT_THAT(moduletest::MenuItems(menu),
                ElementsAre("49607 Copy Email Address", "49608 Send Email"));
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

// Whatever step fails, nothing leaks and the clipboard is closed; what was on it stays unless
// the step that failed came after emptying it.
TEST_F(EmailListCtrlTest, CopyClosesTheClipboardWhateverFails) {
    using Step = std::optional<winport::ClipboardStep>;
    for (const Step failing :
         {Step{}, Step{winport::ClipboardStep::Open}, Step{winport::ClipboardStep::Empty},
          Step{winport::ClipboardStep::SetData}}) {
        SCOPED_TRACE(failing ? static_cast<int>(*failing) : -1);
        moduletest::PutTextOnClipboard("kept");
        const std::size_t blocks = winport::LiveGlobalBlocks();
        {
            std::optional<winport::ScopedClipboardFailure> failure;
            if (failing) failure.emplace(*failing);
            Choose(1, ID_COPY_EMAIL_ADDRESS);
        }
        EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
        if (!failing) {
            EXPECT_EQ(winport::ClipboardText(), "борис@пример.ru");
            EXPECT_EQ(GetClipboardOwner(), list);
        } else if (failing == winport::ClipboardStep::SetData) {
            EXPECT_EQ(winport::ClipboardText(), std::nullopt) << "emptied before the failure";
            EXPECT_EQ(winport::LiveGlobalBlocks(), blocks - 1) << "the refused block was freed";
        } else {
            EXPECT_EQ(winport::ClipboardText(), "kept");
            EXPECT_EQ(winport::LiveGlobalBlocks(), blocks);
        }
    }
    EXPECT_EQ(host->Count("SendEmail борис@пример.ru"), 0);
}

// Over the reference client: its sample contact, its mail program and its setting that leaves
// "Send Email" out.
class ClientEmailListTest : public moduletest::ClientModuleFixture {
protected:
    void SetUp() override {
        ClientModuleFixture::SetUp();
        m_window = CreateWindowEx(0, "Static", "Main", WS_POPUP | WS_VISIBLE, 0, 0, 640, 400,
                                  nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        m_pane.reset();
        m_record = MCVariantPropertySet();
        DestroyWindow(m_window);
        ClientModuleFixture::TearDown();
    }
    // The client's host with |options|, and a pane over the Greek sample contact.
    HWND Open(nuvclient::HostServicesOptions options) {
        m_pane.reset();
        Initialize(std::move(options));
        EXPECT_TRUE(GetUserPropertySet(UserObject(moduletest::kSampleGreek).Get(), true, m_record));
        m_pane =
            std::make_unique<CContactEmailPane>(&m_user, &m_record, CWnd::FromHandle(m_window));
        if (!m_pane->Create(IDD_CONTACT_EMAIL_PANE, CWnd::FromHandle(m_window))) return nullptr;
        return GetDlgItem(m_pane->m_hWnd, IDC_CONTACT_EMAIL_LIST);
    }
    nuvclient::HostServicesOptions WithMailProgram() {
        const std::filesystem::path program = m_temp.Path() / "mail";
        nuvclient::test::WriteBytes(program, "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.opened\"\n");
        chmod(program.c_str(), 0755);
        return {.browser = program.string(),
                .browserWait = std::chrono::seconds(10),
                .dataFolder = NUV_CLIENT_DATA_DIR};
    }

    winport::Agent agent;
    BCUserInfo m_user{moduletest::kSampleGreek, "Γιώργος"};
    MCVariantPropertySet m_record;
    std::unique_ptr<CContactEmailPane> m_pane;
    HWND m_window = nullptr;
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

    nuvclient::HostServicesOptions noMail = nuvclient::test::BuildTreeServices();
    noMail.sendMailUnavailable = true;
    list = Open(noMail);
    ASSERT_TRUE(agent.RightClickListViewRow(list, 0));
    winport::PumpMessages();
    ASSERT_EQ(agent.PopupMenus().size(), 2u);
    EXPECT_THAT(moduletest::MenuItems(agent.PopupMenus()[1]),
                ElementsAre("49607 Copy Email Address"));
}

}  // namespace
}  // namespace emailtest
