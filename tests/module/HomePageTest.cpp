// The Home page in the owner's window and in a contact's: the address, the published numbers
// with the phone location dialog, the time zone and its override, the map, and what Save keeps.
#include <chrono>

#include "PageTestSupport.h"
#include "hostlib/framework/FrameworkMessages.h"
#include "hostlib/util/Time.h"

namespace moduletest {
namespace {

constexpr int kHomeTab = 1;
constexpr short kFrance = 33;
constexpr char kMap[] = "https://maps.example/find";

class HomePageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        for (BCUserInfo* user : {owner, contact}) {
            MCVariantPropertySet record = host->Record(user);
            record["HomeAddress"] = "12 rue des Arts & Métiers";
            record["HomeCity"] = "Lyon";
            record["HomeState"] = "ARA";
            record["HomeZipCode"] = "69002";
            record["HomeCountry"] = kFrance;
            record["HomePhone"] = "+33 (4) 7800 1234";
            record["HomeFax"] = "";
            record["HomeCell"] = "+33 612";
            record["TimeZone"] = static_cast<char>(-2);
            record["UpdateInfoStatus"] = 0x0007;
        }
    }
    HWND OpenHome(BCUserInfo* user) { return OpenPage(user, kHomeTab); }
    static std::string LocalTime() {
        char text[BCTime::kBufferSize];
        BCTime::GetTime(text);
        return text;
    }

    const BCTime::ScopedNow m_now{std::chrono::sys_days{std::chrono::year{2026} / 12 / 7} +
                                  std::chrono::hours{9} + std::chrono::minutes{41}};
};

TEST_F(HomePageTest, TheOwnerEditsHisAddressAndNumbersTheContactsAreShownReadOnly) {
    OpenHome(owner);
    EXPECT_EQ(Shown({IDC_HOME_ADDRESS, IDC_HOME_CITY, IDC_HOME_STATE, IDC_HOME_ZIP,
                     IDC_HOME_COUNTRY, IDC_HOME_TIME_ZONE}),
              "12 rue des Arts & Métiers|Lyon|ARA|69002|France|(GMT +01:00)");
    EXPECT_TRUE(Visible(IDC_HOME_COUNTRY));
    for (const int id : {IDC_HOME_COUNTRY_NAME, IDC_HOME_OVERRIDE_GMT, IDC_HOME_USER_TIME,
                         IDC_HOME_USER_TIME_LABEL})
        EXPECT_FALSE(Visible(id)) << id;
    EXPECT_FALSE(ReadOnly(IDC_HOME_CITY));
    // A number's button is there for a number only.
    EXPECT_EQ(EnabledStates(
                  {IDC_HOME_PHONE_BUTTON, IDC_HOME_FAX_BUTTON, IDC_HOME_CELL_BUTTON, IDC_HOME_MAP}),
              "+-++");
    EXPECT_EQ(Shown(IDC_HOME_YOUR_TIME), LocalTime());
    EXPECT_EQ(FontWeight(Control(IDC_HOME_CELL_LABEL)), 600);
    // The limits: 3 for the state, 5 for the zip code.
    agent.Type(Control(IDC_HOME_STATE), "ABCDE");
    agent.Type(Control(IDC_HOME_ZIP), "1234567");
    EXPECT_EQ(Shown({IDC_HOME_STATE, IDC_HOME_ZIP}), "ABC|12345");
    DestroyWindow(window);

    OpenHome(contact);
    EXPECT_FALSE(Visible(IDC_HOME_COUNTRY));
    EXPECT_EQ(Shown({IDC_HOME_COUNTRY_NAME, IDC_HOME_USER_TIME}), "France|10:41");
    for (const int id : {IDC_HOME_CITY, IDC_HOME_STATE, IDC_HOME_ZIP, IDC_HOME_ADDRESS,
                         IDC_HOME_PHONE, IDC_HOME_FAX, IDC_HOME_CELL})
        EXPECT_TRUE(ReadOnly(id)) << id;
    EXPECT_TRUE(Visible(IDC_HOME_OVERRIDE_GMT));
    EXPECT_FALSE(Enabled(IDC_HOME_TIME_ZONE)) << "the zone is the contact's until overridden";
}

