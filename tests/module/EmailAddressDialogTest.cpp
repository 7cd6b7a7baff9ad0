// The two e-mail address dialogs: titles and buttons after the mode, the 60-character limit,
// the address check and trimming, and the owner's mail-domain guard.
#include "EmailTestSupport.h"
#include "hostlib/res/HostResourceIds.h"
#include "pages/identity/ContactEmailDialog.h"
#include "pages/identity/OwnerEmailDialog.h"

namespace emailtest {
namespace {

enum Kind { kContact, kOwner };
constexpr int kTemplates[] = {IDD_CONTACT_EMAIL_DIALOG, IDD_OWNER_EMAIL_DIALOG};

struct Outcome {
    INT_PTR result = 0;
    std::string address;
    bool flag = false;  // Default (contact) or published (owner).
    bool operator==(const Outcome&) const = default;
};

class EmailAddressDialogTest : public EmailFixture {
protected:
    Outcome Run(Kind kind, const std::optional<std::string>& address = {}, bool flag = true) {
        MCVariantPropertySet record = host->Record(owner);
        CWnd* parent = CWnd::FromHandle(Window());
        if (kind == kContact) {
            CContactEmailDialog dialog(owner, address, flag, parent);
            const INT_PTR result = dialog.DoModal();
            return {result, dialog.GetAddress(), dialog.IsDefault()};
        }
        COwnerEmailDialog dialog(owner, &record, address, flag, parent);
        const INT_PTR result = dialog.DoModal();
        return {result, dialog.GetAddress(), dialog.IsPublished()};
    }
};

// Title, OK button, address and box follow the mode; an unpublished owner's address starts
// with "Don't publish" ticked. Both show the symbol that marks such an address in the list.
TEST_F(EmailAddressDialogTest, TitleButtonAddressAndBoxFollowTheMode) {
    const struct {
        Kind kind;
        std::optional<std::string> address;
        bool flag;
        std::string seen;
    } cases[] = {{kContact, {}, false, "Add Email Address|Add||0"},
                 {kContact, "δ@παράδειγμα.gr", true, "Edit Email Address|OK|δ@παράδειγμα.gr|1"},
                 {kOwner, {}, true, "Add Email Address|Add||0"},
                 {kOwner, "я@пример.ru", false, "Edit Email Address|OK|я@пример.ru|1"}};
    for (const auto& c : cases) {
        std::string seen;
        agent.QueueDialogHandler(kTemplates[c.kind], [&](HWND dialog) {
            const bool contactDialog = c.kind == kContact;
            const int edit = contactDialog ? IDC_CONTACT_EMAIL_ADDRESS : IDC_OWNER_EMAIL_ADDRESS;
            const int box =
                contactDialog ? IDC_CONTACT_EMAIL_IS_DEFAULT : IDC_OWNER_EMAIL_DONT_PUBLISH;
            seen = Text(dialog) + "|" + Text(GetDlgItem(dialog, IDOK)) + "|" +
                   Text(GetDlgItem(dialog, edit)) + "|" +
                   std::to_string(SendMessage(GetDlgItem(dialog, box), BM_GETCHECK, 0, 0));
            for (HWND item = GetWindow(dialog, GW_CHILD); item;
                 item = GetWindow(item, GW_HWNDNEXT)) {
                if ((GetWindowLongPtr(item, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
                    EXPECT_NE(SendMessage(item, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
                }
            }
            agent.Click(GetDlgItem(dialog, IDCANCEL));
        });
        EXPECT_EQ(Run(c.kind, c.address, c.flag).result, IDCANCEL);
        EXPECT_EQ(seen, c.seen);
    }
}

// A bad address is told and the dialog stays (the agent then cancels it); blanks are trimmed
// by the owner's dialog only; an empty address passes; the limit counts characters.
TEST_F(EmailAddressDialogTest, OkChecksTrimsAndLimitsTheAddress) {
    std::string accents;
    for (int i = 0; i < 53; ++i) accents += "é";
    const struct {
        Kind kind;
        std::string typed;
        std::optional<bool> tick;
        Outcome outcome;
        bool told;
    } cases[] = {{kContact, "anna@@example.org", {}, {IDCANCEL, "anna@@example.org", true}, true},
                 {kOwner, "anna@example", {}, {IDCANCEL, "anna@example", true}, true},
                 {kContact, " anna@example.org ", {}, {IDCANCEL, " anna@example.org ", true}, true},
                 {kOwner, "  анна@пример.ru ", true, {IDOK, "анна@пример.ru", false}, false},
                 {kContact, "", false, {IDOK, "", false}, false},
                 {kOwner, "", {}, {IDOK, "", true}, false},
                 {kContact, accents + "@ex.org.uk", {}, {IDOK, accents + "@ex.org", true}, false},
                 {kOwner, accents + "@ex.org.uk", {}, {IDOK, accents + "@ex.org", true}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const size_t boxes = agent.MessageBoxes().size();
        QueueAnswer(agent, kTemplates[c.kind], {c.typed, c.tick});
        EXPECT_EQ(Run(c.kind), c.outcome);
        EXPECT_EQ(Box(agent, boxes),
                  c.told ? std::string(kInvalidEmail) + "|" + kAppTitle + "|error" : "none");
    }
}

// The owner's guard: his address at the product's own mail service is taken after a warning he
// may turn off; above number 100000 the product's and the maker's names are refused.
struct GuardCase {
    const char* label;
    const char* address;
    unsigned int number;
    bool showWarning;
    int warningAnswer;  // 0: no warning expected.
    bool tickDontShow;
    INT_PTR result;
    bool refused;
};

class MailDomainGuardTest : public EmailAddressDialogTest,
                            public ::testing::WithParamInterface<GuardCase> {};

TEST_P(MailDomainGuardTest, AcceptsWarnsOrRefuses) {
    const GuardCase& c = GetParam();
    MCVariantPropertySet record = host->Record(owner);
    record["UIN"] = c.number;
    record["ShowNUVMailEmailWarning"] = c.showWarning;
    std::string warning;
    agent.QueueDialogHandler(IDD_BC_WARNING, [&](HWND dialog) {
        warning = Text(dialog) + ": " + Text(GetDlgItem(dialog, IDC_BC_WARNING_TEXT));
        if (c.tickDontShow) agent.Tick(GetDlgItem(dialog, IDC_BC_WARNING_DONTSHOW));
        agent.Click(GetDlgItem(dialog, c.warningAnswer));
    });
    QueueAnswer(agent, IDD_OWNER_EMAIL_DIALOG, {c.address});
    EXPECT_EQ(Run(kOwner).result, c.result);
    EXPECT_EQ(warning,
              c.warningAnswer ? std::string(kMailWarningCaption) + ": " + kMailWarning : "");
    if (c.warningAnswer) {
        EXPECT_EQ(static_cast<bool>(record["ShowNUVMailEmailWarning"]), !c.tickDontShow);
    }
    EXPECT_EQ(Box(agent, 0),
              c.refused ? std::string(kNameRefused) + "|" + kNameRefusedCaption + "|exclamation"
                        : "none");
    if (c.refused) {
        EXPECT_EQ(agent.MessageBoxes()[0].request.owner, Window()) << "the dialog's parent's";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MailDomainGuardTest,
    ::testing::Values(
        GuardCase{"InCapitals", "ME@MAIL.EXAMPLE.NET", 200000, true, IDOK, false, IDOK, false},
        GuardCase{"DontShowAgain", "me@mail.example.net", 200000, true, IDOK, true, IDOK, false},
        GuardCase{"CancelKeepsTheDialog", "me@mail.example.net", 200000, true, IDCANCEL, false,
                  IDCANCEL, false},
        GuardCase{"WarningTurnedOff", "nuv@mail.example.net", 200000, false, 0, false, IDOK, false},
        GuardCase{"Subdomain", "me@x.mail.example.net", 1000, true, 0, false, IDOK, false},
        GuardCase{"ProductName", "nuvfan@example.org", 100001, true, 0, false, IDCANCEL, true},
        GuardCase{"MakerName", "me@brightelm.example.org", 200000, true, 0, false, IDCANCEL, true},
        GuardCase{"CaseSensitive", "NUVfan@example.org", 200000, true, 0, false, IDOK, false},
        GuardCase{"LowNumber", "nuvfan@example.org", 100000, true, 0, false, IDOK, false}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace emailtest
