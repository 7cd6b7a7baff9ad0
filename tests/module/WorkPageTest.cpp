// The Work page in the owner's window and in a contact's: the company and occupation (from the
// host's occupation list), the published numbers, the address with its map, the home page, and
// what Save keeps.
#include "PageTestSupport.h"

namespace moduletest {
namespace {

constexpr int kWorkTab = 2;
constexpr char kMap[] = "https://maps.example/find";

class WorkPageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        for (BCUserInfo* user : {owner, contact}) {
            MCVariantPropertySet record = host->Record(user);
            record["WorkCompany"] = "Soieries Lyonnaises";
            record["WorkDepartment"] = "Atelier";
            record["WorkJobTitle"] = "Tisseuse";
            record["Occupation"] = static_cast<short>(12);
            record["WorkPhone"] = " +33 (4) 7200 1122";
            record["WorkFax"] = "";
            record["WorkAddress"] = "3, place Bellecour";
            record["WorkCity"] = "Lyon";
            record["WorkState"] = "ARA";
            record["WorkZipCode"] = "69002";
            record["WorkCountry"] = static_cast<short>(33);
            record["WorkHomepage"] = "https://soieries.example/?a=1&b=2";
            record["UpdateInfoStatus"] = 0x0027;
        }
    }
    HWND OpenWork(BCUserInfo* user) { return OpenPage(user, kWorkTab); }
};

using WorkPageWithListsTest = WithShippedLists<WorkPageTest>;

TEST_F(WorkPageWithListsTest, TheOwnerPicksHisOccupationAContactsIsNamedAndSaveWritesTheCodes) {
    OpenWork(owner);
    EXPECT_EQ(Shown({IDC_WORK_COMPANY, IDC_WORK_DEPARTMENT, IDC_WORK_POSITION, IDC_WORK_OCCUPATION,
                     IDC_WORK_COUNTRY}),
              "Soieries Lyonnaises|Atelier|Tisseuse|Research and Science|France");
    EXPECT_TRUE(Visible(IDC_WORK_OCCUPATION) && !Visible(IDC_WORK_OCCUPATION_NAME));
    EXPECT_EQ(EnabledStates({IDC_WORK_PHONE_BUTTON, IDC_WORK_FAX_BUTTON, IDC_WORK_HOMEPAGE_BUTTON,
                             IDC_WORK_MAP}),
              "+-++");
    // The list's occupations and one empty entry for none.
    std::vector<LRESULT> empties;
    for (const auto& [text, code] : bctest::ComboEntries(Control(IDC_WORK_OCCUPATION)))
        if (text.empty()) empties.push_back(code);
    EXPECT_EQ(empties, std::vector<LRESULT>{-1});
    DestroyWindow(window);

    host->Record(contact)["Occupation"] = static_cast<short>(7);
    OpenWork(contact);
    EXPECT_FALSE(Visible(IDC_WORK_OCCUPATION));
    EXPECT_EQ(Shown({IDC_WORK_OCCUPATION_NAME, IDC_WORK_COUNTRY_NAME}), "Engineering|France");
    EXPECT_TRUE(ReadOnly(IDC_WORK_COMPANY));
    DestroyWindow(window);

    // A code the list does not have names nothing.
    host->Record(contact)["Occupation"] = static_cast<short>(4242);
    OpenWork(contact);
    EXPECT_EQ(Shown(IDC_WORK_OCCUPATION_NAME), "");

    // Save writes the fields as typed and the codes of the choices.
    OpenWork(owner);
    ASSERT_TRUE(agent.Type(Control(IDC_WORK_COMPANY), " Canuts & Cie"));
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_WORK_OCCUPATION), "Engineering"));
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_WORK_COUNTRY), "Switzerland"));
    Save();
    // The company kept as typed, the number as the Home page keeps it.
    EXPECT_EQ(
        Keys(owner, {"WorkCompany", "WorkPhone", "Occupation", "WorkCountry", "UpdateInfoStatus"}),
        " Canuts & Cie|+33 (4) 7200 1122|7|41|7");

    // The empty entry stands for no occupation.
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_WORK_OCCUPATION), 0)) << agent.LastError();
    Save();
    EXPECT_EQ(Keys(owner, {"Occupation"}), "0");

    // An unchanged page has nothing to check and writes nothing.
    EXPECT_EQ(Dialog(window)->GetPage(kWorkTab)->PageValidate(), -1);
    host->Record(owner)["WorkCity"] = "Changed behind the page";
    Save();
    EXPECT_EQ(Keys(owner, {"WorkCity"}), "Changed behind the page");
}

