#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "BCDialogTestSupport.h"
#include "RecordingServices.h"
#include "hostlib/util/Astrology.h"
#include "hostlib/util/Browser.h"
#include "hostlib/util/HostStrings.h"
#include "hostlib/util/RegistryKey.h"
#include "hostlib/util/Time.h"
#include "hostlib/util/UtilityStrings.h"
#include "hostlib/util/Validators.h"
#include "platform/com/ComObject.h"
#include "platform/core/LastError.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/Registry.h"

namespace {

using Lines = std::vector<std::string>;

constexpr winport::StringResource kHostStrings[] = {
    {AFX_IDS_APP_TITLE, "NUV"},
    {7064, "first name"},
    {6720, "Refresh your details?"},
    {6721, "Update From Database"},
};
constexpr winport::ResourceTable kHostTable{"test host strings", {}, {}, {}, kHostStrings};

class HostUtilityTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(winport::AddResourceTable(kHostTable)); }
    void TearDown() override { winport::RemoveResourceTable(kHostTable); }

    winport::Agent agent;
};

TEST_F(HostUtilityTest, MessageBoxesAreMadeOfHostStrings) {
    agent.QueueMessageBoxAnswer(IDYES);
    EXPECT_EQ(BResourceMessageBox(6720, 6721, MB_YESNO | MB_ICONQUESTION, nullptr), IDYES);
    BResourceMessageBox(6720, 0, MB_OK, nullptr);
    ASSERT_EQ(agent.MessageBoxes().size(), 2u);
    EXPECT_EQ(bctest::BoxTexts(agent), (Lines{"Refresh your details?", "Refresh your details?"}));
    EXPECT_EQ(agent.MessageBoxes()[0].request.caption, "Update From Database");
    EXPECT_EQ(agent.MessageBoxes()[1].request.caption, "NUV");  // No caption: the title.
    EXPECT_EQ(BRCString(99999), "");
}

TEST_F(HostUtilityTest, EntryCheckCountsCharactersAndNamesTheField) {
    EXPECT_TRUE(BIsValidEntry("Ελένη", 7064, 5, kEntryMayBeEmpty, nullptr));
    EXPECT_TRUE(BIsValidEntry("", 7064, 20, kEntryMayBeEmpty, nullptr));
    EXPECT_TRUE(agent.MessageBoxes().empty());
    EXPECT_FALSE(BIsValidEntry("Ελένη Π", 7064, 5, kEntryMayBeEmpty, nullptr));
    EXPECT_FALSE(BIsValidEntry("", 7064, 20, kEntryRequired, nullptr));
    EXPECT_FALSE(BIsValidEntry("a\tb", 7064, 20, kEntryMayBeEmpty, nullptr));
    EXPECT_EQ(
        bctest::BoxTexts(agent),
        (Lines{"The first name can be at most 5 characters long.", "Please enter the first name.",
               "The first name contains characters that cannot be used."}));
}

