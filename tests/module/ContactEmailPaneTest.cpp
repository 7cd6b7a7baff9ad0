// A contact's e-mail pane: what a load shows, the default address and the owner's additions,
// each change checked and written into the record at once.
#include "pages/identity/ContactEmailPane.h"

#include "EmailTestSupport.h"

namespace emailtest {
namespace {

using ::testing::ElementsAre;

constexpr char kNoDefault[] =
    "You have not specified a Default Email address. Updated Email information will not be "
    "saved without specifying a Default Email address.";

class ContactEmailPaneTest : public EmailFixture {
protected:
    void Open(const std::string& primary, std::vector<std::string> additional,
              std::vector<std::string> more, short defaultNumber) {
        MCVariantPropertySet record = host->Record(contact);
        record["PrimaryEmail"] = primary;
        for (size_t k = 0; k < additional.size(); ++k)
            record["AdditionalEmails"][static_cast<int>(k)] = additional[k];
        for (size_t k = 0; k < more.size(); ++k)
            record["MoreEmails"][static_cast<int>(k)] = more[k];
        record["DefaultEmailNum"] = defaultNumber;
        Reopen();
    }
    void Reopen() {
        ClosePane();
        list = OpenPane<CContactEmailPane>(contact, IDD_CONTACT_EMAIL_PANE, IDC_CONTACT_EMAIL_LIST);
    }
    // Edit, Remove and Set as Default: "+" enabled, "-" disabled.
    std::string Buttons() const {
        return States(
            {IDC_CONTACT_EMAIL_EDIT, IDC_CONTACT_EMAIL_REMOVE, IDC_CONTACT_EMAIL_DEFAULT});
    }
    void Add(const std::string& address, bool asDefault = false) {
        QueueAnswer(agent, IDD_CONTACT_EMAIL_DIALOG, {address, asDefault});
        agent.Click(PaneItem(IDC_CONTACT_EMAIL_ADD));
    }
    short DefaultNumber() { return Record()["DefaultEmailNum"]; }
    std::vector<std::string> Additional() { return TextList(Record(), "AdditionalEmails"); }