// Without the host's list only the empty entry is offered and no occupation is named
// (owner-lists-missing.nuv keeps the stored code through a save).
TEST_F(WorkPageTest, WithoutTheHostsListThereIsNoOccupationToShow) {
    OpenWork(owner);
    EXPECT_EQ(SendMessage(Control(IDC_WORK_OCCUPATION), CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(Shown(IDC_WORK_OCCUPATION), "");
    DestroyWindow(window);
    OpenWork(contact);
    EXPECT_EQ(Shown(IDC_WORK_OCCUPATION_NAME), "");
}

TEST_F(WorkPageTest, TheHomePageAndTheMapOpenInTheBrowser) {
    host->RegisterAddress("Map", kMap);
    OpenWork(owner);
    ASSERT_TRUE(agent.Click(Control(IDC_WORK_HOMEPAGE_BUTTON)));
    ASSERT_TRUE(agent.Type(Control(IDC_WORK_HOMEPAGE), "   https://canuts.example"));
    ASSERT_TRUE(agent.Click(Control(IDC_WORK_HOMEPAGE_BUTTON)));
    // An address without a scheme is a web page (WebAddressTest has which are).
    ASSERT_TRUE(agent.Type(Control(IDC_WORK_HOMEPAGE), "canuts.example"));
    ASSERT_TRUE(agent.Click(Control(IDC_WORK_HOMEPAGE_BUTTON)));
    ASSERT_TRUE(agent.Click(Control(IDC_WORK_MAP)));
    ASSERT_TRUE(agent.Type(Control(IDC_WORK_HOMEPAGE), "  "));
    EXPECT_FALSE(Enabled(IDC_WORK_HOMEPAGE_BUTTON));
    EXPECT_THAT(
        OpenedAddresses(),
        ::testing::ElementsAre(
            "https://soieries.example/?a=1&b=2", "https://canuts.example", "http://canuts.example",
            std::string(kMap) + "?countrycode=33&country=France&state=ARA&city=Lyon&"
                                "zip=69002&address=3%2C%20place%20Bellecour"));
    DestroyWindow(window);

    host->Record(owner)["WorkCountry"] = static_cast<short>(0);
    OpenWork(owner);
    EXPECT_FALSE(Enabled(IDC_WORK_MAP));
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_WORK_COUNTRY), "Italy"));
    EXPECT_TRUE(Enabled(IDC_WORK_MAP));
}

TEST_F(WorkPageTest, AListedNumberIsConfirmedTheFirstTimeItsFieldIsLeftAndKeptAsItWas) {
    for (BCUserInfo* user : {owner, contact}) {
        SCOPED_TRACE(user == owner ? "owner" : "contact");
        host->Record(user)["WorkPhone"] = " +33 (4) 72 00 11 22 / 305";
        OpenWork(user);
        std::string seen;
        agent.QueueDialogHandler(static_cast<int>(IDD_PHONE_LOCATION), [&](HWND dialog) {
            seen =
                Text(GetDlgItem(dialog, IDC_PHONE_LOCAL)) + "|" +
                (IsWindowEnabled(GetDlgItem(dialog, IDC_PHONE_COUNTRY)) ? "editable" : "read-only");
            agent.Click(GetDlgItem(dialog, IDOK));
        });
        ASSERT_TRUE(agent.Focus(Control(IDC_WORK_PHONE)));
        ASSERT_TRUE(agent.Focus(Control(IDC_WORK_COMPANY)));
        winport::PumpMessages();
        EXPECT_EQ(seen, std::string("72 00 11 22|") + (user == owner ? "editable" : "read-only"));
        EXPECT_EQ(agent.PendingAnswers(), 0u);
        if (user == owner) Save();
        DestroyWindow(window);
    }
    // Saved without the joined text's leading blank, every group where it was.
    EXPECT_EQ(Keys(owner, {"WorkPhone"}), "+33 (4) 72 00 11 22 / 305");
}

}  // namespace
}  // namespace moduletest
