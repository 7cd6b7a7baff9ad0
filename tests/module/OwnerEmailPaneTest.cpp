// The owner's e-mail pane: his primary address and up to nine more, published or not, written
// into his record when the page is saved, each part with its upload section.
#include "pages/identity/OwnerEmailPane.h"

#include "EmailTestSupport.h"

namespace emailtest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class OwnerEmailPaneTest : public EmailFixture {
protected:
    // The record's primary address and further ones, a "-" in front marking a hidden one.
    void Open(const std::string& primary, bool dontPublish, std::vector<std::string> more) {
        MCVariantPropertySet record = host->Record(owner);
        record["PrimaryEmail"] = primary;
        record["DontPublishEmail"] = dontPublish;
        for (size_t k = 0; k < more.size(); ++k) {
            const bool hidden = more[k].starts_with("-");
            record["AdditionalOwnerEmails"][static_cast<int>(k)]["Email"] = more[k].substr(hidden);
            record["AdditionalOwnerEmails"][static_cast<int>(k)]["HideEmail"] = hidden;
        }
        record["UpdateInfoStatus"] = 0xFFFF;
        Reopen();
    }
    void Reopen() {
        ClosePane();
        list = OpenPane<COwnerEmailPane>(owner, IDD_OWNER_EMAIL_PANE, IDC_OWNER_EMAIL_LIST);
    }
    void Add(const std::string& address, std::optional<bool> dontPublish = std::nullopt) {
        QueueAnswer(agent, IDD_OWNER_EMAIL_DIALOG, {address, dontPublish});
        agent.Click(PaneItem(IDC_OWNER_EMAIL_ADD));
    }
    std::string Primary() const { return Text(PaneItem(IDC_OWNER_EMAIL_PRIMARY)); }
    // The primary address's field, Edit, Remove and Set as Primary: "+" enabled, "-" disabled.
    std::string Buttons() const {
        return States({IDC_OWNER_EMAIL_PRIMARY, IDC_OWNER_EMAIL_EDIT, IDC_OWNER_EMAIL_REMOVE,
                       IDC_OWNER_EMAIL_PRIMARY_BUTTON});
    }
    // Validates, then commits unless invalid, as the details window's Save does.
    int Save() {
        COwnerEmailPane& pane = ThePane<COwnerEmailPane>();
        const int valid = pane.PageValidate();
        if (valid != 0) pane.PageCommit();
        return valid;
    }
    // What the record holds: primary address, its publication, further ones, status.
    std::vector<std::string> Saved() {
        std::vector<std::string> saved = {std::string(Record()["PrimaryEmail"]),
                                          Record()["DontPublishEmail"] ? "hidden" : "published"};
        const auto more = TextList(Record(), "AdditionalOwnerEmails", "Email");
        const auto hidden = TextList(Record(), "AdditionalOwnerEmails", "HideEmail");
        for (size_t k = 0; k < more.size(); ++k)
            saved.push_back((hidden[k] == "1" ? "-" : "") + more[k]);
        saved.push_back(std::to_string(static_cast<unsigned short>(Record()["UpdateInfoStatus"])));
        return saved;
    }

    HWND list = nullptr;
};

constexpr unsigned short kBoth = 0xFFFF & ~0x204;

TEST_F(OwnerEmailPaneTest, LoadShowsThePrimaryAboveAndEachAddressOnce) {
    Open("élodie@exemple.fr", true,
         {"é.mercier@société.example", "élodie@exemple.fr", "", "-h@x.org"});
    EXPECT_THAT(Rows(list), ElementsAre("Primary|élodie@exemple.fr|-",
                                        "More|é.mercier@société.example|203", "More|h@x.org|-"));
    EXPECT_EQ(Primary(), "élodie@exemple.fr");
    // The primary address is typed in no field; the buttons follow the selected row.
    EXPECT_EQ(Buttons(), "----");
    ASSERT_TRUE(agent.SelectListViewRow(list, 0));
    EXPECT_EQ(Buttons(), "-++-") << "the primary one is primary already";
    ASSERT_TRUE(agent.SelectListViewRow(list, 1));
    EXPECT_EQ(Buttons(), "-+++");
    // An address edited to nothing stays as it was: the primary one is not uploaded empty.
    const std::vector<std::string> shown = Rows(list);
    for (const auto& [row, hide] : {std::pair{0, false}, std::pair{1, true}}) {
        QueueAnswer(agent, IDD_OWNER_EMAIL_DIALOG, {"", hide});  // The other publication.
        Press(row, IDC_OWNER_EMAIL_EDIT);
    }
    EXPECT_EQ(Rows(list), shown);
    EXPECT_EQ(Primary(), "élodie@exemple.fr");
    EXPECT_EQ(Save(), -1);
    EXPECT_EQ(Saved().back(), "65535") << "nothing changed, nothing written";
}