    HWND list = nullptr;
};

// A repeated or empty element shows nothing; the buttons follow the selected row.
TEST_F(ContactEmailPaneTest, LoadShowsEachAddressOnceAndButtonsFollowTheRow) {
    Open("γιώργος@παράδειγμα.gr", {"γιώργος@παράδειγμα.gr", "own@example.org", ""},
         {"more@example.org", "own@example.org"}, 2);
    EXPECT_THAT(Rows(list),
                ElementsAre("Primary|γιώργος@παράδειγμα.gr|-", "User Defined|own@example.org|89",
                            "More|more@example.org|-"));
    EXPECT_EQ(DefaultNumber(), 2);
    EXPECT_EQ(ThePane<CContactEmailPane>().PageValidate(), -1) << "a load changes nothing";
    EXPECT_EQ(Buttons(), "---");
    const char* expected[] = {"--+", "++-", "--+"};
    for (int row = 0; row < 3; ++row) {
        ASSERT_TRUE(agent.SelectListViewRow(list, row));
        EXPECT_EQ(Buttons(), expected[row]) << "row " << row;
    }
}

// 0 the primary address, k + 1 element k of "AdditionalEmails", -(k + 1) element k of
// "MoreEmails"; a value that names no shown row is rewritten as 0, the primary one's.
TEST_F(ContactEmailPaneTest, DefaultEmailNumPicksTheRowOrIsReset) {
    for (const auto& [stored, defaultRow, afterLoad] :
         std::initializer_list<std::tuple<short, int, short>>{
             {0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {-1, 3, -1}, {3, 0, 0}, {-2, 0, 0}}) {
        Open("p@example.org", {"a0@example.org", "a1@example.org"}, {"m0@example.org"}, stored);
        const std::vector<std::string> rows = Rows(list);
        ASSERT_EQ(rows.size(), 4u);
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(rows[static_cast<size_t>(row)].ends_with("|89"), row == defaultRow)
                << stored << ": " << rows[static_cast<size_t>(row)];
        }
        EXPECT_EQ(DefaultNumber(), afterLoad);
    }
}

// The contact's further addresses are never rewritten, so the default among them keeps naming
// its element, whatever elements were skipped; the owner's additions show before them.
TEST_F(ContactEmailPaneTest, DefaultAmongMoreEmailsKeepsItsElementAcrossChanges) {
    Open("p@example.org", {}, {"p@example.org", "m1@example.org", "", "m3@example.org"}, -2);
    Add("own@example.org");
    EXPECT_EQ(DefaultNumber(), -2);
    EXPECT_THAT(Additional(), ElementsAre("own@example.org"));
    Press(3, IDC_CONTACT_EMAIL_DEFAULT);
    EXPECT_EQ(DefaultNumber(), -4);
    const std::vector<std::string> shown = Rows(list);
    EXPECT_THAT(shown, ElementsAre("Primary|p@example.org|-", "User Defined|own@example.org|-",
                                   "More|m1@example.org|-", "More|m3@example.org|89"));
    Reopen();
    EXPECT_EQ(Rows(list), shown);
    EXPECT_TRUE(agent.MessageBoxes().empty());
}

TEST_F(ContactEmailPaneTest, AddedDefaultIsSavedAtOnceAndDuplicatesAreRefused) {
    Open("p@example.org", {"a0@example.org"}, {}, 0);
    Add("新@例子.cn", true);
    EXPECT_THAT(Rows(list), ElementsAre("Primary|p@example.org|-", "User Defined|a0@example.org|-",
                                        "User Defined|新@例子.cn|89"));
    EXPECT_THAT(Additional(), ElementsAre("a0@example.org", "新@例子.cn"));
    EXPECT_EQ(DefaultNumber(), 2);
    Add("a0@example.org");
    QueueAnswer(agent, IDD_CONTACT_EMAIL_DIALOG, {"later@example.org", true, false});
    agent.Click(PaneItem(IDC_CONTACT_EMAIL_ADD));
    Add("", true);
    EXPECT_EQ(Rows(list).size(), 3u) << "a duplicate, a cancel and an empty address add nothing";
    EXPECT_EQ(Box(agent, 0), std::string("Email Already Exists|") + kAppTitle + "|");
    EXPECT_EQ(Box(agent, 1), "none");
}

// Without a default nothing is saved, and the person hears so after every change.
TEST_F(ContactEmailPaneTest, RemovingTheDefaultWaitsForANewOne) {
    Open("p@example.org", {"a0@example.org", "a1@example.org"}, {}, 2);
    Press(2, IDC_CONTACT_EMAIL_REMOVE);
    EXPECT_EQ(Box(agent, 0), std::string(kNoDefault) + "|No Default Email Address|error");
    EXPECT_THAT(Additional(), ElementsAre("a0@example.org", "a1@example.org"));
    EXPECT_EQ(GetFocus(), list) << "the disabled Remove button gave the focus to the list";
    Add("a2@example.org");
    EXPECT_EQ(ThePane<CContactEmailPane>().PageValidate(), 0);
    EXPECT_EQ(agent.MessageBoxes().size(), 3u);
    Press(2, IDC_CONTACT_EMAIL_DEFAULT);
    EXPECT_THAT(Additional(), ElementsAre("a0@example.org", "a2@example.org"));
    EXPECT_EQ(DefaultNumber(), 2);
    EXPECT_EQ(agent.MessageBoxes().size(), 3u);
}

// Clearing the box of the default address keeps it the default; the list is written whole,
// and shows after a reopen as before; an edit to nothing changes nothing.
TEST_F(ContactEmailPaneTest, EditAddRemoveAndReopenKeepTheRowsInOrder) {
    Open("p@example.org", {"a0@example.org"}, {"m0@example.org"}, 1);
    Add("a1@example.org");
    QueueAnswer(agent, IDD_CONTACT_EMAIL_DIALOG, {"b0@example.org", false});
    Press(1, IDC_CONTACT_EMAIL_EDIT);
    Add("a2@example.org");
    Press(2, IDC_CONTACT_EMAIL_REMOVE);
    const std::vector<std::string> shown = Rows(list);
    EXPECT_THAT(shown, ElementsAre("Primary|p@example.org|-", "User Defined|b0@example.org|89",
                                   "User Defined|a2@example.org|-", "More|m0@example.org|-"));
    EXPECT_THAT(Additional(), ElementsAre("b0@example.org", "a2@example.org"));
    EXPECT_EQ(DefaultNumber(), 1);
    Reopen();
    EXPECT_EQ(Rows(list), shown);
    EXPECT_TRUE(agent.MessageBoxes().empty());
    // An address edited to nothing stays as it was, the default's mark and the others' alike.
    for (const auto& [row, asDefault] : {std::pair{1, false}, std::pair{2, true}}) {
        QueueAnswer(agent, IDD_CONTACT_EMAIL_DIALOG, {"", asDefault});  // The other mark.
        Press(row, IDC_CONTACT_EMAIL_EDIT);
    }
    EXPECT_EQ(Rows(list), shown);
    EXPECT_EQ(DefaultNumber(), 1);
    EXPECT_EQ(ThePane<CContactEmailPane>().PageValidate(), -1) << "nothing changed";
    MCVariantPropertySet other = host->Record(owner);
    other["PrimaryEmail"] = "other@example.org";
    ThePane<CContactEmailPane>().PageSetData(0, &other);
    EXPECT_THAT(Rows(list), ElementsAre("Primary|other@example.org|89"));
}

// A retrieval that ends while the owner edits one of his addresses reloads the rows under the
// dialog; the edit still reaches its row and the record.
TEST_F(ContactEmailPaneTest, EditOutlivesARetrievalEndingUnderTheDialog) {
    MCVariantPropertySet record = host->Record(contact);
    record["PrimaryEmail"] = "p@example.org";
    record["AdditionalEmails"][0] = "a0@example.org";
    record["LastUpdateDate"] = 0u;  // The window fetches as it opens.
    const HWND window = OpenContact(contact);
    const HWND pane = EmailPane(window, IDC_CONTACT_EMAIL_LIST);
    ASSERT_NE(pane, nullptr);
    const HWND rows = GetDlgItem(pane, IDC_CONTACT_EMAIL_LIST);
    agent.QueueDialogHandler(IDD_CONTACT_EMAIL_DIALOG, [&](HWND dialog) {
        agent.Type(GetDlgItem(dialog, IDC_CONTACT_EMAIL_ADDRESS), "b0@example.org");
        record["MoreEmails"][0] = "m0@example.org";
        EXPECT_EQ(host->Operations().Last().callback->OnDone(), S_OK);
        winport::PumpMessages();
        EXPECT_EQ(Rows(rows).size(), 3u) << "the retrieval reloaded the rows";
        agent.Click(GetDlgItem(dialog, IDOK));
    });
    ASSERT_TRUE(agent.SelectListViewRow(rows, 1));
    ASSERT_TRUE(agent.Click(GetDlgItem(pane, IDC_CONTACT_EMAIL_EDIT)));
    EXPECT_THAT(Rows(rows), ElementsAre("Primary|p@example.org|89", "User Defined|b0@example.org|-",
                                        "More|m0@example.org|-"));
    EXPECT_THAT(TextList(record, "AdditionalEmails"), ElementsAre("b0@example.org"));
}

}  // namespace
}  // namespace emailtest
