// The More page in the owner's window and in a contact's: age and birth year following each
// other around the birthday, the birth date's checks, the zodiac sign and the horoscope, the
// spins, the birthday options, and what Save writes to which section of the record.
#include <chrono>
#include <cstdlib>
#include <ctime>

#include "PageTestSupport.h"
#include "hostlib/controls/BCStaticBitmap.h"
#include "hostlib/util/Time.h"

namespace moduletest {
namespace {

using std::chrono::April;
using std::chrono::February;
using std::chrono::March;
using std::chrono::year_month_day;
using namespace std::chrono_literals;

constexpr int kMoreTab = 3;
constexpr char kZodiac[] = "https://stars.example/today";
constexpr winport::StringResource kStrings[] = {
    {kIncompleteBirthDateText, "The birth date is not whole."},
    {kIncompleteBirthDateCaption, "Birth Date"},
};
constexpr winport::ResourceTable kTable{"more page strings", {}, {}, {}, kStrings};

// Noon, so that the local date is the same wherever the tests run.
std::chrono::system_clock::time_point NoonOf(year_month_day date) {
    return std::chrono::sys_days{date} + std::chrono::hours{12};
}

class MorePageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        UseStrings(kTable);
        for (BCUserInfo* user : {owner, contact}) {
            MCVariantPropertySet record = host->Record(user);
            record["HomeHomepage"] = "https://lodie.example";
            record["Gender"] = static_cast<unsigned char>(1);
            record["Language"][0] = static_cast<unsigned char>(0);
            record["UpdateInfoStatus"] = 0xFFFF;
        }
        SetBirth(owner, 0, 0, 0);
        SetBirth(contact, 0, 0, 0);
    }

    void SetBirth(BCUserInfo* user, int day, int month, int year) {
        MCVariantPropertySet record = host->Record(user);
        record["BirthDay"] = static_cast<unsigned char>(day);
        record["BirthMonth"] = static_cast<unsigned char>(month);
        record["BirthYear"] = static_cast<unsigned short>(year);
    }
    HWND OpenMore(BCUserInfo* user) { return OpenPage(user, kMoreTab); }
    int ZodiacImage() const {
        return dynamic_cast<BCStaticBitmap*>(CWnd::FromHandlePermanent(Control(IDC_MORE_ZODIAC)))
            ->GetImage();
    }
    void Spin(int id, winport::SpinArrow arrow, int times) {
        for (int i = 0; i < times; ++i) ASSERT_TRUE(agent.PressSpinArrow(Control(id), arrow));
    }

    std::optional<BCTime::ScopedNow> m_now{std::in_place, NoonOf(2026y / April / 17)};
};

TEST_F(MorePageTest, AgeFollowsTheBirthYearAroundTheBirthday) {
    for (const auto& [today, day, month, year, age] :
         std::initializer_list<std::tuple<year_month_day, int, int, int, const char*>>{
             {2026y / April / 17, 18, 4, 1996, "29"},  // the day before
             {2026y / April / 17, 17, 4, 1996, "30"},  // the day itself
             {2026y / April / 17, 16, 4, 1996, "30"},  // the day after
             {2026y / April / 17, 0, 0, 1996, "30"},   // no day or month
             {2027y / February / 28, 29, 2, 2000, "26"},
             {2027y / March / 1, 29, 2, 2000, "27"},
             {2028y / February / 29, 29, 2, 2000, "28"},
             {2026y / April / 17, 1, 1, 0, ""},  // no year: no age
         }) {
        SCOPED_TRACE(testing::Message() << day << "." << month << "." << year);
        m_now.emplace(NoonOf(today));
        for (BCUserInfo* user : {owner, contact}) {
            SetBirth(user, day, month, year);
            OpenMore(user);
            EXPECT_EQ(Shown(IDC_MORE_AGE), age);
            EXPECT_EQ(Shown(IDC_MORE_YEAR), year ? std::to_string(year) : "");
            DestroyWindow(window);
        }
    }
}

TEST_F(MorePageTest, ABirthDateIsWholeOrAbsentAndItsYearInRange) {
    const struct {
        const char* year;
        const char* month;
        const char* day;
        const char* box;  // The box's text; null: the page saves.
    } cases[] = {
        {"1899", "", "", "The Birth Year must be a whole number from 1900 to 2026."},
        {"2027", "", "", "The Birth Year must be a whole number from 1900 to 2026."},
        {"", "May", "3", "The birth date is not whole."},
        {"1980", "May", "", "The birth date is not whole."},
        {"1980", "", "", nullptr},
        {"1980", "May", "3", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.year) + " " + c.month + " " + c.day);
        OpenMore(owner);
        const size_t boxes = agent.MessageBoxes().size();
        ASSERT_TRUE(agent.Type(Control(IDC_MORE_YEAR), c.year));
        ASSERT_TRUE(!*c.month || agent.PickComboItem(Control(IDC_MORE_MONTH), c.month));
        ASSERT_TRUE(!*c.day || agent.PickComboItem(Control(IDC_MORE_DAY), c.day));
        Save();
        EXPECT_EQ(BoxTexts(boxes), c.box ? Lines{c.box} : Lines{});
        EXPECT_EQ(Keys(owner, {"BirthYear"}), c.box ? "0" : c.year) << "written only when saved";
        DestroyWindow(window);
    }
}