TEST_F(HomePageTest, TimeZonesAreStoredAsNegatedHalfHours) {
    // At 09:41 in Greenwich.
    for (const auto& [stored, shown] :
         std::initializer_list<std::pair<int, const char*>>{{0, "(GMT  00:00)|09:41"},
                                                            {24, "(GMT -12:00)|21:41"},
                                                            {-24, "(GMT +12:00)|21:41"},
                                                            {1, "(GMT -00:30)|09:11"},
                                                            {-1, "(GMT +00:30)|10:11"},
                                                            {-11, "(GMT +05:30)|15:11"},
                                                            {-100, "|"}}) {
        SCOPED_TRACE(stored);
        host->Record(contact)["TimeZone"] = static_cast<char>(stored);
        OpenHome(contact);
        EXPECT_EQ(Shown({IDC_HOME_TIME_ZONE, IDC_HOME_USER_TIME}), shown);
        DestroyWindow(window);
    }
    // A record that never had a zone shows none, rather than GMT.
    host->Record(contact).Remove("TimeZone");
    OpenHome(contact);
    EXPECT_EQ(Shown({IDC_HOME_TIME_ZONE, IDC_HOME_USER_TIME}), "|");
    DestroyWindow(window);

    // The owner picks a zone; Save stores it, copies every field and clears the home bit.
    host->Record(owner)["HomeCity"] = "  Lyon";
    OpenHome(owner);
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_HOME_TIME_ZONE), "(GMT +05:30)"));
    Save();
    EXPECT_EQ(Keys(owner, {"TimeZone", "HomeCity", "UpdateInfoStatus"}), "-11|Lyon|3");
}

TEST_F(HomePageTest, TheZipCodeIsANumberFromOneTo99999OrNothing) {
    for (const auto& [typed, accepted, saved] :
         std::initializer_list<std::tuple<const char*, bool, const char*>>{
             {"   ", true, ""},
             {"0", false, "69002"},
             {"99999", true, "99999"},
             {"  123", true, "123"},
             {"12a", false, "69002"}}) {
        SCOPED_TRACE(typed);
        OpenHome(owner);
        const size_t boxes = agent.MessageBoxes().size();
        const int started = host->Count("Start save 1001");
        agent.Type(Control(IDC_HOME_ZIP), typed);
        Save();
        EXPECT_EQ(host->Count("Start save 1001"), started + (accepted ? 1 : 0));
        EXPECT_EQ(agent.MessageBoxes().size(), boxes + (accepted ? 0 : 1));
        // What was checked is what is saved.
        EXPECT_EQ(Keys(owner, {"HomeZipCode"}), saved);
        host->Record(owner)["HomeZipCode"] = "69002";
        DestroyWindow(window);
    }
    // An unchanged page has nothing to check and its save writes nothing.
    OpenHome(owner);
    EXPECT_EQ(Dialog(window)->GetPage(kHomeTab)->PageValidate(), -1);
    host->Record(owner)["HomeCity"] = "Changed behind the page";
    Save();
    EXPECT_EQ(Keys(owner, {"HomeCity"}), "Changed behind the page");
}

// The owner's override of a contact's zone outlives a refresh and is kept when the window closes,
// the contact's postcode being none of his to correct.
TEST_F(HomePageTest, TheOwnersOverrideOfAContactsZoneOutlivesARefresh) {
    host->Record(contact)["LastUpdateDate"] = 0u;  // The window fetches as it opens.
    host->Record(contact)["HomeZipCode"] = "SW1A";
    OpenHome(contact);
    ASSERT_TRUE(agent.Click(Control(IDC_HOME_OVERRIDE_GMT)));
    EXPECT_TRUE(static_cast<bool>(host->Record(contact)["DontUpdateGMT"])) << "written at once";
    ASSERT_TRUE(Enabled(IDC_HOME_TIME_ZONE));
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_HOME_TIME_ZONE), "(GMT +05:30)"));
    EXPECT_EQ(Shown(IDC_HOME_USER_TIME), "15:11");

    // The directory's answer comes with another zone; the owner's choice stays.
    host->Record(contact)["TimeZone"] = static_cast<char>(8);
    ASSERT_EQ(host->Operations().Running(), 1);
    EXPECT_EQ(host->Operations().Last().callback->OnDone(), S_OK);
    winport::PumpMessages();
    EXPECT_EQ(Shown({IDC_HOME_TIME_ZONE, IDC_HOME_USER_TIME}), "(GMT +05:30)|15:11");

    // Without the override the next refresh shows the stored zone again.
    ASSERT_TRUE(agent.Click(Control(IDC_HOME_OVERRIDE_GMT)));
    EXPECT_FALSE(Enabled(IDC_HOME_TIME_ZONE));
    EXPECT_FALSE(static_cast<bool>(host->Record(contact)["DontUpdateGMT"]));
    host->Record(contact)["TimeZone"] = static_cast<char>(8);
    Dialog(window)->GetPage(kHomeTab)->PageReload();
    EXPECT_EQ(Shown(IDC_HOME_TIME_ZONE), "(GMT -04:00)");

    ASSERT_TRUE(agent.Click(Control(IDC_HOME_OVERRIDE_GMT)));
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_HOME_TIME_ZONE), "(GMT  00:00)"));
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
    EXPECT_TRUE(agent.MessageBoxes().empty());
    EXPECT_FALSE(IsWindow(window)) << "the window closes with the owner's choice kept";
    EXPECT_EQ(static_cast<char>(host->Record(contact)["TimeZone"]), 0);
}