TEST_F(HostUtilityTest, IntegerCheckTakesWholeNumbersInRangeAndIsSilentWithoutOwner) {
    const HWND owner =
        CreateWindowEx(0, "Static", "", WS_VISIBLE, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(BIsValidIntegerEntry(" 12345 ", "Zip", 1, 99999, owner));
    for (const char* zip : {"0", "12a", "99999999999999999999"})
        EXPECT_FALSE(BIsValidIntegerEntry(zip, "Zip", 1, 99999, owner)) << zip;
    EXPECT_FALSE(BIsValidIntegerEntry("1899", nullptr, 1900, 2026, owner));
    EXPECT_FALSE(BIsValidIntegerEntry("1899", nullptr, 1900, 2026, nullptr));
    // Field names with percent signs are not read as formats.
    EXPECT_FALSE(BIsValidIntegerEntry("x", "%s%n%1", 1, 2, owner));
    const std::string zip = "The Zip must be a whole number from 1 to 99999.";
    EXPECT_EQ(bctest::BoxTexts(agent),
              (Lines{zip, zip, zip, "Please enter a whole number from 1900 to 2026.",
                     "The %s%n%1 must be a whole number from 1 to 2."}));
    EXPECT_EQ(agent.MessageBoxes()[3].request.owner, owner);
    DestroyWindow(owner);
}

TEST(EmailCheckTest, AcceptsOneAddressAndRefusesTheRest) {
    for (const char* good :
         {"ann@example.org", "a.b+c@mail.example.co.uk", "ελένη@παράδειγμα.gr"}) {
        EXPECT_TRUE(BIsValidEmail(good)) << good;
    }
    for (const char* bad :
         {"", "ann", "@example.org", "ann@", "ann@example", "ann@@example.org", "a..b@example.org",
          ".a@example.org", "ann@-x.org", "ann@x..org", "ann @example.org", "ann@exa mple.org"}) {
        EXPECT_FALSE(BIsValidEmail(bad)) << bad;
    }
    EXPECT_FALSE(BIsValidEmail(nullptr));
}

// A sign (1 Aries to 12 Pisces) begins on its first day, 21 March for Aries, 22 December for
// Capricorn; 29 February is Pisces; no sign for a day that is no date.
TEST(AstrologyTest, SignsChangeOnTheirFirstDays) {
    for (const auto& [day, month, sign] :
         {std::tuple{20, 3, 12}, {21, 3, 1}, {21, 12, 9}, {22, 12, 10}, {1, 1, 10}, {29, 2, 12}})
        EXPECT_EQ(FindAstrologySign(day, month), sign) << day << "/" << month;
    for (auto [day, month] : {std::pair{0, 1}, {30, 2}, {31, 4}, {1, 0}, {1, 13}})
        EXPECT_EQ(FindAstrologySign(day, month), 0) << day << "/" << month;
}

TEST(TimeTest, ZoneTimeIsTheNegatedOffsetInHalfHours) {
    using namespace std::chrono;
    const BCTime::ScopedNow now(sys_days{year{2026} / 12 / 7} + hours{23} + minutes{40});
    char text[BCTime::kBufferSize];
    // -4 is GMT+2, 9 GMT-4:30.
    for (const auto& [zone, shown] :
         {std::pair{0, "23:40"}, {-4, "01:40"}, {9, "19:10"}, {BCTime::kNoTimeZone, ""}}) {
        BCTime::GetTZTime(text, zone);
        EXPECT_STREQ(text, shown) << zone;
    }
    BCTime::GetTime(text);
    EXPECT_EQ(std::string(text).size(), 5u);
}

TEST(RegistryKeyTest, ReadsTextValuesOnly) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Brightelm\\NUV\\DefaultPrefs", 0,
                             nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const std::string title = "Homepage Factory";
    RegSetValueEx(key, "Homepage Factory Dispatcher", 0, REG_SZ,
                  reinterpret_cast<const BYTE*>(title.c_str()),
                  static_cast<DWORD>(title.size() + 1));
    const DWORD number = 7;
    RegSetValueEx(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                  sizeof number);
    RegCloseKey(key);

    // The value |name| of |key| under the host's keys read into a buffer of |size| bytes.
    const auto read = [](const char* key, const char* name, size_t size) -> std::string {
        std::string text(size, 'x');
        return BCRegistryKey::ReadString(HKEY_CURRENT_USER, "Software\\Brightelm\\NUV\\", key, name,
                                         text.data(), size)
                   ? text.c_str()
                   : "(false) " + std::string(text.c_str());
    };
    EXPECT_EQ(read("DefaultPrefs", "Homepage Factory Dispatcher", 101), "Homepage Factory");
    EXPECT_EQ(read("DefaultPrefs", "Homepage Factory Dispatcher", 5), "Home");
    EXPECT_EQ(read("DefaultPrefs", "Number", 101), "(false) ");
    EXPECT_EQ(read("Nowhere", "Y", 101), "(false) ");
    EXPECT_EQ(winport::OpenRegistryHandleCount(), 0u);
    RegDeleteKey(HKEY_CURRENT_USER, "Software\\Brightelm\\NUV\\DefaultPrefs");
}

class BrowserTest : public ::testing::Test {
protected:
    void TearDown() override { SetHostServices(nullptr); }

    winport::Agent agent;
    winport::ComPtr<bctest::RecordingServices> host =
        winport::MakeComObject<bctest::RecordingServices>();
};

TEST_F(BrowserTest, OpensTheRegisteredPageThroughTheHostSilentlyAndAnUnknownOneNowhere) {
    SetHostServices(host.Get());
    for (const bool tell : {false, true}) {
        EXPECT_TRUE(BrowserGotoRegURL("Web Directories Update", tell)) << tell;
    }
    EXPECT_EQ(host->asked, std::vector<std::string>(2, "Web Directories Update"));
    EXPECT_EQ(host->opened, std::vector<std::string>(2, "https://host.example/publicize"));
    EXPECT_TRUE(agent.MessageBoxes().empty());
    EXPECT_EQ(host->RefCount(), 1u);  // Borrowed, never held.

    // An unknown name or no host opens nothing; only the flag tells the user so.
    host->asked.clear();
    host->opened.clear();
    for (const bool tell : {false, true}) {
        SCOPED_TRACE(tell);
        SetHostServices(nullptr);
        EXPECT_FALSE(BrowserGotoRegURL("Web Directories Update", tell));
        SetHostServices(host.Get());
        EXPECT_FALSE(BrowserGotoRegURL("Nowhere", tell));
        EXPECT_FALSE(BrowserGotoRegURL(nullptr, tell));
        EXPECT_EQ(agent.MessageBoxes().size(), tell ? 3u : 0u);
    }
    for (const auto& box : agent.MessageBoxes()) {
        EXPECT_EQ(box.request.text, "This web page is not available.");
        EXPECT_EQ(box.request.style, MB_OK | MB_ICONINFORMATION);
    }
    EXPECT_EQ(host->asked, std::vector<std::string>(2, "Nowhere"));
    EXPECT_TRUE(host->opened.empty());
}

}  // namespace