// The sign follows the day and month picked (AstrologyTest has how a sign is found); the
// horoscope opens for the date and sign shown.
TEST_F(MorePageTest, TheSignFollowsTheDateAndOpensTheHoroscope) {
    host->RegisterAddress("Zodiac", kZodiac);
    OpenMore(owner);
    // Without a day and a month there is no sign, nothing to read and nothing to tell.
    EXPECT_EQ(ZodiacImage(), 0);
    EXPECT_EQ(EnabledStates({IDC_MORE_HOROSCOPE, IDC_MORE_NOTIFY_BIRTHDAY}), "--");
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_MORE_MONTH), "December"));
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_MORE_DAY), "22"));
    EXPECT_EQ(ZodiacImage(), 10);
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_MORE_DAY), "21"));
    EXPECT_EQ(ZodiacImage(), 9);
    EXPECT_TRUE(Enabled(IDC_MORE_NOTIFY_BIRTHDAY));
    ASSERT_TRUE(agent.Type(Control(IDC_MORE_YEAR), "1970"));
    ASSERT_TRUE(agent.Click(Control(IDC_MORE_HOROSCOPE)));
    DestroyWindow(window);

    // A contact's date comes from his record.
    SetBirth(contact, 7, 3, 1970);
    OpenMore(contact);
    EXPECT_EQ(Shown(IDC_MORE_MONTH_NAME) + "|" + Shown(IDC_MORE_DAY_TEXT), "March|07");
    EXPECT_EQ(ZodiacImage(), 12);
    ASSERT_TRUE(agent.Click(Control(IDC_MORE_HOROSCOPE)));
    EXPECT_THAT(OpenedAddresses(),
                testing::ElementsAre(std::string(kZodiac) + "?date=12211970&sign=9",
                                     std::string(kZodiac) + "?date=03071970&sign=12"));
}

// A typed age gives the birth year (owner-birthday.nuv has a birthday come or still to come, and
// what Save writes); the spins stay within their ranges.
TEST_F(MorePageTest, ATypedAgeGivesTheBirthYearAndTheSpinsStayInRange) {
    OpenMore(owner);
    ASSERT_TRUE(agent.Type(Control(IDC_MORE_AGE), "30"));
    EXPECT_EQ(Shown(IDC_MORE_YEAR), "1996") << "without a day and a month the birthday has come";
    ASSERT_TRUE(agent.Type(Control(IDC_MORE_AGE), "200"));
    EXPECT_EQ(Shown(IDC_MORE_YEAR), "1900") << "no year before 1900";
    EXPECT_EQ(Shown(IDC_MORE_AGE), "200") << "the age stays as typed";

    ASSERT_TRUE(agent.Type(Control(IDC_MORE_YEAR), "2024"));
    Spin(IDC_MORE_YEAR_SPIN, winport::SpinArrow::Up, 5);
    EXPECT_EQ(Shown(IDC_MORE_AGE) + "|" + Shown(IDC_MORE_YEAR), "1|2026");
    Spin(IDC_MORE_AGE_SPIN, winport::SpinArrow::Down, 3);
    EXPECT_EQ(Shown(IDC_MORE_AGE), "1");
    Spin(IDC_MORE_AGE_SPIN, winport::SpinArrow::Up, 2);
    EXPECT_EQ(Shown(IDC_MORE_AGE) + "|" + Shown(IDC_MORE_YEAR), "3|2023");
    // A field without a number in range starts again at the range's lower end.
    ASSERT_TRUE(agent.Type(Control(IDC_MORE_YEAR), "18"));
    Spin(IDC_MORE_YEAR_SPIN, winport::SpinArrow::Up, 1);
    EXPECT_EQ(Shown(IDC_MORE_YEAR), "1900");
}