TEST_F(HomePageTest, TheMapShowsTheAddressAtTheRegisteredPlace) {
    OpenHome(owner);
    ASSERT_TRUE(agent.Click(Control(IDC_HOME_MAP)));
    EXPECT_TRUE(OpenedAddresses().empty()) << "no map is registered";
    host->RegisterAddress("Map", kMap);
    // Each value stays one value of the address: "&" starts no parameter, "#" cuts nothing.
    agent.Type(Control(IDC_HOME_CITY), "New York");
    agent.Type(Control(IDC_HOME_ADDRESS), "1 A&B St#2");
    ASSERT_TRUE(agent.Click(Control(IDC_HOME_MAP)));
    // The country sent is the one picked, by its code and its name.
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_HOME_COUNTRY), "Canada"));
    ASSERT_TRUE(agent.Click(Control(IDC_HOME_MAP)));
    DestroyWindow(window);
    OpenHome(contact);
    ASSERT_TRUE(agent.Click(Control(IDC_HOME_MAP)));
    const std::string query = "&state=ARA&city=New%20York&zip=69002&address=1%20A%26B%20St%232";
    EXPECT_THAT(
        OpenedAddresses(),
        ::testing::ElementsAre(std::string(kMap) + "?countrycode=33&country=France" + query,
                               std::string(kMap) + "?countrycode=1124&country=Canada" + query,
                               std::string(kMap) +
                                   "?countrycode=33&country=France&state=ARA&city=Lyon&"
                                   "zip=69002&address=12%20rue%20des%20Arts%20%26%20M%C3%A9tiers"));
    DestroyWindow(window);

    // Without a country there is no map until the owner picks one.
    host->Record(owner)["HomeCountry"] = static_cast<short>(0);
    OpenHome(owner);
    EXPECT_FALSE(Enabled(IDC_HOME_MAP));
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_HOME_COUNTRY), "Japan"));
    EXPECT_TRUE(Enabled(IDC_HOME_MAP));
}

TEST_F(HomePageTest, ANumberIsConfirmedInThePhoneLocationDialog) {
    OpenHome(owner);
    std::vector<std::string> previews;
    const auto confirm = [&](HWND dialog) {
        previews.push_back(Text(GetDlgItem(dialog, IDC_PHONE_PREVIEW)));
        agent.Click(GetDlgItem(dialog, IDOK));
    };
    agent.QueueDialogHandler(static_cast<int>(IDD_PHONE_LOCATION), confirm);
    ASSERT_TRUE(agent.Type(Control(IDC_HOME_PHONE), ""));
    EXPECT_FALSE(Enabled(IDC_HOME_PHONE_BUTTON));
    ASSERT_TRUE(agent.Type(Control(IDC_HOME_PHONE), "555-1234"));
    ASSERT_TRUE(agent.Focus(Control(IDC_HOME_CITY)));  // Leaving the field for another.
    winport::PumpMessages();
    EXPECT_EQ(previews, std::vector<std::string>{"Home:555-1234"});
    // The number in the stored form, with the owner's home country.
    EXPECT_EQ(Shown(IDC_HOME_PHONE), " +33 (555) 1234");
    EXPECT_EQ(GetFocus(), Control(IDC_HOME_CITY));

    // Confirmed, leaving the field again asks nothing; the page's focus-out message moves on.
    ASSERT_TRUE(agent.Focus(Control(IDC_HOME_PHONE)));
    EXPECT_EQ(SendMessage(page, BCM_PAGEFOCUSOUT, 0, 0), 1);
    EXPECT_EQ(GetFocus(), Control(IDC_HOME_PHONE_BUTTON));
    winport::PumpMessages();
    EXPECT_EQ(previews.size(), 1u);

    // A double click asks at once, whatever the flag; Save stores the number without its blank.
    agent.QueueDialogHandler(static_cast<int>(IDD_PHONE_LOCATION), confirm);
    SendMessage(Control(IDC_HOME_PHONE), WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(previews.size(), 2u);
    Save();
    EXPECT_EQ(std::string(host->Record(owner)["HomePhone"]), "+33 (555) 1234");
    EXPECT_EQ(agent.PendingAnswers(), 0u);

    // A contact's number opens read-only each time.
    OpenHome(contact);
    int opened = 0;
    for (int i = 0; i < 2; ++i) {
        agent.QueueDialogHandler(static_cast<int>(IDD_PHONE_LOCATION), [&](HWND dialog) {
            ++opened;
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_PHONE_COUNTRY)));
            agent.Click(GetDlgItem(dialog, IDOK));
        });
        ASSERT_TRUE(agent.Click(Control(IDC_HOME_CELL_BUTTON)));
        winport::PumpMessages();
    }
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(Shown(IDC_HOME_CELL), "+33 612") << "a contact's number is only shown";
    // A double click does nothing here.
    SendMessage(Control(IDC_HOME_CELL), WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(opened, 2);
}

}  // namespace
}  // namespace moduletest