// Ten addresses, the primary one included; the eleventh is refused before any dialog.
TEST_F(OwnerEmailPaneTest, EleventhAddressIsRefused) {
    std::vector<std::string> more;
    for (int i = 1; i < COwnerEmailPane::kMaxAddresses - 1; ++i)
        more.push_back("a" + std::to_string(i) + "@example.org");
    Open("p@example.org", false, more);
    Add("tenth@example.org");
    agent.Click(PaneItem(IDC_OWNER_EMAIL_ADD));
    EXPECT_EQ(Rows(list).size(), 10u);
    EXPECT_EQ(agent.ModalDialogs().size(), 1u) << "no dialog for the eleventh";
    EXPECT_EQ(Box(agent, 0),
              "You have reached the maximum allowed limit for email addresses|Maximum Email "
              "Addresses Allowed|error");
}

TEST_F(OwnerEmailPaneTest, FirstAddressBecomesPrimaryAndOnlyChangedSectionsAreWritten) {
    Open("", false, {});
    Add("first@example.org", true);
    EXPECT_THAT(Rows(list), ElementsAre("Primary|first@example.org|-"));
    EXPECT_EQ(Primary(), "first@example.org");
    EXPECT_EQ(Save(), 1);
    EXPECT_THAT(Saved(), ElementsAre("first@example.org", "hidden", std::to_string(kBoth)));
    Record()["UpdateInfoStatus"] = 0xFFFF;
    Add("second@example.org");
    Add("first@example.org");
    EXPECT_EQ(Box(agent, 0), std::string("Email already exists|") + kAppTitle + "|");
    EXPECT_EQ(Save(), 1);
    EXPECT_THAT(Saved(), ElementsAre("first@example.org", "hidden", "second@example.org",
                                     std::to_string(0xFFFF & ~0x200)));
}

TEST_F(OwnerEmailPaneTest, RemovingThePrimaryFailsTheCheckUnlessNothingRemains) {
    Open("p@example.org", false, {"a@example.org"});
    Press(0, IDC_OWNER_EMAIL_REMOVE);
    EXPECT_EQ(Primary(), "");
    EXPECT_EQ(GetFocus(), list) << "the disabled Remove button gave the focus to the list";
    EXPECT_EQ(Save(), 0);
    EXPECT_EQ(Box(agent, 0),
              "You have not specified a Primary Email address|No Primary Email Address|error");
    EXPECT_EQ(Saved()[0], "p@example.org") << "nothing saved";

    // Removing or clearing everything saves an empty primary address.
    Open("p@example.org", true, {"a@example.org"});
    Press(1, IDC_OWNER_EMAIL_REMOVE);
    Press(0, IDC_OWNER_EMAIL_REMOVE);
    EXPECT_EQ(Save(), 1);
    EXPECT_THAT(Saved(), ElementsAre("", "published", std::to_string(kBoth)));
    Open("p@example.org", true, {"a@example.org"});
    ThePane<COwnerEmailPane>().PageClear();
    EXPECT_THAT(Rows(list), IsEmpty());
    EXPECT_EQ(Primary(), "");
    EXPECT_EQ(Save(), 1);
    EXPECT_THAT(Saved(), ElementsAre("", "published", std::to_string(kBoth)));
}

// The new primary goes to the top and the old one among the others, where a reload shows them.
TEST_F(OwnerEmailPaneTest, SetAsPrimarySavesBothAndReopensInTheSameOrder) {
    Open("p@example.org", false, {"-a@example.org", "b@example.org"});
    Press(2, IDC_OWNER_EMAIL_PRIMARY_BUTTON);
    const std::vector<std::string> shown = Rows(list);
    EXPECT_THAT(shown, ElementsAre("Primary|b@example.org|203", "More|p@example.org|203",
                                   "More|a@example.org|-"));
    EXPECT_EQ(Primary(), "b@example.org");
    EXPECT_FALSE(IsWindowEnabled(PaneItem(IDC_OWNER_EMAIL_PRIMARY_BUTTON))) << "b stays selected";
    EXPECT_EQ(Save(), 1);
    EXPECT_THAT(Saved(), ElementsAre("b@example.org", "published", "p@example.org",
                                     "-a@example.org", std::to_string(kBoth)));
    Reopen();
    EXPECT_EQ(Rows(list), shown);
}

TEST_F(OwnerEmailPaneTest, EditTakesACopyOfAnotherAddressAndItsPublication) {
    Open("p@example.org", false, {"a@example.org"});
    QueueAnswer(agent, IDD_OWNER_EMAIL_DIALOG, {"p@example.org", true});
    Press(1, IDC_OWNER_EMAIL_EDIT);
    QueueAnswer(agent, IDD_OWNER_EMAIL_DIALOG, {"new@example.org"});
    Press(0, IDC_OWNER_EMAIL_EDIT);
    EXPECT_THAT(Rows(list), ElementsAre("Primary|new@example.org|203", "More|p@example.org|-"));
    EXPECT_EQ(Primary(), "new@example.org");
    EXPECT_EQ(Save(), 1);
    EXPECT_THAT(Saved(), ElementsAre("new@example.org", "published", "-p@example.org",
                                     std::to_string(kBoth)));
    EXPECT_TRUE(agent.MessageBoxes().empty());
}

}  // namespace
}  // namespace emailtest