TEST_F(MorePageTest, AContactsReminderIsKeptAndMayRemindAgain) {
    SetBirth(contact, 7, 3, 1970);
    host->Record(contact)["AlreadyRemindedBirthday"] = true;
    OpenMore(contact);
    EXPECT_FALSE(Enabled(IDC_MORE_REMIND_SPIN)) << "until the reminder is on";
    ASSERT_TRUE(agent.Tick(Control(IDC_MORE_REMIND)));
    // From 0 to 9 days (contact-reminder.nuv stops at 9).
    Spin(IDC_MORE_REMIND_SPIN, winport::SpinArrow::Down, 2);
    EXPECT_EQ(Shown(IDC_MORE_REMIND_DAYS), "0");
    Spin(IDC_MORE_REMIND_SPIN, winport::SpinArrow::Up, 3);
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
    EXPECT_EQ(
        Keys(contact, {"BirthDayReminder", "BirthDayReminderDays", "AlreadyRemindedBirthday"}),
        "1|3|0");

    // Without a whole birth date there is nothing to be reminded of.
    SetBirth(contact, 7, 3, 0);
    OpenMore(contact);
    EXPECT_FALSE(Enabled(IDC_MORE_REMIND) || Enabled(IDC_MORE_REMIND_DAYS));
}

using MorePageWithListsTest = WithShippedLists<MorePageTest>;

TEST_F(MorePageWithListsTest, SaveClearsTheBitOfTheSectionItWrites) {
    OpenMore(owner);
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_MORE_GENDER), "Male"));
    Save();
    EXPECT_EQ(Keys(owner, {"UpdateInfoStatus", "Gender"}), std::to_string(0xFFF7) + "|2");

    // The category and its description alone.
    host->Record(owner)["UpdateInfoStatus"] = 0xFFFF;
    agent.QueueDialogHandler(static_cast<int>(IDD_HOMEPAGE_CATEGORY), [&](HWND dialog) {
        agent.QueueDialogHandler(static_cast<int>(IDD_SELECT_TOPIC), [&](HWND topics) {
            agent.SelectTreeItem(GetDlgItem(topics, IDC_TOPIC_TREE),
                                 "Arts/Visual Arts/Painting/Watercolour");
            agent.Click(GetDlgItem(topics, IDOK));
        });
        agent.Click(GetDlgItem(dialog, IDC_CATEGORY_DEFINE));
        agent.Type(GetDlgItem(dialog, IDC_CATEGORY_DESCRIPTION), "Τα βουνά μου");
        agent.Click(GetDlgItem(dialog, IDOK));
    });
    ASSERT_TRUE(agent.Click(Control(IDC_MORE_HOMEPAGE_CATEGORY)));
    Save();
    EXPECT_EQ(Keys(owner, {"UpdateInfoStatus", "HomepageDescription", "HomepageCategory"}),
              std::to_string(0xFFEF) + "|Τα βουνά μου|2");

    // The birthday notification belongs to no published section.
    host->Record(owner)["UpdateInfoStatus"] = 0xFFFF;
    ASSERT_TRUE(agent.Type(Control(IDC_MORE_YEAR), "1980"));
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_MORE_MONTH), "May"));
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_MORE_DAY), "3"));
    Save();
    host->Record(owner)["UpdateInfoStatus"] = 0xFFFF;
    ASSERT_TRUE(agent.Tick(Control(IDC_MORE_NOTIFY_BIRTHDAY)));
    Save();
    EXPECT_EQ(Keys(owner, {"UpdateInfoStatus", "BroadcastBDay"}), std::to_string(0xFFFF) + "|1");
}

TEST_F(MorePageTest, WhatTheListsDoNotKnowOrTheOwnerDidNotTouchIsKept) {
    MCVariantPropertySet record = host->Record(owner);
    record["Gender"] = static_cast<unsigned char>(9);
    record["Language"][0] = static_cast<unsigned char>(250);
    record["Language"][1] = static_cast<unsigned char>(3);
    OpenMore(owner);
    ASSERT_TRUE(agent.Type(Control(IDC_MORE_HOMEPAGE), "παράδειγμα.δοκιμή/Ελένη"));
    ASSERT_TRUE(agent.Click(Control(IDC_MORE_HOMEPAGE_BUTTON)));
    Save();
    EXPECT_EQ(Keys(owner, {"Gender", "Language[0]", "Language[1]", "HomeHomepage"}),
              "9|250|3|παράδειγμα.δοκιμή/Ελένη");
    EXPECT_THAT(OpenedAddresses(), testing::ElementsAre("http://παράδειγμα.δοκιμή/Ελένη"));
}

// The person's birthday is his own day where he is, not in Greenwich.
TEST_F(MorePageTest, TodayIsTheLocalDate) {
    const char* zone = std::getenv("TZ");
    const std::string previous = zone ? zone : "";
    setenv("TZ", "Asia/Tokyo", 1);
    tzset();
    m_now.emplace(std::chrono::sys_days{2026y / April / 17} + std::chrono::hours{23});
    SetBirth(owner, 18, 4, 1996);
    OpenMore(owner);
    const std::string age = Shown(IDC_MORE_AGE);
    zone ? setenv("TZ", previous.c_str(), 1) : unsetenv("TZ");
    tzset();
    EXPECT_EQ(age, "30");
}

}  // namespace
}  // namespace moduletest
